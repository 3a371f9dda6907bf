#include "entry_list_tool_handlers.h"

#include "common/statement_trap.h"
#include "common/toolkit/toolkit.h"
#include "entry_list_tools.h"

#include <functional>
#include <optional>

namespace tavrolin {

namespace {

using Transform = std::function<QStringList(const QStringList&)>;

QString locationOf(EntryListTool tool) {
    switch (tool) {
    case EntryListTool::SortAscending:
        return QStringLiteral("Form1.ListView1_SortAscending");
    case EntryListTool::SortDescending:
        return QStringLiteral("Form1.ListView1_SortDescending");
    case EntryListTool::Reverse:
        return QStringLiteral("Form1.ListView1_Reverse");
    case EntryListTool::RemoveDuplicates:
        return QStringLiteral("Form1.ListView1_RemoveDuplicates");
    case EntryListTool::TrimSpaces:
        return QStringLiteral("Form1.ListView1_TrimSpaces");
    case EntryListTool::RemoveEmpty:
        return QStringLiteral("Form1.ListView1_RemoveEmpty");
    case EntryListTool::Wrap:
        break;
    }
    return QStringLiteral("Form1.ListView1_Wrap");
}

QStringList entriesOf(const ListView& list) {
    QStringList entries;
    const int count = list.itemCount();
    entries.reserve(count);
    for (int item = 1; item <= count; ++item)
        entries.append(list.itemText(item));
    return entries;
}

// Statements from 104 on. Removing all the entries and appending the new ones within one
// handler is one step for undo, and the old entries move into the history without a copy.
// A tool that changes nothing, or could not work out the new list, leaves the list alone. An
// entry that fails to append is reported and the others still come.
void replaceEntries(Trap& trap, Toolkit& ui, const Transform& transform) {
    trap(104, [&] { ui.form.setPointer(pointer::Hourglass); });
    bool read = false;
    QStringList entries;
    trap(106, [&] {
        entries = entriesOf(ui.listView1);
        read = true;
    });
    std::optional<QStringList> changed;
    if (read)
        trap(108, [&] { changed = transform(entries); });
    if (!trap.test(110, [&] { return !changed || *changed == entries; })) {
        entries.clear();
        trap(112, [&] { ui.listView1.removeAll(); });
        for (QString& entry : *changed)
            trap(114, [&] { ui.listView1.appendItem(std::move(entry)); });
    }
    trap(116, [&] { ui.form.setPointer(pointer::Default); });
}

bool refused(Toolkit& ui, bool creating) {
    return creating || ui.form.pointer() == pointer::Hourglass || ui.listView1.itemCount() == 0;
}

Transform transformOf(EntryListTool tool, const WrapTexts& wrap) {
    switch (tool) {
    case EntryListTool::SortAscending:
    case EntryListTool::SortDescending: {
        const bool descending = tool == EntryListTool::SortDescending;
        return [descending](const QStringList& entries) {
            return sortedNaturally(entries, descending, sortingLocale());
        };
    }
    case EntryListTool::Reverse:
        return [](const QStringList& entries) { return reversed(entries); };
    case EntryListTool::RemoveDuplicates:
        return [](const QStringList& entries) { return withoutDuplicates(entries); };
    case EntryListTool::TrimSpaces:
        return [](const QStringList& entries) { return withSpacesTrimmed(entries); };
    case EntryListTool::RemoveEmpty:
        return [](const QStringList& entries) { return withoutEmpty(entries); };
    case EntryListTool::Wrap:
        break;
    }
    return [wrap](const QStringList& entries) { return wrapped(entries, wrap); };
}

} // namespace

void runEntryListTool(Toolkit& ui, bool creating, EntryListTool tool) {
    Trap trap(ui.dialogs, locationOf(tool));
    if (trap.test(100, [&] { return refused(ui, creating); }))
        return;
    WrapTexts wrap;
    if (tool == EntryListTool::Wrap) {
        std::optional<WrapTexts> answer;
        trap(102, [&] { answer = ui.dialogs.wrapBox(); });
        if (!answer)
            return;
        wrap = *answer;
    }
    replaceEntries(trap, ui, transformOf(tool, wrap));
}

void splitEntries(Toolkit& ui, bool creating, const QString& separator) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.ListView1_Split"));
    if (trap.test(100, [&] { return refused(ui, creating) || separator.isEmpty(); }))
        return;
    replaceEntries(
        trap, ui, [&separator](const QStringList& entries) { return splitAt(entries, separator); });
}

} // namespace tavrolin
