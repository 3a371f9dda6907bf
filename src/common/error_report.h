#pragma once

#include <QString>

namespace tavrolin {

class Dialogs;
class RuntimeError;

inline const QString kErrorReportTitle = QStringLiteral("Application Error");
inline const QString kSupportAddress = QStringLiteral("support@tavrolin.example.org");

// The text of the error report of a trapped procedure: the error's description, then where it
// happened ("in Tavrolin2021/08/31.<object>.<procedure> at line <n>"), then the request to
// send a screenshot.
QString errorReportText(const QString& description, const QString& procedure, int line);

// Shows the error report: OK only, the warning icon, the title "Application Error".
void showErrorReport(Dialogs& dialogs, const QString& description, const QString& procedure,
                     int line);

// The platform's own message for an error that no procedure traps.
QString unhandledErrorText(const RuntimeError& error);

} // namespace tavrolin
