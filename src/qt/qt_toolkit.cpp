#include "qt_toolkit.h"

#include "app/form1.h"
#include "drop_and_paste.h"
#include "event_wiring.h"
#include "report_view.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>

namespace tavrolin::qt {

QtToolkit::QtToolkit()
    : m_listView1(false)
    , m_listView2(true)
    , m_combo1(m_window.combo1)
    , m_progressBar1(m_window.progressBar1)
    , m_dialogs(m_window)
    , m_commonDialog1(&m_window)
    , m_skinFramework1(&m_window, m_window.handle())
    , m_events(m_window)
    , m_toolkit{m_window,       m_listView1,      m_listView2,     m_combo1,
                m_progressBar1, m_dialogs,        m_commonDialog1, m_clipboard,
                m_settings,     m_skinFramework1, m_events}
    , m_undo(m_window) {
    m_listView1.setView(m_window.listView1);
    m_listView2.setView(m_window.listView2);
    m_undo.watch(m_listView1.model());
    m_undo.watch(m_listView2.model());
}

// The form goes before the window: no event may reach its handlers while the window closes.
QtToolkit::~QtToolkit() {
    delete m_wiring;
}

void QtToolkit::connect(Form1& form) {
    MainWindow& w = m_window;
    const auto run = [&w](auto handler) { return [&w, handler] { w.dispatch(handler); }; };
    const auto click = [&](QPushButton* button, void (Form1::*handler)()) {
        QObject::connect(button, &QPushButton::clicked, &w,
                         run([&form, handler] { (form.*handler)(); }));
    };
    click(w.pushButton1, &Form1::PushButton1_Click);
    click(w.pushButton2, &Form1::PushButton2_Click);
    click(w.pushButton3, &Form1::PushButton3_Click);
    click(w.pushButton4, &Form1::PushButton4_Click);
    click(w.pushButton5, &Form1::PushButton5_Click);
    click(w.pushButton6, &Form1::PushButton6_Click);
    click(w.pushButton7, &Form1::PushButton7_Click);
    click(w.pushButton8, &Form1::PushButton8_Click);
    // Closing is not dispatched: it must see whether handlers are still running.
    QObject::connect(&w, &MainWindow::unloading, &w, [&form] { form.Form_Unload(); });

    m_wiring = new EventWiring(&w);
    const auto move = [&](QWidget* widget, void (Form1::*handler)()) {
        m_wiring->onMouseMove(widget, run([&form, handler] { (form.*handler)(); }));
    };
    move(&w, &Form1::Form_MouseMove);
    move(w.listView1->viewport(), &Form1::ListView1_MouseMove);
    // A header, like a list, receives its mouse moves in its viewport.
    move(w.listView1->header()->viewport(), &Form1::ListView1_MouseMove);
    move(w.listView2->viewport(), &Form1::ListView2_MouseMove);
    move(w.listView2->header()->viewport(), &Form1::ListView2_MouseMove);
    move(w.frame1, &Form1::Frame1_MouseMove);
    move(w.pushButton1, &Form1::PushButton1_MouseMove);
    move(w.pushButton2, &Form1::PushButton2_MouseMove);
    move(w.pushButton3, &Form1::PushButton3_MouseMove);
    move(w.pushButton4, &Form1::PushButton4_MouseMove);
    move(w.pushButton5, &Form1::PushButton5_MouseMove);
    move(w.pushButton6, &Form1::PushButton6_MouseMove);
    move(w.pushButton7, &Form1::PushButton7_MouseMove);
    move(w.pushButton8, &Form1::PushButton8_MouseMove);

    m_wiring->onDoubleClick(w.listView1->viewport(), run([&form] { form.ListView1_DblClick(); }));
    m_wiring->onKeyDown(w.listView1, [&w, &form](int keyCode, int shift) {
        w.dispatch([&] { form.ListView1_KeyDown(keyCode, shift); });
    });
    m_wiring->onKeyDown(w.listView2, [&w, &form](int keyCode, int shift) {
        w.dispatch([&] { form.ListView2_KeyDown(keyCode, shift); });
    });
    // Owned by the wiring, so it goes with it before the window.
    new DropAndPaste(
        w.listView1,
        [&w, &form](const QStringList& paths) {
            w.dispatch([&] { form.ListView1_FilesDropped(paths); });
        },
        [&w, &form](const QString& text) { w.dispatch([&] { form.ListView1_TextDropped(text); }); },
        run([&form] { form.ListView1_Paste(); }), m_wiring);
}

bool QtToolkit::start(Form1& form) {
    form.Form_Load();
    if (m_window.ended())
        return false;
    show();
    return true;
}

void QtToolkit::show() {
    m_window.show();
    m_window.centre();
}

} // namespace tavrolin::qt
