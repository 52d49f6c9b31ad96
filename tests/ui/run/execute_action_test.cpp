// Execute Action: the selected action's command line, started as a program without a
// command interpreter; the one failure message; the command state refreshed every time.

#include "run/trial_run.h"
#include "trial_fixture.h"

namespace kestrune::testing {
namespace {

using ExecuteActionTest = TrialTest;

struct Started {
    std::string_view kind;
    const char* details;
    const char* line;  // the whole command line handed to the process-start call
};

class ExecuteActionStarts : public TrialTest, public ::testing::WithParamInterface<Started> {};

TEST_P(ExecuteActionStarts, TheScriptsFirstLineAsAProgram) {
    const Started& row = GetParam();
    add(kind::kOther, "cls");
    add(row.kind, row.details);

    EXPECT_EQ(ExecuteAction(context(), 1), TrialOutcome::Started);

    EXPECT_EQ(programs.lines, QStringList{row.line}) << row.details;
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(commandStateUpdates, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ExecuteActionStarts,
    ::testing::Values(
        Started{kind::kMapDrive, "Map \\\\FILES\\APPS as G:\\", "NET USE G: \\\\FILES\\APPS"},
        Started{kind::kMapDrive, "Map home directory on the logon server as next available drive ",
                "NET USE * /HOME"},
        Started{kind::kMapDrive, "Map \\\\FILES\\PROJECTS as next available drive ",
                "NET USE * \\\\FILES\\PROJECTS"},
        Started{kind::kMapPrinter, "Map printer \\\\PRINT\\LASER on LPT2",
                "NET USE LPT2 \\\\PRINT\\LASER"},
        Started{kind::kRunApplication, "Remote: \\\\APPS\\TOOLS\\SETUP.EXE",
                "Start \"\" \"\\\\APPS\\TOOLS\\SETUP.EXE\""},
        Started{kind::kMergeRegistry, "Local: C:\\POLICY.REG", "Start \"\" \"C:\\POLICY.REG\""},
        Started{kind::kOther, "  notepad.exe C:\\README.TXT ", "notepad.exe C:\\README.TXT"},
        Started{kind::kOther, "net time \\\\FILES /set /yes", "net time \\\\FILES /set /yes"},
        Started{" Other ", "notepad.exe", "notepad.exe"},  // a kind with blanks around it
        // Document text reaches the program in its own code page.
        Started{kind::kOther, "notepad.exe C:\\Caf\xE9.txt", "notepad.exe C:\\Caf\xC3\xA9.txt"}));

TEST_F(ExecuteActionTest, NetIsTheProgramAndTheRestItsArguments) {
    add(kind::kMapDrive, "Map \\\\FILES\\APPS as G:\\");
    add(kind::kMapDrive, "Map home directory on the logon server as next available drive ");
    ExecuteAction(context(), 0);
    ExecuteAction(context(), 1);
    ASSERT_EQ(programs.lines.size(), 2);
    EXPECT_EQ(RecordingProgramStarter::split(programs.lines[0]),
              (QStringList{"NET", "USE", "G:", "\\\\FILES\\APPS"}));
    EXPECT_EQ(RecordingProgramStarter::split(programs.lines[1]),
              (QStringList{"NET", "USE", "*", "/HOME"}));
}

struct Failing {
    const char* situation;
    std::string_view kind;
    const char* details;
    bool tried;  // a program start was attempted
};

class ExecuteActionFails : public TrialTest, public ::testing::WithParamInterface<Failing> {};

TEST_P(ExecuteActionFails, WithTheOneMessage) {
    const Failing& row = GetParam();
    add(row.kind, row.details);
    // Built into the command interpreter where there is one, and no program elsewhere.
    programs.missing = {"start", "echo", "type"};
    const std::string before = list[0].details;

    EXPECT_EQ(ExecuteAction(context(), 0), TrialOutcome::Failed) << row.situation;

    EXPECT_EQ(programs.lines.size(), row.tried ? 1 : 0) << row.situation;
    ASSERT_EQ(messageTexts().size(), 1u) << row.situation;
    EXPECT_EQ(messageTexts().front(), q(run_messages::kActionFailed));
    EXPECT_EQ(commandStateUpdates, 1);
    EXPECT_EQ(list[0].details, before);
}

INSTANTIATE_TEST_SUITE_P(
    Situations, ExecuteActionFails,
    ::testing::Values(
        Failing{"application through start", kind::kRunApplication, "Local: C:\\X.EXE", true},
        Failing{"registry through start", kind::kMergeRegistry, "Remote: \\\\S\\P.REG", true},
        Failing{"echo", kind::kOther, "echo hello", true},
        // Only the type line is tried; its pause would wait for a key in no window.
        Failing{"a message through type", kind::kDisplayMessage,
                "Display message from \\\\FILES\\NETLOGON\\MOTD.TXT", true},
        Failing{"a drive without a share", kind::kMapDrive, "Map FILES as G:\\", false},
        Failing{"an empty command", kind::kOther, "   ", false},
        Failing{"a kind none of the six", "Frobnicate", "notepad.exe", false}));

TEST_F(ExecuteActionTest, AnEmptyListStartsNothingAndSaysNothing) {
    EXPECT_EQ(ExecuteAction(context(), std::nullopt), TrialOutcome::Nothing);
    EXPECT_TRUE(programs.lines.isEmpty());
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(commandStateUpdates, 1);
}

TEST_F(ExecuteActionTest, NoSelectionIsAFailure) {
    add(kind::kOther, "notepad.exe");
    EXPECT_EQ(ExecuteAction(context(), std::nullopt), TrialOutcome::Failed);
    EXPECT_EQ(ExecuteAction(context(), 1), TrialOutcome::Failed);  // past the end
    EXPECT_TRUE(programs.lines.isEmpty());
    EXPECT_EQ(messageTexts().size(), 2u);
    EXPECT_EQ(commandStateUpdates, 2);
}

TEST_F(ExecuteActionTest, ASecondTryBehavesTheSame) {
    add(kind::kDisplayMessage, "Display message from C:\\M.TXT");
    programs.missing = {"type"};
    EXPECT_EQ(ExecuteAction(context(), 0), TrialOutcome::Failed);
    EXPECT_EQ(ExecuteAction(context(), 0), TrialOutcome::Failed);
    EXPECT_EQ(programs.lines.size(), 2);
    EXPECT_EQ(programs.lines[0], programs.lines[1]);
    EXPECT_EQ(messageTexts().size(), 2u);

    programs.missing.clear();
    EXPECT_EQ(ExecuteAction(context(), 0), TrialOutcome::Started);
    EXPECT_EQ(messageTexts().size(), 2u);
}

}  // namespace
}  // namespace kestrune::testing
