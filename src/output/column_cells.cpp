#include "column_cells.h"

#include "common/text_encoding.h"
#include "common/toolkit/list_view.h"

namespace tavrolin {

QByteArray cellBytes(const ListView& list, int row, int column) {
    return column == 1 ? list.itemBytes(row) : encode8Bit(list.itemSubItem(row, column - 1));
}

} // namespace tavrolin
