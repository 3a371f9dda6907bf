#include "file_dialog.h"

#include "../runtime_error.h"

namespace tavrolin {

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
        throw RuntimeError(error::NameBufferTooSmall,
                           QStringLiteral("The FileName buffer is too small to store the "
                                          "selected file name(s)."));
    m_fileName = choice;
}

} // namespace tavrolin
