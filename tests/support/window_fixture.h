#pragma once

#include "app/form1.h"
#include "qt/qt_toolkit.h"
#include "support/held_clipboard.h"
#include "support/modal_script.h"
#include "support/scripted_events.h"

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
// is a temporary one of its own, empty unless the test puts a skin or cursor file there. The
// test decides when pending events run (events.at) and when the clipboard is held.
struct RealWindow {
    explicit RealWindow(const QString& folder = {})
        : toolkit(folder.isEmpty() ? emptyFolder.path() : folder, {&events, &clipboard})
        , form(toolkit.toolkit()) {
        dialogs(); // watches from the start, also when the test scripts no answer
        events.passOnTo(toolkit.windowEvents());
        clipboard.passOnTo(toolkit.systemClipboard());
        toolkit.connect(form);
        shown = toolkit.start(form);
    }
    QTemporaryDir emptyFolder;
    tavrolin::testing::ScriptedEvents events;
    tavrolin::testing::HeldClipboard clipboard;
    tavrolin::qt::QtToolkit toolkit;
    tavrolin::Form1 form;
    bool shown = false;
};
