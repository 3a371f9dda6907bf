#include "undo_recorder.h"

#include "main_window.h"

#include <QUndoCommand>
#include <utility>
#include <vector>

namespace tavrolin::qt {

// The changes one step made without another step's between them, undone last to first. It is
// pushed when its first change has already been made, so the redo that pushing runs does
// nothing.
class UndoRecorder::Part : public QUndoCommand {
public:
    void add(std::unique_ptr<ListChange> change) { m_changes.push_back(std::move(change)); }
    ListChange* last() const { return m_changes.back().get(); }

    void undo() override {
        for (auto change = m_changes.rbegin(); change != m_changes.rend(); ++change)
            (*change)->undo();
        // The stack deletes a command that is obsolete once undone, so no redo brings it back.
        if (m_discarded)
            setObsolete(true);
    }

    void discard() { m_discarded = true; }

    void redo() override {
        if (std::exchange(m_pushed, true)) {
            for (const auto& change : m_changes)
                change->redo();
        }
    }

private:
    std::vector<std::unique_ptr<ListChange>> m_changes;
    bool m_pushed = false;
    bool m_discarded = false;
};

UndoRecorder::UndoRecorder(MainWindow& window, const OperationState& operation, ProgressBar& bar)
    : m_window(window), m_operation(operation), m_bar(bar) {
    m_stack.setUndoLimit(kUndoLimit);
    m_undoAction.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redoAction.setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* action : {&m_undoAction, &m_redoAction}) {
        action->setShortcutContext(Qt::WindowShortcut);
        m_window.addAction(action);
    }
    QObject::connect(&m_undoAction, &QAction::triggered, &m_undoAction, [this] { undo(); });
    QObject::connect(&m_redoAction, &QAction::triggered, &m_redoAction, [this] { redo(); });
}

bool UndoRecorder::allowed() const {
    return m_window.pointer() != pointer::Hourglass && !m_operation.running &&
           m_window.currentDispatch() == 0 && m_openSteps.isEmpty();
}

bool UndoRecorder::undo() {
    if (!allowed() || !m_stack.canUndo())
        return false;
    m_lastPart = nullptr;
    m_stack.undo();
    tell(QStringLiteral("Undid "), m_stack.index());
    return true;
}

bool UndoRecorder::redo() {
    if (!allowed() || !m_stack.canRedo())
        return false;
    m_lastPart = nullptr;
    m_stack.redo();
    tell(QStringLiteral("Redid "), m_stack.index() - 1);
    return true;
}

void UndoRecorder::tell(const QString& done, int index) {
    const QString name = m_stack.text(index);
    m_bar.setValue(0);
    m_bar.setText(done + (name.isEmpty() ? QStringLiteral("a change") : name));
}

UndoRecorder::Part* UndoRecorder::joinable(int step) const {
    const int top = m_stack.count() - 1;
    if (m_lastPart == nullptr || m_lastPartStep != step || m_stack.index() != top + 1 ||
        m_stack.command(top) != m_lastPart)
        return nullptr;
    return m_lastPart;
}

ListChange* UndoRecorder::latest() {
    Part* part = joinable(innermostStep());
    return part != nullptr ? part->last() : nullptr;
}

void UndoRecorder::record(std::unique_ptr<ListChange> change) {
    const int step = innermostStep();
    // Outside any step a change is a step of its own.
    Part* part = step != 0 ? joinable(step) : nullptr;
    if (part == nullptr) {
        part = new Part;
        part->setText(m_openNames.isEmpty() ? QString() : m_openNames.last());
        part->add(std::move(change));
        m_stack.push(part);
        m_lastPart = part;
        m_lastPartStep = step;
        return;
    }
    part->add(std::move(change));
}

int UndoRecorder::open(const QString& name) {
    m_openSteps.append(++m_lastStep);
    m_openNames.append(name);
    return m_lastStep;
}

void UndoRecorder::close(int step) {
    const qsizetype at = m_openSteps.indexOf(step);
    if (at >= 0) {
        m_openSteps.remove(at);
        m_openNames.remove(at);
    }
    if (m_lastPartStep == step)
        m_lastPart = nullptr;
}

void UndoRecorder::rollBack(int step) {
    Part* part = joinable(step);
    // A step that changed nothing since its last part began has nothing on top to undo.
    if (part == nullptr)
        return;
    part->discard();
    m_lastPart = nullptr;
    m_stack.undo();
}

} // namespace tavrolin::qt
