#pragma once

// The small rules of reading batch lines that the script reader's grammars share: words
// compared in any case, shares, and FOR variables.

#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/batch_bytes.h"
#include "core/cp1252_text.h"

namespace kestrune::batch {

// ASCII lower-casing is enough for comparing with the ASCII words of commands: a byte above
// 0x7F is cased to another above 0x7F, which matches none of them either way.
inline char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c | 0x20) : c;
}

// size bytes from text with ASCII A-Z lower-cased, as one word; bytes above 0x7F stay.
template <typename Word>
Word loweredWord(const char* text) {
    constexpr Word kOnes = static_cast<Word>(~Word(0)) / 0xFF;
    constexpr Word kHigh = kOnes * 0x80;
    Word word;
    std::memcpy(&word, text, sizeof word);
    // Added to a byte's low seven bits, these set its high bit from 'A' on, and after 'Z'.
    const Word low = word & ~kHigh;
    const Word upper =
        (low + kOnes * (0x80 - 'A')) & ~(low + kOnes * (0x80 - 'Z' - 1)) & ~word & kHigh;
    return word | (upper >> 2);
}
template <typename Word>
bool sameLowered(const char* text, const char* lower) {
    Word want;
    std::memcpy(&want, lower, sizeof want);
    return loweredWord<Word>(text) == want;
}

// text equals lower, or starts with it, in any case; lower is given in lower case. Compared
// a word at a time (the last one overlapping), for the readers compare words on every line.
inline bool startsWithLower(std::string_view text, std::string_view lower) {
    const std::size_t n = lower.size();
    if (text.size() < n) {
        return false;
    }
    const char* t = text.data();
    const char* l = lower.data();
    if (n >= 8) {
        for (std::size_t i = 0; i + 8 < n; i += 8) {
            if (!sameLowered<std::uint64_t>(t + i, l + i)) {
                return false;
            }
        }
        return sameLowered<std::uint64_t>(t + n - 8, l + n - 8);
    }
    if (n >= 4) {
        return sameLowered<std::uint32_t>(t, l) && sameLowered<std::uint32_t>(t + n - 4, l + n - 4);
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (asciiLower(t[i]) != l[i]) {
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

// The bytes a word's scan stops at: where it ends, and what makes it more than a word.
inline constexpr std::uint8_t kWordStops = kBlankByte | kQuoteByte | kActedOnByte | kPercentByte;

inline std::size_t skipPlainBytes(std::string_view text, std::size_t at) {
    return findKind(text, at, kWordStops);
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
