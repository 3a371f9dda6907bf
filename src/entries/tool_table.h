#pragma once

#include "entry_list_tools.h"

#include <QStringView>
#include <initializer_list>
#include <iterator>

namespace tavrolin {

// An option of batch mode that asks for a tool, or shapes every run of it.
struct ToolOption {
    const char16_t* name = u""; // with its dashes
    // Each line break in it starts a line of its own under the first.
    const char16_t* help = u"";
    bool shapes = false;
    // What --help calls its value, as "SEP"; empty when it takes none or may only be a word.
    const char16_t* value = u"";
    // The words its value may be, as "csv|sql|none", in the order batch mode gives them meaning.
    const char16_t* words = u"";

    bool takesValue() const { return *value != 0 || *words != 0; }
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
};

// The tools in the enumeration's order, which the menu and --help keep.
inline constexpr ToolRow kToolTable[] = {
    {EntryListTool::SortAscending, true, u"Sort A to Z", u"Form1.ListView1_SortAscending",
     ToolOptions{{u"--sort", u"Sort A to Z (natural order, case ignored)."}}},
    {EntryListTool::SortDescending, true, u"Sort Z to A", u"Form1.ListView1_SortDescending",
     ToolOptions{{u"--sort-desc", u"Sort Z to A."}}},
    {EntryListTool::Reverse, true, u"Reverse Order", u"Form1.ListView1_Reverse",
     ToolOptions{{u"--reverse", u"Reverse the order."}}},
    {EntryListTool::RemoveDuplicates, true, u"Remove Duplicates\u2026",
     u"Form1.ListView1_RemoveDuplicates",
     ToolOptions{{u"--dedupe", u"Remove duplicates; modified by the three options below."},
                 {u"--ignore-case", u"Duplicates may differ in case.", true},
                 {u"--ignore-spaces", u"Duplicates may differ in white space at either end.", true},
                 {u"--keep",
                  u"first (default), last, once (only entries that occur once)\n"
                  u"or repeated (one of each entry that occurs more than once).",
                  true, u"WHICH", u"first|last|once|repeated"}}},
    {EntryListTool::TrimSpaces, false, u"Trim Spaces", u"Form1.ListView1_TrimSpaces",
     ToolOptions{{u"--trim", u"Remove white space at both ends of each entry."}}},
    {EntryListTool::RemoveEmpty, false, u"Remove Empty Entries", u"Form1.ListView1_RemoveEmpty",
     ToolOptions{{u"--drop-empty", u"Remove empty entries."}}},
    {EntryListTool::Wrap, false, u"Wrap Each Entry\u2026", u"Form1.ListView1_Wrap",
     ToolOptions{
         {u"--wrap", u"Wrap each entry in double or single quotes, doubling them\ninside.", false,
          u"", u"csv|sql|none"},
         {u"--wrap-with", u"Put BEFORE and AFTER around each entry.", false, u"BEFORE AFTER"}}},
    {EntryListTool::Split, false, u"Split Entries\u2026", u"Form1.ListView1_Split",
     ToolOptions{{u"--split", u"Split each entry at SEP.", false, u"SEP"},
                 {u"--quotes", u"Split does not split inside double or single quotes.", true, u"",
                  u"csv|sql|none"}}},
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
