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

#ifndef _WIN32
// What a save leaves beside its target, on POSIX systems (save_leftovers_posix.cpp).

// Removes the new files that interrupted saves of the same target (their names begin with
// prefix) left in the open folder: those no running save holds locked. own is this save's.
void clearLeftovers(int folder, const std::string& prefix, const std::string& own);
// Renames the complete new file called name in the open folder to a recovery copy's name for
// the target, never over another file, and syncs the folder; name becomes the new name.
std::optional<FileError> renameToRecoveryCopy(int folder, std::string& name,
                                              std::string_view targetName);
#endif

}  // namespace kestrune
