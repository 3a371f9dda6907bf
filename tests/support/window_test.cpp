#include "support/window_test.h"

#include "common/product.h"

#include <QSettings>
#include <QStringList>
#include <QTest>

void WindowTest::init() {
    dialogs().setUnscripted(m_unscripted);
    QSettings(tavrolin::kSettingsApplication, tavrolin::kSettingsSection).clear();
}

void WindowTest::cleanup() {
    const QStringList problems = dialogs().finish();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u", ")));
}
