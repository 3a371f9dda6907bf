// Batch mode as a script meets it: the arguments, the bytes written, the exit status and the
// message, for whole jobs run on files and standard input.

#include "batch/batch_arguments.h"
#include "batch/compact_entries.h"
#include "common/text_encoding.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// Entries in big.txt: over 4 MB, more than one of the pieces a job streams in.
constexpr int kBig = 700000;

// The files every job may name (as @name).
QList<std::pair<QString, QByteArray>> inputFiles() {
    QByteArray big;
    for (int i = 0; i < kBig; ++i)
        big += " " + QByteArray::number(i) + " \n";
    return {
        {u"lf.txt"_s, "b\na\n\nc\n"},
        {u"crlf.txt"_s, "\xEF\xBB\xBFone\r\ntwo\rthree"},
        {u"utf16.txt"_s, QByteArray("\xFF\xFEx\0\n\0y\0", 8)},
        {u"kept.txt"_s, "caf\xE9\nO'Brien\n"},
        {u"dupes.txt"_s, "a\n A\na \nb\na\nb\nc\n"},
        {u"split.txt"_s, "a,\"b, c\",d\n'e,f'\n"},
        {u"big.txt"_s, big},
        {u"people.csv"_s, "name,E-mail\nAda,ada@x\nBob,\"b,ob@x\"\nCy\n"},
        {u"semi.tsv"_s, "a;b\t c\n1;2\t\"3\n"},
        {u"tabs.tsv"_s, "a\tb,c\n1\t2,3\n4\t5,6\n"},
    };
}

// A folder that takes no new file, even for root where chattr works.
bool lockFolder(const QString& path, bool locked) {
    if (QProcess::execute(u"chattr"_s, {locked ? u"+i"_s : u"-i"_s, path}) == 0)
        return true;
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner |
                                           (locked ? QFile::Permissions() : QFile::WriteOwner)) &&
           !QFileInfo(path).isWritable();
}

// Runs the job on buffers: the input given, the bytes written and told kept. -1: no buffer.
int runOn(const BatchJob& job, QByteArray input, QByteArray& written, QByteArray& told) {
    QBuffer in(&input);
    QBuffer out(&written);
    QBuffer errors(&told);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly) ||
        !errors.open(QIODevice::WriteOnly))
        return -1;
    return runBatchJob(job, {in, out, errors});
}

// The entries of big.txt trimmed, each `times` times in a row.
QByteArray bigJoined(bool reversed = false, int times = 1) {
    QByteArray joined;
    for (int i = 0; i < kBig * times; ++i)
        joined +=
            (i == 0 ? "" : ",") + QByteArray::number(reversed ? kBig - 1 - i / times : i / times);
    return joined + '\n';
}

} // namespace

class TestBatch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void job_data();
    void job();
    void outputFile_data();
    void outputFile();
    void compactEntriesPassBoundaries();

private:
    QTemporaryDir m_dir;
};

