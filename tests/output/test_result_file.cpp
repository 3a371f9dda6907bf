// The result file: what is written, the progress shown, the save dialog and the faults that
// leave the files as they were.

#include "common/text_encoding.h"
#include "output/result_file_writer.h"
#include "output_fixture.h"
#include "test_files.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

const char kLimitedSave[] = "--save-with-file-size-limit";

// Runs in a child process whose files may not grow beyond 64 KiB, as on a full disk; prints
// the line number and the description of each report.
int saveWithFileSizeLimit(const QString& path) {
    RealWindow w;
    dialogs().setUnscripted(ModalScript::Unscripted::AsUserWould);
    fill(w.toolkit.listView2(), QStringList(4, u'+' + QString(30000, u'r')));
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64 * 1024, 64 * 1024};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        return 2;
    Toolkit& ui = w.toolkit.toolkit();
    SaveListviewProperlySpaced(ui.listView2, path, nullptr, ui.events, ui.dialogs);
    const QStringList places = reportedAt();
    for (qsizetype i = 0; i < places.size(); ++i) {
        std::printf("%s %s\n", qPrintable(places.at(i).section(u' ', 1)),
                    qPrintable(dialogs().messages().at(i).section(u'\n', 0, 0)));
    }
    return 0;
}

// Every value and text the writer gives the bar, in order: the real bar shows only the latest
// of them when events run.
struct RecordedBar : ProgressBar {
    void setValue(double value) override { values.append(value); }
    void setText(const QString& text) override { texts.append(text); }
    void setText(const QString& p, QByteArrayView b) override { texts.append(p + decode8Bit(b)); }
    QList<double> values;
    QStringList texts;
};

} // namespace

class TestResultFile : public WindowTest {
    Q_OBJECT

public:
    TestResultFile() : WindowTest(ModalScript::Unscripted::AsUserWould) {}

private Q_SLOTS:
    void writer_data();
    void writer();
    void progress_data();
    void progress();
    void saveHandler_data();
    void saveHandler();
    void saveFaults_data();
    void saveFaults();
    void systemTargets_data();
    void systemTargets();
    void fullDisk();
};

void TestResultFile::writer_data() {
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QByteArray>("expected");

    const QStringList cap{u"Cap"_s};
    // Without a checked row no file is written at all.
    QTest::newRow("empty list") << cap << QStringList() << "<missing>"_ba;
    QTest::newRow("all unchecked") << cap << QStringList{u"-abcdef"_s, u"-ab"_s} << "<missing>"_ba;
    QTest::newRow("shorter than the caption")
        << QStringList{u"Caption"_s} << QStringList{u"+ab"_s} << "Caption\t\r\nab     \t\r\n"_ba;
    QTest::newRow("longer than the caption")
        << cap << QStringList{u"+abcdef"_s} << "Cap   \t\r\nabcdef\t\r\n"_ba;
    QTest::newRow("checked rows only, in order")
        << QStringList{u"C"_s} << QStringList{u"+one"_s, u"-twotwo"_s, u"+three"_s}
        << "C     \t\r\none   \t\r\nthree \t\r\n"_ba;
    QTest::newRow("several columns")
        << QStringList{u"A"_s, u"Bee"_s, u"C"_s}
        << QStringList{u"+x|yy|zzzz"_s, u"-longer"_s, u"+p||q"_s}
        << "A     \tBee\tC   \t\r\nx     \tyy \tzzzz\t\r\np     \t   \tq   \t\r\n"_ba;
    QTest::newRow("texts as they are")
        << cap << QStringList{u"+a,\"b\"\tc "_s} << "Cap     \t\r\na,\"b\"\tc \t\r\n"_ba;
    QTest::newRow("non-ASCII, widths in 16-bit units")
        << cap << QStringList{u"+\u00E9\u20AC\U0001F600"_s, u"+\u00E9"_s}
        << "Cap \t\r\n\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\t\r\n\xC3\xA9   \t\r\n"_ba;
    QTest::newRow("escaped bytes written back")
        << cap << QStringList{u'+' + decode8Bit("\xFF\xFEz\xC3")}
        << "Cap \t\r\n\xFF\xFEz\xC3\t\r\n"_ba;
    // A byte-order mark and a kept byte are one unit each, a character beyond the BMP two.
    QTest::newRow("widths as decoded, bytes as they were")
        << QStringList{u"Caption"_s}
        << QStringList{u'+' + decode8Bit("\xEF\xBB\xBF"
                                         "a\xFF"),
                       u'+' + decode8Bit("\xF0\x9F\x98\x80\xE9\x80")}
        << "Caption\t\r\n\xEF\xBB\xBF"
           "a\xFF    \t\r\n\xF0\x9F\x98\x80\xE9\x80   \t\r\n"_ba;
    // Past the point where the disk is asked to start on what is written.
    const QByteArray long9M(9 << 20, 'w');
    QTest::newRow("a result of megabytes")
        << cap << QStringList{u'+' + QString::fromLatin1(long9M)}
        << "Cap" + QByteArray(long9M.size() - 3, ' ') + "\t\r\n" + long9M + "\t\r\n";
}

