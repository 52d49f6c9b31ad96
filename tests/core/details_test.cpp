#include "core/details.h"

#include <gtest/gtest.h>

namespace kestrune {
namespace {

TEST(Details, HomeMappingIsCaseSensitive) {
    EXPECT_TRUE(IsHomeMapping("Map home directory on logon server as G:\\"));
    EXPECT_TRUE(IsHomeMapping("Map home directory on the logon server as next available drive "));
    EXPECT_FALSE(IsHomeMapping("Map Home Directory on logon server as G:\\"));
    EXPECT_FALSE(IsHomeMapping("Map \\\\A\\B as G:\\"));
}

struct DriveCase {
    const char* details;
    std::optional<char> letter;
};

class DriveLetterTest : public testing::TestWithParam<DriveCase> {};

TEST_P(DriveLetterTest, TakesTheLetterBeforeTheFinalColonBackslash) {
    EXPECT_EQ(MappedDriveLetter(GetParam().details), GetParam().letter) << GetParam().details;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, DriveLetterTest,
    testing::Values(DriveCase{"Map \\\\A\\B as next available drive ", std::nullopt},
                    DriveCase{"Map \\\\A\\B as next available drive", std::nullopt},
                    DriveCase{"Map \\\\A\\B as G:\\ ", 'G'}, DriveCase{"Map \\\\A\\B as G:\\", 'G'},
                    DriveCase{"Map home directory on logon server as H:\\", 'H'},
                    DriveCase{":\\", std::nullopt}, DriveCase{"", std::nullopt}));

struct ShareCase {
    const char* details;
    std::optional<std::string> mapped;
    std::optional<std::string> printer;
    std::optional<int> port;
};

class ShareTest : public testing::TestWithParam<ShareCase> {};

TEST_P(ShareTest, FindsShareAndPort) {
    const auto& c = GetParam();
    EXPECT_EQ(MappedShare(c.details), c.mapped) << c.details;
    EXPECT_EQ(PrinterShare(c.details), c.printer) << c.details;
    EXPECT_EQ(PrinterPort(c.details), c.port) << c.details;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ShareTest,
    testing::Values(
        ShareCase{"Map \\\\FILES\\APPS as G:\\", "\\\\FILES\\APPS", "\\\\FILES\\APPS AS G:\\",
                  std::nullopt},
        ShareCase{"Map \\\\FILES\\APPS as next available drive ", "\\\\FILES\\APPS",
                  "\\\\FILES\\APPS AS NEXT AVAILABLE DRIVE", std::nullopt},
        // Blanks inside a share survive.
        ShareCase{"Map x\\\\SRV\\X as G:\\", "x\\\\SRV\\X", "\\\\SRV\\X AS G:\\", std::nullopt},
        ShareCase{"Map \\\\SRV\\MY DATA as G:\\ ", "\\\\SRV\\MY DATA", "\\\\SRV\\MY DATA AS G:\\",
                  std::nullopt},
        ShareCase{"Map printer \\\\P\\Q", std::nullopt, "\\\\P\\Q", std::nullopt},
        ShareCase{"Map printer \\\\P\\Q on LPT3", "\\\\P\\Q", "\\\\P\\Q", 3},
        ShareCase{"Map \\\\P\\Q on LPT3", "\\\\P\\Q", "\\\\P\\Q", 3},
        ShareCase{"Map printer \\\\P\\Q on LPT10", "\\\\P\\Q", "\\\\P\\Q", std::nullopt},
        ShareCase{"Map printer \\\\PRN\\BIG LASER on LPT2", "\\\\PRN\\BIG", "\\\\PRN\\BIG LASER",
                  2},
        ShareCase{"Map printer \\\\PRN\\BIG LASER", "\\\\PRN\\BIG", "\\\\PRN\\BIG LASER",
                  std::nullopt},
        ShareCase{"Map printer \\\\p\\q on lpt1", "\\\\p\\q", "\\\\P\\Q", 1},
        ShareCase{"Map printer \\\\P\\Q on LPT0", "\\\\P\\Q", "\\\\P\\Q", std::nullopt},
        // No "\\": a drive mapping has no share; a bare printer name is taken whole.
        ShareCase{"Map FILES\\APPS as G:\\", std::nullopt, std::nullopt, std::nullopt},
        ShareCase{"Map printer LASER", std::nullopt, "LASER", std::nullopt},
        ShareCase{"Map printer \\\\PRINT\\LPT1", std::nullopt, "\\\\PRINT\\LPT1", std::nullopt},
        ShareCase{"Map printer X\\\\P\\Q", std::nullopt, "X\\\\P\\Q", std::nullopt},
        ShareCase{"Map printer  on LPT3", std::nullopt, std::nullopt, 3},
        ShareCase{"", std::nullopt, std::nullopt, std::nullopt}));

TEST(Details, RemoteEntriesAndPrefixedPaths) {
    EXPECT_TRUE(IsRemoteApplication("Remote: \\\\S\\X.EXE"));
    EXPECT_FALSE(IsRemoteApplication("Local: C:\\X.EXE"));
    EXPECT_TRUE(IsRemoteRegistry("  Remote: \\\\S\\X.REG"));
    EXPECT_FALSE(IsRemoteRegistry("Local: C:\\X.REG"));
    EXPECT_EQ(PrefixedPath("Remote: \\\\S\\X.EXE"), "\\\\S\\X.EXE");
    EXPECT_EQ(PrefixedPath("Local: C:\\X.EXE "), "C:\\X.EXE");
    EXPECT_EQ(PrefixedPath("C"), "C");
}

TEST(Details, MessagePathFollowsTheFirstFrom) {
    EXPECT_EQ(MessagePath("Display message from \\\\FILES\\NETLOGON\\MOTD.TXT "),
              "\\\\FILES\\NETLOGON\\MOTD.TXT");
    EXPECT_EQ(MessagePath("Display message from C:\\NOTES FROM BOB.TXT"), "C:\\NOTES FROM BOB.TXT");
}

}  // namespace
}  // namespace kestrune
