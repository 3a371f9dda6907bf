#pragma once

#include "common/toolkit/change_history.h"

#include <QAction>
#include <QList>
#include <QUndoStack>

namespace tavrolin {
class ListModel;
struct ListContents;
} // namespace tavrolin

namespace tavrolin::qt {

class MainWindow;

// The undo history of the lists. It follows the lists' models: rows appended, and the items
// the program removes, which it keeps so that undoing puts back the very items, texts changed
// (with the old text) and items moved. All changes made while one event handler runs form one
// step: a typed entry, a removal, a clear, a file load of any length, an edit, a move, a
// creation that replaces the results. Undo and redo are refused while
// the busy pointer shows or a handler runs, so a running operation never sees a list change
// under it.
class UndoRecorder : public ChangeHistory {
public:
    // Steps kept; older ones are dropped, so the history holds at most this many changes.
    static constexpr int kUndoLimit = 100;

    explicit UndoRecorder(MainWindow& window);
    UndoRecorder(const UndoRecorder&) = delete;
    UndoRecorder& operator=(const UndoRecorder&) = delete;

    // The list must outlive the history.
    void watch(ListModel& list);
    const QUndoStack& stack() const { return m_stack; }

    // False when refused or there is nothing to undo or redo.
    bool undo();
    bool redo();
    void rollBack() override;

private:
    class Step;

    bool allowed() const;
    // Announces the appends the lists gathered, so that they join the step they belong to.
    void announceAppended();
    // The step the running handler's changes join; a change made outside any handler gets a
    // step of its own.
    Step* openStep();
    // Whether the step on top of the history is open for the handler's changes.
    bool hasOpenStep(quint64 dispatch) const;
    void appended(ListModel& list, int firstRow, int count);
    void removed(ListModel& list, int firstRow, ListContents& contents);

    MainWindow& m_window;
    QList<ListModel*> m_lists;
    QUndoStack m_stack;
    QAction m_undoAction;
    QAction m_redoAction;
    Step* m_open = nullptr;
    quint64 m_openDispatch = 0;
    bool m_applying = false;
};

} // namespace tavrolin::qt