void TestResultFile::writer() {
    QFETCH(QStringList, captions);
    QFETCH(QStringList, rows);
    QFETCH(QByteArray, expected);

    QTemporaryDir dir;
    RealWindow w;
    const auto list = unshownList(captions, rows);
    const QString path = dir.filePath(u"out.csv"_s);
    const bool written = expected != "<missing>";
    QCOMPARE(
        SaveListviewProperlySpaced(*list, path, nullptr, w.events, w.toolkit.toolkit().dialogs),
        written ? OutputResult::Done : OutputResult::NothingDue);
    QCOMPARE(readAll(path), expected);
    QCOMPARE(reportedAt(), QStringList());
    QCOMPARE(snapshot(dir.path()).keys(), written ? QStringList{u"out.csv"_s} : QStringList());
}

void TestResultFile::progress_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QStringList>("texts");

    const QString w = u"Writing file: out.txt"_s;
    QTest::newRow("unchecked rows show nothing")
        << u"out.txt"_s << QStringList{u"+a"_s, u"-b"_s, u"+c"_s}
        << QList<double>{1, 10, 20, 100.0 / 3, 100, 100, 0}
        << QStringList{w, w, w, u"Done."_s, u"Progress Bar"_s};
    QTest::newRow("2500 rows")
        << u"out.txt"_s << QStringList(2500, u"+r"_s) << QList<double>()
        << QStringList{w, w, w, w + u" (1000)"_s, w + u" (2000)"_s, u"Done."_s, u"Progress Bar"_s};
    // Nothing was written: the bar must not say "Done.".
    QTest::newRow("file not created")
        << u"missing/out.txt"_s << QStringList{u"+a"_s} << QList<double>{1, 10, 0}
        << QStringList{w, w, u"Progress Bar"_s};
}

void TestResultFile::progress() {
    QFETCH(QString, file);
    QFETCH(QStringList, rows);
    QFETCH(QList<double>, values);
    QFETCH(QStringList, texts);

    QTemporaryDir dir;
    RealWindow w;
    RecordedBar bar;
    SaveListviewProperlySpaced(*unshownList({u"C"_s}, rows), dir.filePath(file), &bar, w.events,
                               w.toolkit.toolkit().dialogs);
    QCOMPARE(bar.texts, texts);
    if (!values.isEmpty()) {
        QCOMPARE(bar.values.size(), values.size());
        for (qsizetype i = 0; i < values.size(); ++i)
            QCOMPARE(bar.values.at(i), values.at(i));
        return;
    }
    // One value per row: (rows div 2000 + row) / rows, past 100 for the last row.
    QCOMPARE(bar.values.size(), 3 + rows.size() + 2);
    QCOMPARE(bar.values.mid(0, 3), (QList<double>{1, 10, 20}));
    QCOMPARE(bar.values.at(3), 2.0 / 2500 * 100);
    QCOMPARE(bar.values.at(3 + 2499), 2501.0 / 2500 * 100);
    QCOMPARE(bar.values.mid(bar.values.size() - 2), (QList<double>{100, 0}));
}

void TestResultFile::saveHandler_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("message"); // instead of the dialog, which is then not shown

    const QStringList ticked{u"+a, b, c"_s};
    const QByteArray old = "an earlier, much longer file\r\nwith two lines\r\n"_ba;
    QTest::newRow("cancel") << QString() << QByteArray() << ticked << QString();
    QTest::newRow("new file") << u"out.csv"_s << QByteArray() << ticked << QString();
    QTest::newRow("no extension added") << u"result"_s << QByteArray() << ticked << QString();
    QTest::newRow("existing file replaced") << u"old.txt"_s << old << ticked << QString();
    QTest::newRow("nothing ticked")
        << u"old.txt"_s << old << QStringList{u"-a, b, c"_s} << kNothingSavedUnticked;
    QTest::newRow("no results") << u"old.txt"_s << old << QStringList() << kNothingSavedEmpty;
}

