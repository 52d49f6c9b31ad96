#pragma once

// What the standard-library layers tell the user (a file that can't be read or written, an
// action a script can't hold, what a check found) as an id with its arguments. kestrune-cli
// prints the English text, which scripts parse; the window shows the same message in the
// user's language, looked up by the id's English pattern.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrune {

enum class MessageId : std::uint8_t {
    // No words of the program's: a path, a number, a line of a file, the system's own words.
    Verbatim,

    // Reading and writing documents.
    InvalidFileFormat,
    TemplateNotFound,
    TemplateReadFailed,
    TemplateSaveFailed,
    TemplateSaveFailedKept,
    NoShareNamed,
    ScriptNotFound,
    ScriptReadFailed,
    ScriptSaveFailed,
    ScriptSaveFailedBecause,
    ScriptSaveFailedKept,
    InterruptedSave,
    FileTooLarge,
    StreamTooLarge,
    TooManyActions,
    ActionRefused,
    // The file layer's own words for an error, where the system has none.
    PastEndOfFile,
    BadKeyLine,
    IncompleteSection,
    NotRegularFile,
    ReplacedBeforeRename,
    // Why a writer refuses an action.
    RefusedQuoteInPath,
    RefusedPrinterWithoutShare,
    RefusedTooLarge,
    RefusedDriveNotLetter,
    RefusedOptionsNeedPort,
    RefusedUnreadableOptions,
    RefusedUnreadableCondition,
    RefusedConditionNameEmpty,
    RefusedConditionNameNotAscii,
    RefusedConditionNameEdgeBlank,
    RefusedConditionNameForbidden,
    RefusedConditionNameTwoBackslashes,
    RefusedConditionNameBackslash,
    RefusedConditionNameBlank,
    RefusedConditionedCommandEmpty,
    RefusedConditionedCommandStart,
    RefusedConditionedCommandCaret,
    RefusedConditionAfterCaret,

    // Trying actions.
    ActionFailed,
    ScriptStartFailed,
    ScriptWriteFailed,

    // The check's reasons.
    Unreachable,
    UnreachableBecause,
    StillUnreachable,
    NoShareOnServer,
    NoFile,
    NoFolder,
    NotFile,
    Denied,
    NotPrinter,
    NotNetworkPath,
    CheckFailed,
    CheckFailedBecause,
    HomeNotChecked,
    LocalNotChecked,
    OtherNotChecked,
    DisconnectionNotChecked,
    DriveMappedTwice,
    PortMappedTwice,
    ProblemAndWarning,
    UnderCondition,
    CheckOutOfMemory,
    // The check's backends' own words, where the system has none.
    NoServerOfThatName,
    SystemError,
};

// All of them, for those that go through every one.
inline constexpr auto kLastMessageId = MessageId::SystemError;

struct Message {
    MessageId id = MessageId::Verbatim;
    // A Verbatim's text, as the file or the system gave it.
    std::string text;
    // A Verbatim's text is Windows-1252 document text (Details, a line of a document)
    // rather than the system's own (a path, an error of the system).
    bool document = false;
    // What stands for %1, %2... in the id's pattern.
    std::vector<Message> args;

    bool operator==(const Message&) const = default;
    bool empty() const { return id == MessageId::Verbatim && text.empty(); }
};

inline Message Verbatim(std::string_view text) {
    return Message{MessageId::Verbatim, std::string(text), false, {}};
}
inline Message DocumentText(std::string_view text) {
    return Message{MessageId::Verbatim, std::string(text), true, {}};
}

namespace message_detail {
inline Message arg(Message message) {
    return message;
}
inline Message arg(MessageId id) {
    return Message{id, {}, false, {}};
}
inline Message arg(std::string_view text) {
    return Verbatim(text);
}
}  // namespace message_detail

// The message of id, its arguments given in the order of the pattern's %1, %2...: texts of
// the system's (or numbers written out), DocumentText, or messages of their own.
template <typename... Args>
Message Say(MessageId id, Args&&... args) {
    Message message{id, {}, false, {}};
    message.args.reserve(sizeof...(Args));
    (message.args.push_back(message_detail::arg(std::forward<Args>(args))), ...);
    return message;
}

// The English pattern of id, "%1" to "%9" standing for its arguments; empty for Verbatim.
// The window translates it as it stands, in the context kMessageContext.
std::string_view MessagePattern(MessageId id);
inline constexpr const char* kMessageContext = "Message";

// The message in English, as kestrune-cli prints it and the tests read it: the pattern with
// each argument's own English text in the place of its "%N".
std::string EnglishText(const Message& message);

// Where the arguments go in a pattern: each piece is either text of the pattern or, for
// "%1" to "%9", the number of the argument from 0. A "%" before anything else stays text.
struct PatternPiece {
    std::string_view text;
    int arg = -1;
};
std::vector<PatternPiece> PatternPieces(std::string_view pattern);

}  // namespace kestrune
