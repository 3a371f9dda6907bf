#include "headless_clipboard.h"

#include "common/text_encoding.h"

namespace tavrolin::headless {

bool HeadlessClipboard::attempt() {
    ++m_attempts;
    if (m_busyAttempts == 0)
        return true;
    --m_busyAttempts;
    return false;
}

bool HeadlessClipboard::clear() {
    if (!attempt())
        return false;
    m_text.reset();
    return true;
}

bool HeadlessClipboard::setUtf8Text(const QByteArrayList& text, int /*format*/) {
    if (!attempt())
        return false;
    m_text = decode8Bit(text.join());
    return true;
}

} // namespace tavrolin::headless
