// What the main window does with the user's input: the stored separator choice, typed text,
// the pointer over each control, removing or checking rows, and saving and copying them.

#include "qt/labelled_progress_bar.h"
#include "qt/report_table.h"
#include "support/list_items.h"
#include "support/window_test.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

void storeChoice(const QString& value) {
    QSettings settings(QStringLiteral("Quendale"), QStringLiteral("Tavrolin"));
    settings.beginGroup(QStringLiteral("Tavrolin"));
    settings.setValue(QStringLiteral("Combo1"), value);
}

QString storedChoice() {
    QSettings settings(QStringLiteral("Quendale"), QStringLiteral("Tavrolin"));
    settings.beginGroup(QStringLiteral("Tavrolin"));
    return settings.value(QStringLiteral("Combo1")).toString();
}

// Keeps the settings in a folder of its own for as long as it lives.
class SettingsElsewhere {
public:
    enum Kind { Unwritable, Malformed };

    explicit SettingsElsewhere(Kind kind) {
        // A folder that would lie under a regular file cannot be made.
        QFile file(m_folder.filePath(QStringLiteral("file")));
        file.open(QIODevice::WriteOnly);
        setPath(kind == Unwritable ? file.fileName() + QStringLiteral("/config") : m_folder.path());
        if (kind == Malformed) {
            QDir(m_folder.path()).mkpath(QStringLiteral("Quendale"));
            QFile conf(m_folder.filePath(QStringLiteral("Quendale/Tavrolin.conf")));
            conf.open(QIODevice::WriteOnly);
            conf.write("[Tavr");
        }
    }
    ~SettingsElsewhere() {
        setPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
    SettingsElsewhere(const SettingsElsewhere&) = delete;
    SettingsElsewhere& operator=(const SettingsElsewhere&) = delete;

private:
    static void setPath(const QString& path) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
    }

    QTemporaryDir m_folder;
};

} // namespace

class TestWindowInput : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void storedChoiceAtStart_data();
    void storedChoiceAtStart();
    void wheelPicksOnlyWithFocus_data();
    void wheelPicksOnlyWithFocus();
    void pickSetsSeparatorAndSetting_data();
    void pickSetsSeparatorAndSetting();
    void pointerFollowsTheControl_data();
    void pointerFollowsTheControl();
    void failedStoreIsToldOnce_data();
    void failedStoreIsToldOnce();
    void malformedSettingsFileIsRewritten();
    void typedTextArrivesWhole_data();
    void typedTextArrivesWhole();
    void deleteAndDoubleClickRemoveTheSelectedEntry();
    void resultRowsAreCheckable();
    void savesAndCopiesTheTickedRow_data();
    void savesAndCopiesTheTickedRow();
};

void TestWindowInput::storedChoiceAtStart_data() {
    QTest::addColumn<QString>("stored"); // null: nothing stored
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing stored") << QString() << 0 << u"Comma-space"_s;
    QTest::newRow("space stored") << u"2"_s << 2 << u"Space"_s;
    QTest::newRow("no choice stored") << u"-1"_s << -1 << QString();
    // Reported at start-up; the box then shows no choice, as none is in use.
    for (const char* invalid : {"7", "abc", "-2", "70000"})
        QTest::newRow(invalid) << invalid << -1 << QString();
}

// The window at rest as it starts, with the stored choice shown; the report of one that is no
// item opens in the middle of the screen, not in the corner where the window is not yet shown.
void TestWindowInput::storedChoiceAtStart() {
    QFETCH(QString, stored);
    QFETCH(int, index);
    QFETCH(QString, text);
    if (!stored.isNull())
        storeChoice(stored);
    const bool invalid = index < 0 && stored != u"-1";
    QString report;
    QPoint reportCentre;
    QRect screen;
    if (invalid) {
        dialogs().closeMessage([&](QMessageBox* box) {
            report = box->text();
            reportCentre = box->frameGeometry().center();
            screen = box->screen()->availableGeometry();
        });
    }
    RealWindow real;
    qt::MainWindow& window = real.toolkit.window();
    QComboBox* combo = window.combo1;
    QCOMPARE(combo->currentIndex(), index);
    QCOMPARE(combo->currentText(), text);
    QCOMPARE(real.toolkit.toolkit().combo1.listIndex(), index);
    QCOMPARE(real.toolkit.toolkit().combo1.text(), text);
    // The start-up selection is a pick: it stores the position again.
    QCOMPARE(storedChoice(), stored.isNull() ? u"0"_s : stored);
    if (invalid) {
        QVERIFY2(report.contains(u"Form1.Form_Load at line 144"_s), qPrintable(report));
        QVERIFY((reportCentre - screen.center()).manhattanLength() <= 4);
    }
    QCOMPARE(real.toolkit.listView1().selectedItem(), 0);
    QCOMPARE(real.toolkit.listView2().selectedItem(), 0);
    QCOMPARE(window.pointer(), pointer::Default);
    QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
    QTRY_COMPARE(window.progressBar1->text(), u"Progress Bar"_s);
    QCOMPARE(window.progressBar1->value(), 0);
    if (index >= 0)
        return;
    // With nothing chosen, the user's first pick counts, also that of the first item.
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), QStringLiteral("Comma-space"));
    QCOMPARE(storedChoice(), QStringLiteral("0"));
    QCOMPARE(real.form.separator().text(), QStringLiteral(", "));
}

