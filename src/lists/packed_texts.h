#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace tavrolin {

// A sequence of texts kept in one block of characters, each text ending where the next begins.
// A million short texts cost their characters and one offset each, not a million allocations.
// Appending is amortised constant; inserting or taking in the middle moves what follows.
// A sequence of one text takes that text in and hands it out shared, so a single long text (a
// created list of millions of characters) is never copied.
class PackedTexts {
public:
    qsizetype size() const { return m_ends.size(); }
    bool isEmpty() const { return m_ends.isEmpty(); }

    // Valid until the texts next change.
    QStringView at(qsizetype i) const {
        return QStringView(m_chars).sliced(startOf(i), m_ends[i] - startOf(i));
    }

    // A copy of text i; shared when it is the only one.
    QString text(qsizetype i) const;

    void append(QString&& text);
    void append(QStringView text);
    // Into an empty sequence the block moves in without a copy.
    void append(PackedTexts&& texts);
    void insert(qsizetype i, PackedTexts&& texts);
    // The count texts from first on, taken out; taking them all moves the block without a copy.
    PackedTexts take(qsizetype first, qsizetype count);

private:
    qsizetype startOf(qsizetype i) const { return i == 0 ? 0 : m_ends[i - 1]; }
    void shiftEnds(qsizetype from, qsizetype by);

    QString m_chars;
    QList<qsizetype> m_ends;
};

} // namespace tavrolin
