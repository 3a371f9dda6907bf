#include "qt_event_pump.h"

#include "main_window.h"

#include <QCoreApplication>

namespace tavrolin::qt {

namespace {

constexpr qint64 kIntervalMs = 15;

} // namespace

QtEventPump::QtEventPump(const MainWindow& window) : m_window(window) {}

void QtEventPump::processEvents() {
    if (!m_sinceLastRun.isValid() || m_sinceLastRun.elapsed() >= kIntervalMs) {
        QCoreApplication::processEvents();
        m_sinceLastRun.restart();
    }
    if (m_window.ending())
        throw ProcessEnding{};
}

} // namespace tavrolin::qt