void TestWindowInput::wheelPicksOnlyWithFocus_data() {
    QTest::addColumn<bool>("focused");
    QTest::addColumn<QString>("storedAfter");
    QTest::newRow("another control has the focus") << false << "1";
    QTest::newRow("the choice has the focus") << true << "2";
}

// A wheel turn over the separator choice picks only in the control the user is working in.
void TestWindowInput::wheelPicksOnlyWithFocus() {
    QFETCH(bool, focused);
    QFETCH(QString, storedAfter);
    storeChoice(QStringLiteral("1"));
    RealWindow real;
    QComboBox* combo = real.toolkit.window().combo1;
    QWidget* focus = focused ? static_cast<QWidget*>(combo) : real.toolkit.window().listView1;
    real.toolkit.window().activateWindow();
    focus->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(focus->hasFocus(), 2000);
    const QPointF centre = combo->rect().center();
    QWheelEvent turn(centre, combo->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &turn);
    QCOMPARE(storedChoice(), storedAfter);
    QCOMPARE(combo->currentIndex(), storedAfter.toInt());
}

void TestWindowInput::pickSetsSeparatorAndSetting_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::newRow("comma-space") << 0 << QString() << u"first, second, third, fourth"_s;
    QTest::newRow("comma") << 1 << QString() << u"first,second,third,fourth"_s;
    // Picking the item already shown is a pick too.
    QTest::newRow("space, shown already") << 2 << QString() << u"first second third fourth"_s;
    QTest::newRow("other") << 3 << u" | "_s << u"first | second | third | fourth"_s;
}

// A pick in the open list stores the choice, and creation joins the entries with its separator.
void TestWindowInput::pickSetsSeparatorAndSetting() {
    QFETCH(int, choice);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    storeChoice(QStringLiteral("2"));
    RealWindow real;
    auto& window = real.toolkit.window();
    QTest::mouseClick(window.pushButton8, Qt::LeftButton);
    QCOMPARE(real.toolkit.listView1().itemCount(), 4);
    QComboBox* combo = window.combo1;
    storeChoice(QStringLiteral("changed meanwhile"));
    combo->showPopup();
    QAbstractItemView* popup = combo->view();
    QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), 2000);
    const QPoint item = popup->visualRect(popup->model()->index(choice, 0)).center();
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, item);
    QTRY_VERIFY_WITH_TIMEOUT(!popup->isVisible(), 2000);
    QCOMPARE(combo->currentIndex(), choice);
    QCOMPARE(storedChoice(), QString::number(choice));
    if (!typed.isNull())
        dialogs().typeInput(typed);
    QString told;
    dialogs().closeMessage([&](QMessageBox* box) { told = box->text(); });
    QTest::mouseClick(window.pushButton4, Qt::LeftButton);

    QCOMPARE(told, u"Done."_s);
    QCOMPARE(real.toolkit.listView2().itemCount(), 1);
    QCOMPARE(itemText(real.toolkit.listView2(), 1), result);
    QTRY_COMPARE(window.listView2->model()->index(0, 0).data().toString(), result);
    QTRY_COMPARE(window.progressBar1->text(), u"Progress Bar"_s);
    QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
}

void TestWindowInput::failedStoreIsToldOnce_data() {
    QTest::addColumn<bool>("atStartUp");
    QTest::newRow("at start-up") << true;
    QTest::newRow("on a pick") << false;
}

