// The entry list's tools: the transformations on awkward lists.

#include "entries/entry_list_tools.h"
#include "entries/entry_quoting.h"
#include "packed_entries.h"

#include <QRandomGenerator>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

enum class Tool { Ascending, Descending, Reverse, Unique, Trim, NoEmpty, Split };

// Bytes that are not UTF-8 (E9 and FF), as the lists hold them.
const QString kKeptBytes = u"caf"_s + QChar(0xDCE9) + QChar(0xDCFF);
// A byte that is not UTF-8, as the lists hold it.
QString kept(char16_t byte) {
    return QString(QChar(0xDC00 + byte));
}
// A character of four bytes, a surrogate pair in the text.
const QString kGrin = u"\U0001F600"_s;

PackedTexts applied(Tool tool, const EntryBytes& entries, const QString& separator) {
    const QLocale english(QLocale::English);
    switch (tool) {
    case Tool::Ascending:
        return sortedNaturally(entries, false, english);
    case Tool::Descending:
        return sortedNaturally(entries, true, english);
    case Tool::Reverse:
        return reversed(entries);
    case Tool::Unique:
        return withoutDuplicates(entries);
    case Tool::Trim:
        return withSpacesTrimmed(entries);
    case Tool::NoEmpty:
        return withoutEmpty(entries);
    case Tool::Split:
        break;
    }
    return splitAt(entries, separator, QuoteStyle::None);
}

// The tool on the entries kept as the list keeps them, as bytes.
QStringList apply(Tool tool, const QStringList& entries, const QString& separator) {
    return testing::textsOf(applied(tool, testing::PackedEntries(entries).bytes(), separator));
}

} // namespace

Q_DECLARE_METATYPE(Tool)
Q_DECLARE_METATYPE(QuoteStyle)
Q_DECLARE_METATYPE(DuplicateRules::Keep)

class TestEntryListTools : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void transform_data();
    void transform();
    void wrap_data();
    void wrap();
    void splitQuoted_data();
    void splitQuoted();
    void splitUndoesWrap();
    void duplicates_data();
    void duplicates();
};

