// Memory running out in the middle of an operation of the real window, caused on purpose: the
// failure is reported once, where it happened; the operation stops; the window comes back to
// rest; and the lists are as they were before it, with nothing of it left to redo.

#include "common/error_report.h"
#include "qt/labelled_progress_bar.h"
#include "support/list_items.h"
#include "support/window_test.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

using Action = std::function<void(Form1&, const QTemporaryDir&)>;

QStringList texts(const ListView& list) {
    QStringList items;
    for (int item = 1; item <= list.itemCount(); ++item)
        items.append(itemText(list, item));
    return items;
}

void writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

Q_DECLARE_METATYPE(Action)

class TestOutOfMemory : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void operationStopsAndLeavesTheListsAsTheyWere_data();
    void operationStopsAndLeavesTheListsAsTheyWere();
};

void TestOutOfMemory::operationStopsAndLeavesTheListsAsTheyWere_data() {
    QTest::addColumn<Action>("action");
    QTest::addColumn<bool>("inResults"); // the failing append is one to the results list
    QTest::addColumn<QByteArray>("failing");
    QTest::addColumn<QString>("procedure");
    QTest::addColumn<int>("line");
    QTest::addColumn<QStringList>("results"); // what the results list holds afterwards
    QTest::addColumn<int>("pointer");         // while the report shows

    const QStringList old{u"old"_s};
    // The result is not brought back: it would look like this press's.
    QTest::newRow("creation") << Action([](Form1& form, auto&) { form.PushButton4_Click(); })
                              << true << "c, b, a"_ba << u"Form1.PushButton4_Click"_s << 130
                              << QStringList() << 11;
    QTest::newRow("sample entries")
        << Action([](Form1& form, auto&) { form.PushButton8_Click(); }) << false << "second"_ba
        << u"Form1.PushButton8_Click"_s << 102 << old << 0;
    QTest::newRow("second file of a drop") << Action([](Form1& form, const QTemporaryDir& dir) {
        form.ListView1_FilesDropped({dir.filePath(u"x.txt"_s), dir.filePath(u"y.txt"_s)});
    }) << false << "3"_ba << u"Form1.ListView1_FilesDropped"_s
                                           << 102 << old << 11;
    QTest::newRow("tool") << Action([](Form1& form, auto&) {
        form.ListView1_Tool(EntryListTool::Reverse);
    }) << false << "b"_ba << u"Form1.ListView1_Reverse"_s
                          << 114 << old << 11;
    QTest::newRow("dropped text") << Action([](Form1& form, auto&) {
        form.ListView1_TextDropped(u"x\ny"_s);
    }) << false << "y"_ba << u"Form1.ListView1_TextDropped"_s
                                  << 100 << old << 0;
}

void TestOutOfMemory::operationStopsAndLeavesTheListsAsTheyWere() {
    QFETCH(Action, action);
    QFETCH(bool, inResults);
    QFETCH(QByteArray, failing);
    QFETCH(QString, procedure);
    QFETCH(int, line);
    QFETCH(QStringList, results);
    QFETCH(int, pointer);

    QTemporaryDir dir;
    writeFile(dir, u"x.txt"_s, "1\n2\n");
    writeFile(dir, u"y.txt"_s, "3\n4\n");
    RealWindow real;
    qt::QtToolkit& toolkit = real.toolkit;
    toolkit.window().dispatch([&] {
        for (const QString& entry : {u"c"_s, u"b"_s, u"a"_s})
            appendText(toolkit.listView1(), entry);
        appendText(toolkit.listView2(), u"old"_s);
    });
    const int steps = toolkit.undo().stack().count();
    (inResults ? toolkit.listView2() : toolkit.listView1()).model().failAppendOf(failing);

    int pointerAtReport = -1;
    dialogs().closeMessage([&](auto*) { pointerAtReport = toolkit.window().pointer(); });
    toolkit.window().dispatch([&] { action(real.form, dir); });
    // A message box shows each line break as one.
    QCOMPARE(dialogs().messages(), QStringList{errorReportText(u"Out of memory"_s, procedure, line)
                                                   .replace(u"\r\n"_s, u"\n"_s)
                                                   .replace(u'\r', u'\n')});
    QCOMPARE(pointerAtReport, pointer);
    QCOMPARE(texts(toolkit.listView1()), (QStringList{u"c"_s, u"b"_s, u"a"_s}));
    QCOMPARE(texts(toolkit.listView2()), results);
    QCOMPARE(toolkit.undo().stack().count(), steps + (inResults ? 1 : 0));
    QVERIFY(!toolkit.undo().stack().canRedo());
    QVERIFY(!real.form.busy());
    QCOMPARE(toolkit.window().pointer(), 0);
    QTRY_COMPARE(toolkit.window().progressBar1->text(), u"Progress Bar"_s);
    QCOMPARE(toolkit.window().progressBar1->value(), 0);
}

QTEST_MAIN(TestOutOfMemory)
#include "test_out_of_memory.moc"
