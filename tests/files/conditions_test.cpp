// Conditions in both formats: each form under each, the writers' refusals, hand-written IF
// lines, the template's key. (cmd.exe runs the user and computer lines: wine_script_test.cpp.)

#include <gtest/gtest.h>

#include <ranges>

#include "files/action_briefs.h"
#include "support/temp_dir.h"
#include "support/test_text.h"

namespace kestrune::test {
namespace {

const std::string kHead = crlf({"@echo off", "", "rem - Created with Kestrune", ""});
const std::string kWhoami =
    "%SystemRoot%\\System32\\whoami.exe /groups /fo csv /nh | %SystemRoot%\\System32\\find.exe /i ";

// Every form as a script line and a template section, always and under each condition: each
// reads back to its action, and what either reads writes both files' bytes. A condition goes
// before the action's lines, puts a message's two lines into a block and a plain section into
// its "+" form.
TEST(Formats, EveryFormAlwaysAndUnderEachConditionRoundTripsThroughBoth) {
    const std::pair<std::string, std::string> conditions[] = {
        {"", ""},
        {"member of Finance", kWhoami + "\"\\Finance\"\",\" >nul\r\nif not errorlevel 1 "},
        {"not member of CORP\\Staff",
         kWhoami + "\"\"\"CORP\\Staff\"\",\" >nul\r\nif errorlevel 1 if not errorlevel 2 "},
        {"user bob", "if /i \"%USERNAME%\"==\"bob\" "},
        {"not user bob", "if /i \"%USERNAME%\" NEQ \"bob\" "},
        {"computer PC01", "if /i \"%COMPUTERNAME%\"==\"PC01\" "},
        {"not computer KIOSK", "if /i \"%COMPUTERNAME%\" NEQ \"KIOSK\" "},
    };
    struct Form {
        std::string lines;                       // the action's own, without a condition
        std::string section;                     // as written without a condition, "|" for CR LF
        std::string fromScript, fromTemplate{};  // fromTemplate empty: as fromScript
    };
    const Form forms[] = {
        {"NET USE G: \\\\FILES\\APPS", "[map]|remote=\\\\FILES\\APPS|local=G",
         "Drive Map \\\\FILES\\APPS as G:\\", "Drive Map \\\\FILES\\APPS as G:\\ "},
        {"NET USE K: \\\\FILES\\PGM /USER:CORP\\jo /SAVECRED /PERSISTENT:NO /YES >NUL",
         "[map+]|remote=\\\\FILES\\PGM|local=K|user=CORP\\jo|savecred=yes|"
         "persistent=no|confirm=yes|quiet=yes",
         "Drive Map \\\\FILES\\PGM as K:\\ with /USER:CORP\\jo /SAVECRED /PERSISTENT:NO /YES >NUL"},
        {"NET USE * \"\\\\FILES\\MY DATA\" /PERSISTENT:YES",
         "[map+]|remote=\\\\FILES\\MY DATA|local=*|persistent=yes",
         "Drive Map \\\\FILES\\MY DATA as next available drive with /PERSISTENT:YES"},
        {"NET USE H: /HOME /PERSISTENT:NO /YES", "[home+]|local=H|persistent=no|confirm=yes",
         "Home Map home directory on logon server as H:\\ with /PERSISTENT:NO /YES",
         "Home Map home directory on the logon server as H:\\ with /PERSISTENT:NO /YES"},
        {"NET USE LPT2 \\\\PRINT\\LASER /PERSISTENT:NO",
         "[printer+]|remote=\\\\PRINT\\LASER|port=2|persistent=no",
         "Print Map \\\\PRINT\\LASER on LPT2 with /PERSISTENT:NO",
         "Print Map printer \\\\PRINT\\LASER on LPT2 with /PERSISTENT:NO"},
        {"NET USE G: /DELETE", "[unmap]|drive=G", "Drive Disconnect drive G:"},
        {"NET USE * /DELETE /YES", "[unmap]|drive=*|confirm=yes",
         "Drive Disconnect all network connections with /YES"},
        {"NET USE LPT1 /DELETE >NUL", "[unmap]|drive=LPT1|quiet=yes",
         "Print Disconnect printer LPT1 with >NUL"},
        {"Start \"\" \"\\\\APPS\\X.EXE\" /s \"a b\"",
         "[app+]|remote=\\\\APPS\\X.EXE|arguments=/s \"a b\"",
         "App Remote: \\\\APPS\\X.EXE with arguments /s \"a b\""},
        {"\"\\\\APPS\\BGINFO.EXE\" \\\\apps\\x.bgi /timer:0",
         "[app+]|remote=\\\\APPS\\BGINFO.EXE|arguments=\\\\apps\\x.bgi /timer:0|wait=yes",
         "App Remote: \\\\APPS\\BGINFO.EXE with wait, arguments \\\\apps\\x.bgi /timer:0"},
        {"\"C:\\TOOLS\\RUN.EXE\"", "[app+]|local=C:\\TOOLS\\RUN.EXE|wait=yes",
         "App Local: C:\\TOOLS\\RUN.EXE with wait"},
        {"call \"%LOGONSERVER%\\INV.BAT\" /q",
         "[app+]|remote=%LOGONSERVER%\\INV.BAT|arguments=/q|wait=yes",
         "App Remote: %LOGONSERVER%\\INV.BAT with wait, arguments /q"},
        {"reg import \"%USERNAME%.REG\"", "[reg+]|local=%USERNAME%.REG|method=reg",
         "Reg Local: %USERNAME%.REG with reg import"},
        {"regedit /s \"\\\\FILES\\P.REG\"", "[reg+]|remote=\\\\FILES\\P.REG|method=regedit",
         "Reg Remote: \\\\FILES\\P.REG with regedit /s"},
        {"type \"\\\\FILES\\M.TXT\"\r\npause", "[motd]|local=\\\\FILES\\M.TXT",
         "Motd Display message from \\\\FILES\\M.TXT"},
        {"echo Welcome, %USERNAME%  ", "[other]|command=echo Welcome, %USERNAME%  ",
         "Other echo Welcome, %USERNAME%  "},
    };
    for (const auto& [condition, head] : conditions) {
        for (const Form& f : forms) {
            SCOPED_TRACE(condition + ": " + f.lines);
            const bool always = condition.empty();
            const bool block = !always && f.section.starts_with("[motd]");
            const std::string script =
                kHead + head + (block ? "(\r\n" + f.lines + "\r\n)" : f.lines) + "\r\n\r\n";
            const auto end = f.section.find(']');
            const bool plain = f.section[end - 1] != '+' && !f.section.starts_with("[unmap]");
            std::string section = f.section;
            if (!always && plain) {
                section.insert(end, "+");
            }
            const std::string lst = replaced(
                std::string(always && plain ? "// Logon Script Template File"
                                            : "// Logon Script Template File, version 2") +
                    "||" + section + "|" + (always ? "" : "condition=" + condition + "|") + "|",
                "|", "\r\n");
            const std::string when = always ? "" : " if " + condition;
            const std::string fromTemplate = f.fromTemplate.empty() ? f.fromScript : f.fromTemplate;
            ActionList a, b;
            EXPECT_EQ(readInto(a, script, false), std::pair(true, Briefs{f.fromScript + when}));
            EXPECT_EQ(readInto(b, lst, true), std::pair(true, Briefs{fromTemplate + when}));
            EXPECT_EQ(renderScript(a).bytes, script);
            EXPECT_EQ(renderScript(b).bytes, script);
            EXPECT_EQ(renderTemplate(a).bytes, lst);
            EXPECT_EQ(renderTemplate(b).bytes, lst);
        }
    }
}

// What the script writer refuses under a condition: a name (which a template keeps), or a
// command under one; "|" parts the texts of a row.
TEST(Conditions, WritersRefuseWhatAScriptCantHold) {
    const std::tuple<bool, std::string, std::string> rows[] = {
        {false, "a condition name can't be empty", "user "},
        {false, "a condition name can only hold printable ASCII characters",
         "user b\xF6rn|user bob\t"},
        {false, "a condition name can't begin or end with a blank",
         "member of  Finance|computer PC "},
        {false, "a condition name can't hold double quotes, % or !",
         "member of a\"b|user %USERNAME%|not computer PC!"},
        {false, "a condition name of a group holds at most one backslash (DOMAIN\\GROUP)",
         "member of A\\B\\C"},
        {false, "a condition name of a user or computer can't hold a backslash", "user CORP\\bob"},
        {false, "a condition name of a computer can't hold a blank", "not computer LAB PC"},
        {false, "its condition can't be read", "group Finance"},
        {true, "a command with a condition can't be empty", "   "},
        {true, "a command with a condition can't begin with (, ), : or @",
         "(echo a) else (echo b)| @echo off|:label|)"},
        {true, "a command with a condition can't end with ^", "echo a ^"},
    };
    for (const auto& [isCommand, reason, texts] : rows) {
        for (const auto part : std::views::split(texts, '|')) {
            const std::string text(part.begin(), part.end());
            SCOPED_TRACE(text);
            const std::string command = isCommand ? text : "echo x";
            ActionList list;
            list.append(kind::kOther, icon::kOther, command, isCommand ? "user bob" : text);
            const auto script = renderScript(list);
            ASSERT_EQ(script.failedRow, 0U);
            EXPECT_EQ(EnglishText(scriptRefusedMessage("S.BAT", list, script)),
                      "Action 1 can't be written to a batch script: " + reason + ".\r" + command);
            EXPECT_EQ(renderTemplate(list).failedRow.has_value(), !isCommand);
        }
    }
    // A "^" at the end of a line puts the next line into its command: under a condition that
    // would take the condition's own line, or its IF, with it.
    ActionList list;
    list.append(kind::kOther, icon::kOther, "echo goes on ^");
    list.append(kind::kMapDrive, icon::kDrive, "Map \\\\F\\A as G:\\", "user bob");
    const auto script = renderScript(list);
    EXPECT_EQ(EnglishText(scriptRefusedMessage("S.BAT", list, script)),
              "Action 2 can't be written to a batch script: an action with a condition can't "
              "follow a line ending with ^.\rMap \\\\F\\A as G:\\");
    EXPECT_FALSE(renderTemplate(list).failedRow);
    // Trying one action runs its own line: the condition isn't tested there.
    EXPECT_EQ(firstScriptLine(list[1]), "NET USE G: \\\\F\\A");
}

// Hand-written lines: what the reader takes back (and writes canonically), and the IF forms,
// blocks and broken pairs it keeps as they stand.
TEST(Conditions, ReaderTakesTheFormsBackAndKeepsEveryOtherIf) {
    const std::string finance = kWhoami + "\"\\Finance\"\",\" >nul";
    const std::tuple<std::string, Briefs, std::string> rows[] = {
        {crlf({"IF /I \"%username%\" == \"bob\"   net use g: \\\\f\\a"}),
         {"Drive Map \\\\F\\A as G:\\ if user bob"},
         crlf({"if /i \"%USERNAME%\"==\"bob\" NET USE G: \\\\F\\A"})},
        {crlf({"if /i not \"%ComputerName%\"==\"PC01\" echo x "}),
         {"Other echo x  if not computer PC01"},
         crlf({"if /i \"%COMPUTERNAME%\" NEQ \"PC01\" echo x "})},
        {crlf({"if /i \"%USERNAME%\" neq \"bob\" if exist x echo y"}),
         {"Other if exist x echo y if not user bob"},
         crlf({"if /i \"%USERNAME%\" NEQ \"bob\" if exist x echo y"})},
        // A type line alone under a condition is no message: its pause runs for everyone.
        {crlf({"if /i \"%username%\"==\"bob\" type \"\\\\f\\m.txt\"", "pause"}),
         {"Other type \"\\\\f\\m.txt\" if user bob", "Other pause"},
         crlf({"if /i \"%USERNAME%\"==\"bob\" type \"\\\\f\\m.txt\"", "", "pause"})},
        {crlf({"if /i \"%USERNAME%\"==\"bob\" (", "  type \\\\f\\m.txt", "  PAUSE", ")"}),
         {"Motd Display message from \\\\F\\M.TXT if user bob"},
         crlf({"if /i \"%USERNAME%\"==\"bob\" (", "type \"\\\\F\\M.TXT\"", "pause", ")"})},
        // An older writer or a hand edit may leave empty lines after the group's line.
        {crlf({finance, "", "  ", "if Not ErrorLevel 1 cls"}),
         {"Other cls if member of Finance"},
         crlf({finance, "if not errorlevel 1 cls"})},
        // A loop variable in the command is looked for in the command's own line.
        {crlf({finance, "if not errorlevel 1 start \\\\s\\%%a.exe"}),
         {"Other start \\\\s\\%%a.exe if member of Finance"},
         crlf({finance, "if not errorlevel 1 start \\\\s\\%%a.exe"})},
    };
    for (const auto& [bytes, actions, written] : rows) {
        SCOPED_TRACE(bytes);
        ActionList list;
        EXPECT_EQ(readInto(list, bytes, false), std::pair(true, actions));
        EXPECT_EQ(renderScriptBody(list).bytes, written + "\r\n");
    }
    // Kept as they stand, each line an action of its own.
    const std::vector<std::string> kept[] = {
        {finance, "if errorlevel 1 cls"},
        {kWhoami + "\"\\A\\B\"\",\" >nul", "if not errorlevel 1 cls"},
        {"if \"%USERNAME%\"==\"bob\" cls"},
        {"if /i \"%USERNAME%\"==\"bob\""},
        {"if /i not \"%USERNAME%\" NEQ \"bob\" cls"},
        {"if /i \"%USERNAME%\" EQU \"bob\" cls"},
        {"if /i \"%USERNAME%\"==\"%x%\" cls"},
        {"if /i \"%USERNAME%\"==\"bob\" (echo a) else (echo b)"},
        {"if /i \"%USERNAME%\"==\"bob\" (", "echo a", ")"},
        {"if /i \"%USERNAME%\"==\"bob\" echo a ^", "b"},
    };
    for (const auto& lines : kept) {
        std::string bytes;
        Briefs actions;
        for (const auto& line : lines) {
            bytes += line + "\r\n";
            actions.push_back("Other " + line);
        }
        ActionList list;
        EXPECT_EQ(readInto(list, bytes, false), std::pair(true, actions)) << bytes;
    }
}

// A condition in a plain section is a key no older version knew: it is passed over, as ever.
// In a "+" section it must be one of the forms with a name that keeps the rules (refusals:
// formats_test.cpp).
TEST(Conditions, TemplateReaderHoldsTheConditionToItsRules) {
    ActionList list;
    const std::string plain =
        crlf({"// Logon Script Template File", "", "[other]", "command=cls", "condition=user bob",
              "", "[other+]", "[map]", "condition=member of X", ""});
    EXPECT_EQ(readInto(list, plain, true),
              std::pair(true, Briefs{"Other cls", "Other [map] if member of X"}));
    // A printer needs a port for options, not for a condition.
    const std::string printer = crlf({"// Logon Script Template File, version 2", "", "[printer+]",
                                      "remote=\\\\P\\Q", "condition=user bob", ""});
    EXPECT_EQ(readInto(list, printer, true),
              std::pair(true, Briefs{"Print Map printer \\\\P\\Q if user bob"}));
    EXPECT_EQ(renderTemplate(list).bytes, printer);
}

}  // namespace
}  // namespace kestrune::test
