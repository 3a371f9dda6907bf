#pragma once

#include "common/toolkit/clipboard.h"

#include <optional>

namespace tavrolin::headless {

// A clipboard that another program can hold for a number of attempts.
class HeadlessClipboard : public Clipboard {
public:
    bool clear() override;
    bool setUtf8Text(const QByteArrayList& text, int format) override;

    void holdForAttempts(int attempts) { m_busyAttempts = attempts; }
    int attempts() const { return m_attempts; }
    std::optional<QString> text() const override { return m_text; }
    void setContent(const QString& text) { m_text = text; }

private:
    bool attempt();

    int m_busyAttempts = 0;
    int m_attempts = 0;
    std::optional<QString> m_text;
};

} // namespace tavrolin::headless
