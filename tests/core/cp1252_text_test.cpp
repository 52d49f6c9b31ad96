#include "core/cp1252_text.h"

#include <gtest/gtest.h>

#include "files/batch_words.h"

namespace kestrune {
namespace {

TEST(Text8, CasesWindows1252LettersByteForByte) {
    // a-z, the Latin-1 letters and the four letters among 0x80-0x9F.
    const std::string lower = "az\xE0\xE9\xFE\x9A\x9C\x9E\xFF";
    const std::string upper = "AZ\xC0\xC9\xDE\x8A\x8C\x8E\x9F";
    EXPECT_EQ(upperCased(lower), upper);
    EXPECT_EQ(lowerCased(upper), lower);
    // No partner: sharp s, division and multiplication signs, micro sign, digits, NUL.
    const std::string fixed(
        "\xDF\xF7\xD7\xB5"
        "09\0",
        7);
    EXPECT_EQ(upperCased(fixed), fixed);
    EXPECT_EQ(lowerCased(fixed), fixed);
    // Trimming takes blanks and tabs only.
    EXPECT_EQ(trimmed("  \tG:\\ \t "), "G:\\");
    EXPECT_EQ(trimmed("\r x \n"), "\r x \n");
    EXPECT_EQ(lastChars("abc", 4), "abc");
}

TEST(Text8, CasesLongTextsAsByteForByte) {
    // Every byte, and the ASCII bytes alone, from each offset: words of eight and their tails.
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    for (const std::string_view text :
         {std::string_view(all), std::string_view(all).substr(0, 128)}) {
        for (std::size_t from = 0; from < 9; ++from) {
            const std::string_view part = text.substr(from);
            std::string upper(part.size(), '\0');
            std::string lower(part.size(), '\0');
            copyUpperCased(part.data(), upper.data(), part.size());
            for (std::size_t i = 0; i < part.size(); ++i) {
                lower[i] = lowerByte(part[i]);
            }
            EXPECT_EQ(upper, upperCased(part)) << from;
            EXPECT_EQ(lowerCased(part), lower) << from;
        }
    }
}

// The readers compare words in any case a word at a time: as byte for byte, for every byte
// at every place of words from one byte to two words and more.
TEST(Text8, WordsComparedInAnyCaseAsByteForByte) {
    const std::string_view lower = "/persistent:yes-and-more";
    for (std::size_t size = 1; size <= lower.size(); ++size) {
        const std::string_view word = lower.substr(0, size);
        for (std::size_t at = 0; at < size; ++at) {
            for (int byte = 0; byte < 256; ++byte) {
                std::string text(word);
                text[at] = static_cast<char>(byte);
                const bool same = batch::asciiLower(text[at]) == word[at];
                EXPECT_EQ(batch::startsWithLower(text + "x", word), same) << size << " " << byte;
                EXPECT_EQ(batch::equalsLower(text, word), same) << size << " " << byte;
            }
        }
    }
}

TEST(Text8, DecodesCp1252ToUtf8) {
    EXPECT_EQ(utf8FromCp1252("\x80"), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(utf8FromCp1252("\x81"), "\xC2\x81");      // unassigned: its C1 code point
    EXPECT_EQ(utf8FromCp1252(std::string("a\0b", 3)), std::string("a\0b", 3));
    // Every byte has a character and comes back from it.
    for (int byte = 0; byte < 256; ++byte) {
        EXPECT_EQ(cp1252Byte(cp1252CodePoint(static_cast<char>(byte))), static_cast<char>(byte))
            << byte;
    }
    EXPECT_EQ(cp1252Byte(U'\x2122'), '\x99');  // trade mark
    EXPECT_EQ(cp1252Byte(U'\x3A9'), std::nullopt);
}

}  // namespace
}  // namespace kestrune
