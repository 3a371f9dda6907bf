// Loading list files into the entry list through the main window's handlers.

#include "entry_handlers.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace tavrolin;
using namespace tavrolin::headless;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

class TestListLoading : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void loadFiles_data();
    void loadFiles();
    void loadDialogSetUp();
    void nameBuffer_data();
    void nameBuffer();

private:
    QTemporaryDir m_dir;
};

void TestListLoading::initTestCase() {
    QVERIFY(m_dir.isValid());
    QVERIFY(testing::writeFile(m_dir.filePath(u"a.txt"_s), "1\r\n2\r\n"));
    QVERIFY(testing::writeFile(m_dir.filePath(u"b.txt"_s), "3\n4"));
    QVERIFY(testing::writeFile(m_dir.filePath(u"empty.txt"_s), ""));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder")));
    QCOMPARE(mkfifo(QFile::encodeName(m_dir.filePath(QStringLiteral("fifo"))).constData(), 0600),
             0);
}

// Each choice names files in the temporary folder: one name gives a full path, several give
// the folder and the names separated by NUL characters, as the open dialog hands them back.
void TestListLoading::loadFiles_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("messages");

    const QString notFound = u"File not found"_s;
    const auto at = [](int line) {
        return report(u"Path/File access error"_s, u"Form1.PushButton6_Click"_s, line);
    };
    const QStringList a{u"1"_s, u"2"_s};
    const QStringList b{u"3"_s, u"4"_s};

    QTest::newRow("cancel") << QStringList() << QStringList() << QStringList();
    QTest::newRow("one file") << QStringList{u"a.txt"_s} << a << QStringList();
    QTest::newRow("empty file") << QStringList{u"empty.txt"_s} << QStringList() << QStringList();
    QTest::newRow("two files, dialog order")
        << QStringList{u"b.txt"_s, u"a.txt"_s} << b + a << QStringList();
    QTest::newRow("same file twice")
        << QStringList{u"a.txt"_s, u"a.txt"_s} << a + a << QStringList();
    QTest::newRow("missing file alone")
        << QStringList{u"none.txt"_s} << QStringList() << QStringList{notFound};
    QTest::newRow("missing among several")
        << QStringList{u"a.txt"_s, u"none.txt"_s, u"b.txt"_s} << a + b << QStringList{notFound};
    QTest::newRow("folder alone") << QStringList{u"folder"_s} << QStringList()
                                  << QStringList{at(120)};
    QTest::newRow("folder among several")
        << QStringList{u"a.txt"_s, u"folder"_s, u"b.txt"_s} << a + b << QStringList{at(134)};
    QTest::newRow("pipe among several")
        << QStringList{u"fifo"_s, u"a.txt"_s} << a << QStringList{at(134)};
}

void TestListLoading::loadFiles() {
    QFETCH(QStringList, names);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, messages);

    Fixture w;
    w.ui.listView1.appendItem(u"kept"_s);
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

void TestListLoading::loadDialogSetUp() {
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

void TestListLoading::nameBuffer_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("message");

    QTest::newRow("fits") << 30000 << u"File not found"_s;
    QTest::newRow("one too long") << 30001
                                  << u"You've selected too many files to add.\r\rPlease try adding "
                                     "via the \"Add All\" button."_s;
}

void TestListLoading::nameBuffer() {
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

QTEST_GUILESS_MAIN(TestListLoading)
#include "test_list_loading.moc"
