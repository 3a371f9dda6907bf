#include "packed_texts.h"

#include "common/large_block.h"
#include "common/text_encoding.h"

#include <algorithm>
#include <utility>

namespace tavrolin {

// Each change first makes the room that may fail to come, so that a shortage of memory leaves
// the texts as they were.

void PackedTexts::shiftEnds(qsizetype from, qsizetype by) {
    for (qsizetype i = from; i < m_ends.size(); ++i)
        m_ends[i] += by;
}

QByteArray PackedTexts::bytes(qsizetype i) const {
    // The block holds exactly the texts: with one text, the block is that text.
    return size() == 1 ? m_bytes : at(i).toByteArray();
}

QString PackedTexts::text(qsizetype i) const {
    return decode8Bit(at(i));
}

void PackedTexts::reserve(qsizetype texts, qsizetype bytes) {
    m_ends.reserve(texts);
    m_bytes.reserve(bytes);
    adviseLargeBlock(m_bytes.data(), m_bytes.capacity());
}

void PackedTexts::fit() {
    if (m_ends.capacity() - m_ends.size() > m_ends.capacity() / 4)
        m_ends.squeeze();
    if (m_bytes.capacity() - m_bytes.size() > m_bytes.capacity() / 4)
        m_bytes.squeeze();
}

void PackedTexts::append(QByteArray&& bytes) {
    if (!isEmpty()) {
        append(QByteArrayView(bytes));
        return;
    }
    m_ends.append(bytes.size());
    m_bytes = std::move(bytes);
}

void PackedTexts::append(QByteArrayView bytes) {
    const qsizetype start = m_bytes.size();
    m_ends.append(start + bytes.size());
    // Within room already taken the bytes are simply copied, nothing can fail, and the bytes
    // cannot be moved from under a view into the block itself.
    if (m_bytes.isDetached() && bytes.size() <= m_bytes.capacity() - start) {
        m_bytes.resize(start + bytes.size());
        std::copy(bytes.begin(), bytes.end(), m_bytes.begin() + start);
        return;
    }
    try {
        m_bytes.append(bytes);
    } catch (...) {
        m_ends.removeLast();
        throw;
    }
}

void PackedTexts::append(QStringView text) {
    append(encode8Bit(text));
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
    const qsizetype length = texts.m_bytes.size();
    m_ends.reserve(m_ends.size() + count);
    m_bytes.insert(start, texts.m_bytes);
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
    taken.m_bytes = m_bytes.sliced(start, length);
    taken.m_ends.reserve(count);
    for (qsizetype i = first; i < first + count; ++i)
        taken.m_ends.append(m_ends[i] - start);
    m_bytes.remove(start, length);
    m_ends.remove(first, count);
    shiftEnds(first, -length);
    return taken;
}

} // namespace tavrolin
