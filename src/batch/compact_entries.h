#pragma once

#include "entries/entry_list_tools.h"

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

namespace tavrolin {

// The entries a batch job gathers for its first tool: their bytes in one block and the low 32
// bits of where each ends. The few entries whose end lies in a further 4 GiB of the block are
// listed apart, so an entry costs 4 bytes beside its text, not the 8 a list of offsets takes:
// ten million entries fit in 40 MB less while a tool builds the next list beside them.
class CompactEntries {
public:
    // The bits of an end kept per entry; fewer only to test the boundaries on small texts.
    explicit CompactEntries(int lowBits = 32) : m_lowBits(lowBits) {}

    void reserve(qsizetype bytes);
    void append(QByteArrayView entry);
    qsizetype size() const { return qsizetype(m_lowEnds.size()); }
    qsizetype byteCount() const { return m_bytes.size(); }
    QByteArrayView at(qsizetype i) const;
    // The entries as the tools read them, valid while these stay unchanged.
    EntryBytes view() const;
    // Gives the memory back.
    void clear();

private:
    qint64 endOf(qsizetype i) const;

    int m_lowBits;
    QByteArray m_bytes;
    std::vector<quint32> m_lowEnds;
    // For each further 2^lowBits bytes an end passes, the first entry that ends beyond it.
    std::vector<qsizetype> m_wraps;
};

} // namespace tavrolin
