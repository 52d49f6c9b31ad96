#include <gtest/gtest.h>

#include "core/action.h"
#include "files/template_format.h"
#include "support/test_text.h"

namespace kestrune {
namespace {

using test::crlf;
using test::listOf;

TEST(TemplateWriter, WritesTheWholeExampleByteForByte) {
    const auto list = listOf({
        {kind::kMapDrive, "Map \\\\FILES\\APPS as G:\\"},
        {kind::kMapDrive, "Map home directory on the logon server as H:\\"},
        {kind::kMapPrinter, "Map printer \\\\PRINT\\LASER on LPT2"},
        {kind::kRunApplication, "Remote: \\\\APPS\\TOOLS\\SETUP.EXE"},
        {kind::kMergeRegistry, "Remote: \\\\FILES\\NETLOGON\\POLICY.REG"},
        {kind::kDisplayMessage, "Display message from \\\\FILES\\NETLOGON\\MOTD.TXT"},
        {kind::kOther, "echo Welcome"},
    });
    const auto file = renderTemplate(list);
    EXPECT_FALSE(file.failedRow);
    EXPECT_EQ(file.bytes, crlf({"// Logon Script Template File",
                                "",
                                "[map]",
                                "remote=\\\\FILES\\APPS",
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
                                "remote=\\\\APPS\\TOOLS\\SETUP.EXE",
                                "",
                                "[reg]",
                                "remote=\\\\FILES\\NETLOGON\\POLICY.REG",
                                "",
                                "[motd]",
                                "local=\\\\FILES\\NETLOGON\\MOTD.TXT",
                                "",
                                "[other]",
                                "command=echo Welcome",
                                ""}));
}

struct SectionCase {
    const char* name;
    std::string_view kind;
    const char* details;
    std::string section;
};

class TemplateSectionTest : public testing::TestWithParam<SectionCase> {};

TEST_P(TemplateSectionTest, WritesTheSection) {
    const auto file = renderTemplate(listOf({{GetParam().kind, GetParam().details}}));
    EXPECT_EQ(file.bytes, crlf({"// Logon Script Template File", ""}) + GetParam().section);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TemplateSectionTest,
    testing::Values(
        SectionCase{"ReaderDriveForm", kind::kMapDrive, "Map \\\\FILES\\APPS as G:\\ ",
                    crlf({"[map]", "remote=\\\\FILES\\APPS", "local=G", ""})},
        SectionCase{"NextAvailable", kind::kMapDrive,
                    "Map \\\\FILES\\APPS as next available drive ",
                    crlf({"[map]", "remote=\\\\FILES\\APPS", "local=*", ""})},
        SectionCase{"ShareWithBlank", kind::kMapDrive, "Map \\\\SRV\\MY DATA as G:\\",
                    crlf({"[map]", "remote=\\\\SRV\\MY DATA", "local=G", ""})},
        SectionCase{"HomeNextAvailable", kind::kMapDrive,
                    "Map home directory on logon server as next available drive",
                    crlf({"[home]", "local=*", ""})},
        SectionCase{"PrinterNoPort", kind::kMapPrinter, "Map printer \\\\PRINT\\LASER",
                    crlf({"[printer]", "remote=\\\\PRINT\\LASER", ""})},
        SectionCase{"PrinterPortTen", kind::kMapPrinter, "Map printer \\\\PRINT\\LASER on LPT10",
                    crlf({"[printer]", "remote=\\\\PRINT\\LASER", ""})},
        SectionCase{"PrinterBatchForm", kind::kMapPrinter, "Map \\\\print\\laser on LPT3",
                    crlf({"[printer]", "remote=\\\\PRINT\\LASER", "port=3", ""})},
        SectionCase{"LocalApp", kind::kRunApplication, "Local: C:\\WINDOWS\\NOTEPAD.EXE",
                    crlf({"[app]", "local=C:\\WINDOWS\\NOTEPAD.EXE", ""})},
        SectionCase{"LocalRegistry", kind::kMergeRegistry, "Local: C:\\TOOLS\\SETUP.REG",
                    crlf({"[reg]", "local=C:\\TOOLS\\SETUP.REG", ""})},
        SectionCase{"OtherKeepsCaseAndBlanks", kind::kOther, "  echo \"100%\" Done  ",
                    crlf({"[other]", "command=  echo \"100%\" Done  ", ""})},
        SectionCase{"UnknownKind", "Frobnicate", "whatever", crlf({""})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TemplateWriter, EmptyListWritesOnlyTheHeader) {
    EXPECT_EQ(renderTemplate(ActionList{}).bytes, crlf({"// Logon Script Template File", ""}));
}

TEST(TemplateWriter, StopsAtAMappingWithoutShare) {
    const auto list = listOf({{kind::kOther, "echo 1"},
                              {kind::kMapDrive, "Map FILES\\APPS as G:\\"},
                              {kind::kOther, "echo 3"}});
    const auto file = renderTemplate(list);
    EXPECT_EQ(file.failedRow, 1U);
    EXPECT_EQ(renderTemplate(listOf({{kind::kMapPrinter, "Map printer  on LPT3"}})).failedRow, 0U);
    const auto error = missingShareError(list, 1);
    EXPECT_EQ(error.description,
              "Action 2 names no network share beginning with \\\\: Map FILES\\APPS as G:\\");
}

}  // namespace
}  // namespace kestrune
