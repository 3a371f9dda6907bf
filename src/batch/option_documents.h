#pragma once

#include <QString>

namespace tavrolin {

// The manual page's option lists and the bash completion, written at build time from the tables
// that the parser and --help read, so that neither can name an option the program does not take
// or miss one it does.

// The page, or why it cannot be made.
struct ManualPage {
    QString text;
    QString error;
};

// The template with each line `.\" options: SECTION` (program, join, tools or output) replaced by
// that section's options, each with its help text and then its note. A note is roff that says
// more than --help does: in `notes`, a line `.\" --name` starts the note of that option, and
// what comes before the first such line is the file's own comment. A note of an option that does
// not exist, a section placed twice or not at all, fail.
ManualPage manualPage(const QString& pageTemplate, const QString& notes);

// A bash-completion script for the program: option names, the words of an option's value,
// files where a file is expected, nothing for free text, nothing but files after "--".
QString bashCompletion();

} // namespace tavrolin
