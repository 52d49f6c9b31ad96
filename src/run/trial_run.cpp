#include "run/trial_run.h"

#include "core/cp1252_text.h"
#include "files/script_format.h"
#include "run/temporary_file.h"

namespace kestrune {

std::optional<std::string> ActionCommandLine(const ActionRef& action, Refusal* refusal) {
    const auto line = firstScriptLine(action, refusal);
    // Blanks around an "Other" command mean nothing to a program started without cmd.exe.
    auto command = line ? trimmed(*line) : std::string_view{};
    // Nor does a redirection: NET would take ">NUL" for an argument it doesn't know.
    constexpr std::string_view kQuiet = " >NUL";
    if ((action.kind == kind::kMapDrive || action.kind == kind::kMapPrinter) &&
        command.ends_with(kQuiet)) {
        command.remove_suffix(kQuiet.size());
    }
    if (command.empty()) {
        return std::nullopt;
    }
    return std::string(command);
}

TemporaryScriptResult WriteTemporaryScript(const std::string& path, const ActionList& list) {
    constexpr std::string_view kEol = "\r\n";
    const auto file = OpenTemporaryFile(path);
    if (!file) {
        return {false, "", std::nullopt};
    }
    // The same lines as Make Script writes, up to an action that can't be built, whose line
    // ends the body as far as it had been built. Written line by line, so that a failure
    // names the line it happened on; the lines before it stay in the file.
    const auto body = renderScriptBody(list);
    std::string_view rest = body.bytes;
    // A script too large to write as a file isn't run either: nothing of it is written.
    if (body.failedRow && body.refusal == Refusal::TooLarge) {
        const auto lastEnd = rest.rfind(kEol);
        rest.remove_prefix(lastEnd == std::string_view::npos ? 0 : lastEnd + kEol.size());
        return {false, std::string(rest), RefusedRow{*body.failedRow, body.refusal}};
    }
    for (auto end = rest.find(kEol); end != std::string_view::npos; end = rest.find(kEol)) {
        if (!file->write(rest.substr(0, end + kEol.size()))) {
            return {false, std::string(rest.substr(0, end)), std::nullopt};
        }
        rest.remove_prefix(end + kEol.size());
    }
    if (body.failedRow) {
        return {false, std::string(rest), RefusedRow{*body.failedRow, body.refusal}};
    }
    if (!file->close()) {
        return {false, "", std::nullopt};
    }
    return {true, "", std::nullopt};
}

namespace run_messages {

Message actionFailed() {
    return Say(MessageId::ActionFailed);
}

Message scriptStartFailed(std::string_view temporaryPath) {
    return Say(MessageId::ScriptStartFailed, temporaryPath);
}

Message scriptWriteFailed(std::string_view line, std::string_view temporaryPath) {
    return Say(MessageId::ScriptWriteFailed, DocumentText(line), temporaryPath);
}

}  // namespace run_messages

}  // namespace kestrune
