// The results list, the result file and the clipboard copy.

#include "common/error_report.h"
#include "common/runtime_error.h"
#include "common/text_encoding.h"
#include "headless/headless_toolkit.h"
#include "headless_form.h"
#include "output/result_file_writer.h"
#include "test_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>

using namespace tavrolin;
using namespace tavrolin::headless;
using namespace Qt::StringLiterals;

namespace {

enum class Action { ClearResults, DeleteKey, ShiftDelete, Backspace };

// What happens to the results list while a save or a copy lets events run.
enum class Meanwhile { ClearResults, StartCreating, UntickFirst };

const QString kResultsCaption = u"Results - Extend bar to show all >"_s + QString(59, u' ') + u'>';
const QString kPasteMessage = u"Results have been copied to the clipboard.\r\rClick a text area "
                              "where you normally type and press Ctrl+V to paste the clipboard."_s;
const QString kNothingCopiedEmpty =
    u"Nothing was copied: there are no results.\r\rPress \"Start Creating List\" first, then "
    "tick the result's check box and copy again."_s;
const QString kNothingCopiedUnticked = u"Nothing was copied: no result is ticked.\r\rTick the "
                                       "check box of the result you want, then copy again."_s;
const QString kNothingSavedEmpty =
    u"Nothing was saved: there are no results.\r\rPress \"Start Creating List\" first, then "
    "tick the result's check box and save again."_s;
const QString kNothingSavedUnticked = u"Nothing was saved: no result is ticked.\r\rTick the "
                                      "check box of the result you want, then save again."_s;
const char kLimitedSave[] = "--save-with-file-size-limit";

// The window as it stands after start-up, with every component in memory.
using Fixture = testing::HeadlessForm;

// Rows as "+" (checked) or "-", then the cells separated by "|".
void fill(HeadlessListView& list, const QStringList& rows) {
    for (const QString& row : rows) {
        const QStringList cells = row.mid(1).split(u'|');
        list.appendItem(cells.first());
        const int item = list.itemCount();
        for (int c = 1; c < cells.size(); ++c)
            list.setItemSubItem(item, c, cells.at(c));
        list.setItemChecked(item, row.startsWith(u'+'));
    }
}

// "<procedure> <line>" of every error report shown.
QStringList reportedAt(const HeadlessDialogs& dialogs) {
    static const QRegularExpression where(
        u"\r\nin Tavrolin2021/08/31\\.(\\S+) at line (\\d+)\r\r"_s);
    QStringList places;
    for (const ShownMessage& message : dialogs.messages()) {
        const QRegularExpressionMatch match = where.match(message.text);
        if (match.hasMatch() && message.title == u"Application Error")
            places.append(match.captured(1) + u' ' + match.captured(2));
    }
    return places;
}

QStringList saveLines(const QString& lines) {
    QStringList places;
    for (const QString& line : lines.split(u' ', Qt::SkipEmptyParts))
        places.append(u"Save.SaveListviewProperlySpaced "_s + line);
    return places;
}

// Every file below the folder with its bytes, so a fault can be shown to have changed nothing.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files.insert(QDir(folder).relativeFilePath(path),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : "<folder>"_ba);
    }
    return files;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>"_ba;
}

// Runs in a child process whose files may not grow beyond 64 KiB, as on a full disk; prints
// the reported line numbers.
int saveWithFileSizeLimit(const QString& path) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64 * 1024, 64 * 1024};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        return 2;
    HeadlessToolkit ui;
    ui.listView2.addColumn(u"Cap"_s);
    fill(ui.listView2, QStringList(4, u'+' + QString(30000, u'r')));
    SaveListviewProperlySpaced(ui.listView2, path, nullptr, ui.events, ui.dialogs);
    for (const QString& place : reportedAt(ui.dialogs))
        std::printf("%s\n", qPrintable(place.section(u' ', 1)));
    return 0;
}

} // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Meanwhile)

