#pragma once

// Whole-file reading with a size limit, and writing that never leaves a half-written
// document behind. Reading is plain standard library; the safe writer lives in one file
// per system (safe_write_posix.cpp, safe_write_win32.cpp, behind safe_write_system.h).

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "files/file_result.h"

namespace kestrune {

// No logon script or template comes near these; anything bigger is refused rather than
// read into memory, so that an accepted file stays well under a gigabyte in the program.
inline constexpr std::uint64_t kMaxInputBytes = 64ULL << 20;
inline constexpr std::size_t kMaxInputActions = 2'000'000;

struct FileBytes {
    bool found = true;               // false when the file doesn't exist
    std::optional<FileError> error;  // any other failure
    // Set when the input is over kMaxInputBytes and was refused: its size, or no value
    // for a stream (a pipe) that went past the limit without telling its size.
    bool tooLarge = false;
    std::optional<std::uint64_t> size;
    std::string bytes;
    // The file the bytes were read from, hashed as they were read; none for a stream.
    std::optional<FileState> state;
};

FileBytes readFileBytes(const std::string& path);
// The whole of an open stream (standard input, say), under the same limit: a stream that
// can tell its size is refused before reading, any other once it passes the limit.
FileBytes readStreamBytes(std::FILE* stream);

// Writes bytes to a new file beside the target and moves it over the target once it is
// complete and on disk, following symbolic links to the file they name (made there when it
// isn't yet). The new file is private until it has the target's mode, owner and extended
// attributes. Where the move would lose what the target has (more than one name, an owner
// or ACL this user can't give, a sticky folder) the complete new file is renamed to a
// recovery copy (save_target.h) and copied into the target instead, and removed once the
// target is synced; if that copy fails or is cut short, the recovery copy stays, named in
// the error. On any other failure the target is untouched and the new file removed. A save
// first removes the new files that interrupted saves of the same target left. A character
// device is written in place; any other target that is no regular file is refused.
std::optional<FileError> writeFileSafely(const std::string& path, std::string_view bytes);

// Seams for tests: called with the new file's path just before its first byte is written,
// and just before it replaces the target (by rename or by copy); and with the recovery
// copy's path just before the target is rewritten in place.
struct SafeWriteSeams {
    std::function<void(const std::string& temporary)> beforeFirstWrite;
    std::function<void(const std::string& temporary)> beforeReplace;
    std::function<void(const std::string& copy)> beforeRewrite;
};
SafeWriteSeams& safeWriteSeams();

FileError errorFromErrno(int number);

}  // namespace kestrune
