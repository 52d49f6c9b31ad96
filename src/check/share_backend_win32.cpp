// The Windows backend: the system's own share and file calls on UNC paths. Windows resolves
// the names and keeps the connections; a mapped name is replaced by its address (SMB on
// Windows always uses the standard port, so a mapping's port is not used here).

#include "core/windows_api.h"
// After the Windows API header:
#include <lm.h>
#include <winnetwk.h>

#include <string>
#include <vector>

#include "check/share_backend.h"
#include "core/cp1252_text.h"

namespace kestrune::check {

namespace {

std::wstring wide(std::string_view cp1252) {
    std::wstring out;
    for (const char c : cp1252) {
        out += static_cast<wchar_t>(cp1252CodePoint(c));
    }
    return out;
}

std::wstring wideUtf8(const std::string& utf8) {
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

Message errorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text;
    for (DWORD i = 0; i < n; ++i) {
        const auto byte = cp1252Byte(buffer[i]);
        if (buffer[i] != L'\r' && buffer[i] != L'\n') {
            text += byte.value_or('?');
        }
    }
    LocalFree(buffer);
    while (!text.empty() && (text.back() == ' ' || text.back() == '.')) {
        text.pop_back();
    }
    return text.empty() ? Say(MessageId::SystemError, std::to_string(error)) : DocumentText(text);
}

Found foundFor(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_BAD_NET_NAME:
        case NERR_NetNameNotFound:
            return Found::No;
        case ERROR_ACCESS_DENIED:
        case ERROR_LOGON_FAILURE:
            return Found::Denied;
        case ERROR_BAD_NETPATH:
        case ERROR_NETWORK_UNREACHABLE:
        case ERROR_HOST_UNREACHABLE:
        case ERROR_REM_NOT_LIST:
        case ERROR_SEM_TIMEOUT:
        case RPC_S_SERVER_UNAVAILABLE:
            return Found::Unreachable;
        default:
            return Found::Failed;
    }
}

class Win32Backend final : public ShareBackend {
  public:
    explicit Win32Backend(Connection connection) : connection_(std::move(connection)) {}

    ~Win32Backend() override {
        for (const auto& ipc : connected_) {
            WNetCancelConnection2W(ipc.c_str(), 0, TRUE);
        }
    }

    ShareAnswer share(const std::string& server, const std::string& share) override {
        const auto host = hostOf(server);
        logOn(host);
        SHARE_INFO_1* info = nullptr;
        const auto shareName = wide(share);
        const NET_API_STATUS status = NetShareGetInfo(const_cast<wchar_t*>(host.c_str()),
                                                      const_cast<wchar_t*>(shareName.c_str()), 1,
                                                      reinterpret_cast<BYTE**>(&info));
        if (status == NERR_Success) {
            // The low byte is the type; the bits above it are flags such as STYPE_SPECIAL.
            const DWORD type = info->shi1_type & 0xFF;
            NetApiBufferFree(info);
            return {Found::Yes,
                    type == STYPE_DISKTREE ? ShareType::Disk
                    : type == STYPE_PRINTQ ? ShareType::Printer
                                           : ShareType::Other,
                    {}};
        }
        if (status == ERROR_ACCESS_DENIED) {
            // Not allowed to ask about it: the share may still be there to open.
            const auto attributes = GetFileAttributesW((host + L"\\" + shareName + L"\\").c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES) {
                return {Found::Yes, ShareType::Disk, {}};
            }
        }
        return {foundFor(status), ShareType::Other, errorText(status)};
    }

    PathAnswer path(const std::string& server, const std::string& share,
                    const std::string& path) override {
        const auto host = hostOf(server);
        logOn(host);
        const auto full = host + L"\\" + wide(share) + L"\\" + wide(path);
        const DWORD attributes = GetFileAttributesW(full.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            const DWORD error = GetLastError();
            return {foundFor(error), false, errorText(error)};
        }
        return {Found::Yes, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0, {}};
    }

  private:
    // "\\NAME", or "\\ADDRESS" for a mapped name.
    std::wstring hostOf(const std::string& server) const {
        const auto mapped = connection_.servers.find(upperCased(server));
        return L"\\\\" +
               (mapped == connection_.servers.end() ? wide(server) : wideUtf8(mapped->second.host));
    }

    // With a user given, one connection to the server's IPC$ share under that name; the
    // calls after it use it. Without, the signed-in user's own logon is used.
    void logOn(const std::wstring& host) {
        if (connection_.user.empty()) {
            return;
        }
        const auto ipc = host + L"\\IPC$";
        for (const auto& done : connected_) {
            if (done == ipc) {
                return;
            }
        }
        NETRESOURCEW resource{};
        resource.dwType = RESOURCETYPE_ANY;
        resource.lpRemoteName = const_cast<wchar_t*>(ipc.c_str());
        const auto user = wideUtf8(connection_.user);
        const auto password = wideUtf8(connection_.password);
        if (WNetAddConnection2W(&resource, password.c_str(), user.c_str(), 0) == NO_ERROR) {
            connected_.push_back(ipc);
        }
    }

    const Connection connection_;
    std::vector<std::wstring> connected_;
};

}  // namespace

std::unique_ptr<ShareBackend> makeSystemBackend(const Connection& connection) {
    return std::make_unique<Win32Backend>(connection);
}

}  // namespace kestrune::check
