#pragma once

#include "common/toolkit/dialogs.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace tavrolin::headless {

class HeadlessWindow;

struct ShownMessage {
    QString text;
    MessageStyle style;
    QString title;
};

struct ShownInput {
    QString prompt;
    QString title;
    QString defaultText;
};

// Message and input boxes that answer at once: input boxes take the next scripted answer (the
// empty string, as on Cancel, when none is left). Every box shown is kept.
class HeadlessDialogs : public Dialogs {
public:
    explicit HeadlessDialogs(const HeadlessWindow& window);

    void messageBox(const QString& text, MessageStyle style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    std::optional<WrapTexts> wrapBox() override;

    void answerNextInput(const QString& answer) { m_answers.append(answer); }
    // The next wrap box's answer; nothing, as on Cancel, when none is left.
    void answerNextWrap(std::optional<WrapTexts> answer) { m_wrapAnswers.append(answer); }
    int wrapBoxesShown() const { return m_wrapBoxesShown; }
    // Runs while the next message box is shown, as the user could act before closing it.
    void onNextMessage(std::function<void()> action) { m_onMessage = std::move(action); }
    // Runs while the next input box is shown, before it answers.
    void onNextInput(std::function<void()> action) { m_onInput = std::move(action); }

    const QList<ShownMessage>& messages() const { return m_messages; }
    const QList<ShownInput>& inputs() const { return m_inputs; }
    void forget();

private:
    QString titleOrApplication(const QString& title) const;

    const HeadlessWindow& m_window;
    QStringList m_answers;
    QList<std::optional<WrapTexts>> m_wrapAnswers;
    int m_wrapBoxesShown = 0;
    std::function<void()> m_onMessage;
    std::function<void()> m_onInput;
    QList<ShownMessage> m_messages;
    QList<ShownInput> m_inputs;
};

} // namespace tavrolin::headless
