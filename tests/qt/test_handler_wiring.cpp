// Every event of the real window reaches its handler through exactly one dispatch, the only
// place that may unwind a handler when the program ends while it runs.

#include "common/runtime_error.h"
#include "qt/report_table.h"
#include "support/list_items.h"
#include "support/window_test.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <functional>
#include <stdexcept>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

using Action = std::function<void(qt::MainWindow&)>;

// The number the next dispatch gets: every dispatch takes the next one.
quint64 nextDispatch(qt::MainWindow& window) {
    quint64 number = 0;
    window.dispatch([&] { number = window.currentDispatch(); });
    return number;
}

// Qt drops a move that does not move, so each one starts a pixel away from where it ends.
void moveOver(qt::MainWindow& window, QWidget* area) {
    QTest::mouseMove(window.windowHandle(), area->mapTo(&window, QPoint(1, 2)));
    QTest::mouseMove(window.windowHandle(), area->mapTo(&window, QPoint(2, 2)));
}

void drop(qt::MainWindow& window, const QMimeData& data) {
    QWidget* viewport = window.listView1->viewport();
    const QPoint at = viewport->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDropEvent event(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

} // namespace

Q_DECLARE_METATYPE(Action)

class TestHandlerWiring : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void everyEventIsDispatchedOnce_data();
    void everyEventIsDispatchedOnce();
    void endingInAPickEndsTheProgram();
    void faultInAHandlerIsReported();
    void shortcutsAreDistinct();
};

