// What the user may do while a creation lets events run: press again, remove entries or
// results, add entries, pick another separator or clear the results.

#include "qt/report_table.h"
#include "started_window.h"
#include "support/list_items.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace tavrolin::testing;

namespace {

void selectFirst(qt::ReportTable* view) {
    view->setCurrentIndex(view->model()->index(0, 0));
}

void doubleClickFirst(qt::ReportTable* view) {
    selectFirst(view);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                       view->visualRect(view->currentIndex()).center());
}

} // namespace

class TestEventsDuringCreation : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void secondPressDuringCreationDoesNothing();
    void removalRefusedWhileBusy_data();
    void removalRefusedWhileBusy();
    void entriesAppendedDuringCreationAreNotJoined();
    void separatorPickedMidway_data();
    void separatorPickedMidway();
    void clearResultsDuringCreation();
};

void TestEventsDuringCreation::secondPressDuringCreationDoesNothing() {
    Started w(1, samples());
    w.events.at(2, [&] { w.press(); });
    // While "Done." is shown the creation still runs: a press then is refused too.
    dialogs().closeMessage([&](QMessageBox*) {
        QVERIFY(w.form.busy());
        w.press();
    });
    w.press();
    QCOMPARE(w.events.calls(), 4);
    QCOMPARE(texts(w.toolkit.listView2()),
             QStringList{QStringLiteral("first,second,third,fourth")});
    QCOMPARE(dialogs().messages(), QStringList{QStringLiteral("Done.")});
    QVERIFY(!w.form.busy());
    dialogs().closeMessage();
    w.press(); // accepted again once the flag is cleared
    QCOMPARE(dialogs().messages().size(), 2);
}

void TestEventsDuringCreation::removalRefusedWhileBusy_data() {
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("afterLoad"); // a load ends in the same turn: default pointer
    QTest::newRow("double-click") << 0 << false;
    QTest::newRow("Delete key") << 1 << false;
    QTest::newRow("Clear List") << 2 << false;
    QTest::newRow("Delete key on results") << 3 << false;
    QTest::newRow("double-click after a load") << 0 << true;
    QTest::newRow("Delete key after a load") << 1 << true;
    QTest::newRow("Clear List after a load") << 2 << true;
}

void TestEventsDuringCreation::removalRefusedWhileBusy() {
    QFETCH(int, action);
    QFETCH(bool, afterLoad);
    Started w(1, samples());
    qt::MainWindow& window = w.window();
    QTemporaryDir dir;
    const QString listFile = dir.filePath(QStringLiteral("list.txt"));
    QVERIFY(testing::writeFile(listFile, "loaded\r\n"));
    selectFirst(window.listView1);
    w.events.at(2, [&] {
        if (afterLoad) {
            dialogs().chooseFile(listFile);
            window.pushButton6->click();
            QCOMPARE(window.pointer(), 0);
        }
        switch (action) {
        case 0:
            doubleClickFirst(window.listView1);
            break;
        case 1:
            QTest::keyClick(window.listView1, Qt::Key_Delete);
            break;
        case 2:
            window.pushButton5->click();
            break;
        default:
            window.dispatch([&] { appendText(w.toolkit.listView2(), QStringLiteral("row")); });
            selectFirst(window.listView2);
            QTest::keyClick(window.listView2, Qt::Key_Delete);
            QCOMPARE(w.toolkit.listView2().itemCount(), 1);
        }
    });
    dialogs().closeMessage();
    w.press();
    const QStringList entries =
        samples() + (afterLoad ? QStringList{QStringLiteral("loaded")} : QStringList());
    QCOMPARE(texts(w.toolkit.listView1()), entries);
    QCOMPARE(dialogs().messages(), QStringList{QStringLiteral("Done.")});
    QCOMPARE(texts(w.toolkit.listView2()).last(), QStringLiteral("first,second,third,fourth"));
    // Once the creation is over, the same action works.
    doubleClickFirst(window.listView1);
    QCOMPARE(w.toolkit.listView1().itemCount(), entries.size() - 1);
}

