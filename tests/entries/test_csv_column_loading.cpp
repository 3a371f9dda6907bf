// "Load Column From CSV File" in the real window: the file and the dialog answered as a user
// would, the entries appended in one undo step, the bar's report, and the failures told as
// loading a list file tells them.

#include "entries/csv_column.h"
#include "entries/csv_column_loading.h"
#include "entry_handlers.h"
#include "qt/csv_column_dialog.h"
#include "qt/labelled_progress_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLocale>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

// How the test answers the dialog; it may look at what the dialog shows first.
using Answer = std::function<void(qt::CsvColumnDialog*)>;

const QString kTitle = u"Load Column From CSV File"_s;

QByteArrayList bytesOf(const ListView& list) {
    QByteArrayList items;
    for (int item = 1; item <= list.itemCount(); ++item)
        items.append(list.itemBytes(item));
    return items;
}

QString barText(qt::MainWindow& window) {
    QCoreApplication::sendPostedEvents(window.progressBar1, QEvent::MetaCall);
    return window.progressBar1->text();
}

// Takes the column (from 0), with the header ticked or not, the delimiter as guessed.
Answer take(int column, bool header = false, int delimiter = -1) {
    return [=](qt::CsvColumnDialog* dialog) {
        if (delimiter >= 0)
            dialog->findChild<QComboBox*>(u"delimiter"_s)->setCurrentIndex(delimiter);
        dialog->findChild<QCheckBox*>(u"header"_s)->setChecked(header);
        dialog->pickColumn(column);
    };
}

} // namespace

Q_DECLARE_METATYPE(Answer)
Q_DECLARE_METATYPE(CsvColumnReport)

class TestCsvColumnLoading : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void loads_data();
    void loads();
    void theDialogFollowsTheDelimiter();
    void cancelledOrMissing_data();
    void cancelledOrMissing();
    void reportText_data();
    void reportText();
};

void TestCsvColumnLoading::loads_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QByteArrayList>("expected");
    QTest::addColumn<QString>("bar");

    const QByteArray people = "name,email\nAda,ada@x\nBob,\"b,ob@x\"\nCy\n";
    QTest::newRow("a named column, a short row")
        << people << take(1, true) << QByteArrayList{"ada@x", "b,ob@x", ""}
        << u"Loaded 3 entries from column \"email\"; 1 row lacked the column (first at line 4)"_s;
    QTest::newRow("numbered without a header")
        << people << take(0) << QByteArrayList{"name", "Ada", "Bob", "Cy"}
        << u"Loaded 4 entries from column 1"_s;
    QTest::newRow("tab guessed, quote never closed")
        << QByteArray("a\tb\n1\t\"2\n3\t4\n") << take(1) << QByteArrayList{"b", "\"2", "4"}
        << u"Loaded 3 entries from column 2; a quote opened at line 2 is never closed"_s;
    QTest::newRow("delimiter changed to semicolon")
        << QByteArray("x;y,z\n1;2,3\n") << take(1, false, 1) << QByteArrayList{"y,z", "2,3"}
        << u"Loaded 2 entries from column 2"_s;
    QTest::newRow("bytes that are not UTF-8 kept")
        << QByteArray("caf\xE9,\xFF\n") << take(1) << QByteArrayList{"\xFF"}
        << u"Loaded 1 entry from column 2"_s;
}

// The values come after the entries already listed, in one undo step.
void TestCsvColumnLoading::loads() {
    QFETCH(QByteArray, file);
    QFETCH(Answer, answer);
    QFETCH(QByteArrayList, expected);
    QFETCH(QString, bar);

    QTemporaryDir folder;
    const QString path = folder.filePath(u"table.csv"_s);
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(file);
    out.close();

    RealWindow real;
    auto& window = real.toolkit.window();
    ListView& entries = real.toolkit.listView1();
    run(real, [&] { entries.appendItem("before"); });
    dialogs().chooseFile(path);
    QWidget* parent = nullptr;
    int pointer = -1;
    dialogs().answerDialog(kTitle, [&](QDialog* dialog) {
        parent = dialog->parentWidget();
        pointer = window.pointer();
        answer(static_cast<qt::CsvColumnDialog*>(dialog));
        dialog->accept();
    });
    run(real, [&] { real.form.ListView1_LoadColumn(); });
    QCOMPARE(dialogs().fileDialogTitles(), QStringList{kTitle});
    QCOMPARE(parent, &window);
    QCOMPARE(pointer, 0);
    QCOMPARE(window.pointer(), 0);
    QCOMPARE(bytesOf(entries), QByteArrayList{"before"} + expected);
    QCOMPARE(barText(window), bar);
    QVERIFY(real.toolkit.undo().undo());
    QCOMPARE(bytesOf(entries), QByteArrayList{"before"});
}

