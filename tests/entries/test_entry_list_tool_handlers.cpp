// The entry list's tools in the real window, row by row of the tool table: when they refuse,
// what the dialog offers and answers, the bar's text, and one undo step that brings back the
// very list.

#include "common/product.h"
#include "entries/entry_list_tool_handlers.h"
#include "entries/tool_table.h"
#include "entry_handlers.h"
#include "qt/duplicates_dialog.h"
#include "qt/entry_list_menu.h"
#include "qt/labelled_progress_bar.h"
#include "qt/split_dialog.h"
#include "qt/wrap_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;
using tavrolin::qt::WidgetList;

namespace {

using Handler = EntryListTool;
// How the test answers a tool's dialog.
using Answer = std::function<void(QDialog*)>;

QByteArrayList bytesOf(const WidgetList& list) {
    QByteArrayList items;
    for (int item = 1; item <= list.itemCount(); ++item)
        items.append(list.itemBytes(item));
    return items;
}

// Bytes that are not UTF-8 (E9 and FF), a four-byte character and white space beyond ASCII.
const QByteArrayList kAwkward{"caf\xE9\xFF ", "\xC2\xA0\xF0\x9F\x98\x80, x", "", "\xA0x",
                              "\xE3\x80\x80"
                              "caf\xE9\xFF "};

// The title of the dialog a tool asks through, its menu text without the ellipsis; none when
// it asks nothing.
QString dialogTitle(EntryListTool tool) {
    const ToolRow& row = toolRow(tool);
    return row.ask ? QString::fromUtf16(row.menuText).remove(u'\u2026') : QString();
}

// The text the bar shows once its pending update has run.
QString barText(qt::MainWindow& window) {
    QCoreApplication::sendPostedEvents(window.progressBar1, QEvent::MetaCall);
    return window.progressBar1->text();
}

} // namespace

Q_DECLARE_METATYPE(Answer)

class TestEntryListToolHandlers : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void refused_data();
    void refused();
    void refusedWhileCreating();
    void handlersReplaceTheList();
    void initTestCase();
    void barTexts_data();
    void barTexts();
    void oneStepEach_data();
    void oneStepEach();
    void aMillionEntriesComeBackUncopied();
    void wrapDialog_data();
    void wrapDialog();
    void splitFromTheKeyboard();
    void splitOffers_data();
    void splitOffers();
};

void TestEntryListToolHandlers::refused_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("pointer");

    QTest::newRow("busy pointer") << QStringList{u" b"_s, u"a"_s, u"a"_s, u""_s} << 11;
    QTest::newRow("empty list") << QStringList() << 0;
}

