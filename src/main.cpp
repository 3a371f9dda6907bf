#include "app/command_line.h"
#include "app/form1.h"
#include "common/closed_streams.h"
#include "common/product.h"
#include "qt/qt_toolkit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// Prints the answer the command line asks for instead of the window, if it asks for one, and
// gives the exit status: the answer's, or 1 when standard output did not take it (a full disk).
// A message that standard error does not take has nowhere left to go.
std::optional<int> answered(const tavrolin::CommandLine& commandLine) {
    if (!commandLine.exitStatus)
        return std::nullopt;
    std::FILE* const stream = *commandLine.exitStatus == 0 ? stdout : stderr;
    if ((std::fputs(commandLine.text.toLocal8Bit().constData(), stream) >= 0 &&
         std::fflush(stream) == 0) ||
        stream == stderr)
        return *commandLine.exitStatus;
    std::fprintf(stderr, "tavrolin: standard output: %s\n", std::strerror(errno));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    // Before anything opens a descriptor that could take a closed stream's number.
    const tavrolin::ClosedStreams closed = tavrolin::reopenClosedStreams();
    // Help, version, a refused option and a batch job are answered before Qt connects to the
    // window system, which ends the program when there is no display.
    const tavrolin::CommandLine early = tavrolin::parseCommandLine(
        tavrolin::withoutWindowSystemOptions(tavrolin::argumentsOf(argc, argv)),
        QDir::currentPath(), closed);
    if (const std::optional<int> status = answered(early))
        return *status;
    if (early.batch) {
        // No window and no window system: a batch job runs where there is no display.
        QCoreApplication app(argc, argv);
        QFile input;
        QFile output;
        QFile errors;
        if (!input.open(0, QIODevice::ReadOnly | QIODevice::Unbuffered) ||
            !output.open(1, QIODevice::WriteOnly | QIODevice::Unbuffered) ||
            !errors.open(2, QIODevice::WriteOnly | QIODevice::Unbuffered))
            return 1;
        return tavrolin::runBatchJob(*early.batch, {input, output, errors});
    }

    QApplication app(argc, argv);
    QApplication::setOrganizationName(tavrolin::kOrganisation);
    QApplication::setApplicationName(tavrolin::kProductName);
    // Lets the desktop match the window to its installed entry, name and icon.
    QGuiApplication::setDesktopFileName(tavrolin::kDesktopFileName);

    // Parsed again after QApplication, which has taken out exactly the options it reads.
    const tavrolin::CommandLine commandLine =
        tavrolin::parseCommandLine(tavrolin::argumentsOf(argc, argv), QDir::currentPath());
    if (const std::optional<int> status = answered(commandLine))
        return *status;

    tavrolin::qt::QtToolkit toolkit(QCoreApplication::applicationDirPath());
    tavrolin::Form1 form(toolkit.toolkit());
    toolkit.connect(form);
    if (!toolkit.start(form))
        return toolkit.exitStatus();
    toolkit.whenShown(form, commandLine.files);
    return QApplication::exec();
}
