#pragma once

#include "entry_list_tools.h"

#include <QString>

namespace tavrolin {

class MessageBoxes;
class ToolDialogs;
class ListView;
class MousePointer;
struct OperationState;
class ProgressBar;

// What a tool works on: the entry list, the pointer it shows while it works, the dialogs it
// asks and reports through, and the bar where Remove Duplicates, Trim Spaces and Remove Empty
// Entries tell what they did (the text stays until the next operation sets its own).
struct EntryListToolParts {
    MessageBoxes& dialogs;
    ToolDialogs& toolDialogs;
    MousePointer& pointer;
    ListView& entries;
    ProgressBar& progressBar1;
    // Running while a creation joins the entries.
    const OperationState& operation;
};

// Runs a tool from the window. Each is refused while the busy pointer shows or a creation is
// joining the entries, as removal is, and does nothing on an empty list. A tool that asks asks
// first (Split offering the given separator); a cancelled question changes nothing. The new
// list replaces the old one in a single change, so one undo step brings the old list back.
void runEntryListTool(const EntryListToolParts& parts, EntryListTool tool,
                      const QString& offered = {});

} // namespace tavrolin
