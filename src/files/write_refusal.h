#pragma once

// Why a writer can't write an action: the action itself is at fault, not the disk. Each
// reason is told to the user in one form, whoever writes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/message.h"

namespace kestrune {

enum class Refusal : std::uint8_t {
    // A drive mapping that names no share: the save fails with the writer's own message.
    NoShare,
    QuoteInPath,
    PrinterWithoutShare,
    // The file would be larger than the readers take (kMaxInputBytes): at the action whose
    // lines take it past.
    TooLarge,
    DriveNotLetter,
    OptionsNeedPort,
    // Text after " with " that is no set of options the action takes.
    UnreadableOptions,
    // A condition none of its forms, or whose name breaks a rule of names, one each.
    UnreadableCondition,
    ConditionNameEmpty,
    ConditionNameNotAscii,
    ConditionNameEdgeBlank,
    ConditionNameForbidden,
    ConditionNameTwoBackslashes,
    ConditionNameBackslash,
    ConditionNameBlank,
    // A command with a condition that the IF line before it can't hold, and a condition on
    // the line a "^" continues.
    ConditionedCommandEmpty,
    ConditionedCommandStart,
    ConditionedCommandCaret,
    ConditionAfterCaret,
};

// The reason as the message tells it; none for NoShare, which has its own message.
std::optional<MessageId> refusalReason(Refusal refusal);

// The action at row (from 0) that a writer refused, and why.
struct RefusedRow {
    std::size_t row = 0;
    Refusal refusal = Refusal::NoShare;
};

namespace messages {
// "Action N can't be written to a batch script: REASON." CR DETAILS, N counted from 1.
Message actionRefused(std::size_t row, Refusal refusal, std::string_view details);
}  // namespace messages

}  // namespace kestrune
