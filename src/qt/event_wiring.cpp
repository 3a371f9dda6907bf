#include "event_wiring.h"

#include "common/keys.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QWidget>

namespace tavrolin::qt {

namespace {

// Shift state bits of a key event: Shift 1, Ctrl 2, Alt 4.
int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

} // namespace

EventWiring::EventWiring(QWidget* control, QObject* parent) : QObject(parent), m_control(control) {
    control->installEventFilter(this);
}

void EventWiring::connectNotify(const QMetaMethod& signal) {
    if (signal == QMetaMethod::fromSignal(&EventWiring::mouseMoved))
        m_control->setMouseTracking(true);
}

int EventWiring::keyCode(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Delete:
        return kKeyDelete;
    case Qt::Key_Backspace:
        return kKeyBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kKeyReturn;
    case Qt::Key_Escape:
        return kKeyEscape;
    case Qt::Key_Space:
        return kKeySpace;
    case Qt::Key_Insert:
        return kKeyInsert;
    default:
        break;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey;
    return 0;
}

bool EventWiring::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove: {
        // A move that a child control ignored reaches its parent too; only the control
        // that lies under the pointer answers it.
        const auto* move = static_cast<QMouseEvent*>(event);
        if (m_control->childAt(move->position().toPoint()) == nullptr)
            Q_EMIT mouseMoved();
        break;
    }
    case QEvent::MouseButtonDblClick:
        Q_EMIT doubleClicked();
        break;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        Q_EMIT keyDown(keyCode(key->key()), shiftState(key->modifiers()));
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tavrolin::qt
