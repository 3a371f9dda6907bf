// Each kind of change to the lists undone and redone, items coming back whole.

#include "entries/entry_list_tools.h"
#include "qt/labelled_progress_bar.h"
#include "qt/report_table.h"
#include "support/list_items.h"
#include "support/window_test.h"
#include "window_keys.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace tavrolin;
using namespace tavrolin::testing;
using tavrolin::qt::WidgetList;

namespace {

// The items of a list as the user sees them in the view, a check mark as a trailing "[x]".
QStringList shown(const WidgetList& list, qt::ReportTable* view) {
    QCoreApplication::processEvents(); // appends reach the view from the event loop
    QStringList items;
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        QString item = index.data().toString();
        if (index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked)
            item += QStringLiteral("[x]");
        if (item.left(item.indexOf(u'[')) != itemText(list, row + 1))
            return {QStringLiteral("view and list differ at row %1").arg(row)};
        items.append(item);
    }
    if (model->rowCount() != list.itemCount())
        items.append(QStringLiteral("view and list differ in length"));
    return items;
}

QString barText(qt::MainWindow& window) {
    QCoreApplication::sendPostedEvents(window.progressBar1, QEvent::MetaCall);
    return window.progressBar1->text();
}

struct Shown {
    QStringList entries;
    QStringList results;
};

Shown shownLists(RealWindow& real) {
    auto& window = real.toolkit.window();
    return {shown(real.toolkit.listView1(), window.listView1),
            shown(real.toolkit.listView2(), window.listView2)};
}

} // namespace

class TestUndoChanges : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void undoAndRedoEachChange_data();
    void undoAndRedoEachChange();
    void itemsComeBackWhole();
};

void TestUndoChanges::undoAndRedoEachChange_data() {
    QTest::addColumn<QString>("action");
    // What the bar calls the step once it is undone or redone.
    QTest::addColumn<QString>("step");
    const std::pair<const char*, const char*> rows[] = {
        {"typed entry", "Add One Item"},    {"Delete", "Remove Entry"},
        {"double-click", "Remove Entry"},   {"Clear List", "Clear List"},
        {"samples", "Load Sample Data"},    {"file load", "Load List"},
        {"Clear Results", "Clear Results"}, {"Delete on results", "Remove Result"},
        {"creation", "Create List"},        {"F2 edit", "Edit Entry"},
        {"Alt+Up", "Move Entry"},           {"Alt+Down", "Move Entry"},
        {"tool", "Reverse Order"}};
    for (const auto& [action, step] : rows)
        QTest::newRow(action) << QString::fromLatin1(action) << QString::fromLatin1(step);
}

