#include "csv_records.h"

#include <QHash>
#include <algorithm>
#include <utility>

namespace tavrolin {

QByteArrayView CsvRecord::field(qsizetype i) const {
    const Field& field = m_fields[size_t(i)];
    if (field.copied)
        return QByteArrayView(m_bytes).sliced(field.start, field.size);
    return QByteArrayView(m_lineData + field.start, field.size);
}

CsvRecordReader::CsvRecordReader(char delimiter, Sink sink)
    : m_delimiter(delimiter), m_sink(std::move(sink)) {}

// The record goes on past this line, which will be gone: the fields that are still its bytes
// are copied, ahead of the quoted field being read, which stays last.
void CsvRecordReader::copyLineFields() {
    std::vector<CsvRecord::Field>& fields = m_record.m_fields;
    // Only fields that ended on this line can be left: then the quoted one began on it too,
    // and moving it is no more than the line. A long field over many lines is not moved again.
    if (std::all_of(fields.cbegin(), fields.cend(),
                    [](const CsvRecord::Field& field) { return field.copied; }))
        return;
    QByteArray& bytes = m_record.m_bytes;
    const QByteArray open = bytes.sliced(m_quotedStart);
    bytes.truncate(m_quotedStart);
    for (CsvRecord::Field& field : fields) {
        if (field.copied)
            continue;
        const qsizetype start = bytes.size();
        bytes.append(m_record.m_lineData + field.start, field.size);
        field = {start, field.size, true};
    }
    m_quotedStart = bytes.size();
    bytes.append(open);
}

void CsvRecordReader::addLine(QByteArrayView line) {
    ++m_lineNumber;
    QByteArray& bytes = m_record.m_bytes;
    std::vector<CsvRecord::Field>& fields = m_record.m_fields;
    if (m_inQuote) {
        bytes.append('\n');
    } else if (line.isEmpty()) {
        ++m_blankLines;
        return;
    } else {
        bytes.resize(0); // keeps its room for the next record
        fields.clear();
        m_record.m_line = m_lineNumber;
    }
    m_record.m_lineData = line.data();
    const qsizetype size = line.size();
    qsizetype pos = 0;
    for (;;) {
        bool quoted = false;
        if (m_inQuote) {
            for (;;) {
                const qsizetype quote = line.indexOf('"', pos);
                if (quote < 0) { // the field goes on on the next line
                    copyLineFields();
                    bytes.append(line.sliced(pos));
                    m_openLines.append(line.toByteArray());
                    return;
                }
                bytes.append(line.sliced(pos, quote - pos));
                pos = quote + 1;
                if (pos == size || line[pos] != '"')
                    break;
                bytes.append('"'); // a doubled quote
                ++pos;
            }
            m_inQuote = false;
            quoted = true;
        } else if (pos < size && line[pos] == '"' &&
                   !(m_lineNumber == m_textQuoteLine && pos == m_textQuoteOffset)) {
            // Most quoted fields close on their line with no quote inside and nothing after
            // the closing one: their bytes are those between the quotes.
            const qsizetype close = line.indexOf('"', pos + 1);
            if (close >= 0 &&
                (close + 1 == size || (line[close + 1] == m_delimiter && m_delimiter != '"'))) {
                fields.push_back({pos + 1, close - pos - 1, false});
                if (close + 1 == size)
                    break;
                pos = close + 2;
                continue;
            }
            m_inQuote = true;
            m_quoteLine = m_lineNumber;
            m_quoteOffset = pos;
            m_quotedStart = bytes.size();
            ++pos;
            continue;
        }
        // An unquoted field, or what follows a closing quote: up to the delimiter as it is.
        const qsizetype delimiter = line.indexOf(m_delimiter, pos);
        const qsizetype end = delimiter < 0 ? size : delimiter;
        if (quoted) {
            bytes.append(line.sliced(pos, end - pos));
            fields.push_back({m_quotedStart, bytes.size() - m_quotedStart, true});
        } else {
            fields.push_back({pos, end - pos, false});
        }
        if (delimiter < 0)
            break;
        pos = delimiter + 1;
    }
    m_openLines.clear();
    m_sink(m_record);
}

// A quote never closed runs to the end of the file, so there is at most one. Read again with
// it as text, its record closes: every quote after it came in adjacent pairs (the doubled
// quotes of the open field), and a run of them at the start of a field closes on its line.
void CsvRecordReader::finish() {
    if (!m_inQuote)
        return;
    m_unclosedQuoteLine = m_quoteLine;
    m_textQuoteLine = m_quoteLine;
    m_textQuoteOffset = m_quoteOffset;
    m_inQuote = false;
    m_lineNumber = m_record.m_line - 1;
    const QByteArrayList lines = std::exchange(m_openLines, {});
    for (const QByteArray& line : lines)
        addLine(line);
}

char guessedCsvDelimiter(const QByteArrayList& firstLines) {
    char best = ',';
    qsizetype bestScore = 0;
    for (const char delimiter : kCsvDelimiters) {
        // How many records have each number of fields; a record still open at the end of the
        // lines may be cut short, and is left out.
        QHash<qsizetype, qsizetype> records;
        CsvRecordReader reader(delimiter,
                               [&records](const CsvRecord& record) { ++records[record.size()]; });
        for (const QByteArray& line : firstLines)
            reader.addLine(line);
        qsizetype score = 0;
        for (auto it = records.cbegin(); it != records.cend(); ++it) {
            if (it.key() >= 2 && it.value() > score)
                score = it.value();
        }
        if (score > bestScore) {
            best = delimiter;
            bestScore = score;
        }
    }
    return best;
}

} // namespace tavrolin
