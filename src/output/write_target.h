#pragma once

#include <QByteArray>
#include <sys/types.h>

namespace tavrolin {

// What a file name to write leads to, found as a shell's ">" would find it: links followed as
// the system follows them, and the thing at the end told apart, because a device or a pipe must
// be written into where it is, never replaced by a file.
struct WriteTarget {
    enum class Kind {
        Missing, // nothing there yet: a new file is made
        File,    // a regular file, replaced whole
        Device,  // a character device, written into where it is
        Pipe,    // a FIFO, written into where it is
        Stream,  // a descriptor the program already has, named as /dev/stdout or /dev/fd/N
    };

    Kind kind = Kind::Missing;
    // Where the bytes go: the name itself, or where its links lead.
    QByteArray path;
    // For a File: whose it is and its mode, which the file replacing it keeps.
    uid_t owner = 0;
    gid_t group = 0;
    mode_t mode = 0;
    // For a Stream.
    int descriptor = -1;
};

// Finds the target of the path (its bytes). Raises SystemFailure for a path the system cannot
// reach, a folder, a socket or a block device, and a link the kernel would not follow for a
// shell: one that another user owns in a shared folder such as /tmp (sticky and writable by
// everyone), unless that user owns the folder too.
WriteTarget findWriteTarget(const QByteArray& path);

} // namespace tavrolin
