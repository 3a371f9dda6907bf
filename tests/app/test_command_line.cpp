// The program's command line: which files it loads at start, and when it answers at once
// instead of opening the window.

#include "app/command_line.h"
#include "common/text_encoding.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

using namespace tavrolin;
using namespace Qt::StringLiterals;

class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void windowSystemOptions_data();
    void windowSystemOptions();
    void streams_data();
    void streams();
    void closedInputReopened();
};

void TestCommandLine::parse_data() {
    QTest::addColumn<QStringList>("arguments"); // after the program's path
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("exitStatus"); // -1: the window opens
    QTest::addColumn<QString>("textStart");

    const QString noText;
    QTest::newRow("nothing") << QStringList() << QStringList() << -1 << noText;
    QTest::newRow("relative, in order, repeated")
        << QStringList{u"b.txt"_s, u"sub/a.txt"_s, u"b.txt"_s}
        << QStringList{u"/work/b.txt"_s, u"/work/sub/a.txt"_s, u"/work/b.txt"_s} << -1 << noText;
    QTest::newRow("absolute kept as given")
        << QStringList{u"/data/x y.txt"_s, u"../up.txt"_s}
        << QStringList{u"/data/x y.txt"_s, u"/work/../up.txt"_s} << -1 << noText;
    QTest::newRow("empty argument stays empty")
        << QStringList{QString(), u"a"_s} << QStringList{QString(), u"/work/a"_s} << -1 << noText;
    QTest::newRow("dash alone is a file")
        << QStringList{u"-"_s} << QStringList{u"/work/-"_s} << -1 << noText;
    QTest::newRow("dashed names after --")
        << QStringList{u"--"_s, u"--help"_s, u"-v"_s}
        << QStringList{u"/work/--help"_s, u"/work/-v"_s} << -1 << noText;
    QTest::newRow("names not valid UTF-8 keep their bytes")
        << QStringList{decode8Bit("caf\xE9.txt"), decode8Bit("/d\xFF/\xC3")}
        << QStringList{u"/work/"_s + decode8Bit("caf\xE9.txt"), decode8Bit("/d\xFF/\xC3")} << -1
        << noText;
    QTest::newRow("URI is no path") << QStringList{u"file:///data/a.txt"_s}
                                    << QStringList{u"/work/file:///data/a.txt"_s} << -1 << noText;
    QTest::newRow("help") << QStringList{u"--help"_s} << QStringList() << 0
                          << u"Usage: tavrolin [FILE...]\n  or:  tavrolin --join SEP [options]"_s;
    QTest::newRow("help wins over files")
        << QStringList{u"a.txt"_s, u"-h"_s} << QStringList() << 0 << u"Usage: "_s;
    QTest::newRow("version") << QStringList{u"-v"_s} << QStringList() << 0 << u"Tavrolin "_s;
    QTest::newRow("unknown long option")
        << QStringList{u"a.txt"_s, u"--bogus"_s} << QStringList() << 2
        << u"tavrolin: Unknown option 'bogus'.\nTry 'tavrolin --help'"_s;
    QTest::newRow("unknown short option")
        << QStringList{u"-x"_s} << QStringList() << 2 << u"tavrolin: Unknown option 'x'."_s;
    QTest::newRow("batch tool without --join")
        << QStringList{u"--sort"_s, u"names.txt"_s} << QStringList() << 2
        << u"tavrolin: '--sort' is a batch option: use it with --join SEP\nTry"_s;
    QTest::newRow("batch output without --join")
        << QStringList{u"-o"_s, u"x"_s} << QStringList() << 2 << u"tavrolin: '-o' is a batch"_s;
    QTest::newRow("batch job, no files to load")
        << QStringList{u"a.txt"_s, u"--join"_s, u","_s} << QStringList() << -1 << noText;
    QTest::newRow("batch usage error") << QStringList{u"--join=,"_s, u"--bogus"_s} << QStringList()
                                       << 2 << u"tavrolin: unknown option '--bogus'"_s;
}

void TestCommandLine::parse() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, files);
    QFETCH(int, exitStatus);
    QFETCH(QString, textStart);

    // The arguments arrive as the system's bytes.
    QList<QByteArray> bytes{"/usr/bin/tavrolin"};
    for (const QString& argument : arguments)
        bytes.append(encode8Bit(argument));
    std::vector<const char*> argv;
    for (const QByteArray& argument : bytes)
        argv.push_back(argument.constData());
    const CommandLine line =
        parseCommandLine(argumentsOf(int(argv.size()), argv.data()), u"/work"_s);
    QCOMPARE(line.files, files);
    QCOMPARE(line.batch.has_value(), arguments.contains(u"--join"_s));
    QCOMPARE(line.exitStatus.value_or(-1), exitStatus);
    QVERIFY2(line.text.startsWith(textStart), qPrintable(line.text));
    QCOMPARE(line.text.isEmpty(), textStart.isEmpty());
    if (exitStatus >= 0)
        QVERIFY(line.text.endsWith(u'\n'));
}

