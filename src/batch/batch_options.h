#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tavrolin {

// Where an option stands in --help and in the manual page.
enum class OptionSection {
    Program, // taken with --join or without
    Join,    // asks for batch mode; --help names it in its usage lines only
    Input,   // how the files are read
    Tools,   // the entry list tools' options, from the tool table
    Output,
};

// One of batch mode's own options; the tools' are in the tool table (entries/tool_table.h).
struct BatchOption {
    OptionSection section = OptionSection::Output;
    const char16_t* name = u""; // with its dashes
    const char16_t* shortName = u"";
    // Each line break in it starts a line of its own under the first; empty where --help does
    // not list it.
    const char16_t* help = u"";
    // What --help calls its value; empty when it takes none.
    const char16_t* value = u"";
    bool namesFile = false; // whether its value is a file name, which a shell may complete

    bool takesValue() const { return *value != 0; }
};

// The parser, --help, the manual page and the bash completion all read this table.
inline constexpr BatchOption kBatchOptions[] = {
    {OptionSection::Program, u"--help", u"-h", u"Display this help and exit."},
    {OptionSection::Program, u"--version", u"-v", u"Display version information and exit."},
    {OptionSection::Join, u"--join", u"", u"", u"SEP"},
    {OptionSection::Input, u"--column", u"",
     u"Read each file as CSV and take column N (from 1) or the\ncolumn named NAME in its header "
     u"as the entries.",
     u"N|NAME"},
    {OptionSection::Input, u"--delimiter", u"",
     u"With --column: the delimiter, ',' ';' '|' 'tab' or one\ncharacter (default: guessed "
     u"from each file's first rows).",
     u"D"},
    {OptionSection::Input, u"--header", u"",
     u"With --column: the first row names the columns; it is no\nentry (implied by a NAME)."},
    {OptionSection::Output, u"--group", u"",
     u"N entries per line (0, the default: all on one line).", u"N"},
    {OptionSection::Output, u"--before", u"", u"Text at the start of each line.", u"TEXT"},
    {OptionSection::Output, u"--after", u"", u"Text at the end of each line.", u"TEXT"},
    {OptionSection::Output, u"--aligned", u"", u"Write the window's saved-file layout."},
    {OptionSection::Output, u"--output", u"-o",
     u"Write to FILE (replaced only when complete), not standard\noutput.", u"FILE", true},
};

// The option of that name, long or short; null for any other name.
const BatchOption* batchOptionNamed(QStringView name);

// An option as --help, the manual page and the completion show it, whichever table holds it.
struct ListedOption {
    QString shortName; // empty when it has none
    QString name;
    QString help;
    // Its value as --help shows it: a name ("SEP", "BEFORE AFTER") or its words ("csv|sql|none").
    QString value;
    QStringList words;  // the words the value may be; empty for any text
    int valueCount = 0; // the arguments it takes after it
    bool namesFile = false;
    // The option that asks for the tool it shapes, which it needs; empty for any other.
    QString needs;
};

// The options of a section, in the order --help lists them.
QList<ListedOption> listedOptions(OptionSection section);

inline constexpr OptionSection kOptionSections[] = {OptionSection::Program, OptionSection::Join,
                                                    OptionSection::Input, OptionSection::Tools,
                                                    OptionSection::Output};

} // namespace tavrolin
