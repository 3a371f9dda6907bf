// Quoting entries as JSON strings, regular expressions and shell words: the awkward bytes by
// table, and generated lists read back by python3, grep and sh themselves.

#include "common/packed_texts.h"
#include "entries/entry_quoting.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// The entries kept as the list keeps them.
class Entries {
public:
    explicit Entries(const QByteArrayList& list) {
        for (const QByteArray& entry : list)
            m_texts.append(QByteArrayView(entry));
    }
    EntryBytes bytes() const {
        return {m_texts.size(), m_texts.byteCount(),
                [this](qsizetype index) { return m_texts.at(index); }};
    }

private:
    PackedTexts m_texts;
};

QByteArrayList listOf(const PackedTexts& texts) {
    QByteArrayList list;
    for (qsizetype i = 0; i < texts.size(); ++i)
        list.append(texts.bytes(i));
    return list;
}

// Entries made of pieces that each rule treats specially, valid UTF-8.
QByteArrayList generatedEntries(QRandomGenerator& random, int count, bool lineBreaks) {
    static const QByteArrayList pieces{
        "\\",   ".",    "^",      "$",      "*",          "+",  "?",   "(",   ")", "[",
        "]",    "{",    "}",      "|",      "/",          "-",  "'",   "\"",  "a", "b",
        "ab",   " ",    "\t",     "#",      "&",          "!",  "`",   "1,2", ",", "\x01",
        "\x1f", "\x7f", "\u00e9", "\u20ac", "\U0001F600", "\n", "\r\n"};
    QByteArrayList entries;
    while (entries.size() < count) {
        QByteArray entry;
        for (int k = random.bounded(6); k >= 0; --k) {
            const QByteArray& piece = pieces[random.bounded(pieces.size())];
            if (lineBreaks || !piece.contains('\n'))
                entry += piece;
        }
        entries.append(entry);
    }
    return entries;
}

// The program's output, or a skip when it is not installed.
#define RUN_OR_SKIP(program, arguments, input, output)                                             \
    do {                                                                                           \
        if (QStandardPaths::findExecutable(program).isEmpty())                                     \
            QSKIP(qPrintable(program + u" is not installed"_s));                                   \
        QProcess process;                                                                          \
        process.start(program, arguments);                                                         \
        QVERIFY(process.waitForStarted());                                                         \
        process.write(input);                                                                      \
        process.closeWriteChannel();                                                               \
        QVERIFY(process.waitForFinished(60000));                                                   \
        QVERIFY2(process.exitCode() == 0 || process.exitCode() == 1,                               \
                 process.readAllStandardError().constData());                                      \
        QVERIFY2(process.readAllStandardError().isEmpty(), "the program complained");              \
        output = process.readAllStandardOutput();                                                  \
    } while (false)

QByteArray hexLines(const QByteArrayList& list) {
    QByteArray lines;
    for (const QByteArray& entry : list)
        lines += entry.toHex() + '\n';
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(EntryQuoting)

class TestEntryQuoting : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void quoting_data();
    void quoting();
    void jsonReadByPython();
    void regexMatchesOnlyItsEntries_data();
    void regexMatchesOnlyItsEntries();
    void shellWordsReadBySh();
};

