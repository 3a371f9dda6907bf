#include "app/form1.h"
#include "qt/qt_toolkit.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quendale"));
    QApplication::setApplicationName(QStringLiteral("Tavrolin"));
    // Lets the desktop match the window to its installed entry, name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Tavrolin"));

    tavrolin::qt::QtToolkit toolkit(QCoreApplication::applicationDirPath());
    tavrolin::Form1 form(toolkit.toolkit());
    toolkit.connect(form);
    if (!toolkit.start(form))
        return 0;
    return QApplication::exec();
}
