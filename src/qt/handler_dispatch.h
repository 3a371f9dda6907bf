#pragma once

#include "common/runtime_error.h"

#include <QtGlobal>
#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

namespace tavrolin::qt {

// Runs the event handlers of the window, and ends the program while they run.
//
// Every handler runs inside run(): the controls reach Form1 only through
// QtToolkit::connectHandler, and start-up runs Form_Load through it as well. Handlers nest: an
// operation that lets window events run (the event pump) may run other handlers inside it, the
// one for closing the window among them.
//
// Closing while busy. Closing the window raises Form_Unload, which calls endProcess(), as an
// untrapped error does. The window hides and the program counts as ended. Outside every handler
// the event loop is left at once. Inside one, the program is only marked as ending: the handler
// returns as usual, and the event pump, at its next call, throws ProcessEnding into the
// operation that called it. That unwinds the operation (files are released, nothing
// half-written replaces an older file) up to its run(), which catches it; when the outermost
// run() returns, the event loop is left. ProcessEnding is caught nowhere else, so it never
// crosses Qt's event loop.
//
// Ending during Form_Load, before the event loop runs, leaves no loop; start-up reads ended()
// and neither shows the window nor enters the loop.
//
// A handler stopped by its trap (OperationStopped) has reported why and put the window at rest
// itself. Any other exception that leaves a handler is a fault of the program: it is handed to
// onFailure, and the window goes on; it never crosses Qt's event loop either.
class HandlerDispatch {
public:
    template <class Handler> void run(Handler&& handler);

    void endProcess(int exitStatus);
    int exitStatus() const { return m_exitStatus; }
    // Whether the event pump must unwind the running operation.
    bool ending() const { return m_ending; }
    bool ended() const { return m_ended; }
    // The number of the innermost running handler, 0 while none runs; every run gets a new
    // number.
    quint64 current() const { return m_current; }
    void onFailure(std::function<void(const std::exception&)> failure) {
        m_failure = std::move(failure);
    }

private:
    void finish(quint64 outer);

    int m_running = 0;
    int m_exitStatus = 0;
    bool m_ending = false;
    bool m_ended = false;
    quint64 m_count = 0;
    quint64 m_current = 0;
    std::function<void(const std::exception&)> m_failure;
};

template <class Handler> void HandlerDispatch::run(Handler&& handler) {
    ++m_running;
    const quint64 outer = std::exchange(m_current, ++m_count);
    try {
        std::forward<Handler>(handler)();
    } catch (const ProcessEnding&) {
        // Unwound to here on purpose; the program ends in finish().
    } catch (const OperationStopped&) {
        // Reported where it stopped.
    } catch (const std::exception& e) {
        if (m_failure)
            m_failure(e);
    }
    finish(outer);
}

// A slot that runs its handler inside a dispatch. It takes as many of the signal's arguments
// as the handler does, so one connection helper serves signals of any signature.
template <class Handler> class Dispatched {
public:
    Dispatched(HandlerDispatch& dispatch, Handler handler)
        : m_dispatch(&dispatch), m_handler(std::move(handler)) {}

    template <class... Args,
              std::enable_if_t<std::is_invocable_v<const Handler&, const Args&...>, int> = 0>
    void operator()(const Args&... args) const {
        m_dispatch->run([&] { m_handler(args...); });
    }

private:
    HandlerDispatch* m_dispatch;
    Handler m_handler;
};

} // namespace tavrolin::qt