void TestEntryListTools::transform_data() {
    QTest::addColumn<Tool>("tool");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("expected");
    // Where Split splits.
    QTest::addColumn<QString>("separator");
    const auto row = [](const char* name, Tool tool, const QStringList& entries,
                        const QStringList& expected, const QString& separator = u", "_s) {
        QTest::newRow(name) << tool << entries << expected << separator;
    };

    const QStringList empty;
    for (Tool tool : {Tool::Ascending, Tool::Reverse, Tool::Unique, Tool::Trim, Tool::Split})
        QTest::addRow("empty list %d", int(tool)) << tool << empty << empty << u", "_s;

    row("numbers by value", Tool::Ascending, {u"item10"_s, u"item2"_s, u"item1"_s},
        {u"item1"_s, u"item2"_s, u"item10"_s});
    row("case ignored, equal keys keep order", Tool::Ascending,
        {u"b"_s, u"B"_s, u"a"_s, u"b"_s, u"A"_s}, {u"a"_s, u"A"_s, u"b"_s, u"B"_s, u"b"_s});
    row("Z to A keeps equal keys in order", Tool::Descending,
        {u"b"_s, u"a"_s, u"B"_s, u"item2"_s, u"item10"_s},
        {u"item10"_s, u"item2"_s, u"b"_s, u"B"_s, u"a"_s});
    row("accents beside their letter", Tool::Ascending,
        {u"zoo"_s, u"\u00e9t\u00e9"_s, u"eu"_s, u"Ete"_s},
        {u"Ete"_s, u"\u00e9t\u00e9"_s, u"eu"_s, u"zoo"_s});
    row("kept bytes sorted, not altered", Tool::Ascending, {kKeptBytes, u"b"_s, u"a"_s},
        {u"a"_s, u"b"_s, kKeptBytes});
    row("reverse", Tool::Reverse, {u"a"_s, u""_s, u"c"_s}, {u"c"_s, u""_s, u"a"_s});
    row("duplicates exact, first stays", Tool::Unique,
        {u"b"_s, u"a"_s, u"B"_s, u"b"_s, u""_s, u"a"_s, u""_s}, {u"b"_s, u"a"_s, u"B"_s, u""_s});
    row("kept bytes compared exactly", Tool::Unique, {kKeptBytes, u"caf\u00e9\u00ff"_s, kKeptBytes},
        {kKeptBytes, u"caf\u00e9\u00ff"_s});
    row("trim both ends only", Tool::Trim, {u"  a b \t"_s, u"\r\n"_s, u"c"_s, u" "_s + kKeptBytes},
        {u"a b"_s, u""_s, u"c"_s, kKeptBytes});
    row("remove empty keeps spaces", Tool::NoEmpty, {u""_s, u"a"_s, u" "_s, u""_s},
        {u"a"_s, u" "_s});
    row("split in place", Tool::Split, {u"x"_s, u"a, b, c"_s, u"y,z"_s},
        {u"x"_s, u"a"_s, u"b"_s, u"c"_s, u"y,z"_s});
    row("split gives empty parts", Tool::Split, {u", a, , b, "_s, u", "_s},
        {u""_s, u"a"_s, u""_s, u"b"_s, u""_s, u""_s, u""_s});

    // The same through the bytes: bytes that are not UTF-8, four-byte characters, white space
    // beyond ASCII, and kept bytes that look like characters (A0 is not U+00A0).
    row("four-byte characters sorted, not altered", Tool::Descending,
        {u"a"_s + kGrin + u"2"_s, u"b"_s + kGrin, u"a"_s + kGrin + u"10"_s},
        {u"b"_s + kGrin, u"a"_s + kGrin + u"10"_s, u"a"_s + kGrin + u"2"_s});
    row("reverse keeps every byte", Tool::Reverse, {kKeptBytes, kGrin, u"\u00a0"_s, kept(0xA0)},
        {kept(0xA0), u"\u00a0"_s, kGrin, kKeptBytes});
    row("four-byte and composed characters compared exactly", Tool::Unique,
        {kGrin, u"\U0001F601"_s, kGrin, u"e\u0301"_s, u"\u00e9"_s, u"e\u0301"_s},
        {kGrin, u"\U0001F601"_s, u"e\u0301"_s, u"\u00e9"_s});
    row("trim white space beyond ASCII, never kept bytes", Tool::Trim,
        {u"\u00a0a\u3000"_s, u"\u0085b\u2028"_s, u"\u2003"_s + kGrin + u" "_s, u" x"_s + kept(0xA0),
         u"e\u2000"_s, kept(0xA0) + u"y"_s, u"\u00e9 "_s, u"\u00a0"_s, u"\vd\f"_s},
        {u"a"_s, u"b"_s, kGrin, u"x"_s + kept(0xA0), u"e"_s, kept(0xA0) + u"y"_s, u"\u00e9"_s,
         u""_s, u"d"_s});
    row("trim leaves controls that are not white space", Tool::Trim,
        {u"\u001fc\u001f"_s, u"\u200bd"_s, QString(QChar(0)) + u" "_s},
        {u"\u001fc\u001f"_s, u"\u200bd"_s, QString(QChar(0))});
    row("a kept byte or NUL is not empty", Tool::NoEmpty,
        {kept(0x80), u""_s, QString(QChar(0)), kGrin}, {kept(0x80), QString(QChar(0)), kGrin});
    row("split at a four-byte character", Tool::Split,
        {u"a"_s + kGrin + u"b"_s + kGrin, kGrin, u"\U0001F601"_s},
        {u"a"_s, u"b"_s, u""_s, u""_s, u""_s, u"\U0001F601"_s}, kGrin);
    row("split at U+00A0, not at the kept byte A0", Tool::Split,
        {u"a"_s + kept(0xA0) + u"b\u00a0c"_s}, {u"a"_s + kept(0xA0) + u"b"_s, u"c"_s}, u"\u00a0"_s);
    row("split at a kept byte, not inside the character", Tool::Split,
        {u"\u00e9"_s + kept(0xA9) + u"!"_s}, {u"\u00e9"_s, u"!"_s}, kept(0xA9));
}

