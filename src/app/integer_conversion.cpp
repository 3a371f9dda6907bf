#include "integer_conversion.h"

#include "common/runtime_error.h"

#include <QRegularExpression>
#include <cmath>
#include <optional>

namespace tavrolin {

namespace {

// "&H" hexadecimal and "&O" octal numbers, as the platform writes them: up to 16 bits they
// are a 16-bit number and up to 32 bits a 32-bit one, so "&HFFFF" is -1. Raises Overflow
// beyond 32 bits and TypeMismatch for a digit that does not belong; nothing for other texts.
std::optional<qint64> prefixedInteger(const QString& text) {
    if (text.size() < 2 || text[0] != u'&')
        return std::nullopt;
    const char16_t kind = QChar::toUpper(text[1].unicode());
    if (kind != u'H' && kind != u'O')
        return std::nullopt;
    bool ok = false;
    const quint64 bits = text.mid(2).toULongLong(&ok, kind == u'H' ? 16 : 8);
    if (!ok) {
        const QRegularExpression digits(kind == u'H' ? QStringLiteral("^[0-9A-Fa-f]+$")
                                                     : QStringLiteral("^[0-7]+$"));
        if (digits.match(text.mid(2)).hasMatch())
            throw RuntimeError::of(error::Overflow);
        throw RuntimeError::of(error::TypeMismatch);
    }
    if (bits <= 0xFFFF)
        return qint16(quint16(bits));
    if (bits <= 0xFFFFFFFF)
        return qint32(quint32(bits));
    throw RuntimeError::of(error::Overflow);
}

// A decimal number with an optional sign, fraction and exponent.
bool isDecimalNumber(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    return number.match(text).hasMatch();
}

} // namespace

qint16 toInteger16(const QString& text) {
    const QString trimmed = text.trimmed();
    double value = 0;
    if (const std::optional<qint64> prefixed = prefixedInteger(trimmed)) {
        value = double(*prefixed);
    } else {
        bool ok = false;
        value = trimmed.toDouble(&ok);
        // Qt refuses a number too large for a double, and reads "nan" and "inf", which are no
        // numbers to convert.
        if (!ok && isDecimalNumber(trimmed))
            throw RuntimeError::of(error::Overflow);
        if (!ok || !std::isfinite(value))
            throw RuntimeError::of(error::TypeMismatch);
    }
    const double rounded = std::nearbyint(value); // the default rounding is half to even
    if (rounded < -32768.0 || rounded > 32767.0)
        throw RuntimeError::of(error::Overflow);
    return qint16(rounded);
}

} // namespace tavrolin
