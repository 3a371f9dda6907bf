#include "list_file_loading.h"

#include "common/path_routines.h"
#include "common/statement_trap.h"
#include "common/toolkit/file_dialog.h"
#include "common/toolkit/list_view.h"
#include "common/toolkit/message_boxes.h"
#include "common/toolkit/mouse_pointer.h"
#include "text_file_to_list_view.h"

namespace tavrolin {

namespace {

constexpr int kNameBufferSize = 30000;

// The dialog raises NameBufferTooSmall while it is shown; it gets its own message.
bool showOpenDialog(FileDialog& dialog) {
    try {
        dialog.showOpen();
    } catch (const RuntimeError& e) {
        if (e.number() != error::NameBufferTooSmall)
            throw;
        return false;
    }
    return true;
}

} // namespace

void loadListFiles(const ListFileLoadingParts& ui) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.PushButton6_Click"));
    FileDialog& dialog = ui.commonDialog1;
    trap(100, [&] { dialog.setFileName(QString()); });
    trap(102, [&] {
        dialog.setFlags(fileDialogFlag::Explorer | fileDialogFlag::LongNames |
                        fileDialogFlag::AllowMultiSelect);
    });
    trap(102, [&] { dialog.setMaxFileSize(kNameBufferSize); });
    trap(104, [&] {
        dialog.setTitle(QStringLiteral("Load List(s) - Hold Ctrl to select multiple list files"));
    });
    trap(106, [&] {
        dialog.setFilter(QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"));
    });
    bool fits = true;
    trap(108, [&] { fits = showOpenDialog(dialog); });
    if (!fits) {
        ui.dialogs.messageBox(QStringLiteral("You've selected too many files to add.\r\rPlease "
                                             "try adding via the \"Add All\" button."),
                              MessageStyle::OkOnly);
        return;
    }
    if (trap.test(110, [&] { return dialog.fileName().isEmpty(); }))
        return;
    QStringList parts;
    trap(112, [&] { parts = dialog.fileName().split(QChar(u'\0')); });
    trap(114, [&] { ui.pointer.setPointer(pointer::Hourglass); });
    const qsizetype highest = parts.size() - 1;
    if (trap.test(116, [&] { return highest == 0; })) {
        QString path;
        trap(118, [&] { path = parts.value(0); });
        trap(120, [&] { LoadTextFileToListView(ui.listView1, path, ui.dialogs); });
    } else if (trap.test(122, [&] { return highest >= 1; })) {
        qsizetype first = 0;
        qsizetype last = 0;
        trap(124, [&] { first = 1; });
        trap(126, [&] { last = highest; });
        for (qsizetype part = first; part <= last; ++part) {
            QString path;
            trap(130, [&] { path = parts.at(0) + kPathSeparator + parts.at(part); });
            trap(132, [&] { path = FixDoubleBackslashes(path, kPathSeparator); });
            trap(134, [&] { LoadTextFileToListView(ui.listView1, path, ui.dialogs); });
        }
    }
    trap(138, [&] { ui.pointer.setPointer(pointer::Default); });
}

} // namespace tavrolin
