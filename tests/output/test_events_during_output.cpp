// What the user may do while a save or a copy lets events run: close the window, empty or
// refill the results list, or untick a row.

#include "common/runtime_error.h"
#include "output_fixture.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace tavrolin::headless;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

// What happens to the results list while a save or a copy lets events run.
enum class Meanwhile { ClearResults, StartCreating, UntickFirst };

} // namespace

Q_DECLARE_METATYPE(Meanwhile)

class TestEventsDuringOutput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void closedDuringSave_data();
    void closedDuringSave();
    void clearedMeanwhile_data();
    void clearedMeanwhile();
};

// Three checked rows, one column: the save lets events run 22 times; the file is created
// between pumps 7 and 8, and the last row is written and committed after pump 22.
void TestEventsDuringOutput::closedDuringSave_data() {
    QTest::addColumn<int>("pump");

    for (int pump : {1, 7, 8, 15, 22})
        QTest::addRow("closed at pump %d", pump) << pump;
}

void TestEventsDuringOutput::closedDuringSave() {
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
void TestEventsDuringOutput::clearedMeanwhile_data() {
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

void TestEventsDuringOutput::clearedMeanwhile() {
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

QTEST_GUILESS_MAIN(TestEventsDuringOutput)
#include "test_events_during_output.moc"
