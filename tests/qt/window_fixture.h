#pragma once

#include "app/form1.h"
#include "qt/qt_toolkit.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

// The real window, loaded and shown offscreen, as the program starts it.
struct RealWindow {
    RealWindow() : form(toolkit.toolkit()) {
        toolkit.connect(form);
        shown = toolkit.start(form);
    }
    tavrolin::qt::QtToolkit toolkit;
    tavrolin::Form1 form;
    bool shown = false;
};

// Runs the action on the next modal dialog as soon as it shows, as a user answering it would.
inline void whenModalShows(std::function<void(QWidget*)> action) {
    // The pending timer owns the poll; the poll itself holds it only weakly, so it is freed
    // once it has run the action.
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, weak = std::weak_ptr(poll)] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            action(dialog);
        else
            QTimer::singleShot(5, [again = weak.lock()] { (*again)(); });
    };
    QTimer::singleShot(0, [poll] { (*poll)(); });
}
