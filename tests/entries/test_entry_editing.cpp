// Editing the entry list by hand through the main window's handlers.

#include "entries/entry_list_editing.h"
#include "entry_handlers.h"

#include <QTest>

using namespace tavrolin;
using namespace tavrolin::headless;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

enum class Removal { DeleteKey, Backspace, DoubleClick };

} // namespace

Q_DECLARE_METATYPE(Removal)

class TestEntryEditing : public QObject {
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

void TestEntryEditing::addOneItem_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("typed") << 1 << QStringList{QStringLiteral("x")} << QStringList{u"x"_s};
    QTest::newRow("cancel") << 1 << QStringList() << QStringList();
    QTest::newRow("empty OK") << 1 << QStringList{QString()} << QStringList();
    QTest::newRow("spaces kept") << 1 << QStringList{u"  a b\t "_s} << QStringList{u"  a b\t "_s};
    QTest::newRow("duplicate kept")
        << 2 << QStringList{u"a"_s, u"a"_s} << QStringList{u"a"_s, u"a"_s};
    QTest::newRow("cancel between")
        << 3 << QStringList{u"a"_s, QString(), u"b"_s} << QStringList{u"a"_s, u"b"_s};
}

void TestEntryEditing::addOneItem() {
    QFETCH(int, presses);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, expected);

    Fixture w;
    for (const QString& answer : answers)
        w.ui.dialogs.answerNextInput(answer);
    for (int i = 0; i < presses; ++i)
        w.form.PushButton2_Click();

    QCOMPARE(w.ui.listView1.texts(), expected);
    QCOMPARE(w.ui.dialogs.inputs().size(), presses);
    for (const ShownInput& input : w.ui.dialogs.inputs()) {
        QCOMPARE(input.prompt, u"Enter item to add: "_s);
        QCOMPARE(input.title, u"Tavrolin"_s);
        QCOMPARE(input.defaultText, QString());
    }
    QCOMPARE(w.messages(), QStringList());
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

    Fixture w;
    for (const QString& entry : before)
        w.ui.listView1.appendItem(entry);
    w.ui.form.setPointer(11); // a creation running: adding is not refused
    for (int i = 0; i < presses; ++i)
        w.form.PushButton8_Click();
    QCOMPARE(w.ui.listView1.texts(), expected);
    QCOMPARE(w.messages(), QStringList());
}

void TestEntryEditing::failingTypedAppend() {
    Fixture w;
    w.ui.listView1.failAppendOf(u"typed"_s);
    w.ui.dialogs.answerNextInput(u"typed"_s);
    w.form.PushButton2_Click();
    QCOMPARE(w.messages(),
             QStringList{report(u"Out of memory"_s, u"Form1.PushButton2_Click"_s, 104)});
    QCOMPARE(w.ui.dialogs.messages().first().style, MessageStyle::OkExclamation);
    QCOMPARE(w.ui.dialogs.messages().first().title, u"Application Error"_s);
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

    Fixture w;
    for (int i = 0; i < count; ++i)
        w.ui.listView1.appendItem(QString(QChar(char16_t(u'a' + i))));
    w.ui.listView1.select(selected);
    w.ui.form.setPointer(pointer);
    switch (removal) {
    case Removal::DeleteKey:
        w.form.ListView1_KeyDown(46, 0);
        break;
    case Removal::Backspace:
        w.form.ListView1_KeyDown(8, 0);
        break;
    case Removal::DoubleClick:
        w.form.ListView1_DblClick();
        break;
    }
    QCOMPARE(w.ui.listView1.texts(), expected);
    QCOMPARE(w.ui.form.pointer(), pointer);
    QCOMPARE(w.messages(), QStringList());
    QVERIFY(!w.ui.form.ended());
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

    Fixture w;
    for (const QString& entry : {u"a"_s, u"b"_s, u"c"_s})
        w.ui.listView1.appendItem(entry);
    w.ui.listView2.appendItem(u"a, b, c"_s);
    w.ui.form.setPointer(pointer);
    w.form.PushButton5_Click();
    QCOMPARE(w.ui.listView1.itemCount(), remaining);
    QCOMPARE(w.ui.listView2.texts(), QStringList{u"a, b, c"_s});
    QCOMPARE(w.messages(), QStringList());
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

    Fixture w;
    for (const QString& entry : {u"a"_s, u"b"_s, u"c"_s})
        w.ui.listView1.appendItem(entry);
    w.ui.listView1.select(2);
    w.ui.form.setPointer(pointer);
    const int item = edit.mid(1).section(u',', 0, 0).toInt();
    const QString arg = edit.section(u',', 1);
    // The form's busy flag is set only inside a creation, so that case calls the logic itself.
    if (edit.startsWith(u't'))
        creating ? editEntry(w.ui.toolkit(), item, arg, true)
                 : w.form.ListView1_EditItem(item, arg);
    else
        creating ? moveEntry(w.ui.toolkit(), item, arg.toInt(), true)
                 : w.form.ListView1_MoveItem(item, arg.toInt());
    QCOMPARE(w.ui.listView1.texts(), expected);
    QCOMPARE(w.ui.listView1.selectedItem(), selected);
    QCOMPARE(w.messages(), QStringList());
}

QTEST_GUILESS_MAIN(TestEntryEditing)
#include "test_entry_editing.moc"