void TestEntryListTools::transform() {
    QFETCH(Tool, tool);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, expected);
    QFETCH(QString, separator);
    QCOMPARE(apply(tool, entries, separator), expected);
}

void TestEntryListTools::wrap_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("rule"); // an EntryQuoting, or -1 for none
    // The same mark before and after, unless another is given after.
    const auto row = [](const char* name, const QString& mark, const QString& entry,
                        const QString& expected, const QString& after = {}, int rule = -1) {
        QTest::newRow(name) << mark << (after.isNull() ? mark : after) << entry << expected << rule;
    };

    row("SQL", u"'"_s, u"O'Brien"_s, u"'O''Brien'"_s);
    row("CSV", u"\""_s, u"say \"hi\""_s, u"\"say \"\"hi\"\"\""_s);
    row("different marks, nothing doubled", u"("_s, u"a(b)"_s, u"(a(b))"_s, u")"_s);
    row("longer texts, nothing doubled", u"<<"_s, u"a<<b"_s, u"<<a<<b<<"_s);
    row("empty entry", u"'"_s, u""_s, u"''"_s);
    row("kept bytes", u"'"_s, kKeptBytes, u"'"_s + kKeptBytes + u"'"_s);
    row("among kept bytes and four-byte characters", u"'"_s, u"O'"_s + kGrin + kKeptBytes + u"'"_s,
        u"'O''"_s + kGrin + kKeptBytes + u"'''"_s);
    row("a mark beyond ASCII doubled", u"\u00ab"_s, u"a\u00abb"_s, u"\u00aba\u00ab\u00abb\u00ab"_s);
    row("the character doubled, not the kept byte like it", u"\u00e9"_s, kKeptBytes + u"\u00e9"_s,
        u"\u00e9"_s + kKeptBytes + u"\u00e9\u00e9\u00e9"_s);
    // A9 is the last byte of U+00E9.
    const QString a9 = kept(0xA9);
    row("a kept byte as the mark", a9, u"\u00e9"_s + a9, a9 + u"\u00e9"_s + a9 + a9 + a9);
    row("four-byte marks, nothing doubled", kGrin, u"a"_s + kGrin, kGrin + u"a"_s + kGrin + kGrin);
    row("nothing around", QString(), kKeptBytes, kKeptBytes);
    // A rule quotes on its own: the texts, here a mark to double, go unused.
    row("JSON rule", u"'"_s, u"O'\"\t"_s, u"\"O'\\\"\\t\""_s, {}, int(EntryQuoting::JsonString));
    row("regex rule", u"'"_s, u"a.b'"_s, u"a\\.b'"_s, {}, int(EntryQuoting::RegexLiteral));
    row("shell rule", u"\""_s, u"O'B"_s, u"'O'\\''B'"_s, {}, int(EntryQuoting::ShellWord));
}

void TestEntryListTools::wrap() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, entry);
    QFETCH(QString, expected);
    QFETCH(int, rule);
    const testing::PackedEntries entries({entry});
    const WrapTexts wrap{before, after,
                         rule < 0 ? std::nullopt : std::optional(EntryQuoting(rule))};
    QCOMPARE(testing::textsOf(wrapped(entries.bytes(), wrap)), QStringList{expected});
}

