#pragma once

#include <QList>
#include <QString>

namespace tavrolin {

enum class Colour { White, ButtonFace };

struct ControlInfo {
    QString name;
    QString kind; // "Frame", "Label", "CheckBox", "OptionButton", "ListView", ...
};

// The colours of the main window and its controls, as a skin sets them, and the handle the
// skin engine themes the window by.
class WindowColours {
public:
    virtual ~WindowColours() = default;

    virtual void setBackgroundColour(Colour colour) = 0;
    virtual QList<ControlInfo> controls() const = 0;
    virtual void setControlBackgroundColour(const QString& name, Colour colour) = 0;
    virtual qint32 handle() const = 0;
};

} // namespace tavrolin
