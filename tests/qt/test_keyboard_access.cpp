// The window worked from the keyboard alone, and what a screen reader is told of its controls.

#include "qt/csv_column_dialog.h"
#include "qt/duplicates_dialog.h"
#include "qt/figures_dialog.h"
#include "qt/groups_dialog.h"
#include "qt/report_table.h"
#include "qt/split_dialog.h"
#include "qt/wrap_dialog.h"
#include "support/list_items.h"
#include "support/window_test.h"
#include "window_keys.h"

#include <QAccessible>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace tavrolin;
using namespace tavrolin::testing;
using tavrolin::qt::WidgetList;
using namespace Qt::StringLiterals;

namespace {

// A tool's dialog by its title, as the entry list's menu opens it.
std::unique_ptr<QDialog> toolDialog(const QString& title, QWidget* owner) {
    if (title == u"Wrap Each Entry")
        return std::make_unique<qt::WrapDialog>(owner);
    if (title == u"Split Entries")
        return std::make_unique<qt::SplitDialog>(owner, u","_s);
    if (title == u"Remove Duplicates")
        return std::make_unique<qt::DuplicatesDialog>(owner);
    if (title == u"Create in Groups")
        return std::make_unique<qt::GroupsDialog>(owner);
    if (title == u"Load Column From CSV File") {
        CsvPreview preview;
        preview.rows = {{"name", "email"}, {"Ada", "ada@example.org"}};
        return std::make_unique<qt::CsvColumnDialog>(owner, preview,
                                                     [preview](char) { return preview; });
    }
    return std::make_unique<qt::FiguresDialog>(QList<Figure>{{u"Entries"_s, u"4"_s}}, owner);
}

const QStringList kToolDialogs = {u"Wrap Each Entry"_s, u"Split Entries"_s, u"Remove Duplicates"_s,
                                  u"Create in Groups"_s, u"Load Column From CSV File"_s};

// The letter Alt takes to a control, and the control it reaches: a label's buddy, a button.
QMultiMap<QChar, QWidget*> letters(QDialog* dialog) {
    const auto letterOf = [](const QString& text) {
        const qsizetype at = QString(text).remove(u"&&"_s).indexOf(u'&');
        return at >= 0 ? QString(text).remove(u"&&"_s).at(at + 1).toUpper() : QChar();
    };
    QMultiMap<QChar, QWidget*> found;
    for (QLabel* label : dialog->findChildren<QLabel*>())
        if (const QChar letter = letterOf(label->text()); !letter.isNull())
            found.insert(letter, label->buddy());
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        if (const QChar letter = letterOf(button->text()); !letter.isNull())
            found.insert(letter, button);
    return found;
}

} // namespace

class TestKeyboardAccess : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void keyboardAndScreenReader();
    void homeAndEnd_data();
    void homeAndEnd();
    void everyChoiceHasALetter_data();
    void everyChoiceHasALetter();
    void altReachesTheChoice_data();
    void altReachesTheChoice();
    void namesForAScreenReader_data();
    void namesForAScreenReader();
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
    for (qt::ReportTable* list : {window.listView1, window.listView2})
        QCOMPARE(text(list, QAccessible::Description), list->toolTip());
    for (QPushButton* button : window.findChildren<QPushButton*>())
        QCOMPARE(text(button, QAccessible::Description), button->text());
    QCOMPARE(text(window.combo1, QAccessible::Description), window.frame1->title());

    WidgetList& entries = real.toolkit.listView1();
    window.pushButton8->setFocus();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(window.pushButton8, key);
    QCOMPARE(entries.itemCount(), 12);

    window.combo1->setCurrentIndex(0);
    window.combo1->setFocus();
    QTest::keyClick(window.combo1, Qt::Key_Down);
    QCOMPARE(real.form.separator().text(), QStringLiteral(","));

    qt::ReportTable* list = window.listView1;
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
    qt::ReportTable* results = window.listView2;
    results->setFocus();
    results->setCurrentIndex(results->model()->index(0, 0));
    QTest::keyClick(results, Qt::Key_Space);
    QVERIFY(real.toolkit.listView2().itemChecked(1));
    QTest::keyClick(results, Qt::Key_Space);
    QVERIFY(!real.toolkit.listView2().itemChecked(1));
}

