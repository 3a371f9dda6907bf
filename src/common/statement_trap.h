#pragma once

#include "error_report.h"
#include "runtime_error.h"

#include <QString>
#include <exception>
#include <new>
#include <utility>

namespace tavrolin {

class MessageBoxes;

// Runs the numbered statements of a procedure that traps its errors: a statement that fails is
// reported with the procedure's location and the statement's number, and execution goes on
// with the next statement. A routine without a trap of its own simply throws; its caller's
// statement reports the error with the caller's location and number.
//
// Running out of memory is reported the same way, but then nothing goes on: going on would
// leave a result that silently lacks what could not be kept, and every later statement would
// fail again with a report of its own. The trap throws OperationStopped, which unwinds the
// whole operation up to its handler.
class Trap {
public:
    Trap(MessageBoxes& dialogs, QString procedure)
        : m_dialogs(dialogs), m_procedure(std::move(procedure)) {}

    template <class Statement> void operator()(int line, Statement&& statement) {
        attempt(line, std::forward<Statement>(statement));
    }

    // The test of a conditional step. A test that fails counts as true: execution resumes with
    // the first statement of its then-branch.
    template <class Condition> bool test(int line, Condition&& condition) {
        bool result = true;
        attempt(line, [&] { result = std::forward<Condition>(condition)(); });
        return result;
    }

private:
    template <class Statement> void attempt(int line, Statement&& statement) {
        try {
            std::forward<Statement>(statement)();
        } catch (const RuntimeError& e) {
            report(line, e.description());
            if (isOutOfMemory(e))
                throw OperationStopped{};
        } catch (const std::bad_alloc&) {
            report(line, error::text(error::OutOfMemory));
            throw OperationStopped{};
        } catch (const std::exception& e) {
            report(line, unexpectedErrorText(e));
        }
    }

    void report(int line, const QString& description) const {
        showErrorReport(m_dialogs, description, m_procedure, line);
    }

    MessageBoxes& m_dialogs;
    QString m_procedure;
};

} // namespace tavrolin
