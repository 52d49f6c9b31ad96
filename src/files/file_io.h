#pragma once

// Whole-file reading, and writing that never leaves a half-written document behind.

#include <optional>
#include <string>
#include <string_view>

#include "files/file_result.h"

namespace kestrune {

struct FileBytes {
    bool found = true;               // false when the file doesn't exist
    std::optional<FileError> error;  // any other failure
    std::string bytes;
};

FileBytes readFileBytes(const std::string& path);

// Writes bytes to a new file beside the target and moves it over the target once it is
// complete, keeping the target's permissions and following a symbolic link to the file it
// names. On failure the target is untouched and the new file removed. A target that
// exists but is no regular file (a device, say) is written in place.
std::optional<FileError> writeFileSafely(const std::string& path, std::string_view bytes);

FileError errorFromErrno(int number);

}  // namespace kestrune
