// Picking a separator: what is stored and which separator the pick stands for.

#include "create/separator.h"
#include "started_window.h"

#include <QTest>

using namespace tavrolin;
using namespace tavrolin::headless;
using namespace tavrolin::testing;

class TestSeparatorChoice : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pick_data();
    void pick();
    void mappingGoesByText();
};

void TestSeparatorChoice::pick_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("separator");
    QTest::newRow("Comma-space") << 0 << QStringLiteral(", ");
    QTest::newRow("Comma") << 1 << QStringLiteral(",");
    QTest::newRow("Space") << 2 << QStringLiteral(" ");
    QTest::newRow("Other") << 3 << QStringLiteral("other");
}

void TestSeparatorChoice::pick() {
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

void TestSeparatorChoice::mappingGoesByText() {
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

QTEST_GUILESS_MAIN(TestSeparatorChoice)
#include "test_separator_choice.moc"
