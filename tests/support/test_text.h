#pragma once

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

}  // namespace kestrune::test
