#pragma once

// Helpers for the 8-bit text the program keeps: bytes in the Windows-1252 code page,
// cased one byte for one byte so that positions inside a text never shift.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

// Blanks are spaces and tabs; nothing else is trimmed.
// Inline: the readers ask it of nearly every byte.
inline bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
inline std::string_view trimmed(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

char upperByte(char c);
char lowerByte(char c);
std::string upperCased(std::string_view text);
std::string lowerCased(std::string_view text);
// Puts the lower-cased text into out, reusing its storage.
void assignLowerCased(std::string_view text, std::string& out);
// Upper-cases the text from the given position on.
void upperCaseInPlace(std::string& text, std::size_t from = 0);
// Copies size bytes from from to to, upper-cased.
void copyUpperCased(const char* from, char* to, std::size_t size);
// The parts joined, in one allocation.
std::string joined(std::initializer_list<std::string_view> parts);

bool contains(std::string_view text, std::string_view part);

// The last n characters (all of them when the text is shorter).
std::string_view lastChars(std::string_view text, std::size_t n);

// The one Windows-1252 table of the program. The five bytes the code page leaves
// unassigned stand for their C1 code points, so that every byte has a character and comes
// back from it unchanged.
char32_t cp1252CodePoint(char byte);
// The byte of a character, or none when Windows-1252 has no byte for it.
std::optional<char> cp1252Byte(char32_t code);

// Windows-1252 bytes as UTF-8, for showing them on a UTF-8 terminal.
std::string utf8FromCp1252(std::string_view text);
// The same, added to the end of out.
void appendUtf8FromCp1252(std::string_view text, std::string& out);

}  // namespace kestrune
