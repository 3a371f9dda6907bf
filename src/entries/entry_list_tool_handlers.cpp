#include "entry_list_tool_handlers.h"

#include "common/escaped_text.h"
#include "common/statement_trap.h"
#include "common/toolkit/dialogs.h"
#include "common/toolkit/list_appending.h"
#include "common/toolkit/list_view.h"
#include "common/toolkit/mouse_pointer.h"
#include "common/toolkit/progress_bar.h"
#include "entry_list_tools.h"
#include "tool_table.h"

#include <functional>
#include <optional>
#include <utility>

namespace tavrolin {

namespace {

using Transform = std::function<PackedTexts(const EntryBytes&)>;

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
// Returns whether the new list was worked out.
bool replaceEntries(Trap& trap, const EntryListToolParts& parts, const Transform& transform) {
    ListView& list = parts.entries;
    trap(104, [&] { parts.pointer.setPointer(pointer::Hourglass); });
    std::optional<PackedTexts> changed;
    trap(108, [&] { changed = transform(entriesOf(list)); });
    const bool workedOut = changed.has_value();
    if (!trap.test(110, [&] { return !changed || sameEntries(list, *changed); })) {
        trap(112, [&] { list.removeAll(); });
        // Should the list refuse the burst, an entry that fails to append is reported and the
        // others still come.
        trap(114, [&] {
            appendAsBurstOrEach(list, std::move(*changed), [&](QByteArrayView entry) {
                trap(114, [&] { list.appendItem(entry); });
            });
        });
    }
    trap(116, [&] { parts.pointer.setPointer(pointer::Default); });
    return workedOut;
}

bool refused(const EntryListToolParts& parts) {
    return parts.creating || parts.pointer.pointer() == pointer::Hourglass ||
           parts.entries.itemCount() == 0;
}

// The answer of a tool's dialog, or nothing when the user cancelled it.
template <class Answer, class Ask> std::optional<Answer> asked(Trap& trap, Ask&& ask) {
    std::optional<Answer> answer;
    trap(102, [&] { answer = ask(); });
    return answer;
}

} // namespace

QString removedText(qsizetype removed, qsizetype remaining) {
    return QStringLiteral("Removed %1 %2, %3 %4")
        .arg(removed)
        .arg(removed == 1 ? QStringLiteral("entry") : QStringLiteral("entries"))
        .arg(remaining)
        .arg(remaining == 1 ? QStringLiteral("remains") : QStringLiteral("remain"));
}

QString trimmedText(qsizetype changed, qsizetype count) {
    return QStringLiteral("Trimmed %1 of %2 %3")
        .arg(changed)
        .arg(count)
        .arg(count == 1 ? QStringLiteral("entry") : QStringLiteral("entries"));
}

namespace {

// The separator is offered as it would be typed, and the answer read the same way, so that a
// tab or a line break can be given and an unchanged answer splits at the separator itself.
void runTool(const EntryListToolParts& parts, EntryListTool tool, const QString& offered) {
    Trap trap(parts.dialogs, QString::fromUtf16(toolRow(tool).location));
    if (trap.test(100, [&] { return refused(parts); }))
        return;
    ToolChoices choices;
    if (tool == EntryListTool::Wrap) {
        const auto answer = asked<WrapTexts>(trap, [&] { return parts.dialogs.wrapBox(); });
        if (!answer)
            return;
        choices.wrap = *answer;
    } else if (tool == EntryListTool::RemoveDuplicates) {
        const auto answer =
            asked<DuplicateRules>(trap, [&] { return parts.dialogs.duplicatesBox(); });
        if (!answer)
            return;
        choices.duplicates = *answer;
    } else if (tool == EntryListTool::Split) {
        const auto answer = asked<SplitAnswer>(
            trap, [&] { return parts.dialogs.splitBox(withEscapesShown(offered)); });
        if (!answer)
            return;
        choices.separator = withEscapesReplaced(answer->separator);
        choices.quotes = answer->quotes;
    }
    const qsizetype before = parts.entries.itemCount();
    qsizetype trimmed = 0;
    const auto transform = [&](const EntryBytes& entries) {
        return applied(tool, entries, choices, &trimmed);
    };
    if (!replaceEntries(trap, parts, transform))
        return;
    const qsizetype after = parts.entries.itemCount();
    if (tool == EntryListTool::RemoveDuplicates || tool == EntryListTool::RemoveEmpty)
        trap(118, [&] { parts.progressBar1.setText(removedText(before - after, after)); });
    else if (tool == EntryListTool::TrimSpaces)
        trap(118, [&] { parts.progressBar1.setText(trimmedText(trimmed, before)); });
}

} // namespace

void runEntryListTool(const EntryListToolParts& parts, EntryListTool tool) {
    runTool(parts, tool, QString());
}

void splitEntries(const EntryListToolParts& parts, const QString& separator) {
    runTool(parts, EntryListTool::Split, separator);
}

} // namespace tavrolin