void TestEntryListTools::splitQuoted_data() {
    QTest::addColumn<QuoteStyle>("quotes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("expected");
    const auto row = [](const char* name, QuoteStyle quotes, const QString& separator,
                        const QString& entry, const QStringList& expected) {
        QTest::newRow(name) << quotes << separator << entry << expected;
    };
    const auto csv = QuoteStyle::Double;
    row("separator and line break inside quotes", csv, u","_s, u"\"a,b\",\"c\nd\",e"_s,
        {u"a,b"_s, u"c\nd"_s, u"e"_s});
    row("doubled quote is one, enclosing quotes go", csv, u", "_s, u"\"say \"\"hi\"\"\", \"\""_s,
        {u"say \"hi\""_s, u""_s});
    row("a quote inside an unquoted part is text", csv, u","_s, u"a\"b,\"c\"\"\""_s,
        {u"a\"b"_s, u"c\""_s});
    row("text after the closing quote stays", csv, u","_s, u"\"a\"b,c"_s, {u"ab"_s, u"c"_s});
    row("unclosed quote kept as it stands", csv, u","_s, u"a,\"b,c\"\"d"_s,
        {u"a"_s, u"\"b,c\"\"d"_s});
    row("empty parts at both ends", csv, u";"_s, u";\"\";"_s, {u""_s, u""_s, u""_s});
    row("other quote style leaves double quotes", QuoteStyle::Single, u","_s,
        u"'O''Brien','a,b',\"c,d\""_s, {u"O'Brien"_s, u"a,b"_s, u"\"c"_s, u"d\""_s});
    row("no quotes splits as before", QuoteStyle::None, u","_s, u"\"a,b\""_s, {u"\"a"_s, u"b\""_s});
    row("kept byte separator, quoted text", csv, kept(0xA9),
        u"\"\u00e9"_s + kept(0xA9) + u"\""_s + kept(0xA9) + u"x"_s,
        {u"\u00e9"_s + kept(0xA9), u"x"_s});
    row("empty separator leaves the entry", csv, QString(), u"\"a\""_s, {u"\"a\""_s});
    const auto json = QuoteStyle::Json;
    row("json escapes decoded", json, u","_s, uR"("a\"b\\c\/d\b\f\n\r\t",x)"_s,
        {u"a\"b\\c/d\b\f\n\r\t"_s, u"x"_s});
    row("json unicode escapes, a pair as one", json, u","_s,
        uR"("\u00e9\u20AC\u00Ff\u0039\ud83d\ude00")"_s, {u"\u00e9\u20ac\u00ff9"_s + kGrin});
    row("json lone surrogates stay as written", json, u","_s,
        uR"("\ud83d x","\udce9","\ud83d\u0041")"_s,
        {uR"(\ud83d x)"_s, uR"(\udce9)"_s, uR"(\ud83dA)"_s});
    row("json invalid escapes stay as written", json, u","_s, uR"("\x\u12g\"",y)"_s,
        {uR"(\x\u12g")"_s, u"y"_s});
    row("json separator and line break inside, text after stays", json, u","_s, u"\"a,\nb\"c,d"_s,
        {u"a,\nbc"_s, u"d"_s});
    row("json doubled quote closes", json, u","_s, u"\"a\"\"b\""_s, {u"a\"b\""_s});
    row("json unclosed kept as it stands", json, u","_s, uR"(a,"b\",c)"_s,
        {u"a"_s, uR"("b\",c)"_s});
    row("json backslash at the end never closes", json, u";"_s, uR"("ab\)"_s, {uR"("ab\)"_s});
    row("json part without separator decoded", json, u";"_s, uR"("a\tb")"_s, {u"a\tb"_s});
    row("json kept byte separator", json, kept(0xA9), uR"("\u00e9")"_s + kept(0xA9) + u"x"_s,
        {u"\u00e9"_s, u"x"_s});
    row("json empty separator leaves the entry", json, QString(), uR"("a")"_s, {uR"("a")"_s});
}

void TestEntryListTools::splitQuoted() {
    QFETCH(QuoteStyle, quotes);
    QFETCH(QString, separator);
    QFETCH(QString, entry);
    QFETCH(QStringList, expected);
    const testing::PackedEntries entries({entry});
    QCOMPARE(testing::textsOf(splitAt(entries.bytes(), separator, quotes)), expected);
}

