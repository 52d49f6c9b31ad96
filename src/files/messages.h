#pragma once

// What the user is told when a document file can't be read or written, as messages with
// their arguments (core/message.h). A line break inside a message is a single CR.

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/message.h"
#include "files/file_result.h"

namespace kestrune::messages {

Message invalidFileFormat();

Message templateNotFound(std::string_view path);
Message templateReadFailed(std::string_view path, std::string_view lastLine,
                           const FileError& error);
Message templateSaveFailed(std::string_view path, const FileError& error);
// A template refused for a drive mapping that names no share (row from 0).
Message templateWithoutShare(std::string_view path, std::size_t row, std::string_view details);

Message scriptNotFound(std::string_view path);
Message scriptReadFailed(std::string_view path, const FileError& error);
// The system's error, when there is one, is told after the advice, and then the complete new
// file it kept (keptIn) when the target was left half-rewritten.
Message scriptSaveFailed(std::string_view path,
                         const std::optional<FileError>& error = std::nullopt);

// The warning of a file read with a recovery copy beside it (save_target.h).
Message interruptedSave(std::string_view path, std::string_view copy);

// A file refused before reading: its size, or none for a stream that doesn't tell it.
Message fileTooLarge(std::string_view path, std::optional<std::uint64_t> size);
// A file refused as its actions passed the limit.
Message tooManyActions(std::string_view path, std::uint64_t size);

}  // namespace kestrune::messages
