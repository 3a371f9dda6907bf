#pragma once

#include <QString>

namespace tavrolin {

// Per-user string values addressed by application key, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual QString get(const QString& application, const QString& section, const QString& key,
                        const QString& defaultValue) const = 0;
    // Raises RuntimeError(PathFileAccess) when the value cannot be stored, its description
    // saying where and why in plain words.
    virtual void save(const QString& application, const QString& section, const QString& key,
                      const QString& value) = 0;
};

} // namespace tavrolin
