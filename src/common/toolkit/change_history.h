#pragma once

namespace tavrolin {

// The lists' undo history, as far as the logic needs it.
class ChangeHistory {
public:
    virtual ~ChangeHistory() = default;

    // Undoes what the running handler has changed in the lists so far, and leaves no step of
    // it to redo: an operation that stopped midway leaves the lists as they were.
    virtual void rollBack() = 0;
};

} // namespace tavrolin
