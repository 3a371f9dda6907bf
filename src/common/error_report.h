#pragma once

#include <QString>
#include <exception>

namespace tavrolin {

class MessageBoxes;
class RuntimeError;

inline const QString kErrorReportTitle = QStringLiteral("Application Error");
inline const QString kSupportAddress = QStringLiteral("support@tavrolin.example.org");

// The text of the error report of a trapped procedure: the error's description, then where it
// happened ("in Tavrolin2021/08/31.<object>.<procedure> at line <n>"), then the request to
// send a screenshot. A procedure without numbered statements gives kNoLine: its location then
// names no line.
constexpr int kNoLine = 0;
QString errorReportText(const QString& description, const QString& procedure, int line);

// Shows the error report: OK only, the warning icon, the title "Application Error".
void showErrorReport(MessageBoxes& dialogs, const QString& description, const QString& procedure,
                     int line);

// The platform's own message for an error that no procedure traps.
QString unhandledErrorText(const RuntimeError& error);

// The description of a failure that is none of the platform's run-time errors: a fault of the
// program itself, which the error report asks the user to send in.
QString unexpectedErrorText(const std::exception& error);

} // namespace tavrolin
