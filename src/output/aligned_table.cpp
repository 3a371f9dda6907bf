#include "aligned_table.h"

#include <algorithm>

namespace tavrolin {

namespace {

constexpr qsizetype kBlock = 256 * 1024;

} // namespace

void writePaddedLine(const PaddedLine& line, const ByteSink& write) {
    static const QByteArray spaces(kBlock, ' ');
    for (const PaddedCell& cell : line) {
        write(cell.bytes);
        for (qsizetype count = cell.padding; count > 0; count -= kBlock)
            write(QByteArrayView(spaces).first(std::min(count, kBlock)));
        write(QByteArrayView("\t", 1));
    }
    write(kLineEnd);
}

void writeAlignedTable(const QList<QByteArray>& captions, qsizetype rows,
                       const std::function<QByteArray(qsizetype, qsizetype)>& cell,
                       const ByteSink& write) {
    const qsizetype columns = captions.size();
    ColumnWidths widths;
    for (qsizetype c = 0; c < columns; ++c) {
        widths.fit(captions.at(c));
        for (qsizetype r = 0; r < rows; ++r)
            widths.fit(cell(r, c));
        widths.endColumn();
    }
    PaddedLine line;
    for (qsizetype c = 0; c < columns; ++c)
        line.append(widths.padded(captions.at(c), int(c + 1)));
    writePaddedLine(line, write);
    for (qsizetype r = 0; r < rows; ++r) {
        line.clear();
        for (qsizetype c = 0; c < columns; ++c)
            line.append(widths.padded(cell(r, c), int(c + 1)));
        writePaddedLine(line, write);
    }
}

} // namespace tavrolin
