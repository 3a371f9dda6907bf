#include "path_routines.h"

#include "text_encoding.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrolin {

namespace {

QString reduceOnce(QStringView text, QChar separator) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        result.append(text[i]);
        if (text[i] == separator && i + 1 < text.size() && text[i + 1] == separator)
            ++i;
    }
    return result;
}

} // namespace

QByteArray systemPath(const QString& path) {
    return path.contains(QChar(u'\0')) ? QByteArray() : encode8Bit(path);
}

int descriptorNamed(QByteArrayView path) {
    const QByteArrayView streams[] = {"/dev/stdin", "/dev/stdout", "/dev/stderr"};
    for (int descriptor = 0; descriptor < 3; ++descriptor) {
        if (path == streams[descriptor])
            return descriptor;
    }
    for (const QByteArrayView prefix :
         {QByteArrayView("/dev/fd/"), QByteArrayView("/proc/self/fd/")}) {
        if (!path.startsWith(prefix))
            continue;
        bool number = false;
        const int descriptor = path.sliced(prefix.size()).toInt(&number);
        return number && descriptor >= 0 ? descriptor : -1;
    }
    return -1;
}

bool FileExists(const QString& path) {
    return kindOfPath(path) != PathKind::Missing;
}

PathKind kindOfPath(const QString& path) {
    struct stat status {};
    if (::stat(systemPath(path).constData(), &status) != 0)
        return PathKind::Missing;
    if (S_ISREG(status.st_mode))
        return PathKind::File;
    return S_ISDIR(status.st_mode) ? PathKind::Folder : PathKind::Other;
}

int openForReading(QFile& file, const QString& path) {
    const int descriptor = ::open(systemPath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return errno;
    if (file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return 0;
    ::close(descriptor);
    return EBADF;
}

QString FileNameFromPath(const QString& path, QChar separator) {
    return path.mid(path.lastIndexOf(separator) + 1);
}

QString FixDoubleBackslashes(const QString& path, QChar separator) {
    if (!path.startsWith(separator))
        return reduceOnce(path, separator);
    qsizetype rest = 1;
    while (rest < path.size() && path[rest] == separator)
        ++rest;
    return QString(2, separator) + reduceOnce(QStringView(path).mid(rest), separator);
}

} // namespace tavrolin
