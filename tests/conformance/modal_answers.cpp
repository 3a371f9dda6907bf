#include "modal_answers.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace tavrolin::testing {

namespace {

constexpr int kDeadlineMs = 5000;

} // namespace

ModalAnswers::ModalAnswers() {
    qApp->installEventFilter(this);
}

bool ModalAnswers::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (dialog == nullptr || !dialog->isWindow())
        return QObject::eventFilter(watched, event);
    // Answered from the dialog's own event loop, as a user's click would be.
    QPointer<QDialog> guarded(dialog);
    QTimer::singleShot(0, dialog, [this, guarded] {
        if (guarded)
            answer(guarded);
    });
    QTimer::singleShot(kDeadlineMs, dialog, [this, guarded] {
        if (guarded && guarded->isVisible()) {
            m_problems.append(QStringLiteral("still open at its deadline: ") +
                              guarded->windowTitle());
            guarded->reject();
        }
    });
    return QObject::eventFilter(watched, event);
}

void ModalAnswers::answer(QDialog* dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        m_messages.append(box->text());
        box->accept();
    } else if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
        if (m_inputs.empty()) {
            input->reject();
            return;
        }
        input->setTextValue(m_inputs.front());
        m_inputs.pop_front();
        input->accept();
    } else if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
        m_fileDialogTitles.append(files->windowTitle());
        if (m_files.empty()) {
            files->reject();
            return;
        }
        const FileAnswer pick = std::move(m_files.front());
        m_files.pop_front();
        pick(files);
    } else {
        m_problems.append(QStringLiteral("unexpected dialog: ") + dialog->windowTitle());
        dialog->reject();
    }
}

} // namespace tavrolin::testing
