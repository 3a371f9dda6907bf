// The path routines: whether a file exists, the name at the end of a path and doubled
// separators.

#include "common/path_routines.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;

class TestPathRoutines : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileExists();
    void fileNameFromPath_data();
    void fileNameFromPath();
    void fixDoubleBackslashes_data();
    void fixDoubleBackslashes();
};

void TestPathRoutines::fileExists() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("names.txt"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(FileExists(file));
    QVERIFY(FileExists(dir.path()));
    QVERIFY(!FileExists(dir.filePath(QStringLiteral("missing.txt"))));
    QVERIFY(!FileExists(QString()));
    QVERIFY(!FileExists(file + QChar(u'\0') + QStringLiteral("x")));
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
