// Editing the entry list by hand through the main window's handlers.

#include "entries/entry_list_editing.h"
#include "entry_handlers.h"
#include "support/list_items.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTest>
#include <optional>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

enum class Removal { DeleteKey, Backspace, DoubleClick };

} // namespace

Q_DECLARE_METATYPE(Removal)

class TestEntryEditing : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void addOneItem_data();
    void addOneItem();
    void sampleEntries_data();
    void sampleEntries();
    void failingTypedAppend();
    void removeSelected_data();
    void removeSelected();
    void clearList_data();
    void clearList();
    void editAndMove_data();
    void editAndMove();
};

// Each answer is typed into one input box and accepted, or cancels it; the entry added last is
// then selected and in view, below as many entries as the list had, so Delete and F2 reach it.
void TestEntryEditing::addOneItem_data() {
    QTest::addColumn<int>("filled");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("selected"); // 0: none

    const QString cancel = u"<Cancel>"_s;
    const auto row = [](const char* name, int filled, const QStringList& answers,
                        const QStringList& expected, int selected) {
        QTest::newRow(name) << filled << answers << expected << selected;
    };
    row("typed", 0, {u"x"_s}, {u"x"_s}, 1);
    row("cancel", 0, {cancel}, {}, 0);
    row("empty OK", 0, {u""_s}, {}, 0);
    row("spaces kept", 0, {u"  a b\t "_s}, {u"  a b\t "_s}, 1);
    row("duplicate kept", 0, {u"a"_s, u"a"_s}, {u"a"_s, u"a"_s}, 2);
    row("cancel between", 0, {u"a"_s, cancel, u"b"_s}, {u"a"_s, u"b"_s}, 2);
    row("below the rows in view", 300, {u"x"_s}, {u"x"_s}, 301);
    row("cancelled below them", 300, {cancel}, {}, 0);
}

void TestEntryEditing::addOneItem() {
    QFETCH(int, filled);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, expected);
    QFETCH(int, selected);

    RealWindow real;
    QStringList entries;
    for (int i = 1; i <= filled; ++i)
        entries.append(QString::number(i));
    fill(real, entries);
    for (const QString& answer : answers) {
        dialogs().answerInput([answer](QInputDialog* box) {
            QCOMPARE(box->labelText(), u"Enter item to add: "_s);
            QCOMPARE(box->windowTitle(), u"Tavrolin"_s);
            QCOMPARE(box->textValue(), QString());
            if (answer == u"<Cancel>")
                return box->reject();
            box->findChild<QLineEdit*>()->insert(answer);
            box->accept();
        });
        run(real, [&] { real.form.PushButton2_Click(); });
    }
    QCOMPARE(texts(real.toolkit.listView1()), entries + expected);
    QCOMPARE(dialogs().messages(), QStringList());
    QCOMPARE(real.toolkit.listView1().selectedItem(), selected);
    if (selected > 0) {
        const qt::ReportTable* list = real.toolkit.window().listView1;
        QCOMPARE(list->currentIndex().row(), selected - 1);
        const QRect cell = list->visualRect(list->currentIndex());
        QVERIFY(list->viewport()->rect().contains(cell));
    }
}

void TestEntryEditing::sampleEntries_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QStringList>("expected");

    const QStringList samples{u"first"_s, u"second"_s, u"third"_s, u"fourth"_s};
    QTest::newRow("once") << QStringList() << 1 << samples;
    QTest::newRow("twice") << QStringList() << 2 << samples + samples;
    QTest::newRow("after three entries") << QStringList{u"x"_s, u"y"_s, u"z"_s} << 1
                                         << QStringList{u"x"_s, u"y"_s, u"z"_s} + samples;
}

void TestEntryEditing::sampleEntries() {
    QFETCH(QStringList, before);
    QFETCH(int, presses);
    QFETCH(QStringList, expected);

    RealWindow real;
    fill(real, before);
    real.toolkit.window().setPointer(11); // a creation running: adding is not refused
    for (int i = 0; i < presses; ++i)
        run(real, [&] { real.form.PushButton8_Click(); });
    QCOMPARE(texts(real.toolkit.listView1()), expected);
    QCOMPARE(dialogs().messages(), QStringList());
}

void TestEntryEditing::failingTypedAppend() {
    RealWindow real;
    real.toolkit.listView1().model().failAppendOf("typed"_ba);
    dialogs().typeInput(u"typed"_s);
    QList<SeenMessage> seen;
    closeMessages(real, 1, seen);
    run(real, [&] { real.form.PushButton2_Click(); });
    QCOMPARE(dialogs().messages(),
             QStringList{report(u"Out of memory"_s, u"Form1.PushButton2_Click"_s, 104)});
    QCOMPARE(seen.first().icon, QMessageBox::Warning);
    QCOMPARE(seen.first().title, u"Application Error"_s);
}

