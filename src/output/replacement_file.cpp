#include "replacement_file.h"

#include "common/system_failure.h"
#include "write_target.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tavrolin {

namespace {

// The one named replacement file there may be, for the signal handler to remove: the program
// writes one file at a time.
char g_named[4096];
volatile sig_atomic_t g_armed = 0;

extern "C" void removeNamedAndEnd(int signal) {
    if (g_armed != 0)
        ::unlink(g_named);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

// Handlers are set where a signal would end the program as it stands; one the program or its
// starter has set or ignored (nohup) is left alone.
void handleEndingSignals() {
    static bool handled = false;
    if (std::exchange(handled, true))
        return;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
            continue;
        struct sigaction removing {};
        removing.sa_handler = removeNamedAndEnd;
        sigemptyset(&removing.sa_mask);
        ::sigaction(signal, &removing, nullptr);
    }
}

void arm(const QByteArray& named) {
    handleEndingSignals();
    g_armed = 0;
    std::memcpy(g_named, named.constData(), size_t(named.size()) + 1);
    g_armed = 1;
}

QByteArray freshName(const QByteArray& folder) {
    return folder + "/.tavrolin-" +
           QByteArray::number(QRandomGenerator::global()->generate64(), 36);
}

// Tries fresh names until one is free.
template <class Make> QByteArray madeUnderFreshName(const QByteArray& folder, Make make) {
    for (;;) {
        QByteArray named = freshName(folder);
        if (named.size() >= qsizetype(sizeof g_named))
            throw SystemFailure{systemReason(ENAMETOOLONG)};
        if (make(named))
            return named;
        if (errno != EEXIST)
            throw SystemFailure::ofErrno();
    }
}

// Giving a file away takes root, and the user may not be in the old file's group: where neither
// may be given, the new file is the user's, as any file the user makes.
void keepOwner(int descriptor, const WriteTarget& target) {
    if (target.owner == ::geteuid() && target.group == ::getegid())
        return;
    if (::fchown(descriptor, target.owner, target.group) != 0)
        static_cast<void>(::fchown(descriptor, uid_t(-1), target.group) == 0);
}

bool noAnonymousFiles(int code) {
    // Older kernels answer O_TMPFILE with EISDIR; file systems without it with EOPNOTSUPP.
    return code == EOPNOTSUPP || code == EISDIR || code == EINVAL;
}

} // namespace

ReplacementFile::ReplacementFile(const WriteTarget& target) : m_path(target.path) {
    const qsizetype slash = m_path.lastIndexOf('/');
    m_folder = slash < 0 ? QByteArrayLiteral(".") : m_path.first(std::max<qsizetype>(slash, 1));
    m_descriptor = ::open(m_folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (m_descriptor < 0 && !noAnonymousFiles(errno))
        throw SystemFailure::ofErrno();
    if (m_descriptor < 0) {
        m_named = madeUnderFreshName(m_folder, [this](const QByteArray& named) {
            m_descriptor = ::open(named.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
            return m_descriptor >= 0;
        });
        arm(m_named);
    }
    if (target.kind != WriteTarget::Kind::File)
        return;
    // The mode comes after the owner, whose change clears the set-user-ID bit.
    keepOwner(m_descriptor, target);
    ::fchmod(m_descriptor, target.mode);
}

ReplacementFile::~ReplacementFile() {
    discard();
}

void ReplacementFile::commit() {
    if (::fsync(m_descriptor) != 0)
        throw SystemFailure::ofErrno();
    if (m_named.isEmpty()) {
        // An anonymous file gets a name through its entry in /proc, or, where /proc is not
        // there, through the descriptor itself (which takes root).
        const QByteArray proc = "/proc/self/fd/" + QByteArray::number(m_descriptor);
        m_named = madeUnderFreshName(m_folder, [&](const QByteArray& named) {
            if (::linkat(AT_FDCWD, proc.constData(), AT_FDCWD, named.constData(),
                         AT_SYMLINK_FOLLOW) == 0)
                return true;
            return errno == ENOENT &&
                   ::linkat(m_descriptor, "", AT_FDCWD, named.constData(), AT_EMPTY_PATH) == 0;
        });
        arm(m_named);
    }
    if (::rename(m_named.constData(), m_path.constData()) != 0)
        throw SystemFailure::ofErrno();
    g_armed = 0;
    m_named.clear();
    if (::close(std::exchange(m_descriptor, -1)) != 0)
        throw SystemFailure::ofErrno();
}

void ReplacementFile::discard() {
    if (!m_named.isEmpty())
        ::unlink(m_named.constData());
    g_armed = 0;
    m_named.clear();
    if (m_descriptor >= 0)
        ::close(std::exchange(m_descriptor, -1));
}

} // namespace tavrolin
