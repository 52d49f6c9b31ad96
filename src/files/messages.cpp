#include "files/messages.h"

#include "files/file_io.h"

namespace kestrune::messages {

namespace {

std::string concat(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (auto part : parts) {
        out.append(part);
    }
    return out;
}

std::string keptNote(std::string_view keptIn) {
    return keptIn.empty() ? std::string() : concat({"The new contents are kept in ", keptIn, "."});
}

}  // namespace

std::string templateNotFound(std::string_view path) {
    return concat({path, " could not found. Please make sure the path is correct."});
}

std::string templateReadFailed(std::string_view path, std::string_view lastLine,
                               const FileError& error) {
    return concat({"An unexpected error occurred while reading the file ", path, ".\r\rLine: ",
                   lastLine, "\r\rError: ", std::to_string(error.number), "\r", error.description});
}

std::string templateSaveFailed(std::string_view path, const FileError& error) {
    return concat({"An unexpected error occurred while saving the file ", path,
                   ".\r\rError: ", std::to_string(error.number), " ", error.description,
                   error.keptIn.empty() ? "" : "\r\r", keptNote(error.keptIn)});
}

std::string scriptNotFound(std::string_view path) {
    return concat({"The file ", path, " could not found.\rPlease make sure the path is correct."});
}

std::string scriptReadFailed(std::string_view path, const FileError& error) {
    return concat({"An unexpected error occurred while reading the file ", path,
                   ".\r\rError: ", std::to_string(error.number), " ", error.description});
}

std::string scriptSaveFailed(std::string_view path, const std::optional<FileError>& error) {
    const std::string_view keptIn = error ? std::string_view(error->keptIn) : "";
    return concat({"An error occurred while saving the file ", path,
                   ".\rPlease ensure the disk or one of the directories is not read only.",
                   error ? "\r" : "", error ? error->description : "", keptIn.empty() ? "" : "\r",
                   keptNote(keptIn)});
}

std::string interruptedSave(std::string_view path, std::string_view copy) {
    return concat({"Warning: a save of ", path,
                   " was interrupted; the file may be incomplete.\rThe copy that was being saved "
                   "is ",
                   copy, "."});
}

std::string fileTooLarge(std::string_view path, std::optional<std::uint64_t> size) {
    const std::string limit = std::to_string(kMaxInputBytes);
    return concat({"The file ", path,
                   " is too large to open: ", size ? std::to_string(*size) : "more than " + limit,
                   " bytes.\rA template or "
                   "batch script can be at most ",
                   limit, " bytes (64 MiB)."});
}

std::string tooManyActions(std::string_view path, std::uint64_t size) {
    const std::string limit = std::to_string(kMaxInputActions);
    return concat({"The file ", path, " is too large to open: its ", std::to_string(size),
                   " bytes give more than ", limit,
                   " actions.\rA template or batch script can "
                   "hold at most ",
                   limit, " actions."});
}

}  // namespace kestrune::messages
