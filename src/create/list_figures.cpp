#include "list_figures.h"

#include "common/text_encoding.h"

#include <QHash>
#include <QLocale>
#include <algorithm>
#include <cstdlib>
#include <new>
#include <utility>

namespace tavrolin {

namespace {

// The longest run of bytes a character is written in, less one: a character cut at a piece's
// end has at most this many bytes there.
constexpr qsizetype kMaxCut = 3;
constexpr qsizetype kBatch = 16;

bool isContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

bool hasLead(QByteArrayView bytes) {
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) >= 0xC0; });
}

} // namespace

FigureCounter::FigureCounter(qsizetype count, EntryAt entryAt, QByteArray separator)
    : m_count(count)
    , m_entryAt(std::move(entryAt))
    , m_separator(std::move(separator))
    , m_separatorCharacters(decodedLength(m_separator))
    , m_slots(nullptr, std::free) {
    // A table at most three quarters full keeps the probes short.
    qsizetype size = 16;
    while (size < count + count / 3)
        size *= 2;
    m_slots.reset(static_cast<Slot*>(std::calloc(size_t(size), sizeof(Slot))));
    if (!m_slots)
        throw std::bad_alloc();
    m_mask = quint32(size - 1);
}

bool FigureCounter::isKnown(QByteArrayView entry, quint32 hash) {
    for (quint32 slot = hash & m_mask;; slot = (slot + 1) & m_mask) {
        const Slot seen = m_slots[slot];
        if (seen.entry == 0) {
            m_slots[slot] = {quint32(m_figures.entries + 1), hash};
            return false;
        }
        if (seen.hash == hash && m_entryAt(qsizetype(seen.entry) - 1) == entry)
            return true;
    }
}

// The joined characters are the pieces' characters, but for a character whose bytes a join
// brings together (or apart) across a gap: with entries that are not valid UTF-8 the gap can
// end a kept byte's sequence. The few bytes either side of the gap are counted again together.
void FigureCounter::join(QByteArrayView piece, qsizetype characters) {
    if (piece.isEmpty())
        return;
    m_figures.joinedCharacters += characters;
    m_figures.joinedBytes += piece.size();
    const QByteArrayView tail(m_tail, m_tailSize);
    if (isContinuation(piece.front()) && hasLead(tail)) {
        const QByteArray head = piece.first(std::min(piece.size(), kMaxCut)).toByteArray();
        m_figures.joinedCharacters +=
            decodedLength(tail.toByteArray() + head) - decodedLength(tail) - decodedLength(head);
    }
    // The last bytes of the tail and the piece together, the piece's own when it is long.
    char last[2 * kMaxCut];
    const QByteArrayView kept = piece.last(std::min(piece.size(), kMaxCut));
    std::copy(tail.begin(), tail.end(), last);
    std::copy(kept.begin(), kept.end(), last + tail.size());
    const qsizetype size = tail.size() + kept.size();
    m_tailSize = std::min(size, kMaxCut);
    std::copy(last + size - m_tailSize, last + size, m_tail);
}

bool FigureCounter::countMore(qsizetype entries) {
    const qsizetype end = std::min(m_count, m_figures.entries + entries);
    while (m_figures.entries < end) {
        // A batch's slots are asked for before they are needed: on a long list nearly every
        // probe would otherwise wait for memory.
        const qsizetype batch = std::min(kBatch, end - m_figures.entries);
        QByteArrayView entry[kBatch];
        quint32 hash[kBatch];
        for (qsizetype k = 0; k < batch; ++k) {
            entry[k] = m_entryAt(m_figures.entries + k);
            hash[k] = quint32(qHash(entry[k]));
            __builtin_prefetch(&m_slots[hash[k] & m_mask]);
        }
        for (qsizetype k = 0; k < batch; ++k) {
            if (!isKnown(entry[k], hash[k]))
                ++m_figures.distinct;
            if (entry[k].isEmpty())
                ++m_figures.empty;
            if (m_figures.entries > 0)
                join(m_separator, m_separatorCharacters);
            join(entry[k], decodedLength(entry[k]));
            ++m_figures.entries;
        }
    }
    return m_figures.entries == m_count;
}

QList<Figure> figureRows(const ListFigures& figures, const QString& separatorShown) {
    const QLocale english(QLocale::English);
    const auto number = [&](qsizetype n) { return english.toString(n); };
    const qsizetype over = figures.joinedCharacters - kSpreadsheetCellCharacters;
    return {
        {QStringLiteral("Entries"), number(figures.entries)},
        {QStringLiteral("Distinct entries"), number(figures.distinct)},
        {QStringLiteral("Empty entries"), number(figures.empty)},
        {QStringLiteral("Separator"),
         separatorShown.isEmpty() ? QStringLiteral("none yet (\"Other\" asks at the next creation)")
                                  : separatorShown},
        {QStringLiteral("Joined length, characters"), number(figures.joinedCharacters)},
        {QStringLiteral("Joined length, bytes"), number(figures.joinedBytes)},
        {QStringLiteral("Spreadsheet cell (%1 characters)").arg(number(kSpreadsheetCellCharacters)),
         over <= 0   ? QStringLiteral("fits")
         : over == 1 ? QStringLiteral("too long by 1 character")
                     : QStringLiteral("too long by %1 characters").arg(number(over))},
    };
}

} // namespace tavrolin
