#pragma once

// The temporary batch file, opened for writing. Opening never follows a symbolic link (on
// Windows, any reparse point): a link planted where the file goes would otherwise have every
// trial run overwrite the file it names. The system calls for it live in temporary_file.cpp
// and nowhere else in run.

#include <memory>
#include <string>
#include <string_view>

namespace kestrune {

class TemporaryFile {
  public:
    virtual ~TemporaryFile() = default;
    // Appends bytes; false when they could not all be written.
    virtual bool write(std::string_view bytes) = 0;
    // Closes the file; false when what was written could not be kept.
    virtual bool close() = 0;
};

// Opens the file at path, creating it when it is missing and emptying it when it is there.
// None when it can't be opened, is a link, or is no plain file.
std::unique_ptr<TemporaryFile> OpenTemporaryFile(const std::string& path);

}  // namespace kestrune
