#include "path_routines.h"

#include <QFileInfo>

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

bool FileExists(const QString& path) {
    if (path.isEmpty() || path.contains(QChar(u'\0')))
        return false;
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
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
