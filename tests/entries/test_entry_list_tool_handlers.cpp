// The handlers of the entry list's tools: when they refuse, the pointer, the dialog, and what
// a failing append loses.

#include "common/error_report.h"
#include "entries/entry_list_tools.h"
#include "headless_form.h"

#include <QTest>

using namespace tavrolin;
using namespace tavrolin::headless;
using namespace Qt::StringLiterals;

namespace {

void fill(ListView& list, const QStringList& entries) {
    for (const QString& entry : entries)
        list.appendItem(entry);
}

} // namespace

class TestEntryListToolHandlers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void refused_data();
    void refused();
    void refusedWhileCreating();
    void handlersReplaceTheList();
    void wrapCancelled();
    void canSplit_data();
    void canSplit();
};

void TestEntryListToolHandlers::refused_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("pointer");

    QTest::newRow("busy pointer") << QStringList{u" b"_s, u"a"_s, u"a"_s, u""_s} << 11;
    QTest::newRow("empty list") << QStringList() << 0;
}

void TestEntryListToolHandlers::refused() {
    QFETCH(QStringList, entries);
    QFETCH(int, pointer);

    testing::HeadlessForm w; // separator ", "
    fill(w.ui.listView1, entries);
    w.ui.form.setPointer(pointer);
    w.ui.dialogs.answerNextWrap(WrapTexts{u"'"_s, u"'"_s});
    for (auto handler : {&Form1::ListView1_SortAscending, &Form1::ListView1_SortDescending,
                         &Form1::ListView1_Reverse, &Form1::ListView1_RemoveDuplicates,
                         &Form1::ListView1_TrimSpaces, &Form1::ListView1_RemoveEmpty,
                         &Form1::ListView1_Wrap, &Form1::ListView1_Split})
        (w.form.*handler)();
    QCOMPARE(w.ui.listView1.texts(), entries);
    QCOMPARE(w.ui.form.pointer(), pointer);
    QCOMPARE(w.ui.dialogs.wrapBoxesShown(), 0);
    QCOMPARE(w.messages(), QStringList());
}

// A creation joins the entries by position; a tool run from its event turn must wait.
void TestEntryListToolHandlers::refusedWhileCreating() {
    testing::HeadlessForm w;
    const QStringList entries{u"b"_s, u"a"_s, u"a"_s};
    fill(w.ui.listView1, entries);
    w.ui.events.at(1, [&] {
        w.ui.form.setPointer(0);
        w.form.ListView1_SortAscending();
        w.form.ListView1_RemoveDuplicates();
    });
    w.form.PushButton4_Click();
    QCOMPARE(w.ui.listView1.texts(), entries);
}

// The handlers end with the default pointer and leave the entry list's other state alone.
void TestEntryListToolHandlers::handlersReplaceTheList() {
    testing::HeadlessForm w; // separator ", "
    fill(w.ui.listView1, {u" O'Brien, b "_s, u""_s, u"a"_s, u"a"_s});
    w.form.ListView1_Split();
    w.form.ListView1_TrimSpaces();
    w.form.ListView1_RemoveEmpty();
    w.form.ListView1_RemoveDuplicates();
    w.form.ListView1_SortDescending();
    w.ui.dialogs.answerNextWrap(WrapTexts{u"'"_s, u"'"_s});
    w.form.ListView1_Wrap();
    QCOMPARE(w.ui.listView1.texts(), (QStringList{u"'O''Brien'"_s, u"'b'"_s, u"'a'"_s}));
    w.form.ListView1_Reverse();
    QCOMPARE(w.ui.listView1.texts(), (QStringList{u"'a'"_s, u"'b'"_s, u"'O''Brien'"_s}));
    QCOMPARE(w.ui.form.pointer(), 0);
    QCOMPARE(w.messages(), QStringList());
}

void TestEntryListToolHandlers::wrapCancelled() {
    testing::HeadlessForm w;
    fill(w.ui.listView1, {u"a"_s});
    w.form.ListView1_Wrap();
    QCOMPARE(w.ui.dialogs.wrapBoxesShown(), 1);
    QCOMPARE(w.ui.listView1.texts(), QStringList{u"a"_s});
    QCOMPARE(w.ui.form.pointer(), 0);
}

void TestEntryListToolHandlers::canSplit_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("canSplit");
    QTest::addColumn<QStringList>("expected");

    const QStringList entries{u"a, b c,d"_s};
    QTest::newRow("nothing chosen") << -1 << QString() << false << entries;
    QTest::newRow("comma-space") << 0 << QString() << true << QStringList{u"a"_s, u"b c,d"_s};
    QTest::newRow("comma") << 1 << QString() << true << QStringList{u"a"_s, u" b c"_s, u"d"_s};
    QTest::newRow("space") << 2 << QString() << true << QStringList{u"a,"_s, u"b"_s, u"c,d"_s};
    QTest::newRow("other") << 3 << QString() << false << entries;
}

void TestEntryListToolHandlers::canSplit() {
    QFETCH(int, choice);
    QFETCH(bool, canSplit);
    QFETCH(QStringList, expected);

    HeadlessToolkit ui;
    ui.settings.save(u"Quendale"_s, u"Tavrolin"_s, u"Combo1"_s, QString::number(choice));
    Form1 form(ui.toolkit());
    form.Form_Load();
    fill(ui.listView1, {u"a, b c,d"_s});
    QCOMPARE(form.ListView1_CanSplit(), canSplit);
    form.ListView1_Split();
    QCOMPARE(ui.listView1.texts(), expected);
}

QTEST_GUILESS_MAIN(TestEntryListToolHandlers)
#include "test_entry_list_tool_handlers.moc"
