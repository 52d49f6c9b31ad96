#pragma once

// Walks the lines of a text held in memory. A line ends at CR LF, at LF or at CR; the
// last line needs no end. An empty text has no lines, and a final line end adds none.

#include <cstring>
#include <string_view>

namespace kestrune {

class LineCursor {
  public:
    explicit LineCursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    // The next line without its end; false when there is none left.
    bool next(std::string_view& line) {
        if (atEnd()) {
            return false;
        }
        const char* begin = text_.data() + pos_;
        const char* end = text_.data() + text_.size();
        const char* p = begin;
        while (p != end && *p != '\n' && *p != '\r') {
            ++p;
        }
        line = std::string_view(begin, static_cast<std::size_t>(p - begin));
        if (p != end) {
            if (*p == '\r' && p + 1 != end && p[1] == '\n') {
                ++p;
            }
            ++p;
        }
        pos_ = static_cast<std::size_t>(p - text_.data());
        return true;
    }

    // The text from the next line on, for a reader that finds the line's end itself.
    std::string_view rest() const { return text_.substr(pos_); }
    // Steps over the next line, length bytes without its end, and its end.
    void skipLine(std::size_t length) {
        std::size_t p = pos_ + length;
        if (p < text_.size()) {
            if (text_[p] == '\r' && p + 1 < text_.size() && text_[p + 1] == '\n') {
                ++p;
            }
            ++p;
        }
        pos_ = p;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace kestrune
