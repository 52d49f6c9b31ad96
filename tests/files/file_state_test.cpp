#include "files/file_state.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/action_builders.h"
#include "files/file_io.h"
#include "files/template_format.h"
#include "support/temp_dir.h"

namespace kestrune::test {
namespace {

namespace fs = std::filesystem;

// What a read records is what a write of the same bytes records, the hash being of the bytes
// on disk, taken a piece at a time (over 64 KiB here) as the read goes.
TEST(FileState, ReadAndWriteRecordTheFileAsItIs) {
    TempDir dir;
    const std::string path = dir.file("logon.lst");
    ActionList list;
    for (int i = 0; i < 3000; ++i) {
        list.append(OtherAction("echo line " + std::to_string(i)));
    }
    const FileResult written = writeTemplateFile(path, list);
    ASSERT_TRUE(written.ok() && written.state);
    const std::string bytes = readBytes(path);
    ASSERT_GT(bytes.size(), 1u << 16);
    EXPECT_EQ(written.state->hash, hashOfBytes(bytes));
    EXPECT_EQ(written.state->size, bytes.size());

    ActionList read;
    EXPECT_EQ(readTemplateFile(path, read).state, written.state);
    EXPECT_EQ(readFileBytes(path).state, written.state);

    // Nothing to record: a stream, a file refused, a device written.
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    EXPECT_FALSE(readStreamBytes(stream).state);
    std::fclose(stream);
    EXPECT_FALSE(readTemplateFile(dir.file("none.lst"), read).state);
    writeBytes(path, "no template");
    EXPECT_FALSE(readTemplateFile(path, read).state);
    const FileResult device = writeTemplateFile("/dev/null", list);
    EXPECT_TRUE(device.ok() && !device.state);
}

// One row per way another program changes the file behind the document.
TEST(FileState, TellsEachChangeOnDisk) {
    const std::string before = "@echo off\r\nnet use h: /home\r\n";
    const struct {
        const char* what;
        void (*change)(const std::string& path, const TempDir& dir);
        DiskChange looked, read;  // without and with the bytes read
    } rows[] = {
        {"nothing", [](const std::string&, const TempDir&) {}, DiskChange::None, DiskChange::None},
        {"new bytes, same size, the old time put back",
         [](const std::string& path, const TempDir&) {
             struct stat st {};
             ::stat(path.c_str(), &st);
             writeBytes(path, "@echo off\r\nnet use i: /home\r\n");
             const timespec times[] = {st.st_atim, st.st_mtim};
             ::utimensat(AT_FDCWD, path.c_str(), times, 0);
         },
         DiskChange::Changed, DiskChange::Changed},
        {"a longer file",
         [](const std::string& path, const TempDir&) {
             std::ofstream(path, std::ios::binary | std::ios::app) << "pause\r\n";
         },
         DiskChange::Changed, DiskChange::Changed},
        {"replaced by another through rename",
         [](const std::string& path, const TempDir& dir) {
             writeBytes(dir.file("other.bat"), "@echo off\r\nnet use h: /home\r\n");
             fs::rename(dir.file("other.bat"), path);
         },
         DiskChange::Changed, DiskChange::Changed},
        {"deleted", [](const std::string& path, const TempDir&) { fs::remove(path); },
         DiskChange::Deleted, DiskChange::Deleted},
        {"a folder in its place",
         [](const std::string& path, const TempDir&) {
             fs::remove(path);
             fs::create_directory(path);
         },
         DiskChange::Unknown, DiskChange::Unknown},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TempDir dir;
        const std::string path = dir.file("logon.bat");
        writeBytes(path, before);
        const auto recorded = readFileBytes(path).state;
        ASSERT_TRUE(recorded);
        row.change(path, dir);
        EXPECT_EQ(changeOnDisk(path, *recorded, false), row.looked);
        EXPECT_EQ(changeOnDisk(path, *recorded, true), row.read);
    }

    // Bytes changed where times are too coarse to show it: only reading them tells.
    TempDir dir;
    const std::string path = dir.file("logon.bat");
    writeBytes(path, before);
    FileState recorded = *readFileBytes(path).state;
    recorded.hash ^= 1;
    EXPECT_EQ(changeOnDisk(path, recorded, false), DiskChange::None);
    EXPECT_EQ(changeOnDisk(path, recorded, true), DiskChange::Changed);
}

TEST(FileState, SameFilePathFollowsLinks) {
    TempDir dir;
    writeBytes(dir.file("logon.bat"), "");
    fs::create_symlink(dir.file("logon.bat"), dir.file("link.bat"));
    EXPECT_TRUE(sameFilePath(dir.file("link.bat"), dir.file("logon.bat")));
    EXPECT_TRUE(sameFilePath(dir.file("gone.bat"), dir.file("gone.bat")));
    EXPECT_FALSE(sameFilePath(dir.file("gone.bat"), dir.file("logon.bat")));
}

}  // namespace
}  // namespace kestrune::test
