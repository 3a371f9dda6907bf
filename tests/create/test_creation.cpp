// Creating the list: the entries joined, the question for another separator, the progress
// shown and the faults reported on the way.

#include "common/error_report.h"
#include "started_window.h"
#include "support/list_items.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QTest>

using namespace tavrolin;
using namespace tavrolin::testing;

namespace {

const QString kPrompt = QStringLiteral("What would you like to separate each entry with");

} // namespace

class TestCreation : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void join_data();
    void join();
    void emptyEntryList_data();
    void emptyEntryList();
    void progress();
    void entriesVanishingMidwayAreReported();
};

void TestCreation::join_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("choice");
    // To the separator question, in order; a null text cancels it. Each is asked exactly once.
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("result");

    const QStringList ab = {QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("samples, comma-space")
        << samples() << 0 << QStringList() << 1 << QStringLiteral("first, second, third, fourth");
    QTest::newRow("samples, comma")
        << samples() << 1 << QStringList() << 1 << QStringLiteral("first,second,third,fourth");
    QTest::newRow("samples, space")
        << samples() << 2 << QStringList() << 1 << QStringLiteral("first second third fourth");
    QTest::newRow("single entry") << QStringList{QStringLiteral("abc")} << 0 << QStringList() << 1
                                  << QStringLiteral("abc");
    QTest::newRow("empty entry kept")
        << QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")} << 1 << QStringList()
        << 1 << QStringLiteral("a,,b");
    QTest::newRow("two empty entries")
        << QStringList{QString(), QString()} << 0 << QStringList() << 1 << QStringLiteral(", ");
    QTest::newRow("entry with separator")
        << QStringList{QStringLiteral("x, y"), QStringLiteral("z")} << 1 << QStringList() << 1
        << QStringLiteral("x, y,z");
    QTest::newRow("twice, one row") << ab << 1 << QStringList() << 2 << QStringLiteral("a,b");
    QTest::newRow("other, asked once")
        << ab << 3 << QStringList{QStringLiteral(" - ")} << 2 << QStringLiteral("a - b");
    QTest::newRow("other, cancelled")
        << ab << 3 << QStringList{QString()} << 3 << QStringLiteral("ab");
    QTest::newRow("other, answered other")
        << ab << 3 << QStringList{QStringLiteral("other"), QStringLiteral("+")} << 2
        << QStringLiteral("a+b");
    QTest::newRow("unset separator") << ab << -1 << QStringList() << 1 << QStringLiteral("ab");
}

void TestCreation::join() {
    QFETCH(QStringList, entries);
    QFETCH(int, choice);
    QFETCH(QStringList, answers);
    QFETCH(int, presses);
    QFETCH(QString, result);

    Started w(choice, entries);
    QStringList asked;
    for (const QString& answer : answers) {
        dialogs().typeInput(
            answer.isNull() ? std::nullopt : std::optional(answer), [&](QInputDialog* box) {
                asked << box->windowTitle() + u'|' + box->labelText() + u'|' + box->textValue();
            });
    }
    // The window looks idle again by the time "Done." shows.
    QStringList atDone;
    for (int press = 0; press < presses; ++press) {
        dialogs().closeMessage([&](QMessageBox*) {
            atDone << QString::number(w.window().pointer()) + u' ' + w.bar();
        });
    }
    for (int press = 0; press < presses; ++press)
        w.press();
    QCOMPARE(atDone, QStringList(presses, QStringLiteral("0 0 Progress Bar")));

    QCOMPARE(texts(w.toolkit.listView2()), QStringList{result});
    QCOMPARE(texts(w.toolkit.listView1()), entries);
    QCOMPARE(asked, QStringList(answers.size(),
                                QStringLiteral("Tavrolin|") + kPrompt + QStringLiteral("|, ")));
    QCOMPARE(dialogs().messages(), QStringList(presses, QStringLiteral("Done.")));
    QCOMPARE(dialogs().messageTitles(), QStringList(presses, QStringLiteral("Tavrolin")));
    QCOMPARE(dialogs().messageIcons(), QList<int>(presses, QMessageBox::NoIcon));
    QVERIFY(!w.form.busy());
    QCOMPARE(w.window().pointer(), 0);
    QCOMPARE(w.bar(), QStringLiteral("0 Progress Bar"));
}

