#pragma once

#include <QtGlobal>

namespace tavrolin {

class ColumnWidths;
class EventPump;
class ListView;
class Trap;

// The statements of a pass that measures the columns, each output with its own numbers: the
// column count, the caption (0 where captions are not measured), the row count, the events
// before each cell, the cell, the end of a column.
struct MeasuringLines {
    int columns;
    int caption;
    int rows;
    int events;
    int cell;
    int endColumn;
};

// Measures the columns of the list into `widths`, one after the other, letting events run
// before each cell, and returns how many columns there are. Rows are read by number while events
// run between them: a column stops being measured once the rows are no longer those of
// `generation`, as the list's rowGeneration() tells.
int measureColumns(const ListView& list, quint64 generation, const MeasuringLines& lines,
                   Trap& trap, EventPump& events, ColumnWidths& widths);

} // namespace tavrolin
