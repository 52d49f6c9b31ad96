#include "files/line_comparison.h"

#include "files/file_state.h"

#include <dtl/dtl.hpp>

#include <algorithm>
#include <limits>

namespace kestrune {

LinedText::LinedText(std::string bytes) : bytes_(std::move(bytes)) {
    const char* const data = bytes_.data();
    const std::size_t size = bytes_.size();
    // Script and template lines are some 20 to 40 bytes long.
    starts_.reserve(size / 24 + 2);
    for (std::size_t at = 0; at < size;) {
        while (at < size && data[at] != '\n' && data[at] != '\r') {
            ++at;
        }
        if (at < size) {
            at += data[at] == '\r' && at + 1 < size && data[at + 1] == '\n' ? 2 : 1;
        }
        starts_.push_back(static_cast<std::uint32_t>(at));
    }
}

LineEnd LinedText::end(std::size_t i) const {
    const std::string_view line = withEnd(i);
    if (line.ends_with("\r\n")) {
        return LineEnd::CrLf;
    }
    if (line.ends_with('\n')) {
        return LineEnd::Lf;
    }
    return line.ends_with('\r') ? LineEnd::Cr : LineEnd::None;
}

std::string_view LinedText::text(std::size_t i) const {
    const std::string_view line = withEnd(i);
    switch (end(i)) {
        case LineEnd::CrLf:
            return line.substr(0, line.size() - 2);
        case LineEnd::Lf:
        case LineEnd::Cr:
            return line.substr(0, line.size() - 1);
        case LineEnd::None:
            break;
    }
    return line;
}

namespace {

using LineId = std::uint32_t;
using Ids = std::vector<LineId>;

// How often the loops over every line look whether the comparison was cancelled.
constexpr std::size_t kCancelStride = 1 << 16;

bool stopped(const std::atomic<bool>* cancel) {
    return cancel != nullptr && cancel->load(std::memory_order_relaxed);
}

// dtl's test of two lines, which also stops it: once cancelled no two lines are equal, so
// each step of its search is a short one and it comes to an end soon.
class LineEquality : public dtl::Compare<LineId> {
  public:
    LineEquality() = default;
    explicit LineEquality(const std::atomic<bool>* cancel) : cancel_(cancel) {}
    bool impl(const LineId& a, const LineId& b) const override {
        return a == b && !stopped(cancel_);
    }

  private:
    const std::atomic<bool>* cancel_ = nullptr;
};

// Lines removed (a0 to a1 before) and added (b0 to b1 after) between two equal lines.
struct Change {
    std::size_t a0, a1, b0, b1;
};

// Takes the pairs of equal lines in order and keeps what lies between them.
class Changes {
  public:
    void equal(std::size_t a, std::size_t b) {
        if (a > a_ || b > b_) {
            changes.push_back({a_, a, b_, b});
        }
        a_ = a + 1;
        b_ = b + 1;
    }
    void end(std::size_t a, std::size_t b) {
        if (a > a_ || b > b_) {
            changes.push_back({a_, a, b_, b});
        }
    }

    std::vector<Change> changes;

  private:
    std::size_t a_ = 0;
    std::size_t b_ = 0;
};

// Gives equal lines equal numbers, in an open-addressing table of the first line that got
// each number: a few bytes a line, where a map would keep a node for each.
class LineNumbers {
  public:
    explicit LineNumbers(std::size_t lines) {
        std::size_t size = 16;
        while (size < 2 * lines) {
            size *= 2;
        }
        slots_.assign(size, kEmpty);
        firsts_.reserve(lines / 2);
    }

    LineId number(std::string_view line) {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = hashOfBytes(line) & mask;; at = (at + 1) & mask) {
            LineId& slot = slots_[at];
            if (slot == kEmpty) {
                slot = static_cast<LineId>(firsts_.size());
                firsts_.push_back(line);
                return slot;
            }
            if (firsts_[slot] == line) {
                return slot;
            }
        }
    }
    LineId count() const { return static_cast<LineId>(firsts_.size()); }

