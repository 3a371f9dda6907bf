// "Save Results as Plain Text…": the ticked rows as batch mode writes them, the dialog's
// extension and question, the faults that leave the files as they were, and the busy window.

#include "common/toolkit/file_dialog.h"
#include "output/plain_text_save.h"
#include "output_fixture.h"
#include "qt/report_table.h"
#include "test_files.h"

#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

// Rows as "+" (ticked) or "-", then the row's bytes.
void fillBytes(ModelBackedList& list, const QList<QByteArray>& rows) {
    for (const QByteArray& row : rows) {
        list.appendItem(QByteArrayView(row).sliced(1));
        list.setItemChecked(list.itemCount(), row.startsWith('+'));
    }
}

// Saves the window's results as plain text from the results list's menu.
void savePlain(RealWindow& w) {
    w.toolkit.window()
        .listView2->findChild<QMenu*>(u"ListView2Menu"_s)
        ->actions()
        .first()
        ->trigger();
}

} // namespace

class TestPlainTextSave : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void rows_data();
    void rows();
    void dialog_data();
    void dialog();
    void untickedWhileChoosing();
    void faults_data();
    void faults();
    void refusedWhileBusy_data();
    void refusedWhileBusy();
    void typeExtension_data();
    void typeExtension();
};

void TestPlainTextSave::rows_data() {
    QTest::addColumn<QList<QByteArray>>("rows");
    QTest::addColumn<QByteArray>("expected"); // "<old>": the file as it was
    QTest::addColumn<QString>("message");     // instead of the dialog, which is then not shown

    const QByteArray many(100000, 'm');
    QList<QByteArray> shortRows;
    QByteArray shortFile;
    for (int i = 0; i < 9000; ++i) {
        shortRows.append("+row " + QByteArray::number(i));
        shortFile += "row " + QByteArray::number(i) + '\n';
    }
    QTest::newRow("one result") << QList<QByteArray>{"+a, b, c"} << "a, b, c\n"_ba << QString();
    QTest::newRow("kept bytes written back")
        << QList<QByteArray>{"+\xFF\xFEz\xC3", "+\xEF\xBB\xBF\xE9t\xE9"}
        << "\xFF\xFEz\xC3\n\xEF\xBB\xBF\xE9t\xE9\n"_ba << QString();
    QTest::newRow("empty rows") << QList<QByteArray>{"+", "+x", "+"} << "\nx\n\n"_ba << QString();
    QTest::newRow("unticked rows left out")
        << QList<QByteArray>{"-zero", "+one", "-two", "+three", "-four"} << "one\nthree\n"_ba
        << QString();
    QTest::newRow("line breaks inside a row")
        << QList<QByteArray>{"+a\r\nb\nc\r", "+\td"} << "a\r\nb\nc\r\n\td\n"_ba << QString();
    QTest::newRow("long rows between short ones")
        << QList<QByteArray>{"+s", '+' + many, "+t", '+' + many, '+' + many.left(65535)}
        << "s\n" + many + "\nt\n" + many + '\n' + many.left(65535) + '\n'
        << QString();
    QTest::newRow("thousands of short rows") << shortRows << shortFile << QString();
    QTest::newRow("nothing ticked")
        << QList<QByteArray>{"-a", "-b"} << "<old>"_ba << kNothingSavedUnticked;
    QTest::newRow("no results") << QList<QByteArray>() << "<old>"_ba << kNothingSavedEmpty;
}