class TestOutput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void resultsList_data();
    void resultsList();

    void writer_data();
    void writer();
    void progress_data();
    void progress();
    void saveHandler_data();
    void saveHandler();
    void saveFaults_data();
    void saveFaults();
    void fullDisk();
    void closedDuringSave_data();
    void closedDuringSave();
    void clearedMeanwhile_data();
    void clearedMeanwhile();

    void copy_data();
    void copy();
    void busyClipboard_data();
    void busyClipboard();
};

void TestOutput::resultsList_data() {
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("pointer");
    QTest::addColumn<QStringList>("expected");

    const QStringList abc{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("Clear Results") << Action::ClearResults << 3 << 2 << 0 << QStringList();
    QTest::newRow("Clear Results while busy")
        << Action::ClearResults << 3 << 2 << 11 << QStringList();
    QTest::newRow("Clear Results, empty") << Action::ClearResults << 0 << 0 << 0 << QStringList();
    QTest::newRow("Delete selected")
        << Action::DeleteKey << 3 << 2 << 0 << QStringList{u"a"_s, u"c"_s};
    QTest::newRow("Shift+Delete selected")
        << Action::ShiftDelete << 3 << 1 << 0 << QStringList{u"b"_s, u"c"_s};
    QTest::newRow("Delete while busy") << Action::DeleteKey << 3 << 2 << 11 << abc;
    QTest::newRow("Delete, no selection") << Action::DeleteKey << 3 << 0 << 0 << abc;
    QTest::newRow("Delete, empty") << Action::DeleteKey << 0 << 0 << 0 << QStringList();
    QTest::newRow("Backspace") << Action::Backspace << 3 << 2 << 0 << abc;
}

void TestOutput::resultsList() {
    QFETCH(Action, action);
    QFETCH(int, count);
    QFETCH(int, selected);
    QFETCH(int, pointer);
    QFETCH(QStringList, expected);

    Fixture w;
    for (int i = 0; i < count; ++i)
        w.ui.listView2.appendItem(QString(QChar(char16_t(u'a' + i))));
    w.ui.listView2.select(selected);
    w.ui.form.setPointer(pointer);
    if (action == Action::ClearResults)
        w.form.PushButton3_Click();
    else
        w.form.ListView2_KeyDown(action == Action::Backspace ? 8 : 46,
                                 action == Action::ShiftDelete ? 1 : 0);
    QCOMPARE(w.ui.listView2.texts(), expected);
    QVERIFY(w.ui.dialogs.messages().isEmpty());
    QVERIFY(!w.ui.form.ended());
}

void TestOutput::writer_data() {
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
}

void TestOutput::writer() {
    QFETCH(QStringList, captions);
    QFETCH(QStringList, rows);
    QFETCH(QByteArray, expected);

    QTemporaryDir dir;
    HeadlessToolkit ui;
    for (const QString& caption : captions)
        ui.listView2.addColumn(caption);
    fill(ui.listView2, rows);
    const QString path = dir.filePath(u"out.csv"_s);
    const bool written = expected != "<missing>";
    QCOMPARE(SaveListviewProperlySpaced(ui.listView2, path, nullptr, ui.events, ui.dialogs),
             written);
    QCOMPARE(readAll(path), expected);
    QCOMPARE(reportedAt(ui.dialogs), QStringList());
    QCOMPARE(snapshot(dir.path()).keys(), written ? QStringList{u"out.csv"_s} : QStringList());
}

void TestOutput::progress_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QStringList>("texts");

    const QString w = u"Writing file: out.txt"_s;
    QTest::newRow("unchecked rows show nothing")
        << QStringList{u"+a"_s, u"-b"_s, u"+c"_s}
        << QList<double>{1, 10, 20, 100.0 / 3, 100, 100, 0}
        << QStringList{w, w, w, u"Done."_s, u"Progress Bar"_s};
    QTest::newRow("2500 rows")
        << QStringList(2500, u"+r"_s) << QList<double>()
        << QStringList{w, w, w, w + u" (1000)"_s, w + u" (2000)"_s, u"Done."_s, u"Progress Bar"_s};
}

