#pragma once

#include "aligned_table.h"
#include "replacement_file.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace tavrolin {

// The result file while it is written. A file is written to a new file beside it that replaces
// it only when committed, so a failed or abandoned save leaves the old file as it was; the new
// file keeps the old one's owner, group and mode. A folder the user cannot write to refuses
// that new file even when the file in it may be written; the file is then written in place.
// That empties the old file, so it is opened only when the first row is written, the header
// line waiting in memory until then. A device, a pipe, or the program's own output named as
// /dev/stdout, is written into where it is, as a shell's ">" would, and never replaced.
// The name is taken by its bytes, and links are followed as the kernel follows them for a
// shell. Each step that fails throws an error that names the file and the system's reason.
class ResultFile {
public:
    // Refused: where the folder refuses the new file, creating fails instead of writing in
    // place, so that a job that fails can never leave a partial file.
    enum class InPlace { Allowed, Refused };
    // Awaited: a pipe is opened as a shell opens it, waiting for a program to read from it.
    // Required: a pipe that no program reads from is refused at once, so the window never waits.
    enum class PipeReader { Awaited, Required };

    explicit ResultFile(QString fileName, InPlace inPlace = InPlace::Allowed,
                        PipeReader reader = PipeReader::Required);
    ~ResultFile();
    ResultFile(const ResultFile&) = delete;
    ResultFile& operator=(const ResultFile&) = delete;

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
    [[noreturn]] void failWithErrno(int number) const;
    void openInPlace(bool pipe);
    void writeLine(const PaddedLine& line);
    void startWriteback();

    QString m_name;
    InPlace m_inPlace;
    PipeReader m_reader;
    // Where the bytes go, once links are followed.
    QByteArray m_path;
    std::optional<ReplacementFile> m_replacement;
    // The descriptor written to: the replacement's, or one of the file itself.
    int m_descriptor = -1;
    // Writing in place: the bytes held back until the first row, and whether the old file has
    // been emptied since.
    std::optional<QByteArray> m_held;
    bool m_emptied = false;
    // Bytes written to the file, and how many of them the disk has been asked to take.
    qint64 m_written = 0;
    qint64 m_handedToDisk = 0;
};

} // namespace tavrolin
