#include "column_cells.h"

#include "common/toolkit/list_view.h"

namespace tavrolin {

QString cellText(const ListView& list, int row, int column) {
    return column == 1 ? list.itemText(row) : list.itemSubItem(row, column - 1);
}

void appendPaddedCell(QString& line, const QString& text, int width) {
    line += text;
    if (width >= text.size())
        line.resize(line.size() + (width - text.size()), u' ');
    line += u'\t';
}

} // namespace tavrolin
