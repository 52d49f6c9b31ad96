#include "files/write_refusal.h"

namespace kestrune {

std::string_view refusalReason(Refusal refusal) {
    switch (refusal) {
        case Refusal::QuoteInPath:
            return "a share or path can't hold a double quote";
        case Refusal::PrinterWithoutShare:
            return "a printer needs a share";
        case Refusal::TooLarge:
            return "the file would be larger than 64 MiB";
        case Refusal::DriveNotLetter:
            return "a drive must be a letter";
        case Refusal::OptionsNeedPort:
            return "options need a port";
        case Refusal::UnreadableOptions:
            return "its options can't be read";
        case Refusal::UnreadableCondition:
            return "its condition can't be read";
        case Refusal::ConditionNameEmpty:
            return "a condition name can't be empty";
        case Refusal::ConditionNameNotAscii:
            return "a condition name can only hold printable ASCII characters";
        case Refusal::ConditionNameEdgeBlank:
            return "a condition name can't begin or end with a blank";
        case Refusal::ConditionNameForbidden:
            return "a condition name can't hold double quotes, % or !";
        case Refusal::ConditionNameTwoBackslashes:
            return "a condition name of a group holds at most one backslash (DOMAIN\\GROUP)";
        case Refusal::ConditionNameBackslash:
            return "a condition name of a user or computer can't hold a backslash";
        case Refusal::ConditionNameBlank:
            return "a condition name of a computer can't hold a blank";
        case Refusal::ConditionedCommandEmpty:
            return "a command with a condition can't be empty";
        case Refusal::ConditionedCommandStart:
            return "a command with a condition can't begin with (, ), : or @";
        case Refusal::ConditionedCommandCaret:
            return "a command with a condition can't end with ^";
        case Refusal::ConditionAfterCaret:
            return "an action with a condition can't follow a line ending with ^";
        case Refusal::NoShare:
            break;
    }
    return {};
}

namespace messages {

std::string actionRefused(std::size_t row, Refusal refusal, std::string_view details) {
    std::string text =
        "Action " + std::to_string(row + 1) + " can't be written to a batch script: ";
    text.append(refusalReason(refusal)).append(".\r").append(details);
    return text;
}

}  // namespace messages

}  // namespace kestrune