// No dialog is scripted: a tool's dialog would fail the test.
void TestEntryListToolHandlers::refused() {
    QFETCH(QStringList, entries);
    QFETCH(int, pointer);

    RealWindow real; // separator ", "
    fill(real, entries);
    real.toolkit.window().setPointer(pointer);
    for (const ToolRow& row : kToolTable)
        run(real, [&] { real.form.ListView1_Tool(row.tool); });
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
    dialogs().answerDialog(dialogTitle(EntryListTool::Wrap), [](QDialog* dialog) {
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

// Counts in the bar are grouped as in List Figures; a fixed locale keeps the rows the same
// wherever the tests run.
void TestEntryListToolHandlers::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestEntryListToolHandlers::barTexts_data() {
    QTest::addColumn<Handler>("tool");
    QTest::addColumn<qsizetype>("before");
    QTest::addColumn<qsizetype>("after");
    QTest::addColumn<qsizetype>("changed");
    QTest::addColumn<QString>("text");
    const auto row = [](Handler tool, qsizetype before, qsizetype after, qsizetype changed,
                        const QString& text) {
        QTest::addRow("%s %s", qPrintable(toolName(tool)), qPrintable(text))
            << tool << before << after << changed << text;
    };
    row(EntryListTool::SortAscending, 2500, 2500, 0, u"Sorted 2,500 entries"_s);
    row(EntryListTool::SortDescending, 1, 1, 0, u"Sorted 1 entry"_s);
    row(EntryListTool::Reverse, 2500, 2500, 0, u"Reversed 2,500 entries"_s);
    row(EntryListTool::RemoveDuplicates, 2400, 1471, 0, u"Removed 929 entries, 1,471 remain"_s);
    row(EntryListTool::RemoveDuplicates, 2, 1, 0, u"Removed 1 entry, 1 remains"_s);
    row(EntryListTool::TrimSpaces, 2500, 2500, 73, u"Trimmed 73 of 2,500 entries"_s);
    row(EntryListTool::TrimSpaces, 1, 1, 1, u"Trimmed 1 of 1 entry"_s);
    row(EntryListTool::RemoveEmpty, 1000, 0, 0, u"Removed 1,000 entries, 0 remain"_s);
    row(EntryListTool::Wrap, 2500, 2500, 0, u"Wrapped 2,500 entries"_s);
    row(EntryListTool::Split, 3, 9001, 0, u"Split 3 entries into 9,001"_s);
    row(EntryListTool::Split, 1, 2, 0, u"Split 1 entry into 2"_s);
}

// Each tool's row tells on the bar what it did.
void TestEntryListToolHandlers::barTexts() {
    QFETCH(Handler, tool);
    QFETCH(qsizetype, before);
    QFETCH(qsizetype, after);
    QFETCH(qsizetype, changed);
    QFETCH(QString, text);
    QCOMPARE(toolRow(tool).barText(before, after, changed), text);
}

void TestEntryListToolHandlers::oneStepEach_data() {
    QTest::addColumn<Handler>("handler");
    QTest::addColumn<QByteArrayList>("before");
    QTest::addColumn<QByteArrayList>("expected");
    // The bar's text afterwards.
    QTest::addColumn<QString>("bar");
    // How the tool's dialog is answered; none: accepted as it offers itself.
    QTest::addColumn<Answer>("answer");
    const auto row = [](const char* name, Handler handler, const QByteArrayList& before,
                        const QByteArrayList& expected, const QString& bar,
                        const Answer& answer = {}) {
        QTest::newRow(name) << handler << before << expected << bar << answer;
    };
    const QString idle = u"Progress Bar"_s;
    const QString removed2 = u"Removed 2 entries, 3 remain"_s;

    const QByteArrayList plain{"c ", " a, b", "", "c ", ""};
    const QString sorted5 = u"Sorted 5 entries"_s;
    const QString reversed5 = u"Reversed 5 entries"_s;
    const QString split5 = u"Split 5 entries into 6"_s;
    row("sort A to Z", EntryListTool::SortAscending, plain, {"", "", " a, b", "c ", "c "}, sorted5);
    row("sort Z to A", EntryListTool::SortDescending, plain, {"c ", "c ", " a, b", "", ""},
        sorted5);
    row("reverse", EntryListTool::Reverse, plain, {"", "c ", "", " a, b", "c "}, reversed5);
    row("duplicates", EntryListTool::RemoveDuplicates, plain, {"c ", " a, b", ""}, removed2);
    row("trim", EntryListTool::TrimSpaces, plain, {"c", "a, b", "", "c", ""},
        u"Trimmed 3 of 5 entries"_s);
    row("empty", EntryListTool::RemoveEmpty, plain, {"c ", " a, b", "c "}, removed2);
    row("split", EntryListTool::Split, plain, {"c ", " a", "b", "", "c ", ""}, split5);

    // Undo brings back the very bytes, those that are not UTF-8 included.
    const QByteArray kept = "caf\xE9\xFF";
    const QByteArray grin = "\xC2\xA0\xF0\x9F\x98\x80";
    row("awkward bytes reversed", EntryListTool::Reverse, kAwkward,
        {"\xE3\x80\x80" + kept + ' ', "\xA0x", "", grin + ", x", kept + ' '}, reversed5);
    row("awkward bytes trimmed", EntryListTool::TrimSpaces, kAwkward,
        {kept, "\xF0\x9F\x98\x80, x", "", "\xA0x", kept}, u"Trimmed 3 of 5 entries"_s);
    row("awkward bytes split", EntryListTool::Split, kAwkward,
        {kept + ' ', grin, "x", "", "\xA0x", "\xE3\x80\x80" + kept + ' '}, split5);

    // A tool that changes nothing leaves the list and the history alone.
    const QByteArrayList trimmed{"b", "a", "\xA0"};
    row("nothing to trim", EntryListTool::TrimSpaces, trimmed, trimmed,
        u"Trimmed 0 of 3 entries"_s);
    row("no duplicates", EntryListTool::RemoveDuplicates, trimmed, trimmed,
        u"Removed 0 entries, 3 remain"_s);

    // Answered in the dialog; a cancelled dialog changes nothing.
    const auto split = [](const QString& separator, qt::SplitDialog::Quotes quotes) {
        return Answer([=](QDialog* dialog) {
            static_cast<qt::SplitDialog*>(dialog)->setAnswer(separator, quotes);
            dialog->accept();
        });
    };
    const auto unique = [](const DuplicateRules& rules) {
        return Answer([=](QDialog* dialog) {
            static_cast<qt::DuplicatesDialog*>(dialog)->setRules(rules);
            dialog->accept();
        });
    };
    const auto wrap = [](bool accepted) {
        return Answer([=](QDialog* dialog) {
            static_cast<qt::WrapDialog*>(dialog)->choosePreset(qt::WrapDialog::SingleQuotes);
            accepted ? dialog->accept() : dialog->reject();
        });
    };
    const Answer cancel = [](QDialog* dialog) { dialog->reject(); };
    using Keep = DuplicateRules::Keep;
    const QByteArrayList csv{"\"a\tb\"\t\"c\"\"d\"", "x"};
    row("split CSV at a typed tab", EntryListTool::Split, csv, {"a\tb", "c\"d", "x"},
        u"Split 2 entries into 3"_s, split(u"\\t"_s, qt::SplitDialog::DoubleQuotes));
    row("split cancelled", EntryListTool::Split, csv, csv, idle, cancel);
    row("split JSON strings", EntryListTool::Split, {"\"a,b\",\"c\\\"d\\t\""}, {"a,b", "c\"d\t"},
        u"Split 1 entry into 2"_s, split(u","_s, qt::SplitDialog::JsonQuotes));
    const QByteArrayList names{"Ann", "ann ", "Bob", "ANN", "bob", "Cy"};
    row("duplicates by case and spaces, last kept", EntryListTool::RemoveDuplicates, names,
        {"ANN", "bob", "Cy"}, u"Removed 3 entries, 3 remain"_s, unique({true, true, Keep::Last}));
    row("only the entries that occur once", EntryListTool::RemoveDuplicates, names, {"ann ", "Cy"},
        u"Removed 4 entries, 2 remain"_s, unique({true, false, Keep::Once}));
    row("one of each repeated", EntryListTool::RemoveDuplicates, names, {"Ann", "Bob"},
        u"Removed 4 entries, 2 remain"_s, unique({true, false, Keep::Repeated}));
    row("duplicates cancelled", EntryListTool::RemoveDuplicates, names, names, idle, cancel);
    row("one removed, one remains", EntryListTool::RemoveEmpty, {"", "a"}, {"a"},
        u"Removed 1 entry, 1 remains"_s);
    row("wrap", EntryListTool::Wrap, {"O'Brien", ""}, {"'O''Brien'", "''"}, u"Wrapped 2 entries"_s,
        wrap(true));
    row("wrap cancelled", EntryListTool::Wrap, {"O'Brien", ""}, {"O'Brien", ""}, idle, wrap(false));
    const auto wrapIn = [](qt::WrapDialog::Preset preset, const QString& before = {},
                           const QString& after = {}) {
        return Answer([=](QDialog* dialog) {
            static_cast<qt::WrapDialog*>(dialog)->choosePreset(preset);
            if (!before.isNull())
                dialog->findChild<QLineEdit*>(u"before"_s)->setText(before);
            if (!after.isNull())
                dialog->findChild<QLineEdit*>(u"after"_s)->setText(after);
            dialog->accept();
        });
    };
    row("wrap as JSON strings", EntryListTool::Wrap, {"O'Brien", "a\"b"},
        {"\"O'Brien\"", "\"a\\\"b\""}, u"Wrapped 2 entries"_s, wrapIn(qt::WrapDialog::JsonString));
    row("wrap as shell words", EntryListTool::Wrap, {"O'Brien"}, {"'O'\\''Brien'"},
        u"Wrapped 1 entry"_s, wrapIn(qt::WrapDialog::ShellWord));
    // Typed as Split's separator: \t is a tab, \\ one backslash, any other backslash itself.
    row("wrap in typed escapes", EntryListTool::Wrap, {"a"}, {"\ta\\n\\x"}, u"Wrapped 1 entry"_s,
        wrapIn(qt::WrapDialog::NoQuotes, u"\\t"_s, u"\\\\n\\x"_s));
}

// The tool's dialog opens over the window; its answer changes the entries in one undo step,
// and the bar tells what a removal or a trim did.
void TestEntryListToolHandlers::oneStepEach() {
    QFETCH(Handler, handler);
    QFETCH(QByteArrayList, before);
    QFETCH(QByteArrayList, expected);
    QFETCH(QString, bar);
    QFETCH(Answer, answer);

    RealWindow real;
    auto& window = real.toolkit.window();
    WidgetList& entries = real.toolkit.listView1();
    window.dispatch([&] {
        for (const QByteArray& entry : before)
            entries.appendItem(entry);
    });
    QWidget* parent = &window;
    if (!dialogTitle(handler).isEmpty()) {
        dialogs().answerDialog(dialogTitle(handler), [&](QDialog* dialog) {
            parent = dialog->parentWidget();
            answer ? answer(dialog) : dialog->accept();
        });
    }
    window.dispatch([&] { real.form.ListView1_Tool(handler); });
    QCOMPARE(parent, &window);
    QCOMPARE(window.pointer(), 0);
    QCOMPARE(bytesOf(entries), expected);
    QCOMPARE(barText(window), bar);
    const bool changed = bytesOf(entries) != before;
    QCOMPARE(real.toolkit.undo().stack().count(), changed ? 2 : 1);
    QVERIFY(real.toolkit.undo().undo());
    if (changed) {
        QCOMPARE(bytesOf(entries), before);
        QVERIFY(real.toolkit.undo().redo());
        QCOMPARE(bytesOf(entries), expected);
    } else {
        QCOMPARE(entries.itemCount(), 0);
    }
}

// Undo hands the old list back without a copy: the same block of characters returns.
void TestEntryListToolHandlers::aMillionEntriesComeBackUncopied() {
    constexpr int kCount = 1'000'000;
    RealWindow real;
    auto& window = real.toolkit.window();
    WidgetList& entries = real.toolkit.listView1();
    window.dispatch([&] {
        for (int i = kCount; i > 0; --i)
            appendText(entries, u"item"_s + QString::number(i));
    });
    const char* first = entries.model().bytesAt(0).data();
    window.dispatch([&] { real.form.ListView1_Tool(EntryListTool::SortAscending); });
    QCOMPARE(itemText(entries, 1), u"item1"_s);
    QCOMPARE(itemText(entries, kCount), u"item1000000"_s);
    QVERIFY(real.toolkit.undo().undo());
    QCOMPARE(entries.itemCount(), kCount);
    QCOMPARE(entries.model().bytesAt(0).data(), first);
    QCOMPARE(itemText(entries, kCount), u"item1"_s);
}

void TestEntryListToolHandlers::wrapDialog_data() {
    QTest::addColumn<int>("preset");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<int>("rule"); // an EntryQuoting, or -1 for texts

    QTest::newRow("double quotes") << int(qt::WrapDialog::DoubleQuotes) << u"\""_s << -1;
    QTest::newRow("single quotes") << int(qt::WrapDialog::SingleQuotes) << u"'"_s << -1;
    QTest::newRow("none") << int(qt::WrapDialog::NoQuotes) << QString() << -1;
    QTest::newRow("JSON string") << int(qt::WrapDialog::JsonString) << QString()
                                 << int(EntryQuoting::JsonString);
    QTest::newRow("regular expression")
        << int(qt::WrapDialog::RegularExpression) << QString() << int(EntryQuoting::RegexLiteral);
    QTest::newRow("shell word") << int(qt::WrapDialog::ShellWord) << QString()
                                << int(EntryQuoting::ShellWord);
}

// Picking a preset fills both texts, which stay editable, or a rule, which closes them; "Wrap"
// accepts the choice.
void TestEntryListToolHandlers::wrapDialog() {
    QFETCH(int, preset);
    QFETCH(QString, mark);
    QFETCH(int, rule);

    RealWindow real;
    qt::WrapDialog dialog(&real.toolkit.window());
    QCOMPARE(dialog.windowTitle(), u"Wrap Each Entry"_s);
    auto* choice = dialog.findChild<QComboBox*>(u"preset"_s);
    QVERIFY(choice != nullptr);
    QCOMPARE(choice->itemText(preset),
             (QStringList{u"Double quotes (CSV)"_s, u"Single quotes (SQL)"_s, u"None"_s,
                          u"JSON string"_s, u"Regular expression"_s, u"Shell word"_s}[preset]));
    choice->setCurrentIndex(preset);
    Q_EMIT choice->activated(preset);
    QCOMPARE(dialog.texts().before, mark);
    QCOMPARE(dialog.texts().after, mark);
    QCOMPARE(dialog.texts().quoting.has_value(), rule >= 0);
    auto* after = dialog.findChild<QLineEdit*>(u"after"_s);
    QCOMPARE(after->isEnabled(), rule < 0);
    QCOMPARE(after->placeholderText().isEmpty(), rule < 0);
    if (rule >= 0) {
        QCOMPARE(int(*dialog.texts().quoting), rule);
    } else {
        after->setText(u"]"_s);
        QCOMPARE(dialog.texts().after, u"]"_s);
    }

    QPushButton* wrap = nullptr;
    for (QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons())
        if (button->text() == u"&Wrap"_s)
            wrap = qobject_cast<QPushButton*>(button);
    QVERIFY(wrap != nullptr);
    QTest::mouseClick(wrap, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

// From the menu to the answer without the mouse: Shift+F10, Up past the last three items to Split,
// Return; in the dialog, a typed separator, Tab and Down to the CSV quotes, Return.
void TestEntryListToolHandlers::splitFromTheKeyboard() {
    RealWindow real;
    auto& window = real.toolkit.window();
    window.dispatch([&] { appendText(real.toolkit.listView1(), u"\"a;b\";c"_s); });
    window.listView1->setFocus();
    window.listView1->setCurrentIndex(window.listView1->model()->index(0, 0));
    dialogs().answerDialog(u"Split Entries"_s, [](QDialog* dialog) {
        // Offscreen, the window system activates nothing by itself.
        QApplication::setActiveWindow(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::keyClicks(dialog->focusWidget(), u";"_s);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Down);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    QTest::keyClick(window.listView1, Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = window.listView1->findChild<qt::EntryListMenu*>(u"ListView1Menu"_s);
    QTRY_VERIFY_WITH_TIMEOUT(menu->isVisible(), 5000);
    // Up from the last item: Load Column, List Figures, Create in Groups, Split.
    for (int up = 0; up < 4; ++up)
        QTest::keyClick(menu, Qt::Key_Up);
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(texts(real.toolkit.listView1()), (QStringList{u"a;b"_s, u"c"_s}),
                              5000);
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
