#include "csv_column_input.h"

#include "common/runtime_error.h"

#include <QBuffer>
#include <QIODevice>

namespace tavrolin {

namespace {

// Rows enough to guess the delimiter from, as the window's preview reads them.
constexpr qsizetype kGuessRows = 10;
constexpr qsizetype kStreamBlock = 1024 * 1024;

} // namespace

char csvDelimiterNamed(const QString& text) {
    if (text == u"tab")
        return '\t';
    if (text.size() != 1)
        return 0;
    const char16_t c = text.at(0).unicode();
    if (c == u'"' || c == u'\n' || c == u'\r' || c == 0 || c >= 0x80)
        return 0;
    return char(c);
}

CsvColumnReport readCsvInput(QIODevice& device, CsvColumnChoice choice,
                             const std::function<void(QByteArrayView)>& sink) {
    if (choice.delimiter != 0)
        return readCsvColumn(device, choice, sink);
    if (!device.isSequential()) {
        choice.delimiter = previewCsv(device, kGuessRows).delimiter;
        if (!device.seek(0))
            throw RuntimeError::of(error::DeviceIo);
        return readCsvColumn(device, choice, sink);
    }
    QByteArray whole;
    for (;;) {
        const qsizetype at = whole.size();
        if (whole.capacity() < at + kStreamBlock)
            whole.reserve(2 * (at + kStreamBlock));
        whole.resize(at + kStreamBlock);
        const qint64 read = device.read(whole.data() + at, kStreamBlock);
        if (read < 0)
            throw RuntimeError::of(error::DeviceIo);
        whole.resize(at + read);
        if (read == 0)
            break;
    }
    QBuffer buffer(&whole);
    buffer.open(QIODevice::ReadOnly);
    choice.delimiter = previewCsv(buffer, kGuessRows).delimiter;
    buffer.seek(0);
    return readCsvColumn(buffer, choice, sink);
}

QStringList csvInputWarnings(const CsvColumnReport& report, const QString& name) {
    QStringList lines;
    if (report.shortRecords > 0) {
        lines.append(QStringLiteral("%1: line %2: %3 %4 column %5, an empty entry for each")
                         .arg(name)
                         .arg(report.firstShortRecordLine)
                         .arg(report.shortRecords)
                         .arg(report.shortRecords == 1 ? QStringLiteral("row lacks")
                                                       : QStringLiteral("rows lack"))
                         .arg(report.column));
    }
    if (report.unclosedQuoteLine > 0) {
        lines.append(QStringLiteral("%1: line %2: a quote is never closed; it was read as text")
                         .arg(name)
                         .arg(report.unclosedQuoteLine));
    }
    return lines;
}

} // namespace tavrolin
