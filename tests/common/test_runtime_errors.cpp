// Runtime errors: the description each number gives, and the trap that reports them with the
// line of the statement that failed.

#include "common/error_report.h"
#include "common/runtime_error.h"
#include "common/statement_trap.h"
#include "headless/headless_toolkit.h"

#include <QTest>

using namespace tavrolin;
using namespace tavrolin::headless;

namespace {

// A routine without a trap of its own: the error ends it and goes to the caller.
void untrappedRoutine(QStringList& log) {
    log << QStringLiteral("before");
    throw RuntimeError::of(error::FileNotFound);
}

} // namespace

class TestRuntimeErrors : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void trap();
    void errorDescriptions_data();
    void errorDescriptions();
};

void TestRuntimeErrors::trap() {
    HeadlessToolkit t;
    QStringList log;
    Trap trap(t.dialogs, QStringLiteral("Form1.Form_Load"));
    trap(100, [&] { untrappedRoutine(log); }); // reported with the caller's line
    trap(102, [&] { log << QStringLiteral("102"); });
    // A failing condition counts as true: its then-branch runs.
    if (trap.test(104, []() -> bool { throw RuntimeError::of(error::Overflow); }))
        trap(106, [&] { log << QStringLiteral("106"); });
    if (trap.test(108, [] { return false; }))
        log << QStringLiteral("108");
    QCOMPARE(log,
             QStringList({QStringLiteral("before"), QStringLiteral("102"), QStringLiteral("106")}));
    const QList<ShownMessage>& reports = t.dialogs.messages();
    QCOMPARE(reports.size(), 2);
    const QString support = QStringLiteral("\r\rPlease e-mail a screenshot of this message to ") +
                            kSupportAddress + u'.';
    QCOMPARE(reports[0].text,
             QStringLiteral("File not found\r\nin Tavrolin2021/08/31.Form1.Form_Load at line 100") +
                 support);
    QCOMPARE(reports[1].text,
             QStringLiteral("Overflow\r\nin Tavrolin2021/08/31.Form1.Form_Load at line 104") +
                 support);
    for (const ShownMessage& report : reports) {
        QCOMPARE(report.title, QStringLiteral("Application Error"));
        QCOMPARE(report.style, MessageStyle::OkExclamation);
    }
}

void TestRuntimeErrors::errorDescriptions_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("detail"); // a null text: raised without one
    QTest::addColumn<QString>("description");

    QTest::newRow("plain") << error::InvalidPicture << QString()
                           << QStringLiteral("Invalid picture");
    QTest::newRow("detail after a colon")
        << error::DeviceIo << QStringLiteral("No space left on device")
        << QStringLiteral("Device I/O error: No space left on device");
    // A detail that says nothing still shows that one was given.
    QTest::newRow("empty detail") << error::PathFileAccess << QStringLiteral("")
                                  << QStringLiteral("Path/File access error: ");
    QTest::newRow("unknown number") << 12345 << QString() << QString();
}

void TestRuntimeErrors::errorDescriptions() {
    QFETCH(int, number);
    QFETCH(QString, detail);
    QFETCH(QString, description);
    const RuntimeError raised =
        detail.isNull() ? RuntimeError::of(number) : RuntimeError::of(number, detail);
    QCOMPARE(raised.number(), number);
    QCOMPARE(raised.description(), description);
    QCOMPARE(QString::fromUtf8(raised.what()), description);
}

QTEST_GUILESS_MAIN(TestRuntimeErrors)
#include "test_runtime_errors.moc"
