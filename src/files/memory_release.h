#pragma once

// Handing back the memory of a file's bytes that a reader is done with, a step at a time, so
// that a big file and the list read from it are never both held whole. One definition of
// releaseMemory per system (memory_release_posix.cpp, memory_release_win32.cpp).

#include <cstddef>
#include <string_view>

namespace kestrune {

// Gives the whole pages inside [begin, begin + size) back to the system. Their bytes must
// not be read again; the memory stays the owner's to free.
void releaseMemory(const char* begin, std::size_t size);

class ReleaseBehind {
  public:
    // Releases nothing unless enabled: only a reader that owns the bytes may.
    ReleaseBehind(std::string_view bytes, bool enabled)
        : released_(bytes.data()), enabled_(enabled) {}

    // Everything before at is done with.
    void doneBefore(const char* at) {
        if (enabled_ && static_cast<std::size_t>(at - released_) >= kStep) {
            releaseMemory(released_, static_cast<std::size_t>(at - released_));
            released_ = at;
        }
    }

  private:
    static constexpr std::size_t kStep = std::size_t{1} << 20;

    const char* released_;
    bool enabled_;
};

}  // namespace kestrune
