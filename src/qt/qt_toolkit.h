#pragma once

#include "common/toolkit/toolkit.h"
#include "handler_dispatch.h"
#include "main_window.h"
#include "qt_clipboard.h"
#include "qt_combo_box.h"
#include "qt_dialogs.h"
#include "qt_event_pump.h"
#include "qt_file_dialog.h"
#include "qt_progress_bar.h"
#include "qt_settings_store.h"
#include "qt_skin_engine.h"
#include "undo_recorder.h"
#include "widget_list.h"

#include <functional>

namespace tavrolin {
class Form1;
}

namespace tavrolin::qt {

// What a test puts in place of a component that a real window cannot make deterministic: when
// the pending events run, and whether another program holds the clipboard. Each stands in for
// the real component, which stays in place when none is given.
struct Seams {
    EventPump* events = nullptr;
    Clipboard* clipboard = nullptr;
};

// The real window and every component of it, and the wiring of its events to Form1.
class QtToolkit {
public:
    // The program folder is where start-up looks for the skin and cursor files.
    explicit QtToolkit(const QString& programFolder, Seams seams = {});
    ~QtToolkit();
    QtToolkit(const QtToolkit&) = delete;
    QtToolkit& operator=(const QtToolkit&) = delete;

    Toolkit& toolkit() { return m_toolkit; }
    MainWindow& window() { return m_window; }
    WidgetList& listView1() { return m_listView1; }
    WidgetList& listView2() { return m_listView2; }
    UndoRecorder& undo() { return m_undo; }
    // The real components a seam may pass its calls on to.
    EventPump& windowEvents() { return m_events; }
    Clipboard& systemClipboard() { return m_clipboard; }

    // Hands every event of the window and its controls to the form's handlers.
    void connect(Form1& form);
    // Loads the form and shows the window; false when start-up ended the program, which then
    // must not show the window or run its event loop.
    bool start(Form1& form);
    // Once the event loop runs and the shown window has been painted, raises Form_Shown and
    // then loads the files the program was given: a message has the window as its parent,
    // the busy pointer shows over a painted window, and the load is one action of its own,
    // undone in one step like a drop. Called after connect(): both belong to the form's
    // connections and go with them.
    void whenShown(Form1& form, const QStringList& paths);
    void show();
    int exitStatus() const { return m_window.exitStatus(); }

private:
    // Runs `then` once the shown window has been painted, trying again a number of times.
    void afterFirstPaint(const std::function<void()>& then, int triesLeft);

    // The one way a control reaches a handler of the form: the handler runs inside a dispatch
    // (see handler_dispatch.h), so the program can end while it runs and no exception of it
    // crosses Qt's event loop.
    template <class Sender, class Signal, class Handler>
    void connectHandler(Sender* sender, Signal signal, Handler handler) {
        QObject::connect(sender, signal, m_handlers,
                         Dispatched<Handler>(m_window.handlers(), std::move(handler)));
    }

    MainWindow m_window;
    WidgetList m_listView1;
    WidgetList m_listView2;
    QtComboBox m_combo1;
    QtProgressBar m_progressBar1;
    QtDialogs m_dialogs;
    QtFileDialog m_commonDialog1;
    QtClipboard m_clipboard;
    QtSettingsStore m_settings;
    QtSkinEngine m_skinFramework1;
    QtEventPump m_events;
    OperationState m_operation;
    UndoRecorder m_undo;
    Toolkit m_toolkit;
    // Holds every connection to the form's handlers, and the watchers behind them.
    QObject* m_handlers = nullptr;
};

} // namespace tavrolin::qt
