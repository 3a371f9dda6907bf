// Drives the real window offscreen through one whole use: load a list file, pick "Comma",
// create the list, check the result row, save it, copy it; then runs each entry list tool on
// the loaded entries and undoes it, so that every tool works on the same list. Prints one "name
// value" line per figure for bench/run.sh to read.
#include "app/form1.h"
#include "common/product.h"
#include "common/text_encoding.h"
#include "event_gap_meter.h"
#include "qt/duplicates_dialog.h"
#include "qt/qt_toolkit.h"
#include "qt/report_table.h"
#include "qt/split_dialog.h"
#include "qt/wrap_dialog.h"
#include "support/modal_script.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <functional>

using namespace tavrolin;
using namespace tavrolin::bench;
using tavrolin::testing::ModalScript;

namespace {

double msBetween(qint64 fromNs, qint64 toNs) {
    return double(toNs - fromNs) / 1e6;
}

// The most memory the process has held at once, in KiB.
long peakMemoryKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

void print(const char* name, double value) {
    std::printf("%s %.3f\n", name, value);
}

void print(const char* name, long long value) {
    std::printf("%s %lld\n", name, value);
}

struct ToolRun {
    const char* figure;
    EntryListTool tool;
    // The title of the tool's dialog and its answer; none for a tool that asks nothing.
    const char* dialog = nullptr;
    std::function<void(QDialog*)> answer = {};
};

void accept(QDialog* dialog) {
    dialog->accept();
}

const ToolRun kToolRuns[] = {
    {"sort_ascending_ms", EntryListTool::SortAscending},
    {"sort_descending_ms", EntryListTool::SortDescending},
    {"reverse_ms", EntryListTool::Reverse},
    {"remove_duplicates_ms", EntryListTool::RemoveDuplicates, "Remove Duplicates", accept},
    // Every entry that is not ASCII is decoded and folded.
    {"remove_duplicates_rules_ms", EntryListTool::RemoveDuplicates, "Remove Duplicates",
     [](QDialog* dialog) {
         static_cast<qt::DuplicatesDialog*>(dialog)->setRules(
             {true, true, DuplicateRules::Keep::Once});
         dialog->accept();
     }},
    {"trim_spaces_ms", EntryListTool::TrimSpaces},
    {"remove_empty_ms", EntryListTool::RemoveEmpty},
    {"wrap_ms", EntryListTool::Wrap, "Wrap Each Entry",
     [](QDialog* dialog) {
         static_cast<qt::WrapDialog*>(dialog)->choosePreset(qt::WrapDialog::SingleQuotes);
         dialog->accept();
     }},
    // As offered: the separator the list was created with, Comma.
    {"split_ms", EntryListTool::Split, "Split Entries", accept},
    {"split_csv_ms", EntryListTool::Split, "Split Entries",
     [](QDialog* dialog) {
         static_cast<qt::SplitDialog*>(dialog)->setAnswer(QStringLiteral(","),
                                                          qt::SplitDialog::DoubleQuotes);
         dialog->accept();
     }},
};

// Runs each tool as its menu item does, from the start (for a tool with a dialog, from
// accepting the dialog) until the list shows the change, then undoes it untimed. False when a
// tool changed nothing or undo did not bring the loaded list back.
bool timeTools(qt::QtToolkit& real, Form1& form, ModalScript& script, const qint64& answeredAt,
               const QElapsedTimer& clock) {
    qt::MainWindow& window = real.window();
    const ListView& entries = real.listView1();
    const int count = entries.itemCount();
    const QByteArray last = entries.itemBytes(count);
    bool right = true;
    for (const ToolRun& tool : kToolRuns) {
        if (tool.dialog)
            script.answerDialog(QString::fromLatin1(tool.dialog), tool.answer);
        const int steps = real.undo().stack().index();
        const qint64 pressedAt = clock.nsecsElapsed();
        window.dispatch([&] { form.ListView1_Tool(tool.tool); });
        QCoreApplication::processEvents();
        const qint64 start = tool.dialog ? answeredAt : pressedAt;
        print(tool.figure, msBetween(start, clock.nsecsElapsed()));
        right = right && real.undo().stack().index() == steps + 1 && real.undo().undo();
        QCoreApplication::processEvents();
        right = right && entries.itemCount() == count && entries.itemBytesAt(count) == last;
    }
    return right;
}

// "Create in Groups" of 1,000 from accepting its dialog until "Done." shows, then undone; and
// "List Figures" from the menu until its dialog shows, with the longest stretch without events
// meanwhile. False when the rows or the figures are not those of the list.
bool timeGroupsAndFigures(qt::QtToolkit& real, Form1& form, ModalScript& script,
                          const qint64& shownAt, EventGapMeter& gaps, const QElapsedTimer& clock) {
    qt::MainWindow& window = real.window();
    const int count = real.listView1().itemCount();
    qint64 acceptedAt = 0;
    script.answerDialog(QStringLiteral("Create in Groups"), [&](QDialog* dialog) {
        acceptedAt = clock.nsecsElapsed();
        dialog->accept();
    });
    script.closeMessageStarting(QStringLiteral("Done."));
    window.dispatch([&] { form.ListView1_CreateInGroups(); });
    print("groups_ms", msBetween(acceptedAt, shownAt));
    const int groups = (count + 999) / 1000;
    bool right = real.listView2().itemCount() == groups && real.listView2().itemChecked(groups);
    right = right && real.undo().undo() && real.listView2().itemCount() == 1;

    qint64 figuresAt = 0;
    QString entries;
    script.answerDialog(QStringLiteral("List Figures"), [&](QDialog* dialog) {
        figuresAt = clock.nsecsElapsed();
        gaps.stop();
        const QLayoutItem* first =
            dialog->findChild<QFormLayout*>()->itemAt(0, QFormLayout::FieldRole);
        if (auto* value = qobject_cast<QLabel*>(first->widget()))
            entries = value->text();
        dialog->reject();
    });
    gaps.start();
    const qint64 start = clock.nsecsElapsed();
    window.dispatch([&] { form.ListView1_Figures(); });
    print("figures_ms", msBetween(start, figuresAt));
    print("figures_longest_event_gap_ms", gaps.longestGapMs());
    return right && entries == QLocale(QLocale::English).toString(count);
}

// How long one copy of the longest entry takes: the floor of a stretch without events for a
// creation that must copy that entry into the result.
double longestEntryCopyMs(const ListView& entries, const QElapsedTimer& clock) {
    QByteArrayView longest;
    for (int item = 1; item <= entries.itemCount(); ++item) {
        const QByteArrayView bytes = entries.itemBytesAt(item);
        if (bytes.size() > longest.size())
            longest = bytes;
    }
    const qint64 start = clock.nsecsElapsed();
    const QByteArray copy(longest.data(), longest.size());
    const double ms = msBetween(start, clock.nsecsElapsed());
    return copy.size() == longest.size() ? ms : -1;
}

} // namespace

