#pragma once

#include "column_layout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFileDevice>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

namespace tavrolin {

// A line of the result file, kept as its padded cells. The result row can hold tens of millions
// of bytes; each cell is written as the bytes it is kept in rather than copied into one buffer.
using PaddedLine = QList<PaddedCell>;

// The result file while it is written: a temporary file beside the target that replaces the
// target only when committed, so a failed or abandoned save leaves the old file as it was.
// A folder the user cannot write to refuses that temporary file even when the file in it may
// be written; the file is then written in place. That empties the old file, so it is opened
// only when the first row is written, the header line waiting in memory until then.
// Each step that fails throws an error that names the file and the system's reason.
class ResultFile {
public:
    explicit ResultFile(QString fileName);

    void create();
    void writeHeader(const PaddedLine& line);
    void writeRow(const PaddedLine& line);
    void close();
    // Leaves the old file as it was, unless it has been emptied to be written in place.
    void cancel();

private:
    [[noreturn]] void fail(int number, const QString& reason) const;
    void writeLine(const PaddedLine& line);
    void write(QByteArrayView bytes);
    void writeSpaces(qsizetype count);

    QString m_name;
    std::unique_ptr<QFileDevice> m_file;
    // Writing in place: the bytes held back until the first row, and whether the old file has
    // been emptied since.
    std::optional<QByteArray> m_held;
    bool m_emptied = false;
};

} // namespace tavrolin
