// Faults tried on purpose against loading and saving: each must be reported where it happens,
// and nothing that was loaded, created or saved before may be lost.

#include "common/error_report.h"
#include "qt/labelled_progress_bar.h"
#include "support/list_items.h"
#include "support/window_test.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// The path whose next open removes it first: the file vanishes after the reader has seen it
// exist and before it reads a byte, as when another program deletes it at that moment.
QByteArray g_vanishOnOpen;
bool g_vanished = false;

// The folder whose disk is nearly full: files opened in it (or on it, for a file without a
// name) take that many more bytes in all, then every write fails as on a full disk.
QByteArray g_fullFolder;
size_t g_spaceLeft = 0;
QList<int> g_fullFiles;

} // namespace

namespace {

mode_t modeOf(int flags, va_list args) {
    if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE)
        return mode_t(va_arg(args, int));
    return 0;
}

int openVanishing(const char* symbol, const char* path, int flags, mode_t mode) {
    // Joined paths may start with "//", which names the same file.
    if (!g_vanishOnOpen.isEmpty() &&
        QFile::encodeName(QDir::cleanPath(QFile::decodeName(path))) == g_vanishOnOpen) {
        g_vanished = ::unlink(path) == 0;
        g_vanishOnOpen.clear();
    }
    using Open = int (*)(const char*, int, ...);
    const auto realOpen = reinterpret_cast<Open>(dlsym(RTLD_NEXT, symbol));
    const int fd = realOpen(path, flags, mode);
    if (fd >= 0 && !g_fullFolder.isEmpty() &&
        QFile::encodeName(QDir::cleanPath(QFile::decodeName(path))).startsWith(g_fullFolder))
        g_fullFiles.append(fd);
    return fd;
}

} // namespace

// A write to a file on the nearly full disk stores what still fits; once nothing fits it
// fails with ENOSPC, as the system does.
extern "C" ssize_t write(int fd, const void* data, size_t size) {
    using Write = ssize_t (*)(int, const void*, size_t);
    static const auto realWrite = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
    if (size == 0 || !g_fullFiles.contains(fd))
        return realWrite(fd, data, size);
    if (g_spaceLeft == 0) {
        errno = ENOSPC;
        return -1;
    }
    const ssize_t written = realWrite(fd, data, std::min(size, g_spaceLeft));
    if (written > 0)
        g_spaceLeft -= size_t(written);
    return written;
}

// Qt opens files through open64, the list-file reader (which opens a path by its bytes) through
// open; these definitions come first in the lookup, so every open of the program passes here
// and goes on to the real one.
extern "C" int open64(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    return openVanishing("open64", path, flags, mode);
}

extern "C" int open(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    return openVanishing("open", path, flags, mode);
}

namespace {

// Every entry of the folder with its bytes ("<folder>" for a folder).
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QFileInfo& info :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        QFile file(info.filePath());
        files.insert(info.fileName(), info.isDir()                     ? "<folder>"_ba
                                      : file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                       : "<unreadable>"_ba);
    }
    return files;
}

// A message as its box shows it: each line break as one.
QString shown(QString text) {
    return text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
}

QStringList saveReports(const QString& description, const QList<int>& lines) {
    QStringList texts;
    for (int line : lines)
        texts.append(
            shown(errorReportText(description, u"Save.SaveListviewProperlySpaced"_s, line)));
    return texts;
}

// Makes a file, or a folder's list of names, unwritable even for root: immutable where the
// file system allows it, else read-only, which binds every user but root.
bool makeReadOnly(const QString& path, bool readOnly) {
    if (QProcess::execute(u"chattr"_s, {readOnly ? u"+i"_s : u"-i"_s, path}) == 0)
        return true;
    const QFile::Permissions enter =
        QFileInfo(path).isDir() ? QFile::ExeOwner : QFile::Permissions();
    return geteuid() != 0 &&
           QFile::setPermissions(
               path, enter | (readOnly ? QFile::ReadOwner : QFile::ReadOwner | QFile::WriteOwner));
}

