#include "csv_records.h"

#include <QHash>
#include <utility>

namespace tavrolin {

QByteArrayView CsvRecord::field(qsizetype i) const {
    const qsizetype start = i == 0 ? 0 : m_ends[size_t(i - 1)];
    return QByteArrayView(m_bytes).sliced(start, m_ends[size_t(i)] - start);
}

CsvRecordReader::CsvRecordReader(char delimiter, Sink sink)
    : m_delimiter(delimiter), m_sink(std::move(sink)) {}

void CsvRecordReader::addLine(QByteArrayView line) {
    ++m_lineNumber;
    QByteArray& bytes = m_record.m_bytes;
    if (m_inQuote) {
        bytes.append('\n');
    } else if (line.isEmpty()) {
        ++m_blankLines;
        return;
    } else {
        bytes.resize(0); // keeps its room for the next record
        m_record.m_ends.clear();
        m_record.m_line = m_lineNumber;
    }
    const qsizetype size = line.size();
    qsizetype pos = 0;
    for (;;) {
        if (m_inQuote) {
            for (;;) {
                const qsizetype quote = line.indexOf('"', pos);
                if (quote < 0) { // the field goes on on the next line
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
        } else if (pos < size && line[pos] == '"' &&
                   !(m_lineNumber == m_textQuoteLine && pos == m_textQuoteOffset)) {
            m_inQuote = true;
            m_quoteLine = m_lineNumber;
            m_quoteOffset = pos;
            ++pos;
            continue;
        }
        // An unquoted field, or what follows a closing quote: up to the delimiter as it is.
        const qsizetype delimiter = line.indexOf(m_delimiter, pos);
        bytes.append(line.sliced(pos, (delimiter < 0 ? size : delimiter) - pos));
        endField();
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
