// The entry list's tools in the real window: each is one undo step that brings back the very
// list, and the wrap dialog.

#include "qt/wrap_dialog.h"
#include "support/window_test.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;
using tavrolin::qt::QtListView;

namespace {

using Handler = void (Form1::*)();

QStringList texts(const QtListView& list) {
    QStringList items;
    for (int item = 1; item <= list.itemCount(); ++item)
        items.append(list.itemText(item));
    return items;
}

QByteArrayList bytesOf(const QtListView& list) {
    QByteArrayList items;
    for (int item = 1; item <= list.itemCount(); ++item)
        items.append(list.itemBytes(item));
    return items;
}

// Bytes that are not UTF-8 (E9 and FF), a four-byte character and white space beyond ASCII.
const QByteArrayList kAwkward{"caf\xE9\xFF ", "\xC2\xA0\xF0\x9F\x98\x80, x", "", "\xA0x",
                              "\xE3\x80\x80"
                              "caf\xE9\xFF "};

} // namespace

class TestEntryTools : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void oneStepEach_data();
    void oneStepEach();
    void aMillionEntriesComeBackUncopied();
    void wrapDialog_data();
    void wrapDialog();
    void wrapAnsweredInTheWindow_data();
    void wrapAnsweredInTheWindow();
};

void TestEntryTools::oneStepEach_data() {
    QTest::addColumn<Handler>("handler");
    QTest::addColumn<QByteArrayList>("before");
    QTest::addColumn<QStringList>("expected");

    const QByteArrayList plain{"c ", " a, b", "", "c ", ""};
    QTest::newRow("sort A to Z") << &Form1::ListView1_SortAscending << plain
                                 << QStringList{u""_s, u""_s, u" a, b"_s, u"c "_s, u"c "_s};
    QTest::newRow("sort Z to A") << &Form1::ListView1_SortDescending << plain
                                 << QStringList{u"c "_s, u"c "_s, u" a, b"_s, u""_s, u""_s};
    QTest::newRow("reverse") << &Form1::ListView1_Reverse << plain
                             << QStringList{u""_s, u"c "_s, u""_s, u" a, b"_s, u"c "_s};
    QTest::newRow("duplicates") << &Form1::ListView1_RemoveDuplicates << plain
                                << QStringList{u"c "_s, u" a, b"_s, u""_s};
    QTest::newRow("trim") << &Form1::ListView1_TrimSpaces << plain
                          << QStringList{u"c"_s, u"a, b"_s, u""_s, u"c"_s, u""_s};
    QTest::newRow("empty") << &Form1::ListView1_RemoveEmpty << plain
                           << QStringList{u"c "_s, u" a, b"_s, u"c "_s};
    QTest::newRow("split") << &Form1::ListView1_Split << plain
                           << QStringList{u"c "_s, u" a"_s, u"b"_s, u""_s, u"c "_s, u""_s};

    // Undo brings back the very bytes, those that are not UTF-8 included.
    const QString kept = u"caf"_s + QChar(0xDCE9) + QChar(0xDCFF);
    const QString grin = u"\u00a0\U0001F600"_s;
    const QString keptA0 = QString(QChar(0xDCA0));
    QTest::newRow("awkward bytes reversed")
        << &Form1::ListView1_Reverse << kAwkward
        << QStringList{u"\u3000"_s + kept + u" "_s, keptA0 + u"x"_s, u""_s, grin + u", x"_s,
                       kept + u" "_s};
    QTest::newRow("awkward bytes trimmed")
        << &Form1::ListView1_TrimSpaces << kAwkward
        << QStringList{kept, u"\U0001F600, x"_s, u""_s, keptA0 + u"x"_s, kept};
    QTest::newRow("awkward bytes split")
        << &Form1::ListView1_Split << kAwkward
        << QStringList{
               kept + u" "_s, grin, u"x"_s, u""_s, keptA0 + u"x"_s, u"\u3000"_s + kept + u" "_s};

    // A tool that changes nothing leaves the list and the history alone.
    const QByteArrayList trimmed{"b", "a", "\xA0"};
    QTest::newRow("nothing to trim")
        << &Form1::ListView1_TrimSpaces << trimmed << QStringList{u"b"_s, u"a"_s, keptA0};
    QTest::newRow("no duplicates")
        << &Form1::ListView1_RemoveDuplicates << trimmed << QStringList{u"b"_s, u"a"_s, keptA0};
}

