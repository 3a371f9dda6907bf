#pragma once

#include <QByteArrayView>
#include <QString>

namespace tavrolin {

// A progress bar on a 0 to 100 scale with a text drawn on it.
class ProgressBar {
public:
    virtual ~ProgressBar() = default;

    virtual void setValue(double value) = 0;
    virtual void setText(const QString& text) = 0;
    // The text prefix + decode8Bit(bytes), for a text set once per entry: a bar that draws
    // later may keep the bytes and decode them only when it draws.
    virtual void setText(const QString& prefix, QByteArrayView bytes) = 0;
};

} // namespace tavrolin
