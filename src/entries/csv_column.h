#pragma once

#include <QByteArrayList>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <functional>

class QIODevice;

namespace tavrolin {

// One column of a CSV or TSV file as entries. The file's bytes are taken as a list file's are
// (a byte-order mark tells UTF-8 or UTF-16, bytes that are not UTF-8 are kept, CR, LF and
// CR LF end lines), and its records are read as CsvRecordReader reads them.

// The first records of a file, for choosing the delimiter and the column.
struct CsvPreview {
    char delimiter = ',';
    // Each record's fields, in order.
    QList<QByteArrayList> rows;
    // The rows are all the file holds.
    bool wholeFile = false;
};

// Reads only the start of the device: enough lines to guess the delimiter (unless one is
// given) and to give `rows` records, at most a few hundred kilobytes whatever the file.
// Raises RuntimeError(DeviceIo) when a read fails.
CsvPreview previewCsv(QIODevice& device, qsizetype rows, char delimiter = 0);

struct CsvColumnChoice {
    char delimiter = ',';
    // The first record names the columns; it is no value.
    bool header = false;
    // The column by its number, counted from 1; used when name is empty.
    qsizetype number = 1;
    // The column by its name in the header: the first field equal to it, else the first equal
    // to it ignoring case and white space at either end.
    QString name;
};

// What reading a column met, for the window to report: nothing is dropped unsaid.
struct CsvColumnReport {
    // False when no field of the header has the name, or the number is below 1: nothing was
    // read then.
    bool found = true;
    // The column's number, counted from 1, as chosen or as the header named it.
    qsizetype column = 0;
    qsizetype values = 0;
    // Records too short to have the column. Each gives an empty value, as csvkit and pandas
    // fill a short row, so entry n stays the value of record n: a writer often leaves the
    // empty fields at the end of a row out. The line of the first, 0 when there is none.
    qsizetype shortRecords = 0;
    qsizetype firstShortRecordLine = 0;
    // Lines with nothing on them, skipped.
    qsizetype blankLines = 0;
    // The line of a quote never closed, read as text (see CsvRecordReader); 0 when none.
    qsizetype unclosedQuoteLine = 0;
};

// Gives the chosen column's value of each record to the sink, in order, a value with a line
// break as one value; the view is valid during the call. Streams: it holds one record at a
// time, so the memory is of the order of the sink's, not of the file. Raises
// RuntimeError(DeviceIo) when a read fails, the values before it already given. To guess the
// delimiter, take previewCsv's and read the device again from its start.
CsvColumnReport readCsvColumn(QIODevice& device, const CsvColumnChoice& choice,
                              const std::function<void(QByteArrayView)>& sink);

} // namespace tavrolin
