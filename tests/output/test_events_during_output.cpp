// What the user may do while a save or a copy lets events run: close the window, empty or
// refill the results list, or untick a row.

#include "output_fixture.h"
#include "test_files.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

// What happens to the results list while a save or a copy lets events run.
enum class Meanwhile { ClearResults, StartCreating, UntickFirst };

} // namespace

Q_DECLARE_METATYPE(Meanwhile)

class TestEventsDuringOutput : public WindowTest {
    Q_OBJECT

public:
    TestEventsDuringOutput() : WindowTest(ModalScript::Unscripted::AsUserWould) {}

private Q_SLOTS:
    // Only the program may end the event loop, not the window going away.
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
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
    RealWindow w;
    qt::MainWindow& window = w.toolkit.window();
    fill(w.toolkit.listView2(), {u"+one"_s, u"+two"_s, u"+three"_s});
    dialogs().chooseFile(path);
    w.events.at(pump, [&] { window.close(); });
    window.pushButton1->click();
    QVERIFY(window.ended());
    QCOMPARE(snapshot(dir.path()), (QMap<QString, QByteArray>{{u"old.txt"_s, "previous\r\n"_ba}}));
    QVERIFY(dialogs().messages().isEmpty());
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
    RealWindow w;
    qt::MainWindow& window = w.toolkit.window();
    window.pushButton8->click();
    fill(w.toolkit.listView2(), {u"+one"_s, u"+two"_s, u"+three"_s});
    QGuiApplication::clipboard()->setText(u"<untouched>"_s);
    w.events.at(pump, [&] {
        if (meanwhile == Meanwhile::UntickFirst)
            w.toolkit.listView2().setItemChecked(1, false);
        else
            (meanwhile == Meanwhile::ClearResults ? window.pushButton3 : window.pushButton4)
                ->click();
    });
    QString output;
    QString expected;
    if (save) {
        dialogs().chooseFile(path);
        window.pushButton1->click();
        output = QString::fromUtf8(readAll(path));
        expected = written.isEmpty() ? u"previous\r\n"_s : kResultsCaption + u"\t\r\n"_s;
        for (const QString& text : written)
            expected += text.leftJustified(94) + u"\t\r\n"_s;
    } else {
        window.pushButton7->click();
        output = w.clipboard.text().value_or(u"<none>"_s);
        expected = written.isEmpty() ? u"<untouched>"_s : QString();
        for (const QString& text : written)
            expected += text + u"\r\n"_s;
    }
    QCOMPARE(output, expected);
    QCOMPARE(reportedAt(), QStringList());
    const bool emptied = meanwhile == Meanwhile::ClearResults;
    QCOMPARE(w.toolkit.listView2().itemCount(), emptied                               ? 0
                                                : meanwhile == Meanwhile::UntickFirst ? 3
                                                                                      : 1);
    QString told = save ? QString() : kPasteMessage;
    if (written.isEmpty() && save)
        told = emptied ? kNothingSavedEmpty : kNothingSavedUnticked;
    else if (written.isEmpty())
        told = emptied ? kNothingCopiedEmpty : kNothingCopiedUnticked;
    const QStringList messages = dialogs().messages();
    if (told.isEmpty())
        QVERIFY(messages.isEmpty() || messages.last() == u"Done."_s);
    else
        QCOMPARE(messages.last(), asShown(told));
}

QTEST_MAIN(TestEventsDuringOutput)
#include "test_events_during_output.moc"
