#pragma once

#include "common/list_change_observer.h"

#include <QAction>
#include <QUndoStack>

namespace tavrolin::qt {

class MainWindow;

// The undo history of the lists. It hears of every change the program makes to a list's
// items, after the fact, and keeps what left the list, so undoing puts back the very items.
// All changes made while one event handler runs form one step: a typed entry, a removal, a
// clear, a file load of any length, a creation that replaces the results. Undo and redo are
// refused while the busy pointer shows or a handler runs, so a running operation never sees
// a list change under it.
class UndoRecorder : public ListChangeObserver {
public:
    // Steps kept; older ones are dropped, so the history holds at most this many changes.
    static constexpr int kUndoLimit = 100;

    explicit UndoRecorder(MainWindow& window);
    ~UndoRecorder() override;
    UndoRecorder(const UndoRecorder&) = delete;
    UndoRecorder& operator=(const UndoRecorder&) = delete;

    void watch(StoredListView& list);
    const QUndoStack& stack() const { return m_stack; }

    // False when refused or there is nothing to undo or redo.
    bool undo();
    bool redo();

    void appended(StoredListView& list, int firstRow, int count) override;
    void removed(StoredListView& list, int row, ListItem item) override;
    void removedAll(StoredListView& list, ListContents contents) override;

private:
    class Step;

    bool allowed() const;
    // The step the running handler's changes join; null for a change made outside any
    // handler, which the history cannot follow, so it is dropped.
    Step* openStep();

    MainWindow& m_window;
    QList<StoredListView*> m_lists;
    QUndoStack m_stack;
    QAction m_undoAction;
    QAction m_redoAction;
    Step* m_open = nullptr;
    quint64 m_openDispatch = 0;
    bool m_applying = false;
};

} // namespace tavrolin::qt
