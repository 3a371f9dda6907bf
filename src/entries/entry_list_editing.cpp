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
    if (trap.test(100, [&] { return !creating && ui.form.pointer() != pointer::Hourglass; }))
        trap(100, [&] { ui.listView1.removeAll(); });
}

void loadSampleEntries(Toolkit& ui) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.PushButton8_Click"));
    trap(100, [&] { ui.listView1.appendItem(QStringLiteral("first")); });
    trap(102, [&] { ui.listView1.appendItem(QStringLiteral("second")); });
    trap(104, [&] { ui.listView1.appendItem(QStringLiteral("third")); });
    trap(106, [&] { ui.listView1.appendItem(QStringLiteral("fourth")); });
}

} // namespace tavrolin
