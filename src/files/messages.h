#pragma once

// The texts the user is shown when a document file can't be read or written.
// A line break inside a message is a single CR.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "files/file_result.h"

namespace kestrune::messages {

inline constexpr std::string_view kInvalidFileFormat = "Invalid file format.";

std::string templateNotFound(std::string_view path);
std::string templateReadFailed(std::string_view path, std::string_view lastLine,
                               const FileError& error);
std::string templateSaveFailed(std::string_view path, const FileError& error);

std::string scriptNotFound(std::string_view path);
std::string scriptReadFailed(std::string_view path, const FileError& error);
// The system's error, when there is one, is told after the advice, and then the complete new
// file it kept (keptIn) when the target was left half-rewritten.
std::string scriptSaveFailed(std::string_view path,
                             const std::optional<FileError>& error = std::nullopt);

// The warning of a file read with a recovery copy beside it (save_target.h).
std::string interruptedSave(std::string_view path, std::string_view copy);

// A file refused before reading: its size, or none for a stream that doesn't tell it.
std::string fileTooLarge(std::string_view path, std::optional<std::uint64_t> size);
// A file refused as its actions passed the limit.
std::string tooManyActions(std::string_view path, std::uint64_t size);

}  // namespace kestrune::messages
