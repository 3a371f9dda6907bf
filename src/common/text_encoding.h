#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tavrolin {

// The platform's 8-bit code page, UTF-8. Decoding is reversible: a byte that is not part of
// valid UTF-8 becomes the lone surrogate U+DC80 + byte, and encoding turns it back into that
// byte, so text loaded and written again keeps every byte.
QString decode8Bit(QByteArrayView bytes);
// The same text, written into `room`, which keeps its allocation from call to call: decoding
// many texts one after another allocates only for a text longer than any before it. Valid
// until `room` next changes.
QStringView decode8Bit(QByteArrayView bytes, QString& room);
QByteArray encode8Bit(QStringView text);

// decode8Bit(bytes).size() without decoding: what a column counts as the width of the text.
qsizetype decodedLength(QByteArrayView bytes);

// The first bytes of a text that decode to at least the given number of UTF-16 units, as the
// same units of the whole text would: a bounded part of a long text, for showing its start.
QByteArrayView decodablePrefix(QByteArrayView bytes, qsizetype units);

// The text as the user reads it: each byte kept by decode8Bit shows as the Windows-1252
// character it stands for (E9 as "é", 80 as "€"); the five bytes that code page leaves
// undefined show as the C1 control of the same value. Everything else, a real surrogate pair
// included, is unchanged, and a text without such bytes is returned as it is, uncopied.
QString shownText(QString text);

// The bytes of decode8Bit(bytes).trimmed() as encode8Bit gives them back, found without
// decoding: the bytes without the white space at either end. A kept byte is never white space.
QByteArrayView trimmed8Bit(QByteArrayView bytes);

// The most bytes caseFold8Bit writes for the given number: a character of two to four bytes
// folds to one of at most four, and ASCII stays ASCII.
constexpr qsizetype caseFoldRoom(qsizetype size) {
    return 2 * size;
}

// Each character of decode8Bit(bytes) replaced by its simple case fold, one character for one
// (so "ß" and "ss" stay apart), and encoded as encode8Bit would: written from `out`, which has
// room for caseFoldRoom(bytes.size()) bytes, made without decoding. Gives the bytes written. A
// kept byte stays as itself, whatever comes before it.
qsizetype caseFold8Bit(QByteArrayView bytes, char* out);

// shownText(decode8Bit(bytes)) as UTF-8, made without decoding; bytes that are all valid UTF-8
// are returned as they are, uncopied.
QByteArray shownBytes(QByteArray bytes);

} // namespace tavrolin
