#pragma once

namespace tavrolin {

// The process the window belongs to.
class Process {
public:
    virtual ~Process() = default;

    // Ends the program at once with the exit status; an operation still running is abandoned.
    virtual void endProcess(int exitStatus) = 0;
};

} // namespace tavrolin
