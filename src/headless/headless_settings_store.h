#pragma once

#include "common/toolkit/settings_store.h"

#include <QMap>

namespace tavrolin::headless {

class HeadlessSettingsStore : public SettingsStore {
public:
    QString get(const QString& application, const QString& section, const QString& key,
                const QString& defaultValue) const override {
        return m_values.value(path(application, section, key), defaultValue);
    }
    void save(const QString& application, const QString& section, const QString& key,
              const QString& value) override {
        m_values.insert(path(application, section, key), value);
    }

    bool contains(const QString& application, const QString& section, const QString& key) const {
        return m_values.contains(path(application, section, key));
    }

private:
    static QString path(const QString& application, const QString& section, const QString& key) {
        return application + u'/' + section + u'/' + key;
    }

    QMap<QString, QString> m_values;
};

} // namespace tavrolin::headless
