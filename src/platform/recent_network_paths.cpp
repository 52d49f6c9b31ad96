#include "platform/recent_network_paths.h"

#ifdef _WIN32
#include "core/windows_api.h"

#include <cstring>
#include <exception>
#endif

namespace kestrune {

#ifdef _WIN32

RecentNetworkNames SystemRecentNetworkPaths::ReadRecentNetworkPaths() {
    RecentNetworkNames result;
    HKEY key = nullptr;
    LONG status = RegOpenKeyExA(HKEY_CURRENT_USER, "Network\\Recent", 0, KEY_READ, &key);
    if (status != ERROR_SUCCESS) {
        result.status = status;
        return result;
    }
    try {
        DWORD nameLength = 0;
        DWORD classLength = 0;
        status = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, &nameLength,
                                  &classLength, nullptr, nullptr, nullptr, nullptr, nullptr);
        std::vector<char> name(nameLength + 1);
        std::vector<char> keyClass(classLength + 1);
        DWORD index = 0;
        while (status == ERROR_SUCCESS && result.names.size() < kMaxNames) {
            DWORD nameSize = static_cast<DWORD>(name.size());
            DWORD classSize = static_cast<DWORD>(keyClass.size());
            status = RegEnumKeyExA(key, index, name.data(), &nameSize, nullptr, keyClass.data(),
                                   &classSize, nullptr);
            if (status == ERROR_SUCCESS) {
                result.names.emplace_back(name.data(), strnlen(name.data(), name.size()));
                ++index;
            } else if (status == ERROR_MORE_DATA) {
                // A name grew since the key was queried: retry the same index with more room.
                nameLength += 5;
                classLength += 5;
                name.assign(nameLength + 1, '\0');
                keyClass.assign(classLength + 1, '\0');
                status = ERROR_SUCCESS;
            } else if (status == ERROR_NO_MORE_ITEMS) {
                status = ERROR_SUCCESS;
                break;
            }
        }
    } catch (const std::exception&) {
        result.unexpectedFailure = true;
    }
    RegCloseKey(key);
    result.status = status;
    return result;
}

#else

RecentNetworkNames SystemRecentNetworkPaths::ReadRecentNetworkPaths() {
    // No desktop here keeps a list of network connections in a form we could offer.
    RecentNetworkNames result;
    result.status = 2;  // "not found", as the registry would say
    return result;
}

#endif

}  // namespace kestrune
