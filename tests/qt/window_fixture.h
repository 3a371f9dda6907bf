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

// Counts the tests run; a poll left from an earlier test, whose dialog never showed, stops
// instead of answering a later test's dialog with that test's gone variables.
inline int& modalAnswerRound() {
    static int round = 0;
    return round;
}

// Ends the waiting for every dialog that has not shown; called when a test ends.
inline void forgetModalAnswers() {
    ++modalAnswerRound();
}

// Runs the action on the next modal dialog as soon as it shows, as a user answering it would.
inline void whenModalShows(std::function<void(QWidget*)> action) {
    // The pending timer owns the poll; the poll itself holds it only weakly, so it is freed
    // once it has run the action.
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, weak = std::weak_ptr(poll), round = modalAnswerRound()] {
        if (round != modalAnswerRound())
            return;
        if (QWidget* dialog = QApplication::activeModalWidget())
            action(dialog);
        else
            QTimer::singleShot(5, [again = weak.lock()] { (*again)(); });
    };
    QTimer::singleShot(0, [poll] { (*poll)(); });
}
