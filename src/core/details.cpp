#include "core/details.h"

#include "core/cp1252_text.h"

namespace kestrune {

namespace {

constexpr auto npos = std::string_view::npos;

// The text after the first marker; the whole text when there is none.
std::string_view textAfter(std::string_view text, std::string_view marker) {
    const auto at = text.find(marker);
    return at == npos ? text : text.substr(at + marker.size());
}

}  // namespace

bool IsHomeMapping(std::string_view details) {
    return contains(trimmed(details), "home dir");
}

std::optional<char> MappedDriveLetter(std::string_view details) {
    const auto d = trimmed(details);
    if (!contains(lastChars(d, 5), ":\\") || d.size() < 3) {
        return std::nullopt;
    }
    const char letter = d[d.size() - 3];
    if (isBlank(letter)) {
        return std::nullopt;
    }
    return letter;
}

std::optional<std::string_view> MappedShare(std::string_view details) {
    const auto d = trimmed(details);
    const auto start = d.find("\\\\");
    if (start == npos) {
        return std::nullopt;
    }
    // The share is all that stands between "Map " and the last " as ", so that blanks
    // inside it, or text before its "\\", survive.
    const auto as = d.rfind(details::kAs);
    if (as != npos && as > start) {
        const auto from = d.starts_with(details::kMapPrefix) ? details::kMapPrefix.size() : start;
        return d.substr(from, as - from);
    }
    const auto blank = d.find(' ', start);
    if (blank == npos) {
        return std::nullopt;
    }
    return d.substr(start, blank - start);
}

std::optional<std::string> PrinterShare(std::string_view details) {
    const auto d = trimmed(details);
    // "Map printer SHARE [on LPTn]", or the script reader's "Map \\SHARE on LPTn".
    std::size_t start = d.find("\\\\");
    if (d.starts_with(details::kPrinterPrefix)) {
        start = details::kPrinterPrefix.size();
    } else if (start == npos) {
        return std::nullopt;
    }
    // The share runs to the last " on " so that blanks inside it survive.
    const auto on = d.rfind(details::kOn);
    const auto end = (on != npos && on >= start) ? on : d.size();
    const auto share = trimmed(d.substr(start, end - start));
    // A port alone ("Map printer  on LPT3") names no printer to connect it to.
    if (share.empty()) {
        return std::nullopt;
    }
    return upperCased(share);
}

std::optional<int> PrinterPort(std::string_view details) {
    // Only " on LPTn" names a port: a share may itself end in "LPT1".
    const auto d = trimmed(details);
    constexpr std::size_t kFormSize = 8;  // " on LPTn"
    if (d.size() < kFormSize || d.substr(d.size() - kFormSize, 4) != details::kOn ||
        upperCased(d.substr(d.size() - 4, 3)) != "LPT") {
        return std::nullopt;
    }
    const char last = d.back();
    if (last < '1' || last > '9') {
        return std::nullopt;
    }
    return last - '0';
}

bool IsRemoteApplication(std::string_view details) {
    return trimmed(details).starts_with("Rem");
}

bool IsRemoteRegistry(std::string_view details) {
    return contains(trimmed(details), "emote");
}

std::string_view PrefixedPath(std::string_view details) {
    return trimmed(textAfter(trimmed(details), ":"));
}

std::string MessagePath(std::string_view details) {
    return std::string(trimmed(textAfter(trimmed(details), " from ")));
}

}  // namespace kestrune
