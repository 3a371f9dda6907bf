#pragma once

#include "entries/csv_column.h"
#include "entries/entry_list_tools.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QIODevice;

namespace tavrolin {

// One entry list tool of a batch job, as the window's menu offers them, with what its options
// chose: those that shape a tool shape every tool of its kind, wherever they stand.
struct BatchTool {
    EntryListTool kind;
    ToolChoices choices;
};

// What `tavrolin --join SEP ...` asks for: the files read in order (standard input for "-"),
// the tools applied in order to the entries they give, and the joined list written.
struct BatchJob {
    QByteArray separator;
    // Each file read as CSV, its chosen column's values the entries; a delimiter of 0 is
    // guessed for each file.
    std::optional<CsvColumnChoice> column;
    QList<BatchTool> tools;
    // Entries per line; 0 puts them all on one line.
    qsizetype groupSize = 0;
    QByteArray before;
    QByteArray after;
    // The window's saved-file layout instead of plain lines.
    bool aligned = false;
    // Empty for standard output.
    QString output;
    // Absolute paths, "-" for standard input; none reads standard input.
    QStringList files;
};

// Where a job reads "-" from, writes its result to without --output, and tells what failed.
struct BatchStreams {
    QIODevice& input;
    QIODevice& output;
    QIODevice& errors;
};

// Runs the job and gives the program's exit status: 0 when the whole result was written, 1
// when a file could not be read (or has no column of the name asked for) or the result not
// written. Rows too short for the column and a quote never closed are told on the errors
// stream and do not change the status: their values are in the result. Every input file is opened
// before anything is written; a result file is written through a temporary file beside it, so a job
// that fails leaves no partial file and an old file as it was.
int runBatchJob(const BatchJob& job, const BatchStreams& streams);

} // namespace tavrolin
