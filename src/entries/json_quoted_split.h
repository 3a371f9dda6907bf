#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <functional>

namespace tavrolin {

// Splitting an entry at a separator where parts may be JSON strings, so that a split undoes a
// wrap in JSON quotes (appendJsonString) and a join with a separator that holds no '"'.
//
// A part that begins with '"' runs to the '"' that closes it, whatever separators and line
// breaks lie between; the escapes \" \\ \/ \b \f \n \r \t and \uXXXX (a surrogate pair as one
// character) are decoded, the enclosing quotes go, and what follows the closing quote up to
// the next separator stays with the part, as it does for CSV quotes. A backslash that begins
// no valid escape, and a \u escape of a lone surrogate, stay as written: they stand for no
// character, and the lists keep a lone surrogate for a byte that is not UTF-8. A quote never
// closed leaves the rest of the entry as it stands, quote included. Other parts are cut at the
// separator as they stand. Each part goes to `emit`, valid during the call; `field` is where a
// quoted part is built, kept by the caller from entry to entry for its room.
void splitJsonQuoted(QByteArrayView entry, QByteArrayView separator, QByteArray& field,
                     const std::function<void(QByteArrayView)>& emit);
// The same on text, for a separator that holds kept bytes (see splitAt).
void splitJsonQuoted(QStringView entry, QStringView separator, QString& field,
                     const std::function<void(QStringView)>& emit);

} // namespace tavrolin
