#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <functional>

namespace tavrolin {

// How entries are joined: a separator between each two; with a group size, every groupSize
// entries form a group of their own, written as before + the joined entries + after.
struct JoinShape {
    QByteArray separator;
    // 0: all the entries form one group.
    qsizetype groupSize = 0;
    QByteArray before;
    QByteArray after;
};

// Joins entries in order, as bytes, whatever they encode. The window and the command line both
// join through it, so both give the same bytes for the same entries.
//
// Streamed, the sink receives the bytes in blocks of at least kBlockBytes (less only where a
// group ends) and rowEnd is called after each group's last byte, so a join of any length needs
// one block of memory. As rows, each group comes as one array of its own, which a list takes in
// without a copy.
class EntryJoin {
public:
    using Sink = std::function<void(QByteArrayView)>;
    using RowEnd = std::function<void()>;
    using RowSink = std::function<void(QByteArray)>;

    static constexpr qsizetype kBlockBytes = 256 * 1024;

    EntryJoin(JoinShape shape, Sink sink, RowEnd rowEnd);
    EntryJoin(JoinShape shape, RowSink rowSink);

    // Room for this many more bytes, taken at once: a join whose length is known up front
    // allocates once.
    void reserve(qsizetype bytes);
    // Takes effect from the next gap between two entries of a group.
    void setSeparator(QByteArray separator);
    void add(QByteArrayView entry);
    // Ends the last group, however few entries it has. No entries make no group.
    void finish();

private:
    void append(QByteArrayView bytes);
    void endGroup();
    void flush();

    JoinShape m_shape;
    Sink m_sink;
    RowEnd m_rowEnd;
    RowSink m_rowSink;
    // The bytes not yet handed on; only the first m_used of them are joined bytes.
    QByteArray m_bytes;
    qsizetype m_used = 0;
    qsizetype m_inGroup = 0;
};

} // namespace tavrolin
