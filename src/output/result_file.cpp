#include "result_file.h"

#include "common/runtime_error.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <utility>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif

namespace tavrolin {

namespace {

constexpr qsizetype kBlock = 256 * 1024;
// How many bytes are written before the disk is asked to start on them.
constexpr qint64 kWritebackBytes = 8 * 1024 * 1024;

} // namespace

void writePaddedLine(const PaddedLine& line, const ByteSink& write) {
    static const QByteArray spaces(kBlock, ' ');
    for (const PaddedCell& cell : line) {
        write(cell.bytes);
        for (qsizetype count = cell.padding; count > 0; count -= kBlock)
            write(QByteArrayView(spaces).first(std::min(count, kBlock)));
        write(QByteArrayView("\t", 1));
    }
    write(kLineEnd);
}

void writeAlignedTable(const QList<QByteArray>& captions, qsizetype rows,
                       const std::function<QByteArray(qsizetype, qsizetype)>& cell,
                       const ByteSink& write) {
    const qsizetype columns = captions.size();
    ColumnWidths widths;
    for (qsizetype c = 0; c < columns; ++c) {
        widths.fit(captions.at(c));
        for (qsizetype r = 0; r < rows; ++r)
            widths.fit(cell(r, c));
        widths.endColumn();
    }
    PaddedLine line;
    for (qsizetype c = 0; c < columns; ++c)
        line.append(widths.padded(captions.at(c), int(c + 1)));
    writePaddedLine(line, write);
    for (qsizetype r = 0; r < rows; ++r) {
        line.clear();
        for (qsizetype c = 0; c < columns; ++c)
            line.append(widths.padded(cell(r, c), int(c + 1)));
        writePaddedLine(line, write);
    }
}

ResultFile::ResultFile(QString fileName, InPlace inPlace)
    : m_name(std::move(fileName)), m_inPlace(inPlace) {}

void ResultFile::create() {
    // Unbuffered, so that a write the disk cuts short is seen at once and can be tried again
    // for the system's reason (see write).
    auto file = std::make_unique<QSaveFile>(m_name);
    if (file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_file = std::move(file);
        return;
    }
    if (m_inPlace == InPlace::Refused)
        fail(error::PathFileAccess, file->errorString());
    QFile inPlace(m_name); // opened without changing a byte, to learn it can be written
    if (!inPlace.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly)) {
        // Where the file exists, why it cannot be written in place is the system's reason;
        // else why the temporary file could not be made.
        fail(error::PathFileAccess, inPlace.exists() ? inPlace.errorString() : file->errorString());
    }
    m_held.emplace();
}

void ResultFile::writeHeader(const PaddedLine& line) {
    writeLine(line);
}

void ResultFile::writeRow(const PaddedLine& line) {
    if (m_held) {
        auto file = std::make_unique<QFile>(m_name);
        if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
            fail(error::PathFileAccess, file->errorString());
        m_emptied = true;
        const QByteArray header = *std::exchange(m_held, std::nullopt);
        m_file = std::move(file);
        write(header);
    }
    writeLine(line);
}

void ResultFile::close() {
    const std::unique_ptr<QFileDevice> file = std::move(m_file);
    auto* saveFile = qobject_cast<QSaveFile*>(file.get());
    if (saveFile != nullptr ? !saveFile->commit() : !file->flush())
        fail(error::DeviceIo, file->errorString());
}

void ResultFile::cancel() {
    if (auto* saveFile = qobject_cast<QSaveFile*>(m_file.get()))
        saveFile->cancelWriting();
}

void ResultFile::fail(int number, const QString& reason) const {
    QString detail = QDir::toNativeSeparators(m_name) + QStringLiteral(": ") + reason;
    if (m_emptied)
        detail += QStringLiteral(". The file is now incomplete.");
    throw RuntimeError::of(number, detail);
}

void ResultFile::writeLine(const PaddedLine& line) {
    writePaddedLine(line, [this](QByteArrayView bytes) { write(bytes); });
}

void ResultFile::write(QByteArrayView bytes) {
    if (m_held) {
        m_held->append(bytes);
        return;
    }
    // A full disk first cuts a write short without a reason; the write of the rest then fails
    // and gives it.
    while (!bytes.isEmpty()) {
        const qint64 written = m_file->write(bytes.data(), bytes.size());
        if (written <= 0)
            fail(error::DeviceIo, m_file->errorString());
        bytes = bytes.sliced(written);
        m_written += written;
    }
    if (m_written - m_handedToDisk >= kWritebackBytes)
        startWriteback();
}

// The commit syncs the file to disk before it replaces the target; left to then, the disk
// starts on tens of megabytes only once the last byte is written. Started on each few
// megabytes as they are written, the disk works while the rest is laid out. It is only a
// request: a system that refuses it loses nothing, and the commit still waits for every byte.
void ResultFile::startWriteback() {
#ifdef Q_OS_LINUX
    sync_file_range(m_file->handle(), m_handedToDisk, m_written - m_handedToDisk,
                    SYNC_FILE_RANGE_WRITE);
#endif
    m_handedToDisk = m_written;
}

} // namespace tavrolin
