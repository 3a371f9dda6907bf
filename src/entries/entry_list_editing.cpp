#include "entry_list_editing.h"

#include "common/operation_state.h"
#include "common/statement_trap.h"
#include "common/text_encoding.h"
#include "common/toolkit/list_view.h"
#include "common/toolkit/message_boxes.h"
#include "common/toolkit/mouse_pointer.h"

namespace tavrolin {

void addOneItem(MessageBoxes& dialogs, ListView& entries) {
    Trap trap(dialogs, QStringLiteral("Form1.PushButton2_Click"));
    QString entry;
    trap(100, [&] { entry = dialogs.inputBox(QStringLiteral("Enter item to add: ")); });
    if (trap.test(102, [&] { return entry.isEmpty(); }))
        return;
    trap(104, [&] { entries.appendItem(encode8Bit(entry)); });
    // The new entry is the one Delete and F2 then act on, so it is shown and selected.
    trap(106, [&] { entries.selectItem(entries.itemCount()); });
}

void clearEntries(MessageBoxes& dialogs, const MousePointer& shown, ListView& entries,
                  const OperationState& operation) {
    Trap trap(dialogs, QStringLiteral("Form1.PushButton5_Click"));
    if (trap.test(100, [&] { return !operation.running && shown.pointer() != pointer::Hourglass; }))
        trap(100, [&] { entries.removeAll(); });
}

void loadSampleEntries(MessageBoxes& dialogs, ListView& entries) {
    Trap trap(dialogs, QStringLiteral("Form1.PushButton8_Click"));
    trap(100, [&] { entries.appendItem("first"); });
    trap(102, [&] { entries.appendItem("second"); });
    trap(104, [&] { entries.appendItem("third"); });
    trap(106, [&] { entries.appendItem("fourth"); });
}

namespace {

bool busy(const EntryChange& change) {
    return change.operation.running || change.shown.pointer() == pointer::Hourglass;
}

} // namespace

void editEntry(const EntryChange& change, int item, const QString& text) {
    Trap trap(change.dialogs, QStringLiteral("Form1.ListView1_EditItem"));
    if (trap.test(100, [&] { return busy(change); }))
        return;
    ListView& entries = change.entries;
    if (trap.test(102, [&] {
            return item < 1 || item > entries.itemCount() ||
                   decode8Bit(entries.itemBytesAt(item)) == text;
        }))
        return;
    trap(104, [&] { entries.setItemText(item, text); });
}

void moveEntry(const EntryChange& change, int item, int places) {
    Trap trap(change.dialogs, QStringLiteral("Form1.ListView1_MoveItem"));
    if (trap.test(100, [&] { return busy(change); }))
        return;
    ListView& entries = change.entries;
    if (trap.test(102, [&] {
            const int count = entries.itemCount();
            return places == 0 || item < 1 || item > count || item + places < 1 ||
                   item + places > count;
        }))
        return;
    trap(104, [&] { entries.moveItem(item, places); });
}

} // namespace tavrolin