// The delimiter chosen reads the rows again: the table and the columns follow it.
void TestCsvColumnLoading::theDialogFollowsTheDelimiter() {
    CsvPreview preview;
    preview.rows = {{"a", "b;c"}};
    QList<char> asked;
    qt::CsvColumnDialog dialog(nullptr, preview, [&](char delimiter) {
        asked.append(delimiter);
        CsvPreview again;
        again.delimiter = delimiter;
        again.rows = {{"a,b", "c", "d"}};
        return again;
    });
    auto* table = dialog.findChild<QTableWidget*>(u"rows"_s);
    auto* columns = dialog.findChild<QComboBox*>(u"column"_s);
    QCOMPARE(table->columnCount(), 2);
    dialog.pickColumn(1);
    dialog.findChild<QComboBox*>(u"delimiter"_s)->setCurrentIndex(1);
    QCOMPARE(asked, QList<char>{';'});
    QCOMPARE(table->columnCount(), 3);
    QCOMPARE(table->item(0, 0)->text(), u"a,b"_s);
    QCOMPARE(columns->currentIndex(), 1); // the column picked stays picked
    dialog.findChild<QCheckBox*>(u"header"_s)->setChecked(true);
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(columns->itemText(2), u"3: d"_s);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), u"a,b"_s);
    dialog.pickColumn(2);
    const CsvColumnChoice choice = dialog.choice();
    QCOMPARE(choice.delimiter, ';');
    QVERIFY(choice.header);
    QCOMPARE(choice.number, 3);
}

void TestCsvColumnLoading::cancelledOrMissing_data() {
    QTest::addColumn<QString>("step"); // where the user stops
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("file dialog cancelled") << u"files"_s << QStringList();
    QTest::newRow("column dialog cancelled") << u"columns"_s << QStringList();
    QTest::newRow("file gone") << u"gone"_s << QStringList{u"File not found"_s};
}

// Nothing comes into the list, and the bar keeps its text.
void TestCsvColumnLoading::cancelledOrMissing() {
    QFETCH(QString, step);
    QFETCH(QStringList, messages);

    QTemporaryDir folder;
    const QString path = folder.filePath(u"a.csv"_s);
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("a,b\n");
    out.close();

    RealWindow real;
    auto& window = real.toolkit.window();
    const QString idle = barText(window);
    // A cancel must not load the file the dialog last chose.
    real.toolkit.toolkit().commonDialog1.setFileName(path);
    if (step == u"files")
        dialogs().chooseFiles({});
    else
        dialogs().chooseFile(path);
    if (step == u"columns")
        dialogs().answerDialog(kTitle, [](QDialog* dialog) { dialog->reject(); });
    if (step == u"gone")
        dialogs().onAnswered = [&] { QFile::remove(path); };
    for (qsizetype i = 0; i < messages.size(); ++i)
        dialogs().closeMessage();
    run(real, [&] { real.form.ListView1_LoadColumn(); });
    QCOMPARE(dialogs().messages(), messages);
    QCOMPARE(real.toolkit.listView1().itemCount(), 0);
    QCOMPARE(window.pointer(), 0);
    QCOMPARE(barText(window), idle);
}

void TestCsvColumnLoading::reportText_data() {
    QTest::addColumn<CsvColumnReport>("report");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    const auto report = [](qsizetype column, qsizetype values, qsizetype shorts, qsizetype first,
                           qsizetype quote) {
        CsvColumnReport made;
        made.column = column;
        made.values = values;
        made.shortRecords = shorts;
        made.firstShortRecordLine = first;
        made.unclosedQuoteLine = quote;
        return made;
    };
    QTest::newRow("none") << report(2, 0, 0, 0, 0) << QString() << u"en_US"_s
                          << u"Loaded 0 entries from column 2"_s;
    QTest::newRow("German grouping")
        << report(1234, 1, 1, 1000, 0) << QString() << u"de_DE"_s
        << u"Loaded 1 entry from column 1.234; 1 row lacked the column (first at line 1.000)"_s;
    QTest::newRow("grouped, all told")
        << report(12, 2500, 3, 17, 1040) << u"email"_s << u"en_US"_s
        << u"Loaded 2,500 entries from column \"email\"; 3 rows lacked the column (first at line "
           "17); a quote opened at line 1,040 is never closed"_s;
}

// The numbers in the user's digit grouping.
void TestCsvColumnLoading::reportText() {
    QFETCH(CsvColumnReport, report);
    QFETCH(QString, name);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(csvColumnLoadedText(report, name), expected);
    QLocale::setDefault(QLocale::c());
}

QTEST_MAIN(TestCsvColumnLoading)
#include "test_csv_column_loading.moc"
