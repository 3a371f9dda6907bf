// Creating the list: the entries joined, the question for another separator, the progress
// shown and the faults reported on the way.

#include "common/error_report.h"
#include "started_window.h"

#include <QTest>
#include <QVariant>

using namespace tavrolin;
using namespace tavrolin::headless;
using namespace tavrolin::testing;

namespace {

const QString kPrompt = QStringLiteral("What would you like to separate each entry with");

} // namespace

class TestCreation : public QObject {
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
    QTest::addColumn<QStringList>("answers"); // to the separator question, in order
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("asked");

    const QStringList ab = {QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("samples, comma-space") << samples() << 0 << QStringList() << 1
                                          << QStringLiteral("first, second, third, fourth") << 0;
    QTest::newRow("samples, comma")
        << samples() << 1 << QStringList() << 1 << QStringLiteral("first,second,third,fourth") << 0;
    QTest::newRow("samples, space")
        << samples() << 2 << QStringList() << 1 << QStringLiteral("first second third fourth") << 0;
    QTest::newRow("single entry") << QStringList{QStringLiteral("abc")} << 0 << QStringList() << 1
                                  << QStringLiteral("abc") << 0;
    QTest::newRow("empty entry kept")
        << QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")} << 1 << QStringList()
        << 1 << QStringLiteral("a,,b") << 0;
    QTest::newRow("two empty entries") << QStringList{QString(), QString()} << 0 << QStringList()
                                       << 1 << QStringLiteral(", ") << 0;
    QTest::newRow("entry with separator")
        << QStringList{QStringLiteral("x, y"), QStringLiteral("z")} << 1 << QStringList() << 1
        << QStringLiteral("x, y,z") << 0;
    QTest::newRow("twice, one row") << ab << 1 << QStringList() << 2 << QStringLiteral("a,b") << 0;
    QTest::newRow("other, asked once")
        << ab << 3 << QStringList{QStringLiteral(" - ")} << 2 << QStringLiteral("a - b") << 1;
    QTest::newRow("other, cancelled") << ab << 3 << QStringList() << 3 << QStringLiteral("ab") << 1;
    QTest::newRow("other, answered other")
        << ab << 3 << QStringList{QStringLiteral("other"), QStringLiteral("+")} << 2
        << QStringLiteral("a+b") << 2;
    QTest::newRow("unset separator") << ab << -1 << QStringList() << 1 << QStringLiteral("ab") << 0;
}

void TestCreation::join() {
    QFETCH(QStringList, entries);
    QFETCH(int, choice);
    QFETCH(QStringList, answers);
    QFETCH(int, presses);
    QFETCH(QString, result);
    QFETCH(int, asked);

    Started w(choice, entries);
    HeadlessToolkit& t = w.toolkit;
    for (const QString& answer : answers)
        t.dialogs.answerNextInput(answer);
    // The window looks idle again by the time "Done." shows.
    QList<QVariant> lookAtDone;
    t.dialogs.onNextMessage([&] {
        lookAtDone = {t.form.pointer(), t.progressBar1.value(), t.progressBar1.text()};
    });
    for (int press = 0; press < presses; ++press)
        w.form.PushButton4_Click();
    QCOMPARE(lookAtDone, (QList<QVariant>{0, 0.0, QStringLiteral("Progress Bar")}));

    QCOMPARE(t.listView2.texts(), QStringList{result});
    QCOMPARE(t.listView1.texts(), entries);
    QCOMPARE(t.dialogs.inputs().size(), asked);
    for (const ShownInput& input : t.dialogs.inputs()) {
        QCOMPARE(input.prompt, kPrompt);
        QCOMPARE(input.defaultText, QStringLiteral(", "));
        QCOMPARE(input.title, QStringLiteral("Tavrolin"));
    }
    QCOMPARE(t.dialogs.messages().size(), presses);
    for (const ShownMessage& message : t.dialogs.messages()) {
        QCOMPARE(message.text, QStringLiteral("Done."));
        QCOMPARE(message.style, MessageStyle::OkOnly);
        QCOMPARE(message.title, QStringLiteral("Tavrolin"));
    }
    QVERIFY(!w.form.busy());
    QCOMPARE(t.form.pointer(), 0);
    QCOMPARE(t.progressBar1.value(), 0.0);
    QCOMPARE(t.progressBar1.text(), QStringLiteral("Progress Bar"));
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
    HeadlessToolkit& t = w.toolkit;
    t.listView2.appendItem(QStringLiteral("old result"));
    t.dialogs.answerNextInput(QStringLiteral(";"));
    int resultsAtQuestion = -1; // the results list is emptied before the question
    t.dialogs.onNextInput([&] { resultsAtQuestion = t.listView2.itemCount(); });
    w.form.PushButton4_Click();
    QCOMPARE(t.dialogs.inputs().size(), asked);
    QCOMPARE(resultsAtQuestion, asked ? 0 : -1);
    QCOMPARE(t.listView2.itemCount(), 0);
    QCOMPARE(w.messages(), QStringList{QStringLiteral("Load items to list first")});
    QCOMPARE(t.dialogs.messages().first().title, QStringLiteral("Tavrolin"));
    QVERIFY(t.progressBar1.values().isEmpty());
    QVERIFY(t.progressBar1.texts().isEmpty());
    QVERIFY(!w.form.busy());
    if (asked) { // the answer is kept: the next press does not ask
        QCOMPARE(w.form.separator().text(), QStringLiteral(";"));
        w.form.PushButton4_Click();
        QCOMPARE(t.dialogs.inputs().size(), 1);
    }
}

void TestCreation::progress() {
    Started w(0, {QStringLiteral("a"), QStringLiteral("/lists/names.txt"), QStringLiteral("b/"),
                  QStringLiteral("d")});
    HeadlessToolkit& t = w.toolkit;
    QList<int> pointers;
    for (int call = 1; call <= 4; ++call) {
        t.events.at(call, [&] {
            pointers << t.form.pointer();
            QVERIFY(w.form.busy());
            // As a load ending meanwhile does: every pass shows the busy pointer again.
            t.form.setPointer(0);
        });
    }
    w.form.PushButton4_Click();
    QCOMPARE(pointers, QList<int>({11, 11, 11, 11}));
    QCOMPARE(t.progressBar1.values(), QList<double>({25, 50, 75, 100, 0}));
    QCOMPARE(t.progressBar1.texts(),
             QStringList({QStringLiteral("Processing: a"), QStringLiteral("Processing: names.txt"),
                          QStringLiteral("Processing: "), QStringLiteral("Processing: d"),
                          QStringLiteral("Progress Bar")}));
    QCOMPARE(t.listView2.texts(), QStringList{QStringLiteral("a, /lists/names.txt, b/, d")});
}

// No handler shrinks the entry list while it is joined (removalRefusedWhileBusy); should the
// list still lose entries under a creation, each later pass reports its share of nothing and its
// missing entry, and the creation still ends.
void TestCreation::entriesVanishingMidwayAreReported() {
    Started w(1, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    HeadlessToolkit& t = w.toolkit;
    t.events.at(2, [&] { t.listView1.removeAll(); });
    w.form.PushButton4_Click();
    const QString procedure = QStringLiteral("Form1.PushButton4_Click");
    QCOMPARE(w.messages(),
             (QStringList{errorReportText(QStringLiteral("Division by zero"), procedure, 116),
                          errorReportText(QStringLiteral("Index out of bounds"), procedure, 118),
                          QStringLiteral("Done.")}));
    QCOMPARE(t.listView2.texts(), QStringList{QStringLiteral("a,b,")});
    QVERIFY(!w.form.busy());
}

QTEST_GUILESS_MAIN(TestCreation)
#include "test_creation.moc"