void TestEventsDuringCreation::entriesAppendedDuringCreationAreNotJoined() {
    Started w(1, samples());
    QStringList bar;
    for (int call = 1; call <= 4; ++call)
        w.events.at(call, [&] { bar << w.bar(); });
    w.events.at(2, [&] { w.window().pushButton8->click(); });
    w.events.at(3, [&] {
        dialogs().typeInput(QStringLiteral("typed"));
        w.window().pushButton2->click();
    });
    dialogs().closeMessage();
    w.press();
    bar << w.bar();
    QCOMPARE(w.toolkit.listView1().itemCount(), 9);
    QCOMPARE(texts(w.toolkit.listView2()),
             QStringList{QStringLiteral("first,second,third,fourth")});
    // The share is of the entries there are at each pass: 3 of 8, then 4 of 9.
    QCOMPARE(bar,
             QStringList(
                 {QStringLiteral("25 Processing: first"), QStringLiteral("50 Processing: second"),
                  QStringLiteral("38 Processing: third"), QStringLiteral("44 Processing: fourth"),
                  QStringLiteral("0 Progress Bar")}));
}

void TestEventsDuringCreation::separatorPickedMidway_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("answer"); // to the question of this press, if asked
    QTest::addColumn<QList<int>>("pumps");
    QTest::addColumn<QList<int>>("picks"); // the position picked at each of those pumps
    QTest::addColumn<QString>("result");

    // The cut at the end takes the separator of the last pass.
    QTest::newRow("comma") << 0 << QString() << QList<int>{2} << QList<int>{1}
                           << QStringLiteral("a, b,c,d");
    // A longer separator than the press started with: the list outgrows the room taken for it.
    QTest::newRow("comma, then comma-space")
        << 1 << QString() << QList<int>{2} << QList<int>{0} << QStringLiteral("a,b, c, d");
    // "Other" is asked at the next press; this one keeps what it joined with.
    QTest::newRow("other") << 0 << QString() << QList<int>{2} << QList<int>{3}
                           << QStringLiteral("a, b, c, d");
    QTest::newRow("other in the last pass")
        << 1 << QString() << QList<int>{4} << QList<int>{3} << QStringLiteral("a,b,c,d");
    QTest::newRow("other, then space")
        << 0 << QString() << QList<int>{2, 3} << QList<int>{3, 2} << QStringLiteral("a, b, c d");
    QTest::newRow("space, then other")
        << 0 << QString() << QList<int>{2, 3} << QList<int>{2, 3} << QStringLiteral("a, b c d");
    QTest::newRow("typed other, other picked")
        << 3 << QStringLiteral("other") << QList<int>{2} << QList<int>{3}
        << QStringLiteral("aotherbothercotherd");
    QTest::newRow("typed other, comma picked") << 3 << QStringLiteral("other") << QList<int>{2}
                                               << QList<int>{1} << QStringLiteral("aotherb,c,d");
}

// Each question is scripted only where it must come: an unscripted one fails the test.
void TestEventsDuringCreation::separatorPickedMidway() {
    QFETCH(int, choice);
    QFETCH(QString, answer);
    QFETCH(QList<int>, pumps);
    QFETCH(QList<int>, picks);
    QFETCH(QString, result);

    Started w(choice,
              {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
    if (choice == 3)
        dialogs().typeInput(answer);
    for (qsizetype k = 0; k < pumps.size(); ++k)
        w.events.at(pumps.at(k), [&w, pick = picks.at(k)] { w.pick(pick); });
    dialogs().closeMessage();
    w.press();
    QCOMPARE(texts(w.toolkit.listView2()), QStringList{result});
    QCOMPARE(storedChoice(), QString::number(picks.last()));
    QVERIFY(dialogs().allAnswered());
    // A last pick of "Other" asks at the next press.
    if (picks.last() == 3)
        dialogs().typeInput(QStringLiteral("+"));
    dialogs().closeMessage();
    w.press();
}

void TestEventsDuringCreation::clearResultsDuringCreation() {
    Started w(2, {QStringLiteral("a"), QStringLiteral("b")});
    w.window().dispatch([&] { appendText(w.toolkit.listView2(), QStringLiteral("old")); });
    w.events.at(1, [&] { w.window().pushButton3->click(); });
    dialogs().closeMessage();
    w.press();
    QCOMPARE(texts(w.toolkit.listView2()), QStringList{QStringLiteral("a b")});
    QCOMPARE(dialogs().messages(), QStringList{QStringLiteral("Done.")});
}

QTEST_MAIN(TestEventsDuringCreation)
#include "test_events_during_creation.moc"
