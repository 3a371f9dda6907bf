#include "nothing_to_output.h"

#include "common/toolkit/list_view.h"
#include "common/toolkit/message_boxes.h"

namespace tavrolin {

bool anyRowChecked(const ListView& list) {
    const int rows = list.itemCount();
    for (int i = 1; i <= rows; ++i) {
        if (list.itemChecked(i))
            return true;
    }
    return false;
}

void tellNothingOutput(MessageBoxes& dialogs, const ListView& list, Output output) {
    const bool copy = output == Output::Copy;
    const QString nothing =
        copy ? QStringLiteral("Nothing was copied") : QStringLiteral("Nothing was saved");
    const QString again = copy ? QStringLiteral("copy") : QStringLiteral("save");
    const QString text =
        list.itemCount() == 0
            ? nothing +
                  QStringLiteral(": there are no results.\r\rPress \"Start Creating "
                                 "List\" first, then tick the result's check box and ") +
                  again + QStringLiteral(" again.")
            : nothing +
                  QStringLiteral(": no result is ticked.\r\rTick the check box of the "
                                 "result you want, then ") +
                  again + QStringLiteral(" again.");
    dialogs.messageBox(text, MessageStyle::OkExclamation);
}

} // namespace tavrolin