// Property: any list wrapped in quotes (CSV, SQL or JSON), joined with any separator that holds
// no quote and split again, is the list it was, byte for byte.
void TestEntryListTools::splitUndoesWrap() {
    const QStringList pieces{u"\""_s,    u"'"_s,     u","_s, u", "_s, u" "_s,      u"\n"_s,
                             u"\r\n"_s,  u"\t"_s,    u";"_s, u"ab"_s, u"\u00e9"_s, kGrin,
                             kept(0xC3), kept(0xA9), u"|"_s, u"\\"_s};
    const QStringList separators{u","_s, u", "_s,     u";"_s, u"\t"_s,    u"\n"_s, u" "_s, u"||"_s,
                                 u"a"_s, u"\u00e9"_s, kGrin,  kept(0xA9), u"\""_s, u"'"_s};
    const QStringList controls{u"\x01"_s, u"\x1f"_s, u"\b"_s, u"\f"_s, u"\x7f"_s, u"/"_s};
    constexpr QuoteStyle kStyles[] = {QuoteStyle::Double, QuoteStyle::Single, QuoteStyle::Json};
    QRandomGenerator random(22);
    for (int round = 0; round < 3000; ++round) {
        const auto quotes = kStyles[round % 3];
        const bool json = quotes == QuoteStyle::Json;
        const QString quote = quotes == QuoteStyle::Single ? u"'"_s : u"\""_s;
        const QString separator = separators[random.bounded(separators.size())];
        if (separator.contains(quote))
            continue;
        // JSON strings are UTF-8: a byte that is not comes back as the character it shows as.
        const QStringList& from = json ? controls : pieces;
        QStringList list;
        for (int n = 1 + random.bounded(5); n > 0; --n) {
            list.append(QString());
            for (int k = random.bounded(7); k > 0; --k) {
                const QString& piece = pieces[random.bounded(pieces.size())];
                list.back() += json && piece.front().isSurrogate() && piece != kGrin
                                   ? from[random.bounded(from.size())]
                                   : piece;
            }
        }
        const testing::PackedEntries original(list);
        const QStringList wrapped = testing::textsOf(tavrolin::wrapped(
            original.bytes(),
            {quote, quote, json ? std::optional(EntryQuoting::JsonString) : std::nullopt}));
        const testing::PackedEntries joined({wrapped.join(separator)});
        const PackedTexts split = splitAt(joined.bytes(), separator, quotes);
        QVERIFY2(split.size() == list.size(), qPrintable(wrapped.join(separator)));
        for (qsizetype i = 0; i < list.size(); ++i)
            QCOMPARE(split.at(i), original.bytes().at(i));
    }
}

