// A column of a CSV or TSV file as entries: records as RFC 4180 writes them, taken from bytes as
// list files are, the delimiter guessed, and what a column read meets reported.

#include "common/runtime_error.h"
#include "entries/csv_column.h"
#include "entries/csv_records.h"

#include <QBuffer>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

using Rows = QList<QByteArrayList>;

// What a column read met, in a line that compares whole: found, column, values, short records
// and the first one's line, blank lines, the unclosed quote's line.
QList<qsizetype> summary(const CsvColumnReport& r) {
    return {r.found,      r.column,           r.values, r.shortRecords, r.firstShortRecordLine,
            r.blankLines, r.unclosedQuoteLine};
}

// A device whose reads fail after the first.
class FailingDevice : public QBuffer {
public:
    using QBuffer::QBuffer;

protected:
    qint64 readData(char* data, qint64 size) override {
        return m_reads++ == 0 ? QBuffer::readData(data, std::min<qint64>(size, 6)) : -1;
    }

private:
    int m_reads = 0;
};

} // namespace

class TestCsvColumn : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void records_data();
    void records();
    void guessedDelimiter_data();
    void guessedDelimiter();
    void column_data();
    void column();
    void previewReadsOnlyTheStart();
    void failedRead();
};

void TestCsvColumn::records_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<char>("delimiter");
    QTest::addColumn<Rows>("expected");
    const auto row = [](const char* name, const QByteArray& file, char delimiter,
                        const Rows& expected) {
        QTest::newRow(name) << file << delimiter << expected;
    };
    row("plain, trailing delimiter is an empty field", "a,b\n1,2,\n", ',',
        {{"a", "b"}, {"1", "2", ""}});
    row("quoted delimiter, doubled quote, empty quoted", "\"a,b\",\"say \"\"hi\"\"\",\"\"\n", ',',
        {{"a,b", "say \"hi\"", ""}});
    row("line breaks inside quotes, any kind, kept as LF", "\"a\r\nb\rc\n\nd\",x\ny\n", ',',
        {{"a\nb\nc\n\nd", "x"}, {"y"}});
    row("text after the closing quote stays", "\"a\"b\"c,d\n", ',', {{"ab\"c", "d"}});
    row("quote inside a field is text", "5\" disk,x\"\n", ',', {{"5\" disk", "x\""}});
    row("blank lines are no records", "a\n\n\r\nb\n", ',', {{"a"}, {"b"}});
    row("CR and CR LF end records, last line unended", "a;1\rb;2\r\nc;3", ';',
        {{"a", "1"}, {"b", "2"}, {"c", "3"}});
    row("tab delimiter, commas are text", "a,b\tc\n", '\t', {{"a,b", "c"}});
    row("UTF-8 byte-order mark dropped", "\xef\xbb\xbf\"h\",x\n", ',', {{"h", "x"}});
    row("UTF-16 decoded", QByteArray("\xff\xfe\"\0a\0,\0\"\0,\0\xe9\0\n\0", 16), ',',
        {{"a,", "\xc3\xa9"}});
    row("bytes that are not UTF-8 kept", "\xe9,\"\xff\"\n", ',', {{"\xe9", "\xff"}});
    row("unclosed quote is text, later lines are records", "a,\"b\nc,d\ne,\"\"f\n", ',',
        {{"a", "\"b"}, {"c", "d"}, {"e", "f"}});
    row("fields around line breaks in quotes keep their order", "a,b,\"c\nd\",e,\"f\ng\",h\n", ',',
        {{"a", "b", "c\nd", "e", "f\ng", "h"}});
    row("a later quote closes an open one", "a,\"b\nc,d\n\"e,f\n", ',', {{"a", "b\nc,d\ne", "f"}});
    row("unclosed after a closed quote in the record", "\"x\ny\",\"z\nw,v\n", ',',
        {{"x\ny", "\"z"}, {"w", "v"}});
    row("unclosed at the end of the last line", "\"a\"\n\"b", ',', {{"a"}, {"\"b"}});
}

void TestCsvColumn::records() {
    QFETCH(QByteArray, file);
    QFETCH(char, delimiter);
    QFETCH(Rows, expected);
    QBuffer device(&file);
    QVERIFY(device.open(QIODevice::ReadOnly));
    const CsvPreview preview = previewCsv(device, 100, delimiter);
    QCOMPARE(preview.rows, expected);
    QVERIFY(preview.wholeFile);
}

void TestCsvColumn::guessedDelimiter_data() {
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<char>("expected");
    const auto row = [](const char* name, const QByteArrayList& lines, char expected) {
        QTest::newRow(name) << lines << expected;
    };
    row("comma", {"a,b,c", "1,2,3"}, ',');
    row("semicolon over decimal commas", {"x;y", "1,5;2,25", "3;4"}, ';');
    row("pipe over commas in names", {"Smith, John|42", "Doe, Jane|7"}, '|');
    row("tab over everything", {"a,b\tc;d|e", "f,g\th;i|j"}, '\t');
    row("most consistent wins", {"a,b,c", "1,2,3", "4;5,6"}, ',');
    row("quoted delimiters do not count", {"\"a;b\",c", "\"d;e\",f"}, ',');
    row("a record cut at the end is left out", {"a;b", "c;\"d", "e,f,g,h"}, ';');
    row("one column: comma", {"abc", "def"}, ',');
    row("nothing: comma", {}, ',');
}

