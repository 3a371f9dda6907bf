#include "packed_texts.h"

#include <utility>

namespace tavrolin {

// Each change first makes the room that may fail to come, so that a shortage of memory leaves
// the texts as they were.

void PackedTexts::shiftEnds(qsizetype from, qsizetype by) {
    for (qsizetype i = from; i < m_ends.size(); ++i)
        m_ends[i] += by;
}

QString PackedTexts::text(qsizetype i) const {
    // The block holds exactly the texts: with one text, the block is that text.
    return size() == 1 ? m_chars : at(i).toString();
}

void PackedTexts::append(QString&& text) {
    if (!isEmpty()) {
        append(QStringView(text));
        return;
    }
    m_ends.append(text.size());
    m_chars = std::move(text);
}

void PackedTexts::append(QStringView text) {
    m_ends.append(m_chars.size() + text.size());
    try {
        m_chars.append(text);
    } catch (...) {
        m_ends.removeLast();
        throw;
    }
}

void PackedTexts::append(PackedTexts&& texts) {
    if (isEmpty()) {
        *this = std::move(texts);
        return;
    }
    m_ends.reserve(m_ends.size() + texts.m_ends.size());
    const qsizetype base = m_chars.size();
    m_chars.append(texts.m_chars);
    for (const qsizetype end : std::as_const(texts.m_ends))
        m_ends.append(base + end);
    texts = {};
}

void PackedTexts::insert(qsizetype i, QStringView text) {
    const qsizetype start = startOf(i);
    m_ends.insert(i, start + text.size());
    try {
        m_chars.insert(start, text);
    } catch (...) {
        m_ends.removeAt(i);
        throw;
    }
    shiftEnds(i + 1, text.size());
}

void PackedTexts::remove(qsizetype i) {
    const qsizetype start = startOf(i);
    const qsizetype length = m_ends[i] - start;
    m_chars.remove(start, length);
    m_ends.removeAt(i);
    shiftEnds(i, -length);
}

PackedTexts PackedTexts::takeFrom(qsizetype first) {
    if (first == 0)
        return std::exchange(*this, {});
    PackedTexts tail;
    const qsizetype start = startOf(first);
    tail.m_chars = m_chars.sliced(start);
    tail.m_ends.reserve(size() - first);
    for (qsizetype i = first; i < size(); ++i)
        tail.m_ends.append(m_ends[i] - start);
    m_chars.truncate(start);
    m_ends.resize(first);
    return tail;
}

} // namespace tavrolin