void TestOutput::progress() {
    QFETCH(QStringList, rows);
    QFETCH(QList<double>, values);
    QFETCH(QStringList, texts);

    QTemporaryDir dir;
    HeadlessToolkit ui;
    ui.listView2.addColumn(u"C"_s);
    fill(ui.listView2, rows);
    SaveListviewProperlySpaced(ui.listView2, dir.filePath(u"out.txt"_s), &ui.progressBar1,
                               ui.events, ui.dialogs);
    QCOMPARE(ui.progressBar1.texts(), texts);
    const QList<double>& shown = ui.progressBar1.values();
    if (!values.isEmpty()) {
        QCOMPARE(shown.size(), values.size());
        for (qsizetype i = 0; i < values.size(); ++i)
            QCOMPARE(shown.at(i), values.at(i));
        return;
    }
    // One value per row: (rows div 2000 + row) / rows, past 100 for the last row.
    QCOMPARE(shown.size(), 3 + rows.size() + 2);
    QCOMPARE(shown.mid(0, 3), (QList<double>{1, 10, 20}));
    QCOMPARE(shown.at(3), 2.0 / 2500 * 100);
    QCOMPARE(shown.at(3 + 2499), 2501.0 / 2500 * 100);
    QCOMPARE(shown.mid(shown.size() - 2), (QList<double>{100, 0}));
}

