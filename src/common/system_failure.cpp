#include "system_failure.h"

#include <cerrno>
#include <cstring>

namespace tavrolin {

QString systemReason(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

SystemFailure SystemFailure::ofErrno() {
    return {systemReason(errno)};
}

} // namespace tavrolin
