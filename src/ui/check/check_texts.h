#pragma once

// The texts of the check dialog, in one place for the code and its tests.

#include <QString>
#include <QStringList>

#include "check/checker.h"

namespace kestrune::check_texts {

inline const QString kTitle = QStringLiteral("Check Script");
inline const QString kServers = QStringLiteral("&Servers:");
inline const QString kServersHint = QStringLiteral("NAME=ADDRESS[:PORT] for names not resolved");
inline const QString kUser = QStringLiteral("&User:");
inline const QString kUserHint = QStringLiteral("guest");
inline const QString kCheck = QStringLiteral("&Check");
inline const QString kClose = QStringLiteral("Close");
inline const QString kProgress = QStringLiteral("Checking the shares, printers and files...");
inline const QString kCancel = QStringLiteral("Cancel");
inline const QString kPasswordTitle = QStringLiteral("Password");
inline QString passwordPrompt(const QString& user) {
    return QStringLiteral("Password for %1:").arg(user);
}
inline QString badMapping(const QString& text) {
    return QStringLiteral("Not NAME=ADDRESS[:PORT]: %1").arg(text);
}
inline QString summary(int problems, int warnings) {
    return QStringLiteral("%1 problem(s), %2 warning(s).").arg(problems).arg(warnings);
}
inline const QString kCancelled =
    QStringLiteral("Cancelled: the actions after these were not checked.");
inline const QStringList kColumns = {QStringLiteral("#"), QStringLiteral("Action"),
                                     QStringLiteral("Result"), QStringLiteral("Reason")};
// What a screen reader calls the report, and says of each result's picture.
inline const QString kReport = QStringLiteral("Report");
inline QString outcomePicture(check::Outcome outcome) {
    switch (outcome) {
        case check::Outcome::Ok:
            return QStringLiteral("Checked, nothing wrong found");
        case check::Outcome::Skipped:
            return QStringLiteral("Not checked");
        case check::Outcome::Warning:
            return QStringLiteral("Checked, with a warning");
        case check::Outcome::Problem:
            break;
    }
    return QStringLiteral("Checked, a problem found");
}

// Where the server mappings are remembered.
inline const QString kSection = QStringLiteral("Check");
inline const QString kServersKey = QStringLiteral("Servers");

}  // namespace kestrune::check_texts
