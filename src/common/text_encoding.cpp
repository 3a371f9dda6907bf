#include "text_encoding.h"

#include <QChar>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>

namespace tavrolin {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence that starts at bytes[i], or 0 when it is invalid.
qsizetype validSequenceLength(QByteArrayView bytes, qsizetype i) {
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    const qsizetype left = bytes.size() - i;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return left >= 2 && isContinuation(at(i + 1)) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (left < 3 || !isContinuation(at(i + 1)) || !isContinuation(at(i + 2)))
            return 0;
        const unsigned char second = at(i + 1);
        if (lead == 0xE0 && second < 0xA0)
            return 0; // overlong
        if (lead == 0xED && second >= 0xA0)
            return 0; // a surrogate
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (left < 4 || !isContinuation(at(i + 1)) || !isContinuation(at(i + 2)) ||
            !isContinuation(at(i + 3)))
            return 0;
        const unsigned char second = at(i + 1);
        if (lead == 0xF0 && second < 0x90)
            return 0; // overlong
        if (lead == 0xF4 && second >= 0x90)
            return 0; // beyond U+10FFFF
        return 4;
    }
    return 0;
}

// The character of the valid sequence of `length` bytes that starts at `at`.
char32_t codePoint(const char* at, qsizetype length) {
    const auto byte = [at](qsizetype k) { return char32_t(static_cast<unsigned char>(at[k])); };
    switch (length) {
    case 2:
        return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
    case 3:
        return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    case 4:
        return (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 |
               (byte(3) & 0x3F);
    default:
        return byte(0);
    }
}

// The character as UTF-8 from `out`; gives the bytes written.
qsizetype writeUtf8(char32_t c, char* out) {
    if (c < 0x80) {
        out[0] = char(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = char(0xC0 | c >> 6);
        out[1] = char(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = char(0xE0 | c >> 12);
        out[1] = char(0x80 | (c >> 6 & 0x3F));
        out[2] = char(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = char(0xF0 | c >> 18);
    out[1] = char(0x80 | (c >> 12 & 0x3F));
    out[2] = char(0x80 | (c >> 6 & 0x3F));
    out[3] = char(0x80 | (c & 0x3F));
    return 4;
}

// How many bytes of white space the bytes begin with: one character's, or none.
qsizetype spaceAtStart(QByteArrayView bytes) {
    const qsizetype length = validSequenceLength(bytes, 0);
    return length > 0 && QChar::isSpace(codePoint(bytes.data(), length)) ? length : 0;
}

// How many bytes of white space the bytes end with: one character's, or none. A byte that
// is no continuation begins a character wherever the decoder meets it, so the last character
// is the sequence from the last such byte when that is valid and runs to the end; anything
// else there is a kept byte.
qsizetype spaceAtEnd(QByteArrayView bytes) {
    qsizetype start = bytes.size() - 1;
    while (start > 0 && bytes.size() - start < 4 &&
           isContinuation(static_cast<unsigned char>(bytes[start])))
        --start;
    const qsizetype length = bytes.size() - start;
    if (validSequenceLength(bytes, start) != length)
        return 0;
    return QChar::isSpace(codePoint(bytes.data() + start, length)) ? length : 0;
}

// Where the run of ASCII bytes from i ends, looked at a word at a time.
qsizetype asciiRunEnd(QByteArrayView bytes, qsizetype i) {
    constexpr quint64 kHighBits = 0x8080808080808080ULL;
    const qsizetype size = bytes.size();
    while (size - i >= qsizetype(sizeof(quint64))) {
        quint64 word;
        std::memcpy(&word, bytes.data() + i, sizeof word);
        if ((word & kHighBits) != 0)
            break;
        i += qsizetype(sizeof word);
    }
    while (i < size && static_cast<unsigned char>(bytes[i]) < 0x80)
        ++i;
    return i;
}

// A byte-order mark is text like any other here: it is kept, not dropped. QString::fromUtf8
// would drop a leading one; it is the faster path for every other text.
QString fromValidUtf8(QByteArrayView bytes) {
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

bool isEscapedByte(char16_t c) {
    return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF;
}

// A lone low surrogate that stands for a byte: not preceded by a high surrogate.
bool escapeAt(QStringView text, qsizetype k) {
    return isEscapedByte(text[k].unicode()) && (k == 0 || !text[k - 1].isHighSurrogate());
}

// Windows-1252 from 80 to 9F; from A0 on it agrees with Latin-1, so a byte is its own code.
constexpr char16_t kWindows1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t windows1252(unsigned char byte) {
    return byte < 0xA0 ? kWindows1252[byte - 0x80] : char16_t(byte);
}

} // namespace

QString decode8Bit(QByteArrayView bytes) {
    if (bytes.isValidUtf8())
        return fromValidUtf8(bytes);
    QString text;
    text.reserve(bytes.size());
    qsizetype validStart = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const qsizetype length = validSequenceLength(bytes, i);
        if (length > 0) {
            i += length;
            continue;
        }
        text.append(fromValidUtf8(bytes.sliced(validStart, i - validStart)));
        text.append(QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[i]))));
        validStart = ++i;
    }
    text.append(fromValidUtf8(bytes.sliced(validStart)));
    return text;
}

QStringView decode8Bit(QByteArrayView bytes, QString& room) {
    // A byte gives at most one unit: a sequence of four bytes is two units.
    if (room.size() < bytes.size())
        room.resize(bytes.size());
    char16_t* const out = reinterpret_cast<char16_t*>(room.data());
    const qsizetype size = bytes.size();
    qsizetype units = 0;
    qsizetype i = 0;
    while (i < size) {
        const qsizetype ascii = asciiRunEnd(bytes, i);
        while (i < ascii)
            out[units++] = char16_t(bytes[i++]);
        if (i == size)
            break;
        const qsizetype length = validSequenceLength(bytes, i);
        if (length == 0) {
            out[units++] = char16_t(kEscapeBase + static_cast<unsigned char>(bytes[i++]));
            continue;
        }
        const char32_t c = codePoint(bytes.data() + i, length);
        if (QChar::requiresSurrogates(c)) {
            out[units++] = QChar::highSurrogate(c);
            out[units++] = QChar::lowSurrogate(c);
        } else {
            out[units++] = char16_t(c);
        }
        i += length;
    }
    return QStringView(out, units);
}

qsizetype decodedLength(QByteArrayView bytes) {
    // One pass that checks and counts together: ASCII a word at a time, and the common two- and
    // three-byte characters without the full check. It is faster than checking the whole text
    // first and counting after.
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const qsizetype size = bytes.size();
    qsizetype units = 0;
    qsizetype i = 0;
    while (i < size) {
        const qsizetype ascii = asciiRunEnd(bytes, i);
        units += ascii - i;
        i = ascii;
        // Runs of two- and three-byte characters are measured here without leaving the loop;
        // anything else, a kept byte included, goes through the full check.
        while (i < size && at(i) >= 0x80) {
            const unsigned char lead = at(i);
            if (lead >= 0xC2 && lead <= 0xDF && i + 1 < size && isContinuation(at(i + 1))) {
                i += 2;
                ++units;
                continue;
            }
            if (lead >= 0xE1 && lead <= 0xEF && lead != 0xED && i + 2 < size &&
                isContinuation(at(i + 1)) && isContinuation(at(i + 2))) {
                i += 3;
                ++units;
                continue;
            }
            // A four-byte sequence is a surrogate pair; a byte outside any valid sequence is
            // kept as one unit.
            const qsizetype length = validSequenceLength(bytes, i);
            units += length == 4 ? 2 : 1;
            i += length > 0 ? length : 1;
        }
    }
    return units;
}

QByteArrayView decodablePrefix(QByteArrayView bytes, qsizetype units) {
    // A unit takes at most three bytes, and a sequence cut at the end changes only the units of
    // its own at most three bytes, so one more sequence's room keeps the units asked for whole.
    const qsizetype kMaxSequence = 4;
    return bytes.first(std::min(bytes.size(), 3 * units + kMaxSequence));
}

QByteArray encode8Bit(QStringView text) {
    qsizetype runStart = 0;
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!escapeAt(text, i))
            continue;
        if (runStart == 0 && bytes.isEmpty())
            bytes.reserve(text.size());
        bytes.append(text.sliced(runStart, i - runStart).toUtf8());
        bytes.append(char(text[i].unicode() - kEscapeBase));
        runStart = i + 1;
    }
    if (runStart == 0)
        return text.toUtf8();
    bytes.append(text.sliced(runStart).toUtf8());
    return bytes;
}

