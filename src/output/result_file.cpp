#include "result_file.h"

#include "common/path_routines.h"
#include "common/runtime_error.h"
#include "common/shown_path.h"
#include "common/system_failure.h"
#include "write_target.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace tavrolin {

namespace {

// How many bytes are written before the disk is asked to start on them.
constexpr qint64 kWritebackBytes = 8 * 1024 * 1024;

} // namespace

ResultFile::ResultFile(QString fileName, InPlace inPlace, PipeReader reader)
    : m_name(std::move(fileName)), m_inPlace(inPlace), m_reader(reader) {}

ResultFile::~ResultFile() {
    cancel();
}

void ResultFile::create() {
    WriteTarget target;
    try {
        target = findWriteTarget(systemPath(m_name));
    } catch (const SystemFailure& failure) {
        fail(error::PathFileAccess, failure.reason);
    }
    m_path = target.path;
    switch (target.kind) {
    case WriteTarget::Kind::Stream:
        m_descriptor = ::fcntl(target.descriptor, F_DUPFD_CLOEXEC, 0);
        if (m_descriptor < 0)
            failWithErrno(error::PathFileAccess);
        return;
    case WriteTarget::Kind::Device:
    case WriteTarget::Kind::Pipe:
        return openInPlace(target.kind == WriteTarget::Kind::Pipe);
    case WriteTarget::Kind::File:
        // A file the user may not write is not replaced, as a shell's ">" would not write it.
        if (::faccessat(AT_FDCWD, m_path.constData(), W_OK, AT_EACCESS) != 0)
            failWithErrno(error::PathFileAccess);
        break;
    case WriteTarget::Kind::Missing:
        break;
    }
    try {
        m_replacement.emplace(target);
        m_descriptor = m_replacement->descriptor();
        return;
    } catch (const SystemFailure& failure) {
        if (m_inPlace == InPlace::Refused || target.kind != WriteTarget::Kind::File)
            fail(error::PathFileAccess, failure.reason);
    }
    m_held.emplace();
}

// Where the pipe's reader is required, opening waits for nothing: a pipe that no program reads
// from is refused; what is then written waits as any write does.
void ResultFile::openInPlace(bool pipe) {
    const int waitless = m_reader == PipeReader::Required ? O_NONBLOCK : 0;
    m_descriptor = ::open(m_path.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | waitless);
    if (m_descriptor < 0 && pipe && errno == ENXIO)
        fail(error::PathFileAccess, QStringLiteral("No program is reading from this pipe"));
    if (m_descriptor < 0)
        failWithErrno(error::PathFileAccess);
    ::fcntl(m_descriptor, F_SETFL, ::fcntl(m_descriptor, F_GETFL) & ~waitless);
}

void ResultFile::writeHeader(const PaddedLine& line) {
    writeLine(line);
}

void ResultFile::writeRow(const PaddedLine& line) {
    if (m_held) {
        m_descriptor = ::open(m_path.constData(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
        if (m_descriptor < 0)
            failWithErrno(error::PathFileAccess);
        m_emptied = true;
        write(*std::exchange(m_held, std::nullopt));
    }
    writeLine(line);
}

void ResultFile::close() {
    // A replacement that fails to commit is discarded when the save is cancelled or ends.
    if (m_replacement) {
        m_descriptor = -1;
        try {
            m_replacement->commit();
        } catch (const SystemFailure& failure) {
            fail(error::DeviceIo, failure.reason);
        }
        return;
    }
    if (m_descriptor >= 0 && ::close(std::exchange(m_descriptor, -1)) != 0)
        failWithErrno(error::DeviceIo);
}

void ResultFile::cancel() {
    if (m_replacement) {
        m_descriptor = -1;
        m_replacement.reset();
    }
    if (m_descriptor >= 0)
        ::close(std::exchange(m_descriptor, -1));
}

void ResultFile::fail(int number, const QString& reason) const {
    QString detail = shownPath(m_name) + QStringLiteral(": ") + reason;
    if (m_emptied)
        detail += QStringLiteral(". The file is now incomplete.");
    throw RuntimeError::of(number, detail);
}

void ResultFile::failWithErrno(int number) const {
    fail(number, systemReason(errno));
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
        const ssize_t written = ::write(m_descriptor, bytes.data(), size_t(bytes.size()));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            failWithErrno(error::DeviceIo);
        bytes = bytes.sliced(written);
        m_written += written;
    }
    if (m_written - m_handedToDisk >= kWritebackBytes)
        startWriteback();
}

// The commit syncs the file to disk before it replaces the target; left to then, the disk
// starts on tens of megabytes only once the last byte is written. Started on each few
// megabytes as they are written, the disk works while the rest is laid out. It is only a
// request: a system that refuses it (a pipe, a device) loses nothing, and the commit still
// waits for every byte.
void ResultFile::startWriteback() {
#ifdef Q_OS_LINUX
    sync_file_range(m_descriptor, m_handedToDisk, m_written - m_handedToDisk,
                    SYNC_FILE_RANGE_WRITE);
#endif
    m_handedToDisk = m_written;
}

} // namespace tavrolin
