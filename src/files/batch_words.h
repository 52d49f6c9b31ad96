#pragma once

// The small rules of reading batch lines that the script reader's grammars share: words
// compared in any case, shares, and FOR variables.

#include <string_view>

#include "core/cp1252_text.h"

namespace kestrune::batch {

// ASCII lower-casing is enough for comparing with the ASCII words of commands: a byte above
// 0x7F is cased to another above 0x7F, which matches none of them either way.
inline char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c | 0x20) : c;
}

// text equals lower, or starts with it, in any case; lower is given in lower case.
inline bool startsWithLower(std::string_view text, std::string_view lower) {
    if (text.size() < lower.size()) {
        return false;
    }
    for (std::size_t i = 0; i < lower.size(); ++i) {
        if (asciiLower(text[i]) != lower[i]) {
            return false;
        }
    }
    return true;
}
inline bool equalsLower(std::string_view text, std::string_view lower) {
    return text.size() == lower.size() && startsWithLower(text, lower);
}
inline bool endsWithLower(std::string_view text, std::string_view lower) {
    return text.size() >= lower.size() &&
           startsWithLower(text.substr(text.size() - lower.size()), lower);
}

// True when the text starts with the word (given in lower case, in any case in the text)
// followed by a blank or nothing: "startup.cmd" is no start line.
inline bool firstWordIs(std::string_view text, std::string_view lower) {
    return startsWithLower(text, lower) &&
           (text.size() == lower.size() || isBlank(text[lower.size()]));
}

inline bool isShare(std::string_view word) {
    return word.size() >= 2 && word[0] == '\\' && word[1] == '\\';
}

inline bool isAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// FOR variables are case-sensitive and name no file of their own: such a line is never
// taken apart.
inline bool holdsLoopVariable(std::string_view line) {
    for (auto at = line.find('%'); at != std::string_view::npos && at + 1 < line.size();
         at = line.find('%', at + 1)) {
        if (line[at + 1] == '%' || line[at + 1] == '~') {
            return true;
        }
    }
    return false;
}

}  // namespace kestrune::batch
