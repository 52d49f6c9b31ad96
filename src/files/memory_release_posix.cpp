#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#include "files/memory_release.h"

namespace kestrune {

void releaseMemory(const char* begin, std::size_t size) {
    static const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = (reinterpret_cast<std::uintptr_t>(begin) + page - 1) / page * page;
    const auto end = (reinterpret_cast<std::uintptr_t>(begin) + size) / page * page;
    if (end > start) {
        // Only a hint: where it fails, the memory is simply kept until it is freed.
        madvise(reinterpret_cast<void*>(start), end - start, MADV_DONTNEED);
    }
}

}  // namespace kestrune
