#pragma once

#include <QString>

namespace tavrolin {

// A stored number as the platform converts it to a 16-bit integer: rounded half to even;
// "&H" (hexadecimal) and "&O" (octal) prefixes are read as the platform reads them; raises
// TypeMismatch for a text that is no number and Overflow outside the 16-bit range.
qint16 toInteger16(const QString& text);

} // namespace tavrolin
