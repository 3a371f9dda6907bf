#pragma once

#include "common/toolkit/clipboard.h"

namespace tavrolin::testing {

// The system clipboard, which another program can hold for a number of attempts: an X
// clipboard offscreen never is.
class HeldClipboard : public Clipboard {
public:
    void passOnTo(Clipboard& system) { m_system = &system; }

    bool clear() override { return attempt() && m_system->clear(); }
    bool setUtf8Text(const QByteArrayList& text, int format) override {
        return attempt() && m_system->setUtf8Text(text, format);
    }
    std::optional<QString> text() const override { return m_system->text(); }

    void holdForAttempts(int attempts) { m_heldAttempts = attempts; }
    int attempts() const { return m_attempts; }

private:
    bool attempt() {
        ++m_attempts;
        if (m_heldAttempts == 0)
            return true;
        --m_heldAttempts;
        return false;
    }

    Clipboard* m_system = nullptr;
    int m_heldAttempts = 0;
    int m_attempts = 0;
};

} // namespace tavrolin::testing
