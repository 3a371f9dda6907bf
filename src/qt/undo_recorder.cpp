#include "undo_recorder.h"

#include "lists/list_model.h"
#include "main_window.h"

#include <QUndoCommand>
#include <memory>
#include <utility>
#include <vector>

namespace tavrolin::qt {

namespace {

// One change to one list, able to go back and forth. The history is a stack: when a change
// is undone, every later one has been undone before it, so the list is as the change left it.
class Change {
public:
    virtual ~Change() = default;
    virtual void undo() = 0;
    virtual void redo() = 0;

protected:
    Change() = default;
    Change(const Change&) = default;
    Change& operator=(const Change&) = default;
};

// Items appended at the end; a run of appends grows one change, so loading a million lines
// is one change, not a million.
class Appended final : public Change {
public:
    Appended(ListModel& list, int firstRow, int count)
        : m_list(list), m_firstRow(firstRow), m_count(count) {}

    bool extend(const ListModel& list, int firstRow, int count) {
        if (&list != &m_list || firstRow != m_firstRow + m_count)
            return false;
        m_count += count;
        return true;
    }

    void undo() override { m_taken = m_list.takeRows(m_firstRow, m_count); }
    void redo() override { m_list.insertContents(m_firstRow, std::exchange(m_taken, {})); }

private:
    ListModel& m_list;
    int m_firstRow;
    int m_count;
    ListContents m_taken;
};

// Items the program removed, one or the whole list, kept as they left.
class Removed final : public Change {
public:
    Removed(ListModel& list, int firstRow, ListContents contents)
        : m_list(list)
        , m_firstRow(firstRow)
        , m_count(contents.size())
        , m_contents(std::move(contents)) {}

    void undo() override { m_list.insertContents(m_firstRow, std::exchange(m_contents, {})); }
    void redo() override { m_contents = m_list.takeRows(m_firstRow, m_count); }

private:
    ListModel& m_list;
    int m_firstRow;
    int m_count;
    ListContents m_contents;
};

// An item's text changed; both texts are kept.
class Edited final : public Change {
public:
    Edited(ListModel& list, int row, QString oldText)
        : m_list(list)
        , m_row(row)
        , m_oldText(std::move(oldText))
        , m_newText(list.itemText(row + 1)) {}

    void undo() override { m_list.setItemText(m_row + 1, m_oldText); }
    void redo() override { m_list.setItemText(m_row + 1, m_newText); }

private:
    ListModel& m_list;
    int m_row;
    QString m_oldText;
    QString m_newText;
};

// An item moved from one place to another.
class Moved final : public Change {
public:
    Moved(ListModel& list, int fromRow, int toRow)
        : m_list(list), m_fromRow(fromRow), m_toRow(toRow) {}

    void undo() override { m_list.moveItem(m_toRow + 1, m_fromRow - m_toRow); }
    void redo() override { m_list.moveItem(m_fromRow + 1, m_toRow - m_fromRow); }

private:
    ListModel& m_list;
    int m_fromRow;
    int m_toRow;
};

} // namespace

// The changes of one handler, undone last to first. It is pushed when its first change has
// already happened, so the redo that pushing runs does nothing.
class UndoRecorder::Step : public QUndoCommand {
public:
    void appended(ListModel& list, int firstRow, int count) {
        if (m_lastAppend != nullptr && m_lastAppend->extend(list, firstRow, count))
            return;
        auto change = std::make_unique<Appended>(list, firstRow, count);
        Appended* append = change.get();
        add(std::move(change));
        m_lastAppend = append;
    }

    void add(std::unique_ptr<Change> change) {
        m_changes.push_back(std::move(change));
        m_lastAppend = nullptr;
    }

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
    std::vector<std::unique_ptr<Change>> m_changes;
    Appended* m_lastAppend = nullptr;
    bool m_pushed = false;
    bool m_discarded = false;
};

UndoRecorder::UndoRecorder(MainWindow& window) : m_window(window) {
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
    QObject::connect(&m_window, &MainWindow::handlerBoundary, &m_stack,
                     [this] { announceAppended(); });
}

// The connections end with the stack, before the lists and the window go.
void UndoRecorder::watch(ListModel& list) {
    m_lists.append(&list);
    QObject::connect(&list, &ListModel::rowsInserted, &m_stack,
                     [this, &list](const QModelIndex&, int first, int last) {
                         appended(list, first, last - first + 1);
                     });
    QObject::connect(
        &list, &ListModel::itemsRemoved, &m_stack,
        [this, &list](int firstRow, ListContents& contents) { removed(list, firstRow, contents); });
    const auto record = [this](std::unique_ptr<Change> change) {
        if (m_applying)
            return;
        openStep()->add(std::move(change));
    };
    QObject::connect(&list, &ListModel::itemTextChanged, &m_stack,
                     [record, &list](int row, const QString& oldText) {
                         record(std::make_unique<Edited>(list, row, oldText));
                     });
    QObject::connect(&list, &ListModel::itemMoved, &m_stack,
                     [record, &list](int fromRow, int toRow) {
                         record(std::make_unique<Moved>(list, fromRow, toRow));
                     });
}

void UndoRecorder::announceAppended() {
    for (ListModel* list : std::as_const(m_lists))
        list->announceAppended();
}

bool UndoRecorder::allowed() const {
    return m_window.pointer() != pointer::Hourglass && m_window.currentDispatch() == 0;
}

bool UndoRecorder::undo() {
    if (!allowed())
        return false;
    // Appends made outside any handler become a step of their own before it is applied.
    announceAppended();
    if (!m_stack.canUndo())
        return false;
    m_open = nullptr;
    m_applying = true;
    m_stack.undo();
    m_applying = false;
    return true;
}

bool UndoRecorder::redo() {
    if (!allowed())
        return false;
    // Appends made outside any handler become a step of their own before it is applied.
    announceAppended();
    if (!m_stack.canRedo())
        return false;
    m_open = nullptr;
    m_applying = true;
    m_stack.redo();
    m_applying = false;
    return true;
}

bool UndoRecorder::hasOpenStep(quint64 dispatch) const {
    const int top = m_stack.count() - 1;
    return m_open != nullptr && m_openDispatch == dispatch && m_stack.index() == top + 1 &&
           m_stack.command(top) == m_open;
}

void UndoRecorder::rollBack() {
    announceAppended();
    // A handler that changed nothing has no step of its own on top.
    if (!hasOpenStep(m_window.currentDispatch()))
        return;
    std::exchange(m_open, nullptr)->discard();
    m_applying = true;
    m_stack.undo();
    m_applying = false;
}

UndoRecorder::Step* UndoRecorder::openStep() {
    const quint64 dispatch = m_window.currentDispatch();
    // A change made outside any handler is a step of its own: the history goes on from it.
    if (dispatch != 0 && hasOpenStep(dispatch))
        return m_open;
    m_open = new Step;
    m_openDispatch = dispatch;
    m_stack.push(m_open);
    return m_open;
}

void UndoRecorder::appended(ListModel& list, int firstRow, int count) {
    if (m_applying)
        return;
    openStep()->appended(list, firstRow, count);
}

void UndoRecorder::removed(ListModel& list, int firstRow, ListContents& contents) {
    if (m_applying)
        return;
    openStep()->add(std::make_unique<Removed>(list, firstRow, std::move(contents)));
}

} // namespace tavrolin::qt
