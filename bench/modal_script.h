#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

class QDialog;

namespace tavrolin::bench {

// Answers the modal dialogs of the window in the order a user would meet them, and notes when
// each one showed. A dialog nobody expected (an error report, say) is refused and remembered,
// so the run fails instead of measuring the wrong thing.
class ModalScript : public QObject {
public:
    explicit ModalScript(const QElapsedTimer& clock);

    // Picks the file in the next file dialog and accepts it.
    void chooseFile(const QString& path);
    // Closes the next message box, which must start with the given text.
    void closeMessage(const QString& textStart);

    // When the last dialog showed, and when the last file dialog was accepted (nanoseconds).
    qint64 lastShownAt() const { return m_lastShownAt; }
    qint64 lastAcceptedAt() const { return m_lastAcceptedAt; }
    bool allAnswered() const { return m_steps.empty(); }
    const QStringList& problems() const { return m_problems; }

    // Called when a dialog shows, before it is answered.
    std::function<void()> onShown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Answer = std::function<bool(QDialog*)>;

    void answer(QDialog* dialog);

    const QElapsedTimer& m_clock;
    std::deque<Answer> m_steps;
    QStringList m_problems;
    qint64 m_lastShownAt = 0;
    qint64 m_lastAcceptedAt = 0;
};

} // namespace tavrolin::bench
