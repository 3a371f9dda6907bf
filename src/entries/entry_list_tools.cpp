#include "entry_list_tools.h"

#include "common/text_encoding.h"
#include "entry_quoting.h"
#include "json_quoted_split.h"
#include "natural_order.h"
#include "tool_table.h"

#include <QHashFunctions>
#include <QStringView>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <new>
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

// The entry with each occurrence of the mark doubled, into `out`. An ASCII mark is a byte of
// its own wherever it occurs (a byte below 0x80 is never part of a longer sequence, nor a kept
// byte), so the bytes are doubled directly; any other mark is looked for in the bytes first
// and doubled in the decoded text, which is exact for a mark that stands for a kept byte or
// half a surrogate pair too.
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

// Keys that are not an entry's own bytes, in blocks that never move, so that a view of a key
// stays valid as more come: one allocation per block rather than one per key. A key is made
// in the room after the kept ones and kept only when it is new, so that a key seen before
// costs neither a copy nor a second look-up.
class KeyStore {
public:
    char* room(qsizetype most) {
        if (m_blocks.empty() || m_blocks.back().size() - m_used < most) {
            m_blocks.emplace_back(std::max(most, kBlockBytes), Qt::Uninitialized);
            m_used = 0;
        }
        return m_blocks.back().data() + m_used;
    }

    // Keeps the key when it was made in the room.
    void keep(QByteArrayView key) {
        if (!m_blocks.empty() && key.data() == m_blocks.back().constData() + m_used)
            m_used += key.size();
    }

private:
    static constexpr qsizetype kBlockBytes = 1 << 20;
    std::vector<QByteArray> m_blocks;
    qsizetype m_used = 0;
};

// The distinct keys, numbered from 0 in the order they first come, in a table whose whole room
// is taken before the first key: adding a key never allocates. (A QHash inserts in code that may
// not throw, so memory running out while it grows would end the program.) Each slot holds the
// key's number + 1 in its low bits and the top of the key's hash above them, so that a probe
// reads the key itself only when the hashes agree; a slot of 0 is free.
class DistinctKeys {
public:
    explicit DistinctKeys(qsizetype most) : m_slots(nullptr, std::free) {
        // At most three quarters full, so that the probes stay short.
        size_t size = 16;
        while (size < size_t(most + most / 3))
            size *= 2;
        m_slots.reset(static_cast<quint64*>(std::calloc(size, sizeof(quint64))));
        if (!m_slots)
            throw std::bad_alloc();
        m_mask = size - 1;
        m_keys.reserve(size_t(most));
    }

    // The key's number; `isNew` tells whether it came now. The key must outlive the table.
    qsizetype numberOf(QByteArrayView key, bool& isNew) {
        const size_t hash = qHash(key, m_seed);
        const quint64 tag = quint64(hash) >> kNumberBits << kNumberBits;
        for (size_t slot = hash & m_mask;; slot = (slot + 1) & m_mask) {
            const quint64 seen = m_slots[slot];
            if (seen == 0) {
                isNew = true;
                m_keys.push_back(key);
                m_slots[slot] = tag | quint64(m_keys.size());
                return qsizetype(m_keys.size()) - 1;
            }
            const auto number = qsizetype(seen & kNumberMask) - 1;
            if ((seen & ~kNumberMask) == tag && m_keys[size_t(number)] == key) {
                isNew = false;
                return number;
            }
        }
    }

private:
    // Numbers up to 2^40 - 1: no list that fits in memory holds more entries.
    static constexpr int kNumberBits = 40;
    static constexpr quint64 kNumberMask = (quint64(1) << kNumberBits) - 1;
    std::unique_ptr<quint64[], void (*)(void*)> m_slots;
    size_t m_mask = 0;
    std::vector<QByteArrayView> m_keys;
    size_t m_seed = QHashSeed::globalSeed();
};

// What an entry is compared by under the rules, as bytes: the entry's own where nothing is
// ignored or nothing it holds is affected, else trimmed and folded as the rules say, made in
// the store's room. Only an ASCII capital or a byte beyond ASCII may fold.
QByteArrayView keyOf(QByteArrayView entry, const DuplicateRules& rules, KeyStore& store) {
    if (rules.ignoreSpaces)
        entry = trimmed8Bit(entry);
    if (!rules.ignoreCase)
        return entry;
    const auto folds = [](char c) {
        return static_cast<unsigned char>(c) >= 0x80 || (c >= 'A' && c <= 'Z');
    };
    const auto first = std::find_if(entry.begin(), entry.end(), folds);
    if (first == entry.end())
        return entry;
    const qsizetype same = first - entry.begin();
    char* const key = store.room(caseFoldRoom(entry.size()));
    std::copy(entry.begin(), first, key);
    return {key, same + caseFold8Bit(entry.sliced(same), key + same)};
}

