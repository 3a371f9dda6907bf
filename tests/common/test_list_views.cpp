// The list view of the window: index errors, sub-items and check marks, and the row generation.

#include "common/runtime_error.h"
#include "qt/widget_list.h"
#include "support/list_items.h"

#include <QTest>
#include <functional>

using namespace tavrolin;

namespace {

// A list of the window with its check marks; the view that shows it plays no part here.
struct List : qt::WidgetList {
    List() : WidgetList(true) {}
    QStringList texts() const {
        QStringList result;
        for (int item = 1; item <= itemCount(); ++item)
            result.append(itemText(*this, item));
        return result;
    }
};

} // namespace

class TestListViews : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listViewIndexErrors();
    void listViewSubItemsAndCheckMarks();
    void rowGeneration_data();
    void rowGeneration();
};

void TestListViews::listViewIndexErrors() {
    List list;
    list.addColumn(QStringLiteral("List Entries"));
    appendText(list, QStringLiteral("a"));
    const QList<std::pair<const char*, std::function<void()>>> cases = {
        {"itemBytesAt(0)", [&] { list.itemBytesAt(0); }},
        {"itemBytes(2)", [&] { list.itemBytes(2); }},
        {"itemChecked(2)", [&] { list.itemChecked(2); }},
        {"itemSubItem(2, 1)", [&] { list.itemSubItem(2, 1); }},
        {"itemSubItem(1, 0)", [&] { list.itemSubItem(1, 0); }},
        {"removeItem(0)", [&] { list.removeItem(0); }},
        {"removeItem(2)", [&] { list.removeItem(2); }},
        {"columnCaption(2)", [&] { list.columnCaption(2); }},
        {"setColumnWidth(0)", [&] { list.setColumnWidth(0, 100); }},
        {"setItemChecked(3)", [&] { list.setItemChecked(3, true); }},
    };
    for (const auto& [name, call] : cases) {
        int number = 0;
        try {
            call();
        } catch (const RuntimeError& e) {
            number = e.number();
        }
        QVERIFY2(number == error::IndexOutOfBounds, name);
    }
    QCOMPARE(list.itemCount(), 1);
}

void TestListViews::listViewSubItemsAndCheckMarks() {
    List list;
    for (const char* text : {"a", "b", "c"})
        appendText(list, QString::fromLatin1(text));
    QVERIFY(!list.itemChecked(1));
    QCOMPARE(list.itemSubItem(1, 3), QString());
    list.setItemSubItem(2, 2, QStringLiteral("b2"));
    list.setItemChecked(3, true);
    appendText(list, QStringLiteral("d"));
    QCOMPARE(list.itemSubItem(4, 1), QString());
    QVERIFY(!list.itemChecked(4));
    QCOMPARE(list.itemSubItem(2, 1), QString());
    QCOMPARE(list.itemSubItem(2, 2), QStringLiteral("b2"));

    list.removeItem(1); // later items move up with their sub-items and marks
    QCOMPARE(list.texts(),
             QStringList({QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}));
    QCOMPARE(list.itemSubItem(1, 2), QStringLiteral("b2"));
    QVERIFY(list.itemChecked(2));
    QVERIFY(!list.itemChecked(1));

    list.removeAll();
    QCOMPARE(list.itemCount(), 0);
    appendText(list, QStringLiteral("e"));
    QVERIFY(!list.itemChecked(1));
    QCOMPARE(list.itemSubItem(1, 2), QString());
}

// Saving and copying read rows by number between event turns; the generation tells them
// whether row k is still the row they measured.
void TestListViews::rowGeneration_data() {
    QTest::addColumn<int>("change");
    QTest::addColumn<bool>("rises");
    const char* const names[] = {"append",
                                 "check mark",
                                 "sub-item",
                                 "remove item",
                                 "remove all",
                                 "insert before the end",
                                 "take",
                                 "put back at the end",
                                 "take the tail",
                                 "take nothing at the end",
                                 "remove all, empty"};
    const bool rises[] = {false, false, false, true, true, true, true, false, true, false, false};
    for (int change = 0; change < 11; ++change)
        QTest::newRow(names[change]) << change << rises[change];
}

void TestListViews::rowGeneration() {
    QFETCH(int, change);
    QFETCH(bool, rises);
    List list;
    if (change != 10) {
        for (const char* text : {"a", "b", "c"})
            appendText(list, QString::fromLatin1(text));
    }
    const quint64 before = list.rowGeneration();
    switch (change) {
    case 0:
        appendText(list, QStringLiteral("d"));
        break;
    case 1:
        list.setItemChecked(2, true);
        break;
    case 2:
        list.setItemSubItem(2, 1, QStringLiteral("x"));
        break;
    case 3:
        list.removeItem(3);
        break;
    case 4:
    case 10:
        list.removeAll();
        break;
    case 5:
        list.model().insertContents(1, list.model().takeRows(2, 1));
        break;
    case 6:
        list.model().takeRows(1, 1);
        break;
    case 7: {
        // Measured from after the take: putting items back at the end moves none.
        ListContents tail = list.model().takeRows(2, 1);
        const quint64 taken = list.rowGeneration();
        list.model().insertContents(2, std::move(tail));
        QCOMPARE(list.rowGeneration() != taken, rises);
        return;
    }
    case 8:
        list.model().takeRows(1, 2);
        break;
    default:
        list.model().takeRows(3, 0);
    }
    QCOMPARE(list.rowGeneration() != before, rises);
}

QTEST_GUILESS_MAIN(TestListViews)
#include "test_list_views.moc"
