#include "files/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/action.h"
#include "files/script_format.h"
#include "files/template_format.h"
#include "support/temp_dir.h"
#include "support/test_text.h"

namespace kestrune {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

TEST(SafeWrite, ReplacesTheFileAndLeavesNothingElse) {
    TempDir dir;
    const auto path = dir.file("start.lst");
    writeBytes(path, "old contents that are longer");
    EXPECT_FALSE(writeFileSafely(path, "new"));
    EXPECT_EQ(readBytes(path), "new");
    EXPECT_EQ(test::entriesIn(dir.path()), 1U);
}

TEST(SafeWrite, KeepsPermissionsAndFollowsLinks) {
    TempDir dir;
    const auto real = dir.file("real.bat");
    const auto link = dir.file("link.bat");
    writeBytes(real, "old");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(real, link);
    EXPECT_FALSE(writeFileSafely(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(real), "new");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(SafeWrite, FailuresNameTheErrorAndTouchNothing) {
    TempDir dir;
    const auto missingFolder = dir.file("no/such/folder/x.lst");
    const auto error = writeFileSafely(missingFolder, "x");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, ENOENT);
    EXPECT_EQ(error->description, "No such file or directory");

    fs::create_directory(dir.file("folder.lst"));
    const auto isFolder = writeFileSafely(dir.file("folder.lst"), "x");
    ASSERT_TRUE(isFolder);
    EXPECT_EQ(isFolder->number, EISDIR);
    EXPECT_EQ(test::entriesIn(dir.path()), 1U);
}

TEST(SafeWrite, NamesAsLongAsAFolderAllowsAreWritten) {
    TempDir dir;
    const auto path = dir.file(std::string(251, 'x') + ".lst");
    EXPECT_FALSE(writeFileSafely(path, "new"));
    EXPECT_EQ(readBytes(path), "new");
}

TEST(SafeWrite, AFileTheUserMayNotChangeIsRefused) {
    TempDir dir;
    const auto path = dir.file("locked.bat");
    writeBytes(path, "old");
    fs::permissions(path, fs::perms::owner_read);
    if (std::FILE* probe = std::fopen(path.c_str(), "ab")) {
        std::fclose(probe);
        GTEST_SKIP() << "permission bits don't bind this user";
    }
    const auto error = writeFileSafely(path, "new");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, EACCES);
    EXPECT_EQ(readBytes(path), "old");
}

TEST(FileBytes, OnlyFilesAreRead) {
    const auto device = readFileBytes("/dev/zero");
    ASSERT_TRUE(device.error);
    EXPECT_EQ(device.error->description, "Not a regular file");
    EXPECT_TRUE(device.bytes.empty());
}

TEST(SafeWrite, FullDiskIsAFailure) {
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    const auto error = writeFileSafely("/dev/full", "bytes");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, ENOSPC);
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST(DocumentFiles, FailedSavesKeepTheLastGoodFile) {
    TempDir dir;
    const auto lst = dir.file("start.lst");
    const auto bat = dir.file("start.bat");
    writeBytes(lst, "good template");
    writeBytes(bat, "good script");
    const auto list =
        test::listOf({{kind::kOther, "echo 1"}, {kind::kMapDrive, "Map NOSHARE as G:\\"}});

    const auto saved = writeTemplateFile(lst, list);
    EXPECT_EQ(saved.status, FileStatus::Failed);
    EXPECT_EQ(saved.message, "An unexpected error occurred while saving the file " + lst +
                                 ".\r\rError: 22 Action 2 names no network share beginning with "
                                 "\\\\: Map NOSHARE as G:\\");
    const auto made = writeScriptFile(bat, list);
    EXPECT_EQ(made.message, "An error occurred while saving the file " + bat +
                                ".\rPlease ensure the disk or one of the directories is not read "
                                "only.");
    EXPECT_EQ(readBytes(lst), "good template");
    EXPECT_EQ(readBytes(bat), "good script");
    EXPECT_EQ(test::entriesIn(dir.path()), 2U);
}

TEST(DocumentFiles, SaveMessagesForUnwritablePlaces) {
    TempDir dir;
    const auto path = dir.file("gone/x.lst");
    const auto saved = writeTemplateFile(path, ActionList{});
    EXPECT_EQ(saved.message, "An unexpected error occurred while saving the file " + path +
                                 ".\r\rError: 2 No such file or directory");
    EXPECT_TRUE(writeScriptFile("   ", ActionList{}).ok());
}

TEST(DocumentFiles, ReadFailures) {
    TempDir dir;
    ActionList list = test::listOf({{kind::kOther, "stale"}});
    ItemKeySource keys(1);
    const auto lst = dir.file("missing.lst");
    const auto t = readTemplateFile(lst, list, keys);
    EXPECT_EQ(t.status, FileStatus::NotFound);
    EXPECT_EQ(t.message, lst + " could not found. Please make sure the path is correct.");
    EXPECT_TRUE(list.empty());

    const auto bat = dir.file("missing.bat");
    const auto s = readScriptFile(bat, list, keys);
    EXPECT_EQ(s.status, FileStatus::NotFound);
    EXPECT_EQ(s.message,
              "The file " + bat + " could not found.\rPlease make sure the path is correct.");

    fs::create_directory(dir.file("folder.bat"));
    const auto folder = readScriptFile(dir.file("folder.bat"), list, keys);
    EXPECT_EQ(folder.status, FileStatus::Failed);
    EXPECT_EQ(folder.message, "An unexpected error occurred while reading the file " +
                                  dir.file("folder.bat") + ".\r\rError: 21 Is a directory");
}

TEST(DocumentFiles, WriteThenReadGivesTheSameList) {
    TempDir dir;
    ActionList list;
    ItemKeySource keys(5);
    ASSERT_TRUE(readTemplateFile(KESTRUNE_EXAMPLES_DIR "/office.lst", list, keys).ok());
    ASSERT_GT(list.size(), 10U);
    ASSERT_TRUE(writeTemplateFile(dir.file("copy.lst"), list).ok());
    EXPECT_EQ(readBytes(dir.file("copy.lst")), readBytes(KESTRUNE_EXAMPLES_DIR "/office.lst"));
}

}  // namespace
}  // namespace kestrune
