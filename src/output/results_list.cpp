#include "results_list.h"

#include "common/statement_trap.h"
#include "common/toolkit/toolkit.h"

namespace tavrolin {

void clearResults(Toolkit& ui) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.PushButton3_Click"));
    trap(100, [&] { ui.listView2.removeAll(); });
}

} // namespace tavrolin
