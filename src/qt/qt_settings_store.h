#pragma once

#include "common/toolkit/settings_store.h"

namespace tavrolin::qt {

// QSettings: the application key is the organisation, the section both the application and
// the group; on Linux the file <config>/Quendale/Tavrolin.conf.
class QtSettingsStore : public SettingsStore {
public:
    QString get(const QString& application, const QString& section, const QString& key,
                const QString& defaultValue) const override;
    void save(const QString& application, const QString& section, const QString& key,
              const QString& value) override;
};

} // namespace tavrolin::qt
