#pragma once

#include <QApplication>
#include <QKeySequence>
#include <QTest>
#include <QWidget>

namespace tavrolin::testing {

inline void activate(QWidget& window) {
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// The keys as the user types them into the window, which is active again once a dialog closed.
inline void press(QWidget& window, QKeyCombination keys) {
    activate(window);
    QWidget* focus = window.focusWidget();
    QTest::keySequence(focus != nullptr ? focus : &window, QKeySequence(keys));
}

} // namespace tavrolin::testing
