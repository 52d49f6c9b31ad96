#include <gtest/gtest.h>

#include <vector>

#include "core/action.h"
#include "files/template_format.h"
#include "support/test_text.h"

namespace kestrune {
namespace {

using test::crlf;
using test::Shown;
using test::shown;

struct Read {
    FileResult result;
    ActionList list;
};

Read parse(std::string_view bytes, std::string_view path = "C:\\S\\START.LST") {
    Read read;
    ItemKeySource keys(7);
    read.result = parseTemplate(bytes, path, read.list, keys);
    return read;
}

const std::string kHead = crlf({"// Logon Script Template File", ""});

TEST(TemplateReader, ReadsEverySectionKind) {
    const auto read = parse(kHead + crlf({"[map]",
                                          "remote=\\\\files\\apps",
                                          "local=G",
                                          "",
                                          "[home]",
                                          "local=H",
                                          "",
                                          "[printer]",
                                          "remote=\\\\PRINT\\LASER",
                                          "port=2",
                                          "",
                                          "[app]",
                                          "remote=\\\\apps\\tools\\setup.exe",
                                          "",
                                          "[reg]",
                                          "local=c:\\policy.reg",
                                          "",
                                          "[motd]",
                                          "local=\\\\FILES\\NETLOGON\\MOTD.TXT",
                                          "",
                                          "[other]",
                                          "command=echo Welcome",
                                          ""}));
    ASSERT_TRUE(read.result.ok()) << read.result.message;
    EXPECT_EQ(
        shown(read.list),
        (std::vector<Shown>{
            {"Map Drive", "imgDrive", "Map \\\\FILES\\APPS as G:\\ "},
            {"Map Drive", "imgHome", "Map home directory on the logon server as H:\\ "},
            {"Map Printer", "imgPrint", "Map printer \\\\PRINT\\LASER on LPT2"},
            {"Run Application", "imgApp", "Remote: \\\\APPS\\TOOLS\\SETUP.EXE"},
            {"Merge Registry", "imgReg", "Local: C:\\POLICY.REG"},
            {"Display Message", "imgMotd", "Display message from \\\\FILES\\NETLOGON\\MOTD.TXT"},
            {"Other", "imgOther", "echo Welcome"},
        }));
}

struct SectionCase {
    const char* name;
    std::string body;
    std::vector<Shown> actions;
};

class TemplateSectionReadTest : public testing::TestWithParam<SectionCase> {};

TEST_P(TemplateSectionReadTest, ReadsTheSections) {
    const auto read = parse(kHead + GetParam().body);
    ASSERT_TRUE(read.result.ok()) << read.result.message;
    EXPECT_EQ(shown(read.list), GetParam().actions);
}

INSTANTIATE_TEST_SUITE_P(
    Tolerance, TemplateSectionReadTest,
    testing::Values(
        SectionCase{"NextAvailableDrive",
                    crlf({"[map]", "remote=\\\\A\\B", "local=*"}),
                    {{"Map Drive", "imgDrive", "Map \\\\A\\B as next available drive"}}},
        SectionCase{"UpperCaseHeader",
                    crlf({"[MAP]", "remote=\\\\A\\B", "local=G"}),
                    {{"Map Drive", "imgDrive", "Map \\\\A\\B as G:\\ "}}},
        SectionCase{"HeaderWithBlankIsSkipped", crlf({"[map] ", "remote=\\\\A\\B", "local=G"}), {}},
        SectionCase{"CommentsAndUnknownHeadersAreSkipped",
                    crlf({"; note", "[colours]", "remote=\\\\X\\Y", "", "[other]", "command=cls"}),
                    {{"Other", "imgOther", "cls"}}},
        // The key is what stands before "=": values never change a line's key.
        SectionCase{"ShareNamedLocal",
                    crlf({"[map]", "remote=\\\\SRV\\LOCAL", "local=G"}),
                    {{"Map Drive", "imgDrive", "Map \\\\SRV\\LOCAL as G:\\ "}}},
        SectionCase{"LocalPathHoldingRem",
                    crlf({"[app]", "local=C:\\PREMIER\\APP.EXE"}),
                    {{"Run Application", "imgApp", "Local: C:\\PREMIER\\APP.EXE"}}},
        SectionCase{"PrinterPortWithBlanks",
                    crlf({"[printer]", "remote=\\\\P\\Q", "port= 03"}),
                    {{"Map Printer", "imgPrint", "Map printer \\\\P\\Q on LPT3"}}},
        SectionCase{"PrinterBlankPort",
                    crlf({"[printer]", "remote=\\\\P\\Q", "port=  "}),
                    {{"Map Printer", "imgPrint", "Map printer \\\\P\\Q"}}},
        SectionCase{
            "EmptyMotd",
            crlf({"[motd]", ""}),
            {{"Display Message", "imgMotd", "Display message from ERROR READING TEMPLATE"}}},
        SectionCase{"HomeWithoutDrive",
                    crlf({"[home]", "remote=\\\\SRV", "   "}),
                    {{"Map Drive", "imgHome",
                      "Map home directory on the logon server as next available drive"}}},
        // Hand-edited files have blanks on the line between sections.
        SectionCase{
            "BlankOnlySeparators",
            crlf({"[map]", "remote=\\\\A\\B", "local=G", " ", "[printer]", "remote=\\\\P\\Q", "\t",
                  "[motd]", "local=C:\\M.TXT", "  ", "[other]", "command=cls"}),
            {{"Map Drive", "imgDrive", "Map \\\\A\\B as G:\\ "},
             {"Map Printer", "imgPrint", "Map printer \\\\P\\Q"},
             {"Display Message", "imgMotd", "Display message from C:\\M.TXT"},
             {"Other", "imgOther", "cls"}}},
        SectionCase{"EmptyDriveIsNextAvailable",
                    crlf({"[map]", "remote=\\\\A\\B", "local=", "", "[home]", "local= "}),
                    {{"Map Drive", "imgDrive", "Map \\\\A\\B as next available drive"},
                     {"Map Drive", "imgHome",
                      "Map home directory on the logon server as next available drive"}}},
        // The script writer refuses these; the template keeps them as they are.
        SectionCase{"QuoteInShare",
                    crlf({"[map]", "remote=\\\\A\\\"B", "local=G", "", "[printer]", "port=3"}),
                    {{"Map Drive", "imgDrive", "Map \\\\A\\\"B as G:\\ "},
                     {"Map Printer", "imgPrint", "Map printer  on LPT3"}}},
        SectionCase{"OtherKeepsItsBlanks",
                    crlf({"[other]", "command=  echo b ", "", "[other]", "command=set X=1\t"}),
                    {{"Other", "imgOther", "  echo b "}, {"Other", "imgOther", "set X=1\t"}}},
        SectionCase{"OtherTakesOneLineWhole",
                    crlf({"[other]", "echo hello", "[other]", "command=x=y"}),
                    {{"Other", "imgOther", "echo hello"}, {"Other", "imgOther", "x=y"}}},
        // Without the empty line the next header belongs to the section before it.
        SectionCase{
            "MissingSeparator",
            crlf({"[map]", "remote=\\\\A\\B", "local=G", "[other]", "command=cls", "", "[other]",
                  "command=dir"}),
            {{"Map Drive", "imgDrive", "Map \\\\A\\B as G:\\ "}, {"Other", "imgOther", "dir"}}},
        SectionCase{
            "LfAndCrLineEnds",
            "[map]\nremote=\\\\A\\B\nlocal=G\n\n[other]\rcommand=cls\r",
            {{"Map Drive", "imgDrive", "Map \\\\A\\B as G:\\ "}, {"Other", "imgOther", "cls"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TemplateReader, AcceptsTheMarkerAnywhereInTheFirstLine) {
    EXPECT_TRUE(parse("Logon Script Template File\r\n").result.ok());
    EXPECT_TRUE(parse("x Logon Script Template File x").result.ok());
}

TEST(TemplateReader, Failures) {
    const auto invalid = parse("// logon script template file\r\n[other]\r\ncommand=cls\r\n");
    EXPECT_EQ(invalid.result.status, FileStatus::InvalidFormat);
    EXPECT_EQ(invalid.result.message, "Invalid file format.");
    EXPECT_TRUE(invalid.list.empty());

    const auto empty = parse("", "C:\\E.LST");
    EXPECT_EQ(empty.result.status, FileStatus::Failed);
    EXPECT_EQ(empty.result.message,
              "An unexpected error occurred while reading the file C:\\E.LST.\r\rLine: "
              "\r\rError: 62\rInput past end of file");

    // "[other]" on the last line: its one line is missing; what was read stays.
    const auto cut = parse(kHead + crlf({"[other]", "command=cls", "", "[other]"}), "C:\\C.LST");
    EXPECT_EQ(cut.result.status, FileStatus::Failed);
    EXPECT_EQ(cut.result.message,
              "An unexpected error occurred while reading the file C:\\C.LST.\r\rLine: [other]"
              "\r\rError: 62\rInput past end of file");
    EXPECT_EQ(shown(cut.list), (std::vector<Shown>{{"Other", "imgOther", "cls"}}));
}

TEST(TemplateReader, ReplacesTheListAndKeysEveryEntry) {
    Read read = parse(kHead + crlf({"[other]", "command=a", "", "[other]", "command=a"}));
    ASSERT_EQ(read.list.size(), 2U);
    EXPECT_TRUE(read.list[0].itemKey.starts_with("a"));
    EXPECT_GT(read.list[0].itemKey.size(), 1U);
    ItemKeySource keys(1);
    EXPECT_TRUE(parseTemplate(kHead, "x", read.list, keys).ok());
    EXPECT_TRUE(read.list.empty());
}

// What the program writes, it reads back the same, and writes again byte for byte.
TEST(TemplateReader, RoundTripsItsOwnFiles) {
    const auto first = parse(kHead + crlf({"[map]",
                                           "remote=\\\\SRV\\MY DATA",
                                           "local=*",
                                           "",
                                           "[map]",
                                           "remote=\\\\SRV\\LOCAL",
                                           "local=G",
                                           "",
                                           "[home]",
                                           "local=H",
                                           "",
                                           "[printer]",
                                           "remote=\\\\P\\Q",
                                           "port=9",
                                           "",
                                           "[app]",
                                           "local=C:\\PREMIER\\APP.EXE",
                                           "",
                                           "[reg]",
                                           "remote=\\\\S\\X.REG",
                                           "",
                                           "[motd]",
                                           "local=C:\\M.TXT",
                                           "",
                                           "[other]",
                                           "command=echo 50% = half",
                                           ""}));
    ASSERT_TRUE(first.result.ok());
    const std::string written = renderTemplate(first.list).bytes;
    const auto second = parse(written);
    EXPECT_EQ(shown(second.list), shown(first.list));
    EXPECT_EQ(renderTemplate(second.list).bytes, written);
}

}  // namespace
}  // namespace kestrune
