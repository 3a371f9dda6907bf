#include "headless_dialogs.h"

#include "headless_window.h"

#include <utility>

namespace tavrolin::headless {

HeadlessDialogs::HeadlessDialogs(const HeadlessWindow& window) : m_window(window) {}

QString HeadlessDialogs::titleOrApplication(const QString& title) const {
    return title.isEmpty() ? m_window.applicationTitle() : title;
}

void HeadlessDialogs::messageBox(const QString& text, MessageStyle style, const QString& title) {
    m_messages.append({text, style, titleOrApplication(title)});
    if (m_onMessage)
        std::exchange(m_onMessage, nullptr)();
}

QString HeadlessDialogs::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText) {
    m_inputs.append({prompt, titleOrApplication(title), defaultText});
    if (m_onInput)
        std::exchange(m_onInput, nullptr)();
    return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
}

std::optional<WrapTexts> HeadlessDialogs::wrapBox() {
    ++m_wrapBoxesShown;
    return m_wrapAnswers.isEmpty() ? std::nullopt : m_wrapAnswers.takeFirst();
}

void HeadlessDialogs::forget() {
    m_messages.clear();
    m_inputs.clear();
}

} // namespace tavrolin::headless
