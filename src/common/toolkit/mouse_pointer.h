#pragma once

#include <QString>

namespace tavrolin {

// Values of the window-wide mouse pointer.
namespace pointer {
constexpr int Default = 0;
constexpr int Hourglass = 11;
constexpr int Custom = 99;
} // namespace pointer

// The window-wide mouse pointer.
class MousePointer {
public:
    virtual ~MousePointer() = default;

    // Loads a cursor file as the picture of pointer::Custom; raises RuntimeError when the
    // file is no cursor picture.
    virtual void loadCustomPointer(const QString& path) = 0;
    virtual int pointer() const = 0;
    virtual void setPointer(int value) = 0;
};

} // namespace tavrolin
