#include "event_gap_meter.h"

#include <algorithm>

namespace tavrolin::bench {

EventGapMeter::EventGapMeter(const QElapsedTimer& clock) : m_clock(clock) {
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
}

void EventGapMeter::start() {
    m_longestNs = 0;
    m_ticks = 0;
    m_running = true;
    m_lastNs = m_clock.nsecsElapsed();
    m_timer.start();
}

void EventGapMeter::stop() {
    if (!m_running)
        return;
    tick();
    m_running = false;
    m_timer.stop();
}

void EventGapMeter::tick() {
    if (!m_running)
        return;
    const qint64 now = m_clock.nsecsElapsed();
    m_longestNs = std::max(m_longestNs, now - m_lastNs);
    m_lastNs = now;
    ++m_ticks;
}

} // namespace tavrolin::bench
