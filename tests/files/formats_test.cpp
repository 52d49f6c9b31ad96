// The two file formats, line by line, and any input at all. Whole files, round trips and
// the messages are checked through kestrune-cli (tests/cli).

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <ranges>

#include "files/file_io.h"
#include "files/script_format.h"
#include "support/temp_dir.h"
#include "support/test_text.h"

namespace kestrune::test {
namespace {

using Briefs = std::vector<std::string>;

// An action as one text: its icon without "img", then its Details; a kind that doesn't go
// with the icon is added in brackets.
std::string brief(const Action& a) {
    const std::string icon = a.iconKey.substr(3);
    const std::string_view kinds[] = {
        kind::kMapDrive,      kind::kMapDrive,       kind::kMapPrinter, kind::kRunApplication,
        kind::kMergeRegistry, kind::kDisplayMessage, kind::kOther};
    const auto at = std::string_view("DriveHome PrintApp  Reg  Motd Other").find(icon);
    const bool fits = at != std::string_view::npos && at % 5 == 0 && kinds[at / 5] == a.kind;
    return icon + " " + a.details + (fits ? "" : " [" + a.kind + "]");
}

// Reads into the list, which reading replaces: whether it read, and the actions.
std::pair<bool, Briefs> readInto(ActionList& list, std::string_view bytes, bool asTemplate) {
    const auto r = asTemplate ? parseTemplate(bytes, "C:\\T.LST", list) : parseScript(bytes, list);
    Briefs out;
    std::ranges::transform(list, std::back_inserter(out), brief);
    return {r.ok(), out};
}

// Reads into a list that holds an action already.
Briefs read(std::string_view bytes, bool asTemplate) {
    ActionList list = listOf({{kind::kOther, "stale"}});
    const auto [ok, briefs] = readInto(list, bytes, asTemplate);
    EXPECT_TRUE(ok) << bytes;
    return briefs;
}

// Lines that the script reader keeps as they stand, less their leading blanks: words it
// can't take apart, shapes the writer couldn't give back, characters cmd.exe acts on
// outside quotes, a double quote in a share or path, FOR variables, a type without pause.
// (The hand-written script, made through kestrune-cli, holds more of them.)
TEST(ScriptReader, KeepsLinesItCannotTakeApart) {
    const std::string_view lines = R"(NET USE G: /DELETE
net use T: \\FILES\TEMP /PERSISTENT:NO
net use h: /home \\srv\users
net use /persistent:no g: \\s\x
net use lpt1 printer
net use lpt12 \\p\q
net user bob \\srv
net use g: "\\s\a"b"
net use g: "\\srv\x "
start c:\a&b.exe
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

TEST(ScriptReader, TakesLinesApart) {
    const std::pair<std::string, Briefs> rows[] = {
        {"  net use \\\\files\\apps  ", {"Drive Map \\\\FILES\\APPS as next available drive"}},
        {"net use g: \\\\print\\lpt1", {"Drive Map \\\\PRINT\\LPT1 as G:\\"}},
        {"NET USE H: /HOME", {"Home Map home directory on logon server as H:\\"}},
        {"NET USE * /home", {"Home Map home directory on logon server as next available drive"}},
        {"NET USE LPT2 \\\\PRINT\\LASER", {"Print Map \\\\PRINT\\LASER on LPT2"}},
        {"net use * \"\\\\s\\a b\"", {"Drive Map \\\\S\\A B as next available drive"}},
        {"net use lpt3 \"\\\\p\\q\"", {"Print Map \\\\P\\Q on LPT3"}},
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
    for (const auto& [bytes, actions] : rows) {
        EXPECT_EQ(read(bytes, false), actions) << bytes;
    }
}

TEST(TemplateReader, ReadsTheSections) {
    const std::pair<std::string, Briefs> rows[] = {
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
    for (const auto& [bytes, actions] : rows) {
        EXPECT_EQ(read("// Logon Script Template File\r\n\r\n" + bytes, true), actions) << bytes;
    }
    EXPECT_EQ(read("x Logon Script Template File x\n[other]\ncls", true), Briefs{"Other cls"});
}

// Each action's lines; "!" before them: the action can't be written, and its line as far as
// it had been built follows.
TEST(Writers, WriteEachAction) {
    const std::pair<KindAndDetails, std::string> rows[] = {
        {{kind::kMapDrive, "Map \\\\F\\A|B<C>D\tE as G:\\"},
         "NET USE G: \"\\\\F\\A|B<C>D\tE\"\r\n"},
        {{kind::kMapPrinter, "Map printer \\\\P\\Q^(2) on LPT1"},
         "NET USE LPT1 \"\\\\P\\Q^(2)\"\r\n"},
        {{"Unknown", "anything"}, ""},
        {{kind::kMapPrinter, "Map printer  on LPT3"}, "!NET USE LPT3 "},
        {{kind::kMapPrinter, "Map printer \\\\P\\\"Q on LPT1"}, "!NET USE LPT1 "},
        {{kind::kMergeRegistry, "Remote: \\\\S\\X\".REG"}, "!Start \"\" \""},
        {{kind::kDisplayMessage, "Display message from C:\\M\".TXT"}, "!type \""},
    };
    for (const auto& [a, out] : rows) {
        std::string lines;
        const bool written =
            appendScriptLines({std::string(a.kind), std::string(a.details), ""}, lines);
        EXPECT_EQ((written ? "" : "!") + lines, out) << a.details;
    }
    // A blank after the "^" ends the command, so the empty line follows. (No empty line
    // after a "^" that goes on in the next line: the hand-written script, made by kestrune-cli.)
    EXPECT_EQ(renderScript(listOf({{kind::kOther, "echo ^ "}})).bytes,
              crlf({"@echo off", "", "rem - Created with Kestrune", "", "echo ^ ", ""}));
    // The template writer stops at a mapping without a share as well (a printer's is
    // checked through kestrune-cli).
    const auto file =
        renderTemplate(listOf({{kind::kOther, "cls"}, {kind::kMapDrive, "Map A as G:\\"}}));
    EXPECT_EQ(file.failedRow, 1U);
    EXPECT_EQ(file.bytes,
              crlf({"// Logon Script Template File", "", "[other]", "command=cls", ""}));
}

// A file larger than the readers take is never written: the writer stops at the action whose
// lines take it past, says so, and leaves the target as it was. One exactly at the limit is
// written and reads again.
TEST(Writers, NeverWriteAFileTooLargeToOpen) {
    TempDir dir;
    const std::string path = dir.file("big");
    for (const bool asTemplate : {true, false}) {
        SCOPED_TRACE(asTemplate ? "template" : "script");
        // Besides the first command: the file's first lines, and each command's own lines.
        const std::size_t room = kMaxInputBytes - (asTemplate ? 33 + 21 + 27 : 44 + 4 + 10);
        for (const std::size_t size : {room, room + 1}) {
            const auto list =
                listOf({{kind::kOther, std::string(size, 'x')}, {kind::kOther, "echo x"}});
            writeBytes(path, "old");
            const auto result =
                asTemplate ? writeTemplateFile(path, list) : writeScriptFile(path, list);
            if (size > room) {
                EXPECT_EQ(result.message,
                          "Action 2 can't be written to a batch script: the file would be larger "
                          "than 64 MiB.\recho x");
                EXPECT_EQ(readBytes(path), "old");
                continue;
            }
            ASSERT_TRUE(result.ok()) << result.message;
            EXPECT_EQ(std::filesystem::file_size(path), kMaxInputBytes);
            ActionList back;
            EXPECT_TRUE(asTemplate ? readTemplateFile(path, back).ok()
                                   : readScriptFile(path, back).ok());
            EXPECT_EQ(back.size(), 2U);
        }
    }
}

// Reading anything, then writing and reading again, gives the same actions and bytes.
void expectStable(const std::string& bytes, bool asTemplate) {
    ActionList list;
    const auto write = [&] { return asTemplate ? renderTemplate(list) : renderScript(list); };
    const auto first = readInto(list, bytes, asTemplate).second;
    const auto written = write();
    if (!written.failedRow) {
        EXPECT_EQ(readInto(list, written.bytes, asTemplate), std::pair(true, first));
        EXPECT_EQ(write().bytes, written.bytes);
    }
}

// Any bytes, the inputs the fuzzers once found breaking the round trip, and lines and lists
// of any length (no 16-bit counts).
TEST(HostileInput, AnyBytesRoundTrip) {
    std::mt19937 engine(1);
    std::vector<std::string> inputs = {
        "[other]", "\r\n\r\n\r", "\n[map]\nlocal=", "[home]\r\r\r[motd]",
        std::string("[other]\0\r\ncommand=\0\0\r\n[map]\r\nremote=\\\\\0", 40)};
    for (int i = 0; i < 50; ++i) {
        std::string& garbage = inputs.emplace_back(4096, '\0');
        std::ranges::generate(garbage, [&] { return static_cast<char>(engine()); });
    }
    for (const auto& bytes : inputs) {
        expectStable(bytes, false);
        expectStable("// Logon Script Template File\r\n" + bytes, true);
    }
    // NUL is text like any other byte.
    EXPECT_EQ(read(std::string("echo a\0b", 8), false), Briefs{std::string("Other echo a\0b", 14)});
    std::size_t files = 0;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(KESTRUNE_FUZZ_REGRESSIONS_DIR)) {
        if (entry.is_regular_file()) {
            SCOPED_TRACE(entry.path().string());
            expectStable(readBytes(entry.path().string()), entry.path().extension() == ".lst");
            ++files;
        }
    }
    EXPECT_GT(files, 0U);
    std::string script = "echo " + std::string(10 << 20, 'x') + "\r\n";
    for (int i = 0; i < 100000; ++i) {
        script += "NET USE G: \\\\SRV\\SHARE" + std::to_string(i) + "\r\n";
    }
    ActionList list;
    readInto(list, script, false);
    // Reading a file gives back its memory as it goes, and reads the same.
    TempDir dir;
    ActionList fromFile;
    writeBytes(dir.file("big.bat"), script);
    ASSERT_TRUE(readScriptFile(dir.file("big.bat"), fromFile).ok());
    EXPECT_TRUE(fromFile == list);
    writeBytes(dir.file("big.lst"), renderTemplate(list).bytes);
    const auto [ok, briefs] = readInto(list, renderTemplate(list).bytes, true);
    ASSERT_EQ(std::pair(ok, briefs.size()), std::pair(true, std::size_t{100001}));
    ASSERT_TRUE(readTemplateFile(dir.file("big.lst"), fromFile).ok());
    EXPECT_TRUE(fromFile == list);
    EXPECT_EQ(briefs[0].size(), (10U << 20) + 11);
    EXPECT_EQ(briefs[100000], "Drive Map \\\\SRV\\SHARE99999 as G:\\ ");
}

// Out of memory half-way through a read: the read fails with its message, the program goes on.
TEST(HostileInput, RunningOutOfMemoryIsAFailedRead) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than a limit would allow";
#else
    TempDir dir;
    const auto path = dir.file("lines.bat");
    // Two million short lines: a read needs far more than the limit below leaves.
    std::string lines(16 << 20, 'x');
    for (std::size_t i = 7; i < lines.size(); i += 8) {
        lines[i] = '\n';
    }
    writeBytes(path, lines);
    lines = {};
    const auto readUnderALimit = [&] {
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlimit limit{static_cast<rlim_t>(pages * ::sysconf(_SC_PAGESIZE) + (32 << 20)),
                           RLIM_INFINITY};
        ::setrlimit(RLIMIT_AS, &limit);
        ActionList list;
        std::fputs(readScriptFile(path, list).message.c_str(), stderr);
        std::exit(0);
    };
    EXPECT_EXIT(readUnderALimit(), testing::ExitedWithCode(0),
                "An unexpected error occurred while reading the file .*lines.bat.\r\rError: 12 "
                "Cannot allocate memory");
#endif
}

}  // namespace
}  // namespace kestrune::test
