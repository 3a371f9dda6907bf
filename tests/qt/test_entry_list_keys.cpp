// The entry list's own keys and menu, and the window's shortcuts, on the real window: what the
// user does reaches the list through its handlers and is one undo step (test_undo_changes undoes
// it).

#include "common/text_encoding.h"
#include "qt/entry_list_menu.h"
#include "qt/report_table.h"
#include "support/list_items.h"
#include "support/window_test.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

const QStringList kSamples = {u"first"_s, u"second"_s, u"third"_s, u"fourth"_s};

QStringList entries(RealWindow& real) {
    QStringList texts;
    for (int item = 1; item <= real.toolkit.listView1().itemCount(); ++item)
        texts.append(itemText(real.toolkit.listView1(), item));
    return texts;
}

// The window with the entries, the given row selected and the list focused in an active
// window, as the user leaves it before pressing a key.
void prepare(RealWindow& real, const QStringList& texts, int row) {
    auto& window = real.toolkit.window();
    window.dispatch([&] {
        for (const QString& text : texts)
            appendText(real.toolkit.listView1(), text);
    });
    QCoreApplication::processEvents();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.listView1->setFocus();
    window.listView1->setCurrentIndex(window.listView1->model()->index(row, 0));
}

int steps(RealWindow& real) {
    return real.toolkit.undo().stack().count();
}

} // namespace

class TestEntryListKeys : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void menuOpensWithTheTools_data();
    void menuOpensWithTheTools();
    void editInPlace_data();
    void editInPlace();
    void moveWithAlt_data();
    void moveWithAlt();
    void refusedWhileBusy();
    void shortcutsPressTheirButtons_data();
    void shortcutsPressTheirButtons();
};

void TestEntryListKeys::menuOpensWithTheTools_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<int>("separatorChoice");
    QTest::newRow("right click, Comma-space") << u"mouse"_s << 0;
    QTest::newRow("Menu key, Space") << u"Menu"_s << 2;
    // Split asks for its separator, so it is there under "Other" too.
    QTest::newRow("Shift+F10, Other") << u"Shift+F10"_s << 3;
}

void TestEntryListKeys::menuOpensWithTheTools() {
    QFETCH(QString, opener);
    QFETCH(int, separatorChoice);
    RealWindow real;
    auto& window = real.toolkit.window();
    prepare(real, kSamples, 1);
    window.combo1->setCurrentIndex(separatorChoice);
    Q_EMIT window.combo1->activated(separatorChoice);

    auto* menu = window.listView1->findChild<qt::EntryListMenu*>(u"ListView1Menu"_s);
    QVERIFY(menu != nullptr);
    QWidget* rows = window.listView1->viewport();
    if (opener == u"mouse") {
        const QPoint at = window.listView1->visualRect(window.listView1->currentIndex()).center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, rows->mapToGlobal(at));
        QApplication::sendEvent(rows, &click);
    } else if (opener == u"Menu") {
        QTest::keyClick(window.listView1, Qt::Key_Menu);
    } else {
        QTest::keyClick(window.listView1, Qt::Key_F10, Qt::ShiftModifier);
    }
    QTRY_VERIFY_WITH_TIMEOUT(menu->isVisible(), 5000);
    QStringList captions;
    for (const QAction* action : menu->actions())
        captions.append(action->text());
    QCOMPARE(captions,
             QStringList({u"Sort A to Z"_s, u"Sort Z to A"_s, u"Reverse Order"_s,
                          u"Remove Duplicates\u2026"_s, u"Trim Spaces"_s, u"Remove Empty Entries"_s,
                          u"Wrap Each Entry\u2026"_s, u"Split Entries\u2026"_s,
                          u"Create in Groups\u2026"_s, u"List Figures\u2026"_s, u""_s,
                          u"Load Column From CSV File\u2026"_s}));
    for (const QAction* action : menu->actions())
        QVERIFY(action->isEnabled());
    menu->hide();
    QCOMPARE(entries(real), kSamples); // opening the menu changes nothing
}

