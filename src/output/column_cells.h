#pragma once

#include <QString>

namespace tavrolin {

class ListView;

// The text of a row in a column: the row's text in column 1, its sub-item c - 1 in column c.
QString cellText(const ListView& list, int row, int column);

// Appends a cell padded with spaces to the column's width, then a tab.
void appendPaddedCell(QString& line, const QString& text, int width);

} // namespace tavrolin
