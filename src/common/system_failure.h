#pragma once

#include <QString>

namespace tavrolin {

// The system's own words for an error number (errno), as its tools print them: "No space left
// on device", "Permission denied".
QString systemReason(int code);

// A call to the system that failed, and why: in the system's words, or in ours where the
// system would name a cause the user cannot act on.
struct SystemFailure {
    QString reason;

    // The failure the last call left in errno.
    static SystemFailure ofErrno();
};

} // namespace tavrolin
