#include "column_layout.h"

#include <algorithm>
#include <utility>

namespace tavrolin {

void ColumnWidths::fit(QStringView text) {
    m_measuring = std::max(m_measuring, int(text.size()));
}

void ColumnWidths::endColumn() {
    m_widths.append(std::exchange(m_measuring, 0));
}

int ColumnWidths::of(int column) const {
    return m_widths.value(column - 1);
}

PaddedCell paddedCell(const QString& text, int width) {
    return {text, std::max<qsizetype>(width - text.size(), 0)};
}

void appendPaddedCell(QString& line, QStringView text, int width) {
    // Room for the cell, its tab and a line end at once, growing geometrically: a cell of
    // millions of characters is then copied once, not once more for each growth.
    const qsizetype padding = std::max<qsizetype>(width - text.size(), 0);
    const qsizetype needed = line.size() + text.size() + padding + 1 + kLineEnd.size();
    if (needed > line.capacity())
        line.reserve(std::max(needed, 2 * line.capacity()));
    line += text;
    line.resize(line.size() + padding, u' ');
    line += u'\t';
}

void dropTrailingSpaces(QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    text.truncate(end);
}

} // namespace tavrolin
