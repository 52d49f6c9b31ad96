// The two file formats, line by line, and any input at all. Whole files, round trips and
// the messages are checked through kestrune-cli (tests/cli).

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <ranges>
#include <vector>

#include "core/action.h"
#include "files/script_format.h"
#include "files/template_format.h"
#include "support/temp_dir.h"
#include "support/test_text.h"

namespace kestrune {
namespace {

using test::crlf;
using test::listOf;
using Briefs = std::vector<std::string>;

// An action as one text: its icon without "img", then its Details. The icon gives the
// kind; a kind that doesn't go with it is added in brackets.
std::string brief(const Action& a) {
    const std::string icon = a.iconKey.substr(3);
    const std::string_view kinds[][2] = {
        {"Drive", kind::kMapDrive},    {"Home", kind::kMapDrive},
        {"Print", kind::kMapPrinter},  {"App", kind::kRunApplication},
        {"Reg", kind::kMergeRegistry}, {"Motd", kind::kDisplayMessage},
        {"Other", kind::kOther}};
    for (const auto& [i, k] : kinds) {
        if (i == icon && k == a.kind) {
            return icon + " " + a.details;
        }
    }
    return icon + " " + a.details + " [" + a.kind + "]";
}

// Reads into a list that holds an action already: reading replaces the list.
Briefs read(std::string_view bytes, bool asTemplate, FileResult* result = nullptr) {
    ActionList list = listOf({{kind::kOther, "stale"}});
    const auto r = asTemplate ? parseTemplate(bytes, "C:\\T.LST", list) : parseScript(bytes, list);
    if (result) {
        *result = r;
    } else {
        EXPECT_TRUE(r.ok()) << r.message;
    }
    Briefs out;
    for (const auto& a : list) {
        out.push_back(brief(a));
    }
    return out;
}

// Lines that the script reader keeps as they stand, less their leading blanks: words it
// can't take apart, shapes the writer couldn't give back, characters cmd.exe acts on
// outside quotes, a double quote in a share or path, FOR variables, a type without pause.
TEST(ScriptReader, KeepsLinesItCannotTakeApart) {
    const std::string_view lines = R"(NET USE G: /DELETE
net use T: \\FILES\TEMP /PERSISTENT:NO
net use h: /home \\srv\users
net use /persistent:no g: \\s\x
net use lpt1 printer
net use lpt12 \\p\q
net user bob \\srv
net use g: \\f\r&d
net use g: \\srv\a"b
net use g: "\\s\a"b"
net use g: "\\srv\x "
start c:\a&b.exe
start C:\tools\%%f.exe
for %%u in (a b) do net use x: \\srv\%%u
net use g: \\srv\%~1
start notepad
start "Title" "c:\x.exe"
start c:\x.exe /quiet
net usex: \\srv\x
startup.cmd \\srv\x
type motd.txt
type \\files\motd.txt
rename a.txt b.txt
pause)";
    for (const auto line : std::views::split(lines, '\n')) {
        const std::string text(line.begin(), line.end());
        EXPECT_EQ(read(" \t" + text, false), Briefs{"Other " + text});
    }
}

struct ReadRow {
    std::string bytes;
    Briefs actions;
};

TEST(ScriptReader, TakesLinesApart) {
    const ReadRow rows[] = {
        {"NET USE G: \\\\FILES\\APPS", {"Drive Map \\\\FILES\\APPS as G:\\"}},
        {"  net use \\\\files\\apps  ", {"Drive Map \\\\FILES\\APPS as next available drive"}},
        {"net use g: \\\\print\\lpt1", {"Drive Map \\\\PRINT\\LPT1 as G:\\"}},
        {"NET USE H: /HOME", {"Home Map home directory on logon server as H:\\"}},
        {"NET USE * /home", {"Home Map home directory on logon server as next available drive"}},
        {"NET USE LPT2 \\\\PRINT\\LASER", {"Print Map \\\\PRINT\\LASER on LPT2"}},
        {"Start \"\\\\APPS\\SETUP.EXE\"", {"App Remote: \\\\APPS\\SETUP.EXE"}},
        {"start c:\\windows\\notepad.exe", {"App Local: C:\\WINDOWS\\NOTEPAD.EXE"}},
        {"start \" c:\\tools\\setup.reg \"", {"Reg Local: C:\\TOOLS\\SETUP.REG"}},
        // A message is "type" and its "pause"; a type line without one is kept as it is.
        {"type \\\\f\\motd.txt\rPAUSE \npause",
         {"Motd Display message from \\\\F\\MOTD.TXT", "Other pause"}},
        {crlf({"type \"C:\\M.TXT\"", "", "pause"}), {"Other type \"C:\\M.TXT\"", "Other pause"}},
        {"cls\r\ntype \"C:\\M.TXT\"", {"Other cls", "Other type \"C:\\M.TXT\""}},
        // Only an "@echo off" before any command is the header, which the writer sets anew.
        {crlf({"@ECHO OFF", "", " ", "rem - Created with Kestrune", "cls"}), {"Other cls"}},
        {crlf({"rem x", "@echo off", "cls", "@echo off"}),
         {"Other rem x", "Other cls", "Other @echo off"}},
        // The line after one ending in "^" is part of its command and kept exactly, and
        // after an empty one, whose line end the "^" escaped, the next line as well.
        {crlf({"set LF=^", "", "", "", "x"}), {"Other set LF=^", "Other ", "Other ", "Other x"}},
        {crlf({"if 1==1 ^", " @echo off ^", "type c:\\m.txt", "pause"}),
         {"Other if 1==1 ^", "Other  @echo off ^", "Other type c:\\m.txt", "Other pause"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(read(row.bytes, false), row.actions) << row.bytes;
    }
}

TEST(TemplateReader, ReadsTheSections) {
    const ReadRow rows[] = {
        {"[map]\nremote=\\\\f\\a\nlocal=G\n\n[home]\nlocal=H\n\n[printer]\nremote=\\\\P\\Q\nport=2"
         "\n\n[app]\nremote=\\\\s\\x.exe\n\n[reg]\nlocal=c:\\p.reg\n\n[motd]\nlocal=\\\\F\\M.TXT\n"
         "\n[other]\ncommand=echo Welcome\n",
         {"Drive Map \\\\F\\A as G:\\ ", "Home Map home directory on the logon server as H:\\ ",
          "Print Map printer \\\\P\\Q on LPT2", "App Remote: \\\\S\\X.EXE", "Reg Local: C:\\P.REG",
          "Motd Display message from \\\\F\\M.TXT", "Other echo Welcome"}},
        {"[MAP]\rremote=\\\\A\\B\rlocal=*\r\r[map] \rremote=\\\\C\\D\r\r; note\r[colours]\r",
         {"Drive Map \\\\A\\B as next available drive"}},
        // The key is what stands before "=": values never change a line's key.
        {crlf({"[map]", "remote= \\\\SRV\\LOCAL ", "", "[app]", "local=C:\\PREMIER\\APP.EXE"}),
         {"Drive Map \\\\SRV\\LOCAL as next available drive", "App Local: C:\\PREMIER\\APP.EXE"}},
        {crlf({"[printer]", "remote=\\\\P\\Q", "port= 03", "", "[printer]", "remote=\\\\P\\Q",
               "port=10", "", "[home]", "remote=\\\\SRV", "   ", "[app]", "", "[reg]", "",
               "[motd]"}),
         {"Print Map printer \\\\P\\Q on LPT3", "Print Map printer \\\\P\\Q",
          "Home Map home directory on the logon server as next available drive",
          "App Local: ", "Reg Local: ", "Motd Display message from ERROR READING TEMPLATE"}},
        // "[other]" takes one line whole; without the empty line after a section the next
        // header belongs to that section.
        {crlf({"[other]", "echo hello", "[other]", "command=x=y", "[map]", "remote=\\\\A\\B",
               "[other]", "command=cls", "", "[other]", "command=dir"}),
         {"Other echo hello", "Other x=y", "Drive Map \\\\A\\B as next available drive",
          "Other dir"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(read("// Logon Script Template File\r\n\r\n" + row.bytes, true), row.actions)
            << row.bytes;
    }
    EXPECT_EQ(read("x Logon Script Template File x\n[other]\ncls", true), Briefs{"Other cls"});
    // "[other]" on the last line misses its line: the read fails and what was read stays.
    FileResult result;
    EXPECT_EQ(read("Logon Script Template File\n[other]\ncls\n\n[other]", true, &result),
              Briefs{"Other cls"});
    EXPECT_EQ(result.status, FileStatus::Failed);
}

struct WriteRow {
    std::string_view kind;
    const char* details;
    // "!": the action can't be written; its line as far as it had been built follows.
    std::string out;
};

TEST(ScriptWriter, WritesEachAction) {
    const WriteRow rows[] = {
        {kind::kMapDrive, "Map \\\\F\\A|B<C>D\tE as G:\\", "NET USE G: \"\\\\F\\A|B<C>D\tE\""},
        {kind::kMapPrinter, "Map printer \\\\P\\Q^(2) on LPT1", "NET USE LPT1 \"\\\\P\\Q^(2)\""},
        {kind::kMapPrinter, "Map printer \\\\PRINT\\LASER", "NET USE \\\\PRINT\\LASER"},
        {kind::kMapPrinter, "Map printer \\\\PRINT\\LASER on LPT10", "NET USE \\\\PRINT\\LASER"},
        {"Unknown", "anything", ""},
        {kind::kMapDrive, "Map FILES\\APPS as G:\\", "!NET USE G: "},
        {kind::kMapDrive, "Map \\\\F\\A\" & calc & \" as G:\\", "!NET USE G: "},
        {kind::kMapPrinter, "Map printer  on LPT3", "!NET USE LPT3 "},
        {kind::kMapPrinter, "Map printer \\\\P\\\"Q on LPT1", "!NET USE LPT1 "},
        {kind::kRunApplication, "Local: C:\\A\".EXE", "!Start \"\" \""},
        {kind::kMergeRegistry, "Remote: \\\\S\\X\".REG", "!Start \"\" \""},
        {kind::kDisplayMessage, "Display message from C:\\M\".TXT", "!type \""},
    };
    for (const auto& row : rows) {
        std::string out;
        const bool written = appendScriptLines(Action{std::string(row.kind), row.details, ""}, out);
        EXPECT_EQ(written, !row.out.starts_with('!')) << row.details;
        EXPECT_EQ(out, written ? row.out + (row.out.empty() ? "" : "\r\n") : row.out.substr(1));
    }
    // No empty line comes after a line ending in "^", nor after an empty line whose line
    // end the "^" escaped; a blank after the "^" ends the command.
    const auto list = listOf({{kind::kOther, "set LF=^"},
                              {kind::kOther, ""},
                              {kind::kOther, ""},
                              {kind::kOther, "echo ^^"},
                              {kind::kOther, "echo ^ "}});
    EXPECT_EQ(renderScript(list).bytes, crlf({"@echo off", "", "rem - Created with Kestrune", "",
                                              "set LF=^", "", "", "", "echo ^^", "echo ^ ", ""}));
}

TEST(TemplateWriter, WritesEachAction) {
    const WriteRow rows[] = {
        {kind::kMapDrive, "Map \\\\FILES\\APPS as G:\\", "[map]|remote=\\\\FILES\\APPS|local=G||"},
        {kind::kMapDrive, "Map home directory on logon server as next available drive",
         "[home]|local=*||"},
        {kind::kMapPrinter, "Map printer \\\\P\\Q on LPT10", "[printer]|remote=\\\\P\\Q||"},
        {kind::kMergeRegistry, "Local: C:\\TOOLS\\SETUP.REG", "[reg]|local=C:\\TOOLS\\SETUP.REG||"},
        {"Unknown", "anything", "|"},
        {kind::kMapDrive, "Map FILES\\APPS as G:\\", "!"},
    };
    for (const auto& row : rows) {
        const auto file = renderTemplate(listOf({{kind::kOther, "cls"}, {row.kind, row.details}}));
        std::string bytes =
            crlf({"// Logon Script Template File", "", "[other]", "command=cls", ""});
        for (const char c : row.out.substr(row.out == "!")) {
            bytes += c == '|' ? std::string("\r\n") : std::string(1, c);
        }
        EXPECT_EQ(file.failedRow, row.out == "!" ? std::optional<std::size_t>(1) : std::nullopt);
        EXPECT_EQ(file.bytes, bytes) << row.details;
    }
}

// Reading anything, then writing and reading again, gives the same actions and bytes.
void expectStable(const std::string& bytes, bool asTemplate) {
    const auto parse = [&](std::string_view text, ActionList& list) {
        return asTemplate ? parseTemplate(text, "x.lst", list) : parseScript(text, list);
    };
    const auto render = [&](const ActionList& list) {
        return asTemplate ? renderTemplate(list) : renderScript(list);
    };
    ActionList read;
    parse(bytes, read);
    const auto written = render(read);
    if (!written.failedRow) {
        ActionList again;
        EXPECT_TRUE(parse(written.bytes, again).ok());
        EXPECT_EQ(test::shown(again), test::shown(read));
        EXPECT_EQ(render(again).bytes, written.bytes);
    }
}

void expectStableBoth(const std::string& bytes) {
    expectStable(bytes, false);
    expectStable("// Logon Script Template File\r\n" + bytes, true);
}

TEST(HostileInput, AnyBytesRoundTrip) {
    std::mt19937 engine(1);
    for (int i = 0; i < 50; ++i) {
        std::string garbage(4096, '\0');
        for (char& c : garbage) {
            c = static_cast<char>(engine());
        }
        expectStableBoth(garbage);
    }
    for (const char* text : {"[other]", "\r\n\r\n\r", "\n[map]\nlocal=", "[home]\r\r\r[motd]"}) {
        expectStableBoth(text);
    }
    // NUL is text like any other byte.
    expectStableBoth(std::string("[other]\0\r\ncommand=\0\0\r\n[map]\r\nremote=\\\\\0", 40));
    EXPECT_EQ(read(std::string("echo a\0b", 8), false), Briefs{std::string("Other echo a\0b", 14)});
}

// Inputs the fuzzers once found breaking the round trip.
TEST(HostileInput, FuzzRegressions) {
    std::size_t files = 0;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(KESTRUNE_FUZZ_REGRESSIONS_DIR)) {
        if (entry.is_regular_file()) {
            SCOPED_TRACE(entry.path().string());
            expectStable(test::readBytes(entry.path().string()),
                         entry.path().extension() == ".lst");
            ++files;
        }
    }
    EXPECT_GT(files, 0U);
}

// Lists and lines of any length: no 16-bit counts.
TEST(HostileInput, LongLinesAndLists) {
    std::string script = "echo " + std::string(10 << 20, 'x') + "\r\n";
    for (int i = 0; i < 100000; ++i) {
        script += "NET USE G: \\\\SRV\\SHARE" + std::to_string(i) + "\r\n";
    }
    ActionList list;
    parseScript(script, list);
    // Reading a file gives back its memory as it goes, and reads the same.
    test::TempDir dir;
    ActionList fromFile;
    test::writeBytes(dir.file("big.bat"), script);
    ASSERT_TRUE(readScriptFile(dir.file("big.bat"), fromFile).ok());
    EXPECT_TRUE(fromFile == list);
    test::writeBytes(dir.file("big.lst"), renderTemplate(list).bytes);
    ASSERT_TRUE(parseTemplate(renderTemplate(list).bytes, "", list).ok());
    ASSERT_TRUE(readTemplateFile(dir.file("big.lst"), fromFile).ok());
    EXPECT_TRUE(fromFile == list);
    ASSERT_EQ(list.size(), 100001U);
    EXPECT_EQ(list[0].details.size(), (10U << 20) + 5);
    EXPECT_EQ(list[100000].details, "Map \\\\SRV\\SHARE99999 as G:\\ ");
}

// Out of memory half-way through a read: the read fails with its message, the program goes on.
TEST(HostileInput, RunningOutOfMemoryIsAFailedRead) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than a limit would allow";
#else
    test::TempDir dir;
    const auto path = dir.file("lines.bat");
    // Two million short lines: a read needs far more than the limit below leaves.
    std::string lines(16 << 20, 'x');
    for (std::size_t i = 7; i < lines.size(); i += 8) {
        lines[i] = '\n';
    }
    test::writeBytes(path, lines);
    lines = {};
    const pid_t child = ::fork();
    if (child == 0) {
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlimit limit{static_cast<rlim_t>(pages * ::sysconf(_SC_PAGESIZE) + (32 << 20)),
                           RLIM_INFINITY};
        ::setrlimit(RLIMIT_AS, &limit);
        ActionList list;
        const auto read = readScriptFile(path, list);
        ::_exit(read.message == "An unexpected error occurred while reading the file " + path +
                                    ".\r\rError: 12 Cannot allocate memory"
                    ? 0
                    : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
#endif
}

}  // namespace
}  // namespace kestrune
