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

} // namespace tavrolin
