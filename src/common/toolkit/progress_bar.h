#pragma once

#include <QString>

namespace tavrolin {

// A progress bar on a 0 to 100 scale with a text drawn on it.
class ProgressBar {
public:
    virtual ~ProgressBar() = default;

    virtual void setValue(double value) = 0;
    virtual void setText(const QString& text) = 0;
};

} // namespace tavrolin
