#pragma once

#include <QObject>
#include <QStringList>
#include <deque>
#include <functional>

class QDialog;
class QFileDialog;

namespace tavrolin::testing {

// Answers every modal dialog of the real window as soon as it shows, as a user would: message
// boxes with OK, input boxes and file dialogs with the next scripted answer (Cancel when none
// is left). A dialog still open a few seconds after it showed is cancelled and reported, so a
// test never waits for an answer that does not come.
class ModalAnswers : public QObject {
public:
    using FileAnswer = std::function<void(QFileDialog*)>;

    ModalAnswers();

    void answerInput(const QString& text) { m_inputs.push_back(text); }
    // The answer accepts or rejects the dialog itself.
    void answerFileDialog(FileAnswer answer) { m_files.push_back(std::move(answer)); }

    const QStringList& messages() const { return m_messages; }
    const QStringList& fileDialogTitles() const { return m_fileDialogTitles; }
    const QStringList& problems() const { return m_problems; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void answer(QDialog* dialog);

    std::deque<QString> m_inputs;
    std::deque<FileAnswer> m_files;
    QStringList m_messages;
    QStringList m_fileDialogTitles;
    QStringList m_problems;
};

} // namespace tavrolin::testing
