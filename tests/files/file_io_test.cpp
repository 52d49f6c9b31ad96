#include "files/file_io.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <filesystem>

#include "core/action.h"
#include "files/messages.h"
#include "files/script_format.h"
#include "files/template_format.h"
#include "support/other_user.h"
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

struct stat statOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st;
}

// Sets the seams for one test and takes them away after it.
struct Seams {
    Seams() = default;
    Seams(const Seams&) = delete;
    Seams& operator=(const Seams&) = delete;
    ~Seams() { safeWriteSeams() = {}; }
    SafeWriteSeams& operator*() { return safeWriteSeams(); }
};

struct Kept {
    const char* what;
    mode_t mode;        // the target's; 0: there is none
    mode_t folderMode;  // of the folder "shared" the target is in
    bool secondName;    // the target has a hard link beside it
    mode_t firstWrite;  // the new file's mode when its first byte is written
    bool inPlace;       // the target keeps its inode
};

// Saves over the target as the row says and checks that the new file was never more open
// than the target, that nothing is left beside it, and what the target kept.
void expectKept(const Kept& row, bool asOtherUser) {
    SCOPED_TRACE(row.what);
    TempDir dir;
    fs::permissions(dir.path(), fs::perms(0755));
    const auto folder = dir.file("shared");
    fs::create_directory(folder);
    ::chmod(folder.c_str(), row.folderMode);
    const auto target = folder + "/logon.bat";
    if (row.mode != 0) {
        writeBytes(target, "old contents");
        ::chmod(target.c_str(), row.mode);
    }
    if (row.secondName) {
        fs::create_hard_link(target, folder + "/second.bat");
    }
    const auto before = statOf(target);
    Seams seams;
    mode_t seen = 0;
    (*seams).beforeFirstWrite = [&](const std::string& t) { seen = statOf(t).st_mode & 07777; };
    std::optional<FileError> error;
    {
        std::optional<test::AsOtherUser> user;
        if (asOtherUser) {
            ASSERT_TRUE(user.emplace().dropped());
        }
        error = writeFileSafely(target, "new");
    }
    EXPECT_FALSE(error) << error->description;
    EXPECT_EQ(seen, row.firstWrite);
    EXPECT_EQ(readBytes(target), "new");
    const auto after = statOf(target);
    EXPECT_EQ(after.st_mode & 07777, row.mode != 0 ? row.mode : row.firstWrite);
    EXPECT_EQ(after.st_ino == before.st_ino, row.inPlace);
    if (row.mode != 0) {
        EXPECT_EQ(after.st_uid, before.st_uid);
    }
    if (row.secondName) {
        EXPECT_EQ(readBytes(folder + "/second.bat"), "new");
    }
    EXPECT_EQ(test::entriesIn(folder), row.secondName ? 2U : 1U);
}

TEST(SafeWrite, KeepsWhatTheTargetHad) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    for (const Kept& row : std::initializer_list<Kept>{
             {"a private file", 0600, 0755, false, 0600, false},
             {"a group-readable file", 0640, 0755, false, 0640, false},
             {"no file yet", 0, 0755, false, 0666 & ~mask, false},
             {"a file with a second name", 0644, 0755, true, 0600, true},
         }) {
        expectKept(row, false);
    }
}

// Owned by root, saved by another user who may write it: a rename would give the file that
// user as its owner, and a sticky folder refuses it.
TEST(SafeWrite, AnotherUsersFileIsWrittenInPlace) {
    if (!test::AsOtherUser::available()) {
        GTEST_SKIP() << test::AsOtherUser::kSkip;
    }
    for (const Kept& row : std::initializer_list<Kept>{
             {"another user's file", 0666, 0777, false, 0600, true},
             {"another user's file in a sticky folder", 0666, 01777, false, 0600, true},
         }) {
        expectKept(row, true);
    }
}

TEST(SafeWrite, ExtendedAttributesAreCarriedOver) {
    TempDir dir;
    const auto path = dir.file("logon.lst");
    writeBytes(path, "old");
    if (::setxattr(path.c_str(), "user.kestrune", "kept", 4, 0) != 0) {
        GTEST_SKIP() << "no user extended attributes on this filesystem";
    }
    const auto before = statOf(path);
    EXPECT_FALSE(writeFileSafely(path, "new"));
    char value[8] = {};
    EXPECT_EQ(::getxattr(path.c_str(), "user.kestrune", value, sizeof value), 4);
    EXPECT_STREQ(value, "kept");
    EXPECT_NE(statOf(path).st_ino, before.st_ino);  // replaced, not written in place
}

// Someone puts a link to another file in the new file's place before the rename.
TEST(SafeWrite, ASwappedNewFileIsRefused) {
    TempDir dir;
    const auto path = dir.file("logon.bat");
    const auto secret = dir.file("secret");
    writeBytes(path, "old");
    writeBytes(secret, "secret");
    Seams seams;
    (*seams).beforeReplace = [&](const std::string& t) {
        fs::rename(t, dir.file("moved"));
        fs::create_symlink(secret, t);
    };
    const auto error = writeFileSafely(path, "new");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, EEXIST);
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_FALSE(fs::is_symlink(path));
    EXPECT_EQ(readBytes(secret), "secret");
}

// The copy into a file with a second name fails half-way: the complete new file stays, named.
TEST(SafeWrite, AFailedWriteInPlaceKeepsTheNewFile) {
    TempDir dir;
    const auto path = dir.file("logon.bat");
    writeBytes(path, "old contents, longer than the new");
    fs::create_hard_link(path, dir.file("second.bat"));
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    Seams seams;
    (*seams).beforeReplace = [&](const std::string&) {
        rlimit lowered = before;
        lowered.rlim_cur = 1;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    };
    const auto error = writeFileSafely(path, "new contents");
    ::setrlimit(RLIMIT_FSIZE, &before);
    ::signal(SIGXFSZ, oldHandler);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, EFBIG);
    ASSERT_TRUE(error->keptIn.starts_with(dir.file(".kestrune-"))) << error->keptIn;
    EXPECT_EQ(readBytes(error->keptIn), "new contents");
    EXPECT_EQ(messages::scriptSaveFailed(path, error->keptIn),
              "An error occurred while saving the file " + path +
                  ".\rPlease ensure the disk or one of the directories is not read only.\rThe "
                  "new contents are kept in " +
                  error->keptIn + ".");
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

    // A pipe would hang the save until someone reads it.
    ASSERT_EQ(::mkfifo(dir.file("pipe.lst").c_str(), 0644), 0);
    const auto pipe = writeFileSafely(dir.file("pipe.lst"), "x");
    ASSERT_TRUE(pipe);
    EXPECT_EQ(pipe->description, "Not a regular file");
    EXPECT_EQ(test::entriesIn(dir.path()), 2U);
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
