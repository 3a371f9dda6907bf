#pragma once

#include <QString>

namespace tavrolin {

// A path as a message names it: with the platform's separators, each byte that is not UTF-8
// shown as the lists show it (its Windows-1252 character), and nothing a terminal would act on
// or a reader could miss. A tab, a line break and a carriage return show as \t, \n and \r,
// other control characters as \xHH, and a backslash is doubled only where it would otherwise
// read as the start of one of these; an empty path shows as '' rather than as nothing.
QString shownPath(const QString& path);

} // namespace tavrolin
