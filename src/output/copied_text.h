#pragma once

#include "column_layout.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>
#include <QList>

namespace tavrolin {

// The text a clipboard copy is built in, as 8-bit bytes kept in pieces. A long cell is a piece
// of its own that shares its bytes with the list rather than copying them, so a copy of a
// result of millions of characters holds no second copy of it; the short texts around the
// cells are gathered into pieces of their own.
class CopiedText {
public:
    qsizetype size() const { return m_size; }
    // Appends the cell and its padding, then a tab.
    void appendPaddedCell(const PaddedCell& cell);
    void append(QByteArrayView bytes);
    void truncate(qsizetype size);
    void chop(qsizetype count) { truncate(m_size - count); }
    // Removes the spaces that end the text.
    void dropTrailingSpaces();
    // The text is these one after the other.
    QByteArrayList pieces() const;

private:
    struct Piece {
        QByteArray bytes;
        // A shared piece is cut by its length alone, which keeps it shared.
        qsizetype length;
        bool shared;
    };

    QByteArray& ownTail();

    QList<Piece> m_pieces;
    qsizetype m_size = 0;
};

} // namespace tavrolin
