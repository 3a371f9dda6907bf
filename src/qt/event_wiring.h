#pragma once

#include <QObject>

class QWidget;

namespace tavrolin::qt {

// Raises the mouse moves, double-clicks and key presses of one control, which Qt delivers as
// events, as signals, so they connect to their handlers as every other signal does. The events
// still reach the control afterwards, so it keeps its ordinary behaviour.
class EventWiring : public QObject {
    Q_OBJECT

public:
    // Watches the control; the watcher belongs to the parent.
    EventWiring(QWidget* control, QObject* parent);

    // The platform key code of a Qt key: Delete is 46, Backspace 8, letters and digits are
    // their upper-case character codes.
    static int keyCode(int qtKey);

Q_SIGNALS:
    void mouseMoved();
    void doubleClicked();
    void keyDown(int keyCode, int shift);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Mouse moves reach a control without a button held only while it tracks the mouse.
    void connectNotify(const QMetaMethod& signal) override;

private:
    QWidget* m_control;
};

} // namespace tavrolin::qt
