#pragma once

#include "common/toolkit/event_pump.h"

#include <QMultiMap>
#include <functional>

namespace tavrolin::testing {

// Counts the calls that let pending events run and, at the k-th one, runs what a test
// scheduled there (a click, a key, a pick), as a pending event of the window would; then the
// window's own events run as usual. Re-entrancy is then exact, not a matter of timing.
class ScriptedEvents : public EventPump {
public:
    // The window's own pump, which runs after the scheduled actions.
    void passOnTo(EventPump& window) { m_window = &window; }
    void processEvents() override;

    void at(int call, std::function<void()> action) { m_actions.insert(call, std::move(action)); }
    int calls() const { return m_calls; }

private:
    EventPump* m_window = nullptr;
    int m_calls = 0;
    QMultiMap<int, std::function<void()>> m_actions;
};

} // namespace tavrolin::testing
