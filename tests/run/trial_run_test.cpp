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

struct CommandCase {
    std::string_view kind;
    const char* details;
    std::optional<std::string> line;
};

class ActionCommandLineTest : public testing::TestWithParam<CommandCase> {};

TEST_P(ActionCommandLineTest, IsTheScriptsFirstLine) {
    const Action action{std::string(GetParam().kind), GetParam().details, "", ""};
    EXPECT_EQ(ActionCommandLine(action), GetParam().line) << GetParam().details;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ActionCommandLineTest,
    testing::Values(
        CommandCase{kind::kMapDrive, "Map \\\\FILES\\APPS as G:\\", "NET USE G: \\\\FILES\\APPS"},
        CommandCase{kind::kMapDrive,
                    "Map home directory on the logon server as next available drive ",
                    "NET USE * /HOME"},
        CommandCase{kind::kMapDrive, "Map FILES as G:\\", std::nullopt},
        CommandCase{kind::kMapPrinter, "Map printer \\\\P\\Q on LPT1", "NET USE LPT1 \\\\P\\Q"},
        CommandCase{kind::kRunApplication, "Remote: \\\\S\\X.EXE", "Start \"\" \"\\\\S\\X.EXE\""},
        CommandCase{kind::kMergeRegistry, "Local: C:\\X.REG", "Start \"\" \"C:\\X.REG\""},
        CommandCase{kind::kDisplayMessage, "Display message from C:\\M.TXT", "type \"C:\\M.TXT\""},
        CommandCase{kind::kOther, " notepad.exe ", "notepad.exe"},
        CommandCase{kind::kMapDrive, "Map \\\\F\\A\" & calc & \" as G:\\", std::nullopt},
        CommandCase{kind::kMapPrinter, "Map printer  on LPT3", std::nullopt},
        CommandCase{kind::kDisplayMessage, "Display message from C:\\M\".TXT", std::nullopt},
        CommandCase{kind::kOther, "", std::nullopt},
        CommandCase{"Frobnicate", "notepad.exe", std::nullopt}));

TEST(TemporaryScript, HoldsTheLinesWithoutHeader) {
    test::TempDir dir;
    const auto path = dir.file("temp.bat");
    const auto list =
        listOf({{kind::kMapDrive, "Map \\\\FILES\\APPS as G:\\"},
                {kind::kDisplayMessage, "Display message from \\\\FILES\\NETLOGON\\MOTD.TXT"}});
    EXPECT_TRUE(WriteTemporaryScript(path, list).written);
    EXPECT_EQ(test::readBytes(path), crlf({"NET USE G: \\\\FILES\\APPS", "",
                                           "type \"\\\\FILES\\NETLOGON\\MOTD.TXT\"", "pause", ""}));

    EXPECT_TRUE(WriteTemporaryScript(path, ActionList{}).written);
    EXPECT_EQ(test::readBytes(path), "");
}

TEST(TemporaryScript, AnActionThatCantBeBuiltStopsTheFileAtItsLine) {
    struct Row {
        Action failing;
        std::string line;  // as far as it had been built
    };
    const Row rows[] = {
        {{std::string(kind::kMapDrive), " Map NOSHARE as H:\\ ", "", ""}, "NET USE H: "},
        {{std::string(kind::kMapDrive), "Map NOSHARE as next available drive ", "", ""},
         "NET USE * "},
        {{std::string(kind::kMapPrinter), "LASER on LPT3", "", ""}, "NET USE LPT3 "},
        {{std::string(kind::kMapDrive), "Map \\\\A\\B\" as G:\\", "", ""}, "NET USE G: "},
        {{std::string(kind::kRunApplication), "Local: C:\\A\".EXE", "", ""}, "Start \"\" \""},
    };
    test::TempDir dir;
    const auto path = dir.file("temp.bat");
    for (const Row& row : rows) {
        test::writeBytes(path, "the previous run's file, longer than the new one\r\n");
        ActionList list = listOf({{kind::kOther, "cls"}});
        list.append(row.failing);
        list.append(Action{std::string(kind::kOther), "echo after", "", ""});
        const auto result = WriteTemporaryScript(path, list);
        EXPECT_FALSE(result.written) << row.failing.details;
        EXPECT_EQ(result.failedLine, row.line);
        EXPECT_EQ(test::readBytes(path), crlf({"cls", ""})) << row.failing.details;
    }
}

TEST(TemporaryScript, AFileThatCantBeOpenedOrIsALinkIsNotWritten) {
    test::TempDir dir;
    const auto folder = dir.file("missing/temp.bat");
    const auto unwritable = WriteTemporaryScript(folder, ActionList{});
    EXPECT_FALSE(unwritable.written);
    EXPECT_EQ(run_messages::scriptWriteFailed(unwritable.failedLine, folder),
              "An error occurred while writing the line  to the file " + folder + ".");
    EXPECT_EQ(run_messages::scriptStartFailed("/opt/kestrune/temp.bat"),
              "An error occurred while attempting to execute the temporary file, "
              "\r/opt/kestrune/temp.bat.");

    // A link planted where the file goes is refused, and what it names is left alone.
    const auto target = dir.file("precious.txt");
    test::writeBytes(target, "keep");
    const auto link = dir.file("temp.bat");
    std::error_code error;
    std::filesystem::create_symlink(target, link, error);
    if (error) {
        GTEST_SKIP() << "no symbolic links here: " << error.message();
    }
    const auto planted = WriteTemporaryScript(link, listOf({{kind::kOther, "del *.*"}}));
    EXPECT_FALSE(planted.written);
    EXPECT_EQ(planted.failedLine, "");
    EXPECT_EQ(test::readBytes(target), "keep");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
}

}  // namespace
}  // namespace kestrune
