#include "platform/system_lookup.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <cstdint>
#include <cstring>

#ifdef _WIN32
#include "core/windows_api.h"

#include <array>
#include <vector>

#include "platform/text_codec.h"
#endif

namespace kestrune {

bool RegistryValueText(std::string_view data, unsigned long type, std::string& text) {
    if (type == registry_type::kString || type == registry_type::kExpandString) {
        if (!data.empty() && data.back() == '\0') {
            data.remove_suffix(1);
        }
        text.assign(data);
        return true;
    }
    if (type == registry_type::kNumber && data.size() >= sizeof(std::uint32_t)) {
        std::uint32_t number = 0;
        std::memcpy(&number, data.data(), sizeof(number));
        text = std::to_string(number);
        return true;
    }
    return false;
}

bool SystemLookupService::fileExists(const QString& path) {
    const QFileInfo file(path);
    return file.exists() && file.isFile();
}

QString SystemLookupService::findExecutable(const QString& name) {
    return QStandardPaths::findExecutable(name);
}

#ifdef _WIN32

bool SystemLookupService::GetKeyValue(RegistryRoot root, const QString& keyName,
                                      const QString& valueName, QString& value) {
    value.clear();
    // Reading needs no more than query rights; asking for more fails for every user who
    // may not change the machine's settings.
    HKEY key = nullptr;
    const std::string keyBytes = PathBytes(keyName);
    if (RegOpenKeyExA(root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER,
                      keyBytes.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return false;
    }
    std::array<char, 1024> buffer{};
    DWORD size = static_cast<DWORD>(buffer.size());
    DWORD type = 0;
    const std::string valueBytes = PathBytes(valueName);
    const LONG status = RegQueryValueExA(key, valueBytes.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer.data()), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        return false;
    }
    std::string text;
    if (RegistryValueText(std::string_view(buffer.data(), size), type, text)) {
        if (type == registry_type::kExpandString) {
            // A folder kept as "%ProgramFiles%\..." is meant to be read expanded.
            std::vector<char> expanded(32768, '\0');
            const DWORD length = ExpandEnvironmentStringsA(text.c_str(), expanded.data(),
                                                           static_cast<DWORD>(expanded.size()));
            if (length > 0 && length <= expanded.size()) {
                text.assign(expanded.data());
            }
        }
        value = PathText(text);
    }
    return true;
}

#else

bool SystemLookupService::GetKeyValue(RegistryRoot, const QString&, const QString&,
                                      QString& value) {
    value.clear();
    return false;
}

#endif

}  // namespace kestrune
