#pragma once

// The reasons the checker gives, as messages (core/message.h), in one place for the code and
// its tests. Shares, paths and servers come from the actions' Details: document text.

#include <string_view>

#include "core/message.h"

namespace kestrune::check::texts {

// detail: the system's words, or the backend's own, for why; may be empty.
inline Message unreachable(std::string_view server, const Message& detail) {
    return detail.empty() ? Say(MessageId::Unreachable, DocumentText(server))
                          : Say(MessageId::UnreachableBecause, DocumentText(server), detail);
}
inline Message stillUnreachable(std::string_view server) {
    return Say(MessageId::StillUnreachable, DocumentText(server));
}
inline Message noShare(std::string_view server, std::string_view share) {
    return Say(MessageId::NoShareOnServer, DocumentText(share), DocumentText(server));
}
inline Message noFile(std::string_view path) {
    return Say(MessageId::NoFile, DocumentText(path));
}
inline Message noFolder(std::string_view path) {
    return Say(MessageId::NoFolder, DocumentText(path));
}
inline Message notFile(std::string_view path) {
    return Say(MessageId::NotFile, DocumentText(path));
}
inline Message denied(std::string_view path) {
    return Say(MessageId::Denied, DocumentText(path));
}
inline Message notPrinter(std::string_view share) {
    return Say(MessageId::NotPrinter, DocumentText(share));
}
inline Message notNetworkPath(std::string_view text) {
    return Say(MessageId::NotNetworkPath, DocumentText(text));
}
inline Message failed(std::string_view path, const Message& detail) {
    return detail.empty() ? Say(MessageId::CheckFailed, DocumentText(path))
                          : Say(MessageId::CheckFailedBecause, DocumentText(path), detail);
}
inline Message home() {
    return Say(MessageId::HomeNotChecked);
}
inline Message local() {
    return Say(MessageId::LocalNotChecked);
}
inline Message other() {
    return Say(MessageId::OtherNotChecked);
}
inline Message disconnection() {
    return Say(MessageId::DisconnectionNotChecked);
}

// "drive G: is mapped by actions 1 and 3", "port LPT2 is mapped by actions 4 and 5".
inline Message driveMappedTwice(char letter, std::size_t first, std::size_t second) {
    return Say(MessageId::DriveMappedTwice, std::string(1, letter), std::to_string(first),
               std::to_string(second));
}
inline Message portMappedTwice(int port, std::size_t first, std::size_t second) {
    return Say(MessageId::PortMappedTwice, std::to_string(port), std::to_string(first),
               std::to_string(second));
}
// A problem, and the warning of a letter or port mapped twice after it.
inline Message problemAndWarning(Message problem, Message warning) {
    return Say(MessageId::ProblemAndWarning, std::move(problem), std::move(warning));
}

// A conditioned action's reason, and after it " (if member of Finance)".
inline Message underCondition(Message reason, std::string_view condition) {
    return Say(MessageId::UnderCondition, std::move(reason), DocumentText(condition));
}

// A check that ran out of memory ends with this, after the results it had given.
inline Message outOfMemory() {
    return Say(MessageId::CheckOutOfMemory);
}

}  // namespace kestrune::check::texts
