#include "clipboard_copy.h"

#include "column_cells.h"
#include "column_layout.h"
#include "column_measuring.h"
#include "common/runtime_error.h"
#include "common/statement_trap.h"
#include "common/text_encoding.h"
#include "common/toolkit/clipboard.h"
#include "common/toolkit/event_pump.h"
#include "common/toolkit/list_view.h"
#include "common/toolkit/message_boxes.h"
#include "copied_text.h"
#include "nothing_to_output.h"

#include <utility>

namespace tavrolin {

namespace {

constexpr int kClipboardAttempts = 1000;

// The clipboard measures the rows only.
constexpr MeasuringLines kMeasuring{102, 0, 106, 110, 114, 124};

template <class Attempt> bool retry(Attempt&& attempt) {
    for (int i = 0; i < kClipboardAttempts; ++i) {
        if (attempt())
            return true;
    }
    return false;
}

} // namespace

bool ClipboardClear(Clipboard& clipboard) {
    return retry([&] { return clipboard.clear(); });
}

bool ClipboardSetText(Clipboard& clipboard, const QByteArrayList& text, int format) {
    return retry([&] { return clipboard.setUtf8Text(text, format); });
}

OutputResult CopyListViewToClipboardTab(const ListView& list, Clipboard& clipboard,
                                        EventPump& events, MessageBoxes& dialogs) {
    Trap trap(dialogs, QStringLiteral("Main.CopyListViewToClipboardTab"));
    if (trap.test(100, [&] { return list.itemCount() == 0; }))
        return OutputResult::NothingDue;

    // Rows are read by number while events run between them: row i is still the row that was
    // measured only as long as no row has been removed or moved since.
    const quint64 measured = list.rowGeneration();
    const auto unchanged = [&] { return list.rowGeneration() == measured; };
    ColumnWidths widths;
    const int columns = measureColumns(list, measured, kMeasuring, trap, events, widths);

    CopiedText text;
    int copied = 0;
    int rows = 0;
    trap(132, [&] { rows = list.itemCount(); });
    for (int i = 1; i <= rows && unchanged(); ++i) {
        trap(134, [&] { events.processEvents(); });
        if (!unchanged())
            break;
        if (trap.test(136, [&] { return !list.itemChecked(i); }))
            continue;
        const qsizetype lineStart = text.size();
        bool whole = true;
        for (int c = 1; c <= columns && whole; ++c) {
            trap(140, [&] { events.processEvents(); });
            // A row unticked or moved while its line is built is not copied.
            whole = unchanged() && list.itemChecked(i);
            if (whole)
                trap(146, [&] { text.appendPaddedCell(widths.padded(cellBytes(list, i, c), c)); });
        }
        if (!whole) {
            text.truncate(lineStart);
            continue;
        }
        // Only the current line may lose characters here. Every earlier one ends with LF, so
        // the spaces stop there; but a list without columns gives a line without a tab, and
        // its last character would be the line feed before it.
        trap(158, [&] {
            if (text.size() > lineStart)
                text.chop(1);
        });
        trap(160, [&] { text.dropTrailingSpaces(); });
        trap(162, [&] { text.append(kLineEnd); });
        ++copied;
    }
    // Putting no line there would only wipe what the user has on the clipboard.
    if (copied == 0)
        return OutputResult::NothingDue;
    trap(166, [&] { ClipboardClear(clipboard); });
    // A clipboard held by another program throughout is reported and the copy has failed: a
    // "copied" message would have the user paste something else.
    bool placed = false;
    trap(168, [&] {
        // As UTF-8 in pieces that share the long cells with the list: a copy of millions of
        // entries is neither held a second time nor as UTF-16. Each piece shows alone as it
        // does within the text, for every piece begins and ends next to a tab, a line end or
        // nothing.
        QByteArrayList shown = text.pieces();
        text = {};
        for (QByteArray& piece : shown)
            piece = shownBytes(std::move(piece));
        if (!ClipboardSetText(clipboard, shown, 0))
            throw RuntimeError::of(error::ClipboardBusy);
        placed = true;
    });
    return placed ? OutputResult::Done : OutputResult::Failed;
}

void copyResults(const CopyParts& ui) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.PushButton7_Click"));
    if (trap.test(102, [&] { return !anyRowChecked(ui.listView2); })) {
        trap(104, [&] { tellNothingOutput(ui.dialogs, ui.listView2, Output::Copy); });
        return;
    }
    // Without an answer from the copy, nothing is known to have been copied.
    auto copied = OutputResult::Failed;
    trap(106, [&] {
        copied = CopyListViewToClipboardTab(ui.listView2, ui.clipboard, ui.events, ui.dialogs);
    });
    if (copied == OutputResult::Done) {
        trap(108, [&] {
            ui.dialogs.messageBox(QStringLiteral("Results have been copied to the clipboard.\r\r"
                                                 "Click a text area where you normally type and "
                                                 "press Ctrl+V to paste the clipboard."),
                                  MessageStyle::OkOnly);
        });
    } else if (copied == OutputResult::NothingDue) {
        trap(110, [&] { tellNothingOutput(ui.dialogs, ui.listView2, Output::Copy); });
    }
}

} // namespace tavrolin
