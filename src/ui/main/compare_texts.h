#pragma once

// The texts of Compare with File on Disk, in one place for the code and its tests. The
// question before the first save over a script is the main window's (main_texts.h).

#include <QString>
#include <cstddef>

namespace kestrune::compare_texts {

inline const QString kTitle = QStringLiteral("Compare with File on Disk");
inline QString changedLines(std::size_t count) {
    return count == 1 ? QStringLiteral("1 line changes")
                      : QStringLiteral("%1 lines change").arg(count);
}
// The diff's headers: "--- " + path, and "+++ " + path + the end below.
inline const QString kWrittenEnd = QStringLiteral(" (as written by Kestrune)");

// A line of the file whose end is not the CR LF every written line has: its end marked, and
// a tooltip saying what changes.
inline const QString kEndLf = QStringLiteral(" [LF]");
inline const QString kEndCr = QStringLiteral(" [CR]");
inline const QString kEndNone = QStringLiteral(" [no line end]");
inline const QString kEndLfTip = QStringLiteral("This line ends in LF; Save ends it in CR LF.");
inline const QString kEndCrTip = QStringLiteral("This line ends in CR; Save ends it in CR LF.");
inline const QString kEndNoneTip =
    QStringLiteral("The last line has no line end; Save ends it in CR LF.");

// What a screen reader calls the lines, and says of those shown in colour.
inline const QString kLines = QStringLiteral("Changes");
inline const QString kRemovedLine = QStringLiteral("Removed by Save");
inline const QString kAddedLine = QStringLiteral("Added by Save");

inline const QString kCopy = QStringLiteral("&Copy");
inline const QString kClose = QStringLiteral("Close");

// While a large file is read and compared.
inline const QString kComparing = QStringLiteral("Comparing with the file on disk...");
inline const QString kCancel = QStringLiteral("Cancel");

}  // namespace kestrune::compare_texts
