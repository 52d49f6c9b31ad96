#pragma once

// The texts of the check dialog, in one place for the code and its tests, marked for
// translation and shown through Tr(). The reasons are the checker's own messages.

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <string_view>

#include "check/checker.h"
#include "platform/shown_text.h"

namespace kestrune::check_texts {

inline QString Tr(std::string_view text) {
    return Translated("Check", text);
}

inline constexpr std::string_view kTitle = QT_TRANSLATE_NOOP("Check", "Check Script");
inline constexpr std::string_view kServers = QT_TRANSLATE_NOOP("Check", "&Servers:");
inline constexpr std::string_view kServersHint =
    QT_TRANSLATE_NOOP("Check", "NAME=ADDRESS[:PORT] for names not resolved");
inline constexpr std::string_view kUser = QT_TRANSLATE_NOOP("Check", "&User:");
inline constexpr std::string_view kUserHint = QT_TRANSLATE_NOOP("Check", "guest");
inline constexpr std::string_view kCheck = QT_TRANSLATE_NOOP("Check", "&Check");
inline constexpr std::string_view kClose = QT_TRANSLATE_NOOP("Check", "Close");
inline constexpr std::string_view kProgress =
    QT_TRANSLATE_NOOP("Check", "Checking the shares, printers and files...");
inline constexpr std::string_view kCancel = QT_TRANSLATE_NOOP("Check", "Cancel");
inline constexpr std::string_view kPasswordTitle = QT_TRANSLATE_NOOP("Check", "Password");
inline constexpr std::string_view kPasswordPrompt = QT_TRANSLATE_NOOP("Check", "Password for %1:");
inline QString passwordPrompt(const QString& user) {
    return Tr(kPasswordPrompt).arg(user);
}
inline constexpr std::string_view kBadMapping =
    QT_TRANSLATE_NOOP("Check", "Not NAME=ADDRESS[:PORT]: %1");
inline QString badMapping(const QString& text) {
    return Tr(kBadMapping).arg(text);
}
inline constexpr std::string_view kSummary =
    QT_TRANSLATE_NOOP("Check", "%1 problem(s), %2 warning(s).");
inline QString summary(int problems, int warnings) {
    return Tr(kSummary).arg(QString::number(problems), QString::number(warnings));
}
inline constexpr std::string_view kCancelled =
    QT_TRANSLATE_NOOP("Check", "Cancelled: the actions after these were not checked.");
inline constexpr std::array<std::string_view, 4> kColumns = {
    "#", QT_TRANSLATE_NOOP("Check", "Action"), QT_TRANSLATE_NOOP("Check", "Result"),
    QT_TRANSLATE_NOOP("Check", "Reason")};
inline QStringList columns() {
    QStringList shown;
    for (const std::string_view column : kColumns) {
        shown << Tr(column);
    }
    return shown;
}
// Each result as the report names it (kestrune-cli's "ok", "skipped"...), and what a screen
// reader says of its picture.
inline constexpr std::array<std::string_view, 4> kOutcomes = {
    QT_TRANSLATE_NOOP("Check", "ok"), QT_TRANSLATE_NOOP("Check", "skipped"),
    QT_TRANSLATE_NOOP("Check", "warning"), QT_TRANSLATE_NOOP("Check", "problem")};
inline QString outcomeName(check::Outcome outcome) {
    return Tr(kOutcomes[static_cast<std::size_t>(outcome)]);
}
inline constexpr std::array<std::string_view, 4> kOutcomePictures = {
    QT_TRANSLATE_NOOP("Check", "Checked, nothing wrong found"),
    QT_TRANSLATE_NOOP("Check", "Not checked"),
    QT_TRANSLATE_NOOP("Check", "Checked, with a warning"),
    QT_TRANSLATE_NOOP("Check", "Checked, a problem found")};
inline QString outcomePicture(check::Outcome outcome) {
    return Tr(kOutcomePictures[static_cast<std::size_t>(outcome)]);
}
// What a screen reader calls the report.
inline constexpr std::string_view kReport = QT_TRANSLATE_NOOP("Check", "Report");

// Where the server mappings are remembered.
inline const QString kSection = QStringLiteral("Check");
inline const QString kServersKey = QStringLiteral("Servers");

}  // namespace kestrune::check_texts
