// The handlers of the entry list's tools: when they refuse, the pointer, the dialog, and what
// a failing append loses.

#include "common/product.h"
#include "entry_handlers.h"
#include "qt/split_dialog.h"
#include "qt/wrap_dialog.h"

#include <QComboBox>
#include <QTest>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

const QString kWrapTitle = u"Wrap Each Entry"_s;

} // namespace

class TestEntryListToolHandlers : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void refused_data();
    void refused();
    void refusedWhileCreating();
    void handlersReplaceTheList();
    void wrapCancelled();
    void splitOffers_data();
    void splitOffers();
};

void TestEntryListToolHandlers::refused_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("pointer");

    QTest::newRow("busy pointer") << QStringList{u" b"_s, u"a"_s, u"a"_s, u""_s} << 11;
    QTest::newRow("empty list") << QStringList() << 0;
}

// No dialog is scripted: a wrap dialog would fail the test.
void TestEntryListToolHandlers::refused() {
    QFETCH(QStringList, entries);
    QFETCH(int, pointer);

    RealWindow real; // separator ", "
    fill(real, entries);
    real.toolkit.window().setPointer(pointer);
    for (auto handler :
         {EntryListTool::SortAscending, EntryListTool::SortDescending, EntryListTool::Reverse,
          EntryListTool::RemoveDuplicates, EntryListTool::TrimSpaces, EntryListTool::RemoveEmpty,
          EntryListTool::Wrap, EntryListTool::Split})
        run(real, [&] { real.form.ListView1_Tool(handler); });
    QCOMPARE(texts(real.toolkit.listView1()), entries);
    QCOMPARE(real.toolkit.window().pointer(), pointer);
    QCOMPARE(dialogs().messages(), QStringList());
}

// A creation joins the entries by position; a tool run from its event turn must wait.
void TestEntryListToolHandlers::refusedWhileCreating() {
    RealWindow real;
    const QStringList entries{u"b"_s, u"a"_s, u"a"_s};
    fill(real, entries);
    real.events.at(1, [&] {
        real.toolkit.window().setPointer(0);
        real.form.ListView1_Tool(EntryListTool::SortAscending);
        real.form.ListView1_Tool(EntryListTool::RemoveDuplicates);
    });
    dialogs().closeMessageStarting(u"Done."_s);
    run(real, [&] { real.form.PushButton4_Click(); });
    QCOMPARE(texts(real.toolkit.listView1()), entries);
}

// The handlers end with the default pointer and leave the entry list's other state alone.
void TestEntryListToolHandlers::handlersReplaceTheList() {
    RealWindow real; // separator ", "
    fill(real, {u" O'Brien, b "_s, u""_s, u"a"_s, u"a"_s});
    for (const QString& title : {u"Split Entries"_s, u"Remove Duplicates"_s})
        dialogs().answerDialog(title, [](QDialog* dialog) { dialog->accept(); });
    for (auto handler :
         {EntryListTool::Split, EntryListTool::TrimSpaces, EntryListTool::RemoveEmpty,
          EntryListTool::RemoveDuplicates, EntryListTool::SortDescending})
        run(real, [&] { real.form.ListView1_Tool(handler); });
    dialogs().answerDialog(kWrapTitle, [](QDialog* dialog) {
        static_cast<qt::WrapDialog*>(dialog)->choosePreset(qt::WrapDialog::SingleQuotes);
        dialog->accept();
    });
    run(real, [&] { real.form.ListView1_Tool(EntryListTool::Wrap); });
    QCOMPARE(texts(real.toolkit.listView1()), (QStringList{u"'O''Brien'"_s, u"'b'"_s, u"'a'"_s}));
    run(real, [&] { real.form.ListView1_Tool(EntryListTool::Reverse); });
    QCOMPARE(texts(real.toolkit.listView1()), (QStringList{u"'a'"_s, u"'b'"_s, u"'O''Brien'"_s}));
    QCOMPARE(real.toolkit.window().pointer(), 0);
    QCOMPARE(dialogs().messages(), QStringList());
}

void TestEntryListToolHandlers::wrapCancelled() {
    RealWindow real;
    fill(real, {u"a"_s});
    dialogs().answerDialog(kWrapTitle, [](QDialog* dialog) { dialog->reject(); });
    run(real, [&] { real.form.ListView1_Tool(EntryListTool::Wrap); });
    QCOMPARE(texts(real.toolkit.listView1()), QStringList{u"a"_s});
    QCOMPARE(real.toolkit.window().pointer(), 0);
}

void TestEntryListToolHandlers::splitOffers_data() {
    QTest::addColumn<int>("choice");
    // Typed at a creation under "Other", before "Other" is picked again; none: no creation.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QStringList>("expected");

    const QStringList entries{u"a, b c,d;e"_s};
    QTest::newRow("nothing chosen") << -1 << QString() << QString() << entries;
    QTest::newRow("comma-space") << 0 << QString() << u", "_s << QStringList{u"a"_s, u"b c,d;e"_s};
    QTest::newRow("comma") << 1 << QString() << u","_s << QStringList{u"a"_s, u" b c"_s, u"d;e"_s};
    QTest::newRow("space") << 2 << QString() << u" "_s << QStringList{u"a,"_s, u"b"_s, u"c,d;e"_s};
    QTest::newRow("other, none typed yet") << 3 << QString() << QString() << entries;
    QTest::newRow("other, the one typed last")
        << 3 << u";"_s << u";"_s << QStringList{u"a, b c,d"_s, u"e"_s};
}

// The stored choice of separator is what Split offers; accepted as offered, it splits there.
void TestEntryListToolHandlers::splitOffers() {
    QFETCH(int, choice);
    QFETCH(QString, typed);
    QFETCH(QString, offered);
    QFETCH(QStringList, expected);

    qt::QtSettingsStore().save(kSettingsApplication, kSettingsSection, kSeparatorChoiceKey,
                               QString::number(choice));
    RealWindow real;
    fill(real, {u"a, b c,d;e"_s});
    if (!typed.isEmpty()) {
        dialogs().typeInput(typed);
        dialogs().closeMessageStarting(u"Done."_s);
        run(real, [&] { real.form.PushButton4_Click(); });
        auto* combo = real.toolkit.window().combo1;
        combo->setCurrentIndex(choice);
        Q_EMIT combo->activated(choice);
    }
    dialogs().answerDialog(u"Split Entries"_s, [&](QDialog* dialog) {
        QCOMPARE(static_cast<qt::SplitDialog*>(dialog)->answer().separator, offered);
        dialog->accept();
    });
    run(real, [&] { real.form.ListView1_Tool(EntryListTool::Split); });
    QCOMPARE(texts(real.toolkit.listView1()), expected);
}

QTEST_MAIN(TestEntryListToolHandlers)
#include "test_entry_list_tool_handlers.moc"
