#include "core/document.h"

#include <gtest/gtest.h>

#include "files/document_reader.h"

namespace kestrune {
namespace {

TEST(Document, PathRules) {
    EXPECT_EQ(FileNameFromPath("C:\\A\\ b.lst "), "b.lst");
    EXPECT_EQ(FileNameFromPath("/home/admin/scripts/logon.bat"), "logon.bat");
    EXPECT_EQ(FileNameFromPath("C:\\A\\"), "");
    EXPECT_TRUE(NamesFile("C:\\S\\START.LST"));
    EXPECT_TRUE(NamesFile("/srv/netlogon/start.lst"));
    EXPECT_FALSE(NamesFile(kBlankTemplate));
    EXPECT_FALSE(NamesFile("\\\\SERVER\\NETLOGON\\START.LST"));

    EXPECT_TRUE(IsBatchDocument("C:\\S\\START.Bat"));
    EXPECT_FALSE(IsBatchDocument("C:\\S\\START.BAT "));
    EXPECT_TRUE(IsBatchDocument("C:\\S\\LOGON.CMD"));
    EXPECT_FALSE(IsBatchDocument("C:\\S\\LOGON.CMDX"));

    EXPECT_FALSE(IsTemplatePath("\"C:\\My Scripts\\a.lst\""));
    // Read by one rule wherever the name comes from: dialog, recent files, command line, cli.
    EXPECT_EQ(ReadFormatOf(" C:\\S\\START.LST "), DocumentFormat::Template);
    EXPECT_EQ(ReadFormatOf("C:\\S\\START.TXT"), DocumentFormat::Script);
    EXPECT_EQ(ReadFormatOf("C:\\S\\START.TXT", true), DocumentFormat::Template);
}

}  // namespace
}  // namespace kestrune
