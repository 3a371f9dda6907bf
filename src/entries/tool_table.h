#pragma once

#include "common/toolkit/tool_dialogs.h"
#include "entry_list_tools.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <initializer_list>
#include <iterator>

namespace tavrolin {

// The value a tool option was given: the index of its word, or its texts, escapes replaced.
struct OptionValue {
    qsizetype word = -1;
    QStringList texts;
};

// An option of batch mode that asks for a tool, or shapes every run of it.
struct ToolOption {
    const char16_t* name = u""; // with its dashes
    // Each line break in it starts a line of its own under the first.
    const char16_t* help = u"";
    bool shapes = false;
    // What --help calls its value, as "SEP", one word for each text it takes; empty when it
    // takes none or may only be a word.
    const char16_t* value = u"";
    // The words its value may be, as "csv|sql|none", in the order batch mode gives them meaning.
    const char16_t* words = u"";
    // Puts the value into the choices of the tool; gives why the value is refused, or nothing.
    QString (*take)(const OptionValue& value, ToolChoices& choices) = nullptr;

    bool takesValue() const { return *value != 0 || *words != 0; }
    // How many texts it takes: a word counts as none.
    qsizetype textCount() const {
        return *words != 0 || *value == 0 ? 0 : QStringView(value).count(u' ') + 1;
    }
};

// A tool's options, the one that asks for it first. The table's rows hold their lists for as
// long as the program runs.
using ToolOptions = std::initializer_list<ToolOption>;

// What a tool is, wherever it is offered.
struct ToolRow {
    EntryListTool tool;
    // Whether it reads every entry before it gives any: batch mode cannot stream it.
    bool needsWholeList;
    const char16_t* menuText;
    const char16_t* location; // where a trapped statement reports it
    ToolOptions options;
    // The window's question before the tool runs, offered the given separator and the choices
    // as they are: puts the answer into the choices, false when the user cancels. Null when the
    // tool asks nothing.
    bool (*ask)(ToolDialogs& dialogs, const QString& offered, ToolChoices& choices);
    ToolResult (*transform)(const EntryBytes& entries, const ToolChoices& choices);
    // The bar's text once the tool has run, from the entries before and after and how many it
    // changed in place; counts grouped as the user's locale groups digits.
    QString (*barText)(qsizetype before, qsizetype after, qsizetype changed);
};

// The window's side of the rows (entry_list_tool_handlers.cpp). Split's question offers the
// separator as it would be typed and reads the answer the same way, so that a tab or a line
// break can be given and an unchanged answer splits at the separator itself.
bool askSplit(ToolDialogs& dialogs, const QString& offered, ToolChoices& choices);
// Wrap's texts are read as Split's separator is, so that a tab or a line break can be typed.
bool askWrap(ToolDialogs& dialogs, const QString& offered, ToolChoices& choices);
QString sortedText(qsizetype before, qsizetype after, qsizetype changed);
QString reversedText(qsizetype before, qsizetype after, qsizetype changed);
QString removedText(qsizetype before, qsizetype after, qsizetype changed);
QString trimmedText(qsizetype before, qsizetype after, qsizetype changed);
QString wrappedText(qsizetype before, qsizetype after, qsizetype changed);
QString splitText(qsizetype before, qsizetype after, qsizetype changed);

// Puts a question's answer into the choice; false when the user cancelled.
template <class Answer> bool answered(const std::optional<Answer>& answer, Answer& choice) {
    if (answer)
        choice = *answer;
    return answer.has_value();
}

// How batch mode reads the values of Wrap and Split.
inline QString takeWrap(const OptionValue& value, ToolChoices& choices) {
    static constexpr const char16_t* kMarks[] = {u"\"", u"'", u""};
    static constexpr EntryQuoting kRules[] = {EntryQuoting::JsonString, EntryQuoting::RegexLiteral,
                                              EntryQuoting::ShellWord};
    constexpr qsizetype kMarkCount = qsizetype(std::size(kMarks));
    if (value.word >= kMarkCount) {
        choices.wrap = {{}, {}, kRules[value.word - kMarkCount]};
        return {};
    }
    const QStringList texts = value.texts.isEmpty()
                                  ? QStringList(2, QString::fromUtf16(kMarks[value.word]))
                                  : value.texts;
    choices.wrap = {texts.at(0), texts.at(1), std::nullopt};
    return {};
}
inline QString takeSplit(const OptionValue& value, ToolChoices& choices) {
    choices.separator = value.texts.at(0);
    return choices.separator.isEmpty()
               ? QStringLiteral("option '--split' needs a separator that is not empty")
               : QString();
}

// The tools in the enumeration's order, which the menu and --help keep.
inline constexpr ToolRow kToolTable[] = {
    {EntryListTool::SortAscending, true, u"Sort A to Z", u"Form1.ListView1_SortAscending",
     ToolOptions{{u"--sort", u"Sort A to Z (natural order, case ignored)."}}, nullptr,
     [](const EntryBytes& e, const ToolChoices&) { return ToolResult{sortedNaturally(e, false)}; },
     sortedText},
    {EntryListTool::SortDescending, true, u"Sort Z to A", u"Form1.ListView1_SortDescending",
     ToolOptions{{u"--sort-desc", u"Sort Z to A."}}, nullptr,
     [](const EntryBytes& e, const ToolChoices&) { return ToolResult{sortedNaturally(e, true)}; },
     sortedText},
    {EntryListTool::Reverse, true, u"Reverse Order", u"Form1.ListView1_Reverse",
     ToolOptions{{u"--reverse", u"Reverse the order."}}, nullptr,
     [](const EntryBytes& e, const ToolChoices&) { return ToolResult{reversed(e)}; }, reversedText},
    {EntryListTool::RemoveDuplicates, true, u"Remove Duplicates\u2026",
     u"Form1.ListView1_RemoveDuplicates",
     ToolOptions{{u"--dedupe", u"Remove duplicates; modified by the three options below."},
                 {u"--ignore-case", u"Duplicates may differ in case.", true, u"", u"",
                  [](const OptionValue&, ToolChoices& choices) {
                      choices.duplicates.ignoreCase = true;
                      return QString();
                  }},
                 {u"--ignore-spaces", u"Duplicates may differ in white space at either end.", true,
                  u"", u"",
                  [](const OptionValue&, ToolChoices& choices) {
                      choices.duplicates.ignoreSpaces = true;
                      return QString();
                  }},
                 {u"--keep",
                  u"first (default), last, once (only entries that occur once)\n"
                  u"or repeated (one of each entry that occurs more than once).",
                  true, u"WHICH", u"first|last|once|repeated",
                  [](const OptionValue& value, ToolChoices& choices) {
                      choices.duplicates.keep = DuplicateRules::Keep(value.word);
                      return QString();
                  }}},
     [](ToolDialogs& d, const QString&, ToolChoices& c) {
         return answered(d.duplicatesBox(c.duplicates), c.duplicates);
     },
     [](const EntryBytes& e, const ToolChoices& c) {
         return ToolResult{withoutDuplicates(e, c.duplicates)};
     },
     removedText},
    {EntryListTool::TrimSpaces, false, u"Trim Spaces", u"Form1.ListView1_TrimSpaces",
     ToolOptions{{u"--trim", u"Remove white space at both ends of each entry."}}, nullptr,
     [](const EntryBytes& e, const ToolChoices&) {
         ToolResult result;
         result.entries = withSpacesTrimmed(e, &result.changed);
         return result;
     },
     trimmedText},
    {EntryListTool::RemoveEmpty, false, u"Remove Empty Entries", u"Form1.ListView1_RemoveEmpty",
     ToolOptions{{u"--drop-empty", u"Remove empty entries."}}, nullptr,
     [](const EntryBytes& e, const ToolChoices&) { return ToolResult{withoutEmpty(e)}; },
     removedText},
    {EntryListTool::Wrap, false, u"Wrap Each Entry\u2026", u"Form1.ListView1_Wrap",
     ToolOptions{{u"--wrap",
                  u"Wrap each entry in double or single quotes, doubling them\n"
                  u"inside, or quote it as a JSON string, a regular expression\n"
                  u"or a POSIX shell word.",
                  false, u"", u"csv|sql|none|json|regex|shell", takeWrap},
                 {u"--wrap-with", u"Put BEFORE and AFTER around each entry.", false,
                  u"BEFORE AFTER", u"", takeWrap}},
     askWrap,
     [](const EntryBytes& e, const ToolChoices& c) { return ToolResult{wrapped(e, c.wrap)}; },
     wrappedText},
    {EntryListTool::Split, false, u"Split Entries\u2026", u"Form1.ListView1_Split",
     ToolOptions{{u"--split", u"Split each entry at SEP.", false, u"SEP", u"", takeSplit},
                 {u"--quotes",
                  u"Split does not split inside double or single quotes, or\n"
                  u"inside JSON strings, whose escapes it reads back.",
                  true, u"", u"csv|sql|none|json",
                  [](const OptionValue& value, ToolChoices& choices) {
                      static constexpr QuoteStyle kQuotes[] = {QuoteStyle::Double,
                                                               QuoteStyle::Single, QuoteStyle::None,
                                                               QuoteStyle::Json};
                      choices.quotes = kQuotes[value.word];
                      return QString();
                  }}},
     askSplit,
     [](const EntryBytes& e, const ToolChoices& c) {
         return ToolResult{splitAt(e, c.separator, c.quotes)};
     },
     splitText},
};

// Each row stands at its tool's place, and Split, the last tool, has one: a tool added after it
// takes this check over.
static_assert([] {
    for (std::size_t i = 0; i < std::size(kToolTable); ++i) {
        if (kToolTable[i].tool != EntryListTool(i))
            return false;
    }
    return std::size(kToolTable) == std::size_t(EntryListTool::Split) + 1;
}());

inline const ToolRow& toolRow(EntryListTool tool) {
    return kToolTable[std::size_t(tool)];
}

// The tool option of that name, with its tool's row; nulls for any other name.
struct NamedToolOption {
    const ToolRow* row = nullptr;
    const ToolOption* option = nullptr;
};
inline NamedToolOption toolOptionNamed(QStringView name) {
    for (const ToolRow& row : kToolTable) {
        for (const ToolOption& option : row.options) {
            if (name == QStringView(option.name))
                return {&row, &option};
        }
    }
    return {};
}

} // namespace tavrolin
