#pragma once

#include "common/text_encoding.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <fcntl.h>

namespace tavrolin::testing {

// Writes a whole file; false when it cannot be written in full. The file is named by the path's
// bytes, as the program opens files, so a name may hold bytes that are not UTF-8.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    const int descriptor =
        ::open(encode8Bit(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    QFile file;
    return descriptor >= 0 &&
           file.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle) &&
           file.write(bytes) == bytes.size();
}

} // namespace tavrolin::testing