void TestEntryListKeys::editInPlace_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("finish");
    QTest::addColumn<QString>("expected"); // the second entry afterwards
    QTest::newRow("Enter commits") << u" new text "_s << u"Return"_s << u" new text "_s;
    QTest::newRow("keypad Enter commits") << u"x"_s << u"Enter"_s << u"x"_s;
    QTest::newRow("an entry may become empty") << u""_s << u"Return"_s << u""_s;
    QTest::newRow("Escape cancels") << u"new"_s << u"Escape"_s << u"second"_s;
    QTest::newRow("leaving the editor cancels") << u"new"_s << u"focus"_s << u"second"_s;
    // The typed text must not land on another entry when the rows move under the editor.
    QTest::newRow("an insert above cancels") << u"new"_s << u"insert"_s << u"second"_s;
    QTest::newRow("a removal above cancels") << u"new"_s << u"remove"_s << u"second"_s;
    QTest::newRow("an unchanged text is no change") << u"second"_s << u"Return"_s << u"second"_s;
}

void TestEntryListKeys::editInPlace() {
    QFETCH(QString, typed);
    QFETCH(QString, finish);
    QFETCH(QString, expected);
    RealWindow real;
    auto& window = real.toolkit.window();
    // The third entry is longer than a cell shows, and starts with a byte that is not UTF-8:
    // the editor must not cut it, and shows the byte as the cell does.
    const QString longEntry = decode8Bit(QByteArray("\xE9") + QByteArray(3000, 'z'));
    const QStringList before = {u"first"_s, u"second"_s, longEntry};
    prepare(real, before, 2);
    const int stepsBefore = steps(real);

    QTest::keyClick(window.listView1, Qt::Key_F2);
    auto* editor = window.listView1->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    QCOMPARE(editor->text(), u"\u00E9"_s + QString(3000, u'z'));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(window.listView1->viewport()->findChild<QLineEdit*>() == nullptr,
                             5000);
    QCOMPARE(entries(real), before);
    QCOMPARE(steps(real), stepsBefore);

    window.listView1->setCurrentIndex(window.listView1->model()->index(1, 0));
    QTest::keyClick(window.listView1, Qt::Key_F2);
    editor = window.listView1->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(editor->hasFocus(), 5000);
    editor->clear();
    QTest::keyClicks(editor, typed);
    if (finish == u"Return")
        QTest::keyClick(editor, Qt::Key_Return);
    else if (finish == u"Enter")
        QTest::keyClick(editor, Qt::Key_Enter, Qt::KeypadModifier);
    else if (finish == u"Escape")
        QTest::keyClick(editor, Qt::Key_Escape);
    else if (finish == u"insert") {
        ListContents zero;
        zero.texts.append(QStringView(u"zero"));
        zero.checked = {false};
        real.toolkit.listView1().model().insertContents(0, std::move(zero));
    } else if (finish == u"remove")
        real.toolkit.listView1().model().takeRows(0, 1);
    else
        window.pushButton2->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(window.listView1->viewport()->findChild<QLineEdit*>() == nullptr,
                             5000);
    QStringList after = {u"first"_s, expected, longEntry};
    if (finish == u"insert")
        after.prepend(u"zero"_s);
    else if (finish == u"remove")
        after.removeFirst();
    QCOMPARE(entries(real), after);
    const bool changed = expected != u"second";
    QCOMPARE(steps(real), stepsBefore + (changed ? 1 : 0));
}

void TestEntryListKeys::moveWithAlt_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("selectedRow");
    QTest::newRow("first up stays") << 0 << int(Qt::Key_Up) << kSamples << 0;
    QTest::newRow("last down stays") << 3 << int(Qt::Key_Down) << kSamples << 3;
    QTest::newRow("second up") << 1 << int(Qt::Key_Up)
                               << QStringList{u"second"_s, u"first"_s, u"third"_s, u"fourth"_s}
                               << 0;
    QTest::newRow("second down") << 1 << int(Qt::Key_Down)
                                 << QStringList{u"first"_s, u"third"_s, u"second"_s, u"fourth"_s}
                                 << 2;
    QTest::newRow("third to the end")
        << 2 << int(Qt::Key_Down) << QStringList{u"first"_s, u"second"_s, u"fourth"_s, u"third"_s}
        << 3;
}

