#include "files/line_comparison.h"

#include <gtest/gtest.h>

#include <random>

#include "support/temp_dir.h"

namespace kestrune::test {
namespace {

TEST(LinedText, EachLineKeepsItsEnd) {
    const LinedText text("a\r\nb\nc\rd\r\r\n\n");
    ASSERT_EQ(text.lineCount(), 6u);
    const std::pair<std::string_view, LineEnd> lines[] = {{"a", LineEnd::CrLf}, {"b", LineEnd::Lf},
                                                          {"c", LineEnd::Cr},   {"d", LineEnd::Cr},
                                                          {"", LineEnd::CrLf},  {"", LineEnd::Lf}};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(std::pair(text.text(i), text.end(i)), lines[i]) << i;
    }
    EXPECT_EQ(LinedText("x").end(0), LineEnd::None);
    EXPECT_EQ(LinedText("").lineCount(), 0u);
}

// Numbers 1 to n, each on a line ending in CR LF, with some of them replaced.
std::string numbered(int n, std::initializer_list<std::pair<int, std::string_view>> changed = {}) {
    std::string out;
    for (int i = 1; i <= n; ++i) {
        std::string line = std::to_string(i);
        for (const auto& [at, text] : changed) {
            if (at == i) {
                line = text;
            }
        }
        out += line + "\r\n";
    }
    return out;
}

TEST(CompareLines, PrintsHunksAsDiffDoes) {
    // Before, after, the unified diff between "a" and "b", lines removed and added. (Lines
    // added, removed and moved anywhere: the random texts below.)
    const std::tuple<std::string, std::string, std::string, std::size_t, std::size_t> rows[] = {
        {"", "", "", 0, 0},
        {"", "x\r\n", "@@ -0,0 +1 @@\n+x\n", 0, 1},
        {"x\r\n", "", "@@ -1 +0,0 @@\n-x\n", 1, 0},
        // Only the line ends differ: LF, none at the end of the file (CR: LinedText).
        {"x\n", "x\r\n", "@@ -1 +1 @@\n-x\n+x\n", 1, 1},
        {"a\r\nb\r\nc\r\nd\r\ne", "a\r\nb\r\nc\r\nd\r\ne\r\n",
         "@@ -2,4 +2,4 @@\n b\n c\n d\n-e\n\\ No newline at end of file\n+e\n", 1, 1},
        // Six equal lines between two changes keep them in one hunk, seven part them.
        {numbered(16), numbered(16, {{2, "B"}, {9, "I"}}),
         "@@ -1,12 +1,12 @@\n 1\n-2\n+B\n 3\n 4\n 5\n 6\n 7\n 8\n-9\n+I\n 10\n 11\n 12\n", 2, 2},
        {numbered(20), numbered(20, {{2, "X"}, {10, "Y"}}),
         "@@ -1,5 +1,5 @@\n 1\n-2\n+X\n 3\n 4\n 5\n@@ -7,7 +7,7 @@\n 7\n 8\n 9\n-10\n+Y\n 11\n "
         "12\n 13\n",
         2, 2},
    };
    for (const auto& [before, after, diff, removed, added] : rows) {
        SCOPED_TRACE(before + "|" + after);
        const auto comparison = CompareLines(before, after);
        ASSERT_TRUE(comparison.has_value());
        EXPECT_EQ(UnifiedDiff(*comparison, "a", "b"), diff.empty() ? "" : "--- a\n+++ b\n" + diff);
        EXPECT_EQ(std::pair(comparison->removed, comparison->added), std::pair(removed, added));
    }
}

TEST(CompareLines, StopsWhenCancelled) {
    const std::atomic<bool> cancel{true};
    EXPECT_FALSE(CompareLines(numbered(5000), numbered(5000, {{7, "x"}}), &cancel).has_value());
}

// Random texts of a few distinct lines, which repeat and move: patch makes the file after of
// the one before with the diff, and diff --minimal finds no fewer changed lines. Last, a long
// text makes dtl give up its widest paths: then the changes may be more, never wrong.
TEST(CompareLines, PatchAgreesOnRandomTexts) {
    TempDir temp;
    std::mt19937 random(28);
    std::mt19937 longRandom(1);
    const std::string words[] = {"echo a", "", "pause", "NET USE G: \\\\F\\A", "rem x", "cls"};
    const auto text = [&] {
        std::string out;
        const int lines = std::uniform_int_distribution(0, 40)(random);
        for (int i = 0; i < lines; ++i) {
            out += words[std::uniform_int_distribution(0, 5)(random)] + "\n";
        }
        // Now and then the last line has no end.
        if (!out.empty() && random() % 4 == 0) {
            out.pop_back();
        }
        return out;
    };
    const auto longText = [&] {
        std::string out;
        for (int i = 0; i < 20000; ++i) {
            out += std::string(1 + longRandom() % 3, 'a') + "\n";
        }
        return out;
    };
    for (int round = 0; round <= 60; ++round) {
        const bool isLong = round == 60;
        const std::string before = isLong ? longText() : text();
        const std::string after = isLong ? longText() : text();
        writeBytes(temp.file("before"), before);
        const auto comparison = CompareLines(before, after);
        ASSERT_TRUE(comparison.has_value());
        if (comparison->hunks.empty()) {
            EXPECT_EQ(before, after);
            continue;
        }
        writeBytes(temp.file("after"), after);
        writeBytes(temp.file("diff"), UnifiedDiff(*comparison, "before", "after"));
        const auto run =
            runShell("cd " + temp.path().string() +
                     (isLong ? "" : " && diff --minimal before after | grep -c '^[<>]'") +
                     " && patch -s -o patched before < diff && cat patched");
        const std::string count = isLong ? "" : std::to_string(comparison->changedLines()) + "\n";
        EXPECT_TRUE(run.out == count + after) << (isLong ? "" : before + "|" + after);
    }
}

}  // namespace
}  // namespace kestrune::test
