// The two file formats line by line, and any input at all (whole files: tests/cli; each
// form's round trip: conditions_test.cpp).

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <ranges>

#include "files/action_briefs.h"
#include "files/file_io.h"
#include "support/temp_dir.h"
#include "support/test_text.h"

namespace kestrune::test {
namespace {

// Reads into a list that holds an action already.
Briefs read(std::string_view bytes, bool asTemplate) {
    ActionList list = listOf({{kind::kOther, "stale"}});
    const auto [ok, briefs] = readInto(list, bytes, asTemplate);
    EXPECT_TRUE(ok) << bytes;
    return briefs;
}

// Lines the script reader keeps as they stand, less their leading blanks: what it can't take
// apart or the writer couldn't give back, cmd.exe's characters outside quotes, a quote in a
// path, FOR variables, NET USE switches it doesn't know or that clash, a START title or switch.
TEST(ScriptReader, KeepsLinesItCannotTakeApart) {
    const std::string_view lines = R"(net use h: /home \\srv\users
net use g: \\s\x secret
net use g: \\s\x /smartcard
net use g: \\s\x /yes /y
NET USE G: \\S\X /YES /YES
NET USE G: /DELETE /PERSISTENT:NO
NET USE G: \\S\X >NUL /YES
NET USE G: \\S\X /YES"x"
NET USE LPT1 /HOME
NET USE >NUL
net use g: /delete /persistent:no
net use g: /d \\s\x
net use h: /home /savecred
net use lpt1 /home
net use g: \\s\x>nul
net use g: \\s\x /user:a&b
net use lpt1 printer
net use lpt12 \\p\q
net use g: "\\s\a"b"
net use g: "\\srv\x "
start c:\a&b.exe
net use g: \\srv\%~1
net use g: "\\srv\%%a" /user:%u%
net use %%d: \\s\x
start notepad
start "Title" "c:\x.exe"
start /min c:\x.exe
start c:\tools\run /s
"c:\x.bat" /s
c:\x.exe a|b
call :label
reg import x.reg /y
regedit x.reg
net usex: \\srv\x
startup.cmd \\srv\x)";
    for (const auto line : std::views::split(lines, '\n')) {
        const std::string text(line.begin(), line.end());
        EXPECT_EQ(read(" \t" + text, false), Briefs{"Other " + text});
        // Nothing of the line after it is taken into it, whichever way the line ends.
        for (const std::string_view end : {"\r\n", "\n", "\r"}) {
            EXPECT_EQ(read(text + std::string(end) + "net use g: \"\\\\s\\x\"\r\n", false),
                      (Briefs{"Other " + text, "Drive Map \\\\S\\X as G:\\"}))
                << text;
        }
    }
}

TEST(ScriptReader, TakesLinesApart) {
    const std::pair<std::string, Briefs> rows[] = {
        // A message is "type" and its "pause"; a type line without one is kept as it is.
        {"type \\\\f\\motd.txt\rPAUSE \npause",
         {"Motd Display message from \\\\F\\MOTD.TXT", "Other pause"}},
        {crlf({"type \"C:\\M.TXT\"", "", "pause"}), {"Other type \"C:\\M.TXT\"", "Other pause"}},
        {"cls\r\ntype \"C:\\M.TXT\"", {"Other cls", "Other type \"C:\\M.TXT\""}},
        // Only an "@echo off" before any command is the header, which the writer sets anew.
        {crlf({"@ECHO OFF", "", " ", "rem - Created with Kestrune", "cls"}), {"Other cls"}},
        {crlf({"rem x", "@echo off", "cls", "@echo off"}),
         {"Other rem x", "Other cls", "Other @echo off"}},
        // The line after one ending in "^" is part of its command, kept exactly (after an
        // empty one, the next line as well).
        {crlf({"set LF=^", "", "", "", "x"}), {"Other set LF=^", "Other ", "Other ", "Other x"}},
        {crlf({"if 1==1 ^", " @echo off ^", "type c:\\m.txt", "pause"}),
         {"Other if 1==1 ^", "Other  @echo off ^", "Other type c:\\m.txt", "Other pause"}},
        // A NET USE line ends where the line does, whichever its end.
        {"net use g: \\\\s\\x >nul \t\r\nnet use * /d\n\rnet use lpt1 /d 1>nul\rcls",
         {"Drive Map \\\\S\\X as G:\\ with >NUL", "Drive Disconnect all network connections",
          "Print Disconnect printer LPT1 with >NUL", "Other cls"}},
        {crlf({"net use g: \"\\\\s\\x", "\" /yes"}),
         {"Other net use g: \"\\\\s\\x", "Other \" /yes"}},
        {crlf({"net use g: \\\\s\\x ^", "/yes"}), {"Other net use g: \\\\s\\x ^", "Other /yes"}},
    };
    for (const auto& [bytes, actions] : rows) {
        EXPECT_EQ(read(bytes, false), actions) << bytes;
    }
}

// Hand-written variants: the action each reads to, and the line it is written back as.
TEST(ScriptReader, TakesVariantsApartAndWritesThemCanonically) {
    const std::tuple<std::string, std::string, std::string> rows[] = {
        {"net use /delete g:", "Drive Disconnect drive G:", "NET USE G: /DELETE"},
        {"Net Use * /D /Y", "Drive Disconnect all network connections with /YES",
         "NET USE * /DELETE /YES"},
        {"net use LPT1: /del >nul", "Print Disconnect printer LPT1 with >NUL",
         "NET USE LPT1 /DELETE >NUL"},
        {"net use k:  \"\\\\files\\pgm\" /User:CORP\\jo /persistent:No /savecred 1>NUL",
         "Drive Map \\\\FILES\\PGM as K:\\ with /USER:CORP\\jo /SAVECRED /PERSISTENT:NO >NUL",
         "NET USE K: \\\\FILES\\PGM /USER:CORP\\jo /SAVECRED /PERSISTENT:NO >NUL"},
        {"net use * /home /yes > nul",
         "Home Map home directory on logon server as next available drive with /YES >NUL",
         "NET USE * /HOME /YES >NUL"},
        {"NET USE /persistent:yes LPT2 \\\\print\\laser",
         "Print Map \\\\PRINT\\LASER on LPT2 with /PERSISTENT:YES",
         "NET USE LPT2 \\\\PRINT\\LASER /PERSISTENT:YES"},
        {"net use h: \"\\\\s\\my x\" /user:%USERDOMAIN%\\%USERNAME%",
         "Drive Map \\\\S\\MY X as H:\\ with /USER:%USERDOMAIN%\\%USERNAME%",
         "NET USE H: \"\\\\S\\MY X\" /USER:%USERDOMAIN%\\%USERNAME%"},
        {"start \\\\apps\\x.exe /s \"a b\"",
         "App Remote: \\\\APPS\\X.EXE with arguments /s \"a b\"",
         "Start \"\" \"\\\\APPS\\X.EXE\" /s \"a b\""},
        {"start \"\" \"c:\\x\" -q", "App Local: C:\\X with arguments -q",
         "Start \"\" \"C:\\X\" -q"},
        {"start \"\" %LogonServer%\\x.exe", "App Remote: %LOGONSERVER%\\X.EXE",
         "Start \"\" \"%LOGONSERVER%\\X.EXE\""},
        {"start \\\\s\\p.reg a", "App Remote: \\\\S\\P.REG with arguments a",
         "Start \"\" \"\\\\S\\P.REG\" a"},
        {"%logonserver%\\x.msi /q", "App Remote: %LOGONSERVER%\\X.MSI with wait, arguments /q",
         "\"%LOGONSERVER%\\X.MSI\" /q"},
        {"call setup.cmd x", "App Local: SETUP.CMD with wait, arguments x", "call \"SETUP.CMD\" x"},
        {"reg  import %USERNAME%.reg", "Reg Local: %USERNAME%.REG with reg import",
         "reg import \"%USERNAME%.REG\""},
        {"regedit.exe -S \"\\\\s\\n\\p.reg\"", "Reg Remote: \\\\S\\N\\P.REG with regedit /s",
         "regedit /s \"\\\\S\\N\\P.REG\""},
    };
    for (const auto& [line, action, written] : rows) {
        ActionList list;
        EXPECT_EQ(readInto(list, line, false), std::pair(true, Briefs{action})) << line;
        EXPECT_EQ(renderScriptBody(list).bytes, crlf({written, ""})) << line;
    }
}

// What files/data/reader_sections.lst (the plain sections as ever written) doesn't hold.
TEST(TemplateReader, ReadsTheSections) {
    const std::pair<std::string, Briefs> rows[] = {
        // "[other]" takes one line whole; a header not after an empty line belongs to its section.
        {crlf({"[other]", "echo hello", "[other]", "command=x=y", "[map]", "Remote=\\\\A\\B",
               "LOCAL=*", "[other]", "command=cls", "", "[other]", "command=dir"}),
         {"Other echo hello", "Other x=y", "Drive Map \\\\A\\B as next available drive",
          "Other dir"}},
        // A strict section takes the plain keys, its own by their whole name in any case, and
        // ends at an empty line or the next header; without options it is the plain action.
        {crlf({"[MAP+]", "remote=\\\\f\\a", " User = CORP\\Jo ", "Quiet=YES", "[unmap]", "drive=h",
               "[home+]", "blocal=K", "persistent=No", "", "[printer+]", "REMOTE=\\\\P\\Q",
               "Port=03", "", "[app+]", "rem=\\\\a\\b.exe"}),
         {"Drive Map \\\\F\\A as next available drive with /USER:CORP\\Jo >NUL",
          "Drive Disconnect drive H:",
          "Home Map home directory on the logon server as K:\\ with /PERSISTENT:NO",
          "Print Map printer \\\\P\\Q on LPT3", "App Remote: \\\\A\\B.EXE"}},
    };
    for (const auto& [bytes, actions] : rows) {
        EXPECT_EQ(read("// Logon Script Template File\r\n\r\n" + bytes, true), actions) << bytes;
    }
    EXPECT_EQ(read("x Logon Script Template File x\n[other]\ncls", true), Briefs{"Other cls"});
}

// A strict section's line no key takes, or whose value breaks its key's rules, fails the read
// naming it; a key missing names the header. Nothing of the section is read.
TEST(TemplateReader, StrictSectionsFailOnWhatTheyCantTake) {
    const std::string badLine =
        "Error: 22\rNot a key of this section, or a value the key can't take";
    const std::string badSection =
        "Error: 22\rThe section lacks a key it must have: a printer's port, a drive";
    const std::pair<std::string, std::string> rows[] = {
        {crlf({"[map+]", "colour=red"}), "colour=red\r\r" + badLine},
        {crlf({"[map+]", "savecred"}), "savecred\r\r" + badLine},
        // A name this program writes is a whole key: not a part of one, nor one run on.
        {crlf({"[app+]", "wai"}), "wai\r\r" + badLine},
        {crlf({"[app+]", "waitxyes"}), "waitxyes\r\r" + badLine},
        {crlf({"[map+]", "persistentxno"}), "persistentxno\r\r" + badLine},
        {crlf({"[map+]", "persistent =maybe"}), "persistent =maybe\r\r" + badLine},
        {crlf({"[map+]", "user=a b"}), "user=a b\r\r" + badLine},
        {crlf({"[home+]", "user=jo"}), "user=jo\r\r" + badLine},
        {crlf({"[app+]", "port=2"}), "port=2\r\r" + badLine},
        {crlf({"[app+]", "arguments=a & b"}), "arguments=a & b\r\r" + badLine},
        {crlf({"[reg+]", "method=start"}), "method=start\r\r" + badLine},
        {crlf({"[motd+]", "local=C:\\M.TXT", "condition=user"}), "condition=user\r\r" + badLine},
        {crlf({"[motd+]", "local=C:\\M.TXT", "condition=computer A B"}),
         "condition=computer A B\r\r" + badLine},
        {crlf({"[unmap]", "drive=1"}), "drive=1\r\r" + badLine},
        {crlf({"[unmap]", "confirm=yes", ""}), "[unmap]\r\r" + badSection},
        {crlf({"[printer+]", "remote=\\\\P\\Q", "port=10", "persistent=no"}),
         "[printer+]\r\r" + badSection},
    };
    for (const auto& [lines, message] : rows) {
        const std::string bytes =
            crlf({"// Logon Script Template File", "", "[other]", "cls", ""}) + lines;
        ActionList list;
        const auto result = parseTemplate(bytes, "T.LST", list);
        EXPECT_EQ(EnglishText(result.message),
                  "An unexpected error occurred while reading the file T.LST.\r\rLine: " + message);
        EXPECT_EQ(list.size(), 1U) << message;
    }
}

// Each action's lines; "!": it can't be written, and its line as far as built follows.
TEST(Writers, WriteEachAction) {
    const std::pair<KindAndDetails, std::string> rows[] = {
        {{kind::kMapDrive, "Map \\\\F\\A|B<C>D\tE as G:\\"},
         "NET USE G: \"\\\\F\\A|B<C>D\tE\"\r\n"},
        {{kind::kMapPrinter, "Map printer \\\\P\\Q^(2) on LPT1"},
         "NET USE LPT1 \"\\\\P\\Q^(2)\"\r\n"},
        {{"Unknown", "anything"}, ""},
        {{kind::kMapPrinter, "Map printer \\\\P\\\"Q on LPT1"}, "!NET USE LPT1 "},
        {{kind::kDisplayMessage, "Display message from C:\\M\".TXT"}, "!type \""},
    };
    for (const auto& [a, out] : rows) {
        std::string lines;
        const bool written =
            appendScriptLines({std::string(a.kind), std::string(a.details), ""}, lines);
        EXPECT_EQ((written ? "" : "!") + lines, out) << a.details;
    }
    // Why each writer refuses (none: it writes); a template keeps any drive, a script a letter.
    using enum Refusal;
    const std::tuple<KindAndDetails, std::optional<Refusal>, std::optional<Refusal>> refused[] = {
        {{kind::kMapDrive, "Map \\\\F\\R&D as \":\\ "}, DriveNotLetter, std::nullopt},
        {{kind::kMapPrinter, "Map printer \\\\P\\Q with /YES"}, OptionsNeedPort, OptionsNeedPort},
        {{kind::kMapDrive, "Map \\\\F\\A as G:\\ with /yes"}, UnreadableOptions, UnreadableOptions},
    };
    for (const auto& [a, script, lst] : refused) {
        const auto list = listOf({a});
        const auto s = renderScript(list);
        const auto t = renderTemplate(list);
        EXPECT_EQ(s.failedRow ? std::optional(s.refusal) : std::nullopt, script) << a.details;
        EXPECT_EQ(t.failedRow ? std::optional(t.refusal) : std::nullopt, lst) << a.details;
    }
    // A blank after the "^" ends the command, so the empty line follows.
    EXPECT_EQ(renderScript(listOf({{kind::kOther, "echo ^ "}})).bytes,
              crlf({"@echo off", "", "rem - Created with Kestrune", "", "echo ^ ", ""}));
}

// A file larger than the readers take is never written: the writer stops at the action that
// takes it past and leaves the target as it was. One exactly at the limit reads again.
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
                EXPECT_EQ(EnglishText(result.message),
                          "Action 2 can't be written to a batch script: the file would be larger "
                          "than 64 MiB.\recho x");
                EXPECT_EQ(readBytes(path), "old");
                continue;
            }
            ASSERT_TRUE(result.ok()) << EnglishText(result.message);
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

// Any bytes, the fuzzers' regressions, and lines and lists of any length (no 16-bit counts).
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
        std::fputs(EnglishText(readScriptFile(path, list).message).c_str(), stderr);
        std::exit(0);
    };
    EXPECT_EXIT(readUnderALimit(), testing::ExitedWithCode(0),
                "An unexpected error occurred while reading the file .*lines.bat.\r\rError: 12 "
                "Cannot allocate memory");
#endif
}

}  // namespace
}  // namespace kestrune::test