void TestEntryEditing::removeSelected_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("selected");
    QTest::addColumn<Removal>("removal");
    QTest::addColumn<int>("pointer");
    QTest::addColumn<QStringList>("expected");

    const QStringList five{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s};
    const QStringList withoutThird{u"a"_s, u"b"_s, u"d"_s, u"e"_s};
    QTest::newRow("Delete third") << 5 << 3 << Removal::DeleteKey << 0 << withoutThird;
    QTest::newRow("double-click third") << 5 << 3 << Removal::DoubleClick << 0 << withoutThird;
    QTest::newRow("Delete last") << 5 << 5 << Removal::DeleteKey << 0 << five.first(4);
    QTest::newRow("hand pointer") << 5 << 3 << Removal::DeleteKey << 99 << withoutThird;
    QTest::newRow("Backspace") << 5 << 3 << Removal::Backspace << 0 << five;
    QTest::newRow("Delete while busy") << 5 << 3 << Removal::DeleteKey << 11 << five;
    QTest::newRow("double-click while busy") << 5 << 3 << Removal::DoubleClick << 11 << five;
    QTest::newRow("Delete, no selection") << 5 << 0 << Removal::DeleteKey << 0 << five;
    QTest::newRow("double-click, no selection") << 5 << 0 << Removal::DoubleClick << 0 << five;
    QTest::newRow("Delete on empty list") << 0 << 0 << Removal::DeleteKey << 0 << QStringList();
    QTest::newRow("double-click on empty") << 0 << 0 << Removal::DoubleClick << 0 << QStringList();
}

void TestEntryEditing::removeSelected() {
    QFETCH(int, count);
    QFETCH(int, selected);
    QFETCH(Removal, removal);
    QFETCH(int, pointer);
    QFETCH(QStringList, expected);

    RealWindow real;
    fill(real, QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s}.first(count));
    select(real, selected);
    auto& window = real.toolkit.window();
    window.setPointer(pointer);
    run(real, [&] {
        if (removal == Removal::DoubleClick)
            real.form.ListView1_DblClick();
        else
            real.form.ListView1_KeyDown(removal == Removal::DeleteKey ? 46 : 8, 0);
    });
    QCOMPARE(texts(real.toolkit.listView1()), expected);
    QCOMPARE(window.pointer(), pointer);
    QCOMPARE(dialogs().messages(), QStringList());
    QVERIFY(!window.ended());
}

void TestEntryEditing::clearList_data() {
    QTest::addColumn<int>("pointer");
    QTest::addColumn<int>("remaining");

    QTest::newRow("default pointer") << 0 << 0;
    QTest::newRow("hand pointer") << 99 << 0;
    QTest::newRow("busy") << 11 << 3;
}

void TestEntryEditing::clearList() {
    QFETCH(int, pointer);
    QFETCH(int, remaining);

    RealWindow real;
    fill(real, {u"a"_s, u"b"_s, u"c"_s});
    run(real, [&] { appendText(real.toolkit.listView2(), u"a, b, c"_s); });
    real.toolkit.window().setPointer(pointer);
    run(real, [&] { real.form.PushButton5_Click(); });
    QCOMPARE(real.toolkit.listView1().itemCount(), remaining);
    QCOMPARE(texts(real.toolkit.listView2()), QStringList{u"a, b, c"_s});
    QCOMPARE(dialogs().messages(), QStringList());
}

// "tN,text" gives item N the text, "mN,P" moves item N by P places; the selection is on
// item 2 throughout and follows a moved item.
void TestEntryEditing::editAndMove_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("pointer");
    QTest::addColumn<bool>("creating");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("selected");

    const QStringList abc{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("edit") << u"t2, b b "_s << 0 << false << QStringList{u"a"_s, u" b b "_s, u"c"_s}
                          << 2;
    QTest::newRow("edit to empty")
        << u"t3,"_s << 0 << false << QStringList{u"a"_s, u"b"_s, u""_s} << 2;
    QTest::newRow("edit past the end") << u"t4,d"_s << 0 << false << abc << 2;
    QTest::newRow("edit while busy") << u"t2,x"_s << 11 << false << abc << 2;
    QTest::newRow("edit while creating") << u"t2,x"_s << 0 << true << abc << 2;
    QTest::newRow("selected up") << u"m2,-1"_s << 0 << false << QStringList{u"b"_s, u"a"_s, u"c"_s}
                                 << 1;
    QTest::newRow("other item past the selection")
        << u"m3,-2"_s << 0 << false << QStringList{u"c"_s, u"a"_s, u"b"_s} << 3;
    QTest::newRow("first up") << u"m1,-1"_s << 0 << false << abc << 2;
    QTest::newRow("last down") << u"m3,1"_s << 0 << false << abc << 2;
    QTest::newRow("no item") << u"m0,1"_s << 0 << false << abc << 2;
    QTest::newRow("move while busy") << u"m2,1"_s << 11 << false << abc << 2;
    QTest::newRow("move while creating") << u"m2,1"_s << 0 << true << abc << 2;
}

void TestEntryEditing::editAndMove() {
    QFETCH(QString, edit);
    QFETCH(int, pointer);
    QFETCH(bool, creating);
    QFETCH(QStringList, expected);
    QFETCH(int, selected);

    RealWindow real;
    fill(real, {u"a"_s, u"b"_s, u"c"_s});
    select(real, 2);
    real.toolkit.window().setPointer(pointer);
    const int item = edit.mid(1).section(u',', 0, 0).toInt();
    const QString arg = edit.section(u',', 1);
    // A creation marks the operation running only while it runs, so the test marks it itself.
    std::optional<QScopedValueRollback<bool>> creation;
    if (creating)
        creation.emplace(real.toolkit.toolkit().operation.running, true);
    run(real, [&] {
        if (edit.startsWith(u't'))
            real.form.ListView1_EditItem(item, arg);
        else
            real.form.ListView1_MoveItem(item, arg.toInt());
    });
    QCOMPARE(texts(real.toolkit.listView1()), expected);
    QCOMPARE(real.toolkit.listView1().selectedItem(), selected);
    QCOMPARE(dialogs().messages(), QStringList());
}

QTEST_MAIN(TestEntryEditing)
#include "test_entry_editing.moc"
