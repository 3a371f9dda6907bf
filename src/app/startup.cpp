#include "startup.h"

#include "common/path_routines.h"
#include "common/product.h"
#include "common/runtime_error.h"
#include "common/toolkit/skin_engine.h"
#include "common/toolkit/window.h"

#include <QFileInfo>
#include <cmath>

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

void ApplySkin(Window& form, SkinEngine& skin) {
    if (!findsOrdinaryFile(skinPath(form)))
        return;
    form.setBackgroundColour(Colour::ButtonFace);
    const QList<ControlInfo> controls = form.controls();
    for (const ControlInfo& control : controls) {
        if (takesFormBackground(control.kind))
            form.setControlBackgroundColour(control.name, Colour::ButtonFace);
    }
    skin.loadSkin(skinPath(form), QString());
    skin.setOptionFlags(skin.optionFlags() | 1);
    skin.setBooleanSetting(5, true);
    skin.setBooleanSetting(10, true);
    skin.applyWindow(form.handle());
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

qint16 toInteger16(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    // Qt also reads "nan" and "inf", which are no numbers to convert.
    if (!ok || !std::isfinite(value))
        throw RuntimeError(error::TypeMismatch, QStringLiteral("Type mismatch"));
    const double rounded = std::nearbyint(value); // the default rounding is half to even
    if (rounded < -32768.0 || rounded > 32767.0)
        throw RuntimeError(error::Overflow, QStringLiteral("Overflow"));
    return qint16(rounded);
}

} // namespace tavrolin
