#pragma once

#include <utility>

namespace tavrolin {

// Whether an operation runs that reads the entries while window events run (a creation, List
// Figures): the one answer the handlers that would change the entries, and undo, ask.
class OperationState {
public:
    bool running() const { return m_running; }

    // Marks an operation running for as long as it lives, however it ends.
    class Running {
    public:
        explicit Running(OperationState& state)
            : m_state(state), m_wasRunning(std::exchange(state.m_running, true)) {}
        ~Running() { m_state.m_running = m_wasRunning; }
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;

    private:
        OperationState& m_state;
        bool m_wasRunning;
    };

private:
    bool m_running = false;
};

} // namespace tavrolin