void TestPlainTextSave::rows() {
    QFETCH(QList<QByteArray>, rows);
    QFETCH(QByteArray, expected);
    QFETCH(QString, message);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.txt"_s);
    QVERIFY(testing::writeFile(path, "old\n"));
    RealWindow w;
    fillBytes(w.toolkit.listView2(), rows);
    if (message.isEmpty())
        dialogs().chooseFile(path);
    else
        dialogs().closeMessage();
    dialogs().closeMessage([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    savePlain(w);
    if (!message.isEmpty()) {
        QVERIFY(dialogs().fileDialogTitles().isEmpty());
        QCOMPARE(dialogs().messages(), QStringList{asShown(message)});
        dialogs().finish(); // the question was not asked
    }
    QVERIFY(dialogs().allAnswered());
    QCOMPARE(readAll(path), expected == "<old>" ? "old\n"_ba : expected);
    QCOMPARE(reportedAt(), QStringList());
    QCOMPARE(snapshot(dir.path()).keys(), QStringList{u"out.txt"_s});
    QCOMPARE(w.toolkit.window().pointer(), 0);
}

void TestPlainTextSave::dialog_data() {
    QTest::addColumn<QString>("typed"); // empty: cancelled
    QTest::addColumn<int>("type");      // of the dialog's file types, in the order offered
    QTest::addColumn<bool>("replace");  // the answer to the question, if it is asked
    QTest::addColumn<QString>("asked"); // about this file, if at all
    QTest::addColumn<QString>("written");

    QTest::newRow("cancelled") << QString() << 0 << false << QString() << QString();
    QTest::newRow("text type adds .txt") << u"out"_s << 0 << false << QString() << u"out.txt"_s;
    QTest::newRow("CSV type adds .csv") << u"out"_s << 1 << false << QString() << u"out.csv"_s;
    QTest::newRow("all files adds nothing") << u"out"_s << 2 << false << QString() << u"out"_s;
    QTest::newRow("typed extension kept")
        << u"out.log"_s << 0 << false << QString() << u"out.log"_s;
    QTest::newRow("existing replaced") << u"old.txt"_s << 1 << true << u"old.txt"_s << u"old.txt"_s;
    QTest::newRow("existing kept") << u"old.txt"_s << 0 << false << u"old.txt"_s << QString();
    QTest::newRow("existing once the extension is added")
        << u"old"_s << 0 << false << u"old.txt"_s << QString();
}

void TestPlainTextSave::dialog() {
    QFETCH(QString, typed);
    QFETCH(int, type);
    QFETCH(bool, replace);
    QFETCH(QString, asked);
    QFETCH(QString, written);

    QTemporaryDir dir;
    QVERIFY(testing::writeFile(dir.filePath(u"old.txt"_s), "old\n"));
    RealWindow w;
    fillBytes(w.toolkit.listView2(), {"+new"});
    QStringList offered;
    dialogs().answerFileDialog([&](QFileDialog* files) {
        offered = QStringList{files->windowTitle()} + files->nameFilters();
        if (typed.isEmpty())
            return files->reject();
        // Chosen as a user chooses it: Qt's own dialog, the type picked with the arrow keys.
        auto* types = files->findChild<QComboBox*>(u"fileTypeCombo"_s);
        for (int i = 0; i < type; ++i)
            QTest::keyClick(types, Qt::Key_Down);
        files->selectFile(dir.filePath(typed));
        static_cast<QDialog*>(files)->accept();
        // Told not to replace the file, the dialog stays for another name; the user cancels.
        if (files->isVisible())
            files->reject();
    });
    QString question;
    if (!asked.isEmpty()) {
        dialogs().closeMessage([&](QMessageBox* box) {
            question = box->text();
            box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
        });
    }
    w.toolkit.toolkit().commonDialog1.setFileName(dir.filePath(u"left.txt"_s));
    savePlain(w);
    QCOMPARE(offered, (QStringList{u"Save Results as Plain Text"_s, u"Text Files (*.txt)"_s,
                                   u"CSV Files (*.csv)"_s, u"All Files (*)"_s}));
    QVERIFY2(question.contains(asked), qPrintable(question));
    QMap<QString, QByteArray> files{{u"old.txt"_s, "old\n"_ba}};
    if (!written.isEmpty())
        files.insert(written, "new\n"_ba);
    QCOMPARE(snapshot(dir.path()), files);
}

// The row unticked while the dialog shows: nothing is written, and the user is told so.
void TestPlainTextSave::untickedWhileChoosing() {
    QTemporaryDir dir;
    RealWindow w;
    fillBytes(w.toolkit.listView2(), {"+one"});
    dialogs().answerFileDialog([&](QFileDialog* files) {
        w.toolkit.listView2().setItemChecked(1, false);
        files->selectFile(dir.filePath(u"out.txt"_s));
        static_cast<QDialog*>(files)->accept();
    });
    dialogs().closeMessage();
    savePlain(w);
    QCOMPARE(dialogs().messages(), QStringList{asShown(kNothingSavedUnticked)});
    QVERIFY(snapshot(dir.path()).isEmpty());
}

void TestPlainTextSave::faults_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("number"); // of the error

    QTest::newRow("folder does not exist")
        << u"missing/out.txt"_s << u"Path/File access error: %1: No such file or directory"_s << 75;
    QTest::newRow("target is a folder")
        << u"folder"_s << u"Path/File access error: %1: Is a directory"_s << 75;
    QTest::newRow("pipe no program reads")
        << u"fifo"_s << u"Path/File access error: %1: No program is reading from this pipe"_s << 75;
    QTest::newRow("full disk") << u"/dev/full"_s
                               << u"Device I/O error: %1: No space left on device"_s << 57;
}

void TestPlainTextSave::faults() {
    QFETCH(QString, target);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(testing::writeFile(dir.filePath(u"old.txt"_s), "previous\n"));
    QVERIFY(QDir(dir.path()).mkpath(u"folder/sub"_s));
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(u"fifo"_s)).constData(), 0644), 0);
    const QMap<QString, QByteArray> before = snapshot(dir.path());
    const QString path = target.startsWith(u'/') ? target : dir.filePath(target);

    RealWindow w;
    fillBytes(w.toolkit.listView2(), {"+one", "-two", "+three"});
    // Taken as chosen, of "All Files" so that no extension is added: the dialog would open a
    // folder rather than choose it.
    dialogs().answerFileDialog([&](QFileDialog* files) {
        auto* types = files->findChild<QComboBox*>(u"fileTypeCombo"_s);
        QTest::keyClick(types, Qt::Key_End);
        files->selectFile(path);
        static_cast<QDialog*>(files)->done(QDialog::Accepted);
    });
    int pointerAtReport = -1; // the busy pointer shows while the file is written
    dialogs().closeMessage([&](QMessageBox*) { pointerAtReport = w.toolkit.window().pointer(); });
    savePlain(w);
    QCOMPARE(pointerAtReport, 11);
    QCOMPARE(dialogs().messages(),
             QStringList{asShown(
                 errorReportText(reason.arg(path), u"Form1.ListView2_SavePlainText"_s, 118))});
    QCOMPARE(snapshot(dir.path()), before);
    QCOMPARE(w.toolkit.window().pointer(), 0);
}