void TestEntryTools::oneStepEach() {
    QFETCH(Handler, handler);
    QFETCH(QByteArrayList, before);
    QFETCH(QStringList, expected);

    RealWindow real;
    auto& window = real.toolkit.window();
    QtListView& entries = real.toolkit.listView1();
    window.dispatch([&] {
        for (const QByteArray& entry : before)
            entries.appendItemBytes(entry);
    });
    window.dispatch([&] { (real.form.*handler)(); });
    QCOMPARE(texts(entries), expected);
    const bool changed = bytesOf(entries) != before;
    QCOMPARE(real.toolkit.undo().stack().count(), changed ? 2 : 1);
    QVERIFY(real.toolkit.undo().undo());
    if (changed) {
        QCOMPARE(bytesOf(entries), before);
        QVERIFY(real.toolkit.undo().redo());
        QCOMPARE(texts(entries), expected);
    } else {
        QCOMPARE(entries.itemCount(), 0);
    }
}

// Undo hands the old list back without a copy: the same block of characters returns.
void TestEntryTools::aMillionEntriesComeBackUncopied() {
    constexpr int kCount = 1'000'000;
    RealWindow real;
    auto& window = real.toolkit.window();
    QtListView& entries = real.toolkit.listView1();
    window.dispatch([&] {
        for (int i = kCount; i > 0; --i)
            entries.appendItem(u"item"_s + QString::number(i));
    });
    const char* first = entries.model().bytesAt(0).data();
    window.dispatch([&] { real.form.ListView1_SortAscending(); });
    QCOMPARE(entries.itemText(1), u"item1"_s);
    QCOMPARE(entries.itemText(kCount), u"item1000000"_s);
    QVERIFY(real.toolkit.undo().undo());
    QCOMPARE(entries.itemCount(), kCount);
    QCOMPARE(entries.model().bytesAt(0).data(), first);
    QCOMPARE(entries.itemText(kCount), u"item1"_s);
}

void TestEntryTools::wrapDialog_data() {
    QTest::addColumn<int>("preset");
    QTest::addColumn<QString>("mark");

    QTest::newRow("double quotes") << int(qt::WrapDialog::DoubleQuotes) << u"\""_s;
    QTest::newRow("single quotes") << int(qt::WrapDialog::SingleQuotes) << u"'"_s;
    QTest::newRow("none") << int(qt::WrapDialog::NoQuotes) << QString();
}

// Picking a preset fills both texts, which stay editable; "Wrap" accepts them.
void TestEntryTools::wrapDialog() {
    QFETCH(int, preset);
    QFETCH(QString, mark);

    RealWindow real;
    qt::WrapDialog dialog(&real.toolkit.window());
    QCOMPARE(dialog.windowTitle(), u"Wrap Each Entry"_s);
    auto* choice = dialog.findChild<QComboBox*>(u"preset"_s);
    QVERIFY(choice != nullptr);
    QCOMPARE(choice->itemText(preset),
             (QStringList{u"Double quotes (CSV)"_s, u"Single quotes (SQL)"_s, u"None"_s}[preset]));
    choice->setCurrentIndex(preset);
    Q_EMIT choice->activated(preset);
    QCOMPARE(dialog.texts().before, mark);
    QCOMPARE(dialog.texts().after, mark);
    dialog.findChild<QLineEdit*>(u"after"_s)->setText(u"]"_s);
    QCOMPARE(dialog.texts().after, u"]"_s);

    QPushButton* wrap = nullptr;
    for (QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons())
        if (button->text() == u"Wrap"_s)
            wrap = qobject_cast<QPushButton*>(button);
    QVERIFY(wrap != nullptr);
    QTest::mouseClick(wrap, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestEntryTools::wrapAnsweredInTheWindow_data() {
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("wrap") << true << QStringList{u"'O''Brien'"_s, u"''"_s};
    QTest::newRow("cancel") << false << QStringList{u"O'Brien"_s, u""_s};
}

// The dialog opens over the main window; its answer wraps the entries in one step.
void TestEntryTools::wrapAnsweredInTheWindow() {
    QFETCH(bool, accepted);
    QFETCH(QStringList, expected);

    RealWindow real;
    auto& window = real.toolkit.window();
    QtListView& entries = real.toolkit.listView1();
    window.dispatch([&] {
        entries.appendItem(u"O'Brien"_s);
        entries.appendItem(QString());
    });
    QWidget* parent = nullptr;
    dialogs().answerDialog(u"Wrap Each Entry"_s, [&](QDialog* dialog) {
        parent = dialog->parentWidget();
        static_cast<qt::WrapDialog*>(dialog)->choosePreset(qt::WrapDialog::SingleQuotes);
        accepted ? dialog->accept() : dialog->reject();
    });
    window.dispatch([&] { real.form.ListView1_Wrap(); });
    QCOMPARE(parent, &window);
    QCOMPARE(texts(entries), expected);
    QCOMPARE(real.toolkit.undo().stack().count(), accepted ? 2 : 1);
}

QTEST_MAIN(TestEntryTools)
#include "test_entry_tools.moc"
