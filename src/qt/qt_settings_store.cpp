#include "qt_settings_store.h"

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
}

} // namespace tavrolin::qt
