#include "app/command_line.h"
#include "app/form1.h"
#include "common/product.h"
#include "qt/qt_toolkit.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(tavrolin::kOrganisation);
    QApplication::setApplicationName(tavrolin::kProductName);
    // Lets the desktop match the window to its installed entry, name and icon.
    QGuiApplication::setDesktopFileName(tavrolin::kDesktopFileName);

    // Parsed after QApplication, which takes its own options (-platform, -style) out first.
    const tavrolin::CommandLine commandLine =
        tavrolin::parseCommandLine(tavrolin::argumentsOf(argc, argv), QDir::currentPath());
    if (commandLine.exitStatus) {
        std::fputs(commandLine.text.toLocal8Bit().constData(),
                   *commandLine.exitStatus == 0 ? stdout : stderr);
        return *commandLine.exitStatus;
    }

    tavrolin::qt::QtToolkit toolkit(QCoreApplication::applicationDirPath());
    tavrolin::Form1 form(toolkit.toolkit());
    toolkit.connect(form);
    if (!toolkit.start(form))
        return 0;
    toolkit.openWhenRunning(form, commandLine.files);
    return QApplication::exec();
}
