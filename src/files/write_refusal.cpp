#include "files/write_refusal.h"

#include <string>

namespace kestrune {

std::optional<MessageId> refusalReason(Refusal refusal) {
    switch (refusal) {
        case Refusal::QuoteInPath:
            return MessageId::RefusedQuoteInPath;
        case Refusal::PrinterWithoutShare:
            return MessageId::RefusedPrinterWithoutShare;
        case Refusal::TooLarge:
            return MessageId::RefusedTooLarge;
        case Refusal::DriveNotLetter:
            return MessageId::RefusedDriveNotLetter;
        case Refusal::OptionsNeedPort:
            return MessageId::RefusedOptionsNeedPort;
        case Refusal::UnreadableOptions:
            return MessageId::RefusedUnreadableOptions;
        case Refusal::UnreadableCondition:
            return MessageId::RefusedUnreadableCondition;
        case Refusal::ConditionNameEmpty:
            return MessageId::RefusedConditionNameEmpty;
        case Refusal::ConditionNameNotAscii:
            return MessageId::RefusedConditionNameNotAscii;
        case Refusal::ConditionNameEdgeBlank:
            return MessageId::RefusedConditionNameEdgeBlank;
        case Refusal::ConditionNameForbidden:
            return MessageId::RefusedConditionNameForbidden;
        case Refusal::ConditionNameTwoBackslashes:
            return MessageId::RefusedConditionNameTwoBackslashes;
        case Refusal::ConditionNameBackslash:
            return MessageId::RefusedConditionNameBackslash;
        case Refusal::ConditionNameBlank:
            return MessageId::RefusedConditionNameBlank;
        case Refusal::ConditionedCommandEmpty:
            return MessageId::RefusedConditionedCommandEmpty;
        case Refusal::ConditionedCommandStart:
            return MessageId::RefusedConditionedCommandStart;
        case Refusal::ConditionedCommandCaret:
            return MessageId::RefusedConditionedCommandCaret;
        case Refusal::ConditionAfterCaret:
            return MessageId::RefusedConditionAfterCaret;
        case Refusal::NoShare:
            break;
    }
    return std::nullopt;
}

namespace messages {

Message actionRefused(std::size_t row, Refusal refusal, std::string_view details) {
    const auto reason = refusalReason(refusal);
    return Say(MessageId::ActionRefused, std::to_string(row + 1),
               reason ? Say(*reason) : Verbatim(""), DocumentText(details));
}

}  // namespace messages

}  // namespace kestrune