void TestCsvColumn::guessedDelimiter() {
    QFETCH(QByteArrayList, lines);
    QFETCH(char, expected);
    QCOMPARE(guessedCsvDelimiter(lines), expected);
}

void TestCsvColumn::column_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("header");
    QTest::addColumn<qsizetype>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArrayList>("values");
    QTest::addColumn<QList<qsizetype>>("report");
    const auto row = [](const char* name, const QByteArray& file, bool header, qsizetype number,
                        const QString& column, const QByteArrayList& values,
                        const QList<qsizetype>& report) {
        QTest::newRow(name) << file << header << number << column << values << report;
    };
    const QByteArray table = "id,Name,note\n1,ann,\"x,\ny\"\n2,bob\n\n3,cy,z\n";
    // found, column, values, short, first short line, blank, unclosed quote's line
    row("by number, no header", table, false, 2, {}, {"Name", "ann", "bob", "cy"},
        {1, 2, 4, 0, 0, 1, 0});
    row("by number, header skipped", table, true, 1, {}, {"1", "2", "3"}, {1, 1, 3, 0, 0, 1, 0});
    row("value with a line break; a short record", table, true, 3, {}, {"x,\ny", "", "z"},
        {1, 3, 3, 1, 4, 1, 0});
    row("by name exactly", table, true, 0, u"note"_s, {"x,\ny", "", "z"}, {1, 3, 3, 1, 4, 1, 0});
    row("by name, case and spaces aside", "a, NAME ,name\n1,2,3\n", true, 0, u"Name"_s, {"2"},
        {1, 2, 1, 0, 0, 0, 0});
    row("exact name first", "a, NAME ,name\n1,2,3\n", true, 0, u"name"_s, {"3"},
        {1, 3, 1, 0, 0, 0, 0});
    row("name not in the header", table, true, 0, u"age"_s, {}, {0, 0, 0, 0, 0, 0, 0});
    row("name in an empty file", "", true, 0, u"age"_s, {}, {0, 0, 0, 0, 0, 0, 0});
    row("number 0 is none", table, false, 0, {}, {}, {0, 0, 0, 0, 0, 0, 0});
    row("the name needs the header", "a,b\n1,2\n", false, 2, u"a"_s, {"b", "2"},
        {1, 2, 2, 0, 0, 0, 0});
    row("column beyond every record", "a\nb\n", false, 2, {}, {"", ""}, {1, 2, 2, 2, 1, 0, 0});
    row("unclosed quote counted, read as text", "a,b\nc,\"d\ne,f\n", false, 2, {},
        {"b", "\"d", "f"}, {1, 2, 3, 0, 0, 0, 2});
}

void TestCsvColumn::column() {
    QFETCH(QByteArray, file);
    QFETCH(bool, header);
    QFETCH(qsizetype, number);
    QFETCH(QString, name);
    QFETCH(QByteArrayList, values);
    QFETCH(QList<qsizetype>, report);
    QBuffer device(&file);
    QVERIFY(device.open(QIODevice::ReadOnly));
    QByteArrayList read;
    const CsvColumnReport got =
        readCsvColumn(device, {',', header, number, name},
                      [&read](QByteArrayView value) { read.append(value.toByteArray()); });
    QCOMPARE(read, values);
    QCOMPARE(summary(got), report);
}

// A large file is previewed from its start only, the delimiter guessed from it.
void TestCsvColumn::previewReadsOnlyTheStart() {
    QByteArray file;
    for (int i = 0; i < 200000; ++i)
        file += "\"" + QByteArray::number(i) + "\";x;y\n";
    QBuffer device(&file);
    QVERIFY(device.open(QIODevice::ReadOnly));
    const CsvPreview preview = previewCsv(device, 5);
    QCOMPARE(preview.delimiter, ';');
    QCOMPARE(
        preview.rows,
        (Rows{
            {"0", "x", "y"}, {"1", "x", "y"}, {"2", "x", "y"}, {"3", "x", "y"}, {"4", "x", "y"}}));
    QVERIFY(!preview.wholeFile);
    QVERIFY(device.pos() <= 256 * 1024);
}

// A read that fails is raised, the values before it already given.
void TestCsvColumn::failedRead() {
    QByteArray file = "a,b\nc,d\ne,f\n";
    FailingDevice device(&file);
    QVERIFY(device.open(QIODevice::ReadOnly));
    QByteArrayList read;
    QVERIFY_THROWS_EXCEPTION(RuntimeError, readCsvColumn(device, {}, [&read](QByteArrayView value) {
                                 read.append(value.toByteArray());
                             }));
    QCOMPARE(read, QByteArrayList{"a"});
    FailingDevice again(&file);
    QVERIFY(again.open(QIODevice::ReadOnly));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, previewCsv(again, 3));
}

QTEST_GUILESS_MAIN(TestCsvColumn)
#include "test_csv_column.moc"
