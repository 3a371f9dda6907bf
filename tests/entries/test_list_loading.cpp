// Loading list files into the entry list through the main window's handlers and its open
// dialog.

#include "entry_handlers.h"
#include "test_files.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <functional>
#include <sys/stat.h>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

// Answers the open dialog as a user typing the names (in the folder, or full paths) and
// pressing Open; no names cancel it. What follows the pick runs before the load does.
void pick(const QString& folder, const QStringList& names,
          const std::function<void(QFileDialog*)>& afterPick = {}) {
    dialogs().answerFileDialog([=](QFileDialog* dialog) {
        if (names.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->setDirectory(folder);
        auto* edit = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s);
        // Without the focus the dialog would rewrite the box with what its list selects.
        QApplication::setActiveWindow(dialog);
        edit->setFocus();
        edit->setText(u'"' + names.join(u"\" \""_s) + u'"');
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog checks the names in its accept()
        if (afterPick)
            afterPick(dialog);
    });
}

} // namespace

class TestListLoading : public WindowTest {
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
}

// Each choice names files in the temporary folder, in the order typed.
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
        << QStringList{u"late.txt"_s, u"late.txt"_s} << a + a << QStringList();
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

    RealWindow real;
    fill(real, {u"kept"_s});
    real.toolkit.window().setPointer(99);
    // A name left from an earlier use must not be taken for a choice when the user cancels.
    real.toolkit.toolkit().commonDialog1.setFileName(m_dir.filePath(u"a.txt"_s));
    // The dialog hands typed names over as they are only while one does not exist: it would
    // open a folder, and leave a pipe or a repeated name out of its selection. These are made
    // after the pick, as another program might.
    const QByteArray at = QFile::encodeName(m_dir.path()) + '/';
    pick(m_dir.path(), names, [&](QFileDialog*) {
        if (names.contains(u"folder"_s))
            QCOMPARE(mkdir((at + "folder").constData(), 0700), 0);
        if (names.contains(u"fifo"_s))
            QCOMPARE(mkfifo((at + "fifo").constData(), 0600), 0);
        if (names.contains(u"late.txt"_s))
            QVERIFY(writeFile(m_dir.filePath(u"late.txt"_s), "1\r\n2\r\n"));
    });
    QList<SeenMessage> seen;
    closeMessages(real, messages.size(), seen);
    run(real, [&] { real.form.PushButton6_Click(); });
    for (const char* name : {"folder", "fifo", "late.txt"})
        std::remove((at + name).constData());

    QCOMPARE(texts(real.toolkit.listView1()), QStringList{u"kept"_s} + expected);
    QCOMPARE(dialogs().messages(), messages);
    for (const SeenMessage& message : seen) {
        QCOMPARE(message.pointer, 11); // a message during the load shows over the busy pointer
        if (message.text == u"File not found") {
            QCOMPARE(message.icon, QMessageBox::NoIcon);
            QCOMPARE(message.title, u"Tavrolin"_s);
        }
    }
    // Cancel leaves the pointer alone; a load ends with the default pointer, whatever it found.
    QCOMPARE(real.toolkit.window().pointer(), names.isEmpty() ? 99 : 0);
}

// Files that share only the root folder: joining the root and a name doubles the separator.
void TestListLoading::loadDialogSetUp() {
    QTemporaryDir other(u"/var/tmp/loading-XXXXXX"_s);
    QVERIFY(other.isValid());
    QVERIFY(testing::writeFile(other.filePath(u"b.txt"_s), "3\n4"));
    RealWindow real;
    QStringList filters;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    pick(m_dir.path(), {m_dir.filePath(u"a.txt"_s), other.filePath(u"b.txt"_s)},
         [&](QFileDialog* dialog) {
             filters = dialog->nameFilters();
             mode = dialog->fileMode();
         });
    run(real, [&] { real.form.PushButton6_Click(); });
    QCOMPARE(texts(real.toolkit.listView1()), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
    QCOMPARE(dialogs().messages(), QStringList());

    const FileDialog& dialog = real.toolkit.toolkit().commonDialog1;
    QVERIFY(dialog.fileName().startsWith(u"/"_s + QChar(u'\0')));
    QCOMPARE(dialogs().fileDialogTitles().first(),
             u"Load List(s) - Hold Ctrl to select multiple list files"_s);
    QCOMPARE(dialog.filter(), u"Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"_s);
    QCOMPARE(filters, (QStringList{u"Text Files (*.txt)"_s, u"All Files (*)"_s}));
    QCOMPARE(mode, QFileDialog::ExistingFiles);
    QCOMPARE(dialog.maxFileSize(), 30000);
    QCOMPARE(dialog.flags(), fileDialogFlag::AllowMultiSelect | fileDialogFlag::Explorer |
                                 fileDialogFlag::LongNames);
}

void TestListLoading::nameBuffer_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("message");

    QTest::newRow("fits") << 30000 << u"File not found"_s;
    QTest::newRow("one too long") << 30001
                                  << u"You've selected too many files to add.\r\rPlease try adding "
                                     "via the \"Add All\" button."_s;
}

// The choice is the folder, a.txt and a missing name long enough to make it the given length.
void TestListLoading::nameBuffer() {
    QFETCH(int, length);
    QFETCH(QString, message);

    RealWindow real;
    real.toolkit.window().setPointer(99);
    QString missing(length - m_dir.path().size() - 7, u'n');
    for (qsizetype slash = 200; slash < missing.size() - 1; slash += 201)
        missing[slash] = u'/'; // no part of a path is longer than the system allows
    pick(m_dir.path(), {u"a.txt"_s, missing});
    QList<SeenMessage> seen;
    closeMessages(real, 1, seen);
    run(real, [&] { real.form.PushButton6_Click(); });

    QCOMPARE(dialogs().messages(), QStringList{shown(message)});
    QCOMPARE(seen.first().icon, QMessageBox::NoIcon);
    QCOMPARE(seen.first().title, u"Tavrolin"_s);
    const bool fits = length <= 30000;
    QCOMPARE(texts(real.toolkit.listView1()), (fits ? QStringList{u"1"_s, u"2"_s} : QStringList()));
    QCOMPARE(real.toolkit.window().pointer(), fits ? 0 : 99);
}

QTEST_MAIN(TestListLoading)
#include "test_list_loading.moc"
