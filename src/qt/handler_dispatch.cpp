#include "handler_dispatch.h"

#include <QCoreApplication>
#include <QThread>

namespace tavrolin::qt {

namespace {

// Asked for while no event loop runs, an exit would make the next modal dialog return at once
// instead; then there is no loop to leave.
void leaveEventLoop() {
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

} // namespace

void HandlerDispatch::endProcess() {
    m_ended = true;
    m_ending = true;
    if (m_running == 0)
        leaveEventLoop();
}

void HandlerDispatch::finish(quint64 outer) {
    m_current = outer;
    --m_running;
    if (m_ending && m_running == 0)
        leaveEventLoop();
}

} // namespace tavrolin::qt
