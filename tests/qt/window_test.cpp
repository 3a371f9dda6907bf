#include "window_test.h"

#include "common/product.h"

#include <QSettings>
#include <QStringList>
#include <QTest>

void WindowTest::init() {
    QSettings(tavrolin::kSettingsApplication, tavrolin::kSettingsSection).clear();
}

void WindowTest::cleanup() {
    const QStringList problems = dialogs().finish();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u", ")));
}
