#include "files/file_io.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

namespace kestrune {

namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FileError errorFromCode(const std::error_code& code) {
    return {code.value(), code.message()};
}

// Writes all bytes and closes the file; the first error wins.
std::optional<FileError> writeAndClose(std::FILE* file, std::string_view bytes) {
    errno = 0;
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    const int closeErrno = errno;
    if (!written) {
        return errorFromErrno(writeErrno != 0 ? writeErrno : EIO);
    }
    if (!closed) {
        return errorFromErrno(closeErrno != 0 ? closeErrno : EIO);
    }
    return std::nullopt;
}

// A short name of its own, so that a target whose name is as long as a folder allows
// still has room for its new file beside it.
std::string temporaryNameBeside(const fs::path& target) {
    static std::mt19937 engine{std::random_device{}()};
    std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
    char name[32];
    std::snprintf(name, sizeof name, ".kestrune-%06x.tmp", digits(engine));
    return (target.parent_path() / name).string();
}

// Renaming over a file needs no right to write it; a file the user may not change is
// refused here as it would be on Windows.
std::optional<FileError> refusedForWriting(const fs::path& target) {
    errno = 0;
    std::FILE* probe = std::fopen(target.string().c_str(), "ab");
    if (probe == nullptr) {
        return errorFromErrno(errno != 0 ? errno : EACCES);
    }
    std::fclose(probe);
    return std::nullopt;
}

}  // namespace

FileError errorFromErrno(int number) {
    return errorFromCode(std::error_code(number, std::generic_category()));
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
        result.error = FileError{EINVAL, "Not a regular file"};
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
    char buffer[1 << 16];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        result.bytes.append(buffer, n);
        if (n < sizeof buffer) {
            break;
        }
    }
    if (std::ferror(file.get()) != 0) {
        result.error = errorFromErrno(errno != 0 ? errno : EIO);
    }
    return result;
}

std::optional<FileError> writeFileSafely(const std::string& path, std::string_view bytes) {
    std::error_code code;
    fs::path target(path);
    if (fs::is_symlink(fs::symlink_status(target, code))) {
        target = fs::weakly_canonical(target, code);
        if (code) {
            return errorFromCode(code);
        }
    }
    const auto existing = fs::status(target, code);
    const bool exists = fs::exists(existing);
    if (exists && existing.type() == fs::file_type::directory) {
        return errorFromErrno(EISDIR);
    }
    if (exists && existing.type() != fs::file_type::regular) {
        errno = 0;
        std::FILE* device = std::fopen(target.string().c_str(), "wb");
        if (device == nullptr) {
            return errorFromErrno(errno != 0 ? errno : EIO);
        }
        return writeAndClose(device, bytes);
    }

    if (exists) {
        if (auto refused = refusedForWriting(target)) {
            return refused;
        }
    }
    const std::string temporary = temporaryNameBeside(target);
    errno = 0;
    std::FILE* file = std::fopen(temporary.c_str(), "wbx");
    if (file == nullptr) {
        return errorFromErrno(errno != 0 ? errno : EIO);
    }
    auto failure = writeAndClose(file, bytes);
    if (!failure && exists) {
        fs::permissions(temporary, existing.permissions(), fs::perm_options::replace, code);
    }
    if (!failure) {
        fs::rename(temporary, target, code);
        if (code) {
            failure = errorFromCode(code);
        }
    }
    if (failure) {
        fs::remove(temporary, code);
    }
    return failure;
}

}  // namespace kestrune
