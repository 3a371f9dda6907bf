#pragma once

#include "common/entry_tool_options.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <functional>
#include <memory>

namespace tavrolin {

// The most characters a spreadsheet cell holds: the limit a joined list most often meets.
constexpr qsizetype kSpreadsheetCellCharacters = 32767;

// What "List Figures" tells of the entry list and of the list joined with a separator.
struct ListFigures {
    qsizetype entries = 0;
    // Entries that differ in at least one byte from every earlier one.
    qsizetype distinct = 0;
    qsizetype empty = 0;
    // The joined list in UTF-16 units, as the results list and spreadsheets count characters,
    // and in bytes, as it is saved.
    qsizetype joinedCharacters = 0;
    qsizetype joinedBytes = 0;
};

// Counts the figures a part at a time, so that a caller may let window events run between the
// parts. Entries are read through entryAt (from 0) each time they are needed and never kept, so
// a list that grows at its end meanwhile, and moves its bytes, is still counted right.
class FigureCounter {
public:
    using EntryAt = std::function<QByteArrayView(qsizetype index)>;

    FigureCounter(qsizetype count, EntryAt entryAt, QByteArray separator);

    // Counts up to this many more entries; true once all are counted.
    bool countMore(qsizetype entries);
    const ListFigures& figures() const { return m_figures; }

private:
    bool isKnown(QByteArrayView entry, quint32 hash);
    void join(QByteArrayView piece, qsizetype characters);

    qsizetype m_count;
    EntryAt m_entryAt;
    QByteArray m_separator;
    qsizetype m_separatorCharacters;
    ListFigures m_figures;
    // Open addressing over the entries seen, each slot one entry's index + 1 (0 when free)
    // beside its hash, so that a probe reads one place in memory.
    struct Slot {
        quint32 entry;
        quint32 hash;
    };
    // Taken zeroed from the system, so that a large table costs its pages as the count
    // reaches them rather than all before the first event turn.
    std::unique_ptr<Slot[], void (*)(void*)> m_slots;
    quint32 m_mask = 0;
    // The last bytes joined: a character may begin in one piece and end in the next.
    char m_tail[3] = {};
    qsizetype m_tailSize = 0;
};

// The figures as the dialog lists them, the separator shown as the user reads it; an empty
// separatorShown says the separator is still to be asked for and counts as none.
QList<Figure> figureRows(const ListFigures& figures, const QString& separatorShown);

} // namespace tavrolin
