#pragma once

// The texts the user is shown when a document file can't be read or written.
// A line break inside a message is a single CR.

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
std::string scriptSaveFailed(std::string_view path);

}  // namespace kestrune::messages