void TestCommandLine::windowSystemOptions_data() {
    QTest::addColumn<QStringList>("arguments"); // after the program's path
    QTest::addColumn<QStringList>("kept");

    QTest::newRow("value apart") << QStringList{u"-platform"_s, u"xcb"_s, u"--help"_s}
                                 << QStringList{u"--help"_s};
    QTest::newRow("value joined, two dashes")
        << QStringList{u"--style=fusion"_s, u"a.txt"_s} << QStringList{u"a.txt"_s};
    QTest::newRow("without value") << QStringList{u"-reverse"_s, u"-v"_s} << QStringList{u"-v"_s};
    QTest::newRow("ours and unknown kept")
        << QStringList{u"--bogus"_s, u"-"_s, u"-h"_s} << QStringList{u"--bogus"_s, u"-"_s, u"-h"_s};
    QTest::newRow("names after --") << QStringList{u"--"_s, u"-platform"_s, u"x"_s}
                                    << QStringList{u"--"_s, u"-platform"_s, u"x"_s};
    // A batch job opens no window: its --reverse is the tool.
    QTest::newRow("batch job kept whole")
        << QStringList{u"-reverse"_s, u"--join=,"_s} << QStringList{u"-reverse"_s, u"--join=,"_s};
}

void TestCommandLine::windowSystemOptions() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, kept);
    QCOMPARE(withoutWindowSystemOptions(QStringList{u"/usr/bin/tavrolin"_s} + arguments),
             QStringList{u"/usr/bin/tavrolin"_s} + kept);
}

// The program run by a shell whose redirection leaves a standard stream full or closed, as a
// script may run it; QProcess can neither close a descriptor nor give a full device.
void TestCommandLine::streams_data() {
    QTest::addColumn<QString>("arguments"); // @ is a file holding "x"
    QTest::addColumn<QString>("redirection");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QByteArray>("message");

    const QByteArray full = "tavrolin: standard output: No space left on device\n";
    const auto row = [](const char* name, const char* arguments, const char* redirection,
                        int status, const QByteArray& output, const QByteArray& message) {
        QTest::newRow(name) << QString::fromUtf8(arguments) << QString::fromUtf8(redirection)
                            << status << output << message;
    };
    row("help, disk full", "--help", ">/dev/full", 1, {}, full);
    row("version, disk full", "--version", ">/dev/full", 1, {}, full);
    row("batch help, disk full", "--join , --help", ">/dev/full", 1, {}, full);
    row("refusal, disk full", "--bogus", ">/dev/full", 2, {}, "tavrolin: Unknown option");
    row("job reads closed input", "--join ,", "<&-", 1, {}, "tavrolin: standard input is closed\n");
    row("job reads closed input as -", "--join , @ -", "<&-", 1, {},
        "tavrolin: standard input is closed\n");
    row("job reads closed input by name", "--join , /dev/./stdin", "<&-", 1, {},
        "tavrolin: standard input is closed\n");
    row("job leaves closed input alone", "--join , @ @", "<&-", 0, "x,x\n", {});
    row("job writes closed output", "--join , @", ">&-", 1, {},
        "tavrolin: standard output is closed\n");
    row("job writes closed output by name", "--join , -o /dev/fd/1 @", ">&-", 1, {},
        "tavrolin: standard output is closed\n");
    row("job writes a file instead", "--join , -o @.out @", ">&-", 0, {}, {});
    row("help, output closed", "-h", ">&-", 1, {}, "tavrolin: standard output is closed\n");
}

void TestCommandLine::streams() {
    QFETCH(QString, arguments);
    QFETCH(QString, redirection);
    QFETCH(int, status);
    QFETCH(QByteArray, output);
    QFETCH(QByteArray, message);

    QTemporaryDir dir;
    QFile file(dir.filePath(u"in"_s));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x\n") == 2);
    file.close();
    arguments.replace(u'@', file.fileName());
    QProcess program;
    program.start(u"sh"_s, {u"-c"_s, u"exec \"$0\" "_s + arguments + u' ' + redirection,
                            QStringLiteral(TAVROLIN_PROGRAM)});
    program.closeWriteChannel();
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), status);
    QCOMPARE(program.readAllStandardOutput(), output);
    const QByteArray told = program.readAllStandardError();
    QVERIFY2(told.startsWith(message) && told.isEmpty() == message.isEmpty(), told.constData());
}

// A closed descriptor is noted and taken by /dev/null the wrong way round: reading it fails
// rather than giving an empty input.
void TestCommandLine::closedInputReopened() {
    const int saved = ::dup(0);
    QVERIFY(saved >= 0 && ::close(0) == 0);
    const ClosedStreams closed = reopenClosedStreams();
    char byte = 0;
    const bool taken = ::fcntl(0, F_GETFD) != -1;
    const bool readFails = ::read(0, &byte, 1) == -1;
    QVERIFY(::dup2(saved, 0) == 0 && ::close(saved) == 0);
    QVERIFY(closed.input && !closed.output && !closed.errors);
    QVERIFY(taken && readFails);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
