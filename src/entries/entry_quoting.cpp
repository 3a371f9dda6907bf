#include "entry_quoting.h"

#include "common/text_encoding.h"

#include <array>

namespace tavrolin {

namespace {

// Which bytes a rule escapes, looked up once a byte: the runs between them are copied whole.
using ByteSet = std::array<bool, 256>;

constexpr ByteSet jsonEscaped() {
    ByteSet set{};
    for (int c = 0; c < 0x20; ++c)
        set[c] = true;
    set['"'] = true;
    set['\\'] = true;
    return set;
}

constexpr ByteSet regexEscaped() {
    ByteSet set{};
    for (const char c :
         {'\\', '.', '^', '$', '*', '+', '?', '(', ')', '[', ']', '{', '}', '|', '\n', '\r'})
        set[static_cast<unsigned char>(c)] = true;
    return set;
}

constexpr ByteSet kJsonEscaped = jsonEscaped();
constexpr ByteSet kRegexEscaped = regexEscaped();

bool in(const ByteSet& set, char c) {
    return set[static_cast<unsigned char>(c)];
}

// Copies the entry to `out`, each byte of the set given to `escape` instead.
template <class Escape>
void appendEscaped(QByteArray& out, QByteArrayView entry, const ByteSet& set,
                   const Escape& escape) {
    const char* const data = entry.data();
    const qsizetype size = entry.size();
    qsizetype from = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (!in(set, data[i]))
            continue;
        out.append(data + from, i - from);
        escape(data[i]);
        from = i + 1;
    }
    out.append(data + from, size - from);
}

} // namespace

void appendJsonString(QByteArray& out, QByteArrayView entry) {
    // Bytes that are not UTF-8 are rare: only then is the entry copied to show them.
    QByteArray shown;
    if (!entry.isValidUtf8()) {
        shown = shownBytes(entry.toByteArray());
        entry = shown;
    }
    out.append('"');
    appendEscaped(out, entry, kJsonEscaped, [&out](char c) {
        static constexpr char kHex[] = "0123456789abcdef";
        switch (c) {
        case '"':
        case '\\':
            out.append('\\').append(c);
            return;
        case '\b':
            out.append("\\b");
            return;
        case '\f':
            out.append("\\f");
            return;
        case '\n':
            out.append("\\n");
            return;
        case '\r':
            out.append("\\r");
            return;
        case '\t':
            out.append("\\t");
            return;
        default:
            out.append("\\u00").append(kHex[c >> 4]).append(kHex[c & 0xF]);
        }
    });
    out.append('"');
}

void appendRegexLiteral(QByteArray& out, QByteArrayView entry) {
    appendEscaped(out, entry, kRegexEscaped, [&out](char c) {
        out.append('\\').append(c == '\n' ? 'n' : c == '\r' ? 'r' : c);
    });
}

void appendShellWord(QByteArray& out, QByteArrayView entry) {
    ByteSet quote{};
    quote['\''] = true;
    out.append('\'');
    appendEscaped(out, entry, quote, [&out](char) { out.append("'\\''"); });
    out.append('\'');
}

void appendQuoted(QByteArray& out, QByteArrayView entry, EntryQuoting quoting) {
    switch (quoting) {
    case EntryQuoting::JsonString:
        return appendJsonString(out, entry);
    case EntryQuoting::RegexLiteral:
        return appendRegexLiteral(out, entry);
    case EntryQuoting::ShellWord:
        return appendShellWord(out, entry);
    }
}

QByteArray quotedEntry(QByteArrayView entry, EntryQuoting quoting) {
    QByteArray out;
    out.reserve(entry.size() + 2);
    appendQuoted(out, entry, quoting);
    return out;
}

PackedTexts quotedEntries(const EntryBytes& entries, EntryQuoting quoting) {
    PackedTexts result;
    result.reserve(entries.count, entries.byteCount + 2 * entries.count);
    QByteArray entry;
    for (qsizetype i = 0; i < entries.count; ++i) {
        entry.resize(0); // keeps its room for the next entry
        appendQuoted(entry, entries.at(i), quoting);
        result.append(QByteArrayView(entry));
    }
    return result;
}

} // namespace tavrolin
