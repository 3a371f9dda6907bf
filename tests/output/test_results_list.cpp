// The results list: "Clear Results" and the keys that delete results.

#include "output_fixture.h"
#include "qt/report_table.h"
#include "support/list_items.h"

#include <QPushButton>
#include <QTest>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

enum class Action { ClearResults, DeleteKey, ShiftDelete, Backspace };

} // namespace

Q_DECLARE_METATYPE(Action)

class TestResultsList : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void resultsList_data();
    void resultsList();
};

void TestResultsList::resultsList_data() {
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("pointer");
    QTest::addColumn<QStringList>("expected");

    const QStringList abc{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("Clear Results") << Action::ClearResults << 3 << 2 << 0 << QStringList();
    QTest::newRow("Clear Results while busy")
        << Action::ClearResults << 3 << 2 << 11 << QStringList();
    QTest::newRow("Clear Results, empty") << Action::ClearResults << 0 << 0 << 0 << QStringList();
    QTest::newRow("Delete selected")
        << Action::DeleteKey << 3 << 2 << 0 << QStringList{u"a"_s, u"c"_s};
    QTest::newRow("Shift+Delete selected")
        << Action::ShiftDelete << 3 << 1 << 0 << QStringList{u"b"_s, u"c"_s};
    QTest::newRow("Delete while busy") << Action::DeleteKey << 3 << 2 << 11 << abc;
    QTest::newRow("Delete, no selection") << Action::DeleteKey << 3 << 0 << 0 << abc;
    QTest::newRow("Delete, empty") << Action::DeleteKey << 0 << 0 << 0 << QStringList();
    QTest::newRow("Backspace") << Action::Backspace << 3 << 2 << 0 << abc;
}

void TestResultsList::resultsList() {
    QFETCH(Action, action);
    QFETCH(int, count);
    QFETCH(int, selected);
    QFETCH(int, pointer);
    QFETCH(QStringList, expected);

    RealWindow w;
    qt::MainWindow& window = w.toolkit.window();
    qt::WidgetList& results = w.toolkit.listView2();
    for (int i = 0; i < count; ++i)
        appendText(results, QString(QChar(char16_t(u'a' + i))));
    results.model().announceAppended();
    if (selected > 0)
        window.listView2->setCurrentIndex(results.model().index(selected - 1, 0));
    window.setPointer(pointer);
    if (action == Action::ClearResults)
        window.pushButton3->click();
    else
        QTest::keyClick(window.listView2,
                        action == Action::Backspace ? Qt::Key_Backspace : Qt::Key_Delete,
                        action == Action::ShiftDelete ? Qt::ShiftModifier : Qt::NoModifier);
    QStringList texts;
    for (int i = 1; i <= results.itemCount(); ++i)
        texts.append(itemText(results, i));
    QCOMPARE(texts, expected);
    QVERIFY(dialogs().messages().isEmpty());
    QVERIFY(!window.ended());
}

QTEST_MAIN(TestResultsList)
#include "test_results_list.moc"
