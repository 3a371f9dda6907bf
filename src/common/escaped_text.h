#pragma once

#include <QString>
#include <QStringView>

namespace tavrolin {

// A separator as a user types it where a tab or a line break cannot be typed: "\t" stands for a
// tab, "\n" for a line break and "\\" for one backslash. Any other backslash is kept as it
// stands, so a Windows path or a regular expression typed as a separator means what it says.
QString withEscapesReplaced(QStringView typed);

// The text as it would be typed: tabs and line breaks as "\t" and "\n", and a backslash
// doubled only where it would otherwise be read as the start of one of the three escapes.
QString withEscapesShown(QStringView text);

} // namespace tavrolin