void TestResultFile::saveHandler() {
    QFETCH(QString, name);
    QFETCH(QByteArray, existing);
    QFETCH(QStringList, rows);
    QFETCH(QString, message);

    QTemporaryDir dir;
    if (!existing.isEmpty())
        QVERIFY(testing::writeFile(dir.filePath(name), existing));
    RealWindow w;
    qt::MainWindow& window = w.toolkit.window();
    fill(w.toolkit.listView2(), rows);
    window.setPointer(99);
    QStringList offered; // the dialog's title and filters, whether it saves, how many it takes
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (message.isEmpty()) {
        dialogs().answerFileDialog([&](QFileDialog* dialog) {
            offered = {dialog->windowTitle(), dialog->nameFilters().join(u'|'),
                       dialog->acceptMode() == QFileDialog::AcceptSave ? u"save"_s : u"open"_s,
                       dialog->fileMode() == QFileDialog::ExistingFiles ? u"several"_s : u"one"_s};
            if (name.isEmpty())
                return dialog->reject();
            dialog->selectFile(dir.filePath(name));
            static_cast<QDialog*>(dialog)->accept();
        });
    } else {
        dialogs().closeMessage([&](QMessageBox* box) { icon = box->icon(); });
    }
    // A name left from an earlier use must not be taken for a choice when the user cancels.
    w.toolkit.toolkit().commonDialog1.setFileName(dir.filePath(u"left.txt"_s));
    int pointerWhileSaving = -1;
    w.events.at(1, [&] { pointerWhileSaving = window.pointer(); });
    window.pushButton1->click();
    QCOMPARE(pointerWhileSaving, name.isEmpty() || !message.isEmpty() ? -1 : 11);
    if (!message.isEmpty()) {
        QVERIFY(dialogs().fileDialogTitles().isEmpty());
        QCOMPARE(dialogs().messages(), QStringList{asShown(message)});
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(dialogs().messageTitles(), QStringList{u"Tavrolin"_s});
        QCOMPARE(snapshot(dir.path()), (QMap<QString, QByteArray>{{name, existing}}));
        QCOMPARE(window.pointer(), 99);
        return;
    }

    QCOMPARE(offered,
             (QStringList{u"Save"_s, u"CSV Files (*.csv)|Text Files (*.txt)|All Files (*)"_s,
                          u"save"_s, u"one"_s}));
    QVERIFY(dialogs().messages().isEmpty());
    if (name.isEmpty()) {
        QVERIFY(snapshot(dir.path()).isEmpty());
        QCOMPARE(window.pointer(), 99);
        QCOMPARE(w.events.calls(), 0); // nothing was written, nor any progress shown
        return;
    }
    const QByteArray expected =
        (kResultsCaption + u"\t\r\na, b, c"_s + QString(87, u' ') + u"\t\r\n"_s).toUtf8();
    QCOMPARE(snapshot(dir.path()), (QMap<QString, QByteArray>{{name, expected}}));
    QCOMPARE(window.pointer(), 0);
    QCOMPARE(barShown(window), u"0 Progress Bar"_s);
}

void TestResultFile::saveFaults_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");

    QTest::newRow("folder does not exist")
        << u"missing/out.txt"_s << u"No such file or directory"_s;
    QTest::newRow("file used as a folder") << u"old.txt/out.txt"_s << u"Not a directory"_s;
    QTest::newRow("target is a folder") << u"folder"_s << u"Is a directory"_s;
    // Opening would wait for a reader, and the window with it.
    QTest::newRow("pipe no program reads")
        << u"fifo"_s << u"No program is reading from this pipe"_s;
    QTest::newRow("another user's link in a shared folder")
        << u"shared/theirs"_s
        << u"Permission denied: a link that another user owns, in a folder every user may write "
           "to, is not followed"_s;
}

