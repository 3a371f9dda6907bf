#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace tavrolin::bench {

// Measures how long the window goes without handling events: a 1 ms timer can only fire when
// the event loop runs, so the longest time between two of its ticks is the longest stretch in
// which the window could not answer the user.
class EventGapMeter : public QObject {
public:
    explicit EventGapMeter(const QElapsedTimer& clock);

    void start();
    // Ends the measurement; the stretch since the last tick counts too.
    void stop();

    double longestGapMs() const { return double(m_longestNs) / 1e6; }
    int ticks() const { return m_ticks; }

private:
    void tick();

    const QElapsedTimer& m_clock;
    QTimer m_timer;
    qint64 m_lastNs = 0;
    qint64 m_longestNs = 0;
    int m_ticks = 0;
    bool m_running = false;
};

} // namespace tavrolin::bench
