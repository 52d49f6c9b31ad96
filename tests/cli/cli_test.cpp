#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/temp_dir.h"
#include "support/test_text.h"

namespace {

using kestrune::test::crlf;
using kestrune::test::readBytes;
using kestrune::test::TempDir;
using kestrune::test::writeBytes;

struct Run {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs kestrune-cli with the arguments (already quoted for the shell), after the shell
// commands in before.
Run cli(const std::string& args, const TempDir& dir, const std::string& before = "") {
    const std::string errFile = dir.file("stderr.txt");
    const std::string command = before + std::string(KESTRUNE_CLI) + " " + args + " 2>" + errFile;
    Run run;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.out.append(buffer, n);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = readBytes(errFile);
    return run;
}

std::string quoted(const std::string& path) {
    return "'" + path + "'";
}

const std::string kExamples = KESTRUNE_EXAMPLES_DIR;

TEST(Cli, ShowPrintsKindIconAndDetailsInUtf8) {
    TempDir dir;
    writeBytes(dir.file("m.bat"), crlf({"echo caf\xE9", "NET USE G: \\\\F\\A"}));
    const auto run = cli("show " + quoted(dir.file("m.bat")), dir);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "Other\timgOther\techo caf\xC3\xA9\nMap Drive\timgDrive\tMap \\\\F\\A as G:\\\n");

    const auto templ = cli("show " + quoted(kExamples + "/office.lst"), dir);
    EXPECT_EQ(templ.status, 0);
    EXPECT_TRUE(templ.out.starts_with("Map Drive\timgDrive\tMap \\\\FILES\\APPS as G:\\ \n"));
}

TEST(Cli, MakeAndSaveWriteTheFormats) {
    TempDir dir;
    writeBytes(dir.file("in.LST"),
               crlf({"// Logon Script Template File", "", "[home]", "local=H", ""}));
    const auto made = cli("make " + quoted(dir.file("in.LST")), dir);
    EXPECT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(readBytes(dir.file("in.bat")),
              crlf({"@echo off", "", "rem - Created with Kestrune", "", "NET USE H: /HOME", ""}));

    const auto saved = cli("save " + quoted(dir.file("in.bat")) + " -", dir);
    EXPECT_EQ(saved.status, 0);
    EXPECT_EQ(saved.out, crlf({"// Logon Script Template File", "", "[home]", "local=H", ""}));

    // - reads standard input: a script, or with --template a template whatever its name.
    const auto piped = cli("make - < " + quoted(dir.file("in.bat")), dir);
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out, readBytes(dir.file("in.bat")));
    const auto pipedTemplate = cli("show --template - < " + quoted(dir.file("in.LST")), dir);
    EXPECT_EQ(pipedTemplate.out,
              "Map Drive\timgHome\tMap home directory on the logon server as H:\\ \n");
    EXPECT_EQ(cli("show - < " + quoted(dir.file("in.LST")), dir).out.substr(0, 6), "Other\t");
    // A name that isn't UTF-8 reads and writes as its bytes.
    writeBytes(dir.file("bad\xff.lst"), readBytes(dir.file("in.LST")));
    EXPECT_EQ(cli("make " + quoted(dir.file("bad\xff.lst")), dir).status, 0);
    EXPECT_EQ(readBytes(dir.file("bad\xff.bat")), readBytes(dir.file("in.bat")));

    const auto example =
        cli("save " + quoted(kExamples + "/office.lst") + " " + quoted(dir.file("o.lst")), dir);
    EXPECT_EQ(example.status, 0);
    EXPECT_EQ(readBytes(dir.file("o.lst")), readBytes(kExamples + "/office.lst"));
}

// A script written by hand, with continued lines, a later "@echo off", trailing blanks,
// quoted shares, characters cmd.exe acts on, loop variables and a byte-order mark, keeps
// every command and what it does; made again, or through a template, it stays the same.
TEST(Cli, HandWrittenScriptKeepsEveryCommand) {
    TempDir dir;
    const std::string data = KESTRUNE_TEST_DATA_DIR;
    const std::string expected = readBytes(data + "/hand_written.made.bat");
    ASSERT_EQ(
        cli("make " + quoted(data + "/hand_written.bat") + " " + quoted(dir.file("1.bat")), dir)
            .status,
        0);
    EXPECT_EQ(readBytes(dir.file("1.bat")), expected);
    EXPECT_EQ(cli("make " + quoted(dir.file("1.bat")) + " -", dir).out, expected);
    cli("save " + quoted(dir.file("1.bat")) + " " + quoted(dir.file("1.lst")), dir);
    EXPECT_EQ(cli("make " + quoted(dir.file("1.lst")) + " -", dir).out, expected);
}

// Sections end at a line of blanks, and an empty drive is the next available one.
TEST(Cli, HandEditedTemplateSections) {
    TempDir dir;
    writeBytes(dir.file("t.lst"),
               crlf({"// Logon Script Template File", "", "[map]", "remote=\\\\F\\A", "local=", " ",
                     "[printer]", "remote=\\\\P\\Q", "port=2", "\t", "[motd]", "local=C:\\M.TXT",
                     "  ", "[home]", "local=", "", "[other]", "command=set X=1 ", ""}));
    const auto made = cli("make " + quoted(dir.file("t.lst")) + " -", dir);
    EXPECT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out,
              crlf({"@echo off", "", "rem - Created with Kestrune", "", "NET USE * \\\\F\\A", "",
                    "NET USE LPT2 \\\\P\\Q", "", "type \"C:\\M.TXT\"", "pause", "",
                    "NET USE * /HOME", "", "set X=1 ", ""}));
}

