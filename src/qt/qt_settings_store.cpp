#include "qt_settings_store.h"

#include "common/runtime_error.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace tavrolin::qt {

namespace {

// QSettings says only that it could not write; the user needs to know what stands in the way.
// Nothing here creates or changes a file.
QString whyNotWritable(const QString& fileName) {
    const QFileInfo file(fileName);
    if (file.isDir())
        return QStringLiteral("it is a folder");
    if (file.exists()) {
        QFile existing(fileName);
        if (!existing.open(QIODevice::Append | QIODevice::ExistingOnly))
            return existing.errorString();
    }
    // The nearest folder on its path that exists, and whether it is a folder one may write in.
    QFileInfo folder(file.absolutePath());
    while (!folder.exists() && !folder.isRoot())
        folder = QFileInfo(folder.absolutePath());
    if (!folder.isDir())
        return folder.filePath() + QStringLiteral(" is a file, not a folder");
    if (!folder.isWritable())
        return QStringLiteral("no permission to write in ") + folder.filePath();
    return QStringLiteral("the system refused to write it");
}

} // namespace

QString QtSettingsStore::get(const QString& application, const QString& section, const QString& key,
                             const QString& defaultValue) const {
    QSettings settings(application, section);
    settings.beginGroup(section);
    return settings.value(key, defaultValue).toString();
}

void QtSettingsStore::save(const QString& application, const QString& section, const QString& key,
                           const QString& value) {
    QSettings settings(application, section);
    settings.beginGroup(section);
    settings.setValue(key, value);
    // QSettings writes later and says nothing of a failure; the choice would be lost unnoticed.
    // A format error only says the old file could not be read; it is written anew all the same.
    settings.sync();
    if (settings.status() == QSettings::AccessError) {
        const QString fileName = settings.fileName();
        throw RuntimeError(error::PathFileAccess,
                           QStringLiteral("the settings file \"%1\" cannot be written (%2)")
                               .arg(fileName, whyNotWritable(fileName)));
    }
}

} // namespace tavrolin::qt
