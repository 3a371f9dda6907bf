#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>
#include <functional>
#include <vector>

namespace tavrolin {

// One record of a delimited file: its fields, as bytes.
class CsvRecord {
public:
    qsizetype size() const { return qsizetype(m_fields.size()); }
    QByteArrayView field(qsizetype i) const;
    // The file's line where the record begins, counted from 1.
    qsizetype line() const { return m_line; }

private:
    friend class CsvRecordReader;

    // A field is the bytes it has on its line when they need no change; only one with a quote
    // to undo, or one of a record that goes on past its line, is copied into m_bytes. So a
    // reader that wants one field of each record does not pay for copying all of them.
    struct Field {
        qsizetype start = 0;
        qsizetype size = 0;
        bool copied = false;
    };

    QByteArray m_bytes;
    std::vector<Field> m_fields;
    // The line the fields not copied are in, valid while the record is given to the sink.
    const char* m_lineData = nullptr;
    qsizetype m_line = 0;
};

// Reads the lines of a delimited file (CSV, or TSV with a tab) into records, as RFC 4180
// writes them, the file's lines cut as the list file's are (CR, LF and CR LF alike):
// - a field that begins with '"' runs to the '"' that closes it, delimiters and line breaks
//   included; "" inside stands for one '"'; what follows the closing quote up to the next
//   delimiter stays with the field (as Python's csv module reads it). A quote elsewhere is
//   text. A line break inside quotes is kept as LF: the lines come without their breaks.
// - a line with nothing on it is no record (as Python's and Miller's readers skip it, and why
//   a writer quotes a lone empty field); it is counted.
// - a quote never closed would take the rest of the file into one field; instead its line is
//   reported and it is read as text, so one stray quote costs one odd field rather
//   than every row after it. Only a record that is still open at the end is held: memory is
//   of the order of one record.
// Each record goes to the sink, valid during the call.
class CsvRecordReader {
public:
    using Sink = std::function<void(const CsvRecord&)>;

    CsvRecordReader(char delimiter, Sink sink);
    // One line of the file, without its line break.
    void addLine(QByteArrayView line);
    // The end of the file: a record still open is read again with its unclosed quote as text.
    void finish();

    qsizetype blankLines() const { return m_blankLines; }
    // The line of the quote never closed, 0 when every quote closed. There is at most one: it
    // runs to the end of the file.
    qsizetype unclosedQuoteLine() const { return m_unclosedQuoteLine; }

private:
    void copyLineFields();

    const char m_delimiter;
    const Sink m_sink;
    CsvRecord m_record;
    qsizetype m_lineNumber = 0;
    // Inside a quoted field at the end of the last line: its record goes on.
    bool m_inQuote = false;
    // Where the open quote is, and the lines of its record so far, to read again if it never
    // closes.
    qsizetype m_quoteLine = 0;
    qsizetype m_quoteOffset = 0;
    // Where the quoted field being read begins in the record's bytes.
    qsizetype m_quotedStart = 0;
    QByteArrayList m_openLines;
    // A quote read as text: one found never to close.
    qsizetype m_textQuoteLine = 0;
    qsizetype m_textQuoteOffset = -1;
    qsizetype m_blankLines = 0;
    qsizetype m_unclosedQuoteLine = 0;
};

// The delimiters a file may use, in the order a tie is settled: the characters least likely
// inside a value come first.
inline constexpr char kCsvDelimiters[] = {'\t', '|', ';', ','};

// The delimiter the first lines of a file use: the one that cuts the most of their records
// into the same number (two or more) of fields, a tie settled by the order of kCsvDelimiters
// (so "1,5;2,5" reads as two fields with decimal commas). ',' when none cuts any line.
char guessedCsvDelimiter(const QByteArrayList& firstLines);

} // namespace tavrolin
