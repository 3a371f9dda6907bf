// Start-up: what the window shows and uses once it is loaded, from the stored separator choice
// and the skin and cursor files of its program folder.

#include "app/integer_conversion.h"
#include "app/startup.h"
#include "common/error_report.h"
#include "common/product.h"
#include "common/runtime_error.h"
#include "support/window_test.h"
#include "test_files.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;

namespace {

const QString kChoiceKey = kSettingsSection + u'/' + kSeparatorChoiceKey;

QSettings settings() {
    return QSettings(kSettingsApplication, kSettingsSection);
}

// The report of a failed start-up statement, as its message box shows it.
QString startupReport(const QString& description, int line) {
    return testing::shownInBox(
        errorReportText(description, QStringLiteral("Form1.Form_Load"), line));
}

// The background the widget fills itself with; none when it fills none.
QColor background(const QWidget* widget) {
    return widget->autoFillBackground() ? widget->palette().color(widget->backgroundRole())
                                        : QColor();
}

} // namespace

// The unscripted report boxes are closed as a user would, and checked afterwards.
class TestStartup : public WindowTest {
    Q_OBJECT

public:
    TestStartup() : WindowTest(testing::ModalScript::Unscripted::AsUserWould) {}

private Q_SLOTS:
    void atRest();
    void storedChoice_data();
    void storedChoice();
    void skinApplied();
    void noSkin_data();
    void noSkin();
    void unreadableHandPointer();
    void applicationTitle_data();
    void applicationTitle();
    void toInteger16_data();
    void toInteger16();
};

// Captions, columns and the choices on offer are checked with the window's layout.
void TestStartup::atRest() {
    RealWindow real;
    QVERIFY(real.shown);
    QVERIFY(!real.toolkit.window().windowIcon().isNull());
    QVERIFY(dialogs().messages().isEmpty());
    QVERIFY(!real.form.busy());
    QCOMPARE(real.toolkit.window().pointer(), 0);
}

void TestStartup::storedChoice_data() {
    QTest::addColumn<QString>("stored"); // null: nothing stored yet
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("separator"); // null: left unset
    QTest::addColumn<QString>("error");     // the description in the report, if any

    QTest::newRow("first start") << QString() << 0 << QStringLiteral(", ") << QString();
    QTest::newRow("comma") << QStringLiteral("1") << 1 << QStringLiteral(",") << QString();
    QTest::newRow("space") << QStringLiteral("2") << 2 << QStringLiteral(" ") << QString();
    QTest::newRow("other") << QStringLiteral("3") << 3 << QStringLiteral("other") << QString();
    QTest::newRow("none selected") << QStringLiteral("-1") << -1 << QString() << QString();
    QTest::newRow("beyond the list")
        << QStringLiteral("7") << -1 << QString() << QStringLiteral("Invalid property value");
    QTest::newRow("below -1") << QStringLiteral("-2") << -1 << QString()
                              << QStringLiteral("Invalid property value");
    QTest::newRow("no number") << QStringLiteral("abc") << -1 << QString()
                               << QStringLiteral("Type mismatch");
    QTest::newRow("not a number") << QStringLiteral("nan") << -1 << QString()
                                  << QStringLiteral("Type mismatch");
    QTest::newRow("beyond 16 bits")
        << QStringLiteral("70000") << -1 << QString() << QStringLiteral("Overflow");
    QTest::newRow("hexadecimal") << QStringLiteral("&H2") << 2 << QStringLiteral(" ") << QString();
    QTest::newRow("beyond a double")
        << QStringLiteral("1e400") << -1 << QString() << QStringLiteral("Overflow");
}

void TestStartup::storedChoice() {
    QFETCH(QString, stored);
    QFETCH(int, index);
    QFETCH(QString, separator);
    QFETCH(QString, error);

    if (!stored.isNull())
        settings().setValue(kChoiceKey, stored);
    RealWindow real;
    QCOMPARE(real.toolkit.window().combo1->currentIndex(), index);
    QCOMPARE(real.form.separator().isSet(), !separator.isNull());
    QCOMPARE(real.form.separator().text(), separator.isNull() ? QString() : separator);
    QCOMPARE(settings().value(kChoiceKey, QStringLiteral("<missing>")).toString(),
             index >= 0 ? QString::number(index) : stored);
    const QStringList reports =
        error.isNull() ? QStringList() : QStringList{startupReport(error, 144)};
    QCOMPARE(dialogs().messages(), reports);
    QCOMPARE(dialogs().messageTitles(), QStringList(reports.size(), kErrorReportTitle));
    QCOMPARE(dialogs().messageIcons(), QList<int>(reports.size(), QMessageBox::Warning));
    QVERIFY(real.shown);
}

// The skin's style sheet is checked with the window's layout; here, which controls take the
// system's button colour and that the skin engine is switched on.
void TestStartup::skinApplied() {
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("x")));
    QVERIFY(testing::writeFile(folder.filePath(QStringLiteral("x/o.cjs")), "QLabel {}"));
    RealWindow real(folder.path());
    const qt::MainWindow& window = real.toolkit.window();
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    QCOMPARE(background(&window), buttonFace);
    QCOMPARE(background(window.frame1), buttonFace);
    QCOMPARE(background(window.pushButton4), QColor());
    QCOMPARE(real.toolkit.toolkit().skinFramework1.optionFlags(), 1);
    QVERIFY(dialogs().messages().isEmpty());
}

