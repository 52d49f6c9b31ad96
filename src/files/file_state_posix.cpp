// Looking at a file on POSIX systems: stat and fstat, times to the nanosecond.

#include <sys/stat.h>

#include <cerrno>

#include "files/file_io.h"
#include "files/file_state.h"

namespace kestrune {

namespace {

std::int64_t nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

FileState stateOf(const struct stat& st) {
    FileState state;
    state.size = static_cast<std::uint64_t>(st.st_size);
    state.modified = nanoseconds(st.st_mtim);
    state.changed = nanoseconds(st.st_ctim);
    state.device = static_cast<std::uint64_t>(st.st_dev);
    state.file = static_cast<std::uint64_t>(st.st_ino);
    return state;
}

}  // namespace

FileLook lookAtFile(const std::string& path) {
    FileLook look;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        const int number = errno != 0 ? errno : EIO;
        if (number == ENOENT) {
            look.missing = true;
        } else {
            look.error = errorFromErrno(number);
        }
    } else if (!S_ISREG(st.st_mode)) {
        look.error = FileError{EINVAL, MessageId::NotRegularFile};
    } else {
        look.state = stateOf(st);
    }
    return look;
}

std::optional<FileState> stateOfOpenFile(std::FILE* file) {
    struct stat st {};
    if (::fstat(::fileno(file), &st) != 0 || !S_ISREG(st.st_mode)) {
        return std::nullopt;
    }
    return stateOf(st);
}

}  // namespace kestrune
