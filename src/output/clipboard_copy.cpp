#include "clipboard_copy.h"

#include "column_cells.h"
#include "common/runtime_error.h"
#include "common/statement_trap.h"
#include "common/text_encoding.h"
#include "common/toolkit/toolkit.h"

#include <QList>

namespace tavrolin {

namespace {

constexpr int kClipboardAttempts = 1000;

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

bool ClipboardSetText(Clipboard& clipboard, const QString& text, int format) {
    return retry([&] { return clipboard.setText(text, format); });
}

void CopyListViewToClipboardTab(const ListView& list, Clipboard& clipboard, EventPump& events,
                                Dialogs& dialogs) {
    Trap trap(dialogs, QStringLiteral("Main.CopyListViewToClipboardTab"));
    if (trap.test(100, [&] { return list.itemCount() == 0; }))
        return;

    QList<int> widths;
    int columns = 0;
    trap(102, [&] { columns = list.columnCount(); });
    for (int c = 1; c <= columns; ++c) {
        int width = 0;
        int rows = 0;
        trap(106, [&] { rows = list.itemCount(); });
        for (int r = 1; r <= rows; ++r) {
            trap(110, [&] { events.processEvents(); });
            if (r > list.itemCount())
                break; // cleared meanwhile
            trap(114, [&] { width = std::max(width, int(cellText(list, r, c).size())); });
        }
        trap(124, [&] { widths.append(width); });
    }

    QString text;
    int rows = 0;
    trap(132, [&] { rows = list.itemCount(); });
    for (int i = 1; i <= rows; ++i) {
        trap(134, [&] { events.processEvents(); });
        if (i > list.itemCount())
            break; // rows cleared meanwhile are not copied
        if (trap.test(136, [&] { return !list.itemChecked(i); }))
            continue;
        const qsizetype lineStart = text.size();
        for (int c = 1; c <= columns; ++c) {
            trap(140, [&] { events.processEvents(); });
            if (i > list.itemCount())
                break;
            trap(146, [&] { appendPaddedCell(text, cellText(list, i, c), widths.value(c - 1)); });
        }
        if (i > list.itemCount()) {
            text.truncate(lineStart); // a row cleared while its line was built is not copied
            break;
        }
        // Only the current line can lose characters here: every earlier one ends with LF.
        trap(158, [&] { text.chop(1); });
        trap(160, [&] {
            qsizetype end = text.size();
            while (end > 0 && text[end - 1] == u' ')
                --end;
            text.truncate(end);
        });
        trap(162, [&] { text += QStringLiteral("\r\n"); });
    }
    trap(166, [&] { ClipboardClear(clipboard); });
    // A clipboard held by another program throughout would otherwise be followed by the
    // "copied" message alone, and the user would paste something else.
    trap(168, [&] {
        if (!ClipboardSetText(clipboard, shownText(text), 0))
            throw RuntimeError(error::ClipboardBusy, QStringLiteral("Can't open Clipboard"));
    });
}

void copyResults(Toolkit& ui) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.PushButton7_Click"));
    trap(106,
         [&] { CopyListViewToClipboardTab(ui.listView2, ui.clipboard, ui.events, ui.dialogs); });
    trap(108, [&] {
        ui.dialogs.messageBox(QStringLiteral("Results have been copied to the clipboard.\r\r"
                                             "Click a text area where you normally type and "
                                             "press Ctrl+V to paste the clipboard."),
                              MessageStyle::OkOnly);
    });
}

} // namespace tavrolin
