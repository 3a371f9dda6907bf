#pragma once

namespace tavrolin {

// Whether an operation runs that reads the entries while window events run (a creation, List
// Figures): the one answer the handlers that would change the entries, and undo, ask. An
// operation marks it with a QScopedValueRollback, so that it ends however the operation does.
struct OperationState {
    bool running = false;
};

} // namespace tavrolin