void TestPlainTextSave::refusedWhileBusy_data() {
    QTest::addColumn<bool>("running");
    QTest::addColumn<int>("pointer");

    QTest::newRow("an operation runs") << true << 0;
    QTest::newRow("the busy pointer shows") << false << 11;
}

void TestPlainTextSave::refusedWhileBusy() {
    QFETCH(bool, running);
    QFETCH(int, pointer);

    RealWindow w;
    fillBytes(w.toolkit.listView2(), {"+one"});
    w.toolkit.window().setPointer(pointer);
    const QScopedValueRollback<bool> busy(w.toolkit.toolkit().operation.running, running);
    savePlain(w);
    QVERIFY(dialogs().fileDialogTitles().isEmpty());
    QVERIFY(dialogs().messages().isEmpty());
}

void TestPlainTextSave::typeExtension_data() {
    QTest::addColumn<QStringList>("patterns");
    QTest::addColumn<QString>("extension");

    QTest::newRow("one") << QStringList{u"*.txt"_s} << u"txt"_s;
    QTest::newRow("the first of several") << QStringList{u"*.csv"_s, u"*.txt"_s} << u"csv"_s;
    QTest::newRow("two dots") << QStringList{u"*.tar.gz"_s} << u"tar.gz"_s;
    QTest::newRow("every file") << QStringList{u"*"_s} << QString();
    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("a name, not a type") << QStringList{u"notes.txt"_s} << QString();
    QTest::newRow("wildcards") << QStringList{u"*.t?t"_s} << QString();
    QTest::newRow("a star after the dot") << QStringList{u"*.*"_s} << QString();
    QTest::newRow("a set") << QStringList{u"*.[ct]sv"_s} << QString();
}

void TestPlainTextSave::typeExtension() {
    QFETCH(QStringList, patterns);
    QFETCH(QString, extension);
    QCOMPARE((FileFilter{u"Type"_s, patterns}.extension()), extension);
}

QTEST_MAIN(TestPlainTextSave)
#include "test_plain_text_save.moc"
