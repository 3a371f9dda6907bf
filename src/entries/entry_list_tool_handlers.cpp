#include "entry_list_tool_handlers.h"

#include "common/statement_trap.h"
#include "common/toolkit/list_appending.h"
#include "common/toolkit/toolkit.h"
#include "entry_list_tools.h"

#include <functional>
#include <optional>
#include <utility>

namespace tavrolin {

namespace {

using Transform = std::function<PackedTexts(const EntryBytes&)>;

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

// The entry list as the tools read it, without a copy: the views stay valid while the list
// does not change, which it does not until the tool has built the new list.
EntryBytes entriesOf(const ListView& list) {
    return {list.itemCount(), list.byteCount(),
            [&list](qsizetype index) { return list.itemBytesAt(int(index) + 1); }};
}

bool sameEntries(const ListView& list, const PackedTexts& entries) {
    if (entries.size() != list.itemCount() || entries.byteCount() != list.byteCount())
        return false;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries.at(i) != list.itemBytesAt(int(i) + 1))
            return false;
    }
    return true;
}

// Statements from 104 on. Removing all the entries and appending the new ones within one
// handler is one step for undo, and the old entries move into the history without a copy.
// A tool that changes nothing, or could not work out the new list, leaves the list alone.
void replaceEntries(Trap& trap, Toolkit& ui, const Transform& transform) {
    trap(104, [&] { ui.pointer.setPointer(pointer::Hourglass); });
    std::optional<PackedTexts> changed;
    trap(108, [&] { changed = transform(entriesOf(ui.listView1)); });
    if (!trap.test(110, [&] { return !changed || sameEntries(ui.listView1, *changed); })) {
        trap(112, [&] { ui.listView1.removeAll(); });
        // Should the list refuse the burst, an entry that fails to append is reported and the
        // others still come.
        trap(114, [&] {
            appendAsBurstOrEach(ui.listView1, std::move(*changed), [&](QByteArrayView entry) {
                trap(114, [&] { ui.listView1.appendItemBytes(entry); });
            });
        });
    }
    trap(116, [&] { ui.pointer.setPointer(pointer::Default); });
}

bool refused(Toolkit& ui, bool creating) {
    return creating || ui.pointer.pointer() == pointer::Hourglass || ui.listView1.itemCount() == 0;
}

Transform transformOf(EntryListTool tool, const WrapTexts& wrap) {
    switch (tool) {
    case EntryListTool::SortAscending:
    case EntryListTool::SortDescending: {
        const bool descending = tool == EntryListTool::SortDescending;
        return [descending](const EntryBytes& entries) {
            return sortedNaturally(entries, descending, sortingLocale());
        };
    }
    case EntryListTool::Reverse:
        return [](const EntryBytes& entries) { return reversed(entries); };
    case EntryListTool::RemoveDuplicates:
        return [](const EntryBytes& entries) { return withoutDuplicates(entries); };
    case EntryListTool::TrimSpaces:
        return [](const EntryBytes& entries) { return withSpacesTrimmed(entries); };
    case EntryListTool::RemoveEmpty:
        return [](const EntryBytes& entries) { return withoutEmpty(entries); };
    case EntryListTool::Wrap:
        break;
    }
    return [wrap](const EntryBytes& entries) { return wrapped(entries, wrap); };
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
    replaceEntries(trap, ui, [&separator](const EntryBytes& entries) {
        return splitAt(entries, separator, QuoteStyle::None);
    });
}

} // namespace tavrolin
