#pragma once

// Telling whether a document's file is still the one read or last written: a look at the file
// without reading it (identity, size, times), and the hash of its bytes, XXH3-64. Looking is
// done by the system (file_state_posix.cpp, file_state_win32.cpp); hashing in file_state.cpp.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "files/file_result.h"

namespace kestrune {

// A look at a path: the file's state without its hash, or that nothing is there, or why it
// couldn't be looked at (a lost network mount, a folder in the file's place).
struct FileLook {
    bool missing = false;
    std::optional<FileError> error;
    FileState state;  // hash left 0
};

FileLook lookAtFile(const std::string& path);
// The state of a regular file open for reading (hash left 0); none for anything else.
std::optional<FileState> stateOfOpenFile(std::FILE* file);

// Identity, size and times alike: what can be told without reading the file.
bool looksSame(const FileState& a, const FileState& b);

// XXH3-64 over bytes given a piece at a time, as a read takes them in.
class ByteHash {
  public:
    ByteHash();
    ~ByteHash();
    ByteHash(const ByteHash&) = delete;
    ByteHash& operator=(const ByteHash&) = delete;

    void add(std::string_view bytes);
    std::uint64_t value() const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

std::uint64_t hashOfBytes(std::string_view bytes);

// The state of the file at path just written with bytes; none when it isn't a regular file
// (a device) or can't be looked at.
std::optional<FileState> writtenState(const std::string& path, std::string_view bytes);

enum class DiskChange {
    None,
    Changed,  // another file, size or time; with the bytes read, other bytes
    Deleted,
    Unknown,  // couldn't be looked at or read
};

// How the file at path stands beside the state recorded when it was read or written. Only
// with readBytes is it read, to compare the hash too: a change that kept size and times.
DiskChange changeOnDisk(const std::string& path, const FileState& recorded, bool readBytes);

// Whether two paths name one file: the same text, or the same file reached another way.
bool sameFilePath(const std::string& a, const std::string& b);

}  // namespace kestrune
