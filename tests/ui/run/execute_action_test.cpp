// Execute Action: the selected action's command line, started as a program without a
// command interpreter; the one failure message; the command state refreshed every time.

#include "run/trial_run.h"
#include "trial_fixture.h"

namespace kestrune::testing {
namespace {

using ExecuteActionTest = TrialTest;

TEST_F(ExecuteActionTest, StartsTheScriptsFirstLineOrSaysItFailed) {
    const struct {
        std::string_view kind;
        std::string details;
        QStringList missing;  // programs that aren't there, as "start" and "type" outside cmd
        QString line;         // the whole line handed to the process-start call; none: no try
        TrialOutcome outcome;
    } rows[] = {
        {kind::kMapDrive,
         "Map \\\\FILES\\APPS as G:\\",
         {},
         "NET USE G: \\\\FILES\\APPS",
         TrialOutcome::Started},
        {kind::kMapDrive,
         "Map home directory on the logon server as next available drive ",
         {},
         "NET USE * /HOME",
         TrialOutcome::Started},
        {kind::kMapPrinter,
         "Map printer \\\\PRINT\\LASER on LPT2",
         {},
         "NET USE LPT2 \\\\PRINT\\LASER",
         TrialOutcome::Started},
        {kind::kRunApplication,
         "Remote: \\\\APPS\\TOOLS\\SETUP.EXE",
         {},
         "Start \"\" \"\\\\APPS\\TOOLS\\SETUP.EXE\"",
         TrialOutcome::Started},
        {kind::kOther,
         "  notepad.exe C:\\README.TXT ",
         {},
         "notepad.exe C:\\README.TXT",
         TrialOutcome::Started},
        {" Other ", "notepad.exe", {}, "notepad.exe", TrialOutcome::Started},
        // Document text reaches the program in its own code page.
        {kind::kOther,
         "notepad.exe C:\\Caf\xE9.txt",
         {},
         QString::fromUtf8("notepad.exe C:\\Café.txt"),
         TrialOutcome::Started},
        {kind::kMergeRegistry,
         "Local: C:\\POLICY.REG",
         {"start"},
         "Start \"\" \"C:\\POLICY.REG\"",
         TrialOutcome::Failed},
        // Only the type line is tried; its pause would wait for a key in no window.
        {kind::kDisplayMessage,
         "Display message from \\\\FILES\\NETLOGON\\MOTD.TXT",
         {"type"},
         "type \"\\\\FILES\\NETLOGON\\MOTD.TXT\"",
         TrialOutcome::Failed},
        {kind::kMapDrive, "Map FILES as G:\\", {}, {}, TrialOutcome::Failed},
        {kind::kOther, "   ", {}, {}, TrialOutcome::Failed},
        {"Frobnicate", "notepad.exe", {}, {}, TrialOutcome::Failed},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.details);
        list.clear();
        prompts.messages.clear();
        programs.lines.clear();
        commandStateUpdates = 0;
        add(kind::kOther, "cls");
        add(row.kind, row.details);
        programs.missing = row.missing;
        EXPECT_EQ(ExecuteAction(context(), 1), row.outcome);
        EXPECT_EQ(programs.lines, row.line.isNull() ? QStringList() : QStringList{row.line});
        EXPECT_EQ(messageTexts(), row.outcome == TrialOutcome::Failed
                                      ? std::vector<QString>{run_messages::kActionFailed.data()}
                                      : std::vector<QString>{});
        EXPECT_EQ(commandStateUpdates, 1);
    }
}

TEST_F(ExecuteActionTest, AnEmptyListIsNothingAndNoSelectionAFailure) {
    EXPECT_EQ(ExecuteAction(context(), std::nullopt), TrialOutcome::Nothing);
    EXPECT_TRUE(prompts.messages.empty());
    add(kind::kOther, "notepad.exe");
    EXPECT_EQ(ExecuteAction(context(), std::nullopt), TrialOutcome::Failed);
    EXPECT_EQ(ExecuteAction(context(), 1), TrialOutcome::Failed);  // past the end
    EXPECT_TRUE(programs.lines.isEmpty());
    EXPECT_EQ(messageTexts().size(), 2u);
    EXPECT_EQ(commandStateUpdates, 3);
}

}  // namespace
}  // namespace kestrune::testing
