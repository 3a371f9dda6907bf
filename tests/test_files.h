#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tavrolin::testing {

// Writes a whole file; false when it cannot be written in full.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace tavrolin::testing