const QStringList kRows{u"one"_s, u"two"_s, u"three"_s};

// The results list holds the three rows, all ticked or all but "two".
void fillResults(RealWindow& w, bool all = false) {
    qt::WidgetList& results = w.toolkit.listView2();
    for (const QString& text : kRows) {
        appendText(results, text);
        results.setItemChecked(results.itemCount(), all || text != u"two");
    }
}

QStringList texts(const ListView& list) {
    QStringList items;
    for (int item = 1; item <= list.itemCount(); ++item)
        items.append(itemText(list, item));
    return items;
}

// The bar shows what it was last given once events have run.
QString barText(RealWindow& w) {
    QCoreApplication::processEvents();
    return w.toolkit.window().progressBar1->text();
}

} // namespace

class TestFaults : public WindowTest {
    Q_OBJECT

public:
    TestFaults() : WindowTest(testing::ModalScript::Unscripted::AsUserWould) {}

private Q_SLOTS:
    void listFileVanishes_data();
    void listFileVanishes();
    void saveOverReadOnlyFile_data();
    void saveOverReadOnlyFile();
    void diskFillsDuringSave_data();
    void diskFillsDuringSave();
    void saveInReadOnlyFolder_data();
    void saveInReadOnlyFolder();
    void folderVanishesDuringSave_data();
    void folderVanishesDuringSave();
};

void TestFaults::listFileVanishes_data() {
    QTest::addColumn<bool>("several");
    QTest::addColumn<int>("line");
    QTest::newRow("the one picked file") << false << 120;
    QTest::newRow("the first of two") << true << 134;
}

void TestFaults::listFileVanishes() {
    QFETCH(bool, several);
    QFETCH(int, line);

    QTemporaryDir dir;
    QVERIFY(testing::writeFile(dir.filePath(u"gone.txt"_s), "lost\r\n"));
    QVERIFY(testing::writeFile(dir.filePath(u"kept.txt"_s), "a\r\nb\r\n"));
    RealWindow w;
    appendText(w.toolkit.listView1(), u"earlier"_s);
    QStringList picked{dir.filePath(u"gone.txt"_s)};
    if (several)
        picked.append(dir.filePath(u"kept.txt"_s));
    g_vanished = false;
    dialogs().chooseFiles(picked);
    g_vanishOnOpen = QFile::encodeName(picked.first());
    w.toolkit.window().pushButton6->click();

    QVERIFY2(g_vanished, "the file was not opened through open or open64");
    QCOMPARE(dialogs().messages(),
             QStringList{shown(errorReportText(u"Path/File access error"_s,
                                               u"Form1.PushButton6_Click"_s, line))});
    QStringList expected{u"earlier"_s};
    if (several)
        expected << u"a"_s << u"b"_s;
    QCOMPARE(texts(w.toolkit.listView1()), expected);
    QCOMPARE(w.toolkit.window().pointer(), 0);
}

void TestFaults::saveOverReadOnlyFile_data() {
    QTest::addColumn<bool>("folderToo");
    QTest::newRow("in a folder that may be written") << false;
    QTest::newRow("in a read-only folder") << true;
}

