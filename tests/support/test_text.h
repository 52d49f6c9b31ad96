#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/action_list.h"

namespace kestrune::test {

// The lines joined, each ended with CR LF.
inline std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (auto line : lines) {
        out.append(line).append("\r\n");
    }
    return out;
}

struct KindAndDetails {
    std::string_view kind;
    std::string_view details;
};

inline ActionList listOf(std::initializer_list<KindAndDetails> actions) {
    ActionList list;
    int n = 0;
    for (const auto& a : actions) {
        list.append("key" + std::to_string(++n), a.kind, "img", std::string(a.details));
    }
    return list;
}

// What the list shows of an action: its kind, icon and Details.
struct Shown {
    std::string kind;
    std::string icon;
    std::string details;
    bool operator==(const Shown&) const = default;
};

inline void PrintTo(const Shown& s, std::ostream* os) {
    *os << "{" << s.kind << ", " << s.icon << ", \"" << s.details << "\"}";
}

inline std::vector<Shown> shown(const ActionList& list) {
    std::vector<Shown> out;
    for (const auto& a : list) {
        out.push_back({a.kind, a.iconKey, a.details});
    }
    return out;
}

}  // namespace kestrune::test
