#include "json_quoted_split.h"

#include <QChar>

namespace tavrolin {

namespace {

char16_t unitAt(QByteArrayView text, qsizetype i) {
    return static_cast<unsigned char>(text[i]);
}

char16_t unitAt(QStringView text, qsizetype i) {
    return text[i].unicode();
}

void appendAscii(QByteArray& field, char16_t c) {
    field.append(char(c));
}

void appendAscii(QString& field, char16_t c) {
    field.append(QChar(c));
}

void appendCharacter(QByteArray& field, char32_t c) {
    const char32_t units[] = {c};
    field.append(QStringView(QString::fromUcs4(units, 1)).toUtf8());
}

void appendCharacter(QString& field, char32_t c) {
    const char32_t units[] = {c};
    field.append(QString::fromUcs4(units, 1));
}

// The value of the four hex digits at text[at], or -1 when they are not four hex digits.
template <class View> int hexAt(View text, qsizetype at) {
    if (text.size() - at < 4)
        return -1;
    int value = 0;
    for (qsizetype i = at; i < at + 4; ++i) {
        const char16_t c = unitAt(text, i);
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

// Decodes the escape whose backslash is at text[at] into the field; gives where the text goes
// on. One that is not valid JSON puts only its backslash in, and the text goes on after it.
template <class View, class Field> qsizetype decodeEscape(View text, qsizetype at, Field& field) {
    const char16_t c = at + 1 < text.size() ? unitAt(text, at + 1) : 0;
    // The escapes of one character, each beside what it stands for.
    static constexpr char16_t kSimple[][2] = {{'"', '"'},  {'\\', '\\'}, {'/', '/'},  {'b', '\b'},
                                              {'f', '\f'}, {'n', '\n'},  {'r', '\r'}, {'t', '\t'}};
    for (const auto& [escape, meaning] : kSimple) {
        if (c == escape) {
            appendAscii(field, meaning);
            return at + 2;
        }
    }
    if (c != 'u') {
        appendAscii(field, '\\');
        return at + 1;
    }
    const int unit = hexAt(text, at + 2);
    if (unit >= 0 && !QChar::isSurrogate(char32_t(unit))) {
        appendCharacter(field, char32_t(unit));
        return at + 6;
    }
    if (QChar::isHighSurrogate(char32_t(unit)) && text.size() - at >= 12 &&
        unitAt(text, at + 6) == '\\' && unitAt(text, at + 7) == 'u') {
        const int low = hexAt(text, at + 8);
        if (QChar::isLowSurrogate(char32_t(low))) {
            appendCharacter(field, QChar::surrogateToUcs4(char16_t(unit), char16_t(low)));
            return at + 12;
        }
    }
    appendAscii(field, '\\');
    return at + 1;
}

template <class View, class Field, class Emit>
void splitEntry(View entry, View separator, Field& field, const Emit& emit) {
    qsizetype from = 0;
    for (;;) {
        if (from == entry.size() || unitAt(entry, from) != '"') {
            const qsizetype at = entry.indexOf(separator, from);
            if (at < 0)
                return emit(entry.sliced(from));
            emit(entry.sliced(from, at - from));
            from = at + separator.size();
            continue;
        }
        field.resize(0);
        qsizetype next = from + 1;
        for (;;) {
            qsizetype at = next;
            while (at < entry.size() && unitAt(entry, at) != '"' && unitAt(entry, at) != '\\')
                ++at;
            if (at == entry.size()) // never closed: the rest stays as it stands
                return emit(entry.sliced(from));
            field.append(entry.sliced(next, at - next));
            if (unitAt(entry, at) == '"') {
                next = at + 1;
                break;
            }
            next = decodeEscape(entry, at, field);
        }
        // Whatever follows the closing quote up to the separator stays with the part.
        const qsizetype at = entry.indexOf(separator, next);
        field.append(entry.sliced(next, (at < 0 ? entry.size() : at) - next));
        emit(View(field));
        if (at < 0)
            return;
        from = at + separator.size();
    }
}

} // namespace

void splitJsonQuoted(QByteArrayView entry, QByteArrayView separator, QByteArray& field,
                     const std::function<void(QByteArrayView)>& emit) {
    splitEntry(entry, separator, field, emit);
}

void splitJsonQuoted(QStringView entry, QStringView separator, QString& field,
                     const std::function<void(QStringView)>& emit) {
    splitEntry(entry, separator, field, emit);
}

} // namespace tavrolin
