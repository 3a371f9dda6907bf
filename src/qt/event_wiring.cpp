#include "event_wiring.h"

#include "common/keys.h"

#include <QKeyEvent>
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

EventWiring::EventWiring(QObject* parent) : QObject(parent) {}

void EventWiring::watch(QWidget* widget) {
    widget->installEventFilter(this);
}

void EventWiring::onMouseMove(QWidget* widget, std::function<void()> handler) {
    widget->setMouseTracking(true);
    m_mouseMove.insert(widget, std::move(handler));
    watch(widget);
}

void EventWiring::onDoubleClick(QWidget* widget, std::function<void()> handler) {
    m_doubleClick.insert(widget, std::move(handler));
    watch(widget);
}

void EventWiring::onKeyDown(QWidget* widget, KeyHandler handler) {
    m_keyDown.insert(widget, std::move(handler));
    watch(widget);
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
    case QEvent::MouseMove:
        // A move that a child control ignored reaches its parent too; only the control
        // that lies under the pointer answers it.
        if (const auto handler = m_mouseMove.value(watched)) {
            const auto* widget = static_cast<QWidget*>(watched);
            const auto* move = static_cast<QMouseEvent*>(event);
            if (widget->childAt(move->position().toPoint()) == nullptr)
                handler();
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (const auto handler = m_doubleClick.value(watched))
            handler();
        break;
    case QEvent::KeyPress:
        if (const auto handler = m_keyDown.value(watched)) {
            const auto* key = static_cast<QKeyEvent*>(event);
            handler(keyCode(key->key()), shiftState(key->modifiers()));
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tavrolin::qt
