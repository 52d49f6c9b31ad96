#include "files/file_io.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/xattr.h>

#include <csignal>
#include <set>

#include "files/interrupt_cleanup.h"
#include "files/messages.h"
#include "files/save_target.h"
#include "support/temp_dir.h"

namespace kestrune::test {
namespace {

namespace fs = std::filesystem;

// Acting as nobody (65534), since root passes the checks these tests are about: the
// effective ids only, so that the real ones (root) allow the way back. Needs root.
class AsOtherUser {
  public:
    static bool available() { return ::geteuid() == 0; }
    static constexpr const char* kSkip =
        "needs root, to act as user 65534 (root itself bypasses these checks)";

    AsOtherUser() : groups_(static_cast<std::size_t>(::getgroups(0, nullptr))) {
        ::getgroups(static_cast<int>(groups_.size()), groups_.data());
        dropped = ::setgroups(0, nullptr) == 0 && ::setegid(65534) == 0 && ::seteuid(65534) == 0;
    }
    ~AsOtherUser() {
        (void)::seteuid(0);
        (void)::setegid(0);
        (void)::setgroups(groups_.size(), groups_.data());
    }

    std::vector<gid_t> groups_;
    bool dropped = false;
};

struct stat statOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st;
}

// The seams are taken away after each test.
class SafeWrite : public testing::Test {
  protected:
    void TearDown() override { safeWriteSeams() = {}; }
};

// A save never leaves the new file more open than the target, nor anything beside it, and
// the target keeps its mode, owner, extended attributes and other names.
TEST_F(SafeWrite, KeepsWhatTheTargetHad) {
    ::umask(022);
    const struct {
        const char* what;
        mode_t mode, folderMode;  // the target's (0: there is none) and its folder's
        bool secondName, viaLink, asOtherUser;
        mode_t firstWrite;  // the new file's mode when its first byte is written
        bool inPlace;       // the target keeps its inode
    } rows[] = {
        {"a group-readable file, through a link", 0640, 0755, false, true, false, 0640, false},
        {"no file yet", 0, 0755, false, false, false, 0644, false},
        // Made where the link points, the link kept.
        {"no file yet, through a link", 0, 0755, false, true, false, 0644, false},
        {"a file with a second name", 0644, 0755, true, false, false, 0600, true},
        // Owned by root, saved by another user who may write it: a rename would change owner.
        {"another user's file", 0666, 0777, false, false, true, 0600, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        if (row.asOtherUser && !AsOtherUser::available()) {
            GTEST_SKIP() << AsOtherUser::kSkip;
        }
        TempDir dir;
        ::chmod(dir.path().c_str(), row.folderMode);
        const auto target = dir.file("logon.bat");
        if (row.mode != 0) {
            writeBytes(target, "old contents");
            ::chmod(target.c_str(), row.mode);
        }
        // Where the filesystem has user extended attributes.
        const bool attribute =
            row.mode != 0 && ::setxattr(target.c_str(), "user.kestrune", "kept", 4, 0) == 0;
        if (row.secondName) {
            fs::create_hard_link(target, dir.file("second.bat"));
        }
        if (row.viaLink) {
            fs::create_symlink("logon.bat", dir.file("link.bat"));
        }
        const auto before = statOf(target);
        mode_t seen = 0;
        safeWriteSeams().beforeFirstWrite = [&](const std::string& t) {
            seen = statOf(t).st_mode & 07777;
        };
        std::optional<AsOtherUser> user;
        if (row.asOtherUser) {
            ASSERT_TRUE(user.emplace().dropped);
        }
        const auto error = writeFileSafely(row.viaLink ? dir.file("link.bat") : target, "new");
        user.reset();
        EXPECT_FALSE(error) << error->description;
        EXPECT_EQ(seen, row.firstWrite);
        EXPECT_EQ(readBytes(target), "new");
        const auto after = statOf(target);
        EXPECT_EQ(after.st_mode & 07777, row.mode != 0 ? row.mode : row.firstWrite);
        EXPECT_EQ(after.st_ino == before.st_ino, row.inPlace);
        EXPECT_EQ(after.st_uid, row.mode != 0 ? before.st_uid : ::geteuid());
        EXPECT_EQ(entriesIn(dir.path()), 1U + row.secondName + row.viaLink);
        EXPECT_EQ(fs::is_symlink(dir.file("link.bat")), row.viaLink);
        char value[5] = {};
        EXPECT_EQ(::getxattr(target.c_str(), "user.kestrune", value, 4), attribute ? 4 : -1);
        EXPECT_STREQ(value, attribute ? "kept" : "");
    }
}

// Between writing the new file and putting it in the target's place, nothing is lost.
TEST_F(SafeWrite, WhatGoesWrongAtTheReplaceLosesNothing) {
    TempDir dir;
    const auto path = dir.file("logon.bat");
    const std::string old = "old contents, longer than the new";
    writeBytes(path, old);
    // Someone puts a link to another file in the new file's place: refused.
    writeBytes(dir.file("secret"), "secret");
    safeWriteSeams().beforeReplace = [&](const std::string& t) {
        fs::rename(t, dir.file("moved"));
        fs::create_symlink(dir.file("secret"), t);
    };
    auto error = writeFileSafely(path, "new");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, EEXIST);
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(readBytes(dir.file("secret")), "secret");
    // A copy into a file with a second name fails half-way: the new file stays, named.
    fs::create_hard_link(path, dir.file("second.bat"));
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    safeWriteSeams().beforeReplace = [&](const std::string&) {
        const rlimit lowered{1, before.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    };
    error = writeFileSafely(path, "new contents");
    ::setrlimit(RLIMIT_FSIZE, &before);
    ::signal(SIGXFSZ, oldHandler);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, EFBIG);
    EXPECT_EQ(error->keptIn, path + ".kestrune-recovery");
    EXPECT_EQ(readBytes(error->keptIn), "new contents");
    EXPECT_EQ(findRecoveryCopy(path), error->keptIn);
    // Both messages name it after their usual text.
    const std::string kept = "The new contents are kept in " + error->keptIn + ".";
    const FileError told(error->number, error->description);
    EXPECT_EQ(EnglishText(messages::scriptSaveFailed(path, error)),
              EnglishText(messages::scriptSaveFailed(path, told)) + "\r" + kept);
    EXPECT_EQ(EnglishText(messages::templateSaveFailed(path, *error)),
              EnglishText(messages::templateSaveFailed(path, told)) + "\r\r" + kept);
}

// A save cut short leaves nothing to mistake or pile up: killed while the new file is
// written, the next save removes it; killed before the rewrite in place, the recovery copy
// stays for the readers to offer; ended by SIGTERM, nothing is left.
TEST_F(SafeWrite, AnInterruptedSaveLeavesWhatCanBeRecoveredAndNoMore) {
    TempDir dir;
    const auto path = dir.file("logon.bat");
    const auto names = [&] {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(dir.path())) {
            found.insert(entry.path().filename().string());
        }
        return found;
    };
    const auto killedAt = [&](auto SafeWriteSeams::*seam, int signal, bool cleanup) {
        EXPECT_EXIT(
            {
                if (cleanup) {
                    removeTemporariesOnInterrupt();
                }
                safeWriteSeams().*seam = [signal](const std::string&) { ::raise(signal); };
                writeFileSafely(path, "new");
                std::exit(0);
            },
            testing::KilledBySignal(signal), "");
    };
    writeBytes(path, "old");
    killedAt(&SafeWriteSeams::beforeReplace, SIGKILL, false);
    ASSERT_EQ(names().size(), 2U);
    const std::string leftover = *names().begin();
    EXPECT_TRUE(leftover.starts_with(".kestrune-") && leftover.ends_with(".tmp")) << leftover;
    EXPECT_EQ(findRecoveryCopy(path), std::nullopt);
    // Written in place: the complete copy takes its name before the target is touched.
    fs::create_hard_link(path, dir.file("second.bat"));
    killedAt(&SafeWriteSeams::beforeRewrite, SIGKILL, false);
    const auto copy = dir.file("logon.bat.kestrune-recovery");
    EXPECT_EQ(readBytes(copy), "new");
    EXPECT_EQ(findRecoveryCopy(path), copy);
    EXPECT_EQ(findRecoveryCopy(dir.file("second.bat")), std::nullopt);
    EXPECT_EQ(readBytes(path), "old");

