#pragma once

#include "column_layout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFileDevice>
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace tavrolin {

// A line of the result file, kept as its padded cells. The result row can hold tens of millions
// of bytes; each cell is written as the bytes it is kept in rather than copied into one buffer.
using PaddedLine = QList<PaddedCell>;

// Where the bytes of a file go: a file, standard output, or memory.
using ByteSink = std::function<void(QByteArrayView)>;

// Writes the line as the result file has it: each cell, its padding and a tab, then CR LF.
void writePaddedLine(const PaddedLine& line, const ByteSink& write);

// The result file's layout from data: a header line of the captions, then one line per row,
// every column as wide as its longest text, captions included. cell(row, column) counts both
// from 0. The window's save lays its lines out with the same ColumnWidths and
// writePaddedLine, between the events it lets run.
void writeAlignedTable(const QList<QByteArray>& captions, qsizetype rows,
                       const std::function<QByteArray(qsizetype, qsizetype)>& cell,
                       const ByteSink& write);

// The result file while it is written: a temporary file beside the target that replaces the
// target only when committed, so a failed or abandoned save leaves the old file as it was.
// A folder the user cannot write to refuses that temporary file even when the file in it may
// be written; the file is then written in place. That empties the old file, so it is opened
// only when the first row is written, the header line waiting in memory until then.
// Each step that fails throws an error that names the file and the system's reason.
class ResultFile {
public:
    // Refused: where the folder refuses the temporary file, creating fails instead of writing
    // in place, so that a job that fails can never leave a partial file.
    enum class InPlace { Allowed, Refused };

    explicit ResultFile(QString fileName, InPlace inPlace = InPlace::Allowed);

    void create();
    void writeHeader(const PaddedLine& line);
    void writeRow(const PaddedLine& line);
    // Bytes as they come, for a file that is not laid out in lines of cells.
    void write(QByteArrayView bytes);
    void close();
    // Leaves the old file as it was, unless it has been emptied to be written in place.
    void cancel();

private:
    [[noreturn]] void fail(int number, const QString& reason) const;
    void writeLine(const PaddedLine& line);
    void startWriteback();

    QString m_name;
    InPlace m_inPlace;
    std::unique_ptr<QFileDevice> m_file;
    // Writing in place: the bytes held back until the first row, and whether the old file has
    // been emptied since.
    std::optional<QByteArray> m_held;
    bool m_emptied = false;
    // Bytes written to the file, and how many of them the disk has been asked to take.
    qint64 m_written = 0;
    qint64 m_handedToDisk = 0;
};

} // namespace tavrolin
