#pragma once

// An action's condition: for whom, or on which computer, it runs. Empty means always; else
// one of six texts, NAME in its own case:
//
//   "member of NAME"   "not member of NAME"     a group of the user's logon token
//   "user NAME"        "not user NAME"          the user's logon name
//   "computer NAME"    "not computer NAME"      the computer's name
//
// A script is read by cmd.exe in the OEM code page, so a NAME outside printable ASCII would
// never match; "%" and "!" would be expanded and a double quote would end the quotes the
// script puts around it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

enum class ConditionSubject : std::uint8_t { Group, User, Computer };

struct Condition {
    ConditionSubject subject = ConditionSubject::Group;
    bool negated = false;
    std::string_view name;  // as it stands, the rules not yet asked

    bool operator==(const Condition&) const = default;
};

// The form of a condition's text; none when it is none of the six (or empty). Its name is
// whatever follows the form's words.
std::optional<Condition> ParseCondition(std::string_view text);
// The condition's text.
void AppendCondition(std::string& out, const Condition& condition);
std::string ConditionText(const Condition& condition);

// The rule of names a NAME breaks first, in this order; None when it keeps them all.
enum class NameFault : std::uint8_t {
    None,
    Empty,
    NotPrintableAscii,
    EdgeBlank,       // a blank before or after it
    Forbidden,       // a double quote, % or !
    TwoBackslashes,  // a group: DOMAIN\GROUP at most
    Backslash,       // a user or a computer
    Blank,           // a computer
};
NameFault CheckConditionName(ConditionSubject subject, std::string_view name);

// A condition text that reads as one of the six forms with a NAME that keeps the rules.
bool IsCondition(std::string_view text);

}  // namespace kestrune
