#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace tavrolin {

// Both outputs line their columns up the same way: every column is as wide as its longest
// text, and each cell is padded with spaces to its column's width and followed by a tab. The
// file measures the captions too and keeps each line's last tab; the clipboard measures the
// rows only and drops the last tab and the spaces before it.

// The widths of the columns, measured one column after the other.
class ColumnWidths {
public:
    // Widens the column being measured to hold the text.
    void fit(QStringView text);
    // Keeps the measured width as the next column's and starts measuring a new column.
    void endColumn();
    // The width of column c, counted from 1; 0 for a column that was not measured.
    int of(int column) const;

private:
    QList<int> m_widths;
    int m_measuring = 0;
};

// A cell as it is written: its text, shared rather than copied, and the spaces that pad it to
// its column's width. A text wider than its column is neither cut nor padded.
struct PaddedCell {
    QString text;
    qsizetype padding;
};

PaddedCell paddedCell(const QString& text, int width);

// Appends the cell padded to its column's width, then a tab.
void appendPaddedCell(QString& line, QStringView text, int width);

// Removes the spaces that end the text.
void dropTrailingSpaces(QString& text);

// Every line of either output ends so, the last line included.
inline constexpr QStringView kLineEnd = u"\r\n";

} // namespace tavrolin
