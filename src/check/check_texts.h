#pragma once

// The reasons the checker gives, in one place for the code and its tests.

#include <string>
#include <string_view>

namespace kestrune::check::texts {

inline std::string unreachable(std::string_view server, std::string_view detail) {
    return "the server " + std::string(server) + " can't be reached" +
           (detail.empty() ? std::string() : " (" + std::string(detail) + ")");
}
inline std::string stillUnreachable(std::string_view server) {
    return "the server " + std::string(server) + " can't be reached (it didn't answer earlier)";
}
inline std::string noShare(std::string_view server, std::string_view share) {
    return "no share named " + std::string(share) + " on " + std::string(server);
}
inline std::string noFile(std::string_view path) {
    return "no such file: " + std::string(path);
}
inline std::string noFolder(std::string_view path) {
    return "no such folder: " + std::string(path);
}
inline std::string notFile(std::string_view path) {
    return "a folder, not a file: " + std::string(path);
}
inline std::string denied(std::string_view path) {
    return "access denied to " + std::string(path);
}
inline std::string notPrinter(std::string_view share) {
    return std::string(share) + " is not a printer share";
}
inline std::string notNetworkPath(std::string_view text) {
    return "not a network path (\\\\SERVER\\SHARE): " + std::string(text);
}
inline std::string failed(std::string_view path, std::string_view detail) {
    return "couldn't check " + std::string(path) +
           (detail.empty() ? std::string() : ": " + std::string(detail));
}
inline constexpr std::string_view kHome = "the user's own home directory";
inline constexpr std::string_view kLocal = "a path on the client computer";
inline constexpr std::string_view kOther = "a command run on the client computer";
inline constexpr std::string_view kDisconnection = "nothing to check";

// "drive G: is mapped by actions 1 and 3", "port LPT2 is mapped by actions 4 and 5".
inline std::string mappedTwice(std::string_view what, std::string_view positions) {
    return std::string(what) + " is mapped by actions " + std::string(positions);
}

// What a conditioned action's reason ends with: " (if member of Finance)".
inline std::string underCondition(std::string_view condition) {
    return " (if " + std::string(condition) + ")";
}

// A check that ran out of memory ends with this, after the results it had given.
inline constexpr std::string_view kOutOfMemory =
    "The check ran out of memory: the actions after these were not checked.";

}  // namespace kestrune::check::texts
