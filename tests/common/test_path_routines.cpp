// The path routines: whether a file exists, the name at the end of a path and doubled
// separators.

#include "common/path_routines.h"
#include "common/text_encoding.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tavrolin;
using namespace Qt::StringLiterals;

class TestPathRoutines : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void kindOfPath_data();
    void kindOfPath();
    void fileNameFromPath_data();
    void fileNameFromPath();
    void fixDoubleBackslashes_data();
    void fixDoubleBackslashes();

private:
    QTemporaryDir m_dir;
};

// Files named by their bytes, as Linux names them; each file holds its own name.
void TestPathRoutines::initTestCase() {
    QVERIFY(m_dir.isValid());
    const QByteArray folder = QFile::encodeName(m_dir.path()) + '/';
    for (const QByteArray name : {"names.txt", "caf\xE9.txt", "\xFF"}) {
        const int file = ::open(folder + name, O_WRONLY | O_CREAT, 0600);
        QVERIFY(file >= 0);
        QCOMPARE(::write(file, name.constData(), size_t(name.size())), name.size());
        ::close(file);
    }
    QCOMPARE(mkfifo(folder + "fifo", 0600), 0);
}

void TestPathRoutines::kindOfPath_data() {
    QTest::addColumn<QByteArray>("path"); // "{dir}" stands for the temporary folder
    QTest::addColumn<int>("kind");

    const int file = int(PathKind::File);
    const int missing = int(PathKind::Missing);
    QTest::newRow("file") << "{dir}/names.txt"_ba << file;
    QTest::newRow("name not valid UTF-8") << "{dir}/caf\xE9.txt"_ba << file;
    QTest::newRow("one invalid byte") << "{dir}/\xFF"_ba << file;
    QTest::newRow("the same name in UTF-8 is another") << "{dir}/caf\xC3\xA9.txt"_ba << missing;
    QTest::newRow("folder") << "{dir}"_ba << int(PathKind::Folder);
    QTest::newRow("pipe") << "{dir}/fifo"_ba << int(PathKind::Other);
    QTest::newRow("missing") << "{dir}/missing.txt"_ba << missing;
    QTest::newRow("empty") << QByteArray() << missing;
    QTest::newRow("NUL cuts no path short") << QByteArray("{dir}/names.txt\0x", 17) << missing;
}

void TestPathRoutines::kindOfPath() {
    QFETCH(QByteArray, path);
    QFETCH(int, kind);
    const QString name = decode8Bit(path.replace("{dir}", QFile::encodeName(m_dir.path())));
    QCOMPARE(int(tavrolin::kindOfPath(name)), kind);
    QCOMPARE(FileExists(name), kind != int(PathKind::Missing));
    if (kind == int(PathKind::Folder) || kind == int(PathKind::Other))
        return; // a pipe would block: callers open files only
    QFile file;
    QCOMPARE(openForReading(file, name) == 0, kind == int(PathKind::File));
    if (kind == int(PathKind::File))
        QCOMPARE(file.readAll(), path.mid(path.lastIndexOf('/') + 1));
}

void TestPathRoutines::fileNameFromPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("name");
    const QChar bs = u'\\';
    const QChar slash = u'/';
    QTest::newRow("full path") << QStringLiteral("C:\\Lists\\names.txt") << bs
                               << QStringLiteral("names.txt");
    QTest::newRow("bare name") << QStringLiteral("names.txt") << bs << QStringLiteral("names.txt");
    QTest::newRow("trailing separator") << QStringLiteral("C:\\Lists\\") << bs << QString();
    QTest::newRow("empty") << QString() << bs << QString();
    QTest::newRow("slash is ordinary")
        << QStringLiteral("C:/Lists/names.txt") << bs << QStringLiteral("C:/Lists/names.txt");
    QTest::newRow("slash separator")
        << QStringLiteral("/lists/names.txt") << slash << QStringLiteral("names.txt");
    QTest::newRow("backslash ordinary with slash")
        << QStringLiteral("/a/b\\c.txt") << slash << QStringLiteral("b\\c.txt");
}

void TestPathRoutines::fileNameFromPath() {
    QFETCH(QString, path);
    QFETCH(QChar, separator);
    QFETCH(QString, name);
    QCOMPARE(FileNameFromPath(path, separator), name);
}

void TestPathRoutines::fixDoubleBackslashes_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("fixed");
    const QChar bs = u'\\';
    QTest::newRow("doubled after drive")
        << QStringLiteral("C:\\\\names.txt") << bs << QStringLiteral("C:\\names.txt");
    QTest::newRow("unchanged") << QStringLiteral("C:\\Lists\\names.txt") << bs
                               << QStringLiteral("C:\\Lists\\names.txt");
    QTest::newRow("network path") << QStringLiteral("\\\\server\\share\\\\names.txt") << bs
                                  << QStringLiteral("\\\\server\\share\\names.txt");
    QTest::newRow("three leading")
        << QStringLiteral("\\\\\\server\\share") << bs << QStringLiteral("\\\\server\\share");
    QTest::newRow("one leading") << QStringLiteral("\\Lists\\a.txt") << bs
                                 << QStringLiteral("\\\\Lists\\a.txt");
    QTest::newRow("four inner, one pass")
        << QStringLiteral("C:\\\\\\\\a.txt") << bs << QStringLiteral("C:\\\\a.txt");
    QTest::newRow("five inner") << QStringLiteral("a\\\\\\\\\\b") << bs
                                << QStringLiteral("a\\\\\\b");
    QTest::newRow("empty") << QString() << bs << QString();
    QTest::newRow("single backslash") << QStringLiteral("\\") << bs << QStringLiteral("\\\\");
    QTest::newRow("only backslashes")
        << QStringLiteral("\\\\\\\\\\") << bs << QStringLiteral("\\\\");
    QTest::newRow("slash separator") << QStringLiteral("/tmp//lists///a.txt") << QChar(u'/')
                                     << QStringLiteral("//tmp/lists//a.txt");
    QTest::newRow("backslash ordinary with slash")
        << QStringLiteral("dir\\\\a.txt") << QChar(u'/') << QStringLiteral("dir\\\\a.txt");
}

void TestPathRoutines::fixDoubleBackslashes() {
    QFETCH(QString, path);
    QFETCH(QChar, separator);
    QFETCH(QString, fixed);
    QCOMPARE(FixDoubleBackslashes(path, separator), fixed);
}

QTEST_GUILESS_MAIN(TestPathRoutines)
#include "test_path_routines.moc"
