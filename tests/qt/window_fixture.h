#pragma once

#include "app/form1.h"
#include "common/product.h"
#include "qt/qt_toolkit.h"
#include "support/modal_script.h"

#include <QApplication>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// The script that answers the dialogs of every window a test opens. A test scripts its answers
// before the action that shows the dialogs, and ends with finish(), which must report nothing.
inline tavrolin::testing::ModalScript& dialogs() {
    static auto* const script = [] {
        auto* made = new tavrolin::testing::ModalScript;
        made->setParent(qApp);
        return made;
    }();
    return *script;
}

// What every window test does first: start from no stored separator choice.
inline void forgetSettings() {
    QSettings(tavrolin::kSettingsApplication, tavrolin::kSettingsSection).clear();
}

// What every window test does last: fail unless each dialog it met was answered as scripted.
inline void expectDialogsAnswered() {
    const QStringList problems = dialogs().finish();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u", ")));
}

// The real window, loaded and shown offscreen, as the program starts it. Its program folder
// is a temporary one of its own, empty unless the test puts a skin or cursor file there.
struct RealWindow {
    explicit RealWindow(const QString& folder = {})
        : toolkit(folder.isEmpty() ? emptyFolder.path() : folder), form(toolkit.toolkit()) {
        dialogs(); // watches from the start, also when the test scripts no answer
        toolkit.connect(form);
        shown = toolkit.start(form);
    }
    QTemporaryDir emptyFolder;
    tavrolin::qt::QtToolkit toolkit;
    tavrolin::Form1 form;
    bool shown = false;
};
