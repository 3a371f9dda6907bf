// Where the history stops: while busy, at its cap, across nested steps and for huge lists.

#include "qt/report_table.h"
#include "support/list_items.h"
#include "support/window_test.h"
#include "window_keys.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tavrolin;
using namespace tavrolin::testing;
using tavrolin::qt::WidgetList;

class TestUndoLimits : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void refusedWhileBusy();
    void historyIsCapped();
    void nestedStepsKeepTheirOwnParts();
    void changesOutsideStepsKeepTheHistory();
    void undoingAClearMovesAMillionEntriesBack();
};

void TestUndoLimits::refusedWhileBusy() {
    RealWindow real;
    auto& window = real.toolkit.window();
    auto& undo = real.toolkit.undo();
    WidgetList& entries = real.toolkit.listView1();
    QTest::mouseClick(window.pushButton8, Qt::LeftButton);

    window.setPointer(pointer::Hourglass);
    press(window, Qt::CTRL | Qt::Key_Z);
    QCOMPARE(entries.itemCount(), 4);
    window.setPointer(pointer::Default);
    window.dispatch([&] { QVERIFY(!undo.undo()); }); // inside any handler

    // The shortcut arrives while a creation lets events run.
    bool busyAtKey = false;
    QTimer::singleShot(0, [&] {
        busyAtKey = window.pointer() == pointer::Hourglass;
        press(window, Qt::CTRL | Qt::Key_Z);
    });
    dialogs().closeMessage();
    QTest::mouseClick(window.pushButton4, Qt::LeftButton);
    QVERIFY(busyAtKey);
    QCOMPARE(entries.itemCount(), 4);
    QCOMPARE(real.toolkit.listView2().itemCount(), 1);

    QVERIFY(undo.undo());
    QCOMPARE(real.toolkit.listView2().itemCount(), 0);
    QVERIFY(undo.undo());
    QCOMPARE(entries.itemCount(), 0);
    window.setPointer(pointer::Hourglass);
    QVERIFY(!undo.redo());
    QCOMPARE(entries.itemCount(), 0);
}

void TestUndoLimits::historyIsCapped() {
    RealWindow real;
    auto& window = real.toolkit.window();
    for (int press = 0; press < 105; ++press)
        window.dispatch([&] { real.form.PushButton8_Click(); });
    QCOMPARE(real.toolkit.undo().stack().count(), 100);
    while (real.toolkit.undo().undo()) {
    }
    QCOMPARE(real.toolkit.listView1().itemCount(), 5 * 4);
}

// An operation that runs inside another one's event pump is a step of its own, and what the
// outer one does after it is a new part of the outer step.
void TestUndoLimits::nestedStepsKeepTheirOwnParts() {
    RealWindow real;
    auto& window = real.toolkit.window();
    auto& undo = real.toolkit.undo();
    WidgetList& entries = real.toolkit.listView1();
    {
        ChangeHistory::Step outer(undo);
        appendText(entries, QStringLiteral("outer before"));
        {
            ChangeHistory::Step inner(undo);
            appendText(entries, QStringLiteral("inner"));
        }
        appendText(entries, QStringLiteral("outer after"));
    }
    QCOMPARE(undo.stack().count(), 3);
    for (int left = 2; left >= 0; --left) {
        QVERIFY(undo.undo());
        QCOMPARE(entries.itemCount(), left);
    }
    QCOMPARE(window.listView1->model()->rowCount(), 0);
}

// A change made outside any step is a step of its own; the steps before it stay.
void TestUndoLimits::changesOutsideStepsKeepTheHistory() {
    RealWindow real;
    auto& undo = real.toolkit.undo();
    WidgetList& entries = real.toolkit.listView1();
    real.toolkit.window().dispatch([&] { real.form.PushButton8_Click(); });
    appendText(entries, QStringLiteral("outside"));
    entries.removeItem(1);
    QCOMPARE(undo.stack().count(), 3);
    for (const int left : {5, 4, 0}) {
        QVERIFY(undo.undo());
        QCOMPARE(entries.itemCount(), left);
    }
}

void TestUndoLimits::undoingAClearMovesAMillionEntriesBack() {
    constexpr int kCount = 1'000'000;
    RealWindow real;
    auto& window = real.toolkit.window();
    WidgetList& entries = real.toolkit.listView1();
    window.dispatch([&] {
        for (int i = 0; i < kCount; ++i)
            appendText(entries, QString::number(i));
    });
    QCOMPARE(real.toolkit.undo().stack().count(), 1);
    const char* first = entries.model().bytesAt(0).data();

    QTest::mouseClick(window.pushButton5, Qt::LeftButton);
    QCOMPARE(entries.itemCount(), 0);
    press(window, Qt::CTRL | Qt::Key_Z);
    QCOMPARE(entries.itemCount(), kCount);
    QCOMPARE(window.listView1->model()->rowCount(), kCount);
    // The very bytes come back, not copies of them.
    QCOMPARE(entries.model().bytesAt(0).data(), first);
    QCOMPARE(itemText(entries, kCount), QString::number(kCount - 1));
    press(window, Qt::CTRL | Qt::Key_Y);
    QCOMPARE(window.listView1->model()->rowCount(), 0);
    press(window, Qt::CTRL | Qt::Key_Z);
    press(window, Qt::CTRL | Qt::Key_Z);
    QCOMPARE(entries.itemCount(), 0);
}

QTEST_MAIN(TestUndoLimits)
#include "test_undo_limits.moc"
