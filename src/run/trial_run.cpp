#include "run/trial_run.h"

#include "files/script_format.h"
#include "run/temporary_file.h"

namespace kestrune {

std::optional<std::string> ActionCommandLine(const Action& action) {
    auto line = firstScriptLine(action);
    if (!line || line->empty()) {
        return std::nullopt;
    }
    return line;
}

TemporaryScriptResult WriteTemporaryScript(const std::string& path, const ActionList& list) {
    constexpr std::string_view kEol = "\r\n";
    const auto file = OpenTemporaryFile(path);
    if (!file) {
        return {false, ""};
    }
    // Line by line, so that a failure names the line it happened on; the lines before it
    // stay in the file.
    for (const auto& action : list) {
        std::string lines;
        const bool built = appendScriptLines(action, lines);
        if (built) {
            lines.append(kEol);  // the empty line after each action
        }
        std::string_view rest = lines;
        for (auto end = rest.find(kEol); end != std::string_view::npos; end = rest.find(kEol)) {
            if (!file->write(rest.substr(0, end + kEol.size()))) {
                return {false, std::string(rest.substr(0, end))};
            }
            rest.remove_prefix(end + kEol.size());
        }
        if (!built) {
            // The line as far as it had been built.
            return {false, std::string(rest)};
        }
    }
    if (!file->close()) {
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
