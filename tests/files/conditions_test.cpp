// Actions under a condition in both file formats: every condition on every kind round trips
// through both, what the writers refuse and why, and the hand-written IF lines the script
// reader takes back or keeps as they stand. (cmd.exe itself runs the user and computer lines
// in wine_script_test.cpp.)

#include <gtest/gtest.h>

#include "files/script_format.h"
#include "support/test_text.h"

namespace kestrune::test {
namespace {

using Briefs = std::vector<std::string>;

const std::string kHead = crlf({"@echo off", "", "rem - Created with Kestrune", ""});
const std::string kWhoami =
    "%SystemRoot%\\System32\\whoami.exe /groups /fo csv /nh | %SystemRoot%\\System32\\find.exe /i ";

// An action as one text: its kind, its Details, and " if " and its condition when it has one.
std::string brief(const Action& a) {
    return a.kind + ": " + a.details + (a.condition.empty() ? "" : " if " + a.condition);
}

Briefs readBriefs(ActionList& list, std::string_view bytes, bool asTemplate) {
    const auto result = asTemplate ? parseTemplate(bytes, "T.LST", list) : parseScript(bytes, list);
    EXPECT_TRUE(result.ok()) << EnglishText(result.message);
    Briefs out;
    for (const Action& a : list) {
        out.push_back(brief(a));
    }
    return out;
}

// Each condition with what its lines put before the action's own line, and each kind with its
// own lines, its section and what either reader makes of it.
TEST(Conditions, EveryConditionOnEveryKindRoundTripsThroughBoth) {
    const std::pair<std::string, std::string> conditions[] = {
        {"member of Finance", kWhoami + "\"\\Finance\"\",\" >nul\r\nif not errorlevel 1 "},
        {"member of Domain Users",
         kWhoami + "\"\\Domain Users\"\",\" >nul\r\nif not errorlevel 1 "},
        {"not member of CORP\\Staff",
         kWhoami + "\"\"\"CORP\\Staff\"\",\" >nul\r\nif errorlevel 1 if not errorlevel 2 "},
        {"user bob", "if /i \"%USERNAME%\"==\"bob\" "},
        {"not user Jo.Smith", "if /i \"%USERNAME%\" NEQ \"Jo.Smith\" "},
        {"computer LAB-PC01", "if /i \"%COMPUTERNAME%\"==\"LAB-PC01\" "},
        {"not computer KIOSK", "if /i \"%COMPUTERNAME%\" NEQ \"KIOSK\" "},
    };
    struct Kind {
        std::string lines;  // the action's own, without a condition
        std::vector<std::string_view> section;
        std::string fromScript, fromTemplate;
    };
    const Kind kinds[] = {
        {"NET USE G: \\\\FILES\\APPS",
         {"[map+]", "remote=\\\\FILES\\APPS", "local=G"},
         "Map Drive: Map \\\\FILES\\APPS as G:\\",
         "Map Drive: Map \\\\FILES\\APPS as G:\\ "},
        {"NET USE * /HOME /YES",
         {"[home+]", "local=*", "confirm=yes"},
         "Map Drive: Map home directory on logon server as next available drive with /YES",
         "Map Drive: Map home directory on the logon server as next available drive with /YES"},
        {"NET USE LPT2 \\\\PRINT\\LASER /PERSISTENT:NO",
         {"[printer+]", "remote=\\\\PRINT\\LASER", "port=2", "persistent=no"},
         "Map Printer: Map \\\\PRINT\\LASER on LPT2 with /PERSISTENT:NO",
         "Map Printer: Map printer \\\\PRINT\\LASER on LPT2 with /PERSISTENT:NO"},
        {"NET USE G: /DELETE", {"[unmap]", "drive=G"}, "Map Drive: Disconnect drive G:", ""},
        {"Start \"\" \"\\\\APPS\\X.EXE\" /s",
         {"[app+]", "remote=\\\\APPS\\X.EXE", "arguments=/s"},
         "Run Application: Remote: \\\\APPS\\X.EXE with arguments /s",
         ""},
        {"reg import \"%USERNAME%.REG\"",
         {"[reg+]", "local=%USERNAME%.REG", "method=reg"},
         "Merge Registry: Local: %USERNAME%.REG with reg import",
         ""},
        // A message's two lines go into a block.
        {"(\r\ntype \"\\\\FILES\\M.TXT\"\r\npause\r\n)",
         {"[motd+]", "local=\\\\FILES\\M.TXT"},
         "Display Message: Display message from \\\\FILES\\M.TXT",
         ""},
        {"echo Welcome, %USERNAME%  ",
         {"[other+]", "command=echo Welcome, %USERNAME%  "},
         "Other: echo Welcome, %USERNAME%  ",
         ""},
    };
    for (const auto& [condition, head] : conditions) {
        for (const Kind& k : kinds) {
            SCOPED_TRACE(condition + ": " + k.lines);
            const std::string script = kHead + head + k.lines + "\r\n\r\n";
            std::string lst = crlf({"// Logon Script Template File, version 2", ""});
            for (const auto key : k.section) {
                lst.append(key).append("\r\n");
            }
            lst.append("condition=" + condition + "\r\n\r\n");
            const std::string fromTemplate = k.fromTemplate.empty() ? k.fromScript : k.fromTemplate;
            ActionList a, b;
            EXPECT_EQ(readBriefs(a, script, false), Briefs{k.fromScript + " if " + condition});
            EXPECT_EQ(readBriefs(b, lst, true), Briefs{fromTemplate + " if " + condition});
            EXPECT_EQ(renderScript(a).bytes, script);
            EXPECT_EQ(renderScript(b).bytes, script);
            EXPECT_EQ(renderTemplate(a).bytes, lst);
            EXPECT_EQ(renderTemplate(b).bytes, lst);
        }
    }
}

// What the script writer refuses under a condition, and which of it a template keeps.
TEST(Conditions, WritersRefuseWhatAScriptCantHold) {
    const std::string details = "echo x";
    const std::tuple<std::string, std::string, std::string, bool> rows[] = {
        {"user ", details, "a condition name can't be empty", true},
        {"user b\xF6rn", details, "a condition name can only hold printable ASCII characters",
         true},
        {"user bob\t", details, "a condition name can only hold printable ASCII characters", true},
        {"member of  Finance", details, "a condition name can't begin or end with a blank", true},
        {"computer PC ", details, "a condition name can't begin or end with a blank", true},
        {"member of a\"b", details, "a condition name can't hold double quotes, % or !", true},
        {"user %USERNAME%", details, "a condition name can't hold double quotes, % or !", true},
        {"not computer PC!", details, "a condition name can't hold double quotes, % or !", true},
        {"member of A\\B\\C", details,
         "a condition name of a group holds at most one backslash (DOMAIN\\GROUP)", true},
        {"user CORP\\bob", details, "a condition name of a user or computer can't hold a backslash",
         true},
        {"not computer LAB PC", details, "a condition name of a computer can't hold a blank", true},
        {"group Finance", details, "its condition can't be read", true},
        {"user bob", "   ", "a command with a condition can't be empty", false},
        {"user bob", "(echo a) else (echo b)",
         "a command with a condition can't begin with (, ), : or @", false},
        {"user bob", " @echo off", "a command with a condition can't begin with (, ), : or @",
         false},
        {"user bob", ":label", "a command with a condition can't begin with (, ), : or @", false},
        {"user bob", ")", "a command with a condition can't begin with (, ), : or @", false},
        {"user bob", "echo a ^", "a command with a condition can't end with ^", false},
    };
    for (const auto& [condition, command, reason, inTemplate] : rows) {
        SCOPED_TRACE(condition + " / " + command);
        ActionList list;
        list.append(kind::kOther, icon::kOther, command, condition);
        const auto script = renderScript(list);
        ASSERT_EQ(script.failedRow, 0U);
        EXPECT_EQ(EnglishText(scriptRefusedMessage("S.BAT", list, script)),
                  "Action 1 can't be written to a batch script: " + reason + ".\r" + command);
        EXPECT_EQ(renderTemplate(list).failedRow.has_value(), inTemplate);
    }
    // A "^" at the end of a line puts the next line into its command: under a condition that
    // would take the condition's own line, or its IF, with it.
    ActionList list;
    list.append(kind::kOther, icon::kOther, "echo goes on ^");
    list.append(kind::kMapDrive, icon::kDrive, "Map \\\\F\\A as G:\\", "user bob");
    const auto script = renderScript(list);
    ASSERT_EQ(script.failedRow, 1U);
    EXPECT_EQ(script.refusal, Refusal::ConditionAfterCaret);
    EXPECT_EQ(EnglishText(Say(*refusalReason(script.refusal))),
              "an action with a condition can't follow a line ending with ^");
    EXPECT_FALSE(renderTemplate(list).failedRow);
    // Trying one action runs its own line: the condition isn't tested there.
    EXPECT_EQ(firstScriptLine(list[1]), "NET USE G: \\\\F\\A");
}

// Hand-written lines: what the reader takes back (and writes canonically), and the IF forms,
// blocks and broken pairs it keeps as they stand.
TEST(Conditions, ReaderTakesTheFormsBackAndKeepsEveryOtherIf) {
    using Lines = std::vector<std::string>;
    const std::string finance = kWhoami + "\"\\Finance\"\",\" >nul";
    const std::tuple<Lines, Briefs, Lines> rows[] = {
        {{"IF /I \"%username%\" == \"bob\"   net use g: \\\\f\\a"},
         {"Map Drive: Map \\\\F\\A as G:\\ if user bob"},
         {"if /i \"%USERNAME%\"==\"bob\" NET USE G: \\\\F\\A"}},
        {{"if /i not \"%ComputerName%\"==\"PC01\" echo x "},
         {"Other: echo x  if not computer PC01"},
         {"if /i \"%COMPUTERNAME%\" NEQ \"PC01\" echo x "}},
        {{"if /i \"%USERNAME%\" neq \"bob\" if exist x echo y"},
         {"Other: if exist x echo y if not user bob"},
         {"if /i \"%USERNAME%\" NEQ \"bob\" if exist x echo y"}},
        // A type line alone under a condition is no message: its pause runs for everyone.
        {{"if /i \"%username%\"==\"bob\" type \"\\\\f\\m.txt\"", "pause"},
         {"Other: type \"\\\\f\\m.txt\" if user bob", "Other: pause"},
         {"if /i \"%USERNAME%\"==\"bob\" type \"\\\\f\\m.txt\"", "", "pause"}},
        {{"if /i \"%USERNAME%\"==\"bob\" (", "  type \\\\f\\m.txt", "  PAUSE", ")"},
         {"Display Message: Display message from \\\\F\\M.TXT if user bob"},
         {"if /i \"%USERNAME%\"==\"bob\" (", "type \"\\\\F\\M.TXT\"", "pause", ")"}},
        // An older writer or a hand edit may leave empty lines after the group's line.
        {{finance, "", "  ", "if Not ErrorLevel 1 cls"},
         {"Other: cls if member of Finance"},
         {finance, "if not errorlevel 1 cls"}},
        {{finance, "if errorlevel 1 cls"}, {"Other: " + finance, "Other: if errorlevel 1 cls"}, {}},
        {{kWhoami + "\"\\A\\B\"\",\" >nul", "if not errorlevel 1 cls"},
         {"Other: " + kWhoami + "\"\\A\\B\"\",\" >nul", "Other: if not errorlevel 1 cls"},
         {}},
        {{"if not errorlevel 1 cls"}, {"Other: if not errorlevel 1 cls"}, {}},
        {{"if \"%USERNAME%\"==\"bob\" cls"}, {"Other: if \"%USERNAME%\"==\"bob\" cls"}, {}},
        {{"if /i \"%USERNAME%\"==\"bob\""}, {"Other: if /i \"%USERNAME%\"==\"bob\""}, {}},
        {{"if /i not \"%USERNAME%\" NEQ \"bob\" cls"},
         {"Other: if /i not \"%USERNAME%\" NEQ \"bob\" cls"},
         {}},
        {{"if /i \"%USERNAME%\" EQU \"bob\" cls"},
         {"Other: if /i \"%USERNAME%\" EQU \"bob\" cls"},
         {}},
        {{"if /i \"%USERNAME%\"==\"%x%\" cls"}, {"Other: if /i \"%USERNAME%\"==\"%x%\" cls"}, {}},
        {{"if /i \"%USERNAME%\"==\"bob\" @echo on"},
         {"Other: if /i \"%USERNAME%\"==\"bob\" @echo on"},
         {}},
        {{"if /i \"%USERNAME%\"==\"bob\" (echo a) else (echo b)"},
         {"Other: if /i \"%USERNAME%\"==\"bob\" (echo a) else (echo b)"},
         {}},
        {{"if /i \"%USERNAME%\"==\"bob\" (", "echo a", ")"},
         {"Other: if /i \"%USERNAME%\"==\"bob\" (", "Other: echo a", "Other: )"},
         {}},
        {{"if /i \"%USERNAME%\"==\"bob\" echo a ^", "b"},
         {"Other: if /i \"%USERNAME%\"==\"bob\" echo a ^", "Other: b"},
         {}},
    };
    for (const auto& [lines, actions, written] : rows) {
        std::string bytes;
        for (const auto& line : lines) {
            bytes.append(line).append("\r\n");
        }
        SCOPED_TRACE(bytes);
        ActionList list;
        EXPECT_EQ(readBriefs(list, bytes, false), actions);
        if (!written.empty()) {
            std::string expected;
            for (const auto& line : written) {
                expected.append(line).append("\r\n");
            }
            EXPECT_EQ(renderScriptBody(list).bytes, expected + "\r\n");
        }
    }
}

// A condition in a plain section is a key no older version knew: it is passed over, as ever.
// In a "+" section it must be one of the forms with a name that keeps the rules.
TEST(Conditions, TemplateReaderHoldsTheConditionToItsRules) {
    ActionList list;
    const std::string plain =
        crlf({"// Logon Script Template File", "", "[other]", "command=cls", "condition=user bob",
              "", "[other+]", "[map]", "condition=member of X", ""});
    EXPECT_EQ(readBriefs(list, plain, true), (Briefs{"Other: cls", "Other: [map] if member of X"}));
    // A printer needs a port for options, not for a condition.
    const std::string printer = crlf({"// Logon Script Template File, version 2", "", "[printer+]",
                                      "remote=\\\\P\\Q", "condition=user bob", ""});
    EXPECT_EQ(readBriefs(list, printer, true),
              Briefs{"Map Printer: Map printer \\\\P\\Q if user bob"});
    EXPECT_EQ(renderTemplate(list).bytes, printer);
    for (const std::string_view bad :
         {"condition=user b\xF6rn", "condition=user", "condition=member of A\\B\\C",
          "condition=Member of X", "condition=computer A B"}) {
        const std::string bytes = crlf({"// Logon Script Template File", "", "[motd+]",
                                        "local=C:\\M.TXT", std::string(bad), ""});
        const auto result = parseTemplate(bytes, "T.LST", list);
        EXPECT_EQ(EnglishText(result.message),
                  "An unexpected error occurred while reading the file T.LST.\r\rLine: " +
                      std::string(bad) +
                      "\r\rError: 22\rNot a key of this section, or a value the key can't take");
    }
}

}  // namespace
}  // namespace kestrune::test
