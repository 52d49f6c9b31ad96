#pragma once

// What a read or a write of a document file gives back: success, or which failure and
// the message the user is shown for it (lines separated by a single CR).

#include <string>
#include <utility>

namespace kestrune {

enum class FileStatus {
    Ok,
    NotFound,       // the file to read isn't there
    InvalidFormat,  // a template without its first-line marker
    Failed,         // any other failure while reading or writing
};

struct FileResult {
    FileStatus status = FileStatus::Ok;
    std::string message;

    bool ok() const { return status == FileStatus::Ok; }
};

// An error of the file layer: its number and what it means.
struct FileError {
    FileError() = default;
    FileError(int number, std::string description)
        : number(number), description(std::move(description)) {}

    int number = 0;
    std::string description;
    // The complete new file, kept when writing it into the target failed half-way.
    std::string keptIn;
};

}  // namespace kestrune