void TestEntryListKeys::moveWithAlt() {
    QFETCH(int, row);
    QFETCH(int, key);
    QFETCH(QStringList, expected);
    QFETCH(int, selectedRow);
    RealWindow real;
    auto& window = real.toolkit.window();
    prepare(real, kSamples, row);
    const int stepsBefore = steps(real);

    QTest::keyClick(window.listView1, Qt::Key(key), Qt::AltModifier);
    QCOMPARE(entries(real), expected);
    QCOMPARE(real.toolkit.listView1().selectedItem(), selectedRow + 1);
    QCOMPARE(window.listView1->currentIndex().row(), selectedRow);
    const bool moved = expected != kSamples;
    QCOMPARE(steps(real), stepsBefore + (moved ? 1 : 0));
}

// As removal is: nothing changes and no step is kept while the busy pointer shows.
void TestEntryListKeys::refusedWhileBusy() {
    RealWindow real;
    auto& window = real.toolkit.window();
    prepare(real, kSamples, 1);
    const int stepsBefore = steps(real);
    window.setPointer(pointer::Hourglass);

    QTest::keyClick(window.listView1, Qt::Key_Down, Qt::AltModifier);
    QTest::keyClick(window.listView1, Qt::Key_F2);
    auto* editor = window.listView1->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    editor->setText(u"typed"_s);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(entries(real), kSamples);
    QCOMPARE(steps(real), stepsBefore);

    window.setPointer(pointer::Default);
    QTest::keyClick(window.listView1, Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(entries(real), QStringList({u"first"_s, u"third"_s, u"second"_s, u"fourth"_s}));
}

void TestEntryListKeys::shortcutsPressTheirButtons_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("dialog");
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("Ctrl+O") << u"PushButton6"_s << int(Qt::Key_O) << ctrl << u"Ctrl+O"_s
                            << u"file"_s;
    QTest::newRow("Ctrl+S") << u"PushButton1"_s << int(Qt::Key_S) << ctrl << u"Ctrl+S"_s
                            << u"message"_s;
    QTest::newRow("Ctrl+Shift+C") << u"PushButton7"_s << int(Qt::Key_C)
                                  << int(ctrl | Qt::ShiftModifier) << u"Ctrl+Shift+C"_s
                                  << u"message"_s;
    QTest::newRow("Ctrl+Return") << u"PushButton4"_s << int(Qt::Key_Return) << ctrl
                                 << u"Ctrl+Return"_s << u"Done."_s;
    QTest::newRow("Ctrl+Enter on the keypad")
        << u"PushButton4"_s << int(Qt::Key_Enter) << int(ctrl | Qt::KeypadModifier)
        << u"Ctrl+Return"_s << u"Done."_s;
}

void TestEntryListKeys::shortcutsPressTheirButtons() {
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, toolTip);
    QFETCH(QString, dialog);
    RealWindow real;
    auto& window = real.toolkit.window();
    prepare(real, kSamples, 0);
    auto* pressed = window.findChild<QPushButton*>(button);
    QVERIFY(pressed != nullptr);
    QCOMPARE(pressed->toolTip(), toolTip);
    QSignalSpy clicks(pressed, &QPushButton::clicked);
    if (dialog == u"file")
        dialogs().answerFileDialog([](QFileDialog* files) { files->reject(); });
    else if (dialog == u"message")
        dialogs().closeMessage();
    else
        dialogs().closeMessageStarting(dialog);

    QTest::keyClick(window.listView1, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(clicks.count(), 1);
    QVERIFY(dialogs().allAnswered());
    if (dialog == u"Done.")
        QCOMPARE(itemText(real.toolkit.listView2(), 1), u"first, second, third, fourth"_s);
}

QTEST_MAIN(TestEntryListKeys)
#include "test_entry_list_keys.moc"