void TestFaults::saveOverReadOnlyFile() {
    QFETCH(bool, folderToo);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"old.txt"_s);
    QVERIFY(testing::writeFile(path, "previous\r\n"));
    if (!makeReadOnly(path, true) || (folderToo && !makeReadOnly(dir.path(), true)))
        QSKIP("neither chattr +i nor file permissions can make a file read-only here");
    RealWindow w;
    fillResults(w);
    dialogs().chooseFile(path);
    w.toolkit.window().pushButton1->click();
    const QMap<QString, QByteArray> after = snapshot(dir.path());
    QVERIFY(makeReadOnly(dir.path(), false) && makeReadOnly(path, false));

    // Creating fails: the file and the system's reason are reported, and nothing more.
    const QStringList messages = dialogs().messages();
    QCOMPARE(messages.size(), 1);
    const QString reason = messages.first().section(u'\n', 0, 0);
    QVERIFY2(reason == u"Path/File access error: "_s + path + u": Operation not permitted"_s ||
                 reason == u"Path/File access error: "_s + path + u": Permission denied"_s,
             qPrintable(reason));
    QCOMPARE(messages, saveReports(reason, {156}));
    QCOMPARE(after, (QMap<QString, QByteArray>{{u"old.txt"_s, "previous\r\n"_ba}}));
    QCOMPARE(texts(w.toolkit.listView2()), kRows);
    QCOMPARE(w.toolkit.window().pointer(), 0);
    QCOMPARE(barText(w), u"Progress Bar"_s);
}

// The disk fills while the first row is written (the header line takes 97 bytes): the save
// stops there with one report of the system's reason. Through a temporary file the old file
// is kept; written in place it has been emptied, and the user is told it is incomplete.
void TestFaults::diskFillsDuringSave_data() {
    QTest::addColumn<bool>("inPlace");
    QTest::addColumn<QByteArray>("left"); // the old file afterwards
    QTest::addColumn<QString>("incomplete");

    QTest::newRow("through a temporary file") << false << "previous\r\n"_ba << QString();
    const QByteArray header =
        (u"Results - Extend bar to show all >"_s + QString(59, u' ') + u">\t\r\n"_s).toUtf8();
    QTest::newRow("in place") << true << header + "one" + QByteArray(50, ' ')
                              << u". The file is now incomplete."_s;
}

void TestFaults::diskFillsDuringSave() {
    QFETCH(bool, inPlace);
    QFETCH(QByteArray, left);
    QFETCH(QString, incomplete);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"old.txt"_s);
    QVERIFY(testing::writeFile(path, "previous\r\n"));
    if (inPlace && !makeReadOnly(dir.path(), true))
        QSKIP("neither chattr +i nor folder permissions can make a folder read-only here");
    RealWindow w;
    fillResults(w);
    dialogs().chooseFile(path);
    g_fullFolder = QFile::encodeName(dir.path());
    g_spaceLeft = 150;
    w.toolkit.window().pushButton1->click();
    g_fullFolder.clear();
    g_fullFiles.clear();
    const QMap<QString, QByteArray> after = snapshot(dir.path());
    QVERIFY(makeReadOnly(dir.path(), false));

    QCOMPARE(dialogs().messages(), saveReports(u"Device I/O error: "_s + path +
                                                   u": No space left on device"_s + incomplete,
                                               {222}));
    QCOMPARE(after, (QMap<QString, QByteArray>{{u"old.txt"_s, left}}));
    QCOMPARE(w.toolkit.window().pointer(), 0);
    QCOMPARE(barText(w), u"Progress Bar"_s);
    QCOMPARE(w.toolkit.window().progressBar1->value(), 0);
}

// A folder that refuses the temporary file, holding a file that may be written: the file is
// written in place. It is opened only when the first row is due, so a save that ends before
// (nothing left to write, the window closed) leaves it as it was. Three rows, two checked: the
// header is written after pump 8, the first row after pump 14.
void TestFaults::saveInReadOnlyFolder_data() {
    QTest::addColumn<int>("pump");
    QTest::addColumn<int>("untickedOrClosed"); // 0: nothing happens, 1: all unticked, 2: closed
    QTest::newRow("written in place") << 0 << 0;
    QTest::newRow("unticked before the first row") << 12 << 1;
    QTest::newRow("closed before the first row") << 12 << 2;
}

