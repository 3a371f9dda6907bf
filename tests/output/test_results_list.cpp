// The results list: "Clear Results" and the keys that delete results.

#include "output_fixture.h"

#include <QTest>

using namespace tavrolin;
using namespace tavrolin::headless;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

enum class Action { ClearResults, DeleteKey, ShiftDelete, Backspace };

} // namespace

Q_DECLARE_METATYPE(Action)

class TestResultsList : public QObject {
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

    Fixture w;
    for (int i = 0; i < count; ++i)
        w.ui.listView2.appendItem(QString(QChar(char16_t(u'a' + i))));
    w.ui.listView2.select(selected);
    w.ui.form.setPointer(pointer);
    if (action == Action::ClearResults)
        w.form.PushButton3_Click();
    else
        w.form.ListView2_KeyDown(action == Action::Backspace ? 8 : 46,
                                 action == Action::ShiftDelete ? 1 : 0);
    QCOMPARE(w.ui.listView2.texts(), expected);
    QVERIFY(w.ui.dialogs.messages().isEmpty());
    QVERIFY(!w.ui.form.ended());
}

QTEST_GUILESS_MAIN(TestResultsList)
#include "test_results_list.moc"
