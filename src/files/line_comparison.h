#pragma once

// Comparing a file as it is with the bytes a save would write over it, line by line, as
// diff -u does: removed and added lines in hunks with three lines of context. A line is
// compared with its end, so that a line ending in LF or CR, or in nothing at the end of the
// file, differs from the same text ending in CR LF, as the writers end every line.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

enum class LineEnd : std::uint8_t { CrLf, Lf, Cr, None };

// A text and where its lines begin. A line ends at CR LF, at LF or at CR; a last line
// without an end is a line too, and an empty text has none. Texts are under 4 GiB: the
// readers take at most 64 MiB, and the writers give about as much as was read.
class LinedText {
  public:
    LinedText() = default;
    explicit LinedText(std::string bytes);

    const std::string& bytes() const { return bytes_; }
    std::size_t lineCount() const { return starts_.size() - 1; }
    // Line i (from 0) with its end, and without it.
    std::string_view withEnd(std::size_t i) const {
        return std::string_view(bytes_).substr(starts_[i], starts_[i + 1] - starts_[i]);
    }
    std::string_view text(std::size_t i) const;
    LineEnd end(std::size_t i) const;

  private:
    std::string bytes_;
    std::vector<std::uint32_t> starts_{0};  // and where the text ends
};

enum class LineMark : char { Same = ' ', Removed = '-', Added = '+' };

// Lines in a row of one mark: from first (from 0) of the text before (Same, Removed) or
// after (Added).
struct DiffRun {
    LineMark mark = LineMark::Same;
    std::size_t first = 0;
    std::size_t count = 0;
};

// The lines a hunk covers before and after (first from 0, then how many), and its lines in
// the order diff -u prints them.
struct DiffHunk {
    std::size_t beforeFirst = 0;
    std::size_t beforeCount = 0;
    std::size_t afterFirst = 0;
    std::size_t afterCount = 0;
    std::vector<DiffRun> runs;
};

inline constexpr std::size_t kDiffContext = 3;

struct LineComparison {
    LinedText before;
    LinedText after;
    std::vector<DiffHunk> hunks;
    std::size_t removed = 0;
    std::size_t added = 0;

    // Lines removed plus lines added; none only when before and after are the same bytes.
    std::size_t changedLines() const { return removed + added; }
    const LinedText& textOf(LineMark mark) const {
        return mark == LineMark::Added ? after : before;
    }
};

// Compares before with after. cancel, when given, is looked at as the comparison goes on:
// once it is set, the comparison stops soon and gives none.
std::optional<LineComparison> CompareLines(std::string before, std::string after,
                                           const std::atomic<bool>* cancel = nullptr);

// "@@ -1,4 +1,6 @@", as diff -u numbers a hunk.
std::string HunkHeader(const DiffHunk& hunk);

// The comparison as diff -u prints it, under "--- " + beforeName and "+++ " + afterName,
// handed to out a piece at a time: each line without its own end, ending in LF, and a last
// line that has no end followed by "\ No newline at end of file". Nothing when nothing
// changes.
void WriteUnifiedDiff(const LineComparison& comparison, std::string_view beforeName,
                      std::string_view afterName, const std::function<void(std::string_view)>& out);
std::string UnifiedDiff(const LineComparison& comparison, std::string_view beforeName,
                        std::string_view afterName);

}  // namespace kestrune
