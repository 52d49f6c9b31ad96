// The system services themselves, where a test can use them without starting anything:
// a program or file that isn't there, the registry's value texts, the program's folder.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "platform/program_folder.h"
#include "platform/program_start.h"
#include "platform/shell_open.h"
#include "platform/system_lookup.h"
#include "support/temp_dir.h"

namespace kestrune {
namespace {

constexpr const char* kNoSuchProgram = "kestrune-test-no-such-program-3c9e1";

TEST(SystemServices, WhatIsntThereIsAFailure) {
    SystemProgramStarter starter;
    for (const QString& line : {QString(kNoSuchProgram) + " USE G: \\\\FILES\\APPS",
                                QString("\"/no/such/folder/") + kNoSuchProgram + "\" a b",
                                QString(), QString("   "), QString("\"\" argument")}) {
        EXPECT_FALSE(starter.start(line)) << line.toStdString();
    }
    test::TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    SystemShellOpener shell;
    EXPECT_FALSE(ShellOpened(shell.open(folder + "/kestrune.hlp", folder)));
    EXPECT_FALSE(ShellOpened(shell.open(folder, folder)));  // nor is a folder a document
    SystemLookupService lookup;
    const std::string file = dir.file("MSINFO32.EXE");
    test::writeBytes(file, "x");
    EXPECT_TRUE(lookup.fileExists(QString::fromStdString(file)));
    EXPECT_FALSE(lookup.fileExists(QString::fromStdString(dir.file("NONE.EXE"))));
    EXPECT_FALSE(lookup.fileExists(folder));
    EXPECT_EQ(lookup.findExecutable(kNoSuchProgram), QString());
#ifndef _WIN32
    QString value = "before";
    EXPECT_FALSE(lookup.GetKeyValue(RegistryRoot::LocalMachine,
                                    "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", value));
    EXPECT_EQ(value, QString());
#endif
}

TEST(SystemServices, AProgramPathWithBlanksStaysOneWord) {
    EXPECT_EQ(QuotedProgram("/usr/bin/hardinfo"), "/usr/bin/hardinfo");
    EXPECT_EQ(QuotedProgram("C:\\Program Files\\MSINFO\\MSINFO32.EXE"),
              "\"C:\\Program Files\\MSINFO\\MSINFO32.EXE\"");
    EXPECT_EQ(QuotedProgram("\"C:\\Program Files\\X.EXE\""), "\"C:\\Program Files\\X.EXE\"");
}

TEST(SystemServices, RegistryValuesReadAsText) {
    const struct {
        std::string data;
        unsigned long type;
        bool read;
        std::string text;
    } rows[] = {
        {std::string("C:\\MSINFO32.EXE\0", 16), 1, true, "C:\\MSINFO32.EXE"},  // with its NUL
        {"C:\\MSINFO32.EXE", 1, true, "C:\\MSINFO32.EXE"},
        {std::string("\0", 1), 1, true, ""},
        {"", 1, true, ""},
        {std::string("%ProgramFiles%\\X\0", 17), 2, true, "%ProgramFiles%\\X"},
        {std::string("\xD2\x04\x00\x00", 4), 4, true, "1234"},
        {std::string("\xD2\x04", 2), 4, false, "before"},  // a number cut short
        {std::string("\x01\x02", 2), 3, false, "before"},  // binary
    };
    for (const auto& row : rows) {
        std::string text = "before";
        EXPECT_EQ(RegistryValueText(row.data, row.type, text), row.read) << row.text;
        EXPECT_EQ(text, row.text);
    }
}

TEST(SystemServices, TheProgramsFolderIsTheExecutablesAndFilesJoinWithItsSeparator) {
    EXPECT_EQ(ProgramFolder(), QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    const QString sep = QDir::separator();
    EXPECT_EQ(FileInFolder("folder", "temp.bat"), "folder" + sep + "temp.bat");
    EXPECT_EQ(FileInFolder(sep, "temp.bat"), sep + "temp.bat");
    EXPECT_EQ(FileInFolder("C:" + sep, "kestrune.hlp"), "C:" + sep + "kestrune.hlp");
}

}  // namespace
}  // namespace kestrune