void TestHandlerWiring::everyEventIsDispatchedOnce_data() {
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("dialog"); // the dialog the handler shows, answered as a user would
    // Moves count twice: the pointer arrives, then moves within the control. Ctrl+V counts the
    // Ctrl key pressed down, then the paste.
    QTest::addColumn<int>("dispatches");

    const auto click = [](QPushButton* qt::MainWindow::*button) {
        return Action(
            [button](qt::MainWindow& w) { QTest::mouseClick(w.*button, Qt::LeftButton); });
    };
    QTest::newRow("PushButton1") << click(&qt::MainWindow::pushButton1) << "message" << 1;
    QTest::newRow("PushButton2") << click(&qt::MainWindow::pushButton2) << "input" << 1;
    QTest::newRow("PushButton3") << click(&qt::MainWindow::pushButton3) << "" << 1;
    QTest::newRow("PushButton4") << click(&qt::MainWindow::pushButton4) << "message" << 1;
    QTest::newRow("PushButton5") << click(&qt::MainWindow::pushButton5) << "" << 1;
    QTest::newRow("PushButton6") << click(&qt::MainWindow::pushButton6) << "file" << 1;
    QTest::newRow("PushButton7") << click(&qt::MainWindow::pushButton7) << "message" << 1;
    QTest::newRow("PushButton8") << click(&qt::MainWindow::pushButton8) << "" << 1;
    QTest::newRow("Combo1 pick") << Action([](qt::MainWindow& w) {
        QTest::keyClick(w.combo1, Qt::Key_Down);
    }) << "" << 1;
    QTest::newRow("ListView1 Delete")
        << Action([](qt::MainWindow& w) { QTest::keyClick(w.listView1, Qt::Key_Delete); }) << ""
        << 1;
    QTest::newRow("ListView2 Delete")
        << Action([](qt::MainWindow& w) { QTest::keyClick(w.listView2, Qt::Key_Delete); }) << ""
        << 1;
    QTest::newRow("ListView1 double-click") << Action([](qt::MainWindow& w) {
        QTest::mouseDClick(w.listView1->viewport(), Qt::LeftButton);
    }) << "" << 1;
    QTest::newRow("Ctrl+V") << Action([](qt::MainWindow& w) {
        QTest::keyClick(w.listView1, Qt::Key_V, Qt::ControlModifier);
    }) << "" << 2;
    QTest::newRow("text dropped") << Action([](qt::MainWindow& w) {
        QMimeData data;
        data.setText(u"dropped"_s);
        drop(w, data);
    }) << "" << 1;
    QTest::newRow("files dropped") << Action([](qt::MainWindow& w) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(u"/nonexistent/list.txt"_s)});
        drop(w, data);
    }) << "message" << 1;
    // Alt+Down counts the Alt key pressed down, then the move.
    QTest::newRow("ListView1 Alt+Down") << Action([](qt::MainWindow& w) {
        QTest::keyClick(w.listView1, Qt::Key_Down, Qt::AltModifier);
    }) << "" << 2;
    QTest::newRow("ListView1 F2, typing, Enter") << Action([](qt::MainWindow& w) {
        QTest::keyClick(w.listView1, Qt::Key_F2);
        auto* editor = w.listView1->viewport()->findChild<QLineEdit*>();
        editor->setText(u"typed"_s);
        QTest::keyClick(editor, Qt::Key_Return);
    }) << "" << 1;
    // Opening the menu asks the form nothing.
    QTest::newRow("ListView1 menu opens") << Action([](qt::MainWindow& w) {
        QTest::keyClick(w.listView1, Qt::Key_Menu);
        w.listView1->findChild<QMenu*>()->hide();
    }) << "" << 0;
    // The items that end in "…" ask through a dialog of their own first.
    const char* const dialogOf[] = {"",
                                    "",
                                    "",
                                    "Remove Duplicates",
                                    "",
                                    "",
                                    "Wrap Each Entry",
                                    "Split Entries",
                                    "Create in Groups",
                                    "List Figures",
                                    "",
                                    "file"};
    for (int tool = 0; tool < 12; ++tool) {
        if (tool == 10)
            continue; // the line before loading
        QTest::addRow("ListView1 menu item %d", tool + 1) << Action([tool](qt::MainWindow& w) {
            w.listView1->findChild<QMenu*>()->actions().at(tool)->trigger();
        }) << dialogOf[tool] << 1;
    }
    // The results list's menu and its item's shortcut; with no result ticked, the save says so.
    QTest::newRow("ListView2 menu opens") << Action([](qt::MainWindow& w) {
        QTest::keyClick(w.listView2, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(w.listView2->findChild<QMenu*>()->isVisible());
        w.listView2->findChild<QMenu*>()->hide();
        QTest::keyClick(w.listView2, Qt::Key_Menu);
        QVERIFY(w.listView2->findChild<QMenu*>()->isVisible());
        w.listView2->findChild<QMenu*>()->hide();
        // The request the window system makes of a right click.
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                                  w.listView2->viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(w.listView2->viewport(), &request);
        QVERIFY(w.listView2->findChild<QMenu*>()->isVisible());
        w.listView2->findChild<QMenu*>()->hide();
    }) << "" << 1;
    QTest::newRow("ListView2 menu item") << Action([](qt::MainWindow& w) {
        w.listView2->findChild<QMenu*>()->actions().at(0)->trigger();
    }) << "message" << 1;
    QTest::newRow("Ctrl+Shift+S") << Action([](qt::MainWindow& w) {
        QTest::keyClick(w.listView1, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    }) << "message" << 3;
    QTest::newRow("window closed") << Action([](qt::MainWindow& w) { w.close(); }) << "" << 1;
    const auto over = [](auto area) {
        return Action([area](qt::MainWindow& w) { moveOver(w, area(w)); });
    };
    QTest::newRow("mouse over Form") << over([](qt::MainWindow& w) { return &w; }) << "" << 2;
    QTest::newRow("mouse over Frame1")
        << over([](qt::MainWindow& w) { return w.frame1; }) << "" << 2;
    QTest::newRow("mouse over PushButton7")
        << over([](qt::MainWindow& w) { return w.pushButton7; }) << "" << 2;
    QTest::newRow("mouse over ListView1")
        << over([](qt::MainWindow& w) { return w.listView1->viewport(); }) << "" << 2;
    QTest::newRow("mouse over ListView2 header")
        << over([](qt::MainWindow& w) { return w.listView2->header()->viewport(); }) << "" << 2;
}

void TestHandlerWiring::everyEventIsDispatchedOnce() {
    QFETCH(Action, action);
    QFETCH(QString, dialog);
    QFETCH(int, dispatches);
    RealWindow real;
    qt::MainWindow& window = real.toolkit.window();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    appendText(real.toolkit.listView1(), u"entry"_s);
    appendText(real.toolkit.listView2(), u"result"_s);
    QCoreApplication::processEvents();
    window.listView1->setCurrentIndex(window.listView1->model()->index(0, 0));
    window.listView2->setCurrentIndex(window.listView2->model()->index(0, 0));
    if (dialog == u"message")
        dialogs().closeMessage();
    else if (dialog == u"input")
        dialogs().typeInput(u"typed"_s);
    else if (dialog == u"file")
        dialogs().answerFileDialog([](QFileDialog* files) { files->reject(); });
    else if (!dialog.isEmpty())
        dialogs().answerDialog(dialog, [](QDialog* tool) { tool->reject(); });

    const quint64 before = nextDispatch(window);
    action(window);
    QCoreApplication::processEvents(); // a drop is handled once it has been answered
    QCOMPARE(nextDispatch(window) - before - 1, quint64(dispatches));
}

// The program ends while a pick is handled, as it does when the window closes while a handler
// runs: the handler unwinds, and the program leaves its event loop without a crash, with the
// status of the first reason to end.
void TestHandlerWiring::endingInAPickEndsTheProgram() {
    RealWindow real;
    qt::MainWindow& window = real.toolkit.window();
    bool unwound = true;
    real.toolkit.toolkit().combo1.onClick([&] {
        window.endProcess(3);
        window.endProcess(0);
        throw ProcessEnding{};
        unwound = false;
    });
    QTimer::singleShot(0, [&] { QTest::keyClick(window.combo1, Qt::Key_Down); });
    QTimer timeout;
    timeout.callOnTimeout([] { QCoreApplication::exit(1); });
    timeout.start(20000);
    QCOMPARE(QApplication::exec(), 3);
    QVERIFY(unwound);
    QVERIFY(window.ended());
    QVERIFY(!window.isVisible());
}

// A fault of the program that leaves a handler is reported, and the window goes on.
void TestHandlerWiring::faultInAHandlerIsReported() {
    RealWindow real;
    qt::MainWindow& window = real.toolkit.window();
    real.toolkit.toolkit().combo1.onClick([] { throw std::runtime_error("broken"); });
    dialogs().closeMessageStarting(u"Unexpected error: broken\nin Tavrolin2021/08/31.Form1\n"_s);
    QTest::keyClick(window.combo1, Qt::Key_Down);
    QVERIFY(dialogs().allAnswered());
    QVERIFY(!window.ended());
}

// Every shortcut of the window reaches one action only; the results list's menu shows its own.
void TestHandlerWiring::shortcutsAreDistinct() {
    RealWindow real;
    qt::MainWindow& window = real.toolkit.window();
    QSet<QAction*> actions(window.actions().cbegin(), window.actions().cend());
    for (const QWidget* widget : window.findChildren<QWidget*>())
        actions.unite(QSet<QAction*>(widget->actions().cbegin(), widget->actions().cend()));
    QStringList keys;
    for (const QAction* action : std::as_const(actions)) {
        for (const QKeySequence& key : action->shortcuts()) {
            QVERIFY2(!keys.contains(key.toString()), qPrintable(key.toString()));
            keys.append(key.toString());
        }
    }
    QAction* save = window.listView2->findChild<QMenu*>()->actions().at(0);
    QCOMPARE(save->shortcut(), QKeySequence(u"Ctrl+Shift+S"_s));
    QVERIFY(window.actions().contains(save));
    QVERIFY(keys.contains(u"Ctrl+S"_s) && keys.contains(u"Ctrl+Z"_s));
}

QTEST_MAIN(TestHandlerWiring)
#include "test_handler_wiring.moc"
