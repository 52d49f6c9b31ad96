#include "files/save_target.h"

#include <cstdint>
#include <cstdio>
#include <mutex>
#include <random>

namespace kestrune {

namespace fs = std::filesystem;

namespace {

// A file name as the bytes the formats of these names are made of.
std::string nameBytes(const fs::path& name) {
#ifdef _WIN32
    const std::u8string text = name.u8string();
    return {text.begin(), text.end()};
#else
    return name.string();
#endif
}

// FNV-1a over the name, letters in one case: Windows takes "A.LST" for "a.lst".
std::uint32_t nameHash(std::string_view name) {
    std::uint32_t hash = 2166136261U;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        hash = (hash ^ (byte >= 'A' && byte <= 'Z' ? byte + 32U : byte)) * 16777619U;
    }
    return hash;
}

std::string hex8(std::uint32_t value) {
    char text[9];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(value));
    return text;
}

bool isHex(std::string_view text) {
    return text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

constexpr std::string_view kRecoveryMark = ".kestrune-recovery";
constexpr std::size_t kUniqueTail = 7;  // "-" and 6 hex digits

}  // namespace

SaveTarget saveTargetOf(const std::string& path) {
    SaveTarget target{fs::path(path), {}};
    // As the system counts a loop.
    constexpr int kMaxLinks = 40;
    std::error_code code;
    for (int links = 0; fs::is_symlink(fs::symlink_status(target.path, code)); ++links) {
        if (links == kMaxLinks) {
            target.error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
            break;
        }
        const fs::path next = fs::read_symlink(target.path, target.error);
        if (target.error) {
            break;
        }
        // A relative link is read from the folder that holds it.
        target.path = next.is_absolute() ? next : target.path.parent_path() / next;
    }
    return target;
}

std::string randomHex6() {
    // Saves may run on more than one thread.
    static std::mutex mutex;
    static std::mt19937 engine{std::random_device{}()};
    std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
    const std::lock_guard lock(mutex);
    char text[7];
    std::snprintf(text, sizeof text, "%06x", digits(engine));
    return text;
}

std::string temporaryPrefix(std::string_view targetName) {
    return ".kestrune-" + hex8(nameHash(targetName)) + "-";
}

std::string recoveryCopyPrefix(std::string_view targetName) {
    constexpr std::size_t kRoom = kMaxNameBytes - kRecoveryMark.size() - kUniqueTail;
    std::string prefix(targetName);
    if (prefix.size() > kRoom) {
        prefix.resize(kRoom - 9);
        prefix += '~';
        prefix += hex8(nameHash(targetName));
    }
    return prefix.append(kRecoveryMark);
}

std::optional<std::string> findRecoveryCopy(const std::string& path) try {
    const SaveTarget target = saveTargetOf(path);
    if (target.error || !target.path.has_filename()) {
        return std::nullopt;
    }
    const std::string prefix = recoveryCopyPrefix(nameBytes(target.path.filename()));
    fs::path folder = target.path.parent_path();
    std::error_code code;
    fs::directory_iterator entries(folder.empty() ? fs::path(".") : folder, code);
    std::optional<fs::path> newest;
    fs::file_time_type newestTime{};
    for (; !code && entries != fs::directory_iterator(); entries.increment(code)) {
        const std::string name = nameBytes(entries->path().filename());
        const std::string_view tail =
            std::string_view(name).substr(name.starts_with(prefix) ? prefix.size() : name.size());
        const bool named =
            name.starts_with(prefix) && (tail.empty() || (tail.size() == kUniqueTail &&
                                                          tail[0] == '-' && isHex(tail.substr(1))));
        // Only a file of its own: a link named so could point anywhere.
        std::error_code ignored;
        if (!named || !entries->is_regular_file(ignored) || entries->is_symlink(ignored)) {
            continue;
        }
        const auto time = entries->last_write_time(ignored);
        if (!newest || time > newestTime) {
            newest = folder / entries->path().filename();
            newestTime = time;
        }
    }
    if (!newest) {
        return std::nullopt;
    }
    return newest->string();
} catch (const std::exception&) {
    // A name the system can't give as text, or no memory: nothing to point out.
    return std::nullopt;
}

}  // namespace kestrune
