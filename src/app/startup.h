#pragma once

#include <QString>

namespace tavrolin {

class SkinEngine;
class Window;
class WindowColours;

// Themes the main window when the skin file "x/o.cjs" lies beside the program; without it
// nothing changes.
void ApplySkin(const Window& form, WindowColours& colours, SkinEngine& skin);

// The product name with words dropped from its end until it fits in 40 characters (at least
// one word when it has several); a name of one word stays as it is.
QString applicationTitleFor(const QString& productName);
void SetApplicationTitle(Window& form);

} // namespace tavrolin
