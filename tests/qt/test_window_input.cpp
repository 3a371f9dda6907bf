// What the main window does with the user's input: the stored separator choice, typed text
// and removing or checking rows.

#include "qt/report_view.h"
#include "support/window_test.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
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
    void firstPickAfterNoChoice_data();
    void firstPickAfterNoChoice();
    void wheelPicksOnlyWithFocus_data();
    void wheelPicksOnlyWithFocus();
    void pickingTheShownChoiceAgainCounts();
    void failedStoreIsToldOnce_data();
    void failedStoreIsToldOnce();
    void malformedSettingsFileIsRewritten();
    void typedTextArrivesWhole_data();
    void typedTextArrivesWhole();
    void deleteAndDoubleClickRemoveTheSelectedEntry();
    void resultRowsAreCheckable();
};

void TestWindowInput::firstPickAfterNoChoice_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("nothing") << "-1";
    // Reported at start-up; the box then shows no choice, as none is in use.
    for (const char* invalid : {"7", "abc", "-2", "70000"})
        QTest::newRow(invalid) << invalid;
}

// What the conformance suite cannot see: where the report opens, and a first pick by key.
void TestWindowInput::firstPickAfterNoChoice() {
    QFETCH(QString, stored);
    storeChoice(stored);
    const bool invalid = stored != u"-1";
    QPoint reportCentre;
    QRect screen;
    if (invalid) {
        dialogs().closeMessage([&](QMessageBox* box) {
            reportCentre = box->frameGeometry().center();
            screen = box->screen()->availableGeometry();
        });
    }
    RealWindow real;
    auto* combo = real.toolkit.window().findChild<QComboBox*>(QStringLiteral("Combo1"));
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->currentText(), QString());
    // In the middle of the screen, not in the corner where the window is not yet shown.
    if (invalid)
        QVERIFY((reportCentre - screen.center()).manhattanLength() <= 4);
    // The user's first pick counts, also that of the first item.
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

// Picking the item already shown is a pick too: it stores the choice and sets the separator.
void TestWindowInput::pickingTheShownChoiceAgainCounts() {
    storeChoice(QStringLiteral("2"));
    RealWindow real;
    QComboBox* combo = real.toolkit.window().combo1;
    storeChoice(QStringLiteral("changed meanwhile"));
    combo->showPopup();
    QAbstractItemView* popup = combo->view();
    QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), 2000);
    const QPoint item = popup->visualRect(popup->model()->index(2, 0)).center();
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, item);
    QTRY_VERIFY_WITH_TIMEOUT(!popup->isVisible(), 2000);
    QCOMPARE(combo->currentIndex(), 2);
    QCOMPARE(storedChoice(), QStringLiteral("2"));
    QCOMPARE(real.form.separator().text(), QStringLiteral(" "));
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
        QCOMPARE(real.toolkit.listView1().itemText(1), typed);
        return;
    }
    QTest::mouseClick(window.pushButton8, Qt::LeftButton);
    QTest::keyClick(window.combo1, Qt::Key_End);
    dialogs().closeMessage();
    QTest::mouseClick(window.pushButton4, Qt::LeftButton);
    QCOMPARE(real.toolkit.listView2().itemText(1),
             QStringLiteral("first") + typed + QStringLiteral("second") + typed +
                 QStringLiteral("third") + typed + QStringLiteral("fourth"));
}

void TestWindowInput::deleteAndDoubleClickRemoveTheSelectedEntry() {
    RealWindow real;
    auto& window = real.toolkit.window();
    QTest::mouseClick(window.pushButton8, Qt::LeftButton);
    QCoreApplication::processEvents();
    qt::ReportView* view = window.listView1;
    view->setCurrentIndex(view->model()->index(1, 0));
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(real.toolkit.listView1().itemCount(), 3);
    QCOMPARE(real.toolkit.listView1().itemText(2), QStringLiteral("third"));
    QTest::keyClick(view, Qt::Key_Backspace);
    QCOMPARE(real.toolkit.listView1().itemCount(), 3);
    view->setCurrentIndex(view->model()->index(0, 0));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                       view->visualRect(view->currentIndex()).center());
    QCOMPARE(real.toolkit.listView1().itemCount(), 2);
    QCOMPARE(real.toolkit.listView1().itemText(1), QStringLiteral("third"));
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

QTEST_MAIN(TestWindowInput)
#include "test_window_input.moc"
