#include "core/message.h"

// Marks a pattern for Qt's lupdate, which is told to read it as QT_TRANSLATE_NOOP: the
// window translates the pattern, this library only ever writes it in English.
#define KESTRUNE_TRANSLATE_NOOP(context, text) text

namespace kestrune {

std::string_view MessagePattern(MessageId id) {
    switch (id) {
        case MessageId::Verbatim:
            break;
        case MessageId::InvalidFileFormat:
            return KESTRUNE_TRANSLATE_NOOP("Message", "Invalid file format.");
        case MessageId::TemplateNotFound:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message", "%1 could not found. Please make sure the path is correct.");
        case MessageId::TemplateReadFailed:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message",
                "An unexpected error occurred while reading the file %1.\r\rLine: %2\r\rError: "
                "%3\r%4");
        case MessageId::TemplateSaveFailed:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message",
                "An unexpected error occurred while saving the file %1.\r\rError: %2 %3");
        case MessageId::TemplateSaveFailedKept:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message",
                "An unexpected error occurred while saving the file %1.\r\rError: %2 %3\r\rThe "
                "new contents are kept in %4.");
        case MessageId::NoShareNamed:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message", "Action %1 names no network share beginning with \\\\: %2");
        case MessageId::ScriptNotFound:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message", "The file %1 could not found.\rPlease make sure the path is correct.");
        case MessageId::ScriptReadFailed:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message",
                "An unexpected error occurred while reading the file %1.\r\rError: %2 %3");
        case MessageId::ScriptSaveFailed:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message",
                "An error occurred while saving the file %1.\rPlease ensure the disk or one of the "
                "directories is not read only.");
        case MessageId::ScriptSaveFailedBecause:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message",
                "An error occurred while saving the file %1.\rPlease ensure the disk or one of the "
                "directories is not read only.\r%2");
        case MessageId::ScriptSaveFailedKept:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message",
                "An error occurred while saving the file %1.\rPlease ensure the disk or one of the "
                "directories is not read only.\r%2\rThe new contents are kept in %3.");
        case MessageId::InterruptedSave:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message",
                "Warning: a save of %1 was interrupted; the file may be incomplete.\rThe copy that "
                "was being saved is %2.");
        case MessageId::FileTooLarge:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message",
                "The file %1 is too large to open: %2 bytes.\rA template or batch script can be at "
                "most %3 bytes (64 MiB).");
        case MessageId::StreamTooLarge:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message",
                "The file %1 is too large to open: more than %2 bytes.\rA template or batch script "
                "can be at most %2 bytes (64 MiB).");
        case MessageId::TooManyActions:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message",
                "The file %1 is too large to open: its %2 bytes give more than %3 actions.\rA "
                "template or batch script can hold at most %3 actions.");
        case MessageId::ActionRefused:
            return KESTRUNE_TRANSLATE_NOOP("Message",
                                           "Action %1 can't be written to a batch script: %2.\r%3");
        case MessageId::PastEndOfFile:
            return KESTRUNE_TRANSLATE_NOOP("Message", "Input past end of file");
        case MessageId::BadKeyLine:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message", "Not a key of this section, or a value the key can't take");
        case MessageId::IncompleteSection:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message", "The section lacks a key it must have: a printer's port, a drive");
        case MessageId::NotRegularFile:
            return KESTRUNE_TRANSLATE_NOOP("Message", "Not a regular file");
        case MessageId::ReplacedBeforeRename:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message", "The new file was replaced by another before taking its place");
        case MessageId::RefusedQuoteInPath:
            return KESTRUNE_TRANSLATE_NOOP("Message", "a share or path can't hold a double quote");
        case MessageId::RefusedPrinterWithoutShare:
            return KESTRUNE_TRANSLATE_NOOP("Message", "a printer needs a share");
        case MessageId::RefusedTooLarge:
            return KESTRUNE_TRANSLATE_NOOP("Message", "the file would be larger than 64 MiB");
        case MessageId::RefusedDriveNotLetter:
            return KESTRUNE_TRANSLATE_NOOP("Message", "a drive must be a letter");
        case MessageId::RefusedOptionsNeedPort:
            return KESTRUNE_TRANSLATE_NOOP("Message", "options need a port");
        case MessageId::RefusedUnreadableOptions:
            return KESTRUNE_TRANSLATE_NOOP("Message", "its options can't be read");
        case MessageId::RefusedUnreadableCondition:
            return KESTRUNE_TRANSLATE_NOOP("Message", "its condition can't be read");
        case MessageId::RefusedConditionNameEmpty:
            return KESTRUNE_TRANSLATE_NOOP("Message", "a condition name can't be empty");
        case MessageId::RefusedConditionNameNotAscii:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message", "a condition name can only hold printable ASCII characters");
        case MessageId::RefusedConditionNameEdgeBlank:
            return KESTRUNE_TRANSLATE_NOOP("Message",
                                           "a condition name can't begin or end with a blank");
        case MessageId::RefusedConditionNameForbidden:
            return KESTRUNE_TRANSLATE_NOOP("Message",
                                           "a condition name can't hold double quotes, % or !");
        case MessageId::RefusedConditionNameTwoBackslashes:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message",
                "a condition name of a group holds at most one backslash (DOMAIN\\GROUP)");
        case MessageId::RefusedConditionNameBackslash:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message", "a condition name of a user or computer can't hold a backslash");
        case MessageId::RefusedConditionNameBlank:
            return KESTRUNE_TRANSLATE_NOOP("Message",
                                           "a condition name of a computer can't hold a blank");
        case MessageId::RefusedConditionedCommandEmpty:
            return KESTRUNE_TRANSLATE_NOOP("Message", "a command with a condition can't be empty");
        case MessageId::RefusedConditionedCommandStart:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message", "a command with a condition can't begin with (, ), : or @");
        case MessageId::RefusedConditionedCommandCaret:
            return KESTRUNE_TRANSLATE_NOOP("Message",
                                           "a command with a condition can't end with ^");
        case MessageId::RefusedConditionAfterCaret:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message", "an action with a condition can't follow a line ending with ^");
        case MessageId::ActionFailed:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message",
                "There was a problem executing the action.\r\rSome commands can only be executed "
                "within a batch file (e.g. echo), so this does not necessarily mean there will be "
                "an error when running the script as a whole.");
        case MessageId::ScriptStartFailed:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message",
                "An error occurred while attempting to execute the temporary file, \r%1.");
        case MessageId::ScriptWriteFailed:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message", "An error occurred while writing the line %1 to the file %2.");
        case MessageId::Unreachable:
            return KESTRUNE_TRANSLATE_NOOP("Message", "the server %1 can't be reached");
        case MessageId::UnreachableBecause:
            return KESTRUNE_TRANSLATE_NOOP("Message", "the server %1 can't be reached (%2)");
        case MessageId::StillUnreachable:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message", "the server %1 can't be reached (it didn't answer earlier)");
        case MessageId::NoShareOnServer:
            return KESTRUNE_TRANSLATE_NOOP("Message", "no share named %1 on %2");
        case MessageId::NoFile:
            return KESTRUNE_TRANSLATE_NOOP("Message", "no such file: %1");
        case MessageId::NoFolder:
            return KESTRUNE_TRANSLATE_NOOP("Message", "no such folder: %1");
        case MessageId::NotFile:
            return KESTRUNE_TRANSLATE_NOOP("Message", "a folder, not a file: %1");
        case MessageId::Denied:
            return KESTRUNE_TRANSLATE_NOOP("Message", "access denied to %1");
        case MessageId::NotPrinter:
            return KESTRUNE_TRANSLATE_NOOP("Message", "%1 is not a printer share");
        case MessageId::NotNetworkPath:
            return KESTRUNE_TRANSLATE_NOOP("Message", "not a network path (\\\\SERVER\\SHARE): %1");
        case MessageId::CheckFailed:
            return KESTRUNE_TRANSLATE_NOOP("Message", "couldn't check %1");
        case MessageId::CheckFailedBecause:
            return KESTRUNE_TRANSLATE_NOOP("Message", "couldn't check %1: %2");
        case MessageId::HomeNotChecked:
            return KESTRUNE_TRANSLATE_NOOP("Message", "the user's own home directory");
        case MessageId::LocalNotChecked:
            return KESTRUNE_TRANSLATE_NOOP("Message", "a path on the client computer");
        case MessageId::OtherNotChecked:
            return KESTRUNE_TRANSLATE_NOOP("Message", "a command run on the client computer");
        case MessageId::DisconnectionNotChecked:
            return KESTRUNE_TRANSLATE_NOOP("Message", "nothing to check");
        case MessageId::DriveMappedTwice:
            return KESTRUNE_TRANSLATE_NOOP("Message", "drive %1: is mapped by actions %2 and %3");
        case MessageId::PortMappedTwice:
            return KESTRUNE_TRANSLATE_NOOP("Message", "port LPT%1 is mapped by actions %2 and %3");
        case MessageId::ProblemAndWarning:
            return KESTRUNE_TRANSLATE_NOOP("Message", "%1; %2");
        case MessageId::UnderCondition:
            return KESTRUNE_TRANSLATE_NOOP("Message", "%1 (if %2)");
        case MessageId::CheckOutOfMemory:
            return KESTRUNE_TRANSLATE_NOOP(
                "Message",
                "The check ran out of memory: the actions after these were not checked.");
        case MessageId::NoServerOfThatName:
            return KESTRUNE_TRANSLATE_NOOP("Message", "no server of that name");
        case MessageId::SystemError:
            return KESTRUNE_TRANSLATE_NOOP("Message", "error %1");
    }
    return {};
}

