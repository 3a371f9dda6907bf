#include "column_cells.h"

#include "common/toolkit/list_view.h"

namespace tavrolin {

QString cellText(const ListView& list, int row, int column) {
    return column == 1 ? list.itemText(row) : list.itemSubItem(row, column - 1);
}

} // namespace tavrolin
