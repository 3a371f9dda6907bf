#include "entry_join.h"

#include "common/large_block.h"

#include <algorithm>
#include <utility>

namespace tavrolin {

EntryJoin::EntryJoin(JoinShape shape, Sink sink, RowEnd rowEnd)
    : m_shape(std::move(shape)), m_sink(std::move(sink)), m_rowEnd(std::move(rowEnd)) {}

EntryJoin::EntryJoin(JoinShape shape, RowSink rowSink)
    : m_shape(std::move(shape)), m_rowSink(std::move(rowSink)) {}

void EntryJoin::reserve(qsizetype bytes) {
    if (m_used + bytes > m_bytes.size()) {
        m_bytes.resize(m_used + bytes);
        adviseLargeBlock(m_bytes.data() + m_used, bytes);
    }
}

void EntryJoin::setSeparator(QByteArray separator) {
    m_shape.separator = std::move(separator);
}

// A copy into room already taken, without the checks of a general append; the room doubles
// when it runs out, so a join whose length was not known is still linear.
void EntryJoin::append(QByteArrayView bytes) {
    if (m_used + bytes.size() > m_bytes.size())
        m_bytes.resize(std::max(m_used + bytes.size(), m_bytes.size() * 2));
    std::copy(bytes.begin(), bytes.end(), m_bytes.data() + m_used);
    m_used += bytes.size();
}

void EntryJoin::add(QByteArrayView entry) {
    append(m_inGroup == 0 ? QByteArrayView(m_shape.before) : QByteArrayView(m_shape.separator));
    if (m_rowSink || entry.size() < kBlockBytes) {
        append(entry);
    } else {
        // A long entry goes to the sink as it is: streaming keeps no copy of it.
        flush();
        m_sink(entry);
    }
    ++m_inGroup;
    if (m_inGroup == m_shape.groupSize)
        endGroup();
    else if (!m_rowSink && m_used >= kBlockBytes)
        flush();
}

void EntryJoin::finish() {
    if (m_inGroup > 0)
        endGroup();
}

void EntryJoin::endGroup() {
    append(m_shape.after);
    m_inGroup = 0;
    if (m_rowSink) {
        m_bytes.truncate(m_used);
        m_used = 0;
        m_rowSink(std::exchange(m_bytes, {}));
        return;
    }
    flush();
    m_rowEnd();
}

void EntryJoin::flush() {
    if (m_used > 0)
        m_sink(QByteArrayView(m_bytes.constData(), m_used));
    m_used = 0;
}

} // namespace tavrolin
