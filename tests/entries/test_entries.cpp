// Editing the entry list by hand and loading list files through the main window's handlers.

#include "common/error_report.h"
#include "entries/entry_list_editing.h"
#include "headless_form.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace tavrolin;
using namespace tavrolin::headless;
using namespace Qt::StringLiterals;

namespace {

enum class Removal { DeleteKey, Backspace, DoubleClick };

using Fixture = testing::HeadlessForm;

QString report(const QString& description, const QString& procedure, int line) {
    return errorReportText(description, procedure, line);
}

} // namespace

Q_DECLARE_METATYPE(Removal)

class TestEntries : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void addOneItem_data();
    void addOneItem();
    void sampleEntries_data();
    void sampleEntries();
    void failingSampleAppend();
    void removeSelected_data();
    void removeSelected();
    void clearList_data();
    void clearList();
    void editAndMove_data();
    void editAndMove();

    void loadFiles_data();
    void loadFiles();
    void loadDialogSetUp();
    void nameBuffer_data();
    void nameBuffer();

private:
    QTemporaryDir m_dir;
};

void TestEntries::initTestCase() {
    QVERIFY(m_dir.isValid());
    QVERIFY(testing::writeFile(m_dir.filePath(u"a.txt"_s), "1\r\n2\r\n"));
    QVERIFY(testing::writeFile(m_dir.filePath(u"b.txt"_s), "3\n4"));
    QVERIFY(testing::writeFile(m_dir.filePath(u"empty.txt"_s), ""));
    QVERIFY(testing::writeFile(m_dir.filePath(u"fails.txt"_s), "5\r\nX\r\n6\r\n"));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder")));
    QCOMPARE(mkfifo(QFile::encodeName(m_dir.filePath(QStringLiteral("fifo"))).constData(), 0600),
             0);
}

