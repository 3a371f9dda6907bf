#include "column_layout.h"

#include "common/text_encoding.h"

#include <algorithm>
#include <utility>

namespace tavrolin {

qsizetype ColumnWidths::measure(const QByteArray& bytes) {
    if (!bytes.isEmpty() && bytes.constData() == m_longest.constData() &&
        bytes.size() == m_longest.size())
        return m_longestWidth;
    const qsizetype width = decodedLength(bytes);
    if (bytes.size() > m_longest.size()) {
        m_longest = bytes;
        m_longestWidth = width;
    }
    return width;
}

void ColumnWidths::fit(const QByteArray& bytes) {
    widen(measure(bytes));
}

void ColumnWidths::widen(qsizetype units) {
    m_measuring = std::max(m_measuring, units);
}

void ColumnWidths::endColumn() {
    m_widths.append(std::exchange(m_measuring, 0));
}

qsizetype ColumnWidths::of(int column) const {
    return m_widths.value(column - 1);
}

PaddedCell ColumnWidths::padded(QByteArray bytes, int column) {
    const qsizetype padding = std::max<qsizetype>(of(column) - measure(bytes), 0);
    return {std::move(bytes), padding};
}

} // namespace tavrolin