// Both writers refuse a printer without its share; the script writer and no other
// refuses a share or path holding a double quote. A refused file is left as it was.
TEST(Cli, RefusedActionsLeaveTheFileAlone) {
    TempDir dir;
    const std::string head = crlf({"// Logon Script Template File", ""});
    struct Case {
        std::string section;
        bool templateRefuses;
    };
    const Case cases[] = {
        {crlf({"[printer]", "port=3"}), true},
        {crlf({"[map]", "remote=\\\\F\\A\"B", "local=G"}), false},
        {crlf({"[printer]", "remote=\\\\P\\\"Q", "port=1"}), false},
        {crlf({"[app]", "local=C:\\A\" & CALC & \".EXE"}), false},
        {crlf({"[reg]", "remote=\\\\S\\X\".REG"}), false},
        {crlf({"[motd]", "local=C:\\M\".TXT"}), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section);
        writeBytes(dir.file("in.lst"), head + c.section);
        writeBytes(dir.file("old.bat"), "old");
        const auto made =
            cli("make " + quoted(dir.file("in.lst")) + " " + quoted(dir.file("old.bat")), dir);
        EXPECT_EQ(made.status, 1);
        EXPECT_EQ(made.err,
                  "An error occurred while saving the file " + dir.file("old.bat") +
                      ".\nPlease ensure the disk or one of the directories is not read only.\n");
        EXPECT_EQ(readBytes(dir.file("old.bat")), "old");
        const auto saved = cli("save " + quoted(dir.file("in.lst")) + " -", dir);
        EXPECT_EQ(saved.status, c.templateRefuses ? 1 : 0);
        EXPECT_EQ(saved.out, c.templateRefuses ? "" : head + c.section + "\r\n");
    }
}

TEST(Cli, FailuresExitWithOneAndTheMessage) {
    TempDir dir;
    const auto missing = cli("show " + quoted(dir.file("none.lst")), dir);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              dir.file("none.lst") + " could not found. Please make sure the path is correct.\n");
    EXPECT_TRUE(missing.out.empty());

    writeBytes(dir.file("bad.lst"), "not a template\r\n");
    EXPECT_EQ(cli("show " + quoted(dir.file("bad.lst")), dir).err, "Invalid file format.\n");

    writeBytes(dir.file("x.bat"), "NET USE G: \\\\F\\A\r\n");
    const auto unwritable =
        cli("make " + quoted(dir.file("x.bat")) + " " + quoted(dir.file("no/x.bat")), dir);
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.err,
              "An error occurred while saving the file " + dir.file("no/x.bat") +
                  ".\nPlease ensure the disk or one of the directories is not read only.\n");

    // A file-size limit fails the save with the message, leaving nothing half-written.
    const auto limited =
        cli("save " + quoted(kExamples + "/office.lst") + " " + quoted(dir.file("o.lst")), dir,
            "ulimit -f 1; ");
    EXPECT_EQ(limited.status, 1);
    EXPECT_EQ(limited.err, "An unexpected error occurred while saving the file " +
                               dir.file("o.lst") + ".\n\nError: 27 File too large\n");
    EXPECT_EQ(kestrune::test::entriesIn(dir.path()), 3U);  // bad.lst, x.bat, stderr.txt

    std::ofstream{dir.file("big.bat")};
    std::filesystem::resize_file(dir.file("big.bat"), 65 << 20);
    EXPECT_EQ(cli("show " + quoted(dir.file("big.bat")), dir).err,
              "The file " + dir.file("big.bat") +
                  " is too large to open: 68157440 bytes.\nA "
                  "template or batch script can be at most 67108864 bytes (64 MiB).\n");
    const auto piped = cli("show -", dir, "cat " + quoted(dir.file("big.bat")) + " | ");
    EXPECT_EQ(piped.status, 1);
    EXPECT_TRUE(piped.err.starts_with("The file - is too large to open: more than 67108864"))
        << piped.err;
}

TEST(Cli, UsageErrorsExitWithTwo) {
    TempDir dir;
    for (const char* args :
         {"", "show", "frob x", "save x", "show a b", "make a b c", "check", "check a b",
          "check a --server", "check a --server FILES", "check a --server F=h:99999",
          "check a --user", "check a --user= ", "check a --user u --user v", "check a --frob"}) {
        const auto run = cli(args, dir);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("Usage:"), std::string::npos) << args;
    }
    // A file that can't be read is a failure, not a usage error.
    const auto missing = cli("check " + quoted(dir.file("none.lst")) + " --server F=h", dir);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              dir.file("none.lst") + " could not found. Please make sure the path is correct.\n");
    EXPECT_EQ(cli("--template", dir).status, 2);
    for (const char* help : {"--help", "-h"}) {
        const auto run = cli(help, dir);
        EXPECT_EQ(run.status, 0) << help;
        EXPECT_TRUE(run.out.starts_with("Usage:")) << help;
        EXPECT_NE(run.out.find("kestrune-cli check [--template] FILE [--server "
                               "NAME=ADDRESS[:PORT]]... [--user NAME]"),
                  std::string::npos);
    }
    EXPECT_TRUE(cli("--version", dir).out.starts_with("kestrune-cli "));
}

}  // namespace
