#pragma once

#include <QString>
#include <optional>

namespace tavrolin {

// The choices the entry list's tools take, as the dialogs ask for them and the tools apply them.

enum class QuoteStyle {
    None,
    Double, // '"', as CSV quotes
    Single, // '\'', as SQL quotes
    Json,   // '"' with backslash escapes, as JSON strings
};

// Which entries count as the same, and which of them stay. The defaults compare the bytes
// exactly and keep the first occurrence where it was.
struct DuplicateRules {
    enum class Keep {
        First,    // the first of each entry
        Last,     // the last of each entry, where it is
        Once,     // only the entries that occur once
        Repeated, // the first of each entry that occurs more than once
    };
    bool ignoreCase = false;   // Unicode case folding
    bool ignoreSpaces = false; // white space at either end, as Trim Spaces removes it
    Keep keep = Keep::First;
};

// Quoting rules that make an entry a literal of another language (entries/entry_quoting.h).
enum class EntryQuoting {
    JsonString,   // "…" as RFC 8259 strings are written
    RegexLiteral, // matches itself, and only itself, as a regular expression
    ShellWord,    // '…' for POSIX shells
};

// What "Wrap Each Entry" puts around each entry: the texts before and after it, or a quoting
// rule, which escapes inside the entry as well and then leaves the texts unused.
struct WrapTexts {
    QString before;
    QString after;
    std::optional<EntryQuoting> quoting;
};

// What "Split Entries" splits at: the separator as typed (escapes not yet replaced) and the
// quotes a part may stand in.
struct SplitAnswer {
    QString separator;
    QuoteStyle quotes = QuoteStyle::None;
};

// "Create in Groups": how many entries each results row joins, and the texts put before and
// after each group.
struct Grouping {
    qsizetype size = 0;
    QString before;
    QString after;
};

// A figure as "List Figures" shows it: what it counts and its value.
struct Figure {
    QString label;
    QString value;
};

} // namespace tavrolin
