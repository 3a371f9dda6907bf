#include "large_block.h"

#include <cstdint>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace tavrolin {

void adviseLargeBlock(char* data, qsizetype size) {
#ifdef Q_OS_LINUX
    constexpr std::uintptr_t kHugePage = 2 * 1024 * 1024;
    if (size < qsizetype(2 * kHugePage))
        return;
    // Only whole huge pages inside the block can be advised.
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = (start + std::uintptr_t(size)) & ~(kHugePage - 1);
    if (end > first)
        madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#else
    Q_UNUSED(data);
    Q_UNUSED(size);
#endif
}

} // namespace tavrolin
