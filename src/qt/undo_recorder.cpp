#include "undo_recorder.h"

#include "common/stored_list_view.h"
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
    Appended(StoredListView& list, int firstRow, int count)
        : m_list(list), m_firstRow(firstRow), m_count(count) {}

    bool extend(const StoredListView& list, int firstRow, int count) {
        if (&list != &m_list || firstRow != m_firstRow + m_count)
            return false;
        m_count += count;
        return true;
    }

    void undo() override { m_taken = m_list.takeTail(m_firstRow); }
    void redo() override { m_list.appendContents(std::exchange(m_taken, {})); }

private:
    StoredListView& m_list;
    int m_firstRow;
    int m_count;
    ListContents m_taken;
};

class Removed final : public Change {
public:
    Removed(StoredListView& list, int row, ListItem item)
        : m_list(list), m_row(row), m_item(std::move(item)) {}

    void undo() override { m_list.insertItem(m_row, std::exchange(m_item, {})); }
    void redo() override { m_item = m_list.takeItem(m_row); }

private:
    StoredListView& m_list;
    int m_row;
    ListItem m_item;
};

class RemovedAll final : public Change {
public:
    RemovedAll(StoredListView& list, ListContents contents)
        : m_list(list), m_contents(std::move(contents)) {}

    void undo() override { m_list.appendContents(std::exchange(m_contents, {})); }
    void redo() override { m_contents = m_list.takeTail(0); }

private:
    StoredListView& m_list;
    ListContents m_contents;
};

} // namespace

// The changes of one handler, undone last to first. It is pushed when its first change has
// already happened, so the redo that pushing runs does nothing.
class UndoRecorder::Step : public QUndoCommand {
public:
    void appended(StoredListView& list, int firstRow, int count) {
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
    }

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
}

// The lists outlive the history; they stop telling it anything from here on.
UndoRecorder::~UndoRecorder() {
    for (StoredListView* list : std::as_const(m_lists))
        list->setObserver(nullptr);
}

void UndoRecorder::watch(StoredListView& list) {
    list.setObserver(this);
    m_lists.append(&list);
}

bool UndoRecorder::allowed() const {
    return m_window.pointer() != pointer::Hourglass && m_window.currentDispatch() == 0;
}

bool UndoRecorder::undo() {
    if (!allowed() || !m_stack.canUndo())
        return false;
    m_open = nullptr;
    m_applying = true;
    m_stack.undo();
    m_applying = false;
    return true;
}

bool UndoRecorder::redo() {
    if (!allowed() || !m_stack.canRedo())
        return false;
    m_open = nullptr;
    m_applying = true;
    m_stack.redo();
    m_applying = false;
    return true;
}

UndoRecorder::Step* UndoRecorder::openStep() {
    const quint64 dispatch = m_window.currentDispatch();
    if (dispatch == 0) {
        m_open = nullptr;
        if (m_stack.count() > 0)
            m_stack.clear();
        return nullptr;
    }
    const int top = m_stack.count() - 1;
    if (m_open != nullptr && m_openDispatch == dispatch && m_stack.index() == top + 1 &&
        m_stack.command(top) == m_open)
        return m_open;
    m_open = new Step;
    m_openDispatch = dispatch;
    m_stack.push(m_open);
    return m_open;
}

void UndoRecorder::appended(StoredListView& list, int firstRow, int count) {
    if (m_applying || count <= 0)
        return;
    if (Step* step = openStep())
        step->appended(list, firstRow, count);
}

void UndoRecorder::removed(StoredListView& list, int row, ListItem item) {
    if (m_applying)
        return;
    if (Step* step = openStep())
        step->add(std::make_unique<Removed>(list, row, std::move(item)));
}

void UndoRecorder::removedAll(StoredListView& list, ListContents contents) {
    if (m_applying || contents.size() == 0)
        return;
    if (Step* step = openStep())
        step->add(std::make_unique<RemovedAll>(list, std::move(contents)));
}

} // namespace tavrolin::qt
