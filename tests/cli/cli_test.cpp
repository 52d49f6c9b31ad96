#include <gtest/gtest.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>

#include "support/temp_dir.h"
#include "support/test_text.h"

namespace kestrune::test {
namespace {

const std::string kHead = crlf({"// Logon Script Template File", ""});
const std::string kScriptHead = crlf({"@echo off", "", "rem - Created with Kestrune", ""});

TEST(Cli, ReadsWritesAndTellsWhatFailed) {
    TempDir temp;
    const std::string dir = temp.path().string();
    const std::string data = KESTRUNE_TEST_DATA_DIR;
    const std::string office = readBytes(KESTRUNE_EXAMPLES_DIR "/office.lst");
    const std::string made = readBytes(data + "/hand_written.made.bat");
    writeBytes(temp.file("office.lst"), office);
    writeBytes(temp.file("h.LST"), kHead + crlf({"[home]", "local=H"}));
    writeBytes(temp.file("m.bat"), crlf({"echo caf\xE9", "NET USE G: \\\\F\\A"}));
    writeBytes(temp.file("if.bat"), crlf({"cls", "if /i \"%USERNAME%\"==\"bob\" echo a\tb"}));
    // A double quote can't be in a Windows path: only the script writer refuses it (told by
    // the window's tests).
    const std::string quotes =
        kHead + crlf({"[map]", "remote=\\\\F\\A\"B", "local=G", "", "[printer]",
                      "remote=\\\\P\\\"Q", "port=1", "", "[app]", "local=C:\\A\" & CALC & \".EXE",
                      "", "[reg]", "remote=\\\\S\\X\".REG", "", "[motd]", "local=C:\\M\".TXT", ""});
    writeBytes(temp.file("quote.lst"), quotes);
    writeBytes(temp.file("noshare.lst"), kHead + crlf({"[printer]", "port=3"}));
    // A version 2 template: its plain sections as ever, each extended action in a section an
    // older version skips.
    const std::string version2 =
        crlf({"// Logon Script Template File, version 2", "", "[other]", "command=cls", "",
              "[map+]", "remote=\\\\F\\A", "local=K", "persistent=no", "", "[unmap]", "drive=*",
              "confirm=yes", ""});
    writeBytes(temp.file("v2.lst"), version2);
    writeBytes(temp.file("letter.lst"), kHead + crlf({"[map]", "remote=\\\\F\\R&D", "local=\""}));
    writeBytes(temp.file("cut.lst"), kHead + crlf({"[other]", "command=cls", "", "[other]"}));
    writeBytes(temp.file("lf.lst"), "// Logon Script Template File\n\n[other]\ncommand=cls\n");
    const std::string tooLarge =
        " is too large to open: 68157440 bytes.\nA template or batch "
        "script can be at most 67108864 bytes (64 MiB).\n";

    // A command, its exit status, what it writes to standard output and to standard error.
    const std::tuple<std::string, int, std::string, std::string> rows[] = {
        {"CLI save @/office.lst -", 0, office, ""},
        // --long adds the condition, empty for always, before Details, which may hold tabs.
        {"CLI show @/if.bat && CLI show @/if.bat --long", 0,
         "Other\timgOther\tcls\nOther\timgOther\techo a\tb\nOther\timgOther\t\tcls\n"
         "Other\timgOther\tuser bob\techo a\tb\n",
         ""},
        // ".LST" in any case is a template; a name that isn't UTF-8 is the system's bytes.
        {"mv @/h.LST @/bad\xff.LST && CLI make @/bad\xff.LST && cat @/bad\xff.bat", 0,
         kScriptHead + crlf({"NET USE H: /HOME", ""}), ""},
        // A script written by hand keeps every command and what it does, made again from
        // what was made or through a template.
        {"CLI make '" + data + "/hand_written.bat' @/1.bat && CLI make @/1.bat -", 0, made, ""},
        // - is standard input, with --template a template whatever its name.
        {"CLI save @/1.bat - | CLI make --template - -", 0, made, ""},
        {"CLI save @/quote.lst -", 0, quotes, ""},
        {"CLI save @/v2.lst -", 0, version2, ""},
        // Only a letter is a drive: this one would pair its quotes so that "&D" ran.
        {"CLI make @/letter.lst -", 1, "",
         "Action 1 can't be written to a batch script: a drive must be a letter.\nMap "
         "\\\\F\\R&D as \":\\ \n"},
        // A drive mapping without a share keeps each save's own message, naming standard output.
        {"printf '" + kHead +
             "[map]\r\nremote=FILES\r\n' > @/f.lst; CLI make @/f.lst -; CLI save "
             "@/f.lst -",
         1, "",
         "An error occurred while saving the file standard output.\nPlease ensure the disk or one "
         "of the directories is not read only.\nAn unexpected error occurred while saving the "
         "file standard output.\n\nError: 22 Action 1 names no network share beginning with "
         "\\\\: Map FILES as next available drive\n"},
        // Past a file-size limit the save fails with its message rather than ending the program.
        {"ulimit -f 1; CLI save @/office.lst @/o.lst", 1, "",
         "An unexpected error occurred while saving the file @/o.lst.\n\nError: 27 File too "
         "large\n"},
        // diff: what writing the file back would change, as diff -u prints it (the hunks
        // themselves: line_comparison_test.cpp).
        {"CLI diff --template - < @/lf.lst", 3,
         "--- -\n+++ - (as written by kestrune-cli)\n@@ -1,4 +1,5 @@\n-// Logon Script Template "
         "File\n-\n-[other]\n-command=cls\n+// Logon Script Template File\n+\n+[other]\n"
         "+command=cls\n+\n",
         ""},
        // Written by the program, it would be written back byte for byte.
        {"CLI make @/m.bat @/own.bat && CLI diff @/own.bat && CLI diff - < @/own.bat && CLI "
         "diff @/office.lst",
         0, "", ""},
        {"cp @/own.bat @/w2.bat; echo new > @/w2.bat.kestrune-recovery; CLI diff @/w2.bat", 0, "",
         "Warning: a save of @/w2.bat was interrupted; the file may be incomplete.\nThe copy that "
         "was being saved is @/w2.bat.kestrune-recovery.\n"},
        {"CLI diff @/noshare.lst", 1, "",
         "Action 1 can't be written to a batch script: a printer needs a share.\nMap printer  on "
         "LPT3\n"},
        {"CLI diff @/none.bat", 1, "",
         "The file @/none.bat could not found.\nPlease make sure the path is correct.\n"},
        // A save cut short while rewriting a file in place left its copy beside it. Texts
        // from files are Windows-1252, shown as UTF-8.
        {"cp @/m.bat @/w.bat; echo new > @/w.bat.kestrune-recovery; CLI show @/w.bat", 0,
         "Other\timgOther\techo caf\xC3\xA9\nMap Drive\timgDrive\tMap \\\\F\\A as G:\\\n",
         "Warning: a save of @/w.bat was interrupted; the file may be incomplete.\nThe copy that "
         "was being saved is @/w.bat.kestrune-recovery.\n"},
        {"echo '// logon script template file' > @/bad.lst; CLI show @/bad.lst", 1, "",
         "Invalid file format.\n"},
        {"touch @/empty.lst; CLI show @/empty.lst", 1, "",
         "An unexpected error occurred while reading the file @/empty.lst.\n\nLine: \n\nError: "
         "62\nInput past end of file\n"},
        {"CLI show @/cut.lst", 1, "",
         "An unexpected error occurred while reading the file @/cut.lst.\n\nLine: "
         "[other]\n\nError: 62\nInput past end of file\n"},
        {"truncate -s 65M @/big.bat; CLI show @/big.bat", 1, "", "The file @/big.bat" + tooLarge},
        {"CLI show - < @/big.bat", 1, "", "The file -" + tooLarge},
        {"cat @/big.bat | CLI show -", 1, "",
         "The file - is too large to open: more than 67108864 bytes.\nA template or batch "
         "script can be at most 67108864 bytes (64 MiB).\n"},
        {"yes x | head -n 2000001 > @/many.bat; CLI show @/many.bat", 1, "",
         "The file @/many.bat is too large to open: its 4000002 bytes give more than 2000000 "
         "actions.\nA template or batch script can hold at most 2000000 actions.\n"},
        {"{ echo Logon Script Template File; yes '[other]' | head -n 4000002; } > @/many.lst; "
         "CLI show @/many.lst",
         1, "",
         "The file @/many.lst is too large to open: its 32000043 bytes give more than 2000000 "
         "actions.\nA template or batch script can hold at most 2000000 actions.\n"},
        {"for a in '' show 'frob x' 'save x' 'show a b' 'make a b c' --template diff 'diff a b' "
         "'make --long x' '--long -h' 'diff --long x'; do CLI $a; echo $?; done",
         0, "2\n2\n2\n2\n2\n2\n2\n2\n2\n2\n2\n2\n",
         "USAGEUSAGEUSAGEUSAGEUSAGEUSAGEUSAGEUSAGEUSAGEUSAGEUSAGEUSAGE"},
        {"CLI -h", 0, "USAGE", ""},
        // check: its usage errors, a file it can't read, and its line in the usage.
        {"for a in check 'check a b' 'check a --server' 'check a --server FILES' "
         "'check a --server F=h:99999' 'check a --user' 'check a --user= ' "
         "'check a --user u --user v' 'check a --frob'; do CLI $a 2>@/e; echo $? $(grep -c "
         "'^Usage:' @/e); done",
         0, "2 1\n2 1\n2 1\n2 1\n2 1\n2 1\n2 1\n2 1\n2 1\n", ""},
        {"CLI check @/none.lst --server F=h", 1, "",
         "@/none.lst could not found. Please make sure the path is correct.\n"},
    };
    std::string usage;
    // CLI stands for kestrune-cli, @/ for the test's folder, USAGE for the usage text.
    const auto placed = [&](const std::string& text) {
        return replaced(replaced(replaced(text, "@/", dir + "/"), "CLI", KESTRUNE_CLI), "USAGE",
                        usage);
    };
    const auto sh = [&](const std::string& line) {
        const auto run = runShell("{ " + placed(line) + "\n} 2>" + dir + "/stderr.txt");
        return std::tuple(run.status, run.out, readBytes(dir + "/stderr.txt"));
    };
    usage = std::get<1>(sh("CLI --help"));
    ASSERT_TRUE(usage.starts_with("Usage:\n"));
    EXPECT_NE(usage.find("kestrune-cli check [--template] FILE [--server NAME=ADDRESS[:PORT]]... "
                         "[--user NAME]"),
              std::string::npos);
    EXPECT_NE(usage.find("kestrune-cli diff [--template] FILE"), std::string::npos);
    EXPECT_TRUE(std::get<1>(sh("CLI --version")).starts_with("kestrune-cli "));
    for (const auto& [command, status, out, err] : rows) {
        SCOPED_TRACE(command);
        EXPECT_EQ(sh(command), std::tuple(status, placed(out), placed(err)));
    }
    for (const auto& entry : std::filesystem::directory_iterator(temp.path())) {
        EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();
    }
}

// Ctrl-C at the password prompt ends the program, and the terminal shows what is typed again.
TEST(Cli, TheTerminalShowsTypingAgainAfterCtrlCAtThePasswordPrompt) {
    TempDir temp;
    writeBytes(temp.file("m.bat"), "echo x\r\n");
    int terminal = -1;
    const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::unsetenv("KESTRUNE_PASSWORD");
        ::execl(KESTRUNE_CLI, KESTRUNE_CLI, "check", temp.file("m.bat").c_str(), "--user", "u",
                nullptr);
        ::_exit(127);
    }
    const std::string prompt = "Password for u: ";
    std::string shown;
    for (char c = 0; !shown.ends_with(prompt) && ::read(terminal, &c, 1) == 1;) {
        shown += c;
    }
    termios asking{};
    ::tcgetattr(terminal, &asking);
    EXPECT_EQ(::write(terminal, "\x03", 1), 1);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    termios after{};
    ASSERT_EQ(::tcgetattr(terminal, &after), 0);
    ::close(terminal);
    EXPECT_TRUE(shown.ends_with(prompt)) << shown;
    EXPECT_EQ(asking.c_lflag & ECHO, 0U);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
    EXPECT_NE(after.c_lflag & ECHO, 0U);
}

}  // namespace
}  // namespace kestrune::test
