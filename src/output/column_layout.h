#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace tavrolin {

// Both outputs line their columns up the same way: every column is as wide as its longest
// text, and each cell is padded with spaces to its column's width and followed by a tab. The
// file measures the captions too and keeps each line's last tab; the clipboard measures the
// rows only and drops the last tab and the spaces before it.
//
// Cells are handled as their 8-bit bytes, so that a result of millions of characters is neither
// decoded nor copied to be measured and written; widths are still counted in the UTF-16 units
// of the decoded text (decodedLength), as the text is shown.

// A cell as it is written: its bytes, shared rather than copied, and the spaces that pad it to
// its column's width. A text wider than its column is neither cut nor padded.
struct PaddedCell {
    QByteArray bytes;
    qsizetype padding;
};

// The widths of the columns, measured one column after the other.
class ColumnWidths {
public:
    // Widens the column being measured to hold the text.
    void fit(const QByteArray& bytes);
    // Widens the column being measured to that many UTF-16 units.
    void widen(qsizetype units);
    // The text padded to the width of its column, c counted from 1.
    PaddedCell padded(QByteArray bytes, int column);
    // Keeps the measured width as the next column's and starts measuring a new column.
    void endColumn();
    // The width of column c, counted from 1; 0 for a column that was not measured.
    qsizetype of(int column) const;

private:
    qsizetype measure(const QByteArray& bytes);

    // A result can be longer than 2^31 UTF-16 units.
    QList<qsizetype> m_widths;
    qsizetype m_measuring = 0;
    // The longest text measured, shared, and its width: the single long result row, measured
    // for its column's width, is not measured a second time for its padding, whatever short
    // texts (the caption) are measured in between. While it is held here no other text can
    // have its address.
    QByteArray m_longest;
    qsizetype m_longestWidth = 0;
};

// Every line of either output ends so, the last line included.
inline constexpr QByteArrayView kLineEnd = "\r\n";

} // namespace tavrolin
