#include "core/cp1252_text.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace kestrune {

namespace {

struct CaseTables {
    std::array<char, 256> upper{};
    std::array<char, 256> lower{};
};

constexpr CaseTables makeCaseTables() {
    CaseTables t;
    for (int i = 0; i < 256; ++i) {
        t.upper[i] = static_cast<char>(i);
        t.lower[i] = static_cast<char>(i);
    }
    const auto pair = [&t](int lowerCode, int upperCode) {
        t.upper[lowerCode] = static_cast<char>(upperCode);
        t.lower[upperCode] = static_cast<char>(lowerCode);
    };
    for (int c = 'a'; c <= 'z'; ++c) {
        pair(c, c - 32);
    }
    // Latin-1 letters; 0xF7 (division sign) and 0xDF (sharp s) have no partner.
    for (int c = 0xE0; c <= 0xFE; ++c) {
        if (c != 0xF7) {
            pair(c, c - 32);
        }
    }
    pair(0x9A, 0x8A);  // s caron
    pair(0x9C, 0x8C);  // oe ligature
    pair(0x9E, 0x8E);  // z caron
    pair(0xFF, 0x9F);  // y diaeresis
    return t;
}

// Made while compiling: no first-use check on every call.
constexpr CaseTables kCaseTables = makeCaseTables();

const CaseTables& caseTables() {
    return kCaseTables;
}

// Code points of 0x80..0x9F; the five unassigned bytes keep their C1 code point.
constexpr std::array<std::uint16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char upperByte(char c) {
    return caseTables().upper[static_cast<unsigned char>(c)];
}

char lowerByte(char c) {
    return caseTables().lower[static_cast<unsigned char>(c)];
}

std::string upperCased(std::string_view text) {
    const auto& table = caseTables().upper;
    std::string out(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        out[i] = table[static_cast<unsigned char>(text[i])];
    }
    return out;
}

std::string lowerCased(std::string_view text) {
    std::string out;
    assignLowerCased(text, out);
    return out;
}

namespace {

// Plain ASCII, most of any text, is cased eight bytes at a time: a byte from first to last
// has its 0x20 bit flipped. Eight bytes holding any other are cased through the table.
void caseBytes(const char* from, char* to, std::size_t size, char first, char last,
               const std::array<char, 256>& table) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHigh = 0x8080808080808080;
    // Added to a byte below 0x80, these set its high bit from first on, and from after last on.
    const std::uint64_t fromFirst = kOnes * static_cast<std::uint64_t>(0x80 - first);
    const std::uint64_t afterLast = kOnes * static_cast<std::uint64_t>(0x80 - last - 1);
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, from + i, 8);
        if ((word & kHigh) != 0) {
            for (std::size_t j = i; j < i + 8; ++j) {
                to[j] = table[static_cast<unsigned char>(from[j])];
            }
            continue;
        }
        const std::uint64_t inRange = (word + fromFirst) & ~(word + afterLast) & kHigh;
        word ^= inRange >> 2;
        std::memcpy(to + i, &word, 8);
    }
    for (; i < size; ++i) {
        to[i] = table[static_cast<unsigned char>(from[i])];
    }
}

}  // namespace

void assignLowerCased(std::string_view text, std::string& out) {
    out.resize(text.size());
    caseBytes(text.data(), out.data(), text.size(), 'A', 'Z', caseTables().lower);
}

void upperCaseInPlace(std::string& text, std::size_t from) {
    if (from < text.size()) {
        copyUpperCased(text.data() + from, text.data() + from, text.size() - from);
    }
}

void copyUpperCased(const char* from, char* to, std::size_t size) {
    caseBytes(from, to, size, 'a', 'z', caseTables().upper);
}

std::string joined(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (auto part : parts) {
        size += part.size();
    }
    std::string out;
    out.reserve(size);
    for (auto part : parts) {
        out.append(part);
    }
    return out;
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

std::string_view lastChars(std::string_view text, std::size_t n) {
    return n >= text.size() ? text : text.substr(text.size() - n);
}

char32_t cp1252CodePoint(char byte) {
    const auto code = static_cast<unsigned char>(byte);
    return code >= 0x80 && code < 0xA0 ? kHighControls[code - 0x80] : code;
}

std::optional<char> cp1252Byte(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<char>(code);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == code) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

void appendUtf8FromCp1252(std::string_view text, std::string& out) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end) {
        // Plain ASCII, by far the most of any text, is copied as it stands.
        const char* run = p;
        while (p != end && static_cast<unsigned char>(*p) < 0x80) {
            ++p;
        }
        out.append(run, static_cast<std::size_t>(p - run));
        if (p == end) {
            break;
        }
        const std::uint32_t code = cp1252CodePoint(*p++);
        if (code < 0x800) {
            const char bytes[] = {static_cast<char>(0xC0 | (code >> 6)),
                                  static_cast<char>(0x80 | (code & 0x3F))};
            out.append(bytes, sizeof bytes);
        } else {
            const char bytes[] = {static_cast<char>(0xE0 | (code >> 12)),
                                  static_cast<char>(0x80 | ((code >> 6) & 0x3F)),
                                  static_cast<char>(0x80 | (code & 0x3F))};
            out.append(bytes, sizeof bytes);
        }
    }
}

std::string utf8FromCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendUtf8FromCp1252(text, out);
    return out;
}

}  // namespace kestrune
