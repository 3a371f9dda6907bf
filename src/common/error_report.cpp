#include "error_report.h"

#include "runtime_error.h"
#include "toolkit/message_boxes.h"

namespace tavrolin {

QString errorReportText(const QString& description, const QString& procedure, int line) {
    const QString at =
        line == kNoLine ? QString() : QStringLiteral(" at line ") + QString::number(line);
    return description + QStringLiteral("\r\nin Tavrolin2021/08/31.") + procedure + at +
           QStringLiteral("\r\rPlease e-mail a screenshot of this message to ") + kSupportAddress +
           u'.';
}

void showErrorReport(MessageBoxes& dialogs, const QString& description, const QString& procedure,
                     int line) {
    dialogs.messageBox(errorReportText(description, procedure, line), MessageStyle::OkExclamation,
                       kErrorReportTitle);
}

QString unexpectedErrorText(const std::exception& error) {
    return QStringLiteral("Unexpected error: ") + QString::fromLocal8Bit(error.what());
}

QString unhandledErrorText(const RuntimeError& error) {
    return QStringLiteral("Run-time error '") + QString::number(error.number()) +
           QStringLiteral("':\r\r") + error.description();
}

} // namespace tavrolin
