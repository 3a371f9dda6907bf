#include "dropped_input.h"

#include "common/path_routines.h"
#include "common/statement_trap.h"
#include "common/text_encoding.h"
#include "common/toolkit/clipboard.h"
#include "common/toolkit/list_view.h"
#include "common/toolkit/message_boxes.h"
#include "common/toolkit/mouse_pointer.h"
#include "text_file_to_list_view.h"

#include <optional>

namespace tavrolin {

// The same rules as EntrySplitter, on the text itself; the list keeps each line as its 8-bit
// bytes, so a lone surrogate that stands for no byte is not kept as it was.
void appendTextLines(ListView& list, QStringView text) {
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        list.appendItem(encode8Bit(text.sliced(start, i - start)));
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        list.appendItem(encode8Bit(text.sliced(start)));
}

namespace {

// Files named outside the open dialog: several may come at once, so a message names the file it
// is about, and a folder or a device named by mistake is no fault of the program to report.
void loadNamedFile(ListView& list, MessageBoxes& dialogs, const QString& path) {
    QString problem;
    switch (kindOfPath(path)) {
    case PathKind::File:
        LoadTextFileToListView(list, path, dialogs);
        return;
    case PathKind::Missing:
        problem = QStringLiteral("File not found");
        break;
    case PathKind::Folder:
        problem = QStringLiteral("A folder, not a text file");
        break;
    case PathKind::Other:
        problem = QStringLiteral("A device or pipe, not a text file");
        break;
    }
    dialogs.messageBox(problem + QStringLiteral("\r\r") + shownText(path), MessageStyle::OkOnly);
}

// Dropped files and files given at start load alike; only the location in a report differs.
void loadFiles(ListView& list, MousePointer& mouse, MessageBoxes& dialogs, const QStringList& paths,
               const QString& location) {
    if (paths.isEmpty())
        return;
    Trap trap(dialogs, location);
    trap(100, [&] { mouse.setPointer(pointer::Hourglass); });
    for (const QString& path : paths)
        trap(102, [&] { loadNamedFile(list, dialogs, path); });
    trap(104, [&] { mouse.setPointer(pointer::Default); });
}

} // namespace

void loadDroppedFiles(ListView& list, MousePointer& mouse, MessageBoxes& dialogs,
                      const QStringList& paths) {
    loadFiles(list, mouse, dialogs, paths, QStringLiteral("Form1.ListView1_FilesDropped"));
}

void loadOpenedFiles(ListView& list, MousePointer& mouse, MessageBoxes& dialogs,
                     const QStringList& paths) {
    loadFiles(list, mouse, dialogs, paths, QStringLiteral("Form1.Form_OpenFiles"));
}

void appendDroppedText(ListView& list, MessageBoxes& dialogs, const QString& text) {
    Trap trap(dialogs, QStringLiteral("Form1.ListView1_TextDropped"));
    trap(100, [&] { appendTextLines(list, text); });
}

void pasteClipboardText(ListView& list, Clipboard& clipboard, MessageBoxes& dialogs) {
    Trap trap(dialogs, QStringLiteral("Form1.ListView1_Paste"));
    std::optional<QString> text;
    trap(100, [&] { text = clipboard.text(); });
    if (text)
        trap(102, [&] { appendTextLines(list, *text); });
}

} // namespace tavrolin
