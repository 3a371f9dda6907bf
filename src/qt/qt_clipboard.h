#pragma once

#include "common/toolkit/clipboard.h"

namespace tavrolin::qt {

// The system clipboard. An attempt fails when the platform reports that another program took
// the clipboard from us.
class QtClipboard : public Clipboard {
public:
    bool clear() override;
    bool setUtf8Text(const QByteArrayList& text, int format) override;
    std::optional<QString> text() const override;
};

} // namespace tavrolin::qt