void TestKeyboardAccess::homeAndEnd_data() {
    QTest::addColumn<bool>("results");
    QTest::addColumn<int>("from");
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<int>("to");

    for (const bool results : {false, true}) {
        const auto row = [&](const char* name, int from, QKeyCombination keys, int to) {
            QTest::addRow("%s, %s", results ? "results" : "entries", name)
                << results << from << keys << to;
        };
        row("Home", 20, QKeyCombination(Qt::Key_Home), 0);
        row("End", 3, QKeyCombination(Qt::Key_End), 59);
        row("Ctrl+Home", 20, Qt::CTRL | Qt::Key_Home, 0);
        row("Ctrl+End", 3, Qt::CTRL | Qt::Key_End, 59);
        row("Home on the first", 0, QKeyCombination(Qt::Key_Home), 0);
        row("End on the last", 59, QKeyCombination(Qt::Key_End), 59);
    }
}

// Home and End go to the first and last item, selected and in view, in either list.
void TestKeyboardAccess::homeAndEnd() {
    QFETCH(bool, results);
    QFETCH(int, from);
    QFETCH(QKeyCombination, keys);
    QFETCH(int, to);

    RealWindow real;
    auto& window = real.toolkit.window();
    activate(window);
    WidgetList& items = results ? real.toolkit.listView2() : real.toolkit.listView1();
    qt::ReportTable* list = results ? window.listView2 : window.listView1;
    window.dispatch([&] {
        for (int i = 0; i < 60; ++i)
            appendText(items, QString::number(i));
    });
    QCoreApplication::processEvents();
    list->setFocus();
    list->setCurrentIndex(list->model()->index(from, 0));
    QTest::keyClick(list, keys.key(), keys.keyboardModifiers());
    QCOMPARE(items.selectedItem(), to + 1);
    QVERIFY(list->viewport()->rect().contains(list->visualRect(list->currentIndex())));
}

void TestKeyboardAccess::everyChoiceHasALetter_data() {
    QTest::addColumn<QString>("title");
    for (const QString& title : kToolDialogs)
        QTest::newRow(qPrintable(title)) << title;
}

// Every field is named by a label with a letter, every choice has a letter, and no two share
// one; Cancel has none, as Escape cancels.
void TestKeyboardAccess::everyChoiceHasALetter() {
    QFETCH(QString, title);
    const std::unique_ptr<QDialog> dialog = toolDialog(title, nullptr);
    const QMultiMap<QChar, QWidget*> found = letters(dialog.get());
    for (const QChar letter : found.uniqueKeys())
        QVERIFY2(found.count(letter) == 1, qPrintable(u"Alt+"_s + letter + u" is shared"_s));
    const auto* form = dialog->findChild<QFormLayout*>();
    for (int row = 0; form != nullptr && row < form->rowCount(); ++row) {
        const QLayoutItem* label = form->itemAt(row, QFormLayout::LabelRole);
        if (label != nullptr)
            QCOMPARE(static_cast<QLabel*>(label->widget())->buddy(),
                     form->itemAt(row, QFormLayout::FieldRole)->widget());
    }
    for (QWidget* choice : dialog->findChildren<QWidget*>()) {
        const auto* button = qobject_cast<QPushButton*>(choice);
        if (choice->focusPolicy() == Qt::NoFocus || (button != nullptr && !button->isDefault()))
            continue; // a push button that is not the tool's own is Cancel
        if (qobject_cast<QLineEdit*>(choice) != nullptr && choice->parent() != dialog.get())
            continue; // the edit inside a box
        QVERIFY2(found.values().contains(choice), qPrintable(choice->objectName()));
    }
}

void TestKeyboardAccess::altReachesTheChoice_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("choice");

    const auto row = [](const QString& title, const char* letter, const char* choice) {
        QTest::addRow("%s, Alt+%s", qPrintable(title), letter)
            << title << QString::fromLatin1(letter) << QString::fromLatin1(choice);
    };
    row(u"Wrap Each Entry"_s, "P", "preset");
    row(u"Wrap Each Entry"_s, "B", "before");
    row(u"Wrap Each Entry"_s, "A", "after");
    row(u"Wrap Each Entry"_s, "W", "wrap");
    row(u"Split Entries"_s, "E", "separator");
    row(u"Split Entries"_s, "Q", "quotes");
    row(u"Split Entries"_s, "S", "split");
    row(u"Remove Duplicates"_s, "C", "ignoreCase");
    row(u"Remove Duplicates"_s, "S", "ignoreSpaces");
    row(u"Remove Duplicates"_s, "F", "keepFirst");
    row(u"Remove Duplicates"_s, "L", "keepLast");
    row(u"Remove Duplicates"_s, "O", "keepOnce");
    row(u"Remove Duplicates"_s, "M", "keepRepeated");
    row(u"Remove Duplicates"_s, "R", "remove");
    row(u"Create in Groups"_s, "E", "groupSize");
    row(u"Create in Groups"_s, "B", "before");
    row(u"Create in Groups"_s, "A", "after");
    row(u"Create in Groups"_s, "C", "create");
    row(u"Load Column From CSV File"_s, "D", "delimiter");
    row(u"Load Column From CSV File"_s, "H", "header");
    row(u"Load Column From CSV File"_s, "R", "rows");
    row(u"Load Column From CSV File"_s, "O", "column");
    row(u"Load Column From CSV File"_s, "L", "load");
}

