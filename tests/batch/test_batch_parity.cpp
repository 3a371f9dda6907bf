// One engine: each job run in the window offscreen, as a user does it, and by the program in
// batch mode as a process; the bytes must be the same. Plain output is the result's rows, each
// ended by a line feed; the aligned layout is the window's saved file.

#include "create/started_window.h"
#include "qt/report_view.h"
#include "qt/wrap_dialog.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

constexpr int kComma = 1;
constexpr int kOther = 3;

// Awkward on purpose: CR LF and a lone CR, kept bytes, a byte-order mark, spaces to trim,
// duplicates, an empty line, a quote to double, separators to split at.
const QByteArray kFirst = "\xEF\xBB\xBFpear \r\n apple\rcaf\xE9\n\nO'Brien\r\nitem10\nitem2\n";
const QByteArray kSecond = "b, a\napple\n\xC3\xA9t\xC3\xA9\n pear\n";

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

// Runs a tool word of the command line in the window, as its menu item does.
void runInWindow(Started& w, const QString& tool, const QString& value) {
    Form1& form = w.form;
    const auto run = [&](void (Form1::*handler)()) {
        w.window().dispatch([&] { (form.*handler)(); });
    };
    if (tool == u"--sort")
        run(&Form1::ListView1_SortAscending);
    else if (tool == u"--sort-desc")
        run(&Form1::ListView1_SortDescending);
    else if (tool == u"--reverse")
        run(&Form1::ListView1_Reverse);
    else if (tool == u"--dedupe")
        run(&Form1::ListView1_RemoveDuplicates);
    else if (tool == u"--trim")
        run(&Form1::ListView1_TrimSpaces);
    else if (tool == u"--drop-empty")
        run(&Form1::ListView1_RemoveEmpty);
    else if (tool == u"--wrap") {
        dialogs().answerDialog(u"Wrap Each Entry"_s, [value](QDialog* dialog) {
            static_cast<qt::WrapDialog*>(dialog)->choosePreset(
                value == u"sql" ? qt::WrapDialog::SingleQuotes : qt::WrapDialog::DoubleQuotes);
            dialog->accept();
        });
        run(&Form1::ListView1_Wrap);
    } else if (tool == u"--split") {
        QVERIFY(value == u",");
        w.pick(kComma);
        run(&Form1::ListView1_Split);
        w.pick(kOther);
    } else {
        QFAIL(qPrintable(u"no window action for "_s + tool));
    }
}

} // namespace

class TestBatchParity : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void sameBytes_data();
    void sameBytes();
};

void TestBatchParity::sameBytes_data() {
    QTest::addColumn<QStringList>("tools"); // the batch words, each tool with its value
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("aligned");

    QTest::newRow("join only") << QStringList() << u","_s << false;
    QTest::newRow("join only, aligned") << QStringList() << u", "_s << true;
    QTest::newRow("tab") << QStringList() << u"\t"_s << false;
    QTest::newRow("sort, dedupe") << QStringList{u"--trim"_s, u"--sort"_s, u"--dedupe"_s} << u";"_s
                                  << false;
    QTest::newRow("sort Z to A, reverse, aligned")
        << QStringList{u"--sort-desc"_s, u"--reverse"_s, u"--drop-empty"_s} << u" | "_s << true;
    QTest::newRow("split, trim, wrap sql")
        << QStringList{u"--split"_s, u","_s, u"--trim"_s, u"--wrap"_s, u"sql"_s} << u","_s << false;
    QTest::newRow("wrap csv, aligned")
        << QStringList{u"--drop-empty"_s, u"--wrap"_s, u"csv"_s} << u"\u00e9"_s << true;
}

void TestBatchParity::sameBytes() {
    QFETCH(QStringList, tools);
    QFETCH(QString, separator);
    QFETCH(bool, aligned);

    QTemporaryDir dir;
    const QStringList files{dir.filePath(u"first.txt"_s), dir.filePath(u"second.txt"_s)};
    QFile first(files.at(0));
    QFile second(files.at(1));
    QVERIFY(first.open(QIODevice::WriteOnly) && first.write(kFirst) == kFirst.size());
    QVERIFY(second.open(QIODevice::WriteOnly) && second.write(kSecond) == kSecond.size());
    first.close();
    second.close();

    // The window: load each file, run the tools, create with "Other", tick every row, save.
    Started w(kOther);
    for (const QString& file : files) {
        dialogs().chooseFile(file);
        w.window().pushButton6->click();
    }
    for (qsizetype i = 0; i < tools.size(); ++i) {
        const bool valued = tools.at(i) == u"--wrap" || tools.at(i) == u"--split";
        runInWindow(w, tools.at(i), valued ? tools.at(i + 1) : QString());
        i += valued ? 1 : 0;
    }
    dialogs().typeInput(separator);
    dialogs().closeMessage();
    w.press();
    QAbstractItemModel* results = w.window().listView2->model();
    QByteArray rows;
    for (int row = 0; row < results->rowCount(); ++row) {
        QVERIFY(results->setData(results->index(row, 0), Qt::Checked, Qt::CheckStateRole));
        rows += w.toolkit.listView2().itemBytes(row + 1) + '\n';
    }
    const QString saved = dir.filePath(u"saved.csv"_s);
    if (aligned) {
        dialogs().chooseFile(saved);
        w.window().pushButton1->click();
    }

    // The program, as a script runs it: no display, no platform.
    QProcess batch;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    batch.setProcessEnvironment(environment);
    QStringList arguments = QStringList{u"--join"_s, separator} + tools;
    if (aligned)
        arguments.append(u"--aligned"_s);
    batch.start(QStringLiteral(TAVROLIN_PROGRAM), arguments + files);
    QVERIFY(batch.waitForFinished(30000));
    QCOMPARE(batch.readAllStandardError(), QByteArray());
    QCOMPARE(batch.exitCode(), 0);
    QCOMPARE(batch.readAllStandardOutput(), aligned ? readFile(saved) : rows);
}

QTEST_MAIN(TestBatchParity)
#include "test_batch_parity.moc"
