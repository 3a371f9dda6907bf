#pragma once

#include "common/entry_tool_options.h"
#include "common/packed_texts.h"

#include <QByteArrayView>
#include <QLocale>
#include <functional>

namespace tavrolin {

// The transformations of the entry list's tools: each reads the entries as their 8-bit bytes
// and gives the new list, built once, in one block. Entries are never altered beyond what the
// tool says, so bytes that are not UTF-8 stay as they are.

// The entries a tool reads: `count` of them, entry i's bytes from at(i), each view valid while
// the tool runs. at() must only read: the sorts call it from more than one thread at once.
struct EntryBytes {
    qsizetype count = 0;
    // The bytes of all entries together.
    qsizetype byteCount = 0;
    std::function<QByteArrayView(qsizetype)> at;
};

// The locale whose collation orders the entries: the user's, unless that is the C locale,
// whose plain code-unit order would put "item10" before "item2" and "Zebra" before "apple".
QLocale sortingLocale();

// Natural order: case-insensitive, numbers by value, accents as the locale sorts them. Equal
// entries keep their order in both directions.
PackedTexts sortedNaturally(const EntryBytes& entries, bool descending,
                            const QLocale& locale = sortingLocale());
PackedTexts reversed(const EntryBytes& entries);
// The entries that stay are kept as they were, in their order; the rules only decide which.
PackedTexts withoutDuplicates(const EntryBytes& entries, const DuplicateRules& rules = {});
// White space at either end removed; `changed`, when given, receives how many entries lost some.
PackedTexts withSpacesTrimmed(const EntryBytes& entries, qsizetype* changed = nullptr);
PackedTexts withoutEmpty(const EntryBytes& entries);
// When before and after are the same single character, an occurrence of it inside an entry is
// doubled, as CSV does with '"' and SQL with '\''. A quoting rule, when given, quotes each
// entry instead (quotedEntries).
PackedTexts wrapped(const EntryBytes& entries, const WrapTexts& wrap);
// Every entry that contains the separator becomes its parts, empty ones included; an empty
// separator leaves the entries as they are. With a quote style, a part that begins with the
// quote runs to the quote that closes it, whatever separators and line breaks lie between; a
// doubled quote inside stands for one, the enclosing quotes go, and what follows the closing
// quote up to the next separator stays with the part. So a split undoes a wrap in the same
// quotes and a join with a separator that holds no quote. A quote never closed leaves the rest
// of the entry as it stands, quote included.
PackedTexts splitAt(const EntryBytes& entries, const QString& separator, QuoteStyle quotes);

// The entry list's tools, as the window's menu and the command line offer them.
enum class EntryListTool {
    SortAscending,
    SortDescending,
    Reverse,
    RemoveDuplicates,
    TrimSpaces,
    RemoveEmpty,
    Wrap,
    Split,
};

// What the tools take besides the entries, as a dialog or the command line gives it; each
// tool reads only its own.
struct ToolChoices {
    DuplicateRules duplicates; // Remove Duplicates
    WrapTexts wrap;
    QString separator; // Split's, and its quotes
    QuoteStyle quotes = QuoteStyle::None;
};

// What a tool made of the entries: the new list, and how many entries it changed in place
// (Trim Spaces counts them; the other tools leave 0).
struct ToolResult {
    PackedTexts entries;
    qsizetype changed = 0;
};

// What the tool makes of the entries, as its row in the tool table says: the window and batch
// mode both apply a tool through this. Sorting uses sortingLocale().
ToolResult applied(EntryListTool tool, const EntryBytes& entries, const ToolChoices& choices);

} // namespace tavrolin
