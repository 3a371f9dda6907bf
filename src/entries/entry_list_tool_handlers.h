#pragma once

#include <QString>

namespace tavrolin {

struct Toolkit;

// The entry list's tools. Each is refused while the busy pointer shows or a creation is joining
// the entries, as removal is, and does nothing on an empty list. The new list replaces the old
// one in a single change, so one undo step brings the old list back.
enum class EntryListTool {
    SortAscending,
    SortDescending,
    Reverse,
    RemoveDuplicates,
    TrimSpaces,
    RemoveEmpty,
    Wrap,
};

void runEntryListTool(Toolkit& ui, bool creating, EntryListTool tool);

// "Split Entries at Separator": the separator must be a usable text (see canSplitEntries).
void splitEntries(Toolkit& ui, bool creating, const QString& separator);

} // namespace tavrolin
