#include "column_measuring.h"

#include "column_cells.h"
#include "column_layout.h"
#include "common/statement_trap.h"
#include "common/text_encoding.h"
#include "common/toolkit/event_pump.h"
#include "common/toolkit/list_view.h"

namespace tavrolin {

int measureColumns(const ListView& list, quint64 generation, const MeasuringLines& lines,
                   Trap& trap, EventPump& events, ColumnWidths& widths) {
    int columns = 0;
    trap(lines.columns, [&] { columns = list.columnCount(); });
    for (int c = 1; c <= columns; ++c) {
        if (lines.caption != 0)
            trap(lines.caption, [&] { widths.fit(encode8Bit(list.columnCaption(c))); });
        int rows = 0;
        trap(lines.rows, [&] { rows = list.itemCount(); });
        for (int r = 1; r <= rows; ++r) {
            trap(lines.events, [&] { events.processEvents(); });
            if (list.rowGeneration() != generation)
                break;
            trap(lines.cell, [&] { widths.fit(cellBytes(list, r, c)); });
        }
        trap(lines.endColumn, [&] { widths.endColumn(); });
    }
    return columns;
}

} // namespace tavrolin
