#pragma once

#include "error_report.h"
#include "runtime_error.h"

#include <QString>
#include <new>
#include <utility>

namespace tavrolin {

class Dialogs;

// Runs the numbered statements of a procedure that traps its errors: a statement that fails is
// reported with the procedure's location and the statement's number, and execution goes on
// with the next statement. A routine without a trap of its own simply throws; its caller's
// statement reports the error with the caller's location and number.
class Trap {
public:
    Trap(Dialogs& dialogs, QString procedure)
        : m_dialogs(dialogs), m_procedure(std::move(procedure)) {}

    template <class Statement> void operator()(int line, Statement&& statement) {
        try {
            std::forward<Statement>(statement)();
        } catch (const RuntimeError& e) {
            report(line, e.description());
        } catch (const std::bad_alloc&) {
            report(line, outOfMemory());
        }
    }

    // The test of a conditional step. A test that fails counts as true: execution resumes with
    // the first statement of its then-branch.
    template <class Condition> bool test(int line, Condition&& condition) {
        try {
            return std::forward<Condition>(condition)();
        } catch (const RuntimeError& e) {
            report(line, e.description());
        } catch (const std::bad_alloc&) {
            report(line, outOfMemory());
        }
        return true;
    }

private:
    void report(int line, const QString& description) const {
        showErrorReport(m_dialogs, description, m_procedure, line);
    }
    static QString outOfMemory() { return QStringLiteral("Out of memory"); }

    Dialogs& m_dialogs;
    QString m_procedure;
};

} // namespace tavrolin