void TestFaults::saveInReadOnlyFolder() {
    QFETCH(int, pump);
    QFETCH(int, untickedOrClosed);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"old.txt"_s);
    QVERIFY(testing::writeFile(path, "previous\r\n"));
    if (!makeReadOnly(dir.path(), true))
        QSKIP("neither chattr +i nor folder permissions can make a folder read-only here");
    const bool refuses = !QFile(dir.filePath(u"probe"_s)).open(QIODevice::WriteOnly);
    RealWindow w;
    fillResults(w);
    dialogs().chooseFile(path);
    w.events.at(pump, [&] {
        if (untickedOrClosed == 1) {
            w.toolkit.listView2().setItemChecked(1, false);
            w.toolkit.listView2().setItemChecked(3, false);
        } else {
            w.toolkit.window().close();
        }
    });
    w.toolkit.window().pushButton1->click();
    const QMap<QString, QByteArray> after = snapshot(dir.path());
    QVERIFY(makeReadOnly(dir.path(), false));
    QVERIFY2(refuses, "the folder still takes new files");

    QCOMPARE(w.toolkit.window().ended(), untickedOrClosed == 2);
    QByteArray whole =
        (u"Results - Extend bar to show all >"_s + QString(59, u' ') + u">\t\r\n"_s).toUtf8();
    for (const QString& text : {u"one"_s, u"three"_s})
        whole += (text.leftJustified(94) + u"\t\r\n"_s).toUtf8();
    const QByteArray expected = untickedOrClosed == 0 ? whole : "previous\r\n"_ba;
    QCOMPARE(after, (QMap<QString, QByteArray>{{u"old.txt"_s, expected}}));
    const QStringList messages = dialogs().messages();
    if (untickedOrClosed == 1)
        QCOMPARE(messages.size(), 1);
    else
        QCOMPARE(messages, QStringList());
}

// Three checked rows: the save lets events run 22 times and creates its file between pumps 7
// and 8; the user (or another program) removes the target folder at the given pump.
void TestFaults::folderVanishesDuringSave_data() {
    QTest::addColumn<int>("pump");
    QTest::addColumn<bool>("recreated");
    QTest::newRow("while the rows are written") << 8 << false;
    QTest::newRow("before the last line") << 22 << false;
    QTest::newRow("replaced by an empty folder") << 15 << true;
}

void TestFaults::folderVanishesDuringSave() {
    QFETCH(int, pump);
    QFETCH(bool, recreated);

    QTemporaryDir dir;
    const QString folder = dir.filePath(u"out"_s);
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(testing::writeFile(folder + u"/old.txt"_s, "previous\r\n"));
    RealWindow w;
    fillResults(w, true);
    dialogs().chooseFile(folder + u"/old.txt"_s);
    bool removed = false;
    w.events.at(pump, [&] {
        removed = QDir(folder).removeRecursively() && (!recreated || QDir().mkpath(folder));
    });
    w.toolkit.window().pushButton1->click();

    QVERIFY(removed);
    QCOMPARE(texts(w.toolkit.listView2()), kRows);
    QCOMPARE(w.toolkit.window().pointer(), 0);
    // The save ends whole or not at all. Where the file system lets a file be written without a
    // name (Qt then names it at the commit), it lands complete in a folder made anew.
    const QStringList messages = dialogs().messages();
    if (recreated && messages.isEmpty()) {
        QByteArray whole =
            (u"Results - Extend bar to show all >"_s + QString(59, u' ') + u">\t\r\n"_s).toUtf8();
        for (const QString& text : kRows)
            whole += (text.leftJustified(94) + u"\t\r\n"_s).toUtf8();
        QCOMPARE(snapshot(folder), (QMap<QString, QByteArray>{{u"old.txt"_s, whole}}));
        return;
    }
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().startsWith(u"Device I/O error: "_s), qPrintable(messages.first()));
    QVERIFY(messages.first().endsWith(
        shown(errorReportText(QString(), u"Save.SaveListviewProperlySpaced"_s, 232))));
    QVERIFY(snapshot(folder).isEmpty());
    QCOMPARE(snapshot(dir.path()).keys(), recreated ? QStringList{u"out"_s} : QStringList());
}

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