// Loads the CSV file as a list file, from accepting the file dialog until the lines show, and
// undoes it; then loads its second column, from accepting the column's dialog until the values
// show. The ratio is what reading the records costs over reading lines. False when the column
// has not a value for every row below the header.
bool timeCsvColumn(qt::QtToolkit& real, Form1& form, ModalScript& script, const qint64& answeredAt,
                   const QElapsedTimer& clock, const QString& file) {
    qt::MainWindow& window = real.window();
    script.chooseFile(file);
    QTest::mouseClick(window.pushButton6, Qt::LeftButton);
    QCoreApplication::processEvents();
    const double plainMs = msBetween(answeredAt, clock.nsecsElapsed());
    const int lines = real.listView1().itemCount();
    bool right = real.undo().undo();
    QCoreApplication::processEvents();
    script.chooseFile(file);
    script.answerDialog(QStringLiteral("Load Column From CSV File"), [](QDialog* dialog) {
        dialog->findChild<QCheckBox*>(QStringLiteral("header"))->setChecked(true);
        dialog->findChild<QComboBox*>(QStringLiteral("column"))->setCurrentIndex(1);
        dialog->accept();
    });
    window.dispatch([&] { form.ListView1_LoadColumn(); });
    QCoreApplication::processEvents();
    const double columnMs = msBetween(answeredAt, clock.nsecsElapsed());
    print("csv_rows", static_cast<long long>(lines - 1));
    print("csv_plain_load_ms", plainMs);
    print("csv_column_load_ms", columnMs);
    print("csv_column_ratio", plainMs > 0 ? columnMs / plainMs : 0.0);
    right = right && lines > 1 && real.listView1().itemCount() == lines - 1;
    print("csv_column_right", static_cast<long long>(right));
    return right;
}

