#include "app/form1.h"
#include "common/error_report.h"
#include "create/separator.h"
#include "headless/headless_toolkit.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QTest>
#include <QVariant>
#include <memory>

using namespace tavrolin;
using namespace tavrolin::headless;

namespace {

const QString kPrompt = QStringLiteral("What would you like to separate each entry with");

QStringList samples() {
    return {QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third"),
            QStringLiteral("fourth")};
}

// The main window after start-up with the given separator choice (-1: none could be applied)
// and entries.
struct Started {
    explicit Started(int choice, const QStringList& entries = {})
        : toolkit(folder.path()), form(toolkit.toolkit()) {
        toolkit.settings.save(QStringLiteral("Quendale"), QStringLiteral("Tavrolin"),
                              QStringLiteral("Combo1"), QString::number(choice));
        form.Form_Load();
        for (const QString& entry : entries)
            toolkit.listView1.appendItem(entry);
    }
    QStringList messages() const {
        QStringList texts;
        for (const ShownMessage& message : toolkit.dialogs.messages())
            texts << message.text;
        return texts;
    }
    QString stored() const {
        return toolkit.settings.get(QStringLiteral("Quendale"), QStringLiteral("Tavrolin"),
                                    QStringLiteral("Combo1"), QString());
    }

    QTemporaryDir folder;
    HeadlessToolkit toolkit;
    Form1 form;
};

} // namespace

class TestCreation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pick_data();
    void pick();
    void mappingGoesByText();

    void join_data();
    void join();
    void emptyEntryList_data();
    void emptyEntryList();
    void progress();
    void failingStatementIsReportedAndCreationFinishes();
    void entriesVanishingMidwayAreReported();

    void secondPressDuringCreationDoesNothing();
    void removalRefusedWhileBusy_data();
    void removalRefusedWhileBusy();
    void entriesAppendedDuringCreationAreNotJoined();
    void separatorPickedMidway_data();
    void separatorPickedMidway();
    void clearResultsDuringCreation();
};

void TestCreation::pick_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("separator");
    QTest::newRow("Comma-space") << 0 << QStringLiteral(", ");
    QTest::newRow("Comma") << 1 << QStringLiteral(",");
    QTest::newRow("Space") << 2 << QStringLiteral(" ");
    QTest::newRow("Other") << 3 << QStringLiteral("other");
}

void TestCreation::pick() {
    QFETCH(int, position);
    QFETCH(QString, separator);
    Started w(-1);
    w.toolkit.combo1.pick(position);
    QCOMPARE(w.stored(), QString::number(position));
    QCOMPARE(w.form.separator().text(), separator);
    QCOMPARE(w.form.separator().isOtherMarker(), position == 3);
    // Nothing is asked at the pick, not even for "Other".
    QVERIFY(w.toolkit.dialogs.inputs().isEmpty());
    QVERIFY(w.toolkit.dialogs.messages().isEmpty());
}

void TestCreation::mappingGoesByText() {
    HeadlessComboBox combo;
    HeadlessSettingsStore settings;
    Separator separator;
    combo.onClick([&] { chooseSeparator(combo, settings, separator); });
    for (const char* item : {"Space", "Other", "Tab", "comma"})
        combo.addItem(QString::fromLatin1(item));
    combo.pick(0);
    QCOMPARE(separator.text(), QStringLiteral(" "));
    QCOMPARE(settings.get(QStringLiteral("Quendale"), QStringLiteral("Tavrolin"),
                          QStringLiteral("Combo1"), QString()),
             QStringLiteral("0"));
    combo.pick(2); // no known choice: the separator stays
    QCOMPARE(separator.text(), QStringLiteral(" "));
    combo.pick(3); // the comparison is case-sensitive
    QCOMPARE(separator.text(), QStringLiteral(" "));
    QCOMPARE(settings.get(QStringLiteral("Quendale"), QStringLiteral("Tavrolin"),
                          QStringLiteral("Combo1"), QString()),
             QStringLiteral("3"));
    combo.pick(1);
    QVERIFY(separator.isOtherMarker());
}

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

void TestCreation::failingStatementIsReportedAndCreationFinishes() {
    Started w(1, {QStringLiteral("a"), QStringLiteral("b")});
    HeadlessToolkit& t = w.toolkit;
    t.listView2.failAppendOf(QStringLiteral("a,b"));
    w.form.PushButton4_Click();
    QCOMPARE(t.listView2.itemCount(), 0);
    QCOMPARE(t.dialogs.messages().size(), 2);
    QVERIFY(t.dialogs.messages().first().text.startsWith(
        QStringLiteral("Out of memory\r\nin Tavrolin2021/08/31.Form1.PushButton4_Click at line "
                       "130\r\r")));
    QCOMPARE(t.dialogs.messages().last().text, QStringLiteral("Done."));
    QCOMPARE(t.form.pointer(), 0);
    QVERIFY(!w.form.busy());
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

void TestCreation::secondPressDuringCreationDoesNothing() {
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

void TestCreation::removalRefusedWhileBusy_data() {
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

void TestCreation::removalRefusedWhileBusy() {
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

void TestCreation::entriesAppendedDuringCreationAreNotJoined() {
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

void TestCreation::separatorPickedMidway_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("answer"); // to the question of this press, if asked
    QTest::addColumn<QList<int>>("pumps");
    QTest::addColumn<QList<int>>("picks"); // the position picked at each of those pumps
    QTest::addColumn<QString>("result");

    // The cut at the end takes the separator of the last pass.
    QTest::newRow("comma") << 0 << QString() << QList<int>{2} << QList<int>{1}
                           << QStringLiteral("a, b,c,d");
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

void TestCreation::separatorPickedMidway() {
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

void TestCreation::clearResultsDuringCreation() {
    Started w(2, {QStringLiteral("a"), QStringLiteral("b")});
    HeadlessToolkit& t = w.toolkit;
    t.listView2.appendItem(QStringLiteral("old"));
    t.events.at(1, [&] { w.form.PushButton3_Click(); });
    w.form.PushButton4_Click();
    QCOMPARE(t.listView2.texts(), QStringList{QStringLiteral("a b")});
    QCOMPARE(w.messages(), QStringList{QStringLiteral("Done.")});
}

QTEST_GUILESS_MAIN(TestCreation)
#include "test_creation.moc"
