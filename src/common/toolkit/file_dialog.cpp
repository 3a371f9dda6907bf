#include "file_dialog.h"

#include "../runtime_error.h"

#include <QDir>
#include <QFileInfo>

namespace tavrolin {

namespace {

// The deepest folder holding every one of the paths (absolute, with '/' separators).
QString commonFolder(const QStringList& paths) {
    QStringList common = paths.first().split(u'/');
    common.removeLast();
    for (const QString& path : paths) {
        const QStringList parts = path.split(u'/');
        qsizetype same = 0;
        while (same < common.size() && same < parts.size() - 1 && common[same] == parts[same])
            ++same;
        common.resize(same);
    }
    // An absolute path splits into an empty first part, so nothing left in common is the root.
    const QString folder = common.join(u'/');
    return folder.isEmpty() ? QStringLiteral("/") : folder;
}

} // namespace

QString FileFilter::extension() const {
    if (patterns.isEmpty() || !patterns.first().startsWith(QStringLiteral("*.")))
        return {};
    const QString extension = patterns.first().mid(2);
    for (const QChar c : extension) {
        if (c == u'*' || c == u'?' || c == u'[')
            return {};
    }
    return extension;
}

QList<FileFilter> FileDialog::parsedFilter() const {
    const QStringList parts = m_filter.split(u'|');
    QList<FileFilter> filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            // "*.*" names every file, also those without a dot.
            if (pattern == u"*.*")
                pattern = QStringLiteral("*");
        }
        filters.append({parts[i], patterns});
    }
    return filters;
}

void FileDialog::deliverChoice(const QString& choice) {
    if (choice.size() > m_maxFileSize)
        throw RuntimeError::of(error::NameBufferTooSmall);
    m_fileName = choice;
}

void FileDialog::deliverFiles(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    QStringList absolute;
    for (const QString& path : paths)
        absolute.append(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (absolute.size() == 1) {
        deliverChoice(QDir::toNativeSeparators(absolute.first()));
        return;
    }
    const QString folder = commonFolder(absolute);
    const qsizetype nameStart = folder.endsWith(u'/') ? folder.size() : folder.size() + 1;
    QString choice = QDir::toNativeSeparators(folder);
    for (const QString& path : absolute)
        choice += QChar(u'\0') + QDir::toNativeSeparators(path.mid(nameStart));
    deliverChoice(choice);
}

} // namespace tavrolin
