#include "qt_settings_store.h"

#include "common/runtime_error.h"

#include <QSettings>

namespace tavrolin::qt {

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
    if (settings.status() == QSettings::AccessError)
        throw RuntimeError::of(error::PathFileAccess);
}

} // namespace tavrolin::qt
