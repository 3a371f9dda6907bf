#include "headless_event_pump.h"

#include "common/runtime_error.h"
#include "headless_window.h"

#include <utility>

namespace tavrolin::headless {

HeadlessEventPump::HeadlessEventPump(const HeadlessWindow& window) : m_window(window) {}

void HeadlessEventPump::at(int call, std::function<void()> action) {
    m_actions.insert(call, std::move(action));
}

void HeadlessEventPump::processEvents() {
    ++m_calls;
    const QList<std::function<void()>> due = m_actions.values(m_calls);
    m_actions.remove(m_calls);
    // QMultiMap keeps the most recently inserted first.
    for (auto it = due.crbegin(); it != due.crend(); ++it)
        (*it)();
    if (m_window.ended())
        throw ProcessEnding{};
}

} // namespace tavrolin::headless
