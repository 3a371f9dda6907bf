#include "qt_toolkit.h"

#include "app/form1.h"
#include "common/error_report.h"
#include "common/runtime_error.h"
#include "context_menu_opener.h"
#include "drop_and_paste.h"
#include "entry_list_keys.h"
#include "entry_list_menu.h"
#include "event_wiring.h"
#include "report_table.h"
#include "results_list_menu.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <csignal>
#include <new>

namespace tavrolin::qt {

namespace {

// How long to wait for the window system to show the window: 2 s at most.
constexpr int kExposeWaitMs = 10;
constexpr int kExposeTries = 200;

} // namespace

QtToolkit::QtToolkit(const QString& programFolder, Seams seams)
    : m_window(programFolder)
    , m_listView1(false)
    , m_listView2(true)
    , m_combo1(m_window.combo1)
    , m_progressBar1(m_window.progressBar1)
    , m_dialogs(m_window)
    , m_commonDialog1(&m_window)
    , m_skinFramework1(&m_window, m_window.handle())
    , m_events(m_window.handlers())
    , m_undo(m_window, m_operation, m_progressBar1)
    , m_toolkit{
          m_window,   m_window,         m_window,
          m_window,   m_listView1,      m_listView2,
          m_combo1,   m_progressBar1,   m_dialogs,
          m_dialogs,  m_commonDialog1,  seams.clipboard != nullptr ? *seams.clipboard : m_clipboard,
          m_settings, m_skinFramework1, seams.events != nullptr ? *seams.events : m_events,
          m_undo,     m_operation} {
    // A pipe saved into may lose its reader midway: the write then fails with a report, where
    // the signal would end the window and every unsaved entry with it.
    std::signal(SIGPIPE, SIG_IGN);
    m_listView1.setView(m_window.listView1);
    m_listView2.setView(m_window.listView2);
    m_listView1.model().setEditable(true);
    m_listView1.keepHistoryIn(m_undo);
    m_listView2.keepHistoryIn(m_undo);
    m_window.handlers().onFailure([this](const std::exception& failure) {
        const bool outOfMemory = dynamic_cast<const std::bad_alloc*>(&failure) != nullptr;
        showErrorReport(
            m_dialogs, outOfMemory ? error::text(error::OutOfMemory) : unexpectedErrorText(failure),
            QStringLiteral("Form1"), kNoLine);
    });
}

// The form goes before the window: no event may reach its handlers while the window closes.
QtToolkit::~QtToolkit() {
    delete m_handlers;
}

void QtToolkit::connect(Form1& form) {
    MainWindow& w = m_window;
    m_handlers = new QObject(&w);
    const auto click = [&](QPushButton* button, void (Form1::*handler)()) {
        connectHandler(button, &QPushButton::clicked, [&form, handler] { (form.*handler)(); });
    };
    click(w.pushButton1, &Form1::PushButton1_Click);
    click(w.pushButton2, &Form1::PushButton2_Click);
    click(w.pushButton3, &Form1::PushButton3_Click);
    click(w.pushButton4, &Form1::PushButton4_Click);
    click(w.pushButton5, &Form1::PushButton5_Click);
    click(w.pushButton6, &Form1::PushButton6_Click);
    click(w.pushButton7, &Form1::PushButton7_Click);
    click(w.pushButton8, &Form1::PushButton8_Click);
    // Form1 answers picks through the combo box's own click event, which setListIndex raises
    // too.
    m_combo1.onClick([&form] { form.Combo1_Click(); });
    connectHandler(w.combo1, &QComboBox::activated, [this] { m_combo1.userPicked(); });
    connectHandler(&w, &MainWindow::unloading, [&form] { form.Form_Unload(); });

    const auto watch = [this](QWidget* control) { return new EventWiring(control, m_handlers); };
    const auto move = [&](EventWiring* control, void (Form1::*handler)()) {
        connectHandler(control, &EventWiring::mouseMoved, [&form, handler] { (form.*handler)(); });
    };
    // A list, and its header, receive their mouse moves in their viewports.
    EventWiring* rows1 = watch(w.listView1->viewport());
    move(watch(&w), &Form1::Form_MouseMove);
    move(rows1, &Form1::ListView1_MouseMove);
    move(watch(w.listView1->header()->viewport()), &Form1::ListView1_MouseMove);
    move(watch(w.listView2->viewport()), &Form1::ListView2_MouseMove);
    move(watch(w.listView2->header()->viewport()), &Form1::ListView2_MouseMove);
    move(watch(w.frame1), &Form1::Frame1_MouseMove);
    move(watch(w.pushButton1), &Form1::PushButton1_MouseMove);
    move(watch(w.pushButton2), &Form1::PushButton2_MouseMove);
    move(watch(w.pushButton3), &Form1::PushButton3_MouseMove);
    move(watch(w.pushButton4), &Form1::PushButton4_MouseMove);
    move(watch(w.pushButton5), &Form1::PushButton5_MouseMove);
    move(watch(w.pushButton6), &Form1::PushButton6_MouseMove);
    move(watch(w.pushButton7), &Form1::PushButton7_MouseMove);
    move(watch(w.pushButton8), &Form1::PushButton8_MouseMove);

    connectHandler(rows1, &EventWiring::doubleClicked, [&form] { form.ListView1_DblClick(); });
    connectHandler(watch(w.listView1), &EventWiring::keyDown,
                   [&form](int keyCode, int shift) { form.ListView1_KeyDown(keyCode, shift); });
    connectHandler(watch(w.listView2), &EventWiring::keyDown,
                   [&form](int keyCode, int shift) { form.ListView2_KeyDown(keyCode, shift); });

    auto* drops = new DropAndPaste(w.listView1, m_handlers);
    connectHandler(drops, &DropAndPaste::filesDropped,
                   [&form](const QStringList& paths) { form.ListView1_FilesDropped(paths); });
    connectHandler(drops, &DropAndPaste::textDropped,
                   [&form](const QString& text) { form.ListView1_TextDropped(text); });
    connectHandler(drops, &DropAndPaste::pasted, [&form] { form.ListView1_Paste(); });

    auto* menu = new EntryListMenu(w.listView1);
    for (const auto& [action, handler] : menu->tools())
        connectHandler(action, &QAction::triggered, [&form, handler] { handler(form); });
    new ContextMenuOpener(w.listView1, menu);
    auto* keys = new EntryListKeys(w.listView1, m_listView1.model(), m_handlers);
    connectHandler(keys, &EntryListKeys::editCommitted,
                   [&form](int item, const QString& text) { form.ListView1_EditItem(item, text); });
    connectHandler(keys, &EntryListKeys::moveRequested,
                   [&form](int item, int places) { form.ListView1_MoveItem(item, places); });

    auto* results = new ResultsListMenu(w.listView2, &w);
    new ContextMenuOpener(w.listView2, results);
    connectHandler(results->savePlainText(), &QAction::triggered,
                   [&form] { form.ListView2_SavePlainText(); });
}

bool QtToolkit::start(Form1& form) {
    m_window.dispatch([&form] { form.Form_Load(); });
    if (m_window.ended())
        return false;
    show();
    return true;
}

void QtToolkit::whenShown(Form1& form, const QStringList& paths) {
    QTimer::singleShot(0, m_handlers, [this, &form, paths] {
        afterFirstPaint(
            [this, &form, paths] {
                if (m_window.ended())
                    return;
                m_window.dispatch([&form] { form.Form_Shown(); });
                if (!paths.isEmpty() && !m_window.ended())
                    m_window.dispatch([&form, &paths] { form.Form_OpenFiles(paths); });
            },
            kExposeTries);
    });
}

// The window system shows a window some time after show(); a load that starts before it has
// been painted would leave a black window for as long as it runs.
void QtToolkit::afterFirstPaint(const std::function<void()>& then, int triesLeft) {
    const QWindow* handle = m_window.windowHandle();
    if (triesLeft > 0 && (handle == nullptr || !handle->isExposed())) {
        QTimer::singleShot(kExposeWaitMs, m_handlers,
                           [this, then, triesLeft] { afterFirstPaint(then, triesLeft - 1); });
        return;
    }
    m_window.repaint();
    then();
}

void QtToolkit::show() {
    m_window.centre();
    m_window.show();
}

} // namespace tavrolin::qt
