#include "column_layout.h"

#include "common/text_encoding.h"

#include <algorithm>
#include <utility>

namespace tavrolin {

void ColumnWidths::fit(QByteArrayView bytes) {
    m_measuring = std::max(m_measuring, int(decodedLength(bytes)));
}

void ColumnWidths::endColumn() {
    m_widths.append(std::exchange(m_measuring, 0));
}

int ColumnWidths::of(int column) const {
    return m_widths.value(column - 1);
}

namespace {

qsizetype paddingFor(QByteArrayView bytes, int width) {
    return std::max<qsizetype>(width - decodedLength(bytes), 0);
}

} // namespace

PaddedCell paddedCell(QByteArray bytes, int width) {
    const qsizetype padding = paddingFor(bytes, width);
    return {std::move(bytes), padding};
}

void appendPaddedCell(QByteArray& line, QByteArrayView bytes, int width) {
    // Room for the cell, its tab and a line end at once, growing geometrically: a cell of
    // millions of bytes is then copied once, not once more for each growth.
    const qsizetype padding = paddingFor(bytes, width);
    const qsizetype needed = line.size() + bytes.size() + padding + 1 + kLineEnd.size();
    if (needed > line.capacity())
        line.reserve(std::max(needed, 2 * line.capacity()));
    line += bytes;
    line.append(padding, ' ');
    line += '\t';
}

void dropTrailingSpaces(QByteArray& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == ' ')
        --end;
    text.truncate(end);
}

} // namespace tavrolin