int main(int argc, char* argv[]) {
    // The bench picks a separator, which the program remembers: keep that out of the user's
    // settings.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    QApplication::setOrganizationName(tavrolin::kOrganisation);
    QApplication::setApplicationName(tavrolin::kProductName);
    QStringList args = QApplication::arguments();
    // The tools' goal is set for a million entries; a run far above that can leave them out.
    const bool withTools = !args.removeOne(QStringLiteral("--no-tools"));
    // Only the column of a CSV file against its plain load.
    const bool csvColumn = args.removeOne(QStringLiteral("--csv-column"));
    if (args.size() != (csvColumn ? 2 : 3)) {
        std::fprintf(stderr, "usage: tavrolin_bench [--no-tools] LIST_FILE RESULT_FILE\n"
                             "       tavrolin_bench --csv-column CSV_FILE\n");
        return 2;
    }
    const QString listFile = args.at(1);
    const QString resultFile = args.value(2);

    QElapsedTimer clock;
    clock.start();
    // Answers the dialogs in the order a user meets them; a dialog nobody expected (an error
    // report, say) is refused and remembered, so the run fails instead of measuring the wrong
    // thing. When the last dialog showed, and when the last one was answered (nanoseconds).
    ModalScript script;
    qint64 lastShownAt = 0;
    qint64 lastAnsweredAt = 0;
    script.onAnswered = [&] { lastAnsweredAt = clock.nsecsElapsed(); };
    EventGapMeter gaps(clock);

    qt::QtToolkit real(QCoreApplication::applicationDirPath());
    Form1 form(real.toolkit());
    real.connect(form);
    form.Form_Load();
    real.show();
    qt::MainWindow& window = real.window();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "the window was not exposed\n");

    if (csvColumn) {
        const bool right = timeCsvColumn(real, form, script, lastAnsweredAt, clock, listFile);
        std::fflush(stdout);
        for (const QString& problem : script.problems())
            std::fprintf(stderr, "%s\n", qPrintable(problem));
        return right && script.problems().isEmpty() ? 0 : 1;
    }

    // Load: from accepting the file dialog until the entries show in the list.
    script.chooseFile(listFile);
    QTest::mouseClick(window.pushButton6, Qt::LeftButton);
    QCoreApplication::processEvents();
    const long loadPeakKiB = peakMemoryKiB();
    const double loadMs = msBetween(lastAnsweredAt, clock.nsecsElapsed());
    const double copyLongestMs = longestEntryCopyMs(real.listView1(), clock);

    const int comma = window.combo1->findText(QStringLiteral("Comma"), Qt::MatchExactly);
    window.combo1->setCurrentIndex(comma);
    Q_EMIT window.combo1->activated(comma);

    // Create: from the press until "Done." shows; the window must keep answering meanwhile.
    script.closeMessageStarting(QStringLiteral("Done."));
    script.onShown = [&] {
        lastShownAt = clock.nsecsElapsed();
        gaps.stop();
    };
    gaps.start();
    const qint64 createStart = clock.nsecsElapsed();
    QTest::mouseClick(window.pushButton4, Qt::LeftButton);
    const double createMs = msBetween(createStart, lastShownAt);
    script.onShown = [&] { lastShownAt = clock.nsecsElapsed(); };
    QCoreApplication::processEvents();
    const long createPeakKiB = peakMemoryKiB();

    // Tick the result row, as the user does before saving or copying.
    QAbstractItemModel* results = window.listView2->model();
    const bool checked = results->rowCount() == 1 &&
                         results->setData(results->index(0, 0), Qt::Checked, Qt::CheckStateRole);
    QCoreApplication::processEvents();

    // One repaint of the results list holding the whole result.
    const qint64 paintStart = clock.nsecsElapsed();
    window.listView2->viewport()->repaint();
    const double repaintMs = msBetween(paintStart, clock.nsecsElapsed());

    // Save: from accepting the save dialog until the handler is done.
    script.chooseFile(resultFile);
    QTest::mouseClick(window.pushButton1, Qt::LeftButton);
    const double saveMs = msBetween(lastAnsweredAt, clock.nsecsElapsed());
    const long savePeakKiB = peakMemoryKiB();

    // Copy: from the press until the "copied" message shows.
    script.closeMessageStarting(QStringLiteral("Results have been copied to the clipboard."));
    const qint64 copyStart = clock.nsecsElapsed();
    QTest::mouseClick(window.pushButton7, Qt::LeftButton);
    const double copyMs = msBetween(copyStart, lastShownAt);
    // Taken before the checks below, which copy the result themselves.
    const long peakKiB = peakMemoryKiB();

    // The clipboard holds the result row without trailing spaces, ended by CR LF. Compared as
    // bytes, so that the check costs no decoded copies of a long result.
    const ListView& resultList = real.listView2();
    const QByteArray resultBytes = resultList.itemCount() == 1 ? resultList.itemBytes(1) : "";
    QByteArrayView expected = resultBytes;
    while (expected.endsWith(' '))
        expected.chop(1);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    const QByteArray copiedBytes =
        copied == nullptr ? QByteArray() : copied->data(QStringLiteral("text/plain"));
    const bool clipboardRight = copiedBytes.size() == expected.size() + 2 &&
                                copiedBytes.startsWith(expected) && copiedBytes.endsWith("\r\n");

    print("entries", static_cast<long long>(real.listView1().itemCount()));
    print("result_chars",
          static_cast<long long>(resultList.itemCount() == 1 ? decodedLength(resultBytes) : -1));
    print("load_ms", loadMs);
    print("create_ms", createMs);
    print("longest_event_gap_ms", gaps.longestGapMs());
    print("event_ticks", static_cast<long long>(gaps.ticks()));
    print("longest_entry_copy_ms", copyLongestMs);
    print("repaint_ms", repaintMs);
    print("save_ms", saveMs);
    print("copy_ms", copyMs);
    print("peak_memory_kib", static_cast<long long>(peakKiB));
    print("peak_memory_after_load_kib", static_cast<long long>(loadPeakKiB));
    print("peak_memory_after_create_kib", static_cast<long long>(createPeakKiB));
    print("peak_memory_after_save_kib", static_cast<long long>(savePeakKiB));
    print("result_checked", static_cast<long long>(checked));
    print("clipboard_right", static_cast<long long>(clipboardRight));
    bool toolsRight = true;
    if (withTools) {
        toolsRight = timeTools(real, form, script, lastAnsweredAt, clock);
        toolsRight =
            timeGroupsAndFigures(real, form, script, lastShownAt, gaps, clock) && toolsRight;
        print("tools_right", static_cast<long long>(toolsRight));
        print("peak_memory_after_tools_kib", static_cast<long long>(peakMemoryKiB()));
    }
    std::fflush(stdout);

    for (const QString& problem : script.problems())
        std::fprintf(stderr, "%s\n", qPrintable(problem));
    const bool ok = checked && clipboardRight && toolsRight && script.allAnswered() &&
                    script.problems().isEmpty();
    // Closing the window would end the process at once; leave without it.
    return ok ? 0 : 1;
}
