#include "entry_list_tool_handlers.h"

#include "common/escaped_text.h"
#include "common/operation_state.h"
#include "common/statement_trap.h"
#include "common/toolkit/list_appending.h"
#include "common/toolkit/list_view.h"
#include "common/toolkit/message_boxes.h"
#include "common/toolkit/mouse_pointer.h"
#include "common/toolkit/progress_bar.h"
#include "common/toolkit/tool_dialogs.h"
#include "entry_list_tools.h"
#include "tool_table.h"

#include <QLocale>
#include <optional>
#include <utility>

namespace tavrolin {

namespace {

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
// Gives what the tool made, nothing when it could not be worked out.
std::optional<qsizetype> replaceEntries(Trap& trap, const EntryListToolParts& parts,
                                        const ToolRow& row, const ToolChoices& choices) {
    ListView& list = parts.entries;
    trap(104, [&] { parts.pointer.setPointer(pointer::Hourglass); });
    std::optional<ToolResult> result;
    trap(108, [&] { result = row.transform(entriesOf(list), choices); });
    if (!trap.test(110, [&] { return !result || sameEntries(list, result->entries); })) {
        trap(112, [&] { list.removeAll(); });
        // Should the list refuse the burst, an entry that fails to append is reported and the
        // others still come.
        trap(114, [&] {
            appendAsBurstOrEach(list, std::move(result->entries), [&](QByteArrayView entry) {
                trap(114, [&] { list.appendItem(entry); });
            });
        });
    }
    trap(116, [&] { parts.pointer.setPointer(pointer::Default); });
    return result ? std::optional(result->changed) : std::nullopt;
}

bool refused(const EntryListToolParts& parts) {
    return parts.operation.running || parts.pointer.pointer() == pointer::Hourglass ||
           parts.entries.itemCount() == 0;
}

} // namespace

namespace {

// A count as the user's locale groups its digits, with its noun.
QString counted(qsizetype count, const char* one, const char* many) {
    return QLocale().toString(qint64(count)) + u' ' + QString::fromLatin1(count == 1 ? one : many);
}

QString entries(qsizetype count) {
    return counted(count, "entry", "entries");
}

} // namespace

QString sortedText(qsizetype before, qsizetype, qsizetype) {
    return QStringLiteral("Sorted ") + entries(before);
}

QString reversedText(qsizetype before, qsizetype, qsizetype) {
    return QStringLiteral("Reversed ") + entries(before);
}

QString wrappedText(qsizetype before, qsizetype, qsizetype) {
    return QStringLiteral("Wrapped ") + entries(before);
}

QString splitText(qsizetype before, qsizetype after, qsizetype) {
    return QStringLiteral("Split %1 into %2")
        .arg(entries(before), QLocale().toString(qint64(after)));
}

QString removedText(qsizetype before, qsizetype after, qsizetype /*changed*/) {
    return QStringLiteral("Removed %1, %2")
        .arg(entries(before - after), counted(after, "remains", "remain"));
}

QString trimmedText(qsizetype before, qsizetype /*after*/, qsizetype changed) {
    return QStringLiteral("Trimmed %1 of %2")
        .arg(QLocale().toString(qint64(changed)), entries(before));
}

QString toolName(EntryListTool tool) {
    return QString::fromUtf16(toolRow(tool).menuText).remove(u'\u2026');
}

bool askSplit(ToolDialogs& dialogs, const QString& offered, ToolChoices& choices) {
    const auto answer = dialogs.splitBox({withEscapesShown(offered), choices.quotes});
    if (!answer)
        return false;
    choices.separator = withEscapesReplaced(answer->separator);
    choices.quotes = answer->quotes;
    return true;
}

bool askWrap(ToolDialogs& dialogs, const QString&, ToolChoices& choices) {
    WrapTexts shown = choices.wrap;
    shown.before = withEscapesShown(shown.before);
    shown.after = withEscapesShown(shown.after);
    if (!answered(dialogs.wrapBox(shown), choices.wrap))
        return false;
    choices.wrap.before = withEscapesReplaced(choices.wrap.before);
    choices.wrap.after = withEscapesReplaced(choices.wrap.after);
    return true;
}

bool runEntryListTool(const EntryListToolParts& parts, EntryListTool tool, ToolChoices& choices,
                      const QString& offered) {
    const ToolRow& row = toolRow(tool);
    Trap trap(parts.dialogs, QString::fromUtf16(row.location));
    if (trap.test(100, [&] { return refused(parts); }))
        return false;
    // A question that fails counts as cancelled.
    bool answered = false;
    if (row.ask)
        trap(102, [&] { answered = row.ask(parts.toolDialogs, offered, choices); });
    if (row.ask && !answered)
        return false;
    const qsizetype before = parts.entries.itemCount();
    const std::optional<qsizetype> changed = replaceEntries(trap, parts, row, choices);
    if (!changed)
        return answered;
    const qsizetype after = parts.entries.itemCount();
    trap(118, [&] {
        parts.progressBar1.setValue(0);
        parts.progressBar1.setText(row.barText(before, after, *changed));
    });
    return answered;
}

} // namespace tavrolin
