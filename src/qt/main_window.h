#pragma once

#include "common/toolkit/mouse_pointer.h"
#include "common/toolkit/process.h"
#include "common/toolkit/window.h"
#include "common/toolkit/window_colours.h"
#include "handler_dispatch.h"

#include <QCursor>
#include <QWidget>
#include <optional>
#include <utility>

class QComboBox;
class QGroupBox;
class QKeySequence;
class QPushButton;

namespace tavrolin::qt {

class LabelledProgressBar;
class ReportTable;

// The main window and its controls, placed as designed (1 pixel = 15 twips at 96 dpi). Its
// pointer is the window-wide one: child controls set none of their own, so it shows over all.
class MainWindow : public QWidget,
                   public Window,
                   public WindowColours,
                   public MousePointer,
                   public Process {
    Q_OBJECT

public:
    // The program folder is where the skin and cursor files are looked for.
    explicit MainWindow(QString programFolder);

    ReportTable* listView1 = nullptr;
    ReportTable* listView2 = nullptr;
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
    void endProcess(int exitStatus) override;

    // How handlers run and how the program ends while they do: see handler_dispatch.h.
    HandlerDispatch& handlers() { return m_handlers; }
    template <class Handler> void dispatch(Handler&& handler) {
        m_handlers.run(std::forward<Handler>(handler));
    }
    bool ended() const { return m_handlers.ended(); }
    int exitStatus() const { return m_handlers.exitStatus(); }
    quint64 currentDispatch() const { return m_handlers.current(); }

    // Places the window in the middle of the screen, or at its top left where it does not fit.
    // Called before the window is shown: the window system then places the frame, title bar
    // included, where asked (once shown, Qt would place the inside there while the frame is
    // not yet known, and the title bar would end up above the screen).
    void centre();

Q_SIGNALS:
    // Raised when the user closes the window; its handler ends the program.
    void unloading();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* makeButton(const QString& name, const QString& caption, QRect twips);
    ReportTable* makeListView(const QString& name, QRect twips);
    void addShortcut(QPushButton* button, const QList<QKeySequence>& keys);

    QString m_programFolder;
    QString m_applicationTitle;
    int m_pointer = pointer::Default;
    std::optional<QCursor> m_customCursor;
    HandlerDispatch m_handlers;
};

} // namespace tavrolin::qt
