#pragma once

#include <QString>

namespace tavrolin {

// One attempt at each clipboard operation; false when another program holds the clipboard.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    virtual bool clear() = 0;
    // Format 0 is the default text format.
    virtual bool setText(const QString& text, int format) = 0;
};

} // namespace tavrolin