void TestOutput::saveHandler_data() {
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

void TestOutput::saveHandler() {
    QFETCH(QString, name);
    QFETCH(QByteArray, existing);
    QFETCH(QStringList, rows);
    QFETCH(QString, message);

    QTemporaryDir dir;
    if (!existing.isEmpty())
        QVERIFY(testing::writeFile(dir.filePath(name), existing));
    Fixture w;
    fill(w.ui.listView2, rows);
    w.ui.form.setPointer(99);
    if (!name.isEmpty())
        w.ui.commonDialog1.chooseNext(dir.filePath(name));
    // A name left from an earlier use must not be taken for a choice when the user cancels.
    w.ui.commonDialog1.setFileName(dir.filePath(u"left.txt"_s));
    int pointerWhileSaving = -1;
    w.ui.events.at(1, [&] { pointerWhileSaving = w.ui.form.pointer(); });
    w.form.PushButton1_Click();
    QCOMPARE(pointerWhileSaving, name.isEmpty() || !message.isEmpty() ? -1 : 11);
    if (!message.isEmpty()) {
        QVERIFY(w.ui.commonDialog1.shown().isEmpty());
        QCOMPARE(w.messages(), QStringList{message});
        QCOMPARE(w.ui.dialogs.messages().first().style, MessageStyle::OkExclamation);
        QCOMPARE(w.ui.dialogs.messages().first().title, u"Tavrolin"_s);
        QCOMPARE(snapshot(dir.path()), (QMap<QString, QByteArray>{{name, existing}}));
        QCOMPARE(w.ui.form.pointer(), 99);
        return;
    }

    const HeadlessFileDialog::Shown& shown = w.ui.commonDialog1.shown().first();
    QCOMPARE(shown.kind, HeadlessFileDialog::Kind::Save);
    QCOMPARE(shown.title, u"Save"_s);
    QCOMPARE(shown.filter,
             u"CSV Files (*.csv)|*.csv|Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"_s);
    QVERIFY(!(shown.flags & fileDialogFlag::AllowMultiSelect));
    QVERIFY(w.ui.dialogs.messages().isEmpty());
    if (name.isEmpty()) {
        QVERIFY(snapshot(dir.path()).isEmpty());
        QCOMPARE(w.ui.form.pointer(), 99);
        QVERIFY(w.ui.progressBar1.values().isEmpty());
        return;
    }
    const QByteArray expected =
        (kResultsCaption + u"\t\r\na, b, c"_s + QString(87, u' ') + u"\t\r\n"_s).toUtf8();
    QCOMPARE(snapshot(dir.path()), (QMap<QString, QByteArray>{{name, expected}}));
    QCOMPARE(w.ui.form.pointer(), 0);
    QCOMPARE(w.ui.progressBar1.value(), 0.0);
    QCOMPARE(w.ui.progressBar1.text(), u"Progress Bar"_s);
}

void TestOutput::saveFaults_data() {
    QTest::addColumn<QString>("target");

    QTest::newRow("folder does not exist") << u"missing/out.txt"_s;
    QTest::newRow("file used as a folder") << u"old.txt/out.txt"_s;
    QTest::newRow("target is a folder") << u"folder"_s;
}

void TestOutput::saveFaults() {
    QFETCH(QString, target);

    QTemporaryDir dir;
    QVERIFY(testing::writeFile(dir.filePath(u"old.txt"_s), "previous\r\n"));
    QVERIFY(QDir(dir.path()).mkpath(u"folder/sub"_s));
    QVERIFY(testing::writeFile(dir.filePath(u"folder/inside.txt"_s), "inside\r\n"));
    const QMap<QString, QByteArray> before = snapshot(dir.path());

    Fixture w;
    fill(w.ui.listView2, {u"+one"_s, u"-two"_s, u"+three"_s});
    w.ui.commonDialog1.chooseNext(dir.filePath(target));
    w.form.PushButton1_Click();

    // Creating fails; every line written and the commit are reported in turn.
    QCOMPARE(reportedAt(w.ui.dialogs), saveLines(u"156 170 222 222 232"_s));
    QVERIFY(w.ui.dialogs.messages().first().text.startsWith(u"Path/File access error"_s));
    QCOMPARE(snapshot(dir.path()), before);
    QCOMPARE(w.ui.form.pointer(), 0);
    QCOMPARE(w.ui.progressBar1.texts().last(), u"Progress Bar"_s);
}

void TestOutput::fullDisk() {
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
    QVERIFY2(lines.contains(u"222"_s), qPrintable(lines.join(u' ')));
    QCOMPARE(lines.last(), u"232"_s);
    QCOMPARE(snapshot(dir.path()), (QMap<QString, QByteArray>{{u"old.txt"_s, "previous\r\n"_ba}}));
}

// Three checked rows, one column: the save lets events run 22 times; the file is created
// between pumps 7 and 8, and the last row is written and committed after pump 22.
void TestOutput::closedDuringSave_data() {
    QTest::addColumn<int>("pump");

    for (int pump : {1, 7, 8, 15, 22})
        QTest::addRow("closed at pump %d", pump) << pump;
}

void TestOutput::closedDuringSave() {
    QFETCH(int, pump);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"old.txt"_s);
    QVERIFY(testing::writeFile(path, "previous\r\n"));
    Fixture w;
    fill(w.ui.listView2, {u"+one"_s, u"+two"_s, u"+three"_s});
    w.ui.commonDialog1.chooseNext(path);
    w.ui.events.at(pump, [&] { w.form.Form_Unload(); });
    QVERIFY_THROWS_EXCEPTION(ProcessEnding, w.form.PushButton1_Click());
    QVERIFY(w.ui.form.ended());
    QCOMPARE(snapshot(dir.path()), (QMap<QString, QByteArray>{{u"old.txt"_s, "previous\r\n"_ba}}));
    QVERIFY(w.ui.dialogs.messages().isEmpty());
}

// Neither a save nor a copy is refused while the other lets events run, nor is "Clear Results"
// or "Start Creating List" (which empties the list and appends a new, unchecked row). Three
// checked rows, one column: the save lets events run 22 times, four for each row from pump 11
// on, the last after the row's cells are read and before its line is written; the copy 9 times,
// two for each row from pump 4 on. A row is written only if it is still the row that was
// measured and still checked when its line is due; with no line due nothing is touched.
void TestOutput::clearedMeanwhile_data() {
    QTest::addColumn<bool>("save");
    QTest::addColumn<Meanwhile>("meanwhile");
    QTest::addColumn<int>("pump");
    QTest::addColumn<QStringList>("written");

    const QStringList texts{u"one"_s, u"two"_s, u"three"_s};
    for (int pump = 1; pump <= 22; ++pump) {
        const QStringList whole = texts.first(std::max(0, (pump - 11) / 4));
        QTest::addRow("save, cleared at pump %d", pump)
            << true << Meanwhile::ClearResults << pump << whole;
        QTest::addRow("save, created at pump %d", pump)
            << true << Meanwhile::StartCreating << pump << whole;
    }
    for (int pump = 1; pump <= 9; ++pump) {
        const QStringList whole = texts.first(std::max(0, (pump - 4) / 2));
        QTest::addRow("copy, cleared at pump %d", pump)
            << false << Meanwhile::ClearResults << pump << whole;
        QTest::addRow("copy, created at pump %d", pump)
            << false << Meanwhile::StartCreating << pump << whole;
    }
    for (int pump : {12, 13, 14, 15})
        QTest::addRow("save, first unticked at pump %d", pump)
            << true << Meanwhile::UntickFirst << pump << (pump <= 14 ? texts.mid(1) : texts);
    for (int pump : {4, 5, 6})
        QTest::addRow("copy, first unticked at pump %d", pump)
            << false << Meanwhile::UntickFirst << pump << (pump <= 5 ? texts.mid(1) : texts);
}

