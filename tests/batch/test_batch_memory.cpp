// Each tool run by the program under a limit on its memory (ulimit -v in a child shell), from a
// limit too small for the job up to one it fits in. Wherever memory runs out, the job must end
// as a failure that says so: status 1, "out of memory", and no output file left, never a
// signal (std::terminate) or a partial file. Where the program cannot run under a limit at all
// (AddressSanitizer reserves terabytes at start), the test skips.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Enough entries for every tool to need tens of megabytes beyond the program's own.
constexpr int kEntries = 300'000;
// In KiB: a limit that any job here fits in, and how close the search for the least comes.
constexpr qint64 kMostKib = 2 * 1024 * 1024;
constexpr qint64 kResolutionKib = 4096;
// Limits tried below the least the job needs, besides those of the search.
constexpr int kLimitsBelowEnough = 6;

enum class Outcome { Done, OutOfMemory };

} // namespace

class TestBatchMemory : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void failsCleanlyWhereverMemoryRunsOut_data();
    void failsCleanlyWhereverMemoryRunsOut();

private:
    // Runs the job under the limit and checks, when `judged`, that it either did its work or
    // failed as it must. (Under too small a limit the program cannot even start.)
    Outcome run(qint64 limitKib, const QStringList& arguments, const QString& input,
                bool judged = true);
    // The least limit, from `least` up, under which the job is done.
    qint64 enough(qint64 least, const QStringList& arguments, const QString& input,
                  bool judged = true);

    QTemporaryDir m_dir;
    QString m_input;
    QString m_output;
    qint64 m_programKib = 0;
};

Outcome TestBatchMemory::run(qint64 limitKib, const QStringList& arguments, const QString& input,
                             bool judged) {
    QProcess job;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    job.setProcessEnvironment(environment);
    job.start(u"/bin/sh"_s,
              QStringList{u"-c"_s, u"ulimit -v %1 && exec \"$0\" \"$@\""_s.arg(limitKib),
                          QStringLiteral(TAVROLIN_PROGRAM), u"--join"_s, u","_s} +
                  arguments + QStringList{input, u"-o"_s, m_output});
    const QString where = u" under %1 KiB: "_s.arg(limitKib);
    if (!job.waitForFinished(120'000) || (judged && job.exitStatus() != QProcess::NormalExit)) {
        QTest::qFail(qPrintable(where + u"ended by a signal: "_s +
                                QString::fromLocal8Bit(job.readAllStandardError())),
                     __FILE__, __LINE__);
        return Outcome::OutOfMemory;
    }
    const QByteArray errors = job.readAllStandardError();
    // Besides the inputs, the result and nothing else, or nothing at all.
    QStringList left = QDir(m_dir.path()).entryList(QDir::Files);
    const bool written = left.removeAll(QFileInfo(m_output).fileName()) == 1;
    left.removeAll(QFileInfo(input).fileName());
    left.removeAll(QFileInfo(m_input).fileName());
    QFile::remove(m_output);
    if (job.exitCode() == 0 && written && errors.isEmpty() && left.isEmpty())
        return Outcome::Done;
    if (judged && (job.exitCode() != 1 || errors != "tavrolin: out of memory\n" || written ||
                   !left.isEmpty()))
        QTest::qFail(
            qPrintable(where + u"status %1, output %2, other files %3: %4"_s.arg(job.exitCode())
                                   .arg(written)
                                   .arg(left.join(u' '), QString::fromLocal8Bit(errors))),
            __FILE__, __LINE__);
    return Outcome::OutOfMemory;
}

qint64 TestBatchMemory::enough(qint64 least, const QStringList& arguments, const QString& input,
                               bool judged) {
    qint64 most = kMostKib;
    while (most - least > kResolutionKib && !QTest::currentTestFailed()) {
        const qint64 middle = (least + most) / 2;
        (run(middle, arguments, input, judged) == Outcome::Done ? most : least) = middle;
    }
    return most;
}

void TestBatchMemory::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_input = m_dir.filePath(u"list.txt"_s);
    m_output = m_dir.filePath(u"joined.txt"_s);
    const QString tiny = m_dir.filePath(u"tiny.txt"_s);
    // Duplicates, spaces to trim, empty entries, separators and quotes for every tool.
    QByteArray list;
    for (int i = 0; i < kEntries; ++i) {
        if (i % 100 != 0)
            list += " \"Entry\", " + QByteArray::number(i % 70'000) + ' ';
        list += '\n';
    }
    for (const auto& [path, bytes] : {std::pair(m_input, list), std::pair(tiny, "b\na\n"_ba)}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    if (run(kMostKib, {}, tiny, false) != Outcome::Done)
        QSKIP("The program cannot run under a memory limit here (a sanitizer build?)");
    m_programKib = enough(0, {}, tiny, false);
    QVERIFY(QFile::remove(tiny));
}

void TestBatchMemory::failsCleanlyWhereverMemoryRunsOut_data() {
    QTest::addColumn<QStringList>("tool");
    QTest::newRow("sort") << QStringList{u"--sort"_s};
    QTest::newRow("sort descending") << QStringList{u"--sort-desc"_s};
    QTest::newRow("reverse") << QStringList{u"--reverse"_s};
    QTest::newRow("dedupe") << QStringList{u"--dedupe"_s};
    QTest::newRow("dedupe, rules") << QStringList{u"--dedupe"_s, u"--ignore-case"_s,
                                                  u"--ignore-spaces"_s, u"--keep"_s, u"once"_s};
    QTest::newRow("trim") << QStringList{u"--trim"_s};
    QTest::newRow("drop empty") << QStringList{u"--drop-empty"_s};
    QTest::newRow("wrap") << QStringList{u"--wrap"_s, u"sql"_s};
    QTest::newRow("split") << QStringList{u"--split"_s, u","_s};
    QTest::newRow("split, CSV") << QStringList{u"--split"_s, u","_s, u"--quotes"_s, u"csv"_s};
    QTest::newRow("all in turn") << QStringList{u"--trim"_s, u"--sort"_s, u"--dedupe"_s,
                                                u"--reverse"_s};
}

void TestBatchMemory::failsCleanlyWhereverMemoryRunsOut() {
    QFETCH(QStringList, tool);
    // Too little for the list, whatever the tool: the failure is seen at least once.
    QCOMPARE(run(m_programKib, tool, m_input), Outcome::OutOfMemory);
    const qint64 needed = enough(m_programKib, tool, m_input);
    QVERIFY2(needed < kMostKib, "the job is not done even with all the memory tried");
    // Limits spread up to what the job needs, each running out at another point of the work.
    for (int k = 1; k <= kLimitsBelowEnough && !QTest::currentTestFailed(); ++k)
        run(needed - k * (needed - m_programKib) / (kLimitsBelowEnough + 1), tool, m_input);
}

QTEST_GUILESS_MAIN(TestBatchMemory)
#include "test_batch_memory.moc"
