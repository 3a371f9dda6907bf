#pragma once

#include <QString>
#include <optional>

namespace tavrolin {

enum class MessageStyle {
    OkOnly,
    OkExclamation,
    // The platform's own report of an error that no handler traps.
    OkCritical,
};

// The texts put before and after each entry by "Wrap Each Entry".
struct WrapTexts {
    QString before;
    QString after;
};

// Message and input boxes. An empty title stands for the application title.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual void messageBox(const QString& text, MessageStyle style, const QString& title = {}) = 0;
    // The typed text, or the empty string when the user cancels.
    virtual QString inputBox(const QString& prompt, const QString& title = {},
                             const QString& defaultText = {}) = 0;
    // The texts to wrap each entry in; nothing when the user cancels.
    virtual std::optional<WrapTexts> wrapBox() = 0;
};

} // namespace tavrolin
