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
// asks and reports through, and the bar where it tells what it did (the text stays until the
// next operation that changes the lists).
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
// The question offers the choices as given and puts its answer into them; true when the user
// answered one.
bool runEntryListTool(const EntryListToolParts& parts, EntryListTool tool, ToolChoices& choices,
                      const QString& offered = {});

// The tool's name as the menu gives it, without an ellipsis: what undo calls its step.
QString toolName(EntryListTool tool);

} // namespace tavrolin
