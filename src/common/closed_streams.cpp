#include "closed_streams.h"

#include <cerrno>
#include <fcntl.h>

namespace tavrolin {

ClosedStreams reopenClosedStreams() {
    ClosedStreams closed;
    bool* const noted[] = {&closed.input, &closed.output, &closed.errors};
    for (int descriptor = 0; descriptor < 3; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        *noted[descriptor] = true;
        // open() takes the lowest free number, and every lower one is open by now: this one.
        // Where /dev/null cannot be opened the descriptor stays closed, as it was.
        ::open("/dev/null", (descriptor == 0 ? O_WRONLY : O_RDONLY) | O_CLOEXEC);
    }
    return closed;
}

} // namespace tavrolin
