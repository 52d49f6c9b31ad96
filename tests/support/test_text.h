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
    for (const auto& a : actions) {
        list.append(a.kind, "img", a.details);
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
        out.push_back({std::string(a.kind), std::string(a.iconKey), std::string(a.details)});
    }
    return out;
}

}  // namespace kestrune::test
