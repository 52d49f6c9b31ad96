// The safe writer on POSIX systems. Everything after the first look at the target goes
// through descriptors: the folder's, the new file's and the target's, so that a name
// swapped by someone else in a shared folder can't redirect the save.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>
#include <vector>

#include "files/file_io.h"
#include "files/interrupt_cleanup.h"
#include "files/safe_write_system.h"
#include "files/save_target.h"

#if defined(__linux__)
#include <sys/xattr.h>
#endif

namespace kestrune {

namespace fs = std::filesystem;

namespace {

FileError lastError() {
    return errorFromErrno(errno != 0 ? errno : EIO);
}

FileError notRegular() {
    return {EINVAL, "Not a regular file"};
}

class Fd {
  public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;

    int get() const { return fd_; }
    void reset(int fd) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = fd;
    }
    explicit operator bool() const { return fd_ >= 0; }
    // Closing reports what a delayed write (NFS, say) couldn't do.
    std::optional<FileError> close() {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0 && errno != EINTR) {
            return lastError();
        }
        return std::nullopt;
    }

  private:
    int fd_;
};

// The new file's name in its folder, removed again unless the save keeps it.
class Temporary {
  public:
    Temporary(int folder, std::string name) : folder_(folder), name_(std::move(name)) {}
    ~Temporary() { remove(); }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    const std::string& name() const { return name_; }
    void renamed(std::string name) { name_ = std::move(name); }
    void keep() { name_.clear(); }
    void remove() {
        if (!name_.empty()) {
            ::unlinkat(folder_, name_.c_str(), 0);
            name_.clear();
        }
    }

  private:
    int folder_;
    std::string name_;
};

