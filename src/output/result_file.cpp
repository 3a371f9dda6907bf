#include "result_file.h"

#include "common/runtime_error.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <utility>

namespace tavrolin {

namespace {

constexpr qsizetype kBlock = 256 * 1024;

} // namespace

ResultFile::ResultFile(QString fileName) : m_name(std::move(fileName)) {}

void ResultFile::create() {
    // Unbuffered, so that a write the disk cuts short is seen at once and can be tried again
    // for the system's reason (see write).
    auto file = std::make_unique<QSaveFile>(m_name);
    if (file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_file = std::move(file);
        return;
    }
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
    for (const PaddedCell& cell : line) {
        write(cell.bytes);
        writeSpaces(cell.padding);
        write(QByteArrayView("\t", 1));
    }
    write(QByteArrayView("\r\n", 2));
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
    }
}

void ResultFile::writeSpaces(qsizetype count) {
    static const QByteArray spaces(kBlock, ' ');
    for (; count > 0; count -= kBlock)
        write(QByteArrayView(spaces).first(std::min(count, kBlock)));
}

} // namespace tavrolin