void TestEntryQuoting::quoting_data() {
    QTest::addColumn<EntryQuoting>("quoting");
    QTest::addColumn<QByteArrayList>("entries");
    QTest::addColumn<QByteArrayList>("expected");
    const auto row = [](const char* name, EntryQuoting quoting, const QByteArrayList& entries,
                        const QByteArrayList& expected) {
        QTest::newRow(name) << quoting << entries << expected;
    };
    const auto json = EntryQuoting::JsonString;
    row("json plain and empty", json, {"abc", ""}, {"\"abc\"", "\"\""});
    row("json quote and backslash", json, {"a\"b\\c\"\\"}, {R"("a\"b\\c\"\\")"});
    row("json named controls", json, {"\n\t\r\b\f"}, {R"("\n\t\r\b\f")"});
    row("json other controls as hex", json, {QByteArray("\0\x01\x1a\x1f", 4)},
        {R"("\u0000\u0001\u001a\u001f")"});
    row("json DEL, slash, space stay", json, {"\x7f/ ~"}, {"\"\x7f/ ~\""});
    row("json UTF-8 stays", json, {"\u00e9\U0001F600"}, {"\"\u00e9\U0001F600\""});
    row("json kept bytes as shown", json, {"caf\xe9!\x80\x81"}, {"\"caf\u00e9!\u20ac\u0081\""});
    row("json surrogate bytes as shown", json, {"\xed\xa0\x80\""}, {"\"\u00ed\u00a0\u20ac\\\"\""});
    row("json second entry starts afresh", json, {"a\nb", "c"}, {R"("a\nb")", R"("c")"});
    const auto regex = EntryQuoting::RegexLiteral;
    row("regex every special", regex, {R"(\.^$*+?()[]{}|)"}, {R"(\\\.\^\$\*\+\?\(\)\[\]\{\}\|)"});
    row("regex plain, slash, dash, quotes stay", regex, {"a/b-c'\"# x", ""}, {"a/b-c'\"# x", ""});
    row("regex line breaks escaped", regex, {"a\nb\r\n"}, {R"(a\nb\r\n)"});
    row("regex kept bytes stay", regex, {"\xe9.\xff"}, {"\xe9\\.\xff"});
    const auto shell = EntryQuoting::ShellWord;
    row("shell plain and empty", shell, {"abc", ""}, {"'abc'", "''"});
    row("shell single quotes", shell, {"it's ''"}, {R"('it'\''s '\'''\''')"});
    row("shell specials stay literal", shell, {"$HOME \"x\" \\ `a` \n*"},
        {"'$HOME \"x\" \\ `a` \n*'"});
    row("shell kept bytes stay", shell, {"\xe9"}, {"'\xe9'"});
}

void TestEntryQuoting::quoting() {
    QFETCH(EntryQuoting, quoting);
    QFETCH(QByteArrayList, entries);
    QFETCH(QByteArrayList, expected);
    QCOMPARE(listOf(quotedEntries(Entries(entries).bytes(), quoting)), expected);
    QCOMPARE(quotedEntry(entries.front(), quoting), expected.front());
}

// Python's strict JSON reader takes the generated list, joined as an array, back to the same
// strings: the output is valid UTF-8 and valid JSON for any entry.
void TestEntryQuoting::jsonReadByPython() {
    QRandomGenerator random(33);
    QByteArrayList entries = generatedEntries(random, 400, true);
    entries += QByteArrayList{"", QByteArray("\0", 1), "caf\xe9", "\x80\x9f\xff"};
    QByteArray array = "[";
    for (const QByteArray& entry : entries) {
        if (array.size() > 1)
            array += ',';
        appendJsonString(array, entry);
    }
    array += ']';
    QByteArray read;
    RUN_OR_SKIP(u"python3"_s,
                (QStringList{u"-c"_s, u"import json, sys\n"
                                      "for s in json.load(sys.stdin):\n"
                                      "    print(s.encode('utf-8').hex())"_s}),
                array, read);
    QByteArrayList expected;
    for (const QByteArray& entry : entries) // what the lists show for it
        expected.append(QString::fromUtf8(entry).toUtf8());
    expected[entries.size() - 2] = "caf\u00e9";
    expected[entries.size() - 1] = "\u20ac\u0178\u00ff";
    QCOMPARE(read, hexLines(expected));
}

void TestEntryQuoting::regexMatchesOnlyItsEntries_data() {
    QTest::addColumn<QString>("engine");
    QTest::newRow("grep -E -x") << u"grep"_s;
    QTest::newRow("python re.fullmatch") << u"python3"_s;
}

// The entries joined with '|' match every entry and no other line: lines made by changing an
// entry a little (a character replaced, dropped or repeated) match only when they happen to
// equal an entry.
void TestEntryQuoting::regexMatchesOnlyItsEntries() {
    QFETCH(QString, engine);
    const bool grep = engine == u"grep"_s;
    QRandomGenerator random(34);
    // grep matches line by line: its entries hold no line break.
    const QByteArrayList entries = generatedEntries(random, 150, !grep);
    QByteArrayList lines = entries;
    for (const QByteArray& entry : entries) {
        for (int k = 0; k < 3 && !entry.isEmpty(); ++k) {
            QByteArray changed = entry;
            const qsizetype at = random.bounded(entry.size());
            const QByteArray other = generatedEntries(random, 1, false).front().left(1);
            switch (k) {
            case 0:
                changed[at] = other.isEmpty() ? 'a' : other[0];
                break;
            case 1:
                changed.remove(at, 1);
                break;
            default:
                changed.insert(at, entry[at]);
            }
            if (QString::fromUtf8(changed).toUtf8() == changed &&
                (grep ? !changed.contains('\n') && !changed.contains('\r') : true))
                lines.append(changed);
        }
        lines.append(entry + 'a');
        lines.append('a' + entry);
    }
    QByteArray pattern;
    for (const QByteArray& entry : entries) {
        if (!pattern.isEmpty())
            pattern += '|';
        appendRegexLiteral(pattern, entry);
    }
    QVERIFY(!pattern.contains('\n'));
    QTemporaryDir dir;
    QFile patternFile(dir.filePath(u"pattern"_s));
    QVERIFY(patternFile.open(QIODevice::WriteOnly));
    patternFile.write(pattern + '\n');
    patternFile.close();
    QByteArray matched;
    QByteArray expected;
    if (grep) {
        for (const QByteArray& line : lines)
            expected += entries.contains(line) ? line + '\n' : QByteArray();
        RUN_OR_SKIP(engine, (QStringList{u"-E"_s, u"-x"_s, u"-f"_s, patternFile.fileName()}),
                    lines.join('\n') + '\n', matched);
    } else {
        for (const QByteArray& line : lines)
            expected += entries.contains(line) ? line.toHex() + '\n' : QByteArray();
        RUN_OR_SKIP(engine,
                    (QStringList{u"-c"_s,
                                 u"import re, sys\n"
                                 "pattern = open(sys.argv[1], encoding='utf-8').read()[:-1]\n"
                                 "for line in sys.stdin.read().split():\n"
                                 "    if re.fullmatch(pattern, bytes.fromhex(line).decode()):\n"
                                 "        print(line)"_s,
                                 patternFile.fileName()}),
                    hexLines(lines), matched);
    }
    QCOMPARE(matched, expected);
}

// A POSIX shell takes each word as one argument, byte for byte.
void TestEntryQuoting::shellWordsReadBySh() {
    QRandomGenerator random(35);
    QByteArrayList entries = generatedEntries(random, 300, true);
    entries += QByteArrayList{"", "'", "''", "\xe9\xff", "-n", "$(echo no)"};
    QByteArray script = "printf '%s\\0'";
    for (const QByteArray& entry : entries) {
        script += ' ';
        appendShellWord(script, entry);
    }
    QByteArray printed;
    RUN_OR_SKIP(u"sh"_s, QStringList{}, script + '\n', printed);
    QCOMPARE(printed, entries.join('\0') + '\0');
}

QTEST_GUILESS_MAIN(TestEntryQuoting)
#include "test_entry_quoting.moc"
