#include "scripted_events.h"

namespace tavrolin::testing {

void ScriptedEvents::processEvents() {
    ++m_calls;
    const QList<std::function<void()>> due = m_actions.values(m_calls);
    m_actions.remove(m_calls);
    // QMultiMap keeps the most recently inserted first.
    for (auto it = due.crbegin(); it != due.crend(); ++it)
        (*it)();
    if (m_window != nullptr)
        m_window->processEvents();
}

} // namespace tavrolin::testing
