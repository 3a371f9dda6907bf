#pragma once

namespace tavrolin {

// The standard streams the program was started without: a descriptor closed (as `<&-` and
// `>&-` leave it) rather than open on a file, a pipe or a terminal.
struct ClosedStreams {
    bool input = false;
    bool output = false;
    bool errors = false;
};

// Notes which of descriptors 0, 1 and 2 are closed, then opens /dev/null onto each of them, so
// that no file the program opens later takes its number: the event loop's own descriptor would
// otherwise be read as standard input, and a saved file written to by anything that prints. Each
// is opened the wrong way round (standard input for writing only, the others for reading only),
// so that using it fails instead of reading nothing or writing nowhere. Call it before anything
// opens a file; what to tell the user is decided from what it gives.
ClosedStreams reopenClosedStreams();

} // namespace tavrolin
