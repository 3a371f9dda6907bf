#include "startup.h"

#include "common/path_routines.h"
#include "common/product.h"
#include "common/toolkit/skin_engine.h"
#include "common/toolkit/window.h"
#include "common/toolkit/window_colours.h"

#include <QFileInfo>

namespace tavrolin {

namespace {

constexpr int kTitleLength = 40;

QString skinPath(const Window& form) {
    return form.programFolder() + kPathSeparator + u'x' + kPathSeparator + QStringLiteral("o.cjs");
}

// The platform's file search by name: ordinary files only.
bool findsOrdinaryFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

bool takesFormBackground(const QString& kind) {
    return kind == u"OptionButton" || kind == u"CheckBox" || kind == u"Frame" || kind == u"Label";
}

} // namespace

void ApplySkin(const Window& form, WindowColours& colours, SkinEngine& skin) {
    if (!findsOrdinaryFile(skinPath(form)))
        return;
    colours.setBackgroundColour(Colour::ButtonFace);
    const QList<ControlInfo> controls = colours.controls();
    for (const ControlInfo& control : controls) {
        if (takesFormBackground(control.kind))
            colours.setControlBackgroundColour(control.name, Colour::ButtonFace);
    }
    skin.loadSkin(skinPath(form), QString());
    skin.setOptionFlags(skin.optionFlags() | kSkinOptionSwitchedOn);
    for (const int setting : kSkinSettingsSwitchedOn)
        skin.setBooleanSetting(setting, true);
    skin.applyWindow(colours.handle());
}

QString applicationTitleFor(const QString& productName) {
    QString title = productName;
    do {
        const qsizetype space = title.lastIndexOf(u' ');
        if (space < 0)
            break;
        title.truncate(space);
    } while (title.size() > kTitleLength);
    return title;
}

void SetApplicationTitle(Window& form) {
    form.setApplicationTitle(applicationTitleFor(kProductName));
}

} // namespace tavrolin