// Without a skin folder the window is plain; that is checked with its layout.
void TestStartup::noSkin_data() {
    QTest::addColumn<bool>("folderAsFile"); // o.cjs is a folder, not a file
    QTest::newRow("no file") << false;
    QTest::newRow("folder named o.cjs") << true;
}

void TestStartup::noSkin() {
    QFETCH(bool, folderAsFile);
    QTemporaryDir folder;
    QVERIFY(
        QDir(folder.path()).mkpath(folderAsFile ? QStringLiteral("x/o.cjs") : QStringLiteral("x")));
    RealWindow real(folder.path());
    QCOMPARE(background(&real.toolkit.window()), QColor(Qt::white));
    QCOMPARE(background(real.toolkit.window().frame1), QColor(Qt::white));
    QCOMPARE(real.toolkit.window().styleSheet(), QString());
    QVERIFY(dialogs().messages().isEmpty());
}

// A cursor file that holds no cursor is reported; start-up goes on, and the hand pointer is
// the system's.
void TestStartup::unreadableHandPointer() {
    QTemporaryDir folder;
    QVERIFY(testing::writeFile(folder.filePath(QStringLiteral("HAND-M.CUR")), "no cursor at all"));
    RealWindow real(folder.path());
    QCOMPARE(dialogs().messages(),
             QStringList{startupReport(QStringLiteral("Invalid picture"), 108)});
    QCOMPARE(real.toolkit.window().combo1->currentIndex(), 0);
    QCOMPARE(real.toolkit.listView2().columnCount(), 1);
    real.form.PushButton1_MouseMove();
    QCOMPARE(real.toolkit.window().cursor().shape(), Qt::PointingHandCursor);
}

void TestStartup::applicationTitle_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("one word") << QStringLiteral("Tavrolin") << QStringLiteral("Tavrolin");
    QTest::newRow("four words") << QStringLiteral("Alpha Bravo Charlie Delta")
                                << QStringLiteral("Alpha Bravo Charlie");
    QTest::newRow("49 characters")
        << QStringLiteral("Alpha Bravo Charlie Delta Echo Foxtrot Golf Hotel")
        << QStringLiteral("Alpha Bravo Charlie Delta Echo Foxtrot");
    QTest::newRow("long first word")
        << QString(45, u'a') + QStringLiteral(" b") << QString(45, u'a');
}

void TestStartup::applicationTitle() {
    QFETCH(QString, name);
    QFETCH(QString, title);
    QCOMPARE(applicationTitleFor(name), title);
}

void TestStartup::toInteger16_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("error"); // 0 when the text converts
    QTest::newRow("zero") << QStringLiteral("0") << 0 << 0;
    QTest::newRow("spaces") << QStringLiteral(" 2 ") << 2 << 0;
    QTest::newRow("half to even down") << QStringLiteral("2.5") << 2 << 0;
    QTest::newRow("half to even up") << QStringLiteral("3.5") << 4 << 0;
    QTest::newRow("negative half") << QStringLiteral("-2.5") << -2 << 0;
    QTest::newRow("exponent") << QStringLiteral("1e3") << 1000 << 0;
    QTest::newRow("largest") << QStringLiteral("32767") << 32767 << 0;
    QTest::newRow("smallest") << QStringLiteral("-32768.5") << -32768 << 0;
    QTest::newRow("rounds over") << QStringLiteral("32767.5") << 0 << error::Overflow;
    QTest::newRow("too small") << QStringLiteral("-32769") << 0 << error::Overflow;
    QTest::newRow("empty") << QString() << 0 << error::TypeMismatch;
    QTest::newRow("letters") << QStringLiteral("abc") << 0 << error::TypeMismatch;
    QTest::newRow("nan") << QStringLiteral("nan") << 0 << error::TypeMismatch;
    QTest::newRow("infinity") << QStringLiteral("inf") << 0 << error::TypeMismatch;
    QTest::newRow("beyond a double") << QStringLiteral("1e400") << 0 << error::Overflow;
    QTest::newRow("below a double") << QStringLiteral("-1e400") << 0 << error::Overflow;
    QTest::newRow("hexadecimal") << QStringLiteral("&H2") << 2 << 0;
    QTest::newRow("hexadecimal, lower case") << QStringLiteral(" &h1f ") << 31 << 0;
    QTest::newRow("octal") << QStringLiteral("&O17") << 15 << 0;
    QTest::newRow("octal, lower case") << QStringLiteral("&o7") << 7 << 0;
    QTest::newRow("16 bits are signed") << QStringLiteral("&HFFFF") << -1 << 0;
    QTest::newRow("32 bits are signed") << QStringLiteral("&HFFFFFFFE") << -2 << 0;
    QTest::newRow("17 bits") << QStringLiteral("&H10000") << 0 << error::Overflow;
    QTest::newRow("beyond 64 bits")
        << QStringLiteral("&H1FFFFFFFFFFFFFFFF") << 0 << error::Overflow;
    QTest::newRow("no octal digit") << QStringLiteral("&O8") << 0 << error::TypeMismatch;
    QTest::newRow("no hexadecimal digits") << QStringLiteral("&H") << 0 << error::TypeMismatch;
    QTest::newRow("ampersand alone") << QStringLiteral("&2") << 0 << error::TypeMismatch;
}

void TestStartup::toInteger16() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(int, error);
    int raised = 0;
    int converted = 0;
    try {
        converted = tavrolin::toInteger16(text);
    } catch (const RuntimeError& e) {
        raised = e.number();
    }
    QCOMPARE(raised, error);
    QCOMPARE(converted, value);
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
