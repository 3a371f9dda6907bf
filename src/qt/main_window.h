#pragma once

#include "common/runtime_error.h"
#include "common/toolkit/window.h"

#include <QCursor>
#include <QWidget>
#include <optional>
#include <utility>

class QComboBox;
class QGroupBox;
class QPushButton;

namespace tavrolin::qt {

class LabelledProgressBar;
class ReportView;

// The main window and its controls, placed as designed (1 pixel = 15 twips at 96 dpi). Its
// pointer is the window-wide one: child controls set none of their own, so it shows over all.
class MainWindow : public QWidget, public Window {
    Q_OBJECT

public:
    MainWindow();

    ReportView* listView1 = nullptr;
    ReportView* listView2 = nullptr;
    QPushButton* pushButton1 = nullptr;
    QPushButton* pushButton2 = nullptr;
    QPushButton* pushButton3 = nullptr;
    QPushButton* pushButton4 = nullptr;
    QPushButton* pushButton5 = nullptr;
    QPushButton* pushButton6 = nullptr;
    QPushButton* pushButton7 = nullptr;
    QPushButton* pushButton8 = nullptr;
    QGroupBox* frame1 = nullptr;
    QComboBox* combo1 = nullptr;
    LabelledProgressBar* progressBar1 = nullptr;

    QString programFolder() const override;
    void setCaption(const QString& caption) override;
    void setProgramIcon() override;
    void setApplicationTitle(const QString& title) override;
    QString applicationTitle() const override { return m_applicationTitle; }
    void setBackgroundColour(Colour colour) override;
    QList<ControlInfo> controls() const override;
    void setControlBackgroundColour(const QString& name, Colour colour) override;
    qint32 handle() const override;
    void loadCustomPointer(const QString& path) override;
    int pointer() const override { return m_pointer; }
    void setPointer(int value) override;
    void endProcess() override;

    // Runs one event handler. Closing the window while handlers run abandons them: the event
    // pump then throws ProcessEnding, which unwinds them to here, and the program ends.
    template <class Handler> void dispatch(Handler&& handler);
    bool ending() const { return m_ending; }
    // Whether the program has been ended, also before its event loop runs: a quit asked for
    // then would be lost, so start-up must not show the window.
    bool ended() const { return m_ended; }
    // The number of the innermost running dispatch, 0 while none runs. Every dispatch gets a
    // new number, so the changes of one user action can be told from those of the next.
    quint64 currentDispatch() const { return m_currentDispatch; }

    // Places the window in the middle of the screen.
    void centre();

Q_SIGNALS:
    // Raised when the user closes the window.
    void unloading();
    // Raised as each handler is about to start and as it has ended, while currentDispatch()
    // still tells the handler before it and the handler itself: what the lists gathered so far
    // (appends not yet announced) is then announced as part of the handler that made it.
    void handlerBoundary();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* makeButton(const QString& name, const QString& caption, QRect twips);
    ReportView* makeListView(const QString& name, QRect twips);
    void finishDispatch();

    QString m_applicationTitle;
    int m_pointer = pointer::Default;
    std::optional<QCursor> m_customCursor;
    int m_running = 0;
    bool m_ending = false;
    bool m_ended = false;
    quint64 m_dispatchCount = 0;
    quint64 m_currentDispatch = 0;
};

template <class Handler> void MainWindow::dispatch(Handler&& handler) {
    ++m_running;
    Q_EMIT handlerBoundary();
    const quint64 outer = std::exchange(m_currentDispatch, ++m_dispatchCount);
    try {
        handler();
    } catch (const ProcessEnding&) {
        // Unwound to here on purpose; the program ends below.
    }
    Q_EMIT handlerBoundary();
    m_currentDispatch = outer;
    finishDispatch();
}

} // namespace tavrolin::qt