QByteArrayView trimmed8Bit(QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const qsizetype space = spaceAtStart(bytes);
        if (space == 0)
            break;
        bytes = bytes.sliced(space);
    }
    while (!bytes.isEmpty()) {
        const qsizetype space = spaceAtEnd(bytes);
        if (space == 0)
            break;
        bytes.chop(space);
    }
    return bytes;
}

// QString::toCaseFolded would turn a kept byte into U+FFFD once a character before it has
// changed, so two different bytes, or a byte and a real U+FFFD, would fold alike. Folding
// each character on its own keeps the byte.
qsizetype caseFold8Bit(QByteArrayView bytes, char* out) {
    char* const start = out;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            *out++ = byte >= 'A' && byte <= 'Z' ? char(byte + ('a' - 'A')) : char(byte);
            ++i;
            continue;
        }
        const qsizetype length = validSequenceLength(bytes, i);
        if (length == 0) {
            *out++ = char(byte);
            ++i;
            continue;
        }
        out += writeUtf8(QChar::toCaseFolded(codePoint(bytes.data() + i, length)), out);
        i += length;
    }
    return out - start;
}

QString shownText(QString text) {
    // Only a changed character detaches the text, so a long result without such bytes
    // costs one pass and no copy.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (escapeAt(text, i))
            text[i] =
                QChar(windows1252(static_cast<unsigned char>(text[i].unicode() - kEscapeBase)));
    }
    return text;
}

QByteArray shownBytes(QByteArray bytes) {
    QByteArray shown;
    qsizetype validStart = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        i = asciiRunEnd(bytes, i);
        if (i == bytes.size())
            break;
        const qsizetype length = validSequenceLength(bytes, i);
        if (length > 0) {
            i += length;
            continue;
        }
        if (shown.isEmpty())
            shown.reserve(bytes.size() + bytes.size() / 2);
        shown.append(QByteArrayView(bytes).sliced(validStart, i - validStart));
        const char16_t c = windows1252(static_cast<unsigned char>(bytes[i]));
        shown.append(QStringView(&c, 1).toUtf8());
        validStart = ++i;
    }
    if (validStart == 0)
        return bytes;
    shown.append(QByteArrayView(bytes).sliced(validStart));
    return shown;
}

} // namespace tavrolin
