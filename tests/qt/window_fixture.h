#pragma once

#include "app/form1.h"
#include "qt/qt_toolkit.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>

// The dialogs that stayed open unanswered, by title; each test checks it is empty at its end.
inline QStringList& unansweredDialogs() {
    static QStringList titles;
    return titles;
}

// A modal dialog that no test answers would block the test until CTest's limit. Any dialog
// still open this long after it showed is rejected and noted, so the test fails in seconds.
inline void watchForUnansweredDialogs() {
    constexpr qint64 kPatienceMs = 5000;
    static bool watching = false;
    if (std::exchange(watching, true))
        return;
    auto* timer = new QTimer(qApp);
    timer->callOnTimeout([] {
        static QPointer<QWidget> open;
        static QElapsedTimer since;
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog != open) {
            open = dialog;
            since.start();
        } else if (dialog != nullptr && since.elapsed() > kPatienceMs) {
            unansweredDialogs().append(dialog->windowTitle());
            if (auto* modal = qobject_cast<QDialog*>(dialog))
                modal->reject();
            else
                dialog->close();
        }
    });
    timer->start(100);
}

// The real window, loaded and shown offscreen, as the program starts it.
struct RealWindow {
    RealWindow() : form(toolkit.toolkit()) {
        watchForUnansweredDialogs();
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

// Ends the waiting for every dialog that has not shown; called when a test ends. Returns the
// titles of the dialogs that nobody answered meanwhile.
inline QStringList forgetModalAnswers() {
    ++modalAnswerRound();
    return std::exchange(unansweredDialogs(), {});
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
