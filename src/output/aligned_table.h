#pragma once

#include "column_layout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <functional>

namespace tavrolin {

// A line of the result file, kept as its padded cells. The result row can hold tens of millions
// of bytes; each cell is written as the bytes it is kept in rather than copied into one buffer.
using PaddedLine = QList<PaddedCell>;

// Where the bytes of a file go: a file, standard output, or memory.
using ByteSink = std::function<void(QByteArrayView)>;

// Writes the line as the result file has it: each cell, its padding and a tab, then CR LF.
void writePaddedLine(const PaddedLine& line, const ByteSink& write);

// The result file's layout from data: a header line of the captions, then one line per row,
// every column as wide as its longest text, captions included. cell(row, column) counts both
// from 0. The window's save lays its lines out with the same ColumnWidths and
// writePaddedLine, between the events it lets run.
void writeAlignedTable(const QList<QByteArray>& captions, qsizetype rows,
                       const std::function<QByteArray(qsizetype, qsizetype)>& cell,
                       const ByteSink& write);

} // namespace tavrolin
