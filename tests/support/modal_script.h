#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>
#include <deque>
#include <functional>

class QDialog;
class QFileDialog;
class QMessageBox;

namespace tavrolin::testing {

// Answers the modal dialogs of the real window as a user would, each one from its own event
// loop as soon as it shows. Answers are scripted ahead, in the order the dialogs will show; a
// dialog takes the first answer scripted for its kind (message box, input box, file dialog, or
// a dialog of the program's own). A dialog that no answer fits, or that is still open when its
// patience runs out, is refused and noted as a problem, so a run never waits for an answer that
// does not come.
class ModalScript : public QObject {
public:
    // What happens to a dialog without an answer of its own.
    enum class Unscripted {
        // Refused and noted as a problem.
        Refuse,
        // A message box is closed with OK, an input box or file dialog cancelled.
        AsUserWould,
    };

    explicit ModalScript(Unscripted unscripted = Unscripted::Refuse,
                         std::chrono::milliseconds patience = std::chrono::seconds(5));

    void setUnscripted(Unscripted unscripted) { m_unscripted = unscripted; }

    // Closes the next message box with OK once the look has seen it.
    void closeMessage(std::function<void(QMessageBox*)> look = {});
    // Closes the next message box, which must start with the text.
    void closeMessageStarting(const QString& textStart);
    // Pastes the text into the next input box, replacing what it shows, and presses OK.
    void typeInput(const QString& text);
    // Picks the file in the next file dialog and accepts it.
    void chooseFile(const QString& path);
    // The answer to the next file dialog accepts or rejects it itself.
    void answerFileDialog(std::function<void(QFileDialog*)> answer);
    // The answer to the next dialog of the program's own, which must have the title, accepts
    // or rejects it itself.
    void answerDialog(const QString& title, std::function<void(QDialog*)> answer);

    // Called when a dialog shows, before it is answered, and right after it has been answered.
    std::function<void()> onShown;
    std::function<void()> onAnswered;

    // The texts and titles of the message boxes shown, and the titles of the file dialogs shown.
    const QStringList& messages() const { return m_messages; }
    const QStringList& messageTitles() const { return m_messageTitles; }
    const QStringList& fileDialogTitles() const { return m_fileDialogTitles; }
    const QStringList& problems() const { return m_problems; }
    bool allAnswered() const { return m_steps.empty(); }

    // Forgets the answers not used and returns the problems, with the unused answers as one
    // more; the script starts afresh.
    QStringList finish();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Kind { Message, Input, File, Other };
    struct Step {
        Kind kind;
        // False when the dialog is not the one expected.
        std::function<bool(QDialog*)> answer;
    };

    void answer(QDialog* dialog);
    bool answerUnscripted(QDialog* dialog, Kind kind);

    Unscripted m_unscripted;
    std::chrono::milliseconds m_patience;
    std::deque<Step> m_steps;
    QStringList m_messages;
    QStringList m_messageTitles;
    QStringList m_fileDialogTitles;
    QStringList m_problems;
};

} // namespace tavrolin::testing
