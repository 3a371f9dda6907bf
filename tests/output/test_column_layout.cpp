// How both outputs line their columns up: the widths of the columns and the padded cells.

#include "common/text_encoding.h"
#include "output/column_layout.h"

#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// Columns measured as both outputs measure them: the caption first when there is one, then
// the column's cell of every row.
QList<int> measured(const QStringList& captions, const QList<QStringList>& rows, int columns) {
    ColumnWidths widths;
    for (int c = 0; c < columns; ++c) {
        if (!captions.isEmpty())
            widths.fit(encode8Bit(captions.at(c)));
        for (const QStringList& row : rows)
            widths.fit(encode8Bit(row.at(c)));
        widths.endColumn();
    }
    QList<int> result;
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
    QTest::addColumn<QList<int>>("expected");

    const QList<QStringList> rows{{u"abc"_s, u""_s}, {u"a"_s, u"wxyz"_s}};
    QTest::newRow("rows only") << QStringList() << rows << QList<int>{3, 4, 0};
    QTest::newRow("captions shorter") << QStringList{u"A"_s, u"B"_s} << rows << QList<int>{3, 4, 0};
    QTest::newRow("caption wider than every row")
        << QStringList{u"Caption"_s, u"B"_s} << rows << QList<int>{7, 4, 0};
    QTest::newRow("no rows, captions")
        << QStringList{u"Cap"_s, u""_s} << QList<QStringList>() << QList<int>{3, 0, 0};
    QTest::newRow("no rows, no captions")
        << QStringList() << QList<QStringList>() << QList<int>{0, 0, 0};
    // A column starts from nothing: a wide first column does not widen the second.
    QTest::newRow("each column its own")
        << QStringList() << QList<QStringList>{{u"long first cell"_s, u"x"_s}}
        << QList<int>{15, 1, 0};
    // Lengths are counted in the 16-bit units of the text as decoded, not in its bytes: a
    // character beyond the BMP counts twice, a kept byte (here E9 and a lone continuation
    // byte) once, as does a byte-order mark.
    QTest::newRow("surrogate pair")
        << QStringList() << QList<QStringList>{{u"\U0001F600"_s}} << QList<int>{2, 0};
    QTest::newRow("two- and three-byte characters")
        << QStringList() << QList<QStringList>{{u"Zürich"_s}, {u"東京タワー"_s}}
        << QList<int>{6, 0};
    QTest::newRow("kept bytes") << QStringList()
                                << QList<QStringList>{{u"caf"_s + QChar(0xDCE9) + QChar(0xDC80)}}
                                << QList<int>{5, 0};
    QTest::newRow("byte-order mark and a pair after a kept byte")
        << QStringList() << QList<QStringList>{{u"\uFEFFab"_s}, {QChar(0xDCF0) + u"\U0001F600"_s}}
        << QList<int>{3, 0};
}

void TestColumnLayout::widths() {
    QFETCH(QStringList, captions);
    QFETCH(QList<QStringList>, rows);
    QFETCH(QList<int>, expected);
    QCOMPARE(measured(captions, rows, int(expected.size()) - 1), expected);
}

void TestColumnLayout::paddedCell_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("appended");

    QTest::newRow("shorter") << u"ab"_s << 5 << u"ab   \t"_s;
    QTest::newRow("as wide") << u"abcde"_s << 5 << u"abcde\t"_s;
    QTest::newRow("wider is neither cut nor padded") << u"abcdefg"_s << 5 << u"abcdefg\t"_s;
    QTest::newRow("empty in a wide column") << QString() << 3 << u"   \t"_s;
    QTest::newRow("empty in an empty column") << QString() << 0 << u"\t"_s;
    QTest::newRow("own spaces are kept") << u"a  "_s << 4 << u"a   \t"_s;
    QTest::newRow("padded by characters, not bytes") << u"éé"_s << 4 << u"éé  \t"_s;
    QTest::newRow("a kept byte is one character")
        << u"a"_s + QChar(0xDCFF) << 3 << u"a"_s + QChar(0xDCFF) + u" \t"_s;
}

void TestColumnLayout::paddedCell() {
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, appended);

    // The file writes the cell as its text and a count of spaces; the clipboard appends it.
    const PaddedCell cell = tavrolin::paddedCell(encode8Bit(text), width);
    QCOMPARE(decode8Bit(cell.bytes) + QString(cell.padding, u' ') + u'\t', appended);
    QByteArray line = "before\t";
    appendPaddedCell(line, encode8Bit(text), width);
    QCOMPARE(decode8Bit(line), u"before\t"_s + appended);
}

QTEST_GUILESS_MAIN(TestColumnLayout)
#include "test_column_layout.moc"