// A choice that cannot be stored is told once a run, over the shown window, and the separator
// is used all the same.
void TestWindowInput::failedStoreIsToldOnce() {
    QFETCH(bool, atStartUp);
    std::optional<SettingsElsewhere> unwritable;
    if (atStartUp)
        unwritable.emplace(SettingsElsewhere::Unwritable);
    QString message;
    bool overShownWindow = false;
    RealWindow real;
    qt::MainWindow& window = real.toolkit.window();
    dialogs().closeMessage([&](QMessageBox* box) {
        message = box->text();
        overShownWindow = window.isVisible();
    });
    QVERIFY(real.shown);
    real.toolkit.whenShown(real.form, {});
    if (!atStartUp) {
        unwritable.emplace(SettingsElsewhere::Unwritable);
        QTest::keyClick(window.combo1, Qt::Key_Down);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!message.isEmpty(), 5000);
    QVERIFY2(message.startsWith(u"Your choice of separator will not be remembered for the next "
                                u"start: the settings file \""_s),
             qPrintable(message));
    QVERIFY2(message.contains(u"file is a file, not a folder)"_s), qPrintable(message));
    QVERIFY(overShownWindow);
    QCOMPARE(real.form.separator().text(), atStartUp ? u", "_s : u","_s);
    QTest::keyClick(window.combo1, Qt::Key_Down); // told once only
    QCOMPARE(real.form.separator().text(), atStartUp ? u","_s : u" "_s);
    QVERIFY(!window.ended());
    QVERIFY(window.isVisible());
}

// A settings file that cannot be read is no failure to store: it is written anew.
void TestWindowInput::malformedSettingsFileIsRewritten() {
    SettingsElsewhere malformed(SettingsElsewhere::Malformed);
    RealWindow real;
    QVERIFY(real.shown);
    QTest::keyClick(real.toolkit.window().combo1, Qt::Key_Down);
    QCOMPARE(storedChoice(), QStringLiteral("1"));
    QVERIFY(!real.toolkit.window().ended());
}

void TestWindowInput::typedTextArrivesWhole_data() {
    QTest::addColumn<bool>("asSeparator");
    QTest::newRow("entry") << false;
    QTest::newRow("other separator") << true;
}

void TestWindowInput::typedTextArrivesWhole() {
    QFETCH(bool, asSeparator);
    const QString typed = QString(100'000, u'x');
    RealWindow real;
    auto& window = real.toolkit.window();
    // Pasted in, as a user does: the box must not cut it.
    dialogs().typeInput(typed);
    if (!asSeparator) {
        QTest::mouseClick(window.pushButton2, Qt::LeftButton);
        QCOMPARE(itemText(real.toolkit.listView1(), 1), typed);
        return;
    }
    QTest::mouseClick(window.pushButton8, Qt::LeftButton);
    QTest::keyClick(window.combo1, Qt::Key_End);
    dialogs().closeMessage();
    QTest::mouseClick(window.pushButton4, Qt::LeftButton);
    QCOMPARE(itemText(real.toolkit.listView2(), 1),
             QStringLiteral("first") + typed + QStringLiteral("second") + typed +
                 QStringLiteral("third") + typed + QStringLiteral("fourth"));
}

void TestWindowInput::deleteAndDoubleClickRemoveTheSelectedEntry() {
    RealWindow real;
    auto& window = real.toolkit.window();
    QTest::mouseClick(window.pushButton8, Qt::LeftButton);
    QCoreApplication::processEvents();
    qt::ReportTable* view = window.listView1;
    view->setCurrentIndex(view->model()->index(1, 0));
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(real.toolkit.listView1().itemCount(), 3);
    QCOMPARE(itemText(real.toolkit.listView1(), 2), QStringLiteral("third"));
    QTest::keyClick(view, Qt::Key_Backspace);
    QCOMPARE(real.toolkit.listView1().itemCount(), 3);
    view->setCurrentIndex(view->model()->index(0, 0));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                       view->visualRect(view->currentIndex()).center());
    QCOMPARE(real.toolkit.listView1().itemCount(), 2);
    QCOMPARE(itemText(real.toolkit.listView1(), 1), QStringLiteral("third"));
}

