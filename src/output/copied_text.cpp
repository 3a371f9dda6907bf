#include "copied_text.h"

namespace tavrolin {

namespace {

// A cell this long is shared rather than copied into the text.
constexpr qsizetype kSharedFrom = 64 * 1024;

} // namespace

QByteArray& CopiedText::ownTail() {
    if (m_pieces.isEmpty() || m_pieces.last().shared)
        m_pieces.append({QByteArray(), 0, false});
    return m_pieces.last().bytes;
}

void CopiedText::append(QByteArrayView bytes) {
    QByteArray& tail = ownTail();
    tail.append(bytes);
    m_pieces.last().length = tail.size();
    m_size += bytes.size();
}

void CopiedText::appendPaddedCell(const PaddedCell& cell) {
    if (cell.bytes.size() >= kSharedFrom) {
        m_pieces.append({cell.bytes, cell.bytes.size(), true});
        m_size += cell.bytes.size();
    } else {
        append(cell.bytes);
    }
    QByteArray& tail = ownTail();
    tail.append(cell.padding, ' ');
    tail.append('\t');
    m_pieces.last().length = tail.size();
    m_size += cell.padding + 1;
}

void CopiedText::truncate(qsizetype size) {
    while (m_size > size) {
        Piece& last = m_pieces.last();
        const qsizetype excess = m_size - size;
        if (last.length <= excess) {
            m_size -= last.length;
            m_pieces.removeLast();
            continue;
        }
        last.length -= excess;
        if (!last.shared)
            last.bytes.truncate(last.length);
        m_size = size;
    }
}

void CopiedText::dropTrailingSpaces() {
    while (!m_pieces.isEmpty()) {
        const Piece& last = m_pieces.last();
        qsizetype end = last.length;
        while (end > 0 && last.bytes[end - 1] == ' ')
            --end;
        if (end > 0) {
            truncate(m_size - (last.length - end));
            return;
        }
        m_size -= last.length;
        m_pieces.removeLast();
    }
}

QByteArrayList CopiedText::pieces() const {
    QByteArrayList list;
    list.reserve(m_pieces.size());
    for (const Piece& piece : m_pieces)
        list.append(piece.length == piece.bytes.size() ? piece.bytes
                                                       : piece.bytes.first(piece.length));
    return list;
}

} // namespace tavrolin
