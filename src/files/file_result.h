#pragma once

// What a read or a write of a document file gives back: success, or which failure and
// the message the user is shown for it (lines separated by a single CR), and what identifies
// the file as it was read or written.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "core/message.h"

namespace kestrune {

enum class FileStatus {
    Ok,
    NotFound,       // the file to read isn't there
    InvalidFormat,  // a template without its first-line marker
    Failed,         // any other failure while reading or writing
};

// One state of a file on disk, as a read or a write left it: another program's change shows
// in its identity, size or times, and a change those miss in the hash of its bytes. Times are
// in the system's finest unit (nanoseconds; 100 ns on Windows), only ever compared.
struct FileState {
    std::uint64_t size = 0;
    std::int64_t modified = 0;
    std::int64_t changed = 0;  // the status change time; ChangeTime on Windows
    std::uint64_t device = 0;  // the volume serial number on Windows
    std::uint64_t file = 0;    // the inode; the file index on Windows
    std::uint64_t hash = 0;    // XXH3-64 of the bytes read or written

    bool operator==(const FileState&) const = default;
};

struct FileResult {
    FileStatus status = FileStatus::Ok;
    Message message;
    // The file as read or written, when the read or the write of a regular file succeeded.
    std::optional<FileState> state{};

    bool ok() const { return status == FileStatus::Ok; }
};

// An error of the file layer: its number and what it means.
struct FileError {
    FileError() = default;
    FileError(int number, std::string description)
        : number(number), description(std::move(description)) {}
    // An error the program tells in words of its own, which the window translates.
    FileError(int number, MessageId said)
        : number(number), description(MessagePattern(said)), said(said) {}

    int number = 0;
    std::string description;
    MessageId said = MessageId::Verbatim;
    // The complete new file, kept when writing it into the target failed half-way.
    std::string keptIn;
};

}  // namespace kestrune
