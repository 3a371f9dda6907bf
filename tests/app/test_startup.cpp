#include "app/form1.h"
#include "app/startup.h"
#include "common/error_report.h"
#include "common/runtime_error.h"
#include "headless/headless_toolkit.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

using namespace tavrolin;
using namespace tavrolin::headless;

namespace {

// A 1x1 monochrome cursor: the icon directory (type 2), one entry, the bitmap, its two masks.
QByteArray minimalCursor() {
    return QByteArray::fromHex("000002000100"
                               "010102000000000038000000"
                               "16000000"
                               "28000000010000000200000001000100"
                               "000000000800000000000000000000000000000000000000"
                               "00000000ffffff00"
                               "0000000000000000");
}

// Everything start-up works on, loaded from a program folder the test prepares.
struct Started {
    explicit Started(const QString& folder) : toolkit(folder), form(toolkit.toolkit()) {}
    HeadlessToolkit toolkit;
    Form1 form;
};

std::unique_ptr<Started> startIn(const QString& folder,
                                 const std::optional<QString>& storedChoice = std::nullopt) {
    auto started = std::make_unique<Started>(folder);
    if (storedChoice)
        started->toolkit.settings.save(QStringLiteral("Quendale"), QStringLiteral("Tavrolin"),
                                       QStringLiteral("Combo1"), *storedChoice);
    started->form.Form_Load();
    return started;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void captionsAndColumns();
    void storedChoice_data();
    void storedChoice();
    void skinApplied();
    void noSkin_data();
    void noSkin();
    void handPointer();
    void applicationTitle_data();
    void applicationTitle();
    void toInteger16_data();
    void toInteger16();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestStartup::init() {
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

void TestStartup::captionsAndColumns() {
    const auto s = startIn(m_folder->path());
    const HeadlessToolkit& t = s->toolkit;
    QCOMPARE(t.form.caption(), QStringLiteral("Tavrolin"));
    QCOMPARE(t.form.applicationTitle(), QStringLiteral("Tavrolin"));
    QVERIFY(t.form.hasIcon());
    QCOMPARE(t.listView1.columnCount(), 1);
    QCOMPARE(t.listView1.columnCaption(1), QStringLiteral("List Entries"));
    QCOMPARE(t.listView1.columnWidth(1), 6000);
    QCOMPARE(t.listView2.columnCount(), 1);
    const QString results = t.listView2.columnCaption(1);
    QCOMPARE(results.size(), 94);
    QCOMPARE(results, QStringLiteral("Results - Extend bar to show all >") + QString(59, u' ') +
                          QStringLiteral(">"));
    QCOMPARE(t.listView2.columnWidth(1), 6000);
    QCOMPARE(t.combo1.items(), QStringList({QStringLiteral("Comma-space"), QStringLiteral("Comma"),
                                            QStringLiteral("Space"), QStringLiteral("Other")}));
    QVERIFY(t.dialogs.messages().isEmpty());
    QVERIFY(!s->form.busy());
    QCOMPARE(t.form.pointer(), 0);
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

    const auto s =
        startIn(m_folder->path(), stored.isNull() ? std::nullopt : std::optional<QString>(stored));
    const HeadlessToolkit& t = s->toolkit;
    QCOMPARE(t.combo1.listIndex(), index);
    QCOMPARE(s->form.separator().isSet(), !separator.isNull());
    QCOMPARE(s->form.separator().text(), separator.isNull() ? QString() : separator);
    const QString nowStored = t.settings.get(QStringLiteral("Quendale"), QStringLiteral("Tavrolin"),
                                             QStringLiteral("Combo1"), QStringLiteral("<missing>"));
    QCOMPARE(nowStored, index >= 0 ? QString::number(index) : stored);
    if (error.isNull()) {
        QVERIFY(t.dialogs.messages().isEmpty());
        return;
    }
    QCOMPARE(t.dialogs.messages().size(), 1);
    const ShownMessage& report = t.dialogs.messages().first();
    QCOMPARE(report.text, error +
                              QStringLiteral("\r\nin Tavrolin2021/08/31.Form1.Form_Load at line "
                                             "144\r\rPlease e-mail a screenshot of this message "
                                             "to ") +
                              kSupportAddress + u'.');
    QCOMPARE(report.title, QStringLiteral("Application Error"));
    QCOMPARE(report.style, MessageStyle::OkExclamation);
    QVERIFY(!t.form.ended());
}

void TestStartup::skinApplied() {
    const QString skin = m_folder->filePath(QStringLiteral("x/o.cjs"));
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("x")));
    QVERIFY(testing::writeFile(skin, "skin"));
    const auto s = startIn(m_folder->path());
    const HeadlessToolkit& t = s->toolkit;
    QCOMPARE(t.form.background(), Colour::ButtonFace);
    QCOMPARE(t.form.controlBackground(QStringLiteral("Frame1")), Colour::ButtonFace);
    QCOMPARE(t.form.controlBackground(QStringLiteral("PushButton4")), Colour::White);
    QCOMPARE(
        t.skinFramework1.calls(),
        QStringList({QStringLiteral("loadSkin(%1,)").arg(skin), QStringLiteral("setOptionFlags(1)"),
                     QStringLiteral("setBooleanSetting(5,1)"),
                     QStringLiteral("setBooleanSetting(10,1)"),
                     QStringLiteral("applyWindow(%1)").arg(HeadlessWindow::kHandle)}));
    QVERIFY(t.dialogs.messages().isEmpty());
}

void TestStartup::noSkin_data() {
    QTest::addColumn<int>("layout"); // 0: no x folder, 1: empty x folder, 2: o.cjs is a folder
    QTest::newRow("no folder") << 0;
    QTest::newRow("no file") << 1;
    QTest::newRow("folder named o.cjs") << 2;
}

void TestStartup::noSkin() {
    QFETCH(int, layout);
    QDir folder(m_folder->path());
    if (layout >= 1)
        QVERIFY(folder.mkdir(QStringLiteral("x")));
    if (layout == 2)
        QVERIFY(folder.mkpath(QStringLiteral("x/o.cjs")));
    const auto s = startIn(m_folder->path());
    const HeadlessToolkit& t = s->toolkit;
    QCOMPARE(t.form.background(), Colour::White);
    QCOMPARE(t.form.controlBackground(QStringLiteral("Frame1")), Colour::White);
    QVERIFY(t.skinFramework1.calls().isEmpty());
    QVERIFY(t.dialogs.messages().isEmpty());
}

void TestStartup::handPointer() {
    const QString cursor = m_folder->filePath(QStringLiteral("HAND-M.CUR"));
    {
        const auto s = startIn(m_folder->path());
        QVERIFY(s->toolkit.form.customPointer().isEmpty());
        QVERIFY(s->toolkit.dialogs.messages().isEmpty());
    }
    QVERIFY(testing::writeFile(cursor, minimalCursor()));
    {
        const auto s = startIn(m_folder->path());
        QCOMPARE(s->toolkit.form.customPointer(), cursor);
        QVERIFY(s->toolkit.dialogs.messages().isEmpty());
    }
    QVERIFY(testing::writeFile(cursor, "no cursor at all"));
    {
        const auto s = startIn(m_folder->path());
        const HeadlessToolkit& t = s->toolkit;
        QVERIFY(t.form.customPointer().isEmpty());
        QCOMPARE(t.dialogs.messages().size(), 1);
        QVERIFY(t.dialogs.messages().first().text.contains(
            QStringLiteral("in Tavrolin2021/08/31.Form1.Form_Load at line 108\r\r")));
        // Start-up goes on after the report.
        QCOMPARE(t.combo1.listIndex(), 0);
        QCOMPARE(t.listView2.columnCount(), 1);
    }
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

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