void TestEntryListTools::duplicates_data() {
    QTest::addColumn<bool>("ignoreCase");
    QTest::addColumn<bool>("ignoreSpaces");
    QTest::addColumn<DuplicateRules::Keep>("keep");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("expected");
    using Keep = DuplicateRules::Keep;
    const QStringList mixed{u"a"_s, u"B"_s, u" a"_s, u"b"_s, u"A"_s, u"c"_s, u"a"_s};
    const auto row = [](const char* name, bool ignoreCase, bool ignoreSpaces, Keep keep,
                        const QStringList& entries, const QStringList& expected) {
        QTest::newRow(name) << ignoreCase << ignoreSpaces << keep << entries << expected;
    };
    row("exact, first", false, false, Keep::First, mixed,
        {u"a"_s, u"B"_s, u" a"_s, u"b"_s, u"A"_s, u"c"_s});
    row("exact, last", false, false, Keep::Last, mixed,
        {u"B"_s, u" a"_s, u"b"_s, u"A"_s, u"c"_s, u"a"_s});
    row("exact, once", false, false, Keep::Once, mixed, {u"B"_s, u" a"_s, u"b"_s, u"A"_s, u"c"_s});
    row("exact, repeated", false, false, Keep::Repeated, mixed, {u"a"_s});
    row("case, first", true, false, Keep::First, mixed, {u"a"_s, u"B"_s, u" a"_s, u"c"_s});
    row("spaces, last", false, true, Keep::Last, mixed, {u"B"_s, u"b"_s, u"A"_s, u"c"_s, u"a"_s});
    row("both, once", true, true, Keep::Once, mixed, {u"c"_s});
    row("both, repeated", true, true, Keep::Repeated, mixed, {u"a"_s, u"B"_s});
    // Beyond ASCII: folding, white space that is not ASCII, and kept bytes that look like
    // letters but are not them (C9 is not "É").
    row("Unicode folding", true, false, Keep::First,
        {u"\u00c9t\u00e9"_s, u"\u00e9T\u00c9"_s, u"\u212a"_s, u"k"_s, u"\u03a3"_s, u"\u03c3"_s},
        {u"\u00c9t\u00e9"_s, u"\u212a"_s, u"\u03a3"_s});
    row("kept bytes are not folded", true, false, Keep::First,
        {kept(0xC9), kept(0xE9), u"\u00e9"_s, kept(0xC9)}, {kept(0xC9), kept(0xE9), u"\u00e9"_s});
    row("wide white space, kept bytes at the ends", false, true, Keep::First,
        {u"\u00a0x\u3000"_s, u"x"_s, u" "_s + kept(0xA0), kept(0xA0), u"\u00a0"_s, u""_s},
        {u"\u00a0x\u3000"_s, u" "_s + kept(0xA0), u"\u00a0"_s});
    // A fold changes the length of some characters (U+1E9E, U+023A, U+017F), and one of four
    // bytes folds to another.
    row("folds of other lengths", true, false, Keep::First,
        {u"\u1e9e"_s, u"\u00df"_s, u"ss"_s, u"\u023ax"_s, u"\u2c65X"_s, u"\U00010400"_s,
         u"\U00010428"_s, u"\u017f"_s, u"s"_s},
        {u"\u1e9e"_s, u"ss"_s, u"\u023ax"_s, u"\U00010400"_s, u"\u017f"_s});
    // After a character that folds, a kept byte is still itself: not another byte, not U+FFFD.
    row("kept bytes after a fold", true, false, Keep::First,
        {u"\u00c9"_s + kept(0xE9), u"\u00c9"_s + kept(0xC9), u"\u00e9\ufffd"_s,
         u"\u00e9"_s + kept(0xE9)},
        {u"\u00c9"_s + kept(0xE9), u"\u00c9"_s + kept(0xC9), u"\u00e9\ufffd"_s});
    // White space at the end beyond ASCII, and bytes there that only look like part of it.
    row("white space and kept bytes at the end", false, true, Keep::First,
        {u"x\u3000\u2028"_s, u"x"_s + kept(0xE2) + kept(0x80), u"x"_s + kept(0x80).repeated(4),
         u"\u0085x\u00a0"_s, kept(0x80) + u"\u2028"_s, kept(0x80)},
        {u"x\u3000\u2028"_s, u"x"_s + kept(0xE2) + kept(0x80), u"x"_s + kept(0x80).repeated(4),
         kept(0x80) + u"\u2028"_s});
    row("empty list", true, true, Keep::Once, {}, {});
    // A key made for the comparison must outlive the next one made.
    row("made keys kept", true, false, Keep::First, {u"AB"_s, u"CD"_s, u"ab"_s},
        {u"AB"_s, u"CD"_s});
    // Keys made for the comparison fill more than one block of their store.
    QStringList longer, firsts;
    for (int i = 0; i < 600; ++i) {
        longer.append(QString(4000, u'X') + QString::number(i % 300));
        if (i < 300)
            firsts.append(longer.back());
    }
    row("many long keys", true, false, Keep::First, longer, firsts);
}

void TestEntryListTools::duplicates() {
    QFETCH(bool, ignoreCase);
    QFETCH(bool, ignoreSpaces);
    QFETCH(DuplicateRules::Keep, keep);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, expected);
    const testing::PackedEntries packed(entries);
    QCOMPARE(testing::textsOf(withoutDuplicates(packed.bytes(), {ignoreCase, ignoreSpaces, keep})),
             expected);
}

QTEST_GUILESS_MAIN(TestEntryListTools)
#include "test_entry_list_tools.moc"
