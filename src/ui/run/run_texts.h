#pragma once

// The texts of trying actions: the network warning frmWarn and where its answer is kept.
// What the user reads is marked for translation and shown through Tr(). The failure
// messages are run_messages in run/trial_run.h.

#include <QString>
#include <QtGlobal>
#include <string_view>

#include "platform/shown_text.h"

namespace kestrune::run_texts {

inline QString Tr(std::string_view text) {
    return Translated("Warning", text);
}

inline constexpr std::string_view kWarnCaption = QT_TRANSLATE_NOOP("Warning", "Warning");
inline constexpr std::string_view kWarnText = QT_TRANSLATE_NOOP(
    "Warning",
    "If the network is down or unreachable, operations can take up to one minute to time out. "
    "It is not recomended that you close the DOS mode box before it is finished.");
inline constexpr std::string_view kDontShowAgain =
    QT_TRANSLATE_NOOP("Warning", "Don't show this message again");
inline constexpr std::string_view kOk = QT_TRANSLATE_NOOP("Warning", "&OK");
inline constexpr std::string_view kCancel = QT_TRANSLATE_NOOP("Warning", "&Cancel");
// What a screen reader says of the warning's picture.
inline constexpr std::string_view kWarnPicture = QT_TRANSLATE_NOOP("Warning", "Warning");

// The status text after Execute Action started an action that has a condition, before it:
// the action's own line runs here whoever the user is.
inline constexpr std::string_view kConditionNotTested =
    QT_TRANSLATE_NOOP("Warning", "Condition not tested: %1");

// The warning is off for good once this value is stored.
inline constexpr std::string_view kWarningSection = "Warning";
inline constexpr std::string_view kWarnKey = "Warn";
inline constexpr std::string_view kWarnOff = "NO";

}  // namespace kestrune::run_texts
