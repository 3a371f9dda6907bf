#include "entry_list_tools.h"

#include "common/text_encoding.h"
#include "natural_order.h"

#include <QSet>
#include <QStringView>
#include <numeric>
#include <vector>

namespace tavrolin {

namespace {

// The entries in the given order, in a block as large as the list's.
PackedTexts gathered(const EntryBytes& entries, const std::vector<qsizetype>& order) {
    PackedTexts result;
    result.reserve(qsizetype(order.size()), entries.byteCount);
    for (const qsizetype index : order)
        result.append(entries.at(index));
    return result;
}

// Appended as a view, so that the block keeps the room reserved for it.
void appendText(PackedTexts& texts, QStringView text) {
    const QByteArray bytes = encode8Bit(text);
    texts.append(QByteArrayView(bytes));
}

// White space as QChar::isSpace has it, below 0x80.
bool isAsciiSpace(unsigned char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

// A byte below 0x80 is always a character of its own: never part of a longer sequence, never
// kept as a byte that is not UTF-8. So an entry that begins and ends with such a byte that is
// not white space has nothing to trim, whatever lies between.
bool hasNothingToTrim(QByteArrayView entry) {
    if (entry.isEmpty())
        return true;
    const auto first = static_cast<unsigned char>(entry.front());
    const auto last = static_cast<unsigned char>(entry.back());
    return first < 0x80 && last < 0x80 && !isAsciiSpace(first) && !isAsciiSpace(last);
}

// The entry with each occurrence of the mark doubled, into `out`. An ASCII mark is a byte of
// its own wherever it occurs (see above), so the bytes are doubled directly; any other mark is
// looked for in the bytes first and doubled in the decoded text, which is exact for a mark
// that stands for a kept byte or half a surrogate pair too.
void appendDoubled(QByteArray& out, QByteArrayView entry, QChar mark, QByteArrayView markBytes) {
    if (mark.unicode() < 0x80 && !entry.contains(char(mark.unicode()))) {
        out.append(entry);
        return;
    }
    if (mark.unicode() < 0x80) {
        const char byte = char(mark.unicode());
        for (const char c : entry) {
            out.append(c);
            if (c == byte)
                out.append(c);
        }
        return;
    }
    if (!mark.isSurrogate() && !entry.contains(markBytes)) {
        out.append(entry);
        return;
    }
    QString text = decode8Bit(entry);
    out.append(encode8Bit(text.replace(mark, QString(2, mark))));
}

} // namespace

QLocale sortingLocale() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::English) : system;
}

PackedTexts sortedNaturally(const EntryBytes& entries, bool descending, const QLocale& locale) {
    const auto textAt = [&entries](qsizetype index) { return decode8Bit(entries.at(index)); };
    return gathered(entries, naturalOrder(entries.count, textAt, descending, locale));
}

PackedTexts reversed(const EntryBytes& entries) {
    std::vector<qsizetype> order(size_t(entries.count));
    std::iota(order.rbegin(), order.rend(), qsizetype(0));
    return gathered(entries, order);
}

// The encoding is reversible, so entries with equal bytes are exactly the equal texts.
PackedTexts withoutDuplicates(const EntryBytes& entries) {
    QSet<QByteArrayView> seen;
    seen.reserve(entries.count);
    PackedTexts unique;
    unique.reserve(entries.count, entries.byteCount);
    for (qsizetype i = 0; i < entries.count; ++i) {
        const QByteArrayView entry = entries.at(i);
        const qsizetype before = seen.size();
        seen.insert(entry);
        if (seen.size() != before)
            unique.append(entry);
    }
    unique.fit();
    return unique;
}

PackedTexts withSpacesTrimmed(const EntryBytes& entries) {
    PackedTexts trimmed;
    trimmed.reserve(entries.count, entries.byteCount);
    for (qsizetype i = 0; i < entries.count; ++i) {
        const QByteArrayView entry = entries.at(i);
        if (hasNothingToTrim(entry)) {
            trimmed.append(entry);
            continue;
        }
        const QString text = decode8Bit(entry);
        const QString result = text.trimmed();
        if (result.size() == text.size())
            trimmed.append(entry);
        else
            appendText(trimmed, result);
    }
    trimmed.fit();
    return trimmed;
}

PackedTexts withoutEmpty(const EntryBytes& entries) {
    PackedTexts kept;
    kept.reserve(entries.count, entries.byteCount);
    for (qsizetype i = 0; i < entries.count; ++i) {
        const QByteArrayView entry = entries.at(i);
        if (!entry.isEmpty())
            kept.append(entry);
    }
    kept.fit();
    return kept;
}

PackedTexts wrapped(const EntryBytes& entries, const WrapTexts& wrap) {
    const QByteArray before = encode8Bit(wrap.before);
    const QByteArray after = encode8Bit(wrap.after);
    const bool doubling = wrap.before.size() == 1 && wrap.before == wrap.after;
    const QChar mark = doubling ? wrap.before.front() : QChar();
    PackedTexts result;
    result.reserve(entries.count,
                   entries.byteCount + entries.count * (before.size() + after.size()));
    QByteArray entry;
    for (qsizetype i = 0; i < entries.count; ++i) {
        entry.resize(0); // keeps its room for the next entry
        entry.append(before);
        if (doubling)
            appendDoubled(entry, entries.at(i), mark, before);
        else
            entry.append(entries.at(i));
        entry.append(after);
        result.append(QByteArrayView(entry));
    }
    return result;
}

// The decoder escapes only a byte that begins no valid sequence, one byte at a time, so it
// never takes a byte that begins a valid sequence into another one: every valid sequence in
// the bytes is decoded as its character, and every character of the text that is not an
// escaped byte comes from such a sequence. A separator of valid UTF-16 encodes to valid UTF-8,
// so it occurs in an entry's bytes exactly where it occurs in the entry's text, and the bytes
// are split where the text would be. A separator holding kept bytes splits the texts instead.
PackedTexts splitAt(const EntryBytes& entries, const QString& separator) {
    PackedTexts parts;
    parts.reserve(entries.count, entries.byteCount);
    const QByteArray separatorBytes = encode8Bit(separator);
    const bool onBytes = QStringView(separator).isValidUtf16();
    for (qsizetype i = 0; i < entries.count; ++i) {
        const QByteArrayView entry = entries.at(i);
        if (separator.isEmpty() || (onBytes && !entry.contains(separatorBytes))) {
            parts.append(entry);
        } else if (onBytes) {
            qsizetype from = 0;
            for (qsizetype at; (at = entry.indexOf(separatorBytes, from)) >= 0;
                 from = at + separatorBytes.size())
                parts.append(entry.sliced(from, at - from));
            parts.append(entry.sliced(from));
        } else {
            const QString text = decode8Bit(entry);
            for (const QStringView part : QStringView(text).split(separator))
                appendText(parts, part);
        }
    }
    parts.fit();
    return parts;
}

} // namespace tavrolin
