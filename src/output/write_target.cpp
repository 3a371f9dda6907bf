#include "write_target.h"

#include "common/path_routines.h"
#include "common/system_failure.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrolin {

namespace {

// As many links as the kernel follows in one name before it gives up with ELOOP.
constexpr int kMostLinks = 40;

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.first(slash);
}

// The kernel's rule for following a link in a folder that everyone may write to and only the
// owners may delete from (fs.protected_symlinks): the link is followed for its owner and where
// the folder's owner owns it too. Another user's link there is how a file of the user's is
// made to be overwritten, so it is refused even where the system has the rule turned off.
void checkLinkMayBeFollowed(const QByteArray& link, const struct stat& linkStatus) {
    struct stat folder {};
    if (::stat(folderOf(link).constData(), &folder) != 0)
        throw SystemFailure::ofErrno();
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    if (shared && linkStatus.st_uid != ::geteuid() && linkStatus.st_uid != folder.st_uid) {
        throw SystemFailure{QStringLiteral(
            "Permission denied: a link that another user owns, in a folder every user may "
            "write to, is not followed")};
    }
}

QByteArray linkText(const QByteArray& link, qsizetype size) {
    QByteArray text(size > 0 ? size + 1 : PATH_MAX, Qt::Uninitialized);
    const ssize_t length = ::readlink(link.constData(), text.data(), size_t(text.size()));
    if (length < 0)
        throw SystemFailure::ofErrno();
    text.truncate(length);
    return text;
}

} // namespace

WriteTarget findWriteTarget(const QByteArray& path) {
    WriteTarget target;
    target.path = path;
    for (int links = 0;; ++links) {
        // Opened again by name, such a descriptor would be replaced as a file or truncated
        // under a shell's ">>"; written through, it is the stream the program was given.
        // Checked at every link, as /dev/stdout is itself a link to /proc/self/fd/1.
        target.descriptor = descriptorNamed(target.path);
        if (target.descriptor >= 0) {
            const int flags = ::fcntl(target.descriptor, F_GETFL);
            if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY)
                throw SystemFailure{systemReason(EBADF)};
            target.kind = WriteTarget::Kind::Stream;
            return target;
        }
        struct stat status {};
        if (::lstat(target.path.constData(), &status) != 0) {
            // A name that leads nowhere, even through a link, is where a shell makes the file.
            if (errno != ENOENT || ::access(folderOf(target.path).constData(), F_OK) != 0)
                throw SystemFailure::ofErrno();
            return target;
        }
        if (S_ISLNK(status.st_mode)) {
            if (links == kMostLinks)
                throw SystemFailure{systemReason(ELOOP)};
            checkLinkMayBeFollowed(target.path, status);
            const QByteArray text = linkText(target.path, status.st_size);
            target.path = text.startsWith('/') ? text : folderOf(target.path) + '/' + text;
            continue;
        }
        if (S_ISREG(status.st_mode)) {
            target.kind = WriteTarget::Kind::File;
            target.owner = status.st_uid;
            target.group = status.st_gid;
            target.mode = status.st_mode & 07777;
            return target;
        }
        if (S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode)) {
            target.kind =
                S_ISFIFO(status.st_mode) ? WriteTarget::Kind::Pipe : WriteTarget::Kind::Device;
            return target;
        }
        if (S_ISDIR(status.st_mode))
            throw SystemFailure{systemReason(EISDIR)};
        throw SystemFailure{S_ISSOCK(status.st_mode)
                                ? QStringLiteral("Is a socket, which takes no file")
                                : QStringLiteral("Is a block device, which is never written")};
    }
}

} // namespace tavrolin
