// What the user may do while a creation lets events run: press again, remove entries or
// results, add entries, pick another separator or clear the results.

#include "started_window.h"
#include "test_files.h"

#include <QTest>

using namespace tavrolin;
using namespace tavrolin::headless;
using namespace tavrolin::testing;

class TestEventsDuringCreation : public QObject {
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
    HeadlessToolkit& t = w.toolkit;
    t.events.at(2, [&] { w.form.PushButton4_Click(); });
    // While "Done." is shown the creation still runs: a press then is refused too.
    t.dialogs.onNextMessage([&] {
        QVERIFY(w.form.busy());
        w.form.PushButton4_Click();
    });
    w.form.PushButton4_Click();
    QCOMPARE(t.events.calls(), 4);
    QCOMPARE(t.listView2.texts(), QStringList{QStringLiteral("first,second,third,fourth")});
    QCOMPARE(w.messages(), QStringList{QStringLiteral("Done.")});
    QVERIFY(!w.form.busy());
    w.form.PushButton4_Click(); // accepted again once the flag is cleared
    QCOMPARE(t.dialogs.messages().size(), 2);
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
    HeadlessToolkit& t = w.toolkit;
    const QString listFile = w.folder.filePath(QStringLiteral("list.txt"));
    QVERIFY(testing::writeFile(listFile, "loaded\r\n"));
    t.listView1.select(1);
    t.events.at(2, [&] {
        if (afterLoad) {
            t.commonDialog1.chooseNext(listFile);
            w.form.PushButton6_Click();
            QCOMPARE(t.form.pointer(), 0);
        }
        switch (action) {
        case 0:
            w.form.ListView1_DblClick();
            break;
        case 1:
            w.form.ListView1_KeyDown(46, 0);
            break;
        case 2:
            w.form.PushButton5_Click();
            break;
        default:
            t.listView2.appendItem(QStringLiteral("row"));
            t.listView2.select(1);
            w.form.ListView2_KeyDown(46, 0);
            QCOMPARE(t.listView2.itemCount(), 1);
        }
    });
    w.form.PushButton4_Click();
    const QStringList entries =
        samples() + (afterLoad ? QStringList{QStringLiteral("loaded")} : QStringList());
    QCOMPARE(t.listView1.texts(), entries);
    QCOMPARE(w.messages(), QStringList{QStringLiteral("Done.")});
    QCOMPARE(t.listView2.texts().last(), QStringLiteral("first,second,third,fourth"));
    // Once the creation is over, the same action works.
    w.form.ListView1_DblClick();
    QCOMPARE(t.listView1.itemCount(), entries.size() - 1);
}

void TestEventsDuringCreation::entriesAppendedDuringCreationAreNotJoined() {
    Started w(1, samples());
    HeadlessToolkit& t = w.toolkit;
    t.events.at(2, [&] { w.form.PushButton8_Click(); });
    t.events.at(3, [&] {
        t.dialogs.answerNextInput(QStringLiteral("typed"));
        w.form.PushButton2_Click();
    });
    w.form.PushButton4_Click();
    QCOMPARE(t.listView1.itemCount(), 9);
    QCOMPARE(t.listView2.texts(), QStringList{QStringLiteral("first,second,third,fourth")});
    QCOMPARE(t.progressBar1.values(), QList<double>({25, 50, 3.0 / 8 * 100, 4.0 / 9 * 100, 0}));
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

void TestEventsDuringCreation::separatorPickedMidway() {
    QFETCH(int, choice);
    QFETCH(QString, answer);
    QFETCH(QList<int>, pumps);
    QFETCH(QList<int>, picks);
    QFETCH(QString, result);

    Started w(choice,
              {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
    HeadlessToolkit& t = w.toolkit;
    t.dialogs.answerNextInput(answer);
    for (qsizetype k = 0; k < pumps.size(); ++k)
        t.events.at(pumps.at(k), [&t, pick = picks.at(k)] { t.combo1.pick(pick); });
    w.form.PushButton4_Click();
    QCOMPARE(t.listView2.texts(), QStringList{result});
    QCOMPARE(w.stored(), QString::number(picks.last()));
    QCOMPARE(t.dialogs.inputs().size(), choice == 3 ? 1 : 0);
    // A last pick of "Other" asks at the next press.
    t.dialogs.answerNextInput(QStringLiteral("+"));
    w.form.PushButton4_Click();
    QCOMPARE(t.dialogs.inputs().size(), (choice == 3 ? 1 : 0) + (picks.last() == 3 ? 1 : 0));
}

void TestEventsDuringCreation::clearResultsDuringCreation() {
    Started w(2, {QStringLiteral("a"), QStringLiteral("b")});
    HeadlessToolkit& t = w.toolkit;
    t.listView2.appendItem(QStringLiteral("old"));
    t.events.at(1, [&] { w.form.PushButton3_Click(); });
    w.form.PushButton4_Click();
    QCOMPARE(t.listView2.texts(), QStringList{QStringLiteral("a b")});
    QCOMPARE(w.messages(), QStringList{QStringLiteral("Done.")});
}

QTEST_GUILESS_MAIN(TestEventsDuringCreation)
#include "test_events_during_creation.moc"