void TestOutput::clearedMeanwhile() {
    QFETCH(bool, save);
    QFETCH(Meanwhile, meanwhile);
    QFETCH(int, pump);
    QFETCH(QStringList, written);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.txt"_s);
    QVERIFY(testing::writeFile(path, "previous\r\n"));
    Fixture w;
    w.form.PushButton8_Click();
    fill(w.ui.listView2, {u"+one"_s, u"+two"_s, u"+three"_s});
    w.ui.clipboard.setContent(u"<untouched>"_s);
    w.ui.events.at(pump, [&] {
        switch (meanwhile) {
        case Meanwhile::ClearResults:
            w.form.PushButton3_Click();
            break;
        case Meanwhile::StartCreating:
            w.form.PushButton4_Click();
            break;
        case Meanwhile::UntickFirst:
            w.ui.listView2.setItemChecked(1, false);
        }
    });
    QString output;
    QString expected;
    if (save) {
        w.ui.commonDialog1.chooseNext(path);
        w.form.PushButton1_Click();
        output = QString::fromUtf8(readAll(path));
        expected = written.isEmpty() ? u"previous\r\n"_s : kResultsCaption + u"\t\r\n"_s;
        for (const QString& text : written)
            expected += text.leftJustified(94) + u"\t\r\n"_s;
    } else {
        w.form.PushButton7_Click();
        output = w.ui.clipboard.text().value_or(u"<none>"_s);
        expected = written.isEmpty() ? u"<untouched>"_s : QString();
        for (const QString& text : written)
            expected += text + u"\r\n"_s;
    }
    QCOMPARE(output, expected);
    QCOMPARE(reportedAt(w.ui.dialogs), QStringList());
    const bool emptied = meanwhile == Meanwhile::ClearResults;
    QCOMPARE(w.ui.listView2.itemCount(), emptied ? 0 : meanwhile == Meanwhile::UntickFirst ? 3 : 1);
    QString told = save ? QString() : kPasteMessage;
    if (written.isEmpty() && save)
        told = emptied ? kNothingSavedEmpty : kNothingSavedUnticked;
    else if (written.isEmpty())
        told = emptied ? kNothingCopiedEmpty : kNothingCopiedUnticked;
    const QStringList messages = w.messages();
    if (told.isEmpty())
        QVERIFY(messages.isEmpty() || messages.last() == u"Done."_s);
    else
        QCOMPARE(messages.last(), told);
}

