#pragma once

#include <QString>
#include <memory>

namespace tavrolin {

// One change made to a list, recorded by the code that made it so that the history can take it
// back and make it again. A change is undone only once every later one has been, so the list
// is then as the change left it.
class ListChange {
public:
    virtual ~ListChange() = default;
    virtual void undo() = 0;
    virtual void redo() = 0;

protected:
    ListChange() = default;
    ListChange(const ListChange&) = default;
    ListChange& operator=(const ListChange&) = default;
};

// The lists' undo history. Changes are recorded as they are made; an operation opens a step,
// and the changes it makes while the step is open are undone and redone together. A change
// made outside any step is a step of its own.
class ChangeHistory {
public:
    virtual ~ChangeHistory() = default;

    // The change joins the innermost open step.
    virtual void record(std::unique_ptr<ListChange> change) = 0;
    // The change recorded last, while the next change may still join it (it is on top of the
    // history and its step still open): a run of appends then grows one change, so loading a
    // million lines records one change, not a million. Null otherwise.
    virtual ListChange* latest() = 0;

    // The changes one operation makes. Steps nest: an operation that runs while another lets
    // events run (a click during a load) has a step of its own, and the outer operation's
    // later changes start a new part of its step, undone before the inner one's. The name says
    // what the operation was, as the bar tells it once the step is undone or redone.
    class Step {
    public:
        explicit Step(ChangeHistory& history, const QString& name = {})
            : m_history(history), m_id(history.open(name)) {}
        ~Step() { m_history.close(m_id); }
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

        // Undoes what the operation has changed since its last part began, and leaves nothing
        // of it to redo: an operation that stopped midway leaves the lists as they were.
        void rollBack() { m_history.rollBack(m_id); }

    private:
        ChangeHistory& m_history;
        int m_id;
    };

protected:
    virtual int open(const QString& name) = 0;
    virtual void close(int step) = 0;
    virtual void rollBack(int step) = 0;
};

} // namespace tavrolin
