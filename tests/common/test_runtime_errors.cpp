// Runtime errors: the description each number gives, and the trap that reports them with the
// line of the statement that failed.

#include "common/error_report.h"
#include "common/runtime_error.h"
#include "common/statement_trap.h"
#include "common/untrapped_handler.h"
#include "qt/main_window.h"
#include "qt/qt_dialogs.h"
#include "support/window_test.h"

#include <QMessageBox>
#include <QTest>
#include <new>
#include <stdexcept>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

// A routine without a trap of its own: the error ends it and goes to the caller.
void untrappedRoutine(QStringList& log) {
    log << QStringLiteral("before");
    throw RuntimeError::of(error::FileNotFound);
}

enum class Failure { RuntimeError, OutOfMemoryError, BadAlloc, Exception };

[[noreturn]] void raise(Failure failure) {
    switch (failure) {
    case Failure::RuntimeError:
        throw RuntimeError::of(error::Overflow);
    case Failure::OutOfMemoryError:
        throw RuntimeError::of(error::OutOfMemory);
    case Failure::BadAlloc:
        throw std::bad_alloc();
    case Failure::Exception:
        break;
    }
    throw std::runtime_error("collator failed");
}

} // namespace

Q_DECLARE_METATYPE(Failure)

// The reports are real message boxes over a real window, closed as a user would.
class TestRuntimeErrors : public WindowTest {
    Q_OBJECT

public:
    TestRuntimeErrors() : WindowTest(ModalScript::Unscripted::AsUserWould) {}

private Q_SLOTS:
    void trap();
    void failures_data();
    void failures();
    void errorDescriptions_data();
    void errorDescriptions();
};

void TestRuntimeErrors::trap() {
    qt::MainWindow window{QString()};
    qt::QtDialogs boxes(window);
    QStringList log;
    Trap trap(boxes, QStringLiteral("Form1.Form_Load"));
    trap(100, [&] { untrappedRoutine(log); }); // reported with the caller's line
    trap(102, [&] { log << QStringLiteral("102"); });
    // A failing condition counts as true: its then-branch runs.
    if (trap.test(104, []() -> bool { throw RuntimeError::of(error::Overflow); }))
        trap(106, [&] { log << QStringLiteral("106"); });
    if (trap.test(108, [] { return false; }))
        log << QStringLiteral("108");
    QCOMPARE(log,
             QStringList({QStringLiteral("before"), QStringLiteral("102"), QStringLiteral("106")}));
    const QString support = QStringLiteral("\r\rPlease e-mail a screenshot of this message to ") +
                            kSupportAddress + u'.';
    QCOMPARE(
        dialogs().messages(),
        QStringList({shownInBox(QStringLiteral("File not found\r\nin "
                                               "Tavrolin2021/08/31.Form1.Form_Load at line 100") +
                                support),
                     shownInBox(QStringLiteral("Overflow\r\nin "
                                               "Tavrolin2021/08/31.Form1.Form_Load at line 104") +
                                support)}));
    QCOMPARE(dialogs().messageTitles(), QStringList(2, QStringLiteral("Application Error")));
    QCOMPARE(dialogs().messageIcons(), QList<int>(2, QMessageBox::Warning));
}

// What each kind of failure does in a trapped statement and in a handler without a trap.
void TestRuntimeErrors::failures_data() {
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("stops"); // the trapped procedure goes no further
    QTest::addColumn<bool>("ends");  // the untrapped handler ends the program

    QTest::newRow("run-time error") << Failure::RuntimeError << u"Overflow"_s << false << true;
    QTest::newRow("out of memory, raised")
        << Failure::OutOfMemoryError << u"Out of memory"_s << true << true;
    QTest::newRow("out of memory, allocating")
        << Failure::BadAlloc << u"Out of memory"_s << true << false;
    QTest::newRow("fault of the program")
        << Failure::Exception << u"Unexpected error: collator failed"_s << false << false;
}

void TestRuntimeErrors::failures() {
    QFETCH(Failure, failure);
    QFETCH(QString, description);
    QFETCH(bool, stops);
    QFETCH(bool, ends);

    qt::MainWindow window{QString()};
    qt::QtDialogs boxes(window);
    Trap trap(boxes, u"Form1.PushButton4_Click"_s);
    bool wentOn = false;
    bool stopped = false;
    try {
        trap(124, [&] { raise(failure); });
        wentOn = true;
    } catch (const OperationStopped&) {
        stopped = true;
    }
    QCOMPARE(stopped, stops);
    QCOMPARE(wentOn, !stops);
    QCOMPARE(
        dialogs().messages(),
        QStringList{shownInBox(errorReportText(description, u"Form1.PushButton4_Click"_s, 124))});

    runUntrapped(boxes, window, u"Form1.ListView1_DblClick"_s, [&] { raise(failure); });
    QCOMPARE(window.ended(), ends);
    QCOMPARE(dialogs().messages().size(), 2);
    QCOMPARE(dialogs().messageIcons().last(), ends ? QMessageBox::Critical : QMessageBox::Warning);
    if (!ends) {
        QCOMPARE(dialogs().messages().last(),
                 shownInBox(description +
                            u"\r\nin Tavrolin2021/08/31.Form1.ListView1_DblClick\r\rPlease "
                            u"e-mail a screenshot of this message to "_s +
                            kSupportAddress + u'.'));
        QCOMPARE(dialogs().messageTitles().last(), kErrorReportTitle);
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

QTEST_MAIN(TestRuntimeErrors)
#include "test_runtime_errors.moc"
