#include "result_file_writer.h"

#include "column_cells.h"
#include "column_layout.h"
#include "column_measuring.h"
#include "common/path_routines.h"
#include "common/statement_trap.h"
#include "common/text_encoding.h"
#include "common/toolkit/event_pump.h"
#include "common/toolkit/file_dialog.h"
#include "common/toolkit/list_view.h"
#include "common/toolkit/message_boxes.h"
#include "common/toolkit/mouse_pointer.h"
#include "common/toolkit/progress_bar.h"
#include "nothing_to_output.h"
#include "result_file.h"

namespace tavrolin {

namespace {

constexpr int kProgressTextEvery = 1000;

// The progress steps that open each pass, each with its own statement numbers: the test that a
// bar was given, events, the value, the text, events.
struct ProgressLines {
    int test;
    int eventsBefore;
    int value;
    int text;
    int eventsAfter;
};
constexpr ProgressLines kStartProgress{100, 102, 104, 106, 108};
constexpr ProgressLines kMeasuredProgress{142, 144, 146, 148, 150};
constexpr ProgressLines kHeaderProgress{172, 174, 176, 178, 180};

// The file measures the captions too.
constexpr MeasuringLines kMeasuring{110, 114, 118, 122, 126, 136};

} // namespace

OutputResult SaveListviewProperlySpaced(const ListView& list, const QString& fileName,
                                        ProgressBar* progressBar, EventPump& events,
                                        MessageBoxes& dialogs) {
    Trap trap(dialogs, QStringLiteral("Save.SaveListviewProperlySpaced"));
    const QString name = FileNameFromPath(fileName, kPathSeparator);
    const QString writing = QStringLiteral("Writing file: ") + name;
    const auto showProgress = [&](const ProgressLines& lines, double value) {
        if (!trap.test(lines.test, [&] { return progressBar != nullptr; }))
            return;
        trap(lines.eventsBefore, [&] { events.processEvents(); });
        trap(lines.value, [&] { progressBar->setValue(value); });
        trap(lines.text, [&] { progressBar->setText(writing); });
        trap(lines.eventsAfter, [&] { events.processEvents(); });
    };
    const auto putBarAtRest = [&] {
        if (trap.test(238, [&] { return progressBar != nullptr; })) {
            trap(240, [&] { progressBar->setValue(0); });
            trap(242, [&] { progressBar->setText(QStringLiteral("Progress Bar")); });
        }
    };

    showProgress(kStartProgress, 1);

    // Rows are read by number while events run between them: row i is still the row that was
    // measured only as long as no row has been removed or moved since.
    const quint64 measured = list.rowGeneration();
    const auto unchanged = [&] { return list.rowGeneration() == measured; };
    ColumnWidths widths;
    const int columns = measureColumns(list, measured, kMeasuring, trap, events, widths);

    showProgress(kMeasuredProgress, 10);

    // A step of the file that fails is reported once and ends the save: every later step would
    // fail on the same file, and "Done." would tell of a file that was not written.
    PaddedLine line;
    ResultFile file(fileName);
    const auto fileStep = [&](int number, auto&& step) {
        bool done = false;
        trap(number, [&] {
            step();
            done = true;
        });
        return done;
    };
    const auto giveUp = [&] {
        file.cancel();
        putBarAtRest();
        return OutputResult::Failed;
    };
    if (!fileStep(156, [&] { file.create(); }))
        return giveUp();

    for (int c = 1; c <= columns; ++c) {
        trap(160, [&] { events.processEvents(); });
        trap(164, [&] { line.append(widths.padded(encode8Bit(list.columnCaption(c)), c)); });
    }
    if (!fileStep(170, [&] { file.writeHeader(line); }))
        return giveUp();

    showProgress(kHeaderProgress, 20);

    int due = 0; // rows checked when their line was to be written
    int rows = 0;
    trap(182, [&] { rows = list.itemCount(); });
    for (int i = 1; i <= rows; ++i) {
        trap(184, [&] { events.processEvents(); });
        if (!unchanged())
            break;
        line.clear();
        if (trap.test(188, [&] { return !list.itemChecked(i); }))
            continue;
        // A row unticked or moved while its line is built is not written.
        const auto stillWritten = [&] { return unchanged() && list.itemChecked(i); };
        bool whole = true;
        for (int c = 1; c <= columns && whole; ++c) {
            trap(192, [&] { events.processEvents(); });
            whole = stillWritten();
            if (whole)
                trap(196, [&] { line.append(widths.padded(cellBytes(list, i, c), c)); });
        }
        if (!whole)
            continue;
        if (trap.test(204, [&] { return progressBar != nullptr; })) {
            trap(206, [&] { events.processEvents(); });
            trap(208, [&] {
                const int count = list.itemCount();
                progressBar->setValue(double(count / 2000 + i) / double(count) * 100.0);
            });
            if (trap.test(210, [&] { return i % kProgressTextEvery == 0; })) {
                trap(212, [&] {
                    progressBar->setText(writing + QStringLiteral(" (") + QString::number(i) +
                                         u')');
                });
            }
            trap(214, [&] { events.processEvents(); });
            if (!stillWritten())
                continue;
        }
        ++due;
        if (!fileStep(222, [&] { file.writeRow(line); }))
            return giveUp();
    }

    // The file is closed before "Done." is shown: closing it is what makes it whole.
    if (due == 0)
        file.cancel();
    else if (!fileStep(232, [&] { file.close(); }))
        return giveUp();
    if (trap.test(226, [&] { return progressBar != nullptr; })) {
        trap(228, [&] { progressBar->setValue(100); });
        trap(230, [&] { progressBar->setText(QStringLiteral("Done.")); });
    }
    putBarAtRest();
    return due > 0 ? OutputResult::Done : OutputResult::NothingDue;
}

void saveResults(const SaveParts& ui) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.PushButton1_Click"));
    // Saving no row would only replace the chosen file by the header line.
    if (trap.test(102, [&] { return !anyRowChecked(ui.listView2); })) {
        trap(104, [&] { tellNothingOutput(ui.dialogs, ui.listView2, Output::Save); });
        return;
    }
    FileDialog& dialog = ui.commonDialog1;
    trap(106, [&] { dialog.setFlags(fileDialogFlag::Explorer | fileDialogFlag::LongNames); });
    trap(108, [&] { dialog.setTitle(QStringLiteral("Save")); });
    trap(110, [&] {
        dialog.setFilter(QStringLiteral(
            "CSV Files (*.csv)|*.csv|Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"));
    });
    trap(112, [&] {
        dialog.setFileName(QString());
        dialog.showSave();
    });
    QString fileName;
    trap(114, [&] { fileName = dialog.fileName(); });
    if (trap.test(116, [&] { return fileName.isEmpty(); }))
        return;
    trap(118, [&] { ui.pointer.setPointer(pointer::Hourglass); });
    // Without an answer from the writer, nothing is known to have been saved.
    auto saved = OutputResult::Failed;
    trap(120, [&] {
        saved = SaveListviewProperlySpaced(ui.listView2, fileName, &ui.progressBar1, ui.events,
                                           ui.dialogs);
    });
    trap(122, [&] { ui.pointer.setPointer(pointer::Default); });
    if (saved == OutputResult::NothingDue)
        trap(124, [&] { tellNothingOutput(ui.dialogs, ui.listView2, Output::Save); });
}

} // namespace tavrolin
