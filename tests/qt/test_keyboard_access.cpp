// The window worked from the keyboard alone, and what a screen reader is told of its controls.

#include "qt/report_view.h"
#include "support/list_items.h"
#include "support/window_test.h"
#include "window_keys.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

using namespace tavrolin;
using namespace tavrolin::testing;
using tavrolin::qt::QtListView;

class TestKeyboardAccess : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void keyboardAndScreenReader();
};

void TestKeyboardAccess::keyboardAndScreenReader() {
    RealWindow real;
    auto& window = real.toolkit.window();
    activate(window);
    const auto text = [](QWidget* widget, QAccessible::Text kind) {
        return QAccessible::queryAccessibleInterface(widget)->text(kind);
    };
    QCOMPARE(text(window.listView1, QAccessible::Name), QStringLiteral("List Entries"));
    QCOMPARE(text(window.listView2, QAccessible::Name), QStringLiteral("Results"));
    for (qt::ReportView* list : {window.listView1, window.listView2})
        QCOMPARE(text(list, QAccessible::Description), list->toolTip());
    for (QPushButton* button : window.findChildren<QPushButton*>())
        QCOMPARE(text(button, QAccessible::Description), button->text());
    QCOMPARE(text(window.combo1, QAccessible::Description), window.frame1->title());

    QtListView& entries = real.toolkit.listView1();
    window.pushButton8->setFocus();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(window.pushButton8, key);
    QCOMPARE(entries.itemCount(), 12);

    window.combo1->setCurrentIndex(0);
    window.combo1->setFocus();
    QTest::keyClick(window.combo1, Qt::Key_Down);
    QCOMPARE(real.form.separator().text(), QStringLiteral(","));

    qt::ReportView* list = window.listView1;
    QCoreApplication::processEvents(); // appends reach the view from the event loop
    list->setFocus();
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(entries.itemCount(), 11);
    QCOMPARE(itemText(entries, 2), QStringLiteral("third"));
    // Tab leaves a list for the next control rather than moving between its cells.
    QTest::keyClick(list, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.pushButton6);

    dialogs().closeMessage();
    QTest::keyClick(window.pushButton4, Qt::Key_Return);
    qt::ReportView* results = window.listView2;
    results->setFocus();
    results->setCurrentIndex(results->model()->index(0, 0));
    QTest::keyClick(results, Qt::Key_Space);
    QVERIFY(real.toolkit.listView2().itemChecked(1));
    QTest::keyClick(results, Qt::Key_Space);
    QVERIFY(!real.toolkit.listView2().itemChecked(1));
}

QTEST_MAIN(TestKeyboardAccess)
#include "test_keyboard_access.moc"
