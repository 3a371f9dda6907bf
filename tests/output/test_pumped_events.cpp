// Saving and copying when things go wrong: a fault while pending events run is reported with
// the number of the statement that let them run, and the output is still made whole; a list
// without columns still gives one line per checked row.

#include "common/runtime_error.h"
#include "output/clipboard_copy.h"
#include "output/result_file_writer.h"
#include "output_fixture.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

class TestPumpedEvents : public WindowTest {
    Q_OBJECT

public:
    TestPumpedEvents() : WindowTest(ModalScript::Unscripted::AsUserWould) {}

private Q_SLOTS:
    void faultInEvents_data();
    void faultInEvents();
    void withoutColumns();
};

void TestPumpedEvents::faultInEvents_data() {
    QTest::addColumn<bool>("save");
    QTest::addColumn<int>("call");
    QTest::addColumn<QString>("reported");

    // One column, one checked row: the events of each pass in the order they run.
    const QList<int> saveLines{102, 108, 122, 144, 150, 160, 174, 180, 184, 192, 206, 214};
    for (int call = 1; call <= saveLines.size(); ++call) {
        QTest::addRow("save, event %d", call)
            << true << call
            << u"Save.SaveListviewProperlySpaced "_s + QString::number(saveLines.at(call - 1));
    }
    const QList<int> copyLines{110, 134, 140};
    for (int call = 1; call <= copyLines.size(); ++call) {
        QTest::addRow("copy, event %d", call)
            << false << call
            << u"Main.CopyListViewToClipboardTab "_s + QString::number(copyLines.at(call - 1));
    }
}

void TestPumpedEvents::faultInEvents() {
    QFETCH(bool, save);
    QFETCH(int, call);
    QFETCH(QString, reported);

    RealWindow w;
    Toolkit& ui = w.toolkit.toolkit();
    const auto list = unshownList({u"Caption"_s}, {u"+a, b"_s});
    w.events.at(call, [] { throw RuntimeError::of(error::Overflow); });

    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.txt"_s);
    if (save) {
        QCOMPARE(SaveListviewProperlySpaced(*list, path, &ui.progressBar1, ui.events, ui.dialogs),
                 OutputResult::Done);
        QCOMPARE(readAll(path), "Caption\t\r\na, b   \t\r\n"_ba);
    } else {
        QCOMPARE(CopyListViewToClipboardTab(*list, ui.clipboard, ui.events, ui.dialogs),
                 OutputResult::Done);
        QCOMPARE(w.clipboard.text(), std::optional<QString>(u"a, b\r\n"_s));
    }
    QCOMPARE(reportedAt(), QStringList{reported});
}

void TestPumpedEvents::withoutColumns() {
    RealWindow w;
    Toolkit& ui = w.toolkit.toolkit();
    const auto list = unshownList({}, {u"+a"_s, u"-b"_s, u"+c"_s});
    // Each line is empty; cutting its last tab must not cut into the line before.
    QCOMPARE(CopyListViewToClipboardTab(*list, ui.clipboard, ui.events, ui.dialogs),
             OutputResult::Done);
    QCOMPARE(w.clipboard.text(), std::optional<QString>(u"\r\n\r\n"_s));
    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.txt"_s);
    QCOMPARE(SaveListviewProperlySpaced(*list, path, nullptr, ui.events, ui.dialogs),
             OutputResult::Done);
    QCOMPARE(readAll(path), "\r\n\r\n\r\n"_ba);
    QVERIFY(dialogs().messages().isEmpty());
}

QTEST_MAIN(TestPumpedEvents)
#include "test_pumped_events.moc"
