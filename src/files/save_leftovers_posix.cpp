// What a save leaves beside its target on POSIX systems: the new files of interrupted saves,
// cleared by the next save of the same target, and the recovery copy of a rewrite in place.

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include "files/safe_write_system.h"
#include "files/save_target.h"

namespace kestrune {

namespace {

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A rename that fails with EEXIST rather than replace a file; where the filesystem can't
// promise that, a look first (a recovery copy made in between is as unlikely as harmless).
int renameWithoutReplacing(int folder, const std::string& from, const std::string& to) {
#if defined(__linux__) && defined(RENAME_NOREPLACE)
    if (::renameat2(folder, from.c_str(), folder, to.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        return -1;
    }
#endif
    struct stat there {};
    if (::fstatat(folder, to.c_str(), &there, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return -1;
    }
    return ::renameat(folder, from.c_str(), folder, to.c_str());
}

}  // namespace

void clearLeftovers(int folder, const std::string& prefix, const std::string& own) {
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* entries = listing >= 0 ? ::fdopendir(listing) : nullptr;
    if (entries == nullptr) {
        if (listing >= 0) {
            ::close(listing);
        }
        return;
    }
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(entries)) {
        const std::string_view name = entry->d_name;
        if (name.starts_with(prefix) && name.ends_with(kTemporarySuffix) && name != own) {
            names.emplace_back(name);
        }
    }
    ::closedir(entries);
    // A running save holds its new file locked until it is in place; the lock goes with the
    // process however it ends. A file this user can't open or remove is left alone.
    for (const std::string& name : names) {
        const int fd =
            ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat opened {};
        struct stat named {};
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(folder, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            sameFile(opened, named)) {
            ::unlinkat(folder, name.c_str(), 0);
        }
        ::close(fd);
    }
}

std::optional<FileError> renameToRecoveryCopy(int folder, std::string& name,
                                              std::string_view targetName) {
    const std::string prefix = recoveryCopyPrefix(targetName);
    // Another copy, left by an earlier interrupted save, is never replaced: it may hold what
    // that save could not put in place.
    std::string copy = prefix;
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (renameWithoutReplacing(folder, name, copy) == 0) {
            name = copy;
            // The copy's name on disk before the target is touched; CIFS refuses a folder sync.
            if (::fsync(folder) != 0 && errno != EINVAL) {
                return errorFromErrno(errno);
            }
            return std::nullopt;
        }
        if (errno != EEXIST) {
            return errorFromErrno(errno != 0 ? errno : EIO);
        }
        copy = prefix + "-" + randomHex6();
    }
    return errorFromErrno(EEXIST);
}

}  // namespace kestrune
