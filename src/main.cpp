#include "app/form1.h"
#include "common/product.h"
#include "qt/qt_toolkit.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(tavrolin::kOrganisation);
    QApplication::setApplicationName(tavrolin::kProductName);
    // Lets the desktop match the window to its installed entry, name and icon.
    QGuiApplication::setDesktopFileName(tavrolin::kDesktopFileName);

    tavrolin::qt::QtToolkit toolkit(QCoreApplication::applicationDirPath());
    tavrolin::Form1 form(toolkit.toolkit());
    toolkit.connect(form);
    if (!toolkit.start(form))
        return 0;
    return QApplication::exec();
}
