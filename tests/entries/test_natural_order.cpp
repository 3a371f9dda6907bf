// The natural order against QCollator itself: with numeric mode and case-insensitivity,
// QCollator::compare through a stable sort is the order the sorts must give, in any locale.

#include "entries/entry_list_tools.h"
#include "entries/natural_order.h"
#include "packed_entries.h"

#include <QCollator>
#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <new>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// Bytes that are not UTF-8, as the lists hold them.
const QString kKeptBytes = u"caf"_s + QChar(0xDCE9) + QChar(0xDCFF);

QStringList collatorOrder(QStringList entries, bool descending, const QLocale& locale) {
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries.begin(), entries.end(), [&](const QString& a, const QString& b) {
        const int order = collator.compare(a, b);
        return descending ? order > 0 : order < 0;
    });
    return entries;
}

// Entries built from pieces that collate awkwardly: digits, case, precomposed and decomposed
// accents with their marks in either order, letters some languages sort apart, characters the
// collation ignores, kept bytes, a character beyond the Basic Multilingual Plane.
QStringList generated(int count, quint32 seed) {
    const QStringList pieces{u"a"_s,
                             u"A"_s,
                             u"b"_s,
                             u"Z"_s,
                             u"\u00e9"_s,
                             u"E\u0301"_s,
                             u"e"_s,
                             u"a\u0323\u0301"_s,
                             u"a\u0301\u0323"_s,
                             u"\u00e4"_s,
                             u"\u00c4"_s,
                             u"ae"_s,
                             u"\u00e5"_s,
                             u"\u00f6"_s,
                             u"\u00f8"_s,
                             u"\u00df"_s,
                             u"ss"_s,
                             u"0"_s,
                             u"007"_s,
                             u"2"_s,
                             u"10"_s,
                             u"99"_s,
                             u" "_s,
                             u"-"_s,
                             u"."_s,
                             u"\u200b"_s,
                             QString(QChar(0)),
                             QString(QChar(0xDC80)),
                             kKeptBytes,
                             u"\u6771"_s,
                             u"\U0001F600"_s};
    QRandomGenerator random(seed);
    QStringList entries;
    for (int i = 0; i < count; ++i) {
        QString entry;
        for (int n = int(random.bounded(5)); n > 0; --n)
            entry += pieces[random.bounded(int(pieces.size()))];
        entries.append(entry);
    }
    return entries;
}

} // namespace

class TestNaturalOrder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void asTheCollatorSorts_data();
    void asTheCollatorSorts();
    void aFailureOnAnyPartReachesTheCaller();
};

void TestNaturalOrder::asTheCollatorSorts_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("parts"); // 0: as many as the machine's cores

    const QLocale english(QLocale::English);
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    const QStringList umlauts{u"z"_s, u"\u00e4"_s, u"ae"_s,     u"a"_s, u"\u00c4"_s,
                              u"o"_s, u"\u00f6"_s, u"\u00e5"_s, u"b"_s};
    QTest::newRow("numbers") << english
                             << QStringList{u"a10"_s,
                                            u"a2"_s,
                                            u"a02"_s,
                                            u"a1.5"_s,
                                            u"a-3"_s,
                                            u"10"_s,
                                            u"9"_s,
                                            u"a"_s,
                                            u"12345678901234567890"_s,
                                            u"12345678901234567891"_s}
                             << 0;
    const QStringList equalKeys{
        u"b"_s, u"B"_s, u"a"_s, u"b"_s, u"A"_s, u"\u00c9t\u00e9"_s, u"\u00e9t\u00e9"_s};
    QTest::newRow("case, equal keys") << english << equalKeys << 0;
    QTest::newRow("case, equal keys, in 3 parts") << english << equalKeys << 3;
    QTest::newRow("generated, in 1 part") << english << generated(3'000, 5) << 1;
    QTest::newRow("generated, in 3 parts") << english << generated(3'000, 5) << 3;
    QTest::newRow("generated, in 8 parts, the last shorter") << english << generated(3'001, 6) << 8;
    QTest::newRow("empty and ignorable")
        << english
        << QStringList{u"b"_s, u""_s, u"\u200b"_s, QString(QChar(0)), u""_s, u" "_s, u"a"_s} << 0;
    QTest::newRow("kept bytes")
        << english << QStringList{kKeptBytes, u"caf\u00e9"_s,      QString(QChar(0xDC80)),
                                  u"cafe"_s,  kKeptBytes + u"2"_s, u"caf"_s}
        << 0;
    QTest::newRow("German umlauts") << german << umlauts << 0;
    QTest::newRow("Swedish umlauts") << swedish << umlauts << 0;
    QTest::newRow("generated") << english << generated(3'000, 1) << 0;
    QTest::newRow("generated, German") << german << generated(3'000, 2) << 0;
    QTest::newRow("generated, Swedish") << swedish << generated(3'000, 3) << 0;
    // Long enough to be worked in as many parts as the machine has cores.
    QTest::newRow("long, in parts") << english << generated(60'000, 4) << 0;
}

void TestNaturalOrder::asTheCollatorSorts() {
    QFETCH(QLocale, locale);
    QFETCH(QStringList, entries);
    QFETCH(int, parts);

    for (const bool descending : {false, true}) {
        const QStringList expected = collatorOrder(entries, descending, locale);
        const testing::PackedEntries packed(entries);
        QCOMPARE(testing::textsOf(sortedNaturally(packed.bytes(), descending, locale)), expected);
        // A store read into a new text for each entry gives the same order. The reader runs on
        // several threads at once, so it reads with at(): operator[] would detach the list.
        const auto copyOf = [&](qsizetype index) { return QString(entries.at(index)); };
        QStringList viaCopies;
        const auto order = parts == 0
                               ? naturalOrder(entries.size(), copyOf, descending, locale)
                               : naturalOrder(entries.size(), copyOf, descending, locale, parts);
        for (const qsizetype index : order)
            viaCopies.append(entries[index]);
        QCOMPARE(viaCopies, expected);
    }
}

// Memory that runs out on any part's thread is std::bad_alloc on the calling thread, not the
// end of the program; so in one part, and when there are more parts than cores.
void TestNaturalOrder::aFailureOnAnyPartReachesTheCaller() {
    const QLocale english(QLocale::English);
    for (const int parts : {1, 2, 4, 16}) {
        for (const qsizetype failing : {0, 999, 4'000}) {
            const auto reader = [failing](qsizetype index) {
                if (index == failing)
                    throw std::bad_alloc();
                return QString::number(index);
            };
            QVERIFY_THROWS_EXCEPTION(std::bad_alloc,
                                     naturalOrder(4'001, reader, false, english, parts));
        }
    }
}

QTEST_GUILESS_MAIN(TestNaturalOrder)
#include "test_natural_order.moc"
