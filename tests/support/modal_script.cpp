#include "modal_script.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace tavrolin::testing {

ModalScript::ModalScript(Unscripted unscripted, std::chrono::milliseconds patience)
    : m_unscripted(unscripted), m_patience(patience) {
    qApp->installEventFilter(this);
}

void ModalScript::closeMessage(std::function<void(QMessageBox*)> look) {
    m_steps.push_back({Kind::Message, [look = std::move(look)](QDialog* dialog) {
                           auto* box = static_cast<QMessageBox*>(dialog);
                           if (look)
                               look(box);
                           box->accept();
                           return true;
                       }});
}

void ModalScript::closeMessageStarting(const QString& textStart) {
    m_steps.push_back({Kind::Message, [textStart](QDialog* dialog) {
                           if (!static_cast<QMessageBox*>(dialog)->text().startsWith(textStart))
                               return false;
                           dialog->accept();
                           return true;
                       }});
}

void ModalScript::typeInput(const QString& text) {
    m_steps.push_back({Kind::Input, [text](QDialog* dialog) {
                           auto* edit = dialog->findChild<QLineEdit*>();
                           if (edit == nullptr)
                               return false;
                           edit->selectAll();
                           edit->insert(text);
                           dialog->accept();
                           return true;
                       }});
}

void ModalScript::chooseFile(const QString& path) {
    m_steps.push_back({Kind::File, [path](QDialog* dialog) {
                           static_cast<QFileDialog*>(dialog)->selectFile(path);
                           dialog->accept(); // QFileDialog checks the choice in its accept()
                           return true;
                       }});
}

void ModalScript::answerFileDialog(std::function<void(QFileDialog*)> answer) {
    m_steps.push_back({Kind::File, [answer = std::move(answer)](QDialog* dialog) {
                           answer(static_cast<QFileDialog*>(dialog));
                           return true;
                       }});
}

void ModalScript::answerDialog(const QString& title, std::function<void(QDialog*)> answer) {
    m_steps.push_back({Kind::Other, [title, answer = std::move(answer)](QDialog* dialog) {
                           if (dialog->windowTitle() != title)
                               return false;
                           answer(dialog);
                           return true;
                       }});
}

QStringList ModalScript::finish() {
    QStringList problems = std::exchange(m_problems, {});
    if (!m_steps.empty())
        problems.append(QStringLiteral("answers never used: %1").arg(m_steps.size()));
    m_steps.clear();
    m_messages.clear();
    m_messageTitles.clear();
    m_fileDialogTitles.clear();
    return problems;
}

bool ModalScript::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (dialog == nullptr || !dialog->isWindow())
        return QObject::eventFilter(watched, event);
    if (onShown)
        onShown();
    // Answered from the dialog's own event loop, as a user's click would be.
    QPointer<QDialog> guarded(dialog);
    QTimer::singleShot(0, dialog, [this, guarded] {
        if (guarded)
            answer(guarded);
    });
    QTimer::singleShot(m_patience, dialog, [this, guarded] {
        if (guarded && guarded->isVisible()) {
            m_problems.append(QStringLiteral("still open after its patience ran out: ") +
                              guarded->windowTitle());
            guarded->reject();
        }
    });
    return QObject::eventFilter(watched, event);
}

void ModalScript::answer(QDialog* dialog) {
    Kind kind = Kind::Message;
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        m_messages.append(box->text());
        m_messageTitles.append(box->windowTitle());
    } else if (qobject_cast<QInputDialog*>(dialog) != nullptr) {
        kind = Kind::Input;
    } else if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
        kind = Kind::File;
        m_fileDialogTitles.append(files->windowTitle());
    } else {
        kind = Kind::Other;
    }
    const auto step = std::find_if(m_steps.begin(), m_steps.end(),
                                   [kind](const Step& s) { return s.kind == kind; });
    if (step != m_steps.end()) {
        const std::function<bool(QDialog*)> answerIt = std::move(step->answer);
        m_steps.erase(step);
        if (answerIt(dialog)) {
            if (onAnswered)
                onAnswered();
            return;
        }
    } else if (answerUnscripted(dialog, kind)) {
        return;
    }
    QString text = dialog->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(dialog))
        text += QStringLiteral(": ") + box->text();
    m_problems.append(QStringLiteral("unexpected dialog ") + text);
    dialog->reject();
}

bool ModalScript::answerUnscripted(QDialog* dialog, Kind kind) {
    if (m_unscripted == Unscripted::Refuse)
        return false;
    if (kind == Kind::Message)
        dialog->accept();
    else
        dialog->reject();
    return true;
}

} // namespace tavrolin::testing
