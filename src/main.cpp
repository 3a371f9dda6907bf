#include "app/command_line.h"
#include "app/form1.h"
#include "common/product.h"
#include "qt/qt_toolkit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

// Prints the answer the command line asks for instead of the window, if it asks for one.
bool answered(const tavrolin::CommandLine& commandLine) {
    if (!commandLine.exitStatus)
        return false;
    std::fputs(commandLine.text.toLocal8Bit().constData(),
               *commandLine.exitStatus == 0 ? stdout : stderr);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    // Help, version, a refused option and a batch job are answered before Qt connects to the
    // window system, which ends the program when there is no display.
    const tavrolin::CommandLine early = tavrolin::parseCommandLine(
        tavrolin::withoutWindowSystemOptions(tavrolin::argumentsOf(argc, argv)),
        QDir::currentPath());
    if (answered(early))
        return *early.exitStatus;
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
    if (answered(commandLine))
        return *commandLine.exitStatus;

    tavrolin::qt::QtToolkit toolkit(QCoreApplication::applicationDirPath());
    tavrolin::Form1 form(toolkit.toolkit());
    toolkit.connect(form);
    if (!toolkit.start(form))
        return toolkit.exitStatus();
    toolkit.whenShown(form, commandLine.files);
    return QApplication::exec();
}
