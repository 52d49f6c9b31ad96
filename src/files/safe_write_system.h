#pragma once

// The system's part of writeFileSafely: one definition per system (safe_write_posix.cpp,
// safe_write_win32.cpp). file_io.cpp wraps it, so that running out of memory is a failed save
// on every system alike.

#include <optional>
#include <string>
#include <string_view>

#include "files/file_io.h"

namespace kestrune {

std::optional<FileError> writeFileOnThisSystem(const std::string& path, std::string_view bytes);

}  // namespace kestrune
