#pragma once

#include "common/operation_state.h"
#include "common/toolkit/change_history.h"
#include "common/toolkit/progress_bar.h"

#include <QAction>
#include <QList>
#include <QStringList>
#include <QUndoStack>

namespace tavrolin::qt {

class MainWindow;

// The undo history of the lists: the changes the program records as it makes them, a step for
// each operation (a typed entry, a removal, a clear, a file load of any length, an edit, a move,
// a creation that replaces the results). Undo and redo are refused while the busy pointer shows,
// an operation or a handler runs or a step is open, so a running operation never sees a list
// change under it. The bar tells which step was undone or redone, by the name of its operation.
class UndoRecorder : public ChangeHistory {
public:
    // Steps kept; older ones are dropped, so the history holds at most this many changes.
    static constexpr int kUndoLimit = 100;

    UndoRecorder(MainWindow& window, const OperationState& operation, ProgressBar& bar);
    UndoRecorder(const UndoRecorder&) = delete;
    UndoRecorder& operator=(const UndoRecorder&) = delete;

    const QUndoStack& stack() const { return m_stack; }

    // False when refused or there is nothing to undo or redo.
    bool undo();
    bool redo();

    void record(std::unique_ptr<ListChange> change) override;
    ListChange* latest() override;

protected:
    int open(const QString& name) override;
    void close(int step) override;
    void rollBack(int step) override;

private:
    class Part;

    bool allowed() const;
    // Tells on the bar what the step now on top of the history, or above it, was.
    void tell(const QString& done, int index);
    // The part the next change joins when it belongs to the step: the last part pushed, still
    // on top of the history.
    Part* joinable(int step) const;
    int innermostStep() const { return m_openSteps.isEmpty() ? 0 : m_openSteps.last(); }

    MainWindow& m_window;
    const OperationState& m_operation;
    ProgressBar& m_bar;
    QUndoStack m_stack;
    QAction m_undoAction;
    QAction m_redoAction;
    // The steps open, innermost last; 0 stands for no step.
    QList<int> m_openSteps;
    QStringList m_openNames; // the names of m_openSteps, in the same order
    int m_lastStep = 0;
    Part* m_lastPart = nullptr;
    int m_lastPartStep = 0;
};

} // namespace tavrolin::qt
