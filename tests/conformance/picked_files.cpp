// The files picked in one open dialog arrive whole, whichever toolkit shows the dialog.
#include "common/toolkit/toolkit.h"
#include "conformance_suite.h"
#include "test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

const QString kTooManyFiles = QStringLiteral("You've selected too many files to add.\r\rPlease "
                                             "try adding via the \"Add All\" button.");

} // namespace

void TestToolkitConformance::pickedFilesArrive_data() {
    QTest::addColumn<QString>("toolkit");
    QTest::addColumn<QStringList>("picks"); // "@name": a file in a folder apart from the others
    QTest::addColumn<QString>("choice");    // "{dir}": the folder of the test's files
    const QChar nul(u'\0');
    addRows(u"one file"_s, QStringList{u"a.txt"_s}, u"{dir}/a.txt"_s);
    addRows(u"one folder"_s, QStringList{u"b.txt"_s, u"a.txt"_s},
            u"{dir}"_s + nul + u"b.txt"_s + nul + u"a.txt"_s);
    addRows(u"same name in another folder"_s, QStringList{u"a.txt"_s, u"sub/a.txt"_s},
            u"{dir}"_s + nul + u"a.txt"_s + nul + u"sub/a.txt"_s);
    addRows(u"two subfolders"_s, QStringList{u"sub/a.txt"_s, u"other/deep/c.txt"_s},
            u"{dir}"_s + nul + u"sub/a.txt"_s + nul + u"other/deep/c.txt"_s);
    addRows(u"names with spaces"_s, QStringList{u"f g.txt"_s, u"with space/d e.txt"_s},
            u"{dir}"_s + nul + u"f g.txt"_s + nul + u"with space/d e.txt"_s);
    // Joining the root folder and a name doubles the leading separator; the path still loads.
    addRows(u"only the root in common"_s, QStringList{u"a.txt"_s, u"@x.txt"_s},
            u"/"_s + nul + u"{dir-}/a.txt"_s + nul + u"{other-}/x.txt"_s);
    addRows(u"cancel"_s, QStringList(), QString());
    // A typed name that does not exist reaches the program, which says so; the others load.
    addRows(u"missing file"_s, QStringList{u"none.txt"_s}, u"{dir}/none.txt"_s);
    addRows(u"missing among several"_s, QStringList{u"b.txt"_s, u"none.txt"_s, u"a.txt"_s},
            u"{dir}"_s + nul + u"b.txt"_s + nul + u"none.txt"_s + nul + u"a.txt"_s);
    QStringList many;
    for (int i = 0; i < 130; ++i)
        many.append(u"long/"_s + QString(240, u'n') + QString::number(i) + u".txt"_s);
    addRows(u"too long a selection"_s, many, QString());
}

// Every picked file's own lines arrive, in the order picked, however far apart the files lie.
void TestToolkitConformance::pickedFilesArrive() {
    QFETCH(QString, toolkit);
    QFETCH(QStringList, picks);
    QFETCH(QString, choice);
    QTemporaryDir dir;
    // The other temporary folder of the system, which lies apart from the usual one.
    QTemporaryDir other(u"/var/tmp/picks-XXXXXX"_s);
    if (!other.isValid() ||
        QDir::cleanPath(dir.path()).section(u'/', 1, 1) == other.path().section(u'/', 1, 1))
        QSKIP("no second temporary folder that shares only the root with the first");
    QStringList paths;
    QStringList lines;
    for (const QString& pick : picks) {
        const QString path =
            pick.startsWith(u'@') ? other.filePath(pick.mid(1)) : dir.filePath(pick);
        paths.append(path);
        if (pick == u"none.txt")
            continue;
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(writeFile(path, pick.toUtf8() + "\r\n"));
        lines.append(pick);
    }
    const bool missing = lines.size() < picks.size();
    const bool tooLong = picks.size() > 100;
    const ToolkitDifferences differences = differencesOf(toolkit);

    m_driver = loadedDriver(toolkit);
    m_driver->toolkit().form.setPointer(pointer::Custom);
    m_driver->chooseFilesNext(paths);
    m_driver->click(u"PushButton6"_s);

    choice.replace(u"{dir-}"_s, dir.path().mid(1));
    choice.replace(u"{other-}"_s, other.path().mid(1));
    QCOMPARE(m_driver->toolkit().commonDialog1.fileName(),
             QString(choice).replace(u"{dir}"_s, dir.path()));
    QStringList entries;
    for (int item = 1; item <= m_driver->toolkit().listView1.itemCount(); ++item)
        entries.append(m_driver->toolkit().listView1.itemText(item));
    QCOMPARE(entries, tooLong ? QStringList() : lines);
    if (tooLong)
        QCOMPARE(m_driver->messages(), QStringList{differences.shownMessage(kTooManyFiles)});
    else
        QCOMPARE(m_driver->messages(), missing ? QStringList{u"File not found"_s} : QStringList());
    // A load ends with the default pointer; a Cancel or a refused selection leaves it alone.
    const bool loaded = !picks.isEmpty() && !tooLong;
    QCOMPARE(m_driver->toolkit().form.pointer(), loaded ? pointer::Default : pointer::Custom);
}
