// Saving and copying when things go wrong: a fault while pending events run is reported with
// the number of the statement that let them run, and the output is still made whole; a list
// without columns still gives one line per checked row.

#include "common/runtime_error.h"
#include "headless/headless_toolkit.h"
#include "output/clipboard_copy.h"
#include "output/result_file_writer.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace tavrolin::headless;
using namespace Qt::StringLiterals;

namespace {

// "<procedure> <line>" of every error report shown.
QStringList reportedAt(const HeadlessDialogs& dialogs) {
    static const QRegularExpression where(
        u"\r\nin Tavrolin2021/08/31\\.(\\S+) at line (\\d+)\r\r"_s);
    QStringList places;
    for (const ShownMessage& message : dialogs.messages()) {
        const QRegularExpressionMatch match = where.match(message.text);
        if (match.hasMatch())
            places.append(match.captured(1) + u' ' + match.captured(2));
    }
    return places;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>"_ba;
}

} // namespace

class TestPumpedEvents : public QObject {
    Q_OBJECT

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

    HeadlessToolkit ui;
    ui.listView2.addColumn(u"Caption"_s);
    ui.listView2.appendItem(u"a, b"_s);
    ui.listView2.setItemChecked(1, true);
    ui.events.at(call, [] { throw RuntimeError::of(error::Overflow); });

    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.txt"_s);
    if (save) {
        QCOMPARE(
            SaveListviewProperlySpaced(ui.listView2, path, &ui.progressBar1, ui.events, ui.dialogs),
            OutputResult::Done);
        QCOMPARE(readAll(path), "Caption\t\r\na, b   \t\r\n"_ba);
    } else {
        QCOMPARE(CopyListViewToClipboardTab(ui.listView2, ui.clipboard, ui.events, ui.dialogs),
                 OutputResult::Done);
        QCOMPARE(ui.clipboard.text(), std::optional<QString>(u"a, b\r\n"_s));
    }
    QCOMPARE(reportedAt(ui.dialogs), QStringList{reported});
}

void TestPumpedEvents::withoutColumns() {
    HeadlessToolkit ui;
    for (const QString& text : {u"a"_s, u"b"_s, u"c"_s}) {
        ui.listView2.appendItem(text);
        ui.listView2.setItemChecked(ui.listView2.itemCount(), text != u"b");
    }
    // Each line is empty; cutting its last tab must not cut into the line before.
    QCOMPARE(CopyListViewToClipboardTab(ui.listView2, ui.clipboard, ui.events, ui.dialogs),
             OutputResult::Done);
    QCOMPARE(ui.clipboard.text(), std::optional<QString>(u"\r\n\r\n"_s));
    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.txt"_s);
    QCOMPARE(SaveListviewProperlySpaced(ui.listView2, path, nullptr, ui.events, ui.dialogs),
             OutputResult::Done);
    QCOMPARE(readAll(path), "\r\n\r\n\r\n"_ba);
    QVERIFY(ui.dialogs.messages().isEmpty());
}

QTEST_GUILESS_MAIN(TestPumpedEvents)
#include "test_pumped_events.moc"
