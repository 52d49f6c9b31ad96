#include "files/file_io.h"

#include <cerrno>
#include <filesystem>
#include <memory>
#include <new>
#include <system_error>

#include "files/file_state.h"
#include "files/safe_write_system.h"

namespace kestrune {

namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Reads to the end, or stops as soon as the limit is passed: a file that grew since its
// size was taken, or a pipe, must not fill memory either. The hash, if asked for, takes each
// piece while it is at hand.
void readUpToLimit(std::FILE* stream, FileBytes& result, ByteHash* hash = nullptr) {
    char buffer[1 << 16];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, stream);
        if (result.bytes.size() + n > kMaxInputBytes) {
            result.bytes = {};
            result.tooLarge = true;
            return;
        }
        result.bytes.append(buffer, n);
        if (hash != nullptr) {
            hash->add({buffer, n});
        }
        if (n < sizeof buffer) {
            break;
        }
    }
    if (std::ferror(stream) != 0) {
        result.error = errorFromErrno(errno != 0 ? errno : EIO);
    }
}

}  // namespace

FileError errorFromErrno(int number) {
    const std::error_code code(number, std::generic_category());
    return {code.value(), code.message()};
}

SafeWriteSeams& safeWriteSeams() {
    static SafeWriteSeams seams;
    return seams;
}

FileBytes readFileBytes(const std::string& path) {
    FileBytes result;
    std::error_code code;
    const auto status = fs::status(path, code);
    if (status.type() == fs::file_type::not_found) {
        result.found = false;
        return result;
    }
    if (status.type() == fs::file_type::directory) {
        result.error = errorFromErrno(EISDIR);
        return result;
    }
    // A device or a pipe may never end: only files are documents.
    if (status.type() != fs::file_type::regular && status.type() != fs::file_type::none) {
        result.error = FileError{EINVAL, MessageId::NotRegularFile};
        return result;
    }
    const auto size = fs::file_size(path, code);
    if (!code && size > kMaxInputBytes) {
        result.tooLarge = true;
        result.size = size;
        return result;
    }
    errno = 0;
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        const int number = errno != 0 ? errno : EIO;
        if (number == ENOENT) {
            result.found = false;
        } else {
            result.error = errorFromErrno(number);
        }
        return result;
    }
    if (!code) {
        result.bytes.reserve(static_cast<std::size_t>(size));
    }
    // Taken before the first byte: a change made while the file is read shows as a change.
    const std::optional<FileState> state = stateOfOpenFile(file.get());
    ByteHash hash;
    readUpToLimit(file.get(), result, &hash);
    if (state && !result.error && !result.tooLarge) {
        result.state = state;
        result.state->hash = hash.value();
    }
    return result;
}

FileBytes readStreamBytes(std::FILE* stream) {
    FileBytes result;
    // A file given as the stream tells its size; a pipe or a terminal doesn't seek.
    const long start = std::ftell(stream);
    if (start >= 0 && std::fseek(stream, 0, SEEK_END) == 0) {
        const long end = std::ftell(stream);
        std::fseek(stream, start, SEEK_SET);
        if (end >= start && static_cast<std::uint64_t>(end - start) > kMaxInputBytes) {
            result.tooLarge = true;
            result.size = static_cast<std::uint64_t>(end - start);
            return result;
        }
    }
    std::clearerr(stream);
    errno = 0;
    readUpToLimit(stream, result);
    return result;
}

std::optional<FileError> writeFileSafely(const std::string& path, std::string_view bytes) {
    try {
        return writeFileOnThisSystem(path, bytes);
    } catch (const std::bad_alloc&) {
        return errorFromErrno(ENOMEM);
    }
}

}  // namespace kestrune
