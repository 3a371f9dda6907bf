#pragma once

#include "error_report.h"
#include "runtime_error.h"
#include "toolkit/dialogs.h"
#include "toolkit/window.h"

#include <utility>

namespace tavrolin {

// Runs an event handler that has no trap of its own: an error shows the platform's message
// and ends the program.
template <class Handler> void runUntrapped(Dialogs& dialogs, Window& form, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const RuntimeError& e) {
        dialogs.messageBox(unhandledErrorText(e), MessageStyle::OkCritical);
        form.endProcess();
    }
}

} // namespace tavrolin
