#pragma once

// The small rules of reading batch lines that the script reader's grammars share: words
// compared in any case, shares, and FOR variables.

#include <array>
#include <cstdint>
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

// What the grammars look for in a word, one table lookup a byte: the blanks that end it,
// double quotes, the characters cmd.exe acts on outside quotes (& | < > ^ ( )), and "%".
inline constexpr std::uint8_t kBlankByte = 1;
inline constexpr std::uint8_t kQuoteByte = 2;
inline constexpr std::uint8_t kActedOnByte = 4;
inline constexpr std::uint8_t kPercentByte = 8;
inline constexpr auto kByteKinds = [] {
    std::array<std::uint8_t, 256> kinds{};
    kinds[' '] = kinds['\t'] = kBlankByte;
    kinds['"'] = kQuoteByte;
    kinds['%'] = kPercentByte;
    for (const char c : std::string_view("&|<>^()")) {
        kinds[static_cast<unsigned char>(c)] = kActedOnByte;
    }
    return kinds;
}();

inline std::uint8_t kindOf(char c) {
    return kByteKinds[static_cast<unsigned char>(c)];
}

// From at on, past the bytes of none of the kinds: where the first byte of a kind stands,
// or the end. Most bytes are of none: one test for four of them.
inline std::size_t skipPlainBytes(std::string_view text, std::size_t at) {
    while (at + 4 <= text.size() && (kindOf(text[at]) | kindOf(text[at + 1]) |
                                     kindOf(text[at + 2]) | kindOf(text[at + 3])) == 0) {
        at += 4;
    }
    while (at < text.size() && kindOf(text[at]) == 0) {
        ++at;
    }
    return at;
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
