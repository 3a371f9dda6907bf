#pragma once

#include "error_report.h"
#include "runtime_error.h"
#include "toolkit/message_boxes.h"
#include "toolkit/process.h"

#include <exception>
#include <new>
#include <utility>

namespace tavrolin {

// The exit status of a program that a run-time error ended.
constexpr int kEndedByErrorStatus = 1;

// Runs an event handler that has no trap of its own: a run-time error shows the platform's
// message and ends the program. A failure that is no run-time error (memory ran out, a fault
// of the program) shows the error report instead and the window goes on: the handler changed
// nothing it could not finish, and ending would cost the user the lists.
template <class Handler>
void runUntrapped(MessageBoxes& dialogs, Process& process, const QString& procedure,
                  Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const RuntimeError& e) {
        dialogs.messageBox(unhandledErrorText(e), MessageStyle::OkCritical);
        process.endProcess(kEndedByErrorStatus);
    } catch (const std::bad_alloc&) {
        showErrorReport(dialogs, error::text(error::OutOfMemory), procedure, kNoLine);
    } catch (const std::exception& e) {
        showErrorReport(dialogs, unexpectedErrorText(e), procedure, kNoLine);
    }
}

} // namespace tavrolin