void TestResultFile::saveFaults() {
    QFETCH(QString, target);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(testing::writeFile(dir.filePath(u"old.txt"_s), "previous\r\n"));
    QVERIFY(QDir(dir.path()).mkpath(u"folder/sub"_s));
    QVERIFY(testing::writeFile(dir.filePath(u"folder/inside.txt"_s), "inside\r\n"));
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(u"fifo"_s)).constData(), 0644), 0);
    if (target.startsWith(u"shared")) {
        const QByteArray shared = QFile::encodeName(dir.filePath(u"shared"_s));
        QVERIFY(::mkdir(shared.constData(), 01777) == 0 && ::chmod(shared.constData(), 01777) == 0);
        QCOMPARE(::symlink("../old.txt", (shared + "/theirs").constData()), 0);
        if (::lchown((shared + "/theirs").constData(), 65534, 65534) != 0)
            QSKIP("needs root to give a link to another user");
    }
    const QMap<QString, QByteArray> before = snapshot(dir.path());

    RealWindow w;
    fill(w.toolkit.listView2(), {u"+one"_s, u"-two"_s, u"+three"_s});
    // Taken as chosen: the dialog would open a folder rather than choose it, but the name may
    // become a folder's after the dialog has closed.
    dialogs().answerFileDialog([&](QFileDialog* dialog) {
        dialog->selectFile(dir.filePath(target));
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
    });
    w.toolkit.window().pushButton1->click();

    // Creating fails: that alone is reported, and the bar is put at rest.
    QCOMPARE(dialogs().messages(),
             QStringList{asShown(errorReportText(u"Path/File access error: "_s +
                                                     dir.filePath(target) + u": "_s + reason,
                                                 u"Save.SaveListviewProperlySpaced"_s, 156))});
    QCOMPARE(snapshot(dir.path()), before);
    QCOMPARE(w.toolkit.window().pointer(), 0);
    QCOMPARE(barShown(w.toolkit.window()), u"0 Progress Bar"_s);
}

void TestResultFile::systemTargets_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("type"); // of the target afterwards

    QTest::addColumn<QString>("reader"); // of the pipe
    QTest::addColumn<QString>("reason"); // of the failure reported, if any

    QTest::newRow("device node") << "null"_ba << int(S_IFCHR) << QString() << QString();
    QTest::newRow("pipe with a reader")
        << "fifo"_ba << int(S_IFIFO) << u"sh -c 'head -c 140006 | wc -c'"_s << QString();
    // The window must not end with the reader.
    QTest::newRow("pipe whose reader leaves")
        << "fifo"_ba << int(S_IFIFO) << u"head -c 1 >/dev/null"_s << u"Broken pipe"_s;
    QTest::newRow("name not UTF-8") << "out\xE9.csv"_ba << int(S_IFREG) << QString() << QString();
}

// Written into, never replaced, and found by the name's bytes.
void TestResultFile::systemTargets() {
    QFETCH(QByteArray, name);
    QFETCH(int, type);
    QFETCH(QString, reader);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.path()) + '/' + name;
    if (type == S_IFCHR && ::mknod(path.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        QSKIP("needs root to make a device node");
    // The reader opens the pipe for reading and writing, which waits for no writer and never
    // reads an end, so it reads a known number of bytes; then it says it is ready.
    QProcess pipeReader;
    if (!reader.isEmpty()) {
        QCOMPARE(::mkfifo(path.constData(), 0644), 0);
        pipeReader.start(u"bash"_s,
                         {u"-c"_s, u"exec 3<> \"$0\"; echo; exec "_s + reader + u" <&3 3<&-"_s,
                          QFile::decodeName(path)});
        QVERIFY(pipeReader.waitForReadyRead(10000));
    }
    RealWindow w;
    const auto result = SaveListviewProperlySpaced(
        *unshownList({u"C"_s}, {u'+' + QString(70000, u'a')}), decode8Bit(path), nullptr, w.events,
        w.toolkit.toolkit().dialogs);
    QVERIFY2(dialogs().messages().size() < 2 && dialogs().messages().join(u"").contains(reason),
             qPrintable(dialogs().messages().join(u"|")));
    QCOMPARE(result, reason.isEmpty() ? OutputResult::Done : OutputResult::Failed);
    QCOMPARE(dialogs().messages().size(), reason.isEmpty() ? 0 : 1);
    QVERIFY(reason.isEmpty() || dialogs().messages().constFirst().contains(reason));
    struct stat status {};
    QCOMPARE(::stat(path.constData(), &status), 0);
    QCOMPARE(int(status.st_mode & S_IFMT), type);
    if (reader.contains(u"wc")) {
        QVERIFY(pipeReader.waitForFinished(10000));
        QCOMPARE(pipeReader.readAllStandardOutput(), "\n140006\n"_ba);
    }
    QProcess::execute(u"rm"_s, {u"-rf"_s, dir.path()});
}

void TestResultFile::fullDisk() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"old.txt"_s);
    QVERIFY(testing::writeFile(path, "previous\r\n"));

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kLimitedSave), path});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    const QStringList lines =
        QString::fromLatin1(child.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    // The write the limit cuts short is reported once, with the system's reason.
    QCOMPARE(lines, QStringList{u"222 Device I/O error: "_s + path + u": File too large"_s});
    QCOMPARE(snapshot(dir.path()), (QMap<QString, QByteArray>{{u"old.txt"_s, "previous\r\n"_ba}}));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kLimitedSave) == 0)
        return saveWithFileSizeLimit(QFile::decodeName(argv[2]));
    TestResultFile test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_result_file.moc"
