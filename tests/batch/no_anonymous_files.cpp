// Loaded into the program by LD_PRELOAD: every anonymous file (O_TMPFILE) fails as on a file
// system that has none, so the program must fall back on a named temporary file.

#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>

namespace {

using Open = int (*)(const char*, int, ...);

int openUnlessAnonymous(const char* real, const char* path, int flags, va_list arguments) {
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) != 0 ? va_arg(arguments, mode_t) : 0;
    if ((flags & O_TMPFILE) == O_TMPFILE) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return reinterpret_cast<Open>(dlsym(RTLD_NEXT, real))(path, flags, mode);
}

} // namespace

extern "C" int open(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const int descriptor = openUnlessAnonymous("open", path, flags, arguments);
    va_end(arguments);
    return descriptor;
}

extern "C" int open64(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const int descriptor = openUnlessAnonymous("open64", path, flags, arguments);
    va_end(arguments);
    return descriptor;
}
