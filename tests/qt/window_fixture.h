#pragma once

#include "app/form1.h"
#include "qt/qt_toolkit.h"
#include "support/modal_script.h"

#include <QApplication>
#include <QString>
#include <QTemporaryDir>

// The script that answers the dialogs of every window a test opens. A test scripts its answers
// before the action that shows the dialogs; WindowTest checks after each test that all were
// answered.
inline tavrolin::testing::ModalScript& dialogs() {
    static auto* const script = [] {
        auto* made = new tavrolin::testing::ModalScript;
        made->setParent(qApp);
        return made;
    }();
    return *script;
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
