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
    insert(size(), std::move(texts));
}

void PackedTexts::insert(qsizetype i, PackedTexts&& texts) {
    if (isEmpty()) {
        *this = std::exchange(texts, {});
        return;
    }
    const qsizetype count = texts.size();
    const qsizetype start = startOf(i);
    const qsizetype length = texts.m_chars.size();
    m_ends.reserve(m_ends.size() + count);
    m_chars.insert(start, texts.m_chars);
    // With the room reserved, nothing below can fail.
    m_ends.insert(i, count, start);
    for (qsizetype k = 0; k < count; ++k)
        m_ends[i + k] += texts.m_ends[k];
    shiftEnds(i + count, length);
    texts = {};
}

PackedTexts PackedTexts::take(qsizetype first, qsizetype count) {
    if (first == 0 && count == size())
        return std::exchange(*this, {});
    PackedTexts taken;
    const qsizetype start = startOf(first);
    const qsizetype length = startOf(first + count) - start;
    taken.m_chars = m_chars.sliced(start, length);
    taken.m_ends.reserve(count);
    for (qsizetype i = first; i < first + count; ++i)
        taken.m_ends.append(m_ends[i] - start);
    m_chars.remove(start, length);
    m_ends.remove(first, count);
    shiftEnds(first, -length);
    return taken;
}

} // namespace tavrolin
