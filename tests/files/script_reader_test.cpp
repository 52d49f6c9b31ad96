#include <gtest/gtest.h>

#include <vector>

#include "core/action.h"
#include "files/script_format.h"
#include "support/test_text.h"

namespace kestrune {
namespace {

using test::crlf;
using test::Shown;

std::vector<Shown> read(std::string_view bytes) {
    ActionList list;
    ItemKeySource keys(3);
    EXPECT_TRUE(parseScript(bytes, list, keys).ok());
    return test::shown(list);
}

Shown other(const char* line) {
    return {"Other", "imgOther", line};
}

struct LineCase {
    const char* line;
    Shown action;
};

class ScriptLineReadTest : public testing::TestWithParam<LineCase> {};

TEST_P(ScriptLineReadTest, TakesTheLineApart) {
    EXPECT_EQ(read(GetParam().line), std::vector<Shown>{GetParam().action}) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Recognised, ScriptLineReadTest,
    testing::Values(
        LineCase{"NET USE G: \\\\FILES\\APPS",
                 {"Map Drive", "imgDrive", "Map \\\\FILES\\APPS as G:\\"}},
        LineCase{"net use * \\\\files\\apps",
                 {"Map Drive", "imgDrive", "Map \\\\FILES\\APPS as next available drive"}},
        LineCase{"  net use \\\\files\\apps  ",
                 {"Map Drive", "imgDrive", "Map \\\\FILES\\APPS as next available drive"}},
        LineCase{"NET USE H: /HOME",
                 {"Map Drive", "imgHome", "Map home directory on logon server as H:\\"}},
        LineCase{
            "NET USE * /HOME",
            {"Map Drive", "imgHome", "Map home directory on logon server as next available drive"}},
        LineCase{"NET USE LPT2 \\\\PRINT\\LASER",
                 {"Map Printer", "imgPrint", "Map \\\\PRINT\\LASER on LPT2"}},
        LineCase{"net use lpt1: \\\\print\\laser",
                 {"Map Printer", "imgPrint", "Map \\\\PRINT\\LASER on LPT1"}},
        LineCase{"net use g: \\\\print\\lpt",
                 {"Map Drive", "imgDrive", "Map \\\\PRINT\\LPT as G:\\"}},
        LineCase{"Start \"\\\\APPS\\SETUP.EXE\"",
                 {"Run Application", "imgApp", "Remote: \\\\APPS\\SETUP.EXE"}},
        LineCase{"Start \"\" \"\\\\APPS\\SETUP.EXE\"",
                 {"Run Application", "imgApp", "Remote: \\\\APPS\\SETUP.EXE"}},
        LineCase{"start \"c:\\tools\\setup.reg\"",
                 {"Merge Registry", "imgReg", "Local: C:\\TOOLS\\SETUP.REG"}},
        // Without quotes nothing is cut off the path.
        LineCase{"start \\\\s\\policy.reg",
                 {"Merge Registry", "imgReg", "Remote: \\\\S\\POLICY.REG"}},
        LineCase{"start c:\\windows\\notepad.exe",
                 {"Run Application", "imgApp", "Local: C:\\WINDOWS\\NOTEPAD.EXE"}},
        LineCase{"type \\\\files\\motd.txt", other("type \\\\files\\motd.txt")},
        // Everything else is kept as it stands, in its own case.
        LineCase{"NET USE G: /DELETE", other("NET USE G: /DELETE")},
        LineCase{"echo Hello World", other("echo Hello World")},
        LineCase{"net use T: \\\\FILES\\TEMP /PERSISTENT:NO",
                 other("net use T: \\\\FILES\\TEMP /PERSISTENT:NO")},
        LineCase{"net use h: /home \\\\srv\\users", other("net use h: /home \\\\srv\\users")},
        LineCase{"net use lpt1 printer", other("net use lpt1 printer")},
        LineCase{"net use lpt12 \\\\p\\q", other("net use lpt12 \\\\p\\q")},
        LineCase{"net use /persistent:no", other("net use /persistent:no")},
        LineCase{"net user bob \\\\srv", other("net user bob \\\\srv")},
        // A share in quotes, as the writer puts one with blanks or "&" in them.
        LineCase{"NET USE G: \"\\\\SRV\\MY DATA\"",
                 {"Map Drive", "imgDrive", "Map \\\\SRV\\MY DATA as G:\\"}},
        LineCase{"net use lpt1: \"\\\\srv\\big laser\"",
                 {"Map Printer", "imgPrint", "Map \\\\SRV\\BIG LASER on LPT1"}},
        LineCase{"net use \"\\\\files\\r&d\"",
                 {"Map Drive", "imgDrive", "Map \\\\FILES\\R&D as next available drive"}},
        LineCase{"\xEF\xBB\xBFnet use g: \\\\f\\a",
                 {"Map Drive", "imgDrive", "Map \\\\F\\A as G:\\"}},
        // Bare, cmd.exe acts on these characters; a double quote is no part of a path.
        LineCase{"net use g: \\\\files\\r&d", other("net use g: \\\\files\\r&d")},
        LineCase{"net use g: \\\\srv\\x>nul", other("net use g: \\\\srv\\x>nul")},
        LineCase{"net use g: \\\\srv\\a\"b", other("net use g: \\\\srv\\a\"b")},
        LineCase{"net use g: \"\\\\srv\\a\"b\"", other("net use g: \"\\\\srv\\a\"b\"")},
        LineCase{"net use g: \"\\\\srv\\x \"", other("net use g: \"\\\\srv\\x \"")},
        LineCase{"start c:\\a&b.exe", other("start c:\\a&b.exe")},
        // FOR variables are case-sensitive: such lines are never taken apart.
        LineCase{"for %%u in (a b) do net use x: \\\\srv\\%%u",
                 other("for %%u in (a b) do net use x: \\\\srv\\%%u")},
        LineCase{"    net use x: \\\\srv\\%%U", other("net use x: \\\\srv\\%%U")},
        LineCase{"start C:\\tools\\%%f.exe", other("start C:\\tools\\%%f.exe")},
        LineCase{"net use g: \\\\srv\\%~1", other("net use g: \\\\srv\\%~1")},
        // A trailing blank may belong to the value a line sets.
        LineCase{"\t set PFX=Hello ", other("set PFX=Hello ")},
        LineCase{"net use g: \\\\srv\\x^", other("net use g: \\\\srv\\x^")},
        LineCase{"start notepad", other("start notepad")},
        LineCase{"start \"Title\" \"c:\\x.exe\"", other("start \"Title\" \"c:\\x.exe\"")},
        LineCase{"start \"c:\\x.exe\" /quiet", other("start \"c:\\x.exe\" /quiet")},
        LineCase{"startup.cmd \\\\srv\\x", other("startup.cmd \\\\srv\\x")},
        LineCase{"typeperf \\\\SRV\\X", other("typeperf \\\\SRV\\X")},
        LineCase{"type motd.txt", other("type motd.txt")},
        LineCase{"REM Drive mappings", other("REM Drive mappings")},
        LineCase{"rename a.txt b.txt", other("rename a.txt b.txt")},
        LineCase{"pause", other("pause")}));

TEST(ScriptReader, SkipsHeaderBannerAndBlankLines) {
    EXPECT_EQ(read(crlf({"@ECHO OFF", "", "   ", "rem - Created with Kestrune", "\t", "cls"})),
              std::vector<Shown>{other("cls")});
    EXPECT_TRUE(read("").empty());
    EXPECT_TRUE(read("@echo off").empty());
}

TEST(ScriptReader, OnlyTheFirstEchoOffBeforeAnyCommandIsTheHeader) {
    EXPECT_TRUE(read("\xEF\xBB\xBF@echo off\r\n").empty());
    EXPECT_EQ(read(crlf({"rem x", "@echo off", "@echo on", "@echo off", "@ECHO OFF"})),
              (std::vector<Shown>{other("rem x"), other("@echo on"), other("@echo off"),
                                  other("@ECHO OFF")}));
    EXPECT_EQ(read(crlf({"cls", "@echo off"})),
              (std::vector<Shown>{other("cls"), other("@echo off")}));
}

// The line after one ending in "^" belongs to the same command: it is kept as it stands,
// and after an empty one, whose line end the "^" escaped, the next line as well.
TEST(ScriptReader, ContinuedLinesAreKeptAsTheyStand) {
    EXPECT_EQ(read(crlf({"echo a^", "  b", "  c"})),
              (std::vector<Shown>{other("echo a^"), other("  b"), other("c")}));
    EXPECT_EQ(read(crlf({"set LF=^", "", "", "", "echo x"})),
              (std::vector<Shown>{other("set LF=^"), other(""), other(""), other("echo x")}));
    EXPECT_EQ(read(crlf({"echo a^", "", "  b", ""})),
              (std::vector<Shown>{other("echo a^"), other(""), other("  b")}));
    EXPECT_EQ(read(crlf({"if 1==1 ^", " @echo off ^", "type c:\\m.txt", "pause"})),
              (std::vector<Shown>{other("if 1==1 ^"), other(" @echo off ^"),
                                  other("type c:\\m.txt"), other("pause")}));
    EXPECT_EQ(read(crlf({"type c:\\m.txt^", "pause^", "x"})),
              (std::vector<Shown>{other("type c:\\m.txt^"), other("pause^"), other("x")}));
}

TEST(ScriptReader, AMessageIsTypeAndPause) {
    const Shown message{"Display Message", "imgMotd", "Display message from C:\\M.TXT"};
    EXPECT_EQ(read(crlf({"type \"C:\\M.TXT\"", "  PAUSE ", "pause"})),
              (std::vector<Shown>{message, other("pause")}));
    // Without its pause a type line is kept as it stands: saving adds no pause.
    EXPECT_EQ(read(crlf({"type \"C:\\M.TXT\"", "type \"C:\\M.TXT\"", "pause", "echo x"})),
              (std::vector<Shown>{other("type \"C:\\M.TXT\""), message, other("echo x")}));
    EXPECT_EQ(read(crlf({"type \"C:\\M.TXT\"", "", "pause"})),
              (std::vector<Shown>{other("type \"C:\\M.TXT\""), other("pause")}));
    EXPECT_EQ(read("type \\\\files\\motd.txt\npause"),
              (std::vector<Shown>{
                  {"Display Message", "imgMotd", "Display message from \\\\FILES\\MOTD.TXT"}}));
    EXPECT_EQ(read("cls\ntype \"C:\\M.TXT\""),
              (std::vector<Shown>{other("cls"), other("type \"C:\\M.TXT\"")}));
}

TEST(ScriptReader, ReadsWhatTheWriterWroteIntoTheDocumentedForms) {
    const auto actions =
        read(crlf({"@echo off", "", "rem - Created with Kestrune", "", "NET USE * /HOME", "",
                   "NET USE LPT2 \\\\PRINT\\LASER", "", "Start \"\" \"\\\\FILES\\POLICY.REG\"", "",
                   "type \"\\\\FILES\\MOTD.TXT\"", "pause", "", "ECHO Welcome", ""}));
    EXPECT_EQ(
        actions,
        (std::vector<Shown>{
            {"Map Drive", "imgHome", "Map home directory on logon server as next available drive"},
            {"Map Printer", "imgPrint", "Map \\\\PRINT\\LASER on LPT2"},
            {"Merge Registry", "imgReg", "Remote: \\\\FILES\\POLICY.REG"},
            {"Display Message", "imgMotd", "Display message from \\\\FILES\\MOTD.TXT"},
            other("ECHO Welcome")}));
}

// A hand-written script, read and written again, keeps every command it had.
TEST(ScriptReader, HandWrittenScriptKeepsItsWords) {
    const std::string script =
        crlf({"@echo off", "REM Accounts", "net use T: \\\\F\\T /persistent:no",
              "NET USE G: \\\\F\\APPS", "start \"c:\\x.exe\" /quiet", "echo Hello World",
              "type \"\\\\F\\MOTD.TXT\"", "pause"});
    ActionList list;
    ItemKeySource keys(1);
    ASSERT_TRUE(parseScript(script, list, keys).ok());
    EXPECT_EQ(renderScript(list).bytes,
              crlf({"@echo off", "", "rem - Created with Kestrune", "", "REM Accounts", "",
                    "net use T: \\\\F\\T /persistent:no", "", "NET USE G: \\\\F\\APPS", "",
                    "start \"c:\\x.exe\" /quiet", "", "echo Hello World", "",
                    "type \"\\\\F\\MOTD.TXT\"", "pause", ""}));
}

TEST(ScriptReader, ScriptRoundTripIsStable) {
    ActionList list;
    ItemKeySource keys(1);
    ASSERT_TRUE(parseScript(crlf({"net use lpt3: \\\\p\\q", "start c:\\a.reg", "net use \\\\s\\x",
                                  "NET USE H: /HOME", "type c:\\m.txt", "dir", "a^", "", "", "b^",
                                  "", "c", "d^", "  e ", "NET USE * \"\\\\S\\(X)\""}),
                            list, keys)
                    .ok());
    const std::string once = renderScript(list).bytes;
    ActionList again;
    ASSERT_TRUE(parseScript(once, again, keys).ok());
    EXPECT_EQ(renderScript(again).bytes, once);
}

}  // namespace
}  // namespace kestrune