  private:
    static constexpr LineId kEmpty = std::numeric_limits<LineId>::max();
    std::vector<LineId> slots_;
    std::vector<std::string_view> firsts_;
};

// Numbers the lines, each with its end, so that equal lines get equal numbers; numbers below
// beforeIds are lines of before.
bool numberLines(const LinedText& before, const LinedText& after, Ids& a, Ids& b, LineId& beforeIds,
                 const std::atomic<bool>* cancel) {
    LineNumbers numbers(before.lineCount() + after.lineCount());
    const auto number = [&](const LinedText& text, Ids& out) {
        out.resize(text.lineCount());
        for (std::size_t i = 0; i < out.size(); ++i) {
            if (i % kCancelStride == 0 && stopped(cancel)) {
                return false;
            }
            out[i] = numbers.number(text.withEnd(i));
        }
        return true;
    };
    if (!number(before, a)) {
        return false;
    }
    beforeIds = numbers.count();
    return number(after, b);
}

// Finds as many pairs of equal lines as there can be, in order. A line found in only one of
// the texts can't be one of a pair: those are left out before dtl searches, as are the equal
// lines at both ends, so that a file whose every line ending differs, or one changed in a few
// places, costs little more than reading it.
bool findEqualLines(const LinedText& before, const LinedText& after, Changes& changes,
                    const std::atomic<bool>* cancel) {
    Ids a;
    Ids b;
    LineId beforeIds = 0;
    if (!numberLines(before, after, a, b, beforeIds, cancel)) {
        return false;
    }
    std::vector<bool> inAfter(beforeIds, false);
    for (const LineId id : b) {
        if (id < beforeIds) {
            inAfter[id] = true;
        }
    }
    // Where the lines that may pair stand.
    std::vector<std::uint32_t> ra;
    std::vector<std::uint32_t> rb;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (inAfter[a[i]]) {
            ra.push_back(static_cast<std::uint32_t>(i));
        }
    }
    for (std::size_t j = 0; j < b.size(); ++j) {
        if (b[j] < beforeIds) {
            rb.push_back(static_cast<std::uint32_t>(j));
        }
    }
    std::size_t head = 0;
    while (head < ra.size() && head < rb.size() && a[ra[head]] == b[rb[head]]) {
        changes.equal(ra[head], rb[head]);
        ++head;
    }
    std::size_t tail = 0;
    while (tail < ra.size() - head && tail < rb.size() - head &&
           a[ra[ra.size() - 1 - tail]] == b[rb[rb.size() - 1 - tail]]) {
        ++tail;
    }
    const std::size_t restA = ra.size() - head - tail;
    const std::size_t restB = rb.size() - head - tail;
    if (restA > 0 && restB > 0) {
        Ids middleA(restA);
        Ids middleB(restB);
        for (std::size_t x = 0; x < restA; ++x) {
            middleA[x] = a[ra[head + x]];
        }
        for (std::size_t y = 0; y < restB; ++y) {
            middleB[y] = b[rb[head + y]];
        }
        dtl::Diff<LineId, Ids, LineEquality> diff(middleA, middleB, LineEquality(cancel));
        diff.compose();
        if (stopped(cancel)) {
            return false;
        }
        std::size_t x = head;
        std::size_t y = head;
        for (const auto& [id, info] : diff.getSes().getSequence()) {
            if (info.type == dtl::SES_COMMON) {
                changes.equal(ra[x++], rb[y++]);
            } else if (info.type == dtl::SES_DELETE) {
                ++x;
            } else {
                ++y;
            }
        }
    }
    for (std::size_t k = tail; k > 0; --k) {
        changes.equal(ra[ra.size() - k], rb[rb.size() - k]);
    }
    changes.end(a.size(), b.size());
    return true;
}