void TestCreation::emptyEntryList_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("asked");
    QTest::newRow("comma") << 1 << 0;
    QTest::newRow("other") << 3 << 1;
}

void TestCreation::emptyEntryList() {
    QFETCH(int, choice);
    QFETCH(int, asked);
    Started w(choice);
    w.window().dispatch([&] { appendText(w.toolkit.listView2(), QStringLiteral("old result")); });
    int resultsAtQuestion = -1; // the results list is emptied before the question
    if (asked) {
        dialogs().typeInput(QStringLiteral(";"), [&](QInputDialog*) {
            resultsAtQuestion = w.toolkit.listView2().itemCount();
        });
    }
    dialogs().closeMessage();
    // What the bar shows is left alone.
    w.bar();
    w.window().progressBar1->setValue(7);
    w.window().progressBar1->setLabel(QStringLiteral("untouched"));
    w.press();
    QCOMPARE(resultsAtQuestion, asked ? 0 : -1);
    QCOMPARE(w.toolkit.listView2().itemCount(), 0);
    QCOMPARE(dialogs().messages(), QStringList{QStringLiteral("Load items to list first")});
    QCOMPARE(dialogs().messageTitles(), QStringList{QStringLiteral("Tavrolin")});
    QCOMPARE(w.bar(), QStringLiteral("7 untouched"));
    QVERIFY(!w.form.busy());
    if (asked) { // the answer is kept: the next press does not ask
        QCOMPARE(w.form.separator().text(), QStringLiteral(";"));
        dialogs().closeMessage();
        w.press();
    }
}

void TestCreation::progress() {
    Started w(0, {QStringLiteral("a"), QStringLiteral("/lists/names.txt"), QStringLiteral("b/"),
                  QStringLiteral("d")});
    QStringList shown; // the pointer, the bar's value and its text
    for (int call = 1; call <= 4; ++call) {
        w.events.at(call, [&] {
            shown << QString::number(w.window().pointer()) + u' ' + w.bar();
            QVERIFY(w.form.busy());
            // As a load ending meanwhile does: every pass shows the busy pointer again.
            w.window().setPointer(0);
        });
    }
    dialogs().closeMessage();
    w.press();
    shown << QString::number(w.window().pointer()) + u' ' + w.bar();
    QCOMPARE(shown, QStringList({QStringLiteral("11 25 Processing: a"),
                                 QStringLiteral("11 50 Processing: names.txt"),
                                 QStringLiteral("11 75 Processing: "),
                                 QStringLiteral("11 100 Processing: d"),
                                 QStringLiteral("0 0 Progress Bar")}));
    QCOMPARE(texts(w.toolkit.listView2()),
             QStringList{QStringLiteral("a, /lists/names.txt, b/, d")});
}

// No handler shrinks the entry list while it is joined (removalRefusedWhileBusy); should the
// list still lose entries under a creation, each later pass reports its share of nothing and its
// missing entry, and the creation still ends.
void TestCreation::entriesVanishingMidwayAreReported() {
    Started w(1, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    w.events.at(2, [&] { w.toolkit.listView1().removeAll(); });
    for (int message = 0; message < 3; ++message)
        dialogs().closeMessage();
    w.press();
    const QString procedure = QStringLiteral("Form1.PushButton4_Click");
    QCOMPARE(dialogs().messages(),
             (QStringList{
                 shownInBox(errorReportText(QStringLiteral("Division by zero"), procedure, 116)),
                 shownInBox(errorReportText(QStringLiteral("Index out of bounds"), procedure, 118)),
                 QStringLiteral("Done.")}));
    QCOMPARE(texts(w.toolkit.listView2()), QStringList{QStringLiteral("a,b,")});
    QVERIFY(!w.form.busy());
}

QTEST_MAIN(TestCreation)
#include "test_creation.moc"
