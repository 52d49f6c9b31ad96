// The safe writer on Windows: the new file is flushed to disk before it takes the target's
// place, and ReplaceFileW gives it the target's ACL, attributes and streams as it does. Until
// then the new file is marked to be deleted when its handle closes, so that the end of the
// program, however it comes, takes it along; it is opened for no one else, so that a later
// save removing leftovers can't remove it while it is written.

#include "core/windows_api.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <new>
#include <system_error>

#include "files/file_io.h"
#include "files/safe_write_system.h"
#include "files/save_target.h"

namespace kestrune {

namespace fs = std::filesystem;

namespace {

FileError win32Error(DWORD code = GetLastError()) {
    const int number = static_cast<int>(code);
    return {number, std::system_category().message(number)};
}

class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool close() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return handle == INVALID_HANDLE_VALUE || CloseHandle(handle) != 0;
    }

  private:
    HANDLE handle_;
};

HANDLE openExisting(const fs::path& path) {
    return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::optional<FileError> writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) {
            return win32Error();
        }
        bytes.remove_prefix(written);
    }
    return std::nullopt;
}

std::wstring widened(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

// The beginning of the new files' names of saves of the target: short, so that a target whose
// name is as long as a folder allows still has room for its new file beside it.
std::wstring temporaryPrefixOf(const fs::path& target) {
    const std::u8string name = target.filename().u8string();
    return widened(temporaryPrefix(std::string(name.begin(), name.end())));
}

// Marks the open file to go when its handle closes, or not any more.
void deleteOnClose(HANDLE file, bool remove) {
    FILE_DISPOSITION_INFO disposition{static_cast<BOOLEAN>(remove ? TRUE : FALSE)};
    SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
}

// Removes the new files interrupted saves of the target left; one that a running save is
// writing is open for no one else and stays.
void clearLeftovers(const fs::path& folder, const std::wstring& prefix, const fs::path& own) {
    WIN32_FIND_DATAW found;
    const fs::path pattern = folder / (prefix + L"*" + widened(kTemporarySuffix));
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const fs::path leftover = folder / found.cFileName;
        if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ==
                0 &&
            leftover != own) {
            DeleteFileW(leftover.c_str());
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// A device (a printer port, NUL) takes the bytes where it is.
std::optional<FileError> writeDevice(const fs::path& target, std::string_view bytes) {
    Handle device(openExisting(target));
    if (!device) {
        return win32Error();
    }
    if (auto failure = writeAll(device.get(), bytes)) {
        return failure;
    }
    return device.close() ? std::nullopt : std::optional(win32Error());
}

}  // namespace

std::optional<FileError> writeFileOnThisSystem(const std::string& path, std::string_view bytes) {
    // Through links to the file they name, also one still to be made.
    const SaveTarget resolved = saveTargetOf(path);
    if (resolved.error) {
        return FileError{resolved.error.value(), resolved.error.message()};
    }
    const fs::path& target = resolved.path;
    std::error_code code;
    const auto existing = fs::status(target, code);
    const bool exists = fs::exists(existing);
    if (exists && existing.type() == fs::file_type::directory) {
        return errorFromErrno(EISDIR);
    }
    if (exists && existing.type() == fs::file_type::character) {
        return writeDevice(target, bytes);
    }
    if (exists && existing.type() != fs::file_type::regular) {
        return FileError{EINVAL, MessageId::NotRegularFile};
    }
    if (exists) {
        // Replacing a file needs no right to write it; refuse one the user may not change.
        Handle probe(openExisting(target));
        if (!probe) {
            return win32Error();
        }
    }

    const std::wstring prefix = temporaryPrefixOf(target);
    const fs::path temporary =
        target.parent_path() / (prefix + widened(randomHex6()) + widened(kTemporarySuffix));
    Handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return win32Error();
    }
    deleteOnClose(file.get(), true);
    clearLeftovers(target.parent_path(), prefix, temporary);
    const std::string temporaryPath = temporary.string();
    std::optional<FileError> failure;
    if (const auto& seam = safeWriteSeams().beforeFirstWrite) {
        seam(temporaryPath);
    }
    failure = writeAll(file.get(), bytes);
    if (!failure && !FlushFileBuffers(file.get())) {
        failure = win32Error();
    }
    if (!failure) {
        deleteOnClose(file.get(), false);
    }
    if (!file.close() && !failure) {
        failure = win32Error();
    }
    if (!failure) {
        if (const auto& seam = safeWriteSeams().beforeReplace) {
            seam(temporaryPath);
        }
        // ReplaceFileW keeps the target's security and attributes; where it can't be used
        // (another volume, a file system without it) a write-through move still replaces.
        const bool replaced =
            (exists && ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                                    REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) ||
            MoveFileExW(temporary.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        if (!replaced) {
            failure = win32Error();
        }
    }
    if (failure) {
        DeleteFileW(temporary.c_str());
    }
    return failure;
}

}  // namespace kestrune
