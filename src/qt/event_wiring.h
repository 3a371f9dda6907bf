#pragma once

#include <QHash>
#include <QObject>
#include <functional>

class QWidget;

namespace tavrolin::qt {

// Hands mouse moves, double-clicks and key presses of the controls to their handlers. The
// events still reach the controls afterwards, so they keep their ordinary behaviour.
class EventWiring : public QObject {
public:
    using KeyHandler = std::function<void(int keyCode, int shift)>;

    explicit EventWiring(QObject* parent);

    void onMouseMove(QWidget* widget, std::function<void()> handler);
    void onDoubleClick(QWidget* widget, std::function<void()> handler);
    void onKeyDown(QWidget* widget, KeyHandler handler);

    // The platform key code of a Qt key: Delete is 46, Backspace 8, letters and digits are
    // their upper-case character codes.
    static int keyCode(int qtKey);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QWidget* widget);

    QHash<QObject*, std::function<void()>> m_mouseMove;
    QHash<QObject*, std::function<void()>> m_doubleClick;
    QHash<QObject*, KeyHandler> m_keyDown;
};

} // namespace tavrolin::qt