// Hunks as diff -u makes them: each change with up to three equal lines around it, and two
// changes no further apart than twice that in one hunk.
std::vector<DiffHunk> hunksOf(const std::vector<Change>& changes, std::size_t beforeLines) {
    std::vector<DiffHunk> hunks;
    for (std::size_t k = 0; k < changes.size();) {
        std::size_t last = k;
        while (last + 1 < changes.size() &&
               changes[last + 1].a0 - changes[last].a1 <= 2 * kDiffContext) {
            ++last;
        }
        const Change& first = changes[k];
        const std::size_t lead = std::min(kDiffContext, first.a0 - (k > 0 ? changes[k - 1].a1 : 0));
        const std::size_t next = last + 1 < changes.size() ? changes[last + 1].a0 : beforeLines;
        const std::size_t trail = std::min(kDiffContext, next - changes[last].a1);
        DiffHunk hunk;
        hunk.beforeFirst = first.a0 - lead;
        hunk.afterFirst = first.b0 - lead;
        hunk.beforeCount = changes[last].a1 + trail - hunk.beforeFirst;
        hunk.afterCount = changes[last].b1 + trail - hunk.afterFirst;
        if (lead > 0) {
            hunk.runs.push_back({LineMark::Same, hunk.beforeFirst, lead});
        }
        for (std::size_t i = k; i <= last; ++i) {
            const Change& c = changes[i];
            if (c.a1 > c.a0) {
                hunk.runs.push_back({LineMark::Removed, c.a0, c.a1 - c.a0});
            }
            if (c.b1 > c.b0) {
                hunk.runs.push_back({LineMark::Added, c.b0, c.b1 - c.b0});
            }
            const std::size_t same = (i < last ? changes[i + 1].a0 : c.a1 + trail) - c.a1;
            if (same > 0) {
                hunk.runs.push_back({LineMark::Same, c.a1, same});
            }
        }
        hunks.push_back(std::move(hunk));
        k = last + 1;
    }
    return hunks;
}

std::string rangeText(std::size_t first, std::size_t count) {
    // An empty range is named by the line before it.
    if (count == 0) {
        return std::to_string(first) + ",0";
    }
    if (count == 1) {
        return std::to_string(first + 1);
    }
    return std::to_string(first + 1) + ',' + std::to_string(count);
}

}  // namespace

std::optional<LineComparison> CompareLines(std::string before, std::string after,
                                           const std::atomic<bool>* cancel) {
    constexpr std::size_t kLimit = std::numeric_limits<std::uint32_t>::max();
    if (before.size() >= kLimit || after.size() >= kLimit) {
        return std::nullopt;
    }
    LineComparison result;
    result.before = LinedText(std::move(before));
    result.after = LinedText(std::move(after));
    Changes changes;
    if (!findEqualLines(result.before, result.after, changes, cancel)) {
        return std::nullopt;
    }
    for (const Change& c : changes.changes) {
        result.removed += c.a1 - c.a0;
        result.added += c.b1 - c.b0;
    }
    result.hunks = hunksOf(changes.changes, result.before.lineCount());
    return result;
}

std::string HunkHeader(const DiffHunk& hunk) {
    return "@@ -" + rangeText(hunk.beforeFirst, hunk.beforeCount) + " +" +
           rangeText(hunk.afterFirst, hunk.afterCount) + " @@";
}

void WriteUnifiedDiff(const LineComparison& comparison, std::string_view beforeName,
                      std::string_view afterName,
                      const std::function<void(std::string_view)>& out) {
    if (comparison.hunks.empty()) {
        return;
    }
    // Handed on in pieces of about this size: a long comparison is never held twice.
    constexpr std::size_t kPiece = 1 << 16;
    std::string piece;
    piece.reserve(kPiece + 1024);
    const auto flush = [&] {
        out(piece);
        piece.clear();
    };
    piece.append("--- ").append(beforeName).append("\n+++ ").append(afterName).append("\n");
    for (const DiffHunk& hunk : comparison.hunks) {
        piece.append(HunkHeader(hunk)).append("\n");
        for (const DiffRun& run : hunk.runs) {
            const LinedText& text = comparison.textOf(run.mark);
            for (std::size_t i = run.first; i < run.first + run.count; ++i) {
                piece += static_cast<char>(run.mark);
                piece.append(text.text(i)).append("\n");
                if (text.end(i) == LineEnd::None) {
                    piece.append("\\ No newline at end of file\n");
                }
                if (piece.size() >= kPiece) {
                    flush();
                }
            }
        }
    }
    flush();
}

std::string UnifiedDiff(const LineComparison& comparison, std::string_view beforeName,
                        std::string_view afterName) {
    std::string text;
    WriteUnifiedDiff(comparison, beforeName, afterName,
                     [&text](std::string_view piece) { text.append(piece); });
    return text;
}

}  // namespace kestrune
