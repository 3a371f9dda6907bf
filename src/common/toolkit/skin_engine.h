#pragma once

#include <QString>

namespace tavrolin {

// The theming component: loads a skin file and applies it to a window. Each operation is known
// to the engine by a dispatch identifier, given below.
class SkinEngine {
public:
    virtual ~SkinEngine() = default;

    // Identifier 2.
    virtual void loadSkin(const QString& path, const QString& iniName) = 0;
    // Identifier 1, read and written.
    virtual qint32 optionFlags() const = 0;
    virtual void setOptionFlags(qint32 flags) = 0;
    // The setting's own identifier, 5 or 10 (see kSkinSettingsSwitchedOn).
    virtual void setBooleanSetting(int id, bool value) = 0;
    // Identifier 3.
    virtual void applyWindow(qint32 windowHandle) = 0;
};

// What start-up switches on before the skin is applied: the option bit and the boolean
// settings, in this order. What each one does is the engine's own business.
constexpr qint32 kSkinOptionSwitchedOn = 1;
constexpr int kSkinSettingsSwitchedOn[] = {5, 10};

} // namespace tavrolin
