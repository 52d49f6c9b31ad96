#include "run/trial_run.h"

#include "core/text8.h"
#include "files/file_io.h"
#include "files/script_format.h"

namespace kestrune {

std::optional<std::string> ActionCommandLine(const Action& action) {
    const auto line = firstScriptLine(action);
    // Blanks around an "Other" command mean nothing to a program started without cmd.exe.
    const auto command = line ? trimmed(*line) : std::string_view{};
    if (command.empty()) {
        return std::nullopt;
    }
    return std::string(command);
}

TemporaryScriptResult WriteTemporaryScript(const std::string& path, const ActionList& list) {
    const auto body = renderScriptBody(list);
    if (body.failedRow) {
        // The line that could not be built: name the action it came from.
        return {false, std::string(trimmed(list[*body.failedRow].details))};
    }
    if (writeFileSafely(path, body.bytes)) {
        return {false, ""};
    }
    return {true, ""};
}

namespace run_messages {

std::string scriptStartFailed(std::string_view temporaryPath) {
    return "An error occurred while attempting to execute the temporary file, \r" +
           std::string(temporaryPath) + ".";
}

std::string scriptWriteFailed(std::string_view line, std::string_view temporaryPath) {
    return "An error occurred while writing the line " + std::string(line) + " to the file " +
           std::string(temporaryPath) + ".";
}

}  // namespace run_messages

}  // namespace kestrune
