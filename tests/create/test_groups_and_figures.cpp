// "Create in Groups" and "List Figures" from the entry list's menu: rows per group through the
// same creation, the figures shown, and both refused while a creation runs.

#include "create/list_figures.h"
#include "qt/groups_dialog.h"
#include "qt/report_table.h"
#include "started_window.h"
#include "support/list_items.h"

#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QTest>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

constexpr int kGroupsItem = 8;
constexpr int kFiguresItem = 9;

void trigger(Started& w, int item) {
    w.window().listView1->findChild<QMenu*>()->actions().at(item)->trigger();
}

// Answers the groups dialog; no size cancels it. The dialog must open with 1,000 entries.
void answerGroups(std::optional<int> size, const QString& before = {}, const QString& after = {}) {
    dialogs().answerDialog(u"Create in Groups"_s, [=](QDialog* dialog) {
        auto* sizeField = dialog->findChild<QLineEdit*>(u"groupSize"_s);
        QCOMPARE(sizeField->text(), QLocale().toString(1000));
        if (!size) {
            dialog->reject();
            return;
        }
        sizeField->setText(QString::number(*size));
        dialog->findChild<QLineEdit*>(u"before"_s)->setText(before);
        dialog->findChild<QLineEdit*>(u"after"_s)->setText(after);
        dialog->accept();
    });
}

} // namespace

class TestGroupsAndFigures : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void groups_data();
    void groups();
    void groupSizeTyped_data();
    void groupSizeTyped();
    void fieldsShowAQuery_data();
    void fieldsShowAQuery();
    void figures();
    void refusedWhileCreating_data();
    void refusedWhileCreating();
};

void TestGroupsAndFigures::groups_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("size"); // 0: the dialog is cancelled
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("before"); // as typed
    QTest::addColumn<QString>("after");

    const auto row = [](const char* name, const QStringList& entries, int choice, int size,
                        const QStringList& rows, const QString& before = u"IN ("_s,
                        const QString& after = u")"_s) {
        QTest::newRow(name) << entries << choice << size << rows << before << after;
    };
    row("groups of two, last partial", samples() << u"fifth"_s, 1, 2,
        {u"IN (first,second)"_s, u"IN (third,fourth)"_s, u"IN (fifth)"_s});
    row("one group of all", samples(), 0, 1000, {u"IN (first, second, third, fourth)"_s});
    row("groups of one", {u"a"_s, u""_s}, 2, 1, {u"IN (a)"_s, u"IN ()"_s});
    row("other is asked", samples(), 3, 3, {u"IN (first+second+third)"_s, u"IN (fourth)"_s});
    row("cancelled: results kept", samples(), 0, 0, {u"old"_s});
    row("no entries: no dialog", {}, 0, 0, {});
    // Read as Split's separator and batch mode's --before and --after are.
    row("typed escapes", {u"a"_s}, 0, 1, {u"\t(a)\\"_s}, u"\\t("_s, u")\\\\"_s);
}

void TestGroupsAndFigures::groups() {
    QFETCH(QStringList, entries);
    QFETCH(int, choice);
    QFETCH(int, size);
    QFETCH(QStringList, rows);
    QFETCH(QString, before);
    QFETCH(QString, after);

    Started w(choice, entries);
    w.window().dispatch([&] { appendText(w.toolkit.listView2(), u"old"_s); });
    if (!entries.isEmpty())
        answerGroups(size ? std::optional(size) : std::nullopt, before, after);
    // As a press would: the results are emptied before "Other" is asked.
    int resultsAtQuestion = -1;
    if (choice == 3) {
        dialogs().typeInput(
            u"+"_s, [&](QInputDialog*) { resultsAtQuestion = w.toolkit.listView2().itemCount(); });
    }
    const bool creates = size > 0 || entries.isEmpty();
    if (creates)
        dialogs().closeMessage();
    trigger(w, kGroupsItem);

    QCOMPARE(texts(w.toolkit.listView2()), rows);
    QCOMPARE(resultsAtQuestion, choice == 3 ? 0 : -1);
    QCOMPARE(dialogs().messages(),
             creates ? QStringList{entries.isEmpty() ? u"Load items to list first"_s : u"Done."_s}
                     : QStringList());
    QVERIFY(!w.form.busy());
    QCOMPARE(w.bar(), u"0 Progress Bar"_s);
    if (size == 0)
        return;
    // Ticked, so that Copy and Save take them all; one undo brings the old result back.
    for (int row = 1; row <= rows.size(); ++row)
        QVERIFY(w.toolkit.listView2().itemChecked(row));
    QVERIFY(w.toolkit.undo().undo());
    QCOMPARE(texts(w.toolkit.listView2()), QStringList{u"old"_s});
    QVERIFY(w.toolkit.undo().redo());
    QCOMPARE(texts(w.toolkit.listView2()), rows);
    QVERIFY(w.toolkit.listView2().itemChecked(rows.size()));
}

void TestGroupsAndFigures::groupSizeTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("rows"); // the old result: the size is refused

    const QStringList refused{u"old"_s};
    QTest::newRow("zero") << u"0"_s << refused;
    QTest::newRow("letters") << u"abc"_s << refused;
    QTest::newRow("nothing") << u""_s << refused;
    QTest::newRow("negative") << u"-3"_s << refused;
    QTest::newRow("fraction") << u"1.5"_s << refused;
    QTest::newRow("beyond an int") << u"3000000000"_s << refused;
    QTest::newRow("two") << u" 2 "_s << QStringList{u"(first,second)"_s, u"(third,fourth)"_s};
    QTest::newRow("with its group separator")
        << u"1,000"_s << QStringList{u"(first,second,third,fourth)"_s};
}

