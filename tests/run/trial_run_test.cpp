#include "run/trial_run.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/action.h"
#include "support/temp_dir.h"
#include "support/test_text.h"

namespace kestrune {
namespace {

using test::crlf;
using test::listOf;
using test::readBytes;

// The first line of the action's lines in a script, trimmed; none when there is nothing.
TEST(TrialRun, ActionCommandLine) {
    const std::pair<test::KindAndDetails, std::optional<std::string>> rows[] = {
        {{kind::kDisplayMessage, "Display message from C:\\M.TXT"}, "type \"C:\\M.TXT\""},
        {{kind::kOther, " notepad.exe "}, "notepad.exe"},
        {{kind::kOther, " "}, std::nullopt},
        {{kind::kMapDrive, "Map FILES as G:\\"}, std::nullopt},
        {{kind::kMapDrive, "Map \\\\F\\A\" & calc & \" as G:\\"}, std::nullopt},
        {{"Frobnicate", "notepad.exe"}, std::nullopt},
    };
    for (const auto& [action, line] : rows) {
        EXPECT_EQ(
            ActionCommandLine(Action{std::string(action.kind), std::string(action.details), ""}),
            line);
    }
}

// The file is emptied first; at an action whose line can't be built the writing stops,
// naming the line as far as it had been built, and the lines before it stay.
TEST(TrialRun, TemporaryScript) {
    test::TempDir dir;
    const auto path = dir.file("temp.bat");
    const std::pair<test::KindAndDetails, std::string> rows[] = {
        {{kind::kDisplayMessage, "Display message from \\\\F\\MOTD.TXT"}, ""},
        {{kind::kMapDrive, " Map NOSHARE as H:\\ "}, "NET USE H: "},
        {{kind::kMapPrinter, "LASER on LPT3"}, "NET USE LPT3 "},
        {{kind::kRunApplication, "Local: C:\\A\".EXE"}, "Start \"\" \""},
    };
    for (const auto& [action, failedLine] : rows) {
        test::writeBytes(path, "the previous run's file, longer than the new one\r\n");
        const auto result = WriteTemporaryScript(
            path, listOf({{kind::kMapDrive, "Map \\\\F\\A as G:\\"}, action, {kind::kOther, "x"}}));
        EXPECT_EQ(result.written, failedLine.empty());
        EXPECT_EQ(result.failedLine, failedLine);
        EXPECT_EQ(readBytes(path), failedLine.empty()
                                       ? crlf({"NET USE G: \\\\F\\A", "",
                                               "type \"\\\\F\\MOTD.TXT\"", "pause", "", "x", ""})
                                       : crlf({"NET USE G: \\\\F\\A", ""}));
    }
    EXPECT_EQ(run_messages::scriptWriteFailed("NET USE H: ", path),
              "An error occurred while writing the line NET USE H:  to the file " + path + ".");
    EXPECT_EQ(run_messages::scriptStartFailed("/opt/kestrune/temp.bat"),
              "An error occurred while attempting to execute the temporary file, "
              "\r/opt/kestrune/temp.bat.");
}

// Neither a missing folder nor a link planted where the file goes is written through.
TEST(TrialRun, TemporaryScriptThatCantBeOpened) {
    test::TempDir dir;
    const auto link = dir.file("temp.bat");
    test::writeBytes(dir.file("precious.txt"), "keep");
    std::filesystem::create_symlink(dir.file("precious.txt"), link);
    for (const auto& path : {dir.file("missing/temp.bat"), link}) {
        const auto result = WriteTemporaryScript(path, listOf({{kind::kOther, "del *.*"}}));
        EXPECT_FALSE(result.written);
        EXPECT_EQ(result.failedLine, "");
    }
    EXPECT_EQ(readBytes(dir.file("precious.txt")), "keep");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
}

}  // namespace
}  // namespace kestrune
