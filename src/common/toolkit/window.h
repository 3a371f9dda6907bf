#pragma once

#include <QString>

namespace tavrolin {

// The main window's name and where it comes from: caption, icon, application title, and the
// folder of the program file.
class Window {
public:
    virtual ~Window() = default;

    // The folder that holds the program file.
    virtual QString programFolder() const = 0;

    virtual void setCaption(const QString& caption) = 0;
    virtual void setProgramIcon() = 0;
    virtual void setApplicationTitle(const QString& title) = 0;
    virtual QString applicationTitle() const = 0;
};

} // namespace tavrolin
