#pragma once

#include <QString>

namespace tavrolin {

enum class MessageStyle {
    OkOnly,
    OkExclamation,
    // The platform's own report of an error that no handler traps.
    OkCritical,
};

// Message and input boxes: all that reports, the statement trap among them, need of the window.
// An empty title stands for the application title.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    virtual void messageBox(const QString& text, MessageStyle style, const QString& title = {}) = 0;
    // The typed text, or the empty string when the user cancels.
    virtual QString inputBox(const QString& prompt, const QString& title = {},
                             const QString& defaultText = {}) = 0;
};

} // namespace tavrolin
