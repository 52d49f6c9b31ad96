#include "run/temporary_file.h"

#ifdef _WIN32
#include "core/windows_api.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#endif

namespace kestrune {

namespace {

#ifdef _WIN32

class Win32File : public TemporaryFile {
  public:
    explicit Win32File(HANDLE handle) : handle_(handle) {}
    ~Win32File() override { close(); }
    Win32File(const Win32File&) = delete;
    Win32File& operator=(const Win32File&) = delete;

    bool write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const DWORD chunk =
                bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
            DWORD written = 0;
            if (handle_ == INVALID_HANDLE_VALUE ||
                !WriteFile(handle_, bytes.data(), chunk, &written, nullptr) || written == 0) {
                return false;
            }
            bytes.remove_prefix(written);
        }
        return true;
    }

    bool close() override {
        if (handle_ == INVALID_HANDLE_VALUE) {
            return true;
        }
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_;
};

}  // namespace

std::unique_ptr<TemporaryFile> OpenTemporaryFile(const std::string& path) {
    // The link itself is opened, not what it names; it is then refused below.
    HANDLE handle = CreateFileA(
        path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    BY_HANDLE_FILE_INFORMATION info;
    const bool plain =
        GetFileInformationByHandle(handle, &info) != 0 &&
        (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) == 0 &&
        GetFileType(handle) == FILE_TYPE_DISK;
    if (!plain || !SetEndOfFile(handle)) {
        CloseHandle(handle);
        return nullptr;
    }
    return std::make_unique<Win32File>(handle);
}

#else

class PosixFile : public TemporaryFile {
  public:
    explicit PosixFile(int fd) : fd_(fd) {}
    ~PosixFile() override { close(); }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    bool write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t written = fd_ < 0 ? -1 : ::write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

    bool close() override {
        if (fd_ < 0) {
            return true;
        }
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        return closed;
    }

  private:
    int fd_;
};

}  // namespace

std::unique_ptr<TemporaryFile> OpenTemporaryFile(const std::string& path) {
    // Not truncated on opening: only once it is known to be a plain file. O_NONBLOCK keeps a
    // planted FIFO from hanging the open; it means nothing for a plain file.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) {
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ::ftruncate(fd, 0) != 0) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<PosixFile>(fd);
}

#endif

}  // namespace kestrune