void TestUndoChanges::undoAndRedoEachChange() {
    QFETCH(QString, action);
    QFETCH(QString, step);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("entries.txt"));
    QFile entries(file);
    QVERIFY(entries.open(QIODevice::WriteOnly));
    entries.write("alpha\nbeta\ngamma\n");
    entries.close();

    RealWindow real;
    auto& window = real.toolkit.window();
    QTest::mouseClick(window.pushButton8, Qt::LeftButton);
    dialogs().closeMessage();
    QTest::mouseClick(window.pushButton4, Qt::LeftButton);
    QAbstractItemModel* results = window.listView2->model();
    results->setData(results->index(0, 0), Qt::Checked, Qt::CheckStateRole);
    const Shown before = shownLists(real);
    QCOMPARE(before.results, QStringList({QStringLiteral("first, second, third, fourth[x]")}));

    // The text a tool left, stale once any other operation changes the lists.
    real.toolkit.toolkit().progressBar1.setText(QStringLiteral("Reversed 4 entries"));
    qt::ReportTable* list = window.listView1;
    if (action == QLatin1String("typed entry")) {
        dialogs().typeInput(QStringLiteral("  typed  "));
        QTest::mouseClick(window.pushButton2, Qt::LeftButton);
    } else if (action == QLatin1String("Delete")) {
        list->setCurrentIndex(list->model()->index(1, 0));
        QTest::keyClick(list, Qt::Key_Delete);
    } else if (action == QLatin1String("double-click")) {
        list->setCurrentIndex(list->model()->index(2, 0));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualRect(list->currentIndex()).center());
    } else if (action == QLatin1String("Clear List")) {
        QTest::mouseClick(window.pushButton5, Qt::LeftButton);
    } else if (action == QLatin1String("samples")) {
        QTest::mouseClick(window.pushButton8, Qt::LeftButton);
    } else if (action == QLatin1String("file load")) {
        dialogs().chooseFile(file);
        QTest::mouseClick(window.pushButton6, Qt::LeftButton);
    } else if (action == QLatin1String("Clear Results")) {
        QTest::mouseClick(window.pushButton3, Qt::LeftButton);
    } else if (action == QLatin1String("Delete on results")) {
        window.listView2->setCurrentIndex(results->index(0, 0));
        QTest::keyClick(window.listView2, Qt::Key_Delete);
    } else if (action == QLatin1String("F2 edit")) {
        list->setCurrentIndex(list->model()->index(1, 0));
        QTest::keyClick(list, Qt::Key_F2);
        auto* editor = list->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor != nullptr);
        editor->setText(QStringLiteral(" edited "));
        QTest::keyClick(editor, Qt::Key_Return);
    } else if (action.startsWith(QLatin1String("Alt+"))) {
        list->setCurrentIndex(list->model()->index(2, 0));
        QTest::keyClick(list, action.endsWith(u'p') ? Qt::Key_Up : Qt::Key_Down, Qt::AltModifier);
    } else if (action == QLatin1String("creation")) {
        window.combo1->setCurrentIndex(1);
        Q_EMIT window.combo1->activated(1);
        dialogs().closeMessage();
        QTest::mouseClick(window.pushButton4, Qt::LeftButton);
    } else if (action == QLatin1String("tool")) {
        window.dispatch([&] { real.form.ListView1_Tool(EntryListTool::Reverse); });
    }
    QCOMPARE(barText(window), action == QLatin1String("tool") ? QStringLiteral("Reversed 4 entries")
                                                              : QStringLiteral("Progress Bar"));
    const Shown after = shownLists(real);
    QVERIFY(after.entries != before.entries || after.results != before.results);
    // The samples, the first creation and this action: one step each.
    QCOMPARE(real.toolkit.undo().stack().count(), 3);

    window.listView1->setFocus();
    const QList<std::pair<QKeyCombination, bool>> presses = {
        {Qt::CTRL | Qt::Key_Z, true},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, false},
        {Qt::CTRL | Qt::Key_Z, true},
        {Qt::CTRL | Qt::Key_Y, false}};
    for (const auto& [keys, undone] : presses) {
        press(window, keys);
        QCOMPARE(barText(window),
                 (undone ? QStringLiteral("Undid ") : QStringLiteral("Redid ")) + step);
        const Shown& expected = undone ? before : after;
        const Shown now = shownLists(real);
        QCOMPARE(now.entries, expected.entries);
        QCOMPARE(now.results, expected.results);
    }
}

// Check marks and sub-items go and come back with their items, in every kind of change.
void TestUndoChanges::itemsComeBackWhole() {
    RealWindow real;
    auto& undo = real.toolkit.undo();
    WidgetList& rows = real.toolkit.listView2();
    const auto inOneStep = [&](const std::function<void()>& change) {
        ChangeHistory::Step step(undo);
        change();
    };
    inOneStep([&] {
        for (const char* text : {"a", "b", "c"})
            appendText(rows, QString::fromLatin1(text));
    });
    rows.setItemChecked(2, true);
    rows.setItemSubItem(2, 2, QStringLiteral("b2"));
    const auto whole = [&] {
        QStringList items;
        for (int item = 1; item <= rows.itemCount(); ++item)
            items.append(itemText(rows, item) + u'|' + rows.itemSubItem(item, 2) + u'|' +
                         QString::number(rows.itemChecked(item)));
        return items;
    };
    const QStringList before = whole();
    const QList<std::function<void()>> changes = {[&] { rows.removeItem(2); },
                                                  [&] { rows.removeAll(); },
                                                  [&] {
                                                      appendText(rows, QStringLiteral("d"));
                                                      rows.removeItem(1);
                                                      appendText(rows, QStringLiteral("e"));
                                                  }};
    for (const auto& change : changes) {
        inOneStep(change);
        const QStringList after = whole();
        QVERIFY(undo.undo());
        QCOMPARE(whole(), before);
        QVERIFY(undo.redo());
        QCOMPARE(whole(), after);
        QVERIFY(undo.undo());
        QCOMPARE(whole(), before);
    }
}

QTEST_MAIN(TestUndoChanges)
#include "test_undo_changes.moc"
