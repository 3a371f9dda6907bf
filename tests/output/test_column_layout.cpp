// How both outputs line their columns up: the widths of the columns and the padded cells.

#include "common/text_encoding.h"
#include "output/column_layout.h"
#include "output/copied_text.h"

#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// Columns measured as both outputs measure them: the caption first when there is one, then
// the column's cell of every row.
QList<qsizetype> measured(const QStringList& captions, const QList<QStringList>& rows,
                          int columns) {
    ColumnWidths widths;
    for (int c = 0; c < columns; ++c) {
        if (!captions.isEmpty())
            widths.fit(encode8Bit(captions.at(c)));
        for (const QStringList& row : rows)
            widths.fit(encode8Bit(row.at(c)));
        widths.endColumn();
    }
    QList<qsizetype> result;
    for (int c = 1; c <= columns + 1; ++c)
        result.append(widths.of(c));
    return result;
}

} // namespace

class TestColumnLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void widths_data();
    void widths();
    void paddedCell_data();
    void paddedCell();
};

void TestColumnLayout::widths_data() {
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<QStringList>>("rows");
    // One width per column, then 0 for the column after the last.
    QTest::addColumn<QList<qsizetype>>("expected");

    const QList<QStringList> rows{{u"abc"_s, u""_s}, {u"a"_s, u"wxyz"_s}};
    QTest::newRow("rows only") << QStringList() << rows << QList<qsizetype>{3, 4, 0};
    QTest::newRow("captions shorter")
        << QStringList{u"A"_s, u"B"_s} << rows << QList<qsizetype>{3, 4, 0};
    QTest::newRow("caption wider than every row")
        << QStringList{u"Caption"_s, u"B"_s} << rows << QList<qsizetype>{7, 4, 0};
    QTest::newRow("no rows, captions")
        << QStringList{u"Cap"_s, u""_s} << QList<QStringList>() << QList<qsizetype>{3, 0, 0};
    QTest::newRow("no rows, no captions")
        << QStringList() << QList<QStringList>() << QList<qsizetype>{0, 0, 0};
    // A column starts from nothing: a wide first column does not widen the second.
    QTest::newRow("each column its own")
        << QStringList() << QList<QStringList>{{u"long first cell"_s, u"x"_s}}
        << QList<qsizetype>{15, 1, 0};
    // Lengths are counted in the 16-bit units of the text as decoded, not in its bytes: a
    // character beyond the BMP counts twice, a kept byte (here E9 and a lone continuation
    // byte) once, as does a byte-order mark.
    QTest::newRow("surrogate pair")
        << QStringList() << QList<QStringList>{{u"\U0001F600"_s}} << QList<qsizetype>{2, 0};
    QTest::newRow("two- and three-byte characters")
        << QStringList() << QList<QStringList>{{u"Zürich"_s}, {u"東京タワー"_s}}
        << QList<qsizetype>{6, 0};
    QTest::newRow("kept bytes") << QStringList()
                                << QList<QStringList>{{u"caf"_s + QChar(0xDCE9) + QChar(0xDC80)}}
                                << QList<qsizetype>{5, 0};
    QTest::newRow("byte-order mark and a pair after a kept byte")
        << QStringList() << QList<QStringList>{{u"\uFEFFab"_s}, {QChar(0xDCF0) + u"\U0001F600"_s}}
        << QList<qsizetype>{3, 0};
}

void TestColumnLayout::widths() {
    QFETCH(QStringList, captions);
    QFETCH(QList<QStringList>, rows);
    QFETCH(QList<qsizetype>, expected);
    QCOMPARE(measured(captions, rows, int(expected.size()) - 1), expected);
}

void TestColumnLayout::paddedCell_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("width");
    QTest::addColumn<qsizetype>("padding");

    using W = qsizetype;
    QTest::newRow("shorter") << u"ab"_s << W(5) << W(3);
    QTest::newRow("as wide") << u"abcde"_s << W(5) << W(0);
    QTest::newRow("wider is neither cut nor padded") << u"abcdefg"_s << W(5) << W(0);
    QTest::newRow("empty in a wide column") << QString() << W(3) << W(3);
    QTest::newRow("empty in an empty column") << QString() << W(0) << W(0);
    QTest::newRow("own spaces are kept") << u"a  "_s << W(4) << W(1);
    QTest::newRow("padded by characters, not bytes") << u"éé"_s << W(4) << W(2);
    QTest::newRow("a kept byte is one character") << u"a"_s + QChar(0xDCFF) << W(3) << W(1);
    QTest::newRow("column wider than 2^32 units")
        << u"ab"_s << (W(1) << 32) + 7 << (W(1) << 32) + 5;
}

void TestColumnLayout::paddedCell() {
    QFETCH(QString, text);
    QFETCH(qsizetype, width);
    QFETCH(qsizetype, padding);

    // The file writes the cell as its text and a count of spaces; the clipboard appends it.
    ColumnWidths widths;
    widths.widen(width);
    widths.endColumn();
    QCOMPARE(widths.of(1), width);
    const PaddedCell cell = widths.padded(encode8Bit(text), 1);
    QCOMPARE(decode8Bit(cell.bytes), text);
    QCOMPARE(cell.padding, padding);
    if (padding > 1024)
        return; // the spaces themselves would take gigabytes
    CopiedText line;
    line.append("before\t");
    line.appendPaddedCell(cell);
    QCOMPARE(decode8Bit(line.pieces().join()),
             u"before\t"_s + text + QString(padding, u' ') + u'\t');
}

QTEST_GUILESS_MAIN(TestColumnLayout)
#include "test_column_layout.moc"