void TestEntries::addOneItem_data() {
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

void TestEntries::addOneItem() {
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

void TestEntries::sampleEntries_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QStringList>("expected");

    const QStringList samples{u"first"_s, u"second"_s, u"third"_s, u"fourth"_s};
    QTest::newRow("once") << QStringList() << 1 << samples;
    QTest::newRow("twice") << QStringList() << 2 << samples + samples;
    QTest::newRow("after three entries") << QStringList{u"x"_s, u"y"_s, u"z"_s} << 1
                                         << QStringList{u"x"_s, u"y"_s, u"z"_s} + samples;
}

void TestEntries::sampleEntries() {
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

void TestEntries::failingSampleAppend() {
    Fixture w;
    w.ui.listView1.failAppendOf(u"second"_s);
    w.form.PushButton8_Click();
    QCOMPARE(w.ui.listView1.texts(), (QStringList{u"first"_s, u"third"_s, u"fourth"_s}));
    QCOMPARE(w.messages(),
             QStringList{report(u"Out of memory"_s, u"Form1.PushButton8_Click"_s, 102)});
    QCOMPARE(w.ui.dialogs.messages().first().style, MessageStyle::OkExclamation);
    QCOMPARE(w.ui.dialogs.messages().first().title, u"Application Error"_s);

    w.ui.dialogs.forget();
    w.ui.listView1.failAppendOf(u"typed"_s);
    w.ui.dialogs.answerNextInput(u"typed"_s);
    w.form.PushButton2_Click();
    QCOMPARE(w.messages(),
             QStringList{report(u"Out of memory"_s, u"Form1.PushButton2_Click"_s, 104)});
}

void TestEntries::removeSelected_data() {
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

void TestEntries::removeSelected() {
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

void TestEntries::clearList_data() {
    QTest::addColumn<int>("pointer");
    QTest::addColumn<int>("remaining");

    QTest::newRow("default pointer") << 0 << 0;
    QTest::newRow("hand pointer") << 99 << 0;
    QTest::newRow("busy") << 11 << 3;
}

void TestEntries::clearList() {
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
void TestEntries::editAndMove_data() {
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

void TestEntries::editAndMove() {
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

// Each choice names files in the temporary folder: one name gives a full path, several give
// the folder and the names separated by NUL characters, as the open dialog hands them back.
void TestEntries::loadFiles_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("failAppendOf");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("messages");

    const QString notFound = u"File not found"_s;
    const auto at = [](int line) {
        return report(u"Path/File access error"_s, u"Form1.PushButton6_Click"_s, line);
    };
    const QStringList a{u"1"_s, u"2"_s};
    const QStringList b{u"3"_s, u"4"_s};

    QTest::newRow("cancel") << QStringList() << QString() << QStringList() << QStringList();
    QTest::newRow("one file") << QStringList{u"a.txt"_s} << QString() << a << QStringList();
    QTest::newRow("empty file") << QStringList{u"empty.txt"_s} << QString() << QStringList()
                                << QStringList();
    QTest::newRow("two files, dialog order")
        << QStringList{u"b.txt"_s, u"a.txt"_s} << QString() << b + a << QStringList();
    QTest::newRow("same file twice")
        << QStringList{u"a.txt"_s, u"a.txt"_s} << QString() << a + a << QStringList();
    QTest::newRow("missing file alone")
        << QStringList{u"none.txt"_s} << QString() << QStringList() << QStringList{notFound};
    QTest::newRow("missing among several") << QStringList{u"a.txt"_s, u"none.txt"_s, u"b.txt"_s}
                                           << QString() << a + b << QStringList{notFound};
    QTest::newRow("folder alone") << QStringList{u"folder"_s} << QString() << QStringList()
                                  << QStringList{at(120)};
    QTest::newRow("folder among several") << QStringList{u"a.txt"_s, u"folder"_s, u"b.txt"_s}
                                          << QString() << a + b << QStringList{at(134)};
    QTest::newRow("pipe among several")
        << QStringList{u"fifo"_s, u"a.txt"_s} << QString() << a << QStringList{at(134)};
    QTest::newRow("fails midway, next file loads")
        << QStringList{u"fails.txt"_s, u"b.txt"_s} << u"X"_s << QStringList{u"5"_s} + b
        << QStringList{report(u"Out of memory"_s, u"Form1.PushButton6_Click"_s, 134)};
}

void TestEntries::loadFiles() {
    QFETCH(QStringList, names);
    QFETCH(QString, failAppendOf);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, messages);

    Fixture w;
    w.ui.listView1.appendItem(u"kept"_s);
    if (!failAppendOf.isEmpty())
        w.ui.listView1.failAppendOf(failAppendOf);
    w.ui.form.setPointer(99);
    // A name left from an earlier use must not be taken for a choice when the user cancels.
    w.ui.commonDialog1.setFileName(m_dir.filePath(u"a.txt"_s));
    if (names.size() == 1)
        w.ui.commonDialog1.chooseNext(m_dir.filePath(names.first()));
    else if (names.size() > 1)
        w.ui.commonDialog1.chooseNext(m_dir.path() + QChar(u'\0') + names.join(QChar(u'\0')));
    int pointerAtMessage = -1; // a message during the load shows over the busy pointer
    w.ui.dialogs.onNextMessage([&] { pointerAtMessage = w.ui.form.pointer(); });
    w.form.PushButton6_Click();
    QCOMPARE(pointerAtMessage, messages.isEmpty() ? -1 : 11);

    QCOMPARE(w.ui.listView1.texts(), QStringList{u"kept"_s} + expected);
    QCOMPARE(w.messages(), messages);
    for (const ShownMessage& message : w.ui.dialogs.messages()) {
        if (message.text == u"File not found") {
            QCOMPARE(message.style, MessageStyle::OkOnly);
            QCOMPARE(message.title, u"Tavrolin"_s);
        }
    }
    // Cancel leaves the pointer alone; a load ends with the default pointer, whatever it found.
    QCOMPARE(w.ui.form.pointer(), names.isEmpty() ? 99 : 0);
}

void TestEntries::loadDialogSetUp() {
    Fixture w;
    // The folder part may end in a separator; the root folder does.
    w.ui.commonDialog1.chooseNext(m_dir.path() + u"/"_s + QChar(u'\0') + u"a.txt"_s);
    w.ui.commonDialog1.chooseNext(u"/"_s + QChar(u'\0') + m_dir.filePath(u"b.txt"_s).mid(1));
    w.form.PushButton6_Click();
    w.form.PushButton6_Click();
    QCOMPARE(w.ui.listView1.texts(), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
    QCOMPARE(w.messages(), QStringList());

    const HeadlessFileDialog::Shown& shown = w.ui.commonDialog1.shown().first();
    QCOMPARE(shown.kind, HeadlessFileDialog::Kind::Open);
    QCOMPARE(shown.title, u"Load List(s) - Hold Ctrl to select multiple list files"_s);
    QCOMPARE(shown.filter, u"Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"_s);
    QCOMPARE(shown.maxFileSize, 30000);
    QVERIFY(shown.flags & fileDialogFlag::AllowMultiSelect);
    QVERIFY(shown.flags & fileDialogFlag::Explorer);
    QVERIFY(shown.flags & fileDialogFlag::LongNames);
}

void TestEntries::nameBuffer_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("message");

    QTest::newRow("fits") << 30000 << u"File not found"_s;
    QTest::newRow("one too long") << 30001
                                  << u"You've selected too many files to add.\r\rPlease try adding "
                                     "via the \"Add All\" button."_s;
}

void TestEntries::nameBuffer() {
    QFETCH(int, length);
    QFETCH(QString, message);

    Fixture w;
    w.ui.form.setPointer(99);
    const QString folder = m_dir.path() + QChar(u'\0') + u"a.txt"_s + QChar(u'\0');
    w.ui.commonDialog1.chooseNext(folder + QString(length - folder.size(), u'n'));
    w.form.PushButton6_Click();

    QCOMPARE(w.messages(), QStringList{message});
    QCOMPARE(w.ui.dialogs.messages().first().style, MessageStyle::OkOnly);
    QCOMPARE(w.ui.dialogs.messages().first().title, u"Tavrolin"_s);
    if (length > 30000) {
        QCOMPARE(w.ui.listView1.itemCount(), 0);
        QCOMPARE(w.ui.form.pointer(), 99);
    } else {
        QCOMPARE(w.ui.listView1.texts(), (QStringList{u"1"_s, u"2"_s}));
        QCOMPARE(w.ui.form.pointer(), 0);
    }
}

QTEST_GUILESS_MAIN(TestEntries)
#include "test_entries.moc"
