#include "column_cells.h"

#include "common/toolkit/list_view.h"

#include <algorithm>

namespace tavrolin {

QString cellText(const ListView& list, int row, int column) {
    return column == 1 ? list.itemText(row) : list.itemSubItem(row, column - 1);
}

void appendPaddedCell(QString& line, const QString& text, int width) {
    // Room for the cell, its tab and a line end at once, growing geometrically: a cell of
    // millions of characters is then copied once, not once more for each growth.
    const qsizetype padding = width >= text.size() ? width - text.size() : 0;
    const qsizetype needed = line.size() + text.size() + padding + 3;
    if (needed > line.capacity())
        line.reserve(std::max(needed, 2 * line.capacity()));
    line += text;
    if (width >= text.size())
        line.resize(line.size() + (width - text.size()), u' ');
    line += u'\t';
}

} // namespace tavrolin
