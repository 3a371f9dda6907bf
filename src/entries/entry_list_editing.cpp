#include "entry_list_editing.h"

#include "common/statement_trap.h"
#include "common/toolkit/toolkit.h"

namespace tavrolin {

void addOneItem(Toolkit& ui) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.PushButton2_Click"));
    QString entry;
    trap(100, [&] { entry = ui.dialogs.inputBox(QStringLiteral("Enter item to add: ")); });
    if (trap.test(102, [&] { return entry.isEmpty(); }))
        return;
    trap(104, [&] { ui.listView1.appendItem(entry); });
}

void clearEntries(Toolkit& ui, bool creating) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.PushButton5_Click"));
    if (trap.test(100, [&] { return !creating && ui.pointer.pointer() != pointer::Hourglass; }))
        trap(100, [&] { ui.listView1.removeAll(); });
}

void loadSampleEntries(Toolkit& ui) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.PushButton8_Click"));
    trap(100, [&] { ui.listView1.appendItem(QStringLiteral("first")); });
    trap(102, [&] { ui.listView1.appendItem(QStringLiteral("second")); });
    trap(104, [&] { ui.listView1.appendItem(QStringLiteral("third")); });
    trap(106, [&] { ui.listView1.appendItem(QStringLiteral("fourth")); });
}

namespace {

bool busy(const Toolkit& ui, bool creating) {
    return creating || ui.pointer.pointer() == pointer::Hourglass;
}

} // namespace

void editEntry(Toolkit& ui, int item, const QString& text, bool creating) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.ListView1_EditItem"));
    if (trap.test(100, [&] { return busy(ui, creating); }))
        return;
    if (trap.test(102, [&] {
            return item < 1 || item > ui.listView1.itemCount() ||
                   ui.listView1.itemText(item) == text;
        }))
        return;
    trap(104, [&] { ui.listView1.setItemText(item, text); });
}

void moveEntry(Toolkit& ui, int item, int places, bool creating) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.ListView1_MoveItem"));
    if (trap.test(100, [&] { return busy(ui, creating); }))
        return;
    if (trap.test(102, [&] {
            const int count = ui.listView1.itemCount();
            return places == 0 || item < 1 || item > count || item + places < 1 ||
                   item + places > count;
        }))
        return;
    trap(104, [&] { ui.listView1.moveItem(item, places); });
}

} // namespace tavrolin