void TestBatch::initTestCase() {
    QVERIFY(m_dir.isValid());
    for (const auto& [name, bytes] : inputFiles()) {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QVERIFY(QDir(m_dir.path()).mkdir(u"folder"_s));
}

void TestBatch::job_data() {
    QTest::addColumn<QStringList>("arguments"); // after the program's path; @name is a file
    QTest::addColumn<QByteArray>("input");      // standard input
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QString>("message"); // the start of standard error

    const auto row = [](const char* name, const QString& arguments, const QByteArray& output,
                        const QByteArray& input = {}) {
        QTest::newRow(name) << arguments.split(u' ') << input << 0 << output << QString();
    };
    row("lines as paste joins them", u"--join , @lf.txt"_s, "b,a,,c\n");
    row("mark, CR LF, CR, no last end", u"--join=; @crlf.txt"_s, "one;two;three\n");
    row("UTF-16 decoded", u"--join + @utf16.txt"_s, "x+y\n");
    row("kept bytes pass", u"--join | @kept.txt"_s, "caf\xE9|O'Brien\n");
    row("files in order, - is input", u"--join , @utf16.txt - @lf.txt"_s, "x,y,in,b,a,,c\n",
        "in\n");
    row("no file reads input", u"--join ,"_s, "p,q\n", "p\nq");
    row("empty input, one empty line", u"--join ,"_s, "\n");
    row("escaped tab", u"--join \\t @utf16.txt"_s, "x\ty\n");
    row("escaped line break and backslash", u"--join \\n\\\\ @utf16.txt"_s, "x\n\\y\n");
    row("longer separator", u"--join <-> @utf16.txt"_s, "x<->y\n");
    row("sort", u"--join , --sort @lf.txt"_s, ",a,b,c\n");
    row("sort Z to A", u"--join , --sort-desc @lf.txt"_s, "c,b,a,\n");
    row("reverse is the tool", u"--join , --reverse @lf.txt"_s, "c,,a,b\n");
    row("drop empty", u"--join , --drop-empty @lf.txt"_s, "b,a,c\n");
    row("tools in order: trim, dedupe", u"--join , --trim --dedupe @dupes.txt"_s, "a,A,b,c\n");
    row("tools in order: dedupe, trim", u"--join , --dedupe --trim @dupes.txt"_s, "a,A,a,b,c\n");
    row("wrap sql doubles quotes", u"--join , --wrap sql @kept.txt"_s, "'caf\xE9','O''Brien'\n");
    row("wrap csv", u"--join , --wrap=csv @utf16.txt"_s, "\"x\",\"y\"\n");
    row("wrap with a pair", u"--join , --wrap-with [ \\t] @utf16.txt"_s, "[x\t],[y\t]\n");
    // A JSON string is UTF-8: the kept byte becomes the character it shows as.
    row("a JSON array", u"--join , --wrap json --before [ --after ] @kept.txt"_s,
        "[\"caf\xC3\xA9\",\"O'Brien\"]\n");
    row("wrap regex", u"--join | --wrap regex"_s, "a\\.b|\\(c\\)\n", "a.b\n(c)\n");
    row("wrap shell", u"--join + --wrap shell @kept.txt"_s, "'caf\xE9'+'O'\\''Brien'\n");
    row("split JSON strings", u"--join | --split , --quotes json"_s, "a,b|c\"d|e\n",
        "\"a,b\",\"c\\\"d\",e\n");
    row("split", u"--join | --split , @split.txt"_s, "a|\"b| c\"|d|'e|f'\n");
    row("split in csv quotes", u"--join | --split , --quotes csv @split.txt"_s, "a|b, c|d|'e|f'\n");
    row("quotes before their split", u"--join | --quotes sql --split , @split.txt"_s,
        "a|\"b| c\"|d|e,f\n");
    row("dedupe ignoring case and spaces",
        u"--join , --ignore-spaces --dedupe --ignore-case @dupes.txt"_s, "a,b,c\n");
    row("dedupe keeps last", u"--join , --dedupe --keep last @dupes.txt"_s, " A,a ,a,b,c\n");
    row("dedupe keeps once", u"--join , --dedupe --keep=once @dupes.txt"_s, " A,a ,c\n");
    row("dedupe keeps repeated", u"--join , --dedupe --keep repeated @dupes.txt"_s, "a,b\n");
    row("groups with before and after", u"--join , --group 2 --before ( --after ) @lf.txt"_s,
        "(b,a)\n(,c)\n");
    row("group larger than the list", u"--join , --group 9 @lf.txt"_s, "b,a,,c\n");
    row("group 0 is one line", u"--join , --group 0 --before < @lf.txt"_s, "<b,a,,c\n");
    row("streamed in pieces, trimmed", u"--join , --trim @big.txt"_s, bigJoined());
    row("whole list over many pieces", u"--join , --trim --reverse @big.txt"_s, bigJoined(true));
    row("sorted whole", u"--join , --trim --sort @big.txt @big.txt"_s, bigJoined(false, 2));
    row("sorted Z to A whole", u"--join , --trim --sort-desc @big.txt"_s, bigJoined(true));
    row("deduplicated whole", u"--join , --trim --dedupe @big.txt @big.txt"_s, bigJoined());
    row("aligned", u"--join , --aligned @utf16.txt"_s,
        "Results - Extend bar to show all >" + QByteArray(59, ' ') + ">\t\r\nx,y" +
            QByteArray(91, ' ') + "\t\r\n");
    row("-- ends the options", u"--join , -- -"_s, "q\n", "q\n");
    row("column by number, header a value", u"--join | --column 1 @people.csv"_s,
        "name|Ada|Bob|Cy\n");
    row("--header leaves the first row out", u"--join | --header --column=1 @people.csv"_s,
        "Ada|Bob|Cy\n");
    row("tab guessed", u"--join | --column 2 @tabs.tsv"_s, "b,c|2,3|5,6\n");
    row("delimiter given", u"--join | --column 2 --delimiter ; @semi.tsv"_s, "b\t c|2\t\"3\n");
    row("column from standard input, guessed", u"--join | --column 2 -"_s, "b|d\n", "a;b\nc;d\n");
    row("column of each file", u"--join | --column 1 --delimiter tab @tabs.tsv -"_s, "a|1|4|x\n",
        "x\ty\n");
    const auto warned = [](const char* name, const QString& arguments, const QByteArray& output,
                           const QString& message) {
        QTest::newRow(name) << arguments.split(u' ') << QByteArray() << 0 << output << message;
    };
    // As csvcut does, a short row gives an empty value: entry n stays row n's.
    warned("named column, a short row told", u"--join | --column e-mail @people.csv"_s,
           "ada@x|b,ob@x|\n",
           u"tavrolin: @people.csv: line 4: 1 row lacks column 2, an empty entry for each\n"_s);
    warned("a quote never closed told", u"--join | --column 2 --delimiter=\\t @semi.tsv"_s,
           " c|\"3\n", u"tavrolin: @semi.tsv: line 2: a quote is never closed"_s);

    const auto failing = [](const char* name, const QString& arguments, const QString& message) {
        QTest::newRow(name) << arguments.split(u' ') << QByteArray("unread\n") << 1 << QByteArray()
                            << message;
    };
    // Nothing is written, not even for the file before the missing one.
    failing("missing file", u"--join , @lf.txt @nope.txt"_s, u"tavrolin: @nope.txt: No such"_s);
    failing("folder", u"--join , @folder"_s, u"tavrolin: @folder: Is a folder"_s);
    failing("no column of the name", u"--join , --column mail @people.csv"_s,
            u"tavrolin: @people.csv: no column is named \"mail\""_s);
    // A name in a message shows what the lists would show, and no raw control character.
    failing("empty name", u"--join , "_s, u"tavrolin: '': No such file"_s);
    failing("name with a line break", u"--join , @a\nb\\n"_s, u"tavrolin: @a\\nb\\\\n: No"_s);
    failing("name not UTF-8", u"--join , @"_s + decode8Bit("caf\xE9\x1B"),
            u"tavrolin: @caf\u00E9\\x1B: No such file"_s);

    QTest::newRow("help") << QStringList{u"--join"_s, u","_s, u"-h"_s} << QByteArray() << 0
                          << QByteArray() << u"Usage: tavrolin [FILE...]\n  or:  tavrolin"_s;
    QTest::newRow("version") << QStringList{u"--version"_s, u"--join=,"_s} << QByteArray() << 0
                             << QByteArray() << u"Tavrolin "_s;

    const auto usage = [](const char* name, const QString& arguments, const QString& message) {
        QTest::newRow(name) << arguments.split(u' ') << QByteArray() << 2 << QByteArray()
                            << u"tavrolin: "_s + message;
    };
    usage("unknown option", u"--join , --sorted"_s, u"unknown option '--sorted'"_s);
    usage("no separator", u"@lf.txt --join"_s, u"option '--join' needs a value"_s);
    usage("group not a number", u"--join , --group x"_s, u"option '--group' takes a whole"_s);
    usage("group negative", u"--join , --group -1"_s, u"option '--group' takes a whole"_s);
    for (const char* group : {"5 ", " 5", "+5"})
        QTest::newRow(group) << QStringList{u"--join"_s, u","_s, u"--group"_s,
                                            QString::fromUtf8(group)}
                             << QByteArray() << 2 << QByteArray()
                             << u"tavrolin: option '--group' takes a whole number"_s;
    usage("unknown wrap", u"--join , --wrap xml"_s,
          u"option '--wrap' takes csv|sql|none|json|regex|shell"_s);
    usage("keep without dedupe", u"--join , --keep last"_s, u"option '--keep' needs --dedupe"_s);
    usage("quotes without split", u"--join , --quotes csv"_s, u"option '--quotes' needs --split"_s);
    usage("flag with a value", u"--join , --sort=yes"_s, u"option '--sort' takes no value"_s);
    usage("column 0", u"--join , --column 0"_s, u"option '--column' counts from 1, not '0'"_s);
    usage("delimiter of two", u"--join , --column 1 --delimiter ;;"_s,
          u"option '--delimiter' takes"_s);
    usage("delimiter a quote", u"--join , --column 1 --delimiter \""_s,
          u"option '--delimiter' takes"_s);
    usage("header without column", u"--join , --header"_s, u"option '--header' needs --column"_s);
    usage("wrap-with lacks after", u"--join , --wrap-with ["_s, u"option '--wrap-with' needs"_s);
}

void TestBatch::job() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QByteArray, output);
    QFETCH(QString, message);

    for (QString& argument : arguments)
        argument.replace(u'@', m_dir.path() + u'/');
    const BatchArguments parsed =
        parseBatchArguments(QStringList{u"/usr/bin/tavrolin"_s} + arguments, m_dir.path());
    QByteArray written;
    QByteArray told = parsed.job ? QByteArray() : parsed.text.toUtf8();
    const int ran = parsed.job ? runOn(*parsed.job, input, written, told) : parsed.exitStatus;
    QCOMPARE(ran, status);
    QCOMPARE(written, output);
    QVERIFY2(QString::fromUtf8(told).startsWith(message.replace(u'@', m_dir.path() + u'/')),
             told.constData());
    QCOMPARE(told.isEmpty(), message.isEmpty());
}

