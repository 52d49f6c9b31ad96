#include <gtest/gtest.h>

#include "core/action.h"
#include "files/script_format.h"
#include "support/test_text.h"

namespace kestrune {
namespace {

using test::crlf;
using test::listOf;

const std::string kHeader = crlf({"@echo off", "", "rem - Created with Kestrune", ""});

TEST(ScriptWriter, WritesTheWholeExampleByteForByte) {
    const auto list = listOf({
        {kind::kMapDrive, "Map \\\\FILES\\APPS as G:\\"},
        {kind::kMapDrive, "Map home directory on the logon server as next available drive "},
        {kind::kMapPrinter, "Map printer \\\\PRINT\\LASER on LPT2"},
        {kind::kRunApplication, "Remote: \\\\APPS\\TOOLS\\SETUP.EXE"},
        {kind::kMergeRegistry, "Remote: \\\\FILES\\NETLOGON\\POLICY.REG"},
        {kind::kDisplayMessage, "Display message from \\\\FILES\\NETLOGON\\MOTD.TXT"},
        {kind::kOther, "echo Welcome"},
    });
    const auto file = renderScript(list);
    EXPECT_FALSE(file.failedRow);
    EXPECT_EQ(file.bytes, kHeader + crlf({"NET USE G: \\\\FILES\\APPS", "", "NET USE * /HOME", "",
                                          "NET USE LPT2 \\\\PRINT\\LASER", "",
                                          "Start \"\" \"\\\\APPS\\TOOLS\\SETUP.EXE\"", "",
                                          "Start \"\" \"\\\\FILES\\NETLOGON\\POLICY.REG\"", "",
                                          "type \"\\\\FILES\\NETLOGON\\MOTD.TXT\"", "pause", "",
                                          "echo Welcome", ""}));
}

struct LineCase {
    std::string_view kind;
    const char* details;
    std::string lines;
};

class ScriptLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(ScriptLineTest, WritesTheCommandLines) {
    const Action action{std::string(GetParam().kind), GetParam().details, "", ""};
    std::string out;
    EXPECT_TRUE(appendScriptLines(action, out));
    EXPECT_EQ(out, GetParam().lines) << GetParam().details;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ScriptLineTest,
    testing::Values(LineCase{kind::kMapDrive, "Map home directory on the logon server as H:\\",
                             crlf({"NET USE H: /HOME"})},
                    LineCase{kind::kMapDrive, "Map \\\\FILES\\APPS as next available drive ",
                             crlf({"NET USE * \\\\FILES\\APPS"})},
                    LineCase{kind::kMapDrive, "Map \\\\SRV\\MY DATA as G:\\",
                             crlf({"NET USE G: \"\\\\SRV\\MY DATA\""})},
                    LineCase{kind::kMapDrive, "Map \\\\FILES\\R&D as G:\\",
                             crlf({"NET USE G: \"\\\\FILES\\R&D\""})},
                    LineCase{kind::kMapDrive, "Map \\\\F\\A|B<C>D as G:\\",
                             crlf({"NET USE G: \"\\\\F\\A|B<C>D\""})},
                    LineCase{kind::kMapPrinter, "Map printer \\\\P\\Q^(2) on LPT1",
                             crlf({"NET USE LPT1 \"\\\\P\\Q^(2)\""})},
                    LineCase{kind::kMapDrive, "Map \\\\F\\A\tB as G:\\",
                             crlf({"NET USE G: \"\\\\F\\A\tB\""})},
                    LineCase{kind::kMapPrinter, "Map printer \\\\PRINT\\LASER",
                             crlf({"NET USE \\\\PRINT\\LASER"})},
                    LineCase{kind::kMapPrinter, "Map printer \\\\PRINT\\LASER on LPT10",
                             crlf({"NET USE \\\\PRINT\\LASER"})},
                    LineCase{kind::kMapPrinter, "Map \\\\print\\laser on LPT2",
                             crlf({"NET USE LPT2 \\\\PRINT\\LASER"})},
                    LineCase{kind::kMapPrinter, "Map printer \\\\PRN\\BIG LASER on LPT1",
                             crlf({"NET USE LPT1 \"\\\\PRN\\BIG LASER\""})},
                    LineCase{kind::kMergeRegistry, "Local: C:\\TOOLS\\SETUP.REG",
                             crlf({"Start \"\" \"C:\\TOOLS\\SETUP.REG\""})},
                    LineCase{kind::kRunApplication, "Local: C:\\WINDOWS\\NOTEPAD.EXE",
                             crlf({"Start \"\" \"C:\\WINDOWS\\NOTEPAD.EXE\""})},
                    LineCase{kind::kOther, "echo \"%USERNAME%\" is 100% here",
                             crlf({"echo \"%USERNAME%\" is 100% here"})},
                    LineCase{kind::kOther, "set PFX=Hello ", crlf({"set PFX=Hello "})},
                    LineCase{kind::kOther, "  b", crlf({"  b"})},
                    LineCase{"Unknown", "anything", ""}));

TEST(ScriptWriter, EmptyListWritesOnlyTheHeader) {
    EXPECT_EQ(renderScript(ActionList{}).bytes, kHeader);
}

TEST(ScriptWriter, FirstLineIsWhatTryingAnActionStarts) {
    EXPECT_EQ(firstScriptLine({std::string(kind::kDisplayMessage),
                               "Display message from C:\\MOTD.TXT", "", ""}),
              "type \"C:\\MOTD.TXT\"");
    EXPECT_EQ(firstScriptLine({std::string(kind::kMapDrive), "Map FILES as G:\\", "", ""}),
              std::nullopt);
}

// No share, or a share or path that a double quote would break out of its quotes.
TEST(ScriptWriter, StopsAtAnActionItCannotWrite) {
    for (const auto& [kind, details] : std::initializer_list<test::KindAndDetails>{
             {kind::kMapDrive, "Map FILES\\APPS as G:\\"},
             {kind::kMapDrive, "Map \\\\F\\A\" & calc & \" as G:\\"},
             {kind::kMapPrinter, "Map printer  on LPT3"},
             {kind::kMapPrinter, "Map printer \\\\P\\\"Q on LPT1"},
             {kind::kRunApplication, "Local: C:\\A\".EXE"},
             {kind::kMergeRegistry, "Remote: \\\\S\\X\".REG"},
             {kind::kDisplayMessage, "Display message from C:\\M\".TXT"}}) {
        const auto file = renderScript(listOf({{kind::kOther, "echo 1"}, {kind, details}}));
        EXPECT_EQ(file.failedRow, 1U) << details;
    }
}

// A line ending in "^" goes on in the next line: no empty line comes between them, nor
// after an empty line whose end the "^" escaped.
TEST(ScriptWriter, NoEmptyLineAfterAContinuedLine) {
    const auto list = listOf({{kind::kOther, "echo a^"},
                              {kind::kOther, "  b"},
                              {kind::kOther, "set LF=^"},
                              {kind::kOther, ""},
                              {kind::kOther, ""},
                              {kind::kOther, "echo ^^"},
                              {kind::kOther, "echo ^ "},
                              {kind::kOther, "x"}});
    EXPECT_EQ(renderScript(list).bytes, kHeader + crlf({"echo a^", "  b", "", "set LF=^", "", "",
                                                        "", "echo ^^", "echo ^ ", "", "x", ""}));
}

}  // namespace
}  // namespace kestrune
