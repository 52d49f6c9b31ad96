#pragma once

// What the batch grammars and the option checks look for in a byte, one table lookup each:
// the blanks that end a word, double quotes, the characters cmd.exe acts on outside quotes
// (& | < > ^ ( )), "%", and line ends.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace kestrune::batch {

inline constexpr std::uint8_t kBlankByte = 1;
inline constexpr std::uint8_t kQuoteByte = 2;
inline constexpr std::uint8_t kActedOnByte = 4;
inline constexpr std::uint8_t kPercentByte = 8;
inline constexpr std::uint8_t kLineEndByte = 16;

inline constexpr auto kByteKinds = [] {
    std::array<std::uint8_t, 256> kinds{};
    kinds[' '] = kinds['\t'] = kBlankByte;
    kinds['"'] = kQuoteByte;
    kinds['%'] = kPercentByte;
    kinds['\r'] = kinds['\n'] = kLineEndByte;
    for (const char c : std::string_view("&|<>^()")) {
        kinds[static_cast<unsigned char>(c)] = kActedOnByte;
    }
    return kinds;
}();

inline std::uint8_t kindOf(char c) {
    return kByteKinds[static_cast<unsigned char>(c)];
}

// From at on, where the first byte of any of the kinds stands, or the end. Most bytes are of
// none: one test for four of them.
inline std::size_t findKind(std::string_view text, std::size_t at, std::uint8_t kinds) {
    while (at + 4 <= text.size() && ((kindOf(text[at]) | kindOf(text[at + 1]) |
                                      kindOf(text[at + 2]) | kindOf(text[at + 3])) &
                                     kinds) == 0) {
        at += 4;
    }
    while (at < text.size() && (kindOf(text[at]) & kinds) == 0) {
        ++at;
    }
    return at;
}

// Whether text begins with the bytes of word, compared eight or four at a time (the last
// ones overlapping), up to sixteen: a call to the C library's memcmp for a few bytes costs
// more than the comparison.
template <typename Word>
bool sameWord(const char* a, const char* b) {
    Word x;
    Word y;
    std::memcpy(&x, a, sizeof x);
    std::memcpy(&y, b, sizeof y);
    return x == y;
}
inline bool startsWithBytes(std::string_view text, std::string_view word) {
    const std::size_t n = word.size();
    if (text.size() < n) {
        return false;
    }
    const char* t = text.data();
    const char* w = word.data();
    if (n >= 8 && n <= 16) {
        return sameWord<std::uint64_t>(t, w) && sameWord<std::uint64_t>(t + n - 8, w + n - 8);
    }
    if (n >= 4 && n < 8) {
        return sameWord<std::uint32_t>(t, w) && sameWord<std::uint32_t>(t + n - 4, w + n - 4);
    }
    return text.starts_with(word);
}
inline bool equalsBytes(std::string_view text, std::string_view word) {
    return text.size() == word.size() && startsWithBytes(text, word);
}

}  // namespace kestrune::batch
