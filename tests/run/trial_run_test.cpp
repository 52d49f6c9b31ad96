#include "run/trial_run.h"

#include <gtest/gtest.h>

#include "files/file_io.h"
#include "support/temp_dir.h"
#include "support/test_text.h"

namespace kestrune::test {
namespace {

// The first line of the action's lines in a script, trimmed; none when there is nothing.
TEST(TrialRun, ActionCommandLine) {
    const std::pair<KindAndDetails, std::optional<std::string>> rows[] = {
        {{kind::kDisplayMessage, "Display message from C:\\M.TXT"}, "type \"C:\\M.TXT\""},
        {{kind::kOther, " notepad.exe "}, "notepad.exe"},
        {{kind::kOther, " "}, std::nullopt},
        // A program started without cmd.exe would take ">NUL" for an argument.
        {{kind::kMapDrive, "Map \\\\F\\A as G:\\ with /YES >NUL"}, "NET USE G: \\\\F\\A /YES"},
    };
    for (const auto& [action, line] : rows) {
        EXPECT_EQ(
            ActionCommandLine(Action{std::string(action.kind), std::string(action.details), ""}),
            line);
    }
    // Only a letter is a drive: "&" would be a command of its own.
    Refusal why = Refusal::NoShare;
    EXPECT_FALSE(ActionCommandLine(Action{"Map Drive", "Map \\\\F\\A as &:\\", ""}, &why));
    EXPECT_EQ(why, Refusal::DriveNotLetter);
}

// The file is emptied first; at a line that can't be built the writing stops, naming it as
// far as built, the lines before it kept. No missing folder or planted link is written through.
TEST(TrialRun, TemporaryScript) {
    TempDir dir;
    const auto path = dir.file("temp.bat");
    const std::pair<KindAndDetails, std::string> rows[] = {
        {{kind::kDisplayMessage, "Display message from \\\\F\\MOTD.TXT"}, ""},
        {{kind::kMapDrive, " Map NOSHARE as H:\\ "}, "NET USE H: "},
        {{kind::kRunApplication, "Local: C:\\A\".EXE"}, "Start \"\" \""},
    };
    for (const auto& [action, failedLine] : rows) {
        writeBytes(path, "the previous run's file, longer than the new one\r\n");
        const auto result = WriteTemporaryScript(
            path, listOf({{kind::kMapDrive, "Map \\\\F\\A as G:\\"}, action, {kind::kOther, "x"}}));
        EXPECT_EQ(std::pair(result.written, result.failedLine),
                  std::pair(failedLine.empty(), failedLine));
        EXPECT_EQ(result.refused.has_value(), !failedLine.empty());
        EXPECT_EQ(readBytes(path),
                  crlf({"NET USE G: \\\\F\\A", ""}) +
                      (failedLine.empty() ? crlf({"type \"\\\\F\\MOTD.TXT\"", "pause", "", "x", ""})
                                          : ""));
    }
    std::filesystem::rename(path, dir.file("precious.txt"));
    std::filesystem::create_symlink(dir.file("precious.txt"), path);
    for (const auto& to : {dir.file("missing/temp.bat"), path}) {
        const auto result = WriteTemporaryScript(to, listOf({{kind::kOther, "del *.*"}}));
        EXPECT_EQ(std::pair(result.written, result.failedLine), std::pair(false, std::string()));
    }
    EXPECT_EQ(readBytes(dir.file("precious.txt")), crlf({"NET USE G: \\\\F\\A", ""}));
    // Lines that would make a file too large to open are not written at all.
    const auto tooLarge = WriteTemporaryScript(
        path + "2",
        listOf({{kind::kOther, std::string(kMaxInputBytes - 12, 'x')}, {kind::kOther, "echo x"}}));
    EXPECT_EQ(std::tuple(tooLarge.written, tooLarge.failedLine, tooLarge.refused->row,
                         tooLarge.refused->refusal),
              std::tuple(false, "echo x", 1U, Refusal::TooLarge));
    EXPECT_EQ(readBytes(path + "2"), "");
}

}  // namespace
}  // namespace kestrune::test
