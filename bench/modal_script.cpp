#include "modal_script.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace tavrolin::bench {

ModalScript::ModalScript(const QElapsedTimer& clock) : m_clock(clock) {
    qApp->installEventFilter(this);
}

void ModalScript::chooseFile(const QString& path) {
    m_steps.push_back([this, path](QDialog* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        if (files == nullptr)
            return false;
        files->selectFile(path);
        m_lastAcceptedAt = m_clock.nsecsElapsed();
        dialog->accept(); // QFileDialog checks the choice in its accept()
        return true;
    });
}

void ModalScript::closeMessage(const QString& textStart) {
    m_steps.push_back([textStart](QDialog* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (box == nullptr || !box->text().startsWith(textStart))
            return false;
        box->accept();
        return true;
    });
}

bool ModalScript::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog != nullptr && dialog->isWindow()) {
            m_lastShownAt = m_clock.nsecsElapsed();
            if (onShown)
                onShown();
            // Answered from the dialog's own event loop, as a user's click would be.
            QPointer<QDialog> guarded(dialog);
            QTimer::singleShot(0, dialog, [this, guarded] {
                if (guarded)
                    answer(guarded);
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

void ModalScript::answer(QDialog* dialog) {
    if (!m_steps.empty()) {
        const Answer step = std::move(m_steps.front());
        m_steps.pop_front();
        if (step(dialog))
            return;
    }
    QString text = dialog->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(dialog))
        text += QStringLiteral(": ") + box->text();
    m_problems.append(QStringLiteral("unexpected dialog ") + text);
    dialog->reject();
}

} // namespace tavrolin::bench
