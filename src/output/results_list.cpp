#include "results_list.h"

#include "common/statement_trap.h"
#include "common/toolkit/list_view.h"

namespace tavrolin {

QString resultsCaption() {
    return QStringLiteral("Results - Extend bar to show all >") + QString(59, u' ') + u'>';
}

void clearResults(MessageBoxes& dialogs, ListView& results) {
    Trap trap(dialogs, QStringLiteral("Form1.PushButton3_Click"));
    trap(100, [&] { results.removeAll(); });
}

} // namespace tavrolin
