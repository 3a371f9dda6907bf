// The join both the window and the command line use: groups, the texts around them, a
// separator changed midway, and the blocks a stream receives.

#include "create/entry_join.h"

#include <QByteArrayList>
#include <QTest>

using namespace tavrolin;

Q_DECLARE_METATYPE(JoinShape)

namespace {

JoinShape shapeOf(const QByteArray& separator, qsizetype groupSize = 0,
                  const QByteArray& before = {}, const QByteArray& after = {}) {
    return {separator, groupSize, before, after};
}

} // namespace

class TestEntryJoin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void join_data();
    void join();
    void streamedInBlocks();
};

void TestEntryJoin::join_data() {
    QTest::addColumn<JoinShape>("shape");
    QTest::addColumn<QByteArrayList>("entries");
    // From this entry on (counted from 0) the separator is "|"; -1: never changed.
    QTest::addColumn<int>("changeAt");
    QTest::addColumn<QByteArrayList>("rows");

    const auto row = [](const char* name, const JoinShape& shape, const QByteArrayList& entries,
                        const QByteArrayList& rows, int changeAt = -1) {
        QTest::newRow(name) << shape << entries << changeAt << rows;
    };

    const QByteArrayList abcde = {"a", "b", "c", "d", "e"};
    row("one group", shapeOf(", "), abcde, {"a, b, c, d, e"});
    row("no entries, no row", shapeOf(","), {}, {});
    row("empty entries keep their gaps", shapeOf(","), {"", "x", ""}, {",x,"});
    row("groups of two, last partial", shapeOf(",", 2, "IN (", ")"), abcde,
        {"IN (a,b)", "IN (c,d)", "IN (e)"});
    row("groups that fit exactly", shapeOf(";", 5, "<", ">"), abcde, {"<a;b;c;d;e>"});
    row("groups of one", shapeOf(",", 1, "'", "'"), {"a", "b"}, {"'a'", "'b'"});
    row("group larger than the list", shapeOf(",", 1000, "(", ")"), abcde, {"(a,b,c,d,e)"});
    row("separator changed from the next gap", shapeOf(","), abcde, {"a,b|c|d|e"}, 2);
    row("separator changed at a group's start", shapeOf(",", 2), abcde, {"a,b", "c|d", "e"}, 2);
    // Bytes that are not UTF-8 and NULs pass as they are.
    row("bytes kept", shapeOf(QByteArray("\0", 1)), {"\xe9", QByteArray("\0x", 2)},
        {QByteArray("\xe9\0\0x", 4)});
}

void TestEntryJoin::join() {
    QFETCH(JoinShape, shape);
    QFETCH(QByteArrayList, entries);
    QFETCH(int, changeAt);
    QFETCH(QByteArrayList, rows);

    // As rows, and streamed with the row ends marked: both must give the same rows.
    QByteArrayList asRows;
    QByteArrayList streamed;
    QByteArray current;
    EntryJoin rowJoin(shape, [&](QByteArray row) { asRows.append(row); });
    EntryJoin streamJoin(
        shape, [&](QByteArrayView bytes) { current += bytes; },
        [&] { streamed.append(std::exchange(current, {})); });
    for (qsizetype i = 0; i < entries.size(); ++i) {
        for (EntryJoin* join : {&rowJoin, &streamJoin}) {
            if (i == changeAt)
                join->setSeparator("|");
            join->add(entries.at(i));
        }
    }
    rowJoin.finish();
    streamJoin.finish();
    QCOMPARE(asRows, rows);
    QCOMPARE(streamed, rows);
    QVERIFY(current.isEmpty());
}

// A stream of any length is handed on in large blocks, a long entry without a copy, and no
// byte is held back at the end.
void TestEntryJoin::streamedInBlocks() {
    const qsizetype block = EntryJoin::kBlockBytes;
    const QByteArray longEntry(block * 3, 'L');
    QByteArray joined;
    QList<qsizetype> sizes;
    int rowEnds = 0;
    EntryJoin join(
        shapeOf(","),
        [&](QByteArrayView bytes) {
            joined += bytes;
            sizes.append(bytes.data() == longEntry.data() ? -1 : bytes.size());
        },
        [&] { ++rowEnds; });
    QByteArray expected;
    for (int i = 0; i < 100000; ++i) {
        const QByteArray entry = i == 50000 ? longEntry : QByteArray::number(i);
        join.add(entry);
        expected += (i == 0 ? "" : ",") + entry;
    }
    join.finish();
    QCOMPARE(joined, expected);
    QCOMPARE(rowEnds, 1);
    QCOMPARE(sizes.count(-1), 1);
    for (qsizetype i = 0; i + 1 < sizes.size(); ++i) {
        // Only the block before the long entry, and the last, may be short.
        if (sizes.at(i) != -1 && sizes.at(i + 1) != -1)
            QVERIFY2(sizes.at(i) >= block, qPrintable(QString::number(i)));
    }
}

QTEST_MAIN(TestEntryJoin)
#include "test_entry_join.moc"
