#include "files/messages.h"

namespace kestrune::messages {

namespace {

std::string concat(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (auto part : parts) {
        out.append(part);
    }
    return out;
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
                   ".\r\rError: ", std::to_string(error.number), " ", error.description});
}

std::string scriptNotFound(std::string_view path) {
    return concat({"The file ", path, " could not found.\rPlease make sure the path is correct."});
}

std::string scriptReadFailed(std::string_view path, const FileError& error) {
    return concat({"An unexpected error occurred while reading the file ", path,
                   ".\r\rError: ", std::to_string(error.number), " ", error.description});
}

std::string scriptSaveFailed(std::string_view path) {
    return concat({"An error occurred while saving the file ", path,
                   ".\rPlease ensure the disk or one of the directories is not read only."});
}

}  // namespace kestrune::messages
