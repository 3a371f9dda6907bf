#pragma once

#include <QByteArrayList>
#include <QString>
#include <optional>

namespace tavrolin {

// One attempt at each clipboard operation; false when another program holds the clipboard.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    virtual bool clear() = 0;
    // Format 0 is the default text format. The text is given as UTF-8 pieces, one after the
    // other: a long text is then neither joined nor held as UTF-16 before it is pasted.
    virtual bool setUtf8Text(const QByteArrayList& text, int format) = 0;
    // The text on the clipboard; nothing when it holds no text.
    virtual std::optional<QString> text() const = 0;
};

} // namespace tavrolin
