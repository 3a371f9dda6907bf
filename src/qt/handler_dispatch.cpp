#include "handler_dispatch.h"

#include <QCoreApplication>
#include <QThread>

namespace tavrolin::qt {

namespace {

// Asked for while no event loop runs, an exit would make the next modal dialog return at once
// instead; then there is no loop to leave.
void leaveEventLoop(int exitStatus) {
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(exitStatus);
}

} // namespace

void HandlerDispatch::endProcess(int exitStatus) {
    // The first reason to end is the one the program ends with.
    if (!m_ended)
        m_exitStatus = exitStatus;
    m_ended = true;
    m_ending = true;
    if (m_running == 0)
        leaveEventLoop(m_exitStatus);
}

void HandlerDispatch::finish(quint64 outer) {
    m_current = outer;
    --m_running;
    if (m_ending && m_running == 0)
        leaveEventLoop(m_exitStatus);
}

} // namespace tavrolin::qt
