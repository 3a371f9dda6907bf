// Batch mode where it meets the system rather than the list: devices, pipes and the program's
// own streams as targets, names that are not UTF-8, links in shared folders, owners, limits and
// signals. Each job is run by bash in a folder of its own, as a script would run it; what the
// script prints after it tells what the job did. Rows that need root skip without it.

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestBatchSystem : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void job_data();
    void job();
};

void TestBatchSystem::job_data() {
    QTest::addColumn<bool>("root");
    QTest::addColumn<QString>("script"); // $T is the program, abc.txt holds a, b and c
    QTest::addColumn<QByteArray>("printed");
    QTest::addColumn<QByteArray>("told"); // a part of standard error

    const auto row = [](const char* name, bool root, const QString& script,
                        const QByteArray& printed, const QByteArray& told = {}) {
        QTest::newRow(name) << root << script << printed << told;
    };
    const QString job = u"$T --join , abc.txt "_s;
    row("device written into", true, u"mknod d c 1 3; "_s + job + u"-o d; echo $?; stat -c %F d"_s,
        "0\ncharacter special file\n");
    row("full device fails", true, u"mknod d c 1 7; "_s + job + u"-o d; echo $?; stat -c %F d"_s,
        "1\ncharacter special file\n", "/d: No space left on device");
    row("block device refused", true, u"mknod d b 7 0; "_s + job + u"-o d; echo $?; stat -c %F d"_s,
        "1\nblock special file\n", "/d: Is a block device");
    row("standard output named, a device", true,
        u"mknod d c 1 3; "_s + job + u"-o /dev/stdout > d; echo $?; stat -c %F d"_s,
        "0\ncharacter special file\n");
    row("standard output named, full", true,
        u"mknod d c 1 7; "_s + job + u"-o /dev/stdout > d; echo $?; stat -c %F d"_s,
        "1\ncharacter special file\n", "/dev/stdout: No space left on device");
    row("standard output named, appended", false,
        u"echo old > o; "_s + job + u"-o /dev/stdout >> o; cat o"_s, "old\na,b,c\n");
    row("standard error named", false, job + u"-o /dev/fd/2 2>&1"_s, "a,b,c\n");
    row("link to standard output", false,
        u"echo old > o; ln -s /dev/stdout l; "_s + job + u"-o l >> o; cat o"_s, "old\na,b,c\n");
    row("pipe with a reader", false,
        u"mkfifo f; cat f > got & "_s + job + u"-o f; echo $?; wait; cat got; stat -c %F f"_s,
        "0\na,b,c\nfifo\n");
    row("names by their bytes", false,
        job + u"-o $'o\\xe9'; $T --join + abc.txt -o $'o\\xe8'; cat $'o\\xe9' $'o\\xe8'"_s,
        "a,b,c\na+b+c\n");
    row("over-long name", false, job + u"-o $(printf '%0300d' 0); echo $?"_s, "1\n",
        "File name too long");
    row("another user's link in a shared folder", true,
        u"mkdir -m 1777 s; echo old > s/t; ln -s t s/l; chown -h nobody s/l; "_s + job +
            u"-o s/l; echo $?; cat s/t"_s,
        "1\nold\n", "/s/l: Permission denied: a link that another user owns");
    row("own link in a shared folder", false,
        u"mkdir -m 1777 s; echo old > s/t; ln -s t s/l; "_s + job + u"-o s/l; cat s/t"_s,
        "a,b,c\n");
    row("dangling link", false, u"ln -s new l; "_s + job + u"-o l; cat new; stat -c %F l"_s,
        "a,b,c\nsymbolic link\n");
    row("owner, group and mode kept", true,
        u"echo old > o; chown nobody:nogroup o; chmod 640 o; "_s + job +
            u"-o o; stat -c '%U:%G %a' o"_s,
        "nobody:nogroup 640\n");
    row("write error names the output", false,
        u"seq 100000 > n; (trap '' XFSZ; ulimit -f 100; $T --join , n -o out); echo $?; ls"_s,
        "1\nabc.txt\nn\n", "/out: File too large");
    row("unreadable input", true,
        u"echo x > r; chmod 600 r; chmod 755 .; runuser -u nobody -- $T --join , r; echo $?"_s,
        "1\n", "/r: Permission denied");
    row("more inputs than open files", false,
        u"seq 300 | xargs -I{} sh -c 'echo {} > f{}'; n=$(seq -f f%g 300); "
        "(ulimit -n 64; $T --join , $n > mine); seq 300 | paste -sd, | cmp - mine && echo same"_s,
        "same\n");
    row("process substitution", false, u"$T --join , <(printf 'p\\nq\\n') abc.txt"_s,
        "p,q,a,b,c\n");
    row("standard input by name", false, u"printf 'x\\ny' | $T --join , /dev/stdin"_s, "x,y\n");
    row("character device read", false, u"$T --join , /dev/null abc.txt"_s, "a,b,c\n");
    // Without anonymous files the temporary file has a name until the job ends; a signal that
    // ends the job removes it.
    const QString signalled =
        u"set -m; mkfifo in; exec 3<>in; LD_PRELOAD=$SHIM ASAN_OPTIONS=verify_asan_link_order=0 "
        "$T --join , -o out < in & for i in $(seq 200); do ls -A | grep -q '^[.]tavrolin-' && "
        "break; sleep 0.05; done; ls -A | grep -c '^[.]tavrolin-'; { kill -%1 $!; wait $!; } "
        "2>/dev/null; echo $?; ls -A"_s;
    row("no anonymous file, folder refuses a named one", true,
        u"chmod 755 .; runuser -u nobody -- env LD_PRELOAD=$SHIM "
        "ASAN_OPTIONS=verify_asan_link_order=0 "_s +
            job + u"-o out; echo $?; ls"_s,
        "1\nabc.txt\n", "/out: Permission denied");
    row("SIGTERM leaves no temporary file", false, signalled.arg(u"TERM"_s),
        "1\n143\nabc.txt\nin\n");
    row("SIGINT leaves no temporary file", false, signalled.arg(u"INT"_s), "1\n130\nabc.txt\nin\n");
}

void TestBatchSystem::job() {
    QFETCH(bool, root);
    QFETCH(QString, script);
    QFETCH(QByteArray, printed);
    QFETCH(QByteArray, told);

    if (root && ::geteuid() != 0)
        QSKIP("needs root: devices, other users' files");
    QTemporaryDir dir;
    QProcess bash;
    bash.setWorkingDirectory(dir.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"T"_s, QStringLiteral(TAVROLIN_PROGRAM));
    environment.insert(u"SHIM"_s, QStringLiteral(NO_ANONYMOUS_FILES));
    bash.setProcessEnvironment(environment);
    bash.start(u"bash"_s, {u"-c"_s, u"printf 'a\\nb\\nc\\n' > abc.txt; "_s + script});
    QVERIFY(bash.waitForFinished(60000));
    const QByteArray errors = bash.readAllStandardError();
    QCOMPARE(bash.readAllStandardOutput(), printed);
    QVERIFY2(told.isEmpty() ? errors.isEmpty() : errors.contains(told), errors.constData());
    // Qt cannot remove a name that is not UTF-8.
    QProcess::execute(u"rm"_s, {u"-rf"_s, dir.path()});
}

QTEST_GUILESS_MAIN(TestBatchSystem)
#include "test_batch_system.moc"
