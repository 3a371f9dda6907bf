#include "qt_event_pump.h"

#include "handler_dispatch.h"

#include <QCoreApplication>

namespace tavrolin::qt {

namespace {

constexpr qint64 kIntervalMs = 15;

} // namespace

QtEventPump::QtEventPump(const HandlerDispatch& handlers) : m_handlers(handlers) {}

void QtEventPump::processEvents() {
    if (!m_sinceLastRun.isValid() || m_sinceLastRun.elapsed() >= kIntervalMs) {
        QCoreApplication::processEvents();
        m_sinceLastRun.restart();
    }
    if (m_handlers.ending())
        throw ProcessEnding{};
}

} // namespace tavrolin::qt
