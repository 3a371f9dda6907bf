#include "qt_event_pump.h"

#include "handler_dispatch.h"

#include <QCoreApplication>

namespace tavrolin::qt {

namespace {

constexpr qint64 kIntervalMs = 15;
// The calls between two readings of the clock. A loop's pass over even a long entry takes
// microseconds, so the events are at most a few milliseconds late.
constexpr int kCallsPerClockReading = 32;

} // namespace

QtEventPump::QtEventPump(const HandlerDispatch& handlers) : m_handlers(handlers) {}

void QtEventPump::processEvents() {
    if (m_callsToClock > 0) {
        --m_callsToClock;
    } else {
        m_callsToClock = kCallsPerClockReading - 1;
        if (!m_sinceLastRun.isValid() || m_sinceLastRun.elapsed() >= kIntervalMs) {
            QCoreApplication::processEvents();
            m_sinceLastRun.restart();
        }
    }
    if (m_handlers.ending())
        throw ProcessEnding{};
}

} // namespace tavrolin::qt