// Gives each part of the entry to `emit`, in order, as the comment on splitAt says; the quote
// 0 stands for none. The same for bytes and for text: `field` is where a quoted part is
// built, kept from entry to entry for its room.
template <class View, class Char, class Field, class Emit>
void splitEntry(View entry, View separator, Char quote, Field& field, const Emit& emit) {
    const bool quoting = quote != Char(0);
    qsizetype from = 0;
    for (;;) {
        if (!quoting || from == entry.size() || entry[from] != quote) {
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
            const qsizetype at = entry.indexOf(quote, next);
            if (at < 0) // never closed: the rest stays as it stands
                return emit(entry.sliced(from));
            field.append(entry.sliced(next, at - next));
            next = at + 1;
            if (next == entry.size() || entry[next] != quote)
                break;
            field.append(quote); // a doubled quote
            ++next;
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

QLocale sortingLocale() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::English) : system;
}

PackedTexts sortedNaturally(const EntryBytes& entries, bool descending, const QLocale& locale) {
    // Decoded into each thread's own room: a text allocated per entry would, near the memory's
    // limit, have a thread's every allocation wait on a page of its own.
    const auto textAt = [&entries](qsizetype index, QString& room) {
        return decode8Bit(entries.at(index), room);
    };
    return gathered(entries, naturalOrder(entries.count, textAt, descending, locale));
}

PackedTexts reversed(const EntryBytes& entries) {
    std::vector<qsizetype> order(size_t(entries.count));
    std::iota(order.rbegin(), order.rend(), qsizetype(0));
    return gathered(entries, order);
}

// The encoding is reversible, so entries with equal bytes are exactly the equal texts, and
// the texts an entry stands for under the rules are equal exactly when their bytes are.
PackedTexts withoutDuplicates(const EntryBytes& entries, const DuplicateRules& rules) {
    // Each entry's group of equal entries; for each group, where it begins and ends and how
    // many entries it holds.
    struct Group {
        qsizetype first;
        qsizetype last;
        qsizetype count;
    };
    // Keeping the first of each needs only whether an entry's key is new: no group for each
    // entry, which would cost a long list of distinct entries 32 bytes apiece.
    const bool firstOnly = rules.keep == DuplicateRules::Keep::First;
    DistinctKeys groupOf(entries.count);
    std::vector<qsizetype> groupAt(firstOnly ? 0 : size_t(entries.count));
    std::vector<Group> groups;
    KeyStore store;
    PackedTexts kept;
    kept.reserve(entries.count, entries.byteCount);
    for (qsizetype i = 0; i < entries.count; ++i) {
        const QByteArrayView key = keyOf(entries.at(i), rules, store);
        // One look-up for each entry; a key's number is its group's. The entries outlive the
        // comparison, so only a new key made for it needs keeping.
        bool isNew = false;
        const qsizetype number = groupOf.numberOf(key, isNew);
        if (isNew)
            store.keep(key);
        if (firstOnly) {
            if (isNew)
                kept.append(entries.at(i));
            continue;
        }
        if (isNew)
            groups.push_back({i, i, 0});
        Group& group = groups[size_t(number)];
        group.last = i;
        ++group.count;
        groupAt[size_t(i)] = number;
    }
    const auto stays = [&rules](const Group& group, qsizetype i) {
        switch (rules.keep) {
        case DuplicateRules::Keep::First:
            return i == group.first;
        case DuplicateRules::Keep::Last:
            return i == group.last;
        case DuplicateRules::Keep::Once:
            return group.count == 1;
        case DuplicateRules::Keep::Repeated:
            break;
        }
        return group.count > 1 && i == group.first;
    };
    for (qsizetype i = 0; !firstOnly && i < entries.count; ++i) {
        if (stays(groups[size_t(groupAt[size_t(i)])], i))
            kept.append(entries.at(i));
    }
    kept.fit();
    return kept;
}

PackedTexts withSpacesTrimmed(const EntryBytes& entries, qsizetype* changed) {
    qsizetype changes = 0;
    PackedTexts trimmed;
    trimmed.reserve(entries.count, entries.byteCount);
    for (qsizetype i = 0; i < entries.count; ++i) {
        // Cut from the bytes, as the duplicate rules' keys are: a kept byte is never white
        // space, and nothing is decoded.
        const QByteArrayView entry = entries.at(i);
        const QByteArrayView kept = trimmed8Bit(entry);
        changes += kept.size() != entry.size();
        trimmed.append(kept);
    }
    if (changed)
        *changed = changes;
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
    if (wrap.quoting)
        return quotedEntries(entries, *wrap.quoting);
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
// are split where the text would be; the quotes are ASCII, bytes of their own. A separator
// holding kept bytes splits the texts instead.
PackedTexts splitAt(const EntryBytes& entries, const QString& separator, QuoteStyle quotes) {
    PackedTexts parts;
    parts.reserve(entries.count, entries.byteCount);
    const char quote = quotes == QuoteStyle::Single ? '\'' : quotes == QuoteStyle::None ? 0 : '"';
    const bool json = quotes == QuoteStyle::Json;
    const QByteArray separatorBytes = encode8Bit(separator);
    const bool onBytes = QStringView(separator).isValidUtf16();
    QByteArray bytesField;
    QString textField;
    for (qsizetype i = 0; i < entries.count; ++i) {
        const QByteArrayView entry = entries.at(i);
        if (separator.isEmpty() || (onBytes && quote == 0 && !entry.contains(separatorBytes))) {
            parts.append(entry);
        } else if (onBytes && json) {
            splitJsonQuoted(entry, QByteArrayView(separatorBytes), bytesField,
                            [&parts](QByteArrayView part) { parts.append(part); });
        } else if (onBytes) {
            splitEntry(entry, QByteArrayView(separatorBytes), quote, bytesField,
                       [&parts](QByteArrayView part) { parts.append(part); });
        } else if (json) {
            splitJsonQuoted(QStringView(decode8Bit(entry)), QStringView(separator), textField,
                            [&parts](QStringView part) { appendText(parts, part); });
        } else {
            const QString text = decode8Bit(entry);
            splitEntry(QStringView(text), QStringView(separator), QChar::fromLatin1(quote),
                       textField, [&parts](QStringView part) { appendText(parts, part); });
        }
    }
    parts.fit();
    return parts;
}

ToolResult applied(EntryListTool tool, const EntryBytes& entries, const ToolChoices& choices) {
    return toolRow(tool).transform(entries, choices);
}

} // namespace tavrolin