    // What another save is writing (locked), another target's and the recovery copy stay.
    const auto running = leftover.substr(0, leftover.size() - 10) + "abcdef.tmp";
    writeBytes(dir.file(running), "being written");
    const int held = ::open(dir.file(running).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    writeBytes(dir.file(".kestrune-00000000-abcdef.tmp"), "another target's");
    // The next save, in place again, clears the leftover and its own copy once done.
    EXPECT_FALSE(writeFileSafely(path, "newer"));
    ::close(held);
    EXPECT_EQ(names(), (std::set<std::string>{"logon.bat", "second.bat", running,
                                              "logon.bat.kestrune-recovery",
                                              ".kestrune-00000000-abcdef.tmp"}));
    EXPECT_EQ(readBytes(copy), "new");
    EXPECT_EQ(readBytes(path), "newer");

    // SIGTERM removes the new file being written, and lets a rewrite in place finish.
    fs::remove(copy);
    killedAt(&SafeWriteSeams::beforeReplace, SIGTERM, true);
    killedAt(&SafeWriteSeams::beforeRewrite, SIGTERM, true);
    EXPECT_EQ(readBytes(path), "new");
    fs::remove(dir.file("second.bat"));
    killedAt(&SafeWriteSeams::beforeFirstWrite, SIGHUP, true);
    // The save that held its new file has ended since: its leftover went with the next save.
    EXPECT_EQ(names(), (std::set<std::string>{"logon.bat", ".kestrune-00000000-abcdef.tmp"}));
}

// Run as another user where possible: root may write any file.
TEST_F(SafeWrite, FailuresTouchNothing) {
    TempDir dir;
    fs::permissions(dir.path(), fs::perms(0755));
    fs::create_directory(dir.file("folder.lst"));
    fs::create_directory(dir.file("shut"));
    fs::permissions(dir.file("shut"), fs::perms(0555));
    ASSERT_EQ(::mkfifo(dir.file("pipe.lst").c_str(), 0644), 0);  // would hang a save
    writeBytes(dir.file("locked.bat"), "old");
    fs::permissions(dir.file("locked.bat"), fs::perms(0444));
    const std::tuple<std::string, int, std::string> rows[] = {
        {dir.file("no/such/x.lst"), ENOENT, "No such file or directory"},
        {dir.file("locked.bat/x.lst"), ENOTDIR, "Not a directory"},
        {dir.file("folder.lst"), EISDIR, "Is a directory"},
        {dir.file("pipe.lst"), EINVAL, "Not a regular file"},
        {dir.file("locked.bat"), EACCES, "Permission denied"},
        {dir.file("shut/x.lst"), EACCES, "Permission denied"},  // a folder that can't be written
        {"/dev/full", ENOSPC, "No space left on device"},       // a device is written in place
    };
    std::optional<AsOtherUser> user;
    if (AsOtherUser::available()) {
        ASSERT_TRUE(user.emplace().dropped);
    }
    for (const auto& [path, number, description] : rows) {
        const auto error = writeFileSafely(path, "new");
        ASSERT_TRUE(error) << path;
        EXPECT_EQ(std::tuple(path, error->number, error->description),
                  std::tuple(path, number, description));
    }
    user.reset();
    EXPECT_EQ(entriesIn(dir.path()), 4U);
    EXPECT_EQ(entriesIn(dir.file("shut")), 0U);
    EXPECT_EQ(readBytes(dir.file("locked.bat")), "old");
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    // Reading a process's memory from its first page fails as a failing disk does.
    EXPECT_EQ(readFileBytes("/proc/self/mem").error->description, "Input/output error");
    // The new file's name is short: a target as long as a folder allows is written too.
    EXPECT_FALSE(writeFileSafely(dir.file(std::string(251, 'x') + ".lst"), "new"));
}

}  // namespace
}  // namespace kestrune::test