void TestBatch::outputFile_data() {
    QTest::addColumn<QString>("target"); // in the temporary folder
    QTest::addColumn<QString>("inputFile");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("after"); // the target's bytes afterwards; null: no file

    QTest::newRow("written") << u"out.txt"_s << u"lf.txt"_s << 0 << QByteArray("b,a,,c\n");
    QTest::newRow("old file kept on a missing input")
        << u"old.txt"_s << u"nope.txt"_s << 1 << QByteArray("old\n");
    QTest::newRow("missing folder") << u"none/out.txt"_s << u"lf.txt"_s << 1 << QByteArray();
    QTest::newRow("read-only folder refuses the temporary file")
        << u"locked/out.txt"_s << u"lf.txt"_s << 1 << QByteArray("old\n");
}

void TestBatch::outputFile() {
    QFETCH(QString, target);
    QFETCH(QString, inputFile);
    QFETCH(int, status);
    QFETCH(QByteArray, after);

    QTemporaryDir dir;
    QDir(dir.path()).mkdir(u"locked"_s);
    for (const QString& old : {u"old.txt"_s, u"locked/out.txt"_s}) {
        QFile file(dir.filePath(old));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old\n") == 4);
    }
    const bool locked = target.startsWith(u"locked");
    if (locked && !lockFolder(dir.filePath(u"locked"_s), true))
        QSKIP("neither chattr +i nor permissions can lock a folder here");

    const BatchArguments parsed = parseBatchArguments(
        {u"tavrolin"_s, u"--join"_s, u","_s, u"-o"_s, target, m_dir.filePath(inputFile)},
        dir.path());
    QVERIFY(parsed.job);
    QByteArray written;
    QByteArray told;
    const int ran = runOn(*parsed.job, {}, written, told);
    if (locked)
        lockFolder(dir.filePath(u"locked"_s), false);
    QCOMPARE(ran, status);
    QCOMPARE(written, QByteArray());
    QFile result(dir.filePath(target));
    QCOMPARE(result.open(QIODevice::ReadOnly) ? result.readAll() : QByteArray(), after);
    QCOMPARE(told.contains(QDir::toNativeSeparators(dir.filePath(target)).toUtf8()) ||
                 told.contains(inputFile.toUtf8()),
             status != 0);
    // No temporary file is left beside the target.
    QStringList left = QDir(QFileInfo(result).path()).entryList(QDir::Files);
    left.removeAll(u"old.txt"_s);
    left.removeAll(QFileInfo(result).fileName());
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
}

// With 3 bits kept, every 8 bytes is a boundary that 4 GiB is in real use: entries that end
// on one, cross one, cross two at once, and empty ones at a boundary.
void TestBatch::compactEntriesPassBoundaries() {
    const QByteArrayList appended{"abc", "defgh", "", "ijklmnopqrstuvwxyz", "", "1", "2345678"};
    CompactEntries entries(3);
    for (const QByteArray& entry : appended)
        entries.append(entry);
    const EntryBytes view = entries.view();
    QCOMPARE(view.count, appended.size());
    QCOMPARE(view.byteCount, appended.join().size());
    for (qsizetype i = 0; i < appended.size(); ++i)
        QCOMPARE(view.at(i), QByteArrayView(appended.at(i)));
    entries.clear();
    QCOMPARE(entries.size(), 0);
}

QTEST_GUILESS_MAIN(TestBatch)
#include "test_batch.moc"
