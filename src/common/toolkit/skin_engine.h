#pragma once

#include <QString>

namespace tavrolin {

// The theming component: loads a skin file and applies it to a window.
class SkinEngine {
public:
    virtual ~SkinEngine() = default;

    virtual void loadSkin(const QString& path, const QString& iniName) = 0;
    virtual qint32 optionFlags() const = 0;
    virtual void setOptionFlags(qint32 flags) = 0;
    virtual void setBooleanSetting(int id, bool value) = 0;
    virtual void applyWindow(qint32 windowHandle) = 0;
};

} // namespace tavrolin
