#include "list_file_decoder.h"

#include "entry_splitter.h"

#include <algorithm>
#include <utility>

namespace tavrolin {

namespace {

// FF FE tells UTF-16 from UTF-32 only with the two bytes after it.
constexpr qsizetype kHeadSize = 4;

} // namespace

ListFileDecoder::ListFileDecoder(EntrySplitter& splitter) : m_splitter(splitter) {}

void ListFileDecoder::decide() {
    qsizetype markSize = 0;
    if (m_head.startsWith("\xEF\xBB\xBF")) {
        markSize = 3;
        m_encoding = Encoding::Bytes;
    } else if (m_head.startsWith("\xFE\xFF")) {
        markSize = 2;
        m_encoding = Encoding::Utf16Be;
    } else if (m_head.startsWith("\xFF\xFE") &&
               !m_head.startsWith(QByteArrayView("\xFF\xFE\0\0", 4))) {
        markSize = 2;
        m_encoding = Encoding::Utf16Le;
    } else {
        m_encoding = Encoding::Bytes;
    }
    pass(QByteArrayView(m_head).sliced(markSize));
}

void ListFileDecoder::feed(QByteArrayView bytes) {
    if (m_encoding == Encoding::Unknown) {
        const qsizetype taken = std::min(kHeadSize - m_head.size(), bytes.size());
        m_head.append(bytes.first(taken));
        if (m_head.size() < kHeadSize)
            return;
        decide();
        bytes = bytes.sliced(taken);
    }
    pass(bytes);
}

void ListFileDecoder::finish() {
    if (m_encoding == Encoding::Unknown)
        decide();
    if (m_encoding != Encoding::Bytes) {
        m_text.clear();
        if (m_highSurrogate != 0)
            m_text.append(QChar::ReplacementCharacter);
        if (m_oddByte >= 0)
            m_text.append(QChar::ReplacementCharacter);
        m_splitter.feed(m_text.toUtf8());
    }
    m_splitter.finish();
}

void ListFileDecoder::pass(QByteArrayView bytes) {
    if (m_encoding == Encoding::Bytes) {
        m_splitter.feed(bytes);
        return;
    }
    m_text.clear();
    for (const char byte : bytes) {
        const int value = static_cast<unsigned char>(byte);
        if (m_oddByte < 0) {
            m_oddByte = value;
            continue;
        }
        appendUnit(char16_t(m_encoding == Encoding::Utf16Le ? value << 8 | m_oddByte
                                                            : m_oddByte << 8 | value));
        m_oddByte = -1;
    }
    m_splitter.feed(m_text.toUtf8());
}

void ListFileDecoder::appendUnit(char16_t unit) {
    const char16_t high = std::exchange(m_highSurrogate, 0);
    if (high != 0 && QChar::isLowSurrogate(unit)) {
        m_text.append(QChar(high)).append(QChar(unit));
        return;
    }
    if (high != 0)
        m_text.append(QChar::ReplacementCharacter);
    if (QChar::isHighSurrogate(unit))
        m_highSurrogate = unit;
    else
        m_text.append(QChar::isLowSurrogate(unit) ? QChar(QChar::ReplacementCharacter)
                                                  : QChar(unit));
}

} // namespace tavrolin
