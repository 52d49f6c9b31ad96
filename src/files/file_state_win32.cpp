// Looking at a file on Windows: the volume serial number and file index for its identity,
// and the last write and change times, in 100 ns steps.

#include "core/windows_api.h"

#include <io.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "files/file_state.h"

namespace kestrune {

namespace {

std::int64_t ticks(const LARGE_INTEGER& time) {
    return static_cast<std::int64_t>(time.QuadPart);
}

std::optional<FileState> stateOfHandle(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_BASIC_INFO times{};
    if (!GetFileInformationByHandle(handle, &info) ||
        !GetFileInformationByHandleEx(handle, FileBasicInfo, &times, sizeof times) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0) {
        return std::nullopt;
    }
    FileState state;
    state.size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    state.modified = ticks(times.LastWriteTime);
    state.changed = ticks(times.ChangeTime);
    state.device = info.dwVolumeSerialNumber;
    state.file = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return state;
}

}  // namespace

FileLook lookAtFile(const std::string& path) {
    FileLook look;
    // Attributes only, sharing everything: looking must not stand in another program's way.
    const HANDLE handle = CreateFileW(std::filesystem::path(path).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) {
            look.missing = true;
        } else {
            const int number = static_cast<int>(code);
            look.error = FileError{number, std::system_category().message(number)};
        }
        return look;
    }
    const auto state = stateOfHandle(handle);
    CloseHandle(handle);
    if (state) {
        look.state = *state;
    } else {
        look.error = FileError{EINVAL, MessageId::NotRegularFile};
    }
    return look;
}

std::optional<FileState> stateOfOpenFile(std::FILE* file) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    return stateOfHandle(handle);
}

}  // namespace kestrune
