#pragma once

// Where a save of a path goes, and the names of what a save leaves beside that file while it
// is under way: the new file being written, and the complete copy a rewrite in place keeps
// until the rewrite is done. The safe writers of each system make them; a later save of the
// same file clears what an interrupted one left, and the readers point out a recovery copy.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace kestrune {

// The file a save of path writes: the path itself, or where its symbolic links lead, whether
// that file exists yet or not; error says why a link can't be followed (a loop, say).
struct SaveTarget {
    std::filesystem::path path;
    std::error_code error;
};
SaveTarget saveTargetOf(const std::string& path);

// A new file is named ".kestrune-" + 8 hex digits of the target's name + "-" + 6 random hex
// digits + ".tmp": short whatever the target's name, and known to a later save of the same
// target.
std::string temporaryPrefix(std::string_view targetName);
inline constexpr std::string_view kTemporarySuffix = ".tmp";

// Six random hex digits that make a name its own.
std::string randomHex6();

// The recovery copy is "<name>.kestrune-recovery", with "-" and 6 random hex digits after it
// when that name is taken; a name too long for that loses its end to its hash.
std::string recoveryCopyPrefix(std::string_view targetName);
inline constexpr std::size_t kMaxNameBytes = 255;

// The newest recovery copy beside the file at path, by its path; none when there is none.
std::optional<std::string> findRecoveryCopy(const std::string& path);

}  // namespace kestrune
