// The system services themselves, where a test can use them without starting anything:
// a program that isn't there, a file that isn't there, the registry's value texts, the
// program's folder.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <string>

#include "platform/program_folder.h"
#include "platform/program_start.h"
#include "platform/shell_open.h"
#include "platform/system_lookup.h"
#include "support/temp_dir.h"

namespace kestrune {
namespace {

constexpr const char* kNoSuchProgram = "kestrune-test-no-such-program-3c9e1";

TEST(SystemProgramStarter, AProgramThatIsntThereIsAFailure) {
    SystemProgramStarter starter;
    EXPECT_FALSE(starter.start(QString(kNoSuchProgram)));
    EXPECT_FALSE(starter.start(QString(kNoSuchProgram) + " USE G: \\\\FILES\\APPS"));
    EXPECT_FALSE(starter.start(QString("\"/no/such/folder/") + kNoSuchProgram + "\" a b"));
}

TEST(SystemProgramStarter, AnEmptyLineStartsNothing) {
    SystemProgramStarter starter;
    EXPECT_FALSE(starter.start(""));
    EXPECT_FALSE(starter.start("   "));
    EXPECT_FALSE(starter.start("\"\" argument"));
}

TEST(QuotedProgram, KeepsAPathWithBlanksOneWord) {
    EXPECT_EQ(QuotedProgram("/usr/bin/hardinfo"), "/usr/bin/hardinfo");
    EXPECT_EQ(QuotedProgram("C:\\Program Files\\MSINFO\\MSINFO32.EXE"),
              "\"C:\\Program Files\\MSINFO\\MSINFO32.EXE\"");
    EXPECT_EQ(QuotedProgram("\"C:\\Program Files\\X.EXE\""), "\"C:\\Program Files\\X.EXE\"");
}

TEST(SystemShellOpener, AFileThatIsntThereIsAFailureLikeTheWindowsShells) {
    test::TempDir dir;
    SystemShellOpener shell;
    const QString folder = QString::fromStdString(dir.path().string());
    const std::intptr_t result = shell.open(folder + "/kestrune.hlp", folder);
    EXPECT_FALSE(ShellOpened(result));
#ifndef _WIN32
    EXPECT_EQ(result, shell_result::kFileNotFound);
    // Nor is a folder a document.
    EXPECT_EQ(shell.open(folder, folder), shell_result::kFileNotFound);
#endif
}

struct ValueCase {
    const char* situation;
    std::string data;
    unsigned long type;
    bool read;
    std::string text;
};

class RegistryValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(RegistryValues, ReadAsText) {
    const ValueCase& row = GetParam();
    std::string text = "before";
    EXPECT_EQ(RegistryValueText(row.data, row.type, text), row.read) << row.situation;
    EXPECT_EQ(text, row.text) << row.situation;
}

INSTANTIATE_TEST_SUITE_P(
    Types, RegistryValues,
    ::testing::Values(ValueCase{"string with its NUL",
                                std::string("C:\\MSINFO\\MSINFO32.EXE\0", 23), 1, true,
                                "C:\\MSINFO\\MSINFO32.EXE"},
                      ValueCase{"string without it", "C:\\MSINFO\\MSINFO32.EXE", 1, true,
                                "C:\\MSINFO\\MSINFO32.EXE"},
                      ValueCase{"empty string", std::string("\0", 1), 1, true, ""},
                      ValueCase{"no data at all", "", 1, true, ""},
                      ValueCase{"expandable string", std::string("%ProgramFiles%\\X\0", 17), 2,
                                true, "%ProgramFiles%\\X"},
                      ValueCase{"number", std::string("\xD2\x04\x00\x00", 4), 4, true, "1234"},
                      ValueCase{"number cut short", std::string("\xD2\x04", 2), 4, false, "before"},
                      ValueCase{"binary", std::string("\x01\x02", 2), 3, false, "before"}));

TEST(SystemLookupService, AnswersFromThisSystem) {
    test::TempDir dir;
    SystemLookupService lookup;
    const std::string file = dir.file("MSINFO32.EXE");
    test::writeBytes(file, "x");
    EXPECT_TRUE(lookup.fileExists(QString::fromStdString(file)));
    EXPECT_FALSE(lookup.fileExists(QString::fromStdString(dir.file("NONE.EXE"))));
    EXPECT_FALSE(lookup.fileExists(QString::fromStdString(dir.path().string())));
    EXPECT_EQ(lookup.findExecutable(kNoSuchProgram), QString());
#ifndef _WIN32
    QString value = "before";
    EXPECT_FALSE(lookup.GetKeyValue(RegistryRoot::LocalMachine,
                                    "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", value));
    EXPECT_EQ(value, QString());
#endif
}

TEST(ProgramFolder, IsTheRunningExecutablesFolder) {
    EXPECT_EQ(ProgramFolder(), QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}

TEST(ProgramFolder, FilesInItAreJoinedWithThePlatformsSeparator) {
    const QString sep = QDir::separator();
    EXPECT_EQ(FileInFolder("folder", "temp.bat"), "folder" + sep + "temp.bat");
    EXPECT_EQ(FileInFolder(sep, "temp.bat"), sep + "temp.bat");
    EXPECT_EQ(FileInFolder("C:" + sep, "kestrune.hlp"), "C:" + sep + "kestrune.hlp");
}

}  // namespace
}  // namespace kestrune
