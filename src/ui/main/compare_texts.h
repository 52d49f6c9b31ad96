#pragma once

// The texts of Compare with File on Disk, in one place for the code and its tests, marked
// for translation and shown through Tr(). The question before the first save over a script
// is the main window's (main_texts.h).

#include <QString>
#include <QtGlobal>
#include <cstddef>
#include <string_view>

#include "platform/shown_text.h"

namespace kestrune::compare_texts {

inline QString Tr(std::string_view text) {
    return Translated("Compare", text);
}

inline constexpr std::string_view kTitle =
    QT_TRANSLATE_NOOP("Compare", "Compare with File on Disk");
inline constexpr std::string_view kOneLine = QT_TRANSLATE_NOOP("Compare", "1 line changes");
inline constexpr std::string_view kLines = QT_TRANSLATE_NOOP("Compare", "%1 lines change");
inline QString changedLines(std::size_t count) {
    return count == 1 ? Tr(kOneLine) : Tr(kLines).arg(count);
}
// The diff's headers: "--- " + path, and "+++ " + path + the end below.
inline constexpr std::string_view kWrittenEnd =
    QT_TRANSLATE_NOOP("Compare", " (as written by Kestrune)");

// A line of the file whose end is not the CR LF every written line has: its end marked (by
// the characters' names, in any language), and a tooltip saying what changes.
inline constexpr std::string_view kEndLf = " [LF]";
inline constexpr std::string_view kEndCr = " [CR]";
inline constexpr std::string_view kEndNone = QT_TRANSLATE_NOOP("Compare", " [no line end]");
inline constexpr std::string_view kEndLfTip =
    QT_TRANSLATE_NOOP("Compare", "This line ends in LF; Save ends it in CR LF.");
inline constexpr std::string_view kEndCrTip =
    QT_TRANSLATE_NOOP("Compare", "This line ends in CR; Save ends it in CR LF.");
inline constexpr std::string_view kEndNoneTip =
    QT_TRANSLATE_NOOP("Compare", "The last line has no line end; Save ends it in CR LF.");

// What a screen reader calls the lines, and says of those shown in colour.
inline constexpr std::string_view kChanges = QT_TRANSLATE_NOOP("Compare", "Changes");
inline constexpr std::string_view kRemovedLine = QT_TRANSLATE_NOOP("Compare", "Removed by Save");
inline constexpr std::string_view kAddedLine = QT_TRANSLATE_NOOP("Compare", "Added by Save");

inline constexpr std::string_view kCopy = QT_TRANSLATE_NOOP("Compare", "&Copy");
inline constexpr std::string_view kClose = QT_TRANSLATE_NOOP("Compare", "Close");

// While a large file is read and compared.
inline constexpr std::string_view kComparing =
    QT_TRANSLATE_NOOP("Compare", "Comparing with the file on disk...");
inline constexpr std::string_view kCancel = QT_TRANSLATE_NOOP("Compare", "Cancel");

}  // namespace kestrune::compare_texts
