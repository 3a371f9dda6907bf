#include "entry_splitter.h"

#include <QSysInfo>
#include <QtAlgorithms>
#include <cstring>
#include <utility>

namespace tavrolin {

namespace {

// Where the first CR or LF at or after from is, or size when there is none. Lines are short,
// so the bytes are looked at a word of eight at a time rather than by a call per kind of line
// end: a byte equal to CR or LF becomes a zero byte under the matching XOR, and the lowest byte
// that the zero-byte test flags is always a true one.
qsizetype nextLineEnd(const char* data, qsizetype from, qsizetype size) {
    constexpr quint64 kOnes = 0x0101010101010101ULL;
    constexpr quint64 kHighBits = 0x8080808080808080ULL;
    const auto zeroBytes = [](quint64 word) { return (word - kOnes) & ~word & kHighBits; };
    qsizetype i = from;
    for (; size - i >= qsizetype(sizeof(quint64)); i += qsizetype(sizeof(quint64))) {
        quint64 word;
        std::memcpy(&word, data + i, sizeof word);
        const quint64 ends = zeroBytes(word ^ (kOnes * '\r')) | zeroBytes(word ^ (kOnes * '\n'));
        if (ends != 0) {
            // The word was read in the machine's byte order.
            const quint64 first = QSysInfo::ByteOrder == QSysInfo::LittleEndian
                                      ? quint64(qCountTrailingZeroBits(ends))
                                      : quint64(qCountLeadingZeroBits(ends));
            return i + qsizetype(first / 8);
        }
    }
    while (i < size && data[i] != '\r' && data[i] != '\n')
        ++i;
    return i;
}

} // namespace

EntrySplitter::EntrySplitter(Sink sink) : m_sink(std::move(sink)) {}

void EntrySplitter::emitLine(QByteArrayView bytes) {
    if (m_partial.isEmpty()) {
        m_sink(bytes);
        return;
    }
    m_partial.append(bytes);
    m_sink(m_partial);
    m_partial.clear();
}

void EntrySplitter::feed(QByteArrayView bytes) {
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    if (m_pendingCr && size > 0) {
        // The LF of a CR LF pair that the previous piece cut apart.
        if (bytes[0] == '\n')
            start = 1;
        m_pendingCr = false;
    }
    const char* const data = bytes.data();
    for (qsizetype i = nextLineEnd(data, start, size); i < size;
         i = nextLineEnd(data, start, size)) {
        emitLine(bytes.sliced(start, i - start));
        if (data[i] == '\r') {
            if (i + 1 == size)
                m_pendingCr = true;
            else if (data[i + 1] == '\n')
                ++i;
        }
        start = i + 1;
    }
    m_partial.append(bytes.sliced(start));
}

void EntrySplitter::finish() {
    if (!m_partial.isEmpty())
        emitLine({});
    m_partial.clear();
    m_pendingCr = false;
}

} // namespace tavrolin