std::optional<FileError> writeAll(int fd, std::string_view bytes, off_t offset = -1) {
    while (!bytes.empty()) {
        const ssize_t n = offset < 0 ? ::write(fd, bytes.data(), bytes.size())
                                     : ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return lastError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        if (offset >= 0) {
            offset += n;
        }
    }
    return std::nullopt;
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// What a new file gets: 0666 less the umask, which can only be read by setting it.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Opened without blocking: a pipe put in the target's place would wait for a reader.
int openForWriting(const char* path) {
    return ::open(path, O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
}

// A device (a printer port, /dev/null) takes the bytes where it is.
std::optional<FileError> writeDevice(const char* path, std::string_view bytes) {
    Fd fd(openForWriting(path));
    struct stat st {};
    if (!fd || ::fstat(fd.get(), &st) != 0) {
        return lastError();
    }
    if (!S_ISCHR(st.st_mode)) {
        return notRegular();
    }
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    if (auto failure = writeAll(fd.get(), bytes)) {
        return failure;
    }
    return fd.close();
}

// Extended attributes hold ACLs, SELinux labels and what else the user's tools set there.
// False when one that matters could not be given to the new file; a security label this
// user may not set is the system's business and no reason to write in place.
bool copyAttributes([[maybe_unused]] int from, [[maybe_unused]] int to) {
#if defined(__linux__)
    ssize_t size = ::flistxattr(from, nullptr, 0);
    if (size <= 0) {
        return size == 0 || errno == ENOTSUP;
    }
    std::vector<char> names(static_cast<std::size_t>(size));
    size = ::flistxattr(from, names.data(), names.size());
    if (size < 0) {
        return false;
    }
    bool kept = true;
    std::vector<char> value;
    for (const char* name = names.data(); name < names.data() + size;
         name += std::strlen(name) + 1) {
        ssize_t length = ::fgetxattr(from, name, nullptr, 0);
        if (length >= 0) {
            value.resize(static_cast<std::size_t>(length));
            length = ::fgetxattr(from, name, value.data(), value.size());
        }
        const bool set = length >= 0 && ::fsetxattr(to, name, value.data(),
                                                    static_cast<std::size_t>(length), 0) == 0;
        if (!set && std::strncmp(name, "security.", 9) != 0) {
            kept = false;
        }
    }
    return kept;
#else
    return true;
#endif
}

// Writes the bytes of the complete, synced copy into the target itself. Room is reserved
// first, so that a full disk stops the save before the target is touched; past that, a
// failure keeps the copy and names it.
std::optional<FileError> writeInPlace(Fd& target, std::string_view bytes, Temporary& copy,
                                      const std::string& copyPath) {
    if (!bytes.empty()) {
        const int reserved = ::posix_fallocate(target.get(), 0, static_cast<off_t>(bytes.size()));
        if (reserved != 0 && reserved != EINVAL && reserved != EOPNOTSUPP && reserved != ENOSYS) {
            return errorFromErrno(reserved);
        }
    }
    auto failure = writeAll(target.get(), bytes, 0);
    if (!failure && (::ftruncate(target.get(), static_cast<off_t>(bytes.size())) != 0 ||
                     ::fsync(target.get()) != 0)) {
        failure = lastError();
    }
    if (!failure) {
        failure = target.close();
    }
    if (failure) {
        copy.keep();
        failure->keptIn = copyPath;
    }
    return failure;
}

}  // namespace

std::optional<FileError> writeFileOnThisSystem(const std::string& path, std::string_view bytes) {
    // Through links to the file they name, also one still to be made.
    const SaveTarget resolved = saveTargetOf(path);
    if (resolved.error) {
        return errorFromErrno(resolved.error.value());
    }
    const fs::path& target = resolved.path;
    struct stat existing {};
    errno = 0;
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) {
        return lastError();
    }
    Fd targetFd;
    if (exists) {
        if (S_ISDIR(existing.st_mode)) {
            return errorFromErrno(EISDIR);
        }
        if (S_ISCHR(existing.st_mode)) {
            return writeDevice(target.c_str(), bytes);
        }
        if (!S_ISREG(existing.st_mode)) {
            return notRegular();
        }
        // Renaming over a file needs no right to write it; a file the user may not change
        // is refused here as it would be on Windows.
        targetFd.reset(openForWriting(target.c_str()));
        if (!targetFd || ::fstat(targetFd.get(), &existing) != 0) {
            return lastError();
        }
        if (!S_ISREG(existing.st_mode)) {
            return notRegular();
        }
    }

    fs::path folderPath = target.parent_path();
    if (folderPath.empty()) {
        folderPath = ".";
    }
    const Fd folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat folderStat {};
    if (!folder || ::fstat(folder.get(), &folderStat) != 0) {
        return lastError();
    }
    // Private from its first byte: only this user can open it until it has its final mode.
    // Locked for as long as it is written, so that a later save knows it from the leftover of
    // an interrupted one.
    const std::string targetName = target.filename().string();
    const std::string prefix = temporaryPrefix(targetName);
    Fd file;
    std::string name;
    for (int attempt = 0; !file && attempt < 100; ++attempt) {
        name = prefix + randomHex6() + std::string(kTemporarySuffix);
        file.reset(::openat(folder.get(), name.c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!file && errno != EEXIST) {
            return lastError();
        }
    }
    if (!file) {
        return lastError();
    }
    ::flock(file.get(), LOCK_EX | LOCK_NB);
    Temporary temporary(folder.get(), name);
    InterruptRemoval removal(folder.get(), name);
    const std::string temporaryPath = (folderPath / name).string();
    clearLeftovers(folder.get(), prefix, name);

    // Keep the owner, group, mode and attributes the target has. Where the new file can't
    // take them, or a rename would cut the target off from its other names or isn't
    // allowed in a sticky folder, the target is written in place and the new file is
    // only the copy that makes that safe.
    bool inPlace = false;
    mode_t mode = newFileMode();
    if (exists) {
        mode = existing.st_mode & 07777;
        struct stat mine {};
        if (::fstat(file.get(), &mine) != 0) {
            return lastError();
        }
        const bool otherOwner = mine.st_uid != existing.st_uid || mine.st_gid != existing.st_gid;
        const bool stickyFolder = (folderStat.st_mode & S_ISVTX) != 0 &&
                                  existing.st_uid != ::geteuid() &&
                                  folderStat.st_uid != ::geteuid();
        inPlace = existing.st_nlink > 1 || stickyFolder ||
                  (otherOwner && ::fchown(file.get(), existing.st_uid, existing.st_gid) != 0);
        if (!inPlace) {
            inPlace = !copyAttributes(targetFd.get(), file.get());
        }
    }
    if (!inPlace && ::fchmod(file.get(), mode) != 0) {
        return lastError();
    }

    if (const auto& seam = safeWriteSeams().beforeFirstWrite) {
        seam(temporaryPath);
    }
    if (auto failure = writeAll(file.get(), bytes)) {
        return failure;
    }
    if (::fsync(file.get()) != 0) {
        return lastError();
    }
    if (const auto& seam = safeWriteSeams().beforeReplace) {
        seam(temporaryPath);
    }
    // The name must still be the file written: in a folder others can write, a link put
    // in its place would otherwise be moved over the target, or kept as its recovery copy.
    struct stat written {};
    struct stat named {};
    if (::fstat(file.get(), &written) != 0 ||
        ::fstatat(folder.get(), name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
        !sameFile(written, named)) {
        temporary.keep();  // the name is someone else's now
        return FileError{EEXIST, MessageId::ReplacedBeforeRename};
    }
    if (inPlace) {
        // The complete copy is named for what it is before the target is touched: should the
        // rewrite be cut short, the reader finds it beside the target. A signal waits until
        // the target is whole again.
        if (auto failure = renameToRecoveryCopy(folder.get(), name, targetName)) {
            return failure;
        }
        temporary.renamed(name);
        removal.release();
        const std::string copyPath = (folderPath / name).string();
        const InterruptsHeld held;
        if (const auto& seam = safeWriteSeams().beforeRewrite) {
            seam(copyPath);
        }
        auto failure = writeInPlace(targetFd, bytes, temporary, copyPath);
        temporary.remove();  // unless the rewrite failed half-way and kept it
        return failure;
    }

    if (auto failure = file.close()) {
        return failure;
    }
    if (::renameat(folder.get(), name.c_str(), folder.get(), targetName.c_str()) != 0) {
        return lastError();
    }
    temporary.keep();
    removal.release();
    // The new name on disk too; CIFS mounts of a netlogon share refuse to sync a folder.
    if (::fsync(folder.get()) != 0 && errno != EINVAL) {
        return lastError();
    }
    return std::nullopt;
}

}  // namespace kestrune
