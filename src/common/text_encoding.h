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

} // namespace tavrolin
