#include "plain_text_save.h"

#include "common/statement_trap.h"
#include "common/toolkit/file_dialog.h"
#include "common/toolkit/list_view.h"
#include "common/toolkit/message_boxes.h"
#include "common/toolkit/mouse_pointer.h"
#include "nothing_to_output.h"
#include "result_file.h"

namespace tavrolin {

namespace {

// Short rows are gathered so that the system is called once for many of them; a long row, as a
// created result is, goes out from where it is kept, without a copy.
constexpr qsizetype kGathered = 64 * 1024;

} // namespace

bool writePlainRows(const ListView& list, const QString& fileName) {
    if (!anyRowChecked(list))
        return false;
    ResultFile file(fileName);
    file.create();
    QByteArray gathered;
    const int rows = list.itemCount();
    for (int i = 1; i <= rows; ++i) {
        if (!list.itemChecked(i))
            continue;
        const QByteArrayView row = list.itemBytesAt(i);
        if (gathered.size() + row.size() >= kGathered) {
            file.write(gathered);
            gathered.resize(0);
        }
        if (row.size() >= kGathered)
            file.write(row);
        else
            gathered.append(row);
        gathered.append('\n');
    }
    file.write(gathered);
    file.close();
    return true;
}

void savePlainResults(const PlainSaveParts& ui) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.ListView2_SavePlainText"));
    if (trap.test(100, [&] { return !anyRowChecked(ui.listView2); })) {
        trap(102, [&] { tellNothingOutput(ui.dialogs, ui.listView2, Output::Save); });
        return;
    }
    FileDialog& dialog = ui.commonDialog1;
    trap(104, [&] {
        dialog.setFlags(fileDialogFlag::Explorer | fileDialogFlag::LongNames |
                        fileDialogFlag::OverwritePrompt | fileDialogFlag::TypeExtension);
    });
    trap(106, [&] { dialog.setTitle(QStringLiteral("Save Results as Plain Text")); });
    trap(108, [&] {
        dialog.setFilter(QStringLiteral(
            "Text Files (*.txt)|*.txt|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*|"));
    });
    trap(110, [&] {
        dialog.setFileName(QString());
        dialog.showSave();
    });
    QString fileName;
    trap(112, [&] { fileName = dialog.fileName(); });
    if (trap.test(114, [&] { return fileName.isEmpty(); }))
        return;
    trap(116, [&] { ui.pointer.setPointer(pointer::Hourglass); });
    bool saved = true;
    trap(118, [&] { saved = writePlainRows(ui.listView2, fileName); });
    trap(120, [&] { ui.pointer.setPointer(pointer::Default); });
    if (!saved)
        trap(122, [&] { tellNothingOutput(ui.dialogs, ui.listView2, Output::Save); });
}

} // namespace tavrolin
