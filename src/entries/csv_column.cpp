#include "csv_column.h"

#include "common/runtime_error.h"
#include "common/text_encoding.h"
#include "csv_records.h"
#include "list_file_decoder.h"
#include "list_file_reader.h"

#include <QIODevice>
#include <algorithm>

namespace tavrolin {

namespace {

constexpr qint64 kPreviewChunk = 64 * 1024;
constexpr qint64 kPreviewMost = 4 * kPreviewChunk;
// The lines the delimiter is guessed from.
constexpr qsizetype kSampleLines = 20;

// The first `count` records of the lines; those of a cut record are left out unless the
// lines are the whole file.
QList<QByteArrayList> recordsOf(const QByteArrayList& lines, char delimiter, qsizetype count,
                                bool wholeFile) {
    QList<QByteArrayList> records;
    CsvRecordReader reader(delimiter, [&records, count](const CsvRecord& record) {
        if (records.size() == count)
            return;
        QByteArrayList& fields = records.emplace_back();
        for (qsizetype i = 0; i < record.size(); ++i)
            fields.append(record.field(i).toByteArray());
    });
    for (const QByteArray& line : lines)
        reader.addLine(line);
    if (wholeFile)
        reader.finish();
    return records;
}

// The column the header names, counted from 1, or 0 when none does.
qsizetype columnNamed(const CsvRecord& header, const QString& name) {
    const QByteArray bytes = encode8Bit(name);
    for (qsizetype i = 0; i < header.size(); ++i) {
        if (header.field(i) == QByteArrayView(bytes))
            return i + 1;
    }
    const QString loose = name.trimmed();
    for (qsizetype i = 0; i < header.size(); ++i) {
        if (decode8Bit(trimmed8Bit(header.field(i))).compare(loose, Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return 0;
}

// Stops the reading when the header does not name the column.
struct NoSuchColumn {};

} // namespace

CsvPreview previewCsv(QIODevice& device, qsizetype rows, char delimiter) {
    QByteArrayList lines;
    EntrySplitter splitter([&lines](QByteArrayView line) { lines.append(line.toByteArray()); });
    ListFileDecoder decoder(splitter);
    CsvPreview preview;
    QByteArray chunk(kPreviewChunk, Qt::Uninitialized);
    for (qint64 total = 0; total < kPreviewMost;) {
        const qint64 read = device.read(chunk.data(), kPreviewChunk);
        if (read < 0)
            throw RuntimeError::of(error::DeviceIo);
        if (read == 0) {
            decoder.finish();
            preview.wholeFile = true;
            break;
        }
        decoder.feed(QByteArrayView(chunk.constData(), read));
        total += read;
        if (lines.size() >= std::max(rows, kSampleLines) &&
            recordsOf(lines, delimiter == 0 ? ',' : delimiter, rows, false).size() == rows)
            break;
    }
    preview.delimiter =
        delimiter != 0 ? delimiter : guessedCsvDelimiter(lines.mid(0, kSampleLines));
    preview.rows = recordsOf(lines, preview.delimiter, rows, preview.wholeFile);
    return preview;
}

CsvColumnReport readCsvColumn(QIODevice& device, const CsvColumnChoice& choice,
                              const std::function<void(QByteArrayView)>& sink) {
    CsvColumnReport report;
    const bool byName = choice.header && !choice.name.isEmpty();
    report.column = byName ? 0 : choice.number;
    if (!byName && report.column < 1) {
        report.found = false;
        return report;
    }
    bool atHeader = choice.header;
    CsvRecordReader reader(choice.delimiter, [&](const CsvRecord& record) {
        if (atHeader) {
            atHeader = false;
            if (byName && (report.column = columnNamed(record, choice.name)) == 0)
                throw NoSuchColumn();
            return;
        }
        if (report.column > record.size()) {
            if (report.shortRecords++ == 0)
                report.firstShortRecordLine = record.line();
            sink({});
        } else {
            sink(record.field(report.column - 1));
        }
        ++report.values;
    });
    try {
        readEntries(device, [&reader](QByteArrayView line) { reader.addLine(line); });
        reader.finish();
    } catch (const NoSuchColumn&) {
        report.found = false;
    }
    if (byName && atHeader) // no header at all
        report.found = false;
    report.blankLines = reader.blankLines();
    report.unclosedQuoteLine = reader.unclosedQuoteLine();
    return report;
}

} // namespace tavrolin
