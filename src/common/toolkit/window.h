#pragma once

#include <QList>
#include <QString>

namespace tavrolin {

// Values of the window-wide mouse pointer.
namespace pointer {
constexpr int Default = 0;
constexpr int Hourglass = 11;
constexpr int Custom = 99;
} // namespace pointer

enum class Colour { White, ButtonFace };

struct ControlInfo {
    QString name;
    QString kind; // "Frame", "Label", "CheckBox", "OptionButton", "ListView", ...
};

// The main window itself: caption, title, colours, pointer and the process it belongs to.
class Window {
public:
    virtual ~Window() = default;

    // The folder that holds the program file.
    virtual QString programFolder() const = 0;

    virtual void setCaption(const QString& caption) = 0;
    virtual void setProgramIcon() = 0;
    virtual void setApplicationTitle(const QString& title) = 0;
    virtual QString applicationTitle() const = 0;

    virtual void setBackgroundColour(Colour colour) = 0;
    virtual QList<ControlInfo> controls() const = 0;
    virtual void setControlBackgroundColour(const QString& name, Colour colour) = 0;
    virtual qint32 handle() const = 0;

    // Loads a cursor file as the picture of pointer::Custom; raises RuntimeError when the
    // file is no cursor picture.
    virtual void loadCustomPointer(const QString& path) = 0;
    virtual int pointer() const = 0;
    virtual void setPointer(int value) = 0;

    // Ends the program at once with the exit status; an operation still running is abandoned.
    virtual void endProcess(int exitStatus) = 0;
};

} // namespace tavrolin
