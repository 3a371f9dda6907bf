// Picking a separator: what is stored and which separator the pick stands for.

#include "create/separator.h"
#include "qt/qt_combo_box.h"
#include "qt/qt_settings_store.h"
#include "started_window.h"

#include <QTest>

using namespace tavrolin;
using namespace tavrolin::testing;

class TestSeparatorChoice : public WindowTest {
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

// Nothing is asked at the pick, not even for "Other": no dialog is scripted.
void TestSeparatorChoice::pick() {
    QFETCH(int, position);
    QFETCH(QString, separator);
    Started w(-1);
    w.pick(position);
    QCOMPARE(storedChoice(), QString::number(position));
    QCOMPARE(w.form.separator().text(), separator);
    QCOMPARE(w.form.separator().isOtherMarker(), position == 3);
}

void TestSeparatorChoice::mappingGoesByText() {
    QComboBox widget;
    qt::QtComboBox combo(&widget);
    qt::QtSettingsStore settings;
    Separator separator;
    combo.onClick([&] { chooseSeparator(combo, settings, separator); });
    for (const char* item : {"Space", "Other", "Tab", "comma"})
        combo.addItem(QString::fromLatin1(item));
    combo.setListIndex(0);
    QCOMPARE(separator.text(), QStringLiteral(" "));
    QCOMPARE(storedChoice(), QStringLiteral("0"));
    combo.setListIndex(2); // no known choice: the separator stays
    QCOMPARE(separator.text(), QStringLiteral(" "));
    combo.setListIndex(3); // the comparison is case-sensitive
    QCOMPARE(separator.text(), QStringLiteral(" "));
    QCOMPARE(storedChoice(), QStringLiteral("3"));
    combo.setListIndex(1);
    QVERIFY(separator.isOtherMarker());
}

QTEST_MAIN(TestSeparatorChoice)
#include "test_separator_choice.moc"
