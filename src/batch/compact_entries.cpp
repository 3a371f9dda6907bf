#include "compact_entries.h"

#include <algorithm>

namespace tavrolin {

void CompactEntries::reserve(qsizetype bytes) {
    m_bytes.reserve(bytes);
}

void CompactEntries::append(QByteArrayView entry) {
    const qint64 previous = m_bytes.size();
    m_bytes.append(entry);
    const qint64 end = m_bytes.size();
    // An entry longer than 2^lowBits bytes passes more than one boundary.
    for (qint64 passed = (end >> m_lowBits) - (previous >> m_lowBits); passed > 0; --passed)
        m_wraps.push_back(size());
    m_lowEnds.push_back(quint32(end & ((qint64(1) << m_lowBits) - 1)));
}

qint64 CompactEntries::endOf(qsizetype i) const {
    const auto high = std::upper_bound(m_wraps.begin(), m_wraps.end(), i) - m_wraps.begin();
    return qint64(high) << m_lowBits | m_lowEnds[size_t(i)];
}

QByteArrayView CompactEntries::at(qsizetype i) const {
    const qint64 start = i == 0 ? 0 : endOf(i - 1);
    return QByteArrayView(m_bytes).sliced(start, endOf(i) - start);
}

EntryBytes CompactEntries::view() const {
    return {size(), byteCount(), [this](qsizetype i) { return at(i); }};
}

void CompactEntries::clear() {
    m_bytes = {};
    m_lowEnds = {};
    m_wraps = {};
}

} // namespace tavrolin
