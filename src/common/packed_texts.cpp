#include "packed_texts.h"

#include "common/large_block.h"
#include "common/text_encoding.h"

#include <algorithm>
#include <new>
#include <utility>

namespace tavrolin {

// Each change first makes the room that may fail to come, so that a shortage of memory leaves
// the texts as they were.
//
// QList::reserve and QList::squeeze do not check their allocation: when it fails, one leaves the
// list without the room and gives no sign, and on a list that holds items both copy them into
// nothing; so does a list shared with a copy when it is first changed in place. The ends are
// only ever given room, or made a list of their own, through a new, empty list, checked.

namespace {

// An empty list with room for at least `size` ends, or std::bad_alloc.
QList<qsizetype> endsWithRoom(qsizetype size) {
    QList<qsizetype> ends;
    ends.reserve(size);
    if (ends.capacity() < size)
        throw std::bad_alloc();
    return ends;
}

// The ends in a list of exactly their room (or of the room they had, when a new one cannot be
// had): a smaller list is an economy, never a need.
void fitEnds(QList<qsizetype>& ends) {
    QList<qsizetype> fitted;
    fitted.reserve(ends.size());
    if (fitted.capacity() < ends.size())
        return;
    fitted.resize(ends.size());
    std::copy(ends.cbegin(), ends.cend(), fitted.begin());
    ends.swap(fitted);
}

} // namespace

void PackedTexts::ownEnds() {
    if (m_ends.isEmpty() || m_ends.isDetached())
        return;
    QList<qsizetype> own = endsWithRoom(m_ends.size());
    own.append(m_ends);
    m_ends.swap(own);
}

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
    if (texts > m_ends.capacity()) {
        QList<qsizetype> ends = endsWithRoom(texts);
        ends.append(m_ends);
        m_bytes.reserve(bytes);
        m_ends.swap(ends);
    } else {
        m_bytes.reserve(bytes);
    }
    adviseLargeBlock(m_bytes.data(), m_bytes.capacity());
}

void PackedTexts::fit() {
    if (m_ends.capacity() - m_ends.size() > m_ends.capacity() / 4)
        fitEnds(m_ends);
    if (m_bytes.capacity() - m_bytes.size() > m_bytes.capacity() / 4) {
        try {
            m_bytes.squeeze();
        } catch (const std::bad_alloc&) {
            // The room stays.
        }
    }
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
    m_ends.insert(i, count, start);
    try {
        m_bytes.insert(start, texts.m_bytes);
    } catch (...) {
        m_ends.remove(i, count);
        throw;
    }
    // Nothing below can fail.
    for (qsizetype k = 0; k < count; ++k)
        m_ends[i + k] += texts.m_ends.at(k);
    shiftEnds(i + count, length);
    texts = {};
}

PackedTexts PackedTexts::take(qsizetype first, qsizetype count) {
    if (first == 0 && count == size())
        return std::exchange(*this, {});
    ownEnds();
    PackedTexts taken;
    const qsizetype start = startOf(first);
    const qsizetype length = startOf(first + count) - start;
    taken.m_bytes = m_bytes.sliced(start, length);
    taken.m_ends = endsWithRoom(count);
    for (qsizetype i = first; i < first + count; ++i)
        taken.m_ends.append(m_ends[i] - start);
    m_bytes.remove(start, length);
    m_ends.remove(first, count);
    shiftEnds(first, -length);
    return taken;
}

} // namespace tavrolin
