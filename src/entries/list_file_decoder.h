#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tavrolin {

class EntrySplitter;

// Hands a list file's bytes to the splitter as the list keeps text, UTF-8, however the bytes
// arrive in pieces. A UTF-8 byte-order mark at the very start only marks the encoding: it is
// dropped, not made part of the first entry, where it would be invisible text. A file that
// starts with a UTF-16 byte-order mark (FF FE little-endian, FE FF big-endian, as Windows tools
// write "Unicode" text) is decoded without it; a unit that stands for no character, a lone
// surrogate or an odd last byte, becomes U+FFFD. Any other file passes byte for byte and
// uncopied, one that starts with FF FE 00 00 (UTF-32) included.
class ListFileDecoder {
public:
    explicit ListFileDecoder(EntrySplitter& splitter);
    void feed(QByteArrayView bytes);
    void finish();

private:
    enum class Encoding { Unknown, Bytes, Utf16Le, Utf16Be };

    // Takes the encoding from the file's first bytes; the bytes of its mark are skipped.
    void decide();
    void pass(QByteArrayView bytes);
    void appendUnit(char16_t unit);

    EntrySplitter& m_splitter;
    Encoding m_encoding = Encoding::Unknown;
    QByteArray m_head;
    // The text of a UTF-16 piece, always whole characters, so it converts exactly.
    QString m_text;
    // The first byte of a unit that the pieces cut apart, and a high surrogate waiting for the
    // low one that follows it.
    int m_oddByte = -1;
    char16_t m_highSurrogate = 0;
};

} // namespace tavrolin
