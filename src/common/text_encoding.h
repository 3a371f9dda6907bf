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

} // namespace tavrolin