// A size typed that is not a whole number of at least 1 is refused in the dialog with a note,
// Enter and the disabled button creating nothing, rather than replaced by another.
void TestGroupsAndFigures::groupSizeTyped() {
    QFETCH(QString, typed);
    QFETCH(QStringList, rows);

    const QLocale locale;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto restore = qScopeGuard([&] { QLocale::setDefault(locale); });
    Started w(1, samples());
    w.window().dispatch([&] { appendText(w.toolkit.listView2(), u"old"_s); });
    const bool refused = rows == QStringList{u"old"_s};
    dialogs().answerDialog(u"Create in Groups"_s, [&](QDialog* dialog) {
        auto* sizeField = dialog->findChild<QLineEdit*>(u"groupSize"_s);
        dialog->findChild<QLineEdit*>(u"before"_s)->setText(u"("_s);
        dialog->findChild<QLineEdit*>(u"after"_s)->setText(u")"_s);
        sizeField->setFocus();
        sizeField->selectAll();
        QTest::keyClicks(sizeField, typed);
        if (typed.isEmpty())
            QTest::keyClick(sizeField, Qt::Key_Backspace);
        QCOMPARE(dialog->findChild<QPushButton*>(u"create"_s)->isEnabled(), !refused);
        QCOMPARE(dialog->findChild<QLabel*>(u"sizeNote"_s)->text().isEmpty(), !refused);
        QTest::keyClick(sizeField, Qt::Key_Return);
        QCOMPARE(dialog->isVisible(), refused);
        if (refused)
            dialog->reject();
    });
    if (!refused)
        dialogs().closeMessage();
    trigger(w, kGroupsItem);
    QCOMPARE(texts(w.toolkit.listView2()), rows);
}

void TestGroupsAndFigures::fieldsShowAQuery_data() {
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("changedLater"); // the font changed while the dialog is open
    for (const bool later : {false, true}) {
        for (const qreal points : {7.0, 10.0, 16.0, 28.0})
            QTest::addRow("%g points%s", points, later ? ", changed later" : "") << points << later;
    }
}

// The texts before and after a group show whole for the head of a query, at any font size.
void TestGroupsAndFigures::fieldsShowAQuery() {
    QFETCH(qreal, points);
    QFETCH(bool, changedLater);
    const QFont appFont = QApplication::font();
    QFont font = appFont;
    font.setPointSizeF(points);
    const auto restore = qScopeGuard([&] { QApplication::setFont(appFont); });
    if (!changedLater)
        QApplication::setFont(font);
    qt::GroupsDialog dialog(nullptr);
    if (changedLater)
        QApplication::setFont(font);
    dialogs().answerDialog(u"Create in Groups"_s, [](QDialog* shown) {
        for (const char* name : {"before", "after"}) {
            auto* field = shown->findChild<QLineEdit*>(QLatin1String(name));
            const QStyle* style = field->style();
            const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
            const int room = field->width() - 2 * frame - 4; // a line edit's own margins
            const QString query = u"SELECT * FROM t WHERE id IN ("_s;
            QVERIFY2(room >= field->fontMetrics().horizontalAdvance(query), name);
        }
        shown->reject();
    });
    dialog.exec();
}

void TestGroupsAndFigures::figures() {
    Started w(3, {u"b"_s, u""_s, u"b"_s, u"caf\u00e9"_s});
    QStringList shown;
    dialogs().answerDialog(u"List Figures"_s, [&](QDialog* dialog) {
        auto* form = dialog->findChild<QFormLayout*>();
        const auto text = [form](int row, QFormLayout::ItemRole role) {
            return qobject_cast<QLabel*>(form->itemAt(row, role)->widget())->text();
        };
        for (int row = 0; row + 1 < form->rowCount(); ++row)
            shown << text(row, QFormLayout::LabelRole) + u' ' + text(row, QFormLayout::FieldRole);
        QVERIFY(w.form.busy()); // removals are held off while the figures show
        dialog->reject();
    });
    trigger(w, kFiguresItem);
    // "Other" is not asked here: the lengths count no separator.
    QCOMPARE(shown, (QStringList{u"Entries: 4"_s, u"Distinct entries: 3"_s, u"Empty entries: 1"_s,
                                 u"Separator: none yet (\"Other\" asks at the next creation)"_s,
                                 u"Joined length, characters: 6"_s, u"Joined length, bytes: 7"_s,
                                 u"Spreadsheet cell (32,767 characters): fits"_s}));
    QVERIFY(!w.form.busy());
    QCOMPARE(w.window().pointer(), 0);
}

void TestGroupsAndFigures::refusedWhileCreating_data() {
    QTest::addColumn<int>("item");
    QTest::newRow("groups") << kGroupsItem;
    QTest::newRow("figures") << kFiguresItem;
}

// A creation running, or the busy pointer showing, refuses both without a dialog: an
// unexpected dialog fails the test.
void TestGroupsAndFigures::refusedWhileCreating() {
    QFETCH(int, item);
    Started w(1, samples());
    w.events.at(2, [&] { trigger(w, item); });
    dialogs().closeMessage();
    w.press();
    QCOMPARE(texts(w.toolkit.listView2()), QStringList{u"first,second,third,fourth"_s});
    w.window().setPointer(11);
    trigger(w, item);
    QCOMPARE(dialogs().messages(), QStringList{u"Done."_s});
}

QTEST_MAIN(TestGroupsAndFigures)
#include "test_groups_and_figures.moc"