void TestWindowInput::resultRowsAreCheckable() {
    RealWindow real;
    auto& window = real.toolkit.window();
    QTest::mouseClick(window.pushButton8, Qt::LeftButton);
    dialogs().closeMessage();
    QTest::mouseClick(window.pushButton4, Qt::LeftButton);
    QAbstractItemModel* model = window.listView2->model();
    const QModelIndex row = model->index(0, 0);
    QVERIFY(model->flags(row).testFlag(Qt::ItemIsUserCheckable));
    QCOMPARE(row.data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
    QVERIFY(model->setData(row, Qt::Checked, Qt::CheckStateRole));
    QVERIFY(real.toolkit.listView2().itemChecked(1));
    QVERIFY(!window.listView1->model()
                 ->flags(window.listView1->model()->index(0, 0))
                 .testFlag(Qt::ItemIsUserCheckable));
}

void TestWindowInput::pointerFollowsTheControl_data() {
    QTest::addColumn<QString>("control"); // "Form": the window's own background
    QTest::addColumn<int>("shown");       // -1: the control has no handler
    for (const char* control :
         {"Form", "ListView1", "ListView1 header", "ListView2", "ListView2 header", "Frame1"})
        QTest::newRow(control) << control << int(pointer::Default);
    for (int button = 1; button <= 8; ++button)
        QTest::addRow("PushButton%d", button) << u"PushButton%1"_s.arg(button) << pointer::Custom;
    QTest::newRow("Combo1") << u"Combo1"_s << -1;
    QTest::newRow("ProgressBar1") << u"ProgressBar1"_s << -1;
}

// Over each control the pointer takes the value of its handler, but never replaces the
// hourglass; over a control without a handler it keeps what it had.
void TestWindowInput::pointerFollowsTheControl() {
    QFETCH(QString, control);
    QFETCH(int, shown);
    RealWindow real;
    qt::MainWindow& window = real.toolkit.window();
    // The widget where the mouse meets the control: lists show rows and captions in viewports.
    QWidget* area = control == u"Form" ? &window : window.findChild<QWidget*>(control);
    if (control.startsWith(u"ListView"))
        area = control.endsWith(u"header")
                   ? window.findChild<qt::ReportTable*>(control.left(9))->header()->viewport()
                   : window.findChild<qt::ReportTable*>(control)->viewport();
    QVERIFY2(area != nullptr, qPrintable(control));
    const QHash<int, Qt::CursorShape> shapes{{pointer::Default, Qt::ArrowCursor},
                                             {pointer::Custom, Qt::PointingHandCursor},
                                             {pointer::Hourglass, Qt::WaitCursor}};
    int step = 1;
    for (int before : {pointer::Default, pointer::Custom, pointer::Hourglass}) {
        window.setPointer(before);
        // As the platform hands a move over, so Qt finds the widget under the pointer; a move
        // that does not move is dropped, so each goes a pixel away from the last.
        step = 3 - step;
        QTest::mouseMove(window.windowHandle(), area->mapTo(&window, QPoint(step, 2)));
        const int expected = before == pointer::Hourglass || shown < 0 ? before : shown;
        QCOMPARE(window.pointer(), expected);
        QCOMPARE(window.cursor().shape(), shapes.value(expected));
    }
}

void TestWindowInput::savesAndCopiesTheTickedRow_data() {
    QTest::addColumn<QString>("name"); // in a temporary folder
    QTest::newRow("ticked row") << u"result"_s;
    // Without a load first: the dialog's name buffer is not left at a size too small for it.
    QTest::newRow("path longer than 260 characters")
        << QString(150, u'd') + u'/' + QString(150, u'r');
}

void TestWindowInput::savesAndCopiesTheTickedRow() {
    QFETCH(QString, name);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    RealWindow real;
    auto& window = real.toolkit.window();
    QTest::mouseClick(window.pushButton8, Qt::LeftButton);
    dialogs().closeMessage();
    QTest::mouseClick(window.pushButton4, Qt::LeftButton);
    qt::ReportTable* results = window.listView2;
    QCoreApplication::processEvents();
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                      results->visualRect(results->model()->index(0, 0)).center());
    QTest::keyClick(results, Qt::Key_Space);
    QVERIFY(real.toolkit.listView2().itemChecked(1));

    dialogs().chooseFile(path);
    QTest::mouseClick(window.pushButton1, Qt::LeftButton);
    QCOMPARE(dialogs().fileDialogTitles(), QStringList{u"Save"_s});
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray caption = "Results - Extend bar to show all >" + QByteArray(59, ' ') + '>';
    QCOMPARE(saved.readAll(),
             caption + "\t\r\nfirst, second, third, fourth" + QByteArray(94 - 28, ' ') + "\t\r\n");

    QString told;
    dialogs().closeMessage([&](QMessageBox* box) { told = box->text(); });
    QTest::mouseClick(window.pushButton7, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"first, second, third, fourth\r\n"_s);
    QVERIFY2(told.startsWith(u"Results have been copied to the clipboard.\n\n"_s),
             qPrintable(told));
}

QTEST_MAIN(TestWindowInput)
#include "test_window_input.moc"