std::vector<PatternPiece> PatternPieces(std::string_view pattern) {
    std::vector<PatternPiece> pieces;
    std::size_t start = 0;
    for (std::size_t at = 0; at + 1 < pattern.size(); ++at) {
        const char next = pattern[at + 1];
        if (pattern[at] != '%' || next < '1' || next > '9') {
            continue;
        }
        if (at > start) {
            pieces.push_back({pattern.substr(start, at - start)});
        }
        pieces.push_back({{}, next - '1'});
        start = at + 2;
        ++at;
    }
    if (start < pattern.size()) {
        pieces.push_back({pattern.substr(start)});
    }
    return pieces;
}

namespace {

void appendEnglish(const Message& message, std::string& out) {
    if (message.id == MessageId::Verbatim) {
        out += message.text;
        return;
    }
    for (const PatternPiece& piece : PatternPieces(MessagePattern(message.id))) {
        if (piece.arg < 0) {
            out += piece.text;
        } else if (static_cast<std::size_t>(piece.arg) < message.args.size()) {
            appendEnglish(message.args[static_cast<std::size_t>(piece.arg)], out);
        }
    }
}

}  // namespace

std::string EnglishText(const Message& message) {
    std::string out;
    appendEnglish(message, out);
    return out;
}

}  // namespace kestrune
