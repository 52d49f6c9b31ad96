#pragma once

// The texts of trying actions: the network warning frmWarn and where its answer is kept.
// The failure messages are run_messages in run/trial_run.h.

#include <string_view>

namespace kestrune::run_texts {

inline constexpr std::string_view kWarnCaption = "Warning";
inline constexpr std::string_view kWarnText =
    "If the network is down or unreachable, operations can take up to one minute to time out. "
    "It is not recomended that you close the DOS mode box before it is finished.";
inline constexpr std::string_view kDontShowAgain = "Don't show this message again";
inline constexpr std::string_view kOk = "&OK";
inline constexpr std::string_view kCancel = "&Cancel";
// What a screen reader says of the warning's picture.
inline constexpr std::string_view kWarnPicture = "Warning";

// The status text after Execute Action started an action that has a condition, before it:
// the action's own line runs here whoever the user is.
inline constexpr std::string_view kConditionNotTested = "Condition not tested: ";

// The warning is off for good once this value is stored.
inline constexpr std::string_view kWarningSection = "Warning";
inline constexpr std::string_view kWarnKey = "Warn";
inline constexpr std::string_view kWarnOff = "NO";

}  // namespace kestrune::run_texts
