// The entry list's figures: distinct and empty entries, and the joined length in characters
// and bytes, where a join can bring the bytes of one character together.

#include "common/text_encoding.h"
#include "create/list_figures.h"

#include <QByteArrayList>
#include <QRandomGenerator>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

ListFigures count(const QByteArrayList& entries, const QByteArray& separator, qsizetype part) {
    FigureCounter counter(
        entries.size(), [&](qsizetype i) { return QByteArrayView(entries.at(i)); }, separator);
    while (!counter.countMore(part)) {
    }
    return counter.figures();
}

} // namespace

class TestListFigures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void figures_data();
    void figures();
    void joinedLengthAsTheResultCountsIt();
    void rows_data();
    void rows();
};

void TestListFigures::figures_data() {
    QTest::addColumn<QByteArrayList>("entries");
    QTest::addColumn<QByteArray>("separator");
    // Entries, distinct, empty, joined characters, joined bytes.
    QTest::addColumn<QList<qsizetype>>("expected");

    const auto row = [](const char* name, const QByteArrayList& entries,
                        const QByteArray& separator, const QList<qsizetype>& expected) {
        QTest::newRow(name) << entries << separator << expected;
    };
    row("no entries", {}, ", ", {0, 0, 0, 0, 0});
    row("duplicates and an empty entry", {"a", "b", "a", "", ""}, ", ", {5, 3, 2, 11, 11});
    // Exact bytes: case and trailing spaces make entries differ.
    row("case and spaces differ", {"A", "a", "a "}, "", {3, 3, 0, 4, 4});
    row("NULs differ by count", {"\0"_ba, "\0\0"_ba, "\0"_ba}, ";", {3, 2, 0, 6, 6});
    row("four-byte character counts two", {"\xF0\x9F\x98\x80", "\xC3\xA9"}, ",", {2, 2, 0, 4, 7});
    // Kept bytes that the join makes one character: the result shows one, and so must this.
    row("halves joined", {"\xC3", "\xA9"}, "", {2, 2, 0, 1, 2});
    row("halves across empty entries", {"\xF0\x9F", "", "\x98", "", "\x80"}, "", {5, 4, 2, 2, 4});
    row("separator completes a character", {"\xE2\x82", "x"}, "\xAC", {2, 2, 0, 2, 4});
}

void TestListFigures::figures() {
    QFETCH(QByteArrayList, entries);
    QFETCH(QByteArray, separator);
    QFETCH(QList<qsizetype>, expected);
    // Counted at once and an entry at a time, as the window counts between event turns.
    for (qsizetype part : {qsizetype(1000), qsizetype(1)}) {
        const ListFigures f = count(entries, separator, part);
        QCOMPARE(
            (QList<qsizetype>{f.entries, f.distinct, f.empty, f.joinedCharacters, f.joinedBytes}),
            expected);
    }
}

// Against the result itself, for lists of pieces of characters that join in every way.
void TestListFigures::joinedLengthAsTheResultCountsIt() {
    const QByteArrayList pieces{"\xC3", "\xA9", "\xE2\x82", "\xAC", "\xF0", "\x9F\x98",
                                "\x80", "a",    "\xED",     "\xA0", "\xFF", ""};
    const QByteArrayList separators{"", ",", "\x80", "\xE2"};
    QRandomGenerator random(2021);
    for (int round = 0; round < 2000; ++round) {
        QByteArrayList entries;
        for (int e = random.bounded(6); e > 0; --e) {
            QByteArray entry;
            for (int p = random.bounded(3); p > 0; --p)
                entry += pieces.at(random.bounded(pieces.size()));
            entries.append(entry);
        }
        const QByteArray separator = separators.at(random.bounded(separators.size()));
        const QByteArray joined = entries.join(separator);
        const ListFigures f = count(entries, separator, 2);
        QVERIFY2(f.joinedCharacters == decodedLength(joined), joined.toHex(' ').constData());
        QCOMPARE(f.joinedBytes, joined.size());
    }
}

void TestListFigures::rows_data() {
    QTest::addColumn<qsizetype>("characters");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("shown"); // the separator, the length, the cell

    const auto row = [](const char* name, qsizetype characters, const QString& separator,
                        const QStringList& shown) {
        QTest::newRow(name) << characters << separator << shown;
    };
    row("fits a cell exactly", 32767, u"\", \""_s, {u"\", \""_s, u"32,767"_s, u"fits"_s});
    row("one too many", 32768, u"\",\""_s, {u"\",\""_s, u"32,768"_s, u"too long by 1 character"_s});
    row("far too long", 1032767, u"\"\""_s,
        {u"\"\""_s, u"1,032,767"_s, u"too long by 1,000,000 characters"_s});
    row("separator still to be asked", 0, QString(),
        {u"none yet (\"Other\" asks at the next creation)"_s, u"0"_s, u"fits"_s});
}

void TestListFigures::rows() {
    QFETCH(qsizetype, characters);
    QFETCH(QString, separator);
    QFETCH(QStringList, shown);
    ListFigures figures;
    figures.joinedCharacters = characters;
    const QList<Figure> rows = figureRows(figures, separator);
    QCOMPARE(rows.size(), 7);
    QCOMPARE(rows.at(6).label, u"Spreadsheet cell (32,767 characters)"_s);
    QCOMPARE((QStringList{rows.at(3).value, rows.at(4).value, rows.at(6).value}), shown);
}

QTEST_MAIN(TestListFigures)
#include "test_list_figures.moc"