void TestOutput::copy_data() {
    QTest::addColumn<int>("extraColumns");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("expected");

    // Copying nothing leaves what the user has on the clipboard.
    const QString untouched = u"<untouched>"_s;
    QTest::newRow("empty list") << 0 << QStringList() << untouched;
    QTest::newRow("all unchecked") << 0 << QStringList{u"-abc"_s, u"-d"_s} << untouched;
    QTest::newRow("one row") << 0 << QStringList{u"+a, b, c"_s} << u"a, b, c\r\n"_s;
    QTest::newRow("shorter row not padded")
        << 0 << QStringList{u"+abc"_s, u"-abcdef"_s} << u"abc\r\n"_s;
    QTest::newRow("two columns") << 1 << QStringList{u"+a|x"_s, u"-longer|"_s, u"+abc|yy"_s}
                                 << u"a     \tx\r\nabc   \tyy\r\n"_s;
    QTest::newRow("captions do not count") << 1 << QStringList{u"+a|x"_s} << u"a\tx\r\n"_s;
    QTest::newRow("empty last cell")
        << 1 << QStringList{u"+a|"_s, u"+abc|z"_s} << u"a  \t\r\nabc\tz\r\n"_s;
    QTest::newRow("trailing spaces lost")
        << 0 << QStringList{u"+ab  "_s, u"+ c "_s, u"+   "_s} << u"ab\r\n c\r\n\r\n"_s;
    QTest::newRow("non-ASCII") << 1 << QStringList{u"+\u00E9\U0001F600|x"_s, u"+abcd|y"_s}
                               << u"\u00E9\U0001F600 \tx\r\nabcd\ty\r\n"_s;
}

void TestOutput::copy() {
    QFETCH(int, extraColumns);
    QFETCH(QStringList, rows);
    QFETCH(QString, expected);

    Fixture w;
    for (int c = 0; c < extraColumns; ++c)
        w.ui.listView2.addColumn(u"A long caption"_s);
    fill(w.ui.listView2, rows);
    w.ui.clipboard.setContent(u"<untouched>"_s);
    w.ui.form.setPointer(99);
    w.form.PushButton7_Click();

    QCOMPARE(w.ui.clipboard.text(), std::optional<QString>(expected));
    QCOMPARE(w.ui.form.pointer(), 99); // the copy shows no busy pointer
    QVERIFY(w.ui.progressBar1.values().isEmpty());
    const bool copied = expected != u"<untouched>"_s;
    QCOMPARE(w.ui.dialogs.messages().size(), 1);
    QCOMPARE(w.ui.dialogs.messages().first().text, copied           ? kPasteMessage
                                                   : rows.isEmpty() ? kNothingCopiedEmpty
                                                                    : kNothingCopiedUnticked);
    QCOMPARE(w.ui.dialogs.messages().first().style,
             copied ? MessageStyle::OkOnly : MessageStyle::OkExclamation);
    QCOMPARE(w.ui.dialogs.messages().first().title, u"Tavrolin"_s);
}

// The copy clears the clipboard, then sets the text, each with up to 1000 attempts.
void TestOutput::busyClipboard_data() {
    QTest::addColumn<int>("busy");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<bool>("reported");

    const QString copied = u"r\r\n"_s;
    QTest::newRow("free") << 0 << copied << 2 << false;
    QTest::newRow("clear succeeds at the last attempt") << 999 << copied << 1001 << false;
    QTest::newRow("clear fails, set succeeds") << 1000 << copied << 1001 << false;
    QTest::newRow("set succeeds at the last attempt") << 1999 << copied << 2000 << false;
    QTest::newRow("both fail") << 2000 << u"<untouched>"_s << 2000 << true;
}

void TestOutput::busyClipboard() {
    QFETCH(int, busy);
    QFETCH(QString, expected);
    QFETCH(int, attempts);
    QFETCH(bool, reported);

    Fixture w;
    fill(w.ui.listView2, {u"+r"_s});
    w.ui.clipboard.setContent(u"<untouched>"_s);
    w.ui.clipboard.holdForAttempts(busy);
    w.form.PushButton7_Click();
    QCOMPARE(w.ui.clipboard.text(), std::optional<QString>(expected));
    QCOMPARE(w.ui.clipboard.attempts(), attempts);
    // A text that never reached the clipboard is reported before the usual message.
    const auto& messages = w.ui.dialogs.messages();
    QCOMPARE(messages.size(), reported ? 2 : 1);
    if (reported) {
        QCOMPARE(messages.first().text, errorReportText(u"Can't open Clipboard"_s,
                                                        u"Main.CopyListViewToClipboardTab"_s, 168));
    }
    QCOMPARE(messages.last().text, kPasteMessage);
}

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], kLimitedSave) == 0)
        return saveWithFileSizeLimit(QFile::decodeName(argv[2]));
    QCoreApplication app(argc, argv);
    TestOutput test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_output.moc"
