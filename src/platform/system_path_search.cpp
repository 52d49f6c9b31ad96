// Win32 only: built into the window program on Windows.
#ifdef _WIN32

#include "platform/system_path_search.h"

#include "core/windows_api.h"

#include <algorithm>
#include <vector>

namespace kestrune {

namespace {

std::wstring systemFolder(UINT (*get)(LPWSTR, UINT)) {
    wchar_t buffer[MAX_PATH + 1] = {};
    const UINT n = get(buffer, MAX_PATH);
    return n > 0 && n <= MAX_PATH ? std::wstring(buffer, n) : std::wstring();
}

UINT systemDirectory(LPWSTR buffer, UINT size) {
    return GetSystemDirectoryW(buffer, size);
}

UINT windowsDirectory(LPWSTR buffer, UINT size) {
    return GetWindowsDirectoryW(buffer, size);
}

// Only a folder named from a drive or a share: "." or a relative entry on the search path
// would be the current folder again.
bool isAbsoluteFolder(const std::wstring& folder) {
    return (folder.size() > 2 && folder[1] == L':' && (folder[2] == L'\\' || folder[2] == L'/')) ||
           folder.rfind(L"\\\\", 0) == 0;
}

std::vector<std::wstring> searchFolders() {
    std::vector<std::wstring> folders{systemFolder(systemDirectory),
                                      systemFolder(windowsDirectory)};
    const DWORD size = GetEnvironmentVariableW(L"PATH", nullptr, 0);
    std::wstring path(size, L'\0');
    path.resize(GetEnvironmentVariableW(L"PATH", path.data(), size));
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find(L';', start), path.size());
        std::wstring folder = path.substr(start, end - start);
        if (folder.size() > 1 && folder.front() == L'"' && folder.back() == L'"') {
            folder = folder.substr(1, folder.size() - 2);
        }
        folders.push_back(folder);
        start = end + 1;
    }
    return folders;
}

bool isFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::wstring FirstWord(const std::wstring& commandLine) {
    std::size_t i = commandLine.find_first_not_of(L" \t");
    if (i == std::wstring::npos) {
        return {};
    }
    if (commandLine[i] == L'"') {
        const std::size_t end = commandLine.find(L'"', i + 1);
        return commandLine.substr(i + 1, end == std::wstring::npos ? end : end - i - 1);
    }
    return commandLine.substr(i, commandLine.find_first_of(L" \t", i) - i);
}

std::optional<std::wstring> FindOnSystemPath(const std::wstring& program) {
    if (program.empty()) {
        return std::nullopt;
    }
    if (program.find_first_of(L"\\/:") != std::wstring::npos) {
        return program;
    }
    std::vector<std::wstring> names;
    if (program.find(L'.') == std::wstring::npos) {
        names = {program + L".exe", program + L".com"};
    } else {
        names = {program};
    }
    for (const std::wstring& folder : searchFolders()) {
        if (!isAbsoluteFolder(folder)) {
            continue;
        }
        const bool separated = folder.back() == L'\\' || folder.back() == L'/';
        for (const std::wstring& name : names) {
            const std::wstring candidate = separated ? folder + name : folder + L'\\' + name;
            if (isFile(candidate)) {
                return candidate;
            }
        }
    }
    return std::nullopt;
}

}  // namespace kestrune

#endif