// Alt with the letter, typed into the open dialog, moves to a field or presses a button.
void TestKeyboardAccess::altReachesTheChoice() {
    QFETCH(QString, title);
    QFETCH(QString, letter);
    QFETCH(QString, choice);

    RealWindow real;
    const std::unique_ptr<QDialog> dialog = toolDialog(title, &real.toolkit.window());
    dialogs().answerDialog(title, [&](QDialog* shown) {
        activate(*shown);
        auto* target = shown->findChild<QWidget*>(choice);
        QVERIFY(target != nullptr);
        auto* button = qobject_cast<QAbstractButton*>(target);
        const QSignalSpy pressed(button != nullptr ? button : shown->findChild<QAbstractButton*>(),
                                 &QAbstractButton::clicked);
        const auto key = Qt::Key(Qt::Key_A + (letter.at(0).unicode() - u'A'));
        QTest::keyClick(shown->focusWidget(), key, Qt::AltModifier);
        if (button != nullptr)
            QTRY_COMPARE(pressed.count(), 1);
        else
            QCOMPARE(QApplication::focusWidget(), target);
        shown->reject();
    });
    dialog->exec();
}

void TestKeyboardAccess::namesForAScreenReader_data() {
    QTest::addColumn<QString>("title");  // empty: the main window
    QTest::addColumn<QString>("widget"); // empty: the dialog itself
    QTest::addColumn<QString>("name");

    const auto row = [](const QString& title, const char* widget, const QString& name) {
        QTest::addRow("%s, %s", qPrintable(title), widget)
            << title << QString::fromLatin1(widget) << name;
    };
    row({}, "ProgressBar1", u"Progress"_s);
    for (const QString& title : kToolDialogs + QStringList{u"List Figures"_s})
        row(title, "", title);
    row(u"Wrap Each Entry"_s, "preset", u"Preset:"_s);
    row(u"Wrap Each Entry"_s, "before", u"Before:"_s);
    row(u"Wrap Each Entry"_s, "after", u"After:"_s);
    row(u"Split Entries"_s, "separator", u"Separator:"_s);
    row(u"Split Entries"_s, "quotes", u"Quotes:"_s);
    row(u"Remove Duplicates"_s, "ignoreCase", u"Ignore case"_s);
    row(u"Remove Duplicates"_s, "keepOnce", u"Only the entries that occur once"_s);
    row(u"Create in Groups"_s, "groupSize", u"Entries per group:"_s);
    row(u"Create in Groups"_s, "before", u"Before each group:"_s);
    row(u"Create in Groups"_s, "after", u"After each group:"_s);
    row(u"Load Column From CSV File"_s, "delimiter", u"Delimiter:"_s);
    row(u"Load Column From CSV File"_s, "header", u"First row is a header"_s);
    row(u"Load Column From CSV File"_s, "rows", u"First rows of the file"_s);
    row(u"Load Column From CSV File"_s, "column", u"Column:"_s);
}

// What a screen reader says a control is: its own name, or the label that names it.
void TestKeyboardAccess::namesForAScreenReader() {
    QFETCH(QString, title);
    QFETCH(QString, widget);
    QFETCH(QString, name);

    RealWindow real;
    std::unique_ptr<QDialog> dialog;
    QWidget* owner = &real.toolkit.window();
    if (!title.isEmpty()) {
        dialog = toolDialog(title, owner);
        owner = dialog.get();
    }
    QWidget* named = widget.isEmpty() ? owner : owner->findChild<QWidget*>(widget);
    QVERIFY(named != nullptr);
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(named);
    // A list box is read by its value, and named by the label given as a relation.
    QStringList said = {spoken->text(QAccessible::Name)};
    for (const auto& [other, relation] : spoken->relations(QAccessible::Label))
        said.append(other->text(QAccessible::Name));
    QVERIFY2(said.contains(name), qPrintable(said.join(u" | ")));
}

QTEST_MAIN(TestKeyboardAccess)
#include "test_keyboard_access.moc"
