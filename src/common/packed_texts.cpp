#include "packed_texts.h"

#include <utility>

namespace tavrolin {

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
    m_chars = std::move(text);
    m_ends.append(m_chars.size());
}

void PackedTexts::append(QStringView text) {
    m_chars.append(text);
    m_ends.append(m_chars.size());
}

void PackedTexts::append(PackedTexts&& texts) {
    if (isEmpty()) {
        *this = std::move(texts);
        return;
    }
    const qsizetype base = m_chars.size();
    m_chars.append(texts.m_chars);
    m_ends.reserve(m_ends.size() + texts.m_ends.size());
    for (const qsizetype end : std::as_const(texts.m_ends))
        m_ends.append(base + end);
    texts = {};
}

void PackedTexts::insert(qsizetype i, QStringView text) {
    const qsizetype start = startOf(i);
    m_chars.insert(start, text);
    m_ends.insert(i, start);
    shiftEnds(i, text.size());
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
