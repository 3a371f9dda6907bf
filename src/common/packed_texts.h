#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

namespace tavrolin {

// A sequence of texts kept as their 8-bit bytes in one block, each text ending where the next
// begins. A million short texts cost their bytes and one offset each, not a million
// allocations, and a text loaded from a file is kept as the bytes it came in: it is decoded
// only where it is shown or edited. Appending is amortised constant; inserting or taking in the
// middle moves what follows. A sequence of one text takes that text in and hands it out shared,
// so a single long text (a created list of millions of bytes) is never copied.
class PackedTexts {
public:
    qsizetype size() const { return m_ends.size(); }
    bool isEmpty() const { return m_ends.isEmpty(); }
    // The bytes of all texts together.
    qsizetype byteCount() const { return m_bytes.size(); }

    // Valid until the texts next change.
    QByteArrayView at(qsizetype i) const {
        return QByteArrayView(m_bytes).sliced(startOf(i), m_ends[i] - startOf(i));
    }

    // A copy of the bytes of text i; shared when it is the only one.
    QByteArray bytes(qsizetype i) const;
    // Text i decoded as decode8Bit does.
    QString text(qsizetype i) const;

    // Room for this many texts and bytes in all, so that building a sequence of known size
    // allocates once.
    void reserve(qsizetype texts, qsizetype bytes);
    // Gives back the room reserved beyond the texts when it is more than a quarter of it: a
    // sequence that ended much smaller than reserved would hold that room as long as it lives,
    // while a little is cheaper kept than copied away.
    void fit();

    void append(QByteArray&& bytes);
    void append(QByteArrayView bytes);
    // Stored as encode8Bit encodes it.
    void append(QStringView text);
    // Into an empty sequence the block moves in without a copy.
    void append(PackedTexts&& texts);
    void insert(qsizetype i, PackedTexts&& texts);
    // The count texts from first on, taken out; taking them all moves the block without a copy.
    PackedTexts take(qsizetype first, qsizetype count);

private:
    qsizetype startOf(qsizetype i) const { return i == 0 ? 0 : m_ends[i - 1]; }
    void shiftEnds(qsizetype from, qsizetype by);
    // Makes the ends a list of this sequence's own, as a change in place needs.
    void ownEnds();

    QByteArray m_bytes;
    QList<qsizetype> m_ends;
};

} // namespace tavrolin
