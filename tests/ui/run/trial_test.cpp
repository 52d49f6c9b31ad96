// Trying actions: Execute Action starts the action's first line; Execute Script warns, writes
// "temp.bat" in the program's folder (never through a link) and hands it to the shell. Then
// the system services themselves, where a test can use them without starting anything.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include "accessible_names.h"
#include "launch_doubles.h"
#include "memory_settings_store.h"
#include "modal_script.h"
#include "platform/program_folder.h"
#include "run/trial_run.h"
#include "scripted_prompts.h"
#include "support/temp_dir.h"
#include "support/test_text.h"
#include "ui/run/trial.h"
#include "ui/run/warning_dialog.h"

namespace kestrune::test {

// Every system service replaced: programs and the shell are recording doubles, the settings
// a map, the program's folder a fresh temporary one; the warning is the real frmWarn.
class TrialTest : public ::testing::Test {
  protected:
    using Script = std::function<void(WarningDialog&)>;

    TrialContext context() {
        return {list, settings, prompts, programs, shell, folder(), &window, onExecute, onUpdate};
    }
    QString folder() const { return QString::fromStdString(dir.path().string()); }
    QString temporaryPath() const { return folder() + QDir::separator() + "temp.bat"; }
    std::string fileBytes() const { return test::readBytes(temporaryPath().toStdString()); }

    void add(std::string_view kind, const std::string& details) { list.append(kind, "", details); }

    TrialOutcome executeScript() {
        whenModalShows<WarningDialog>(guard, warningShown, [](auto& w) { clickIn(w, "cmdOk"); });
        return ExecuteScript(context());
    }

    ActionList list;
    MemorySettingsStore settings;
    ScriptedPrompts prompts;
    RecordingProgramStarter programs;
    RecordingShellOpener shell;
    test::TempDir dir;
    QWidget window;
    std::vector<bool> executeStates;
    std::function<void(bool)> onExecute = [this](bool on) { executeStates.push_back(on); };
    int updates = 0;
    std::function<void()> onUpdate = [this] { ++updates; };
    bool warningShown = false;
    QObject guard;
};

namespace {

TEST_F(TrialTest, ExecuteActionStartsTheScriptsFirstLineOrSaysItFailed) {
    using O = TrialOutcome;
    using namespace kind;
    // The lines themselves are the script writer's table; here what the window adds to them.
    // clang-format off
    const struct {
        std::string_view kind;
        std::string details;
        QStringList missing;  // programs that aren't there, as "start" and "type" outside cmd
        QString line;         // handed to the process-start call; none: not tried
        TrialOutcome outcome;
        QString refused;      // the writer's refusal shown instead of the failure
    } rows[] = {
        {" Other ", "notepad.exe", {}, "notepad.exe", O::Started, {}},
        // Document text reaches the program in its own code page.
        {kOther, "notepad.exe C:\\Caf\xE9.txt", {}, "notepad.exe C:\\Caf\u00e9.txt", O::Started, {}},
        {kMergeRegistry, "Local: C:\\P.REG", {"start"}, "Start \"\" \"C:\\P.REG\"", O::Failed, {}},
        {kMapDrive, "Map FILES as G:\\", {}, {}, O::Failed, {}},
        // What the writer refuses is told as saving tells it, whatever the system has.
        {kMapPrinter, "Map printer  on LPT3", {}, {}, O::Failed,
         "Action 2 can't be written to a batch script: a printer needs a share.\rMap printer  on "
         "LPT3"},
    };
    // clang-format on
    const QString failed =
        "There was a problem executing the action.\r\rSome commands can only be executed within "
        "a batch file (e.g. echo), so this does not necessarily mean there will be an error "
        "when running the script as a whole.";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.details);
        list.clear();
        prompts.messages.clear();
        programs.lines.clear();
        updates = 0;
        add(kind::kOther, "cls");
        add(row.kind, row.details);
        programs.missing = row.missing;
        EXPECT_EQ(ExecuteAction(context(), 1), row.outcome);
        EXPECT_EQ(programs.lines, row.line.isNull() ? QStringList() : QStringList{row.line});
        const QString shown = row.refused.isEmpty() ? failed : row.refused;
        EXPECT_EQ(prompts.texts(),
                  row.outcome == O::Failed ? std::vector<QString>{shown} : std::vector<QString>{});
        EXPECT_EQ(updates, 1);
    }
    // The program and its arguments, as the process start splits the line.
    list.clear();
    add(kind::kRunApplication, "Local: C:\\X.EXE with wait, arguments /s \"C:\\My File.txt\" -q");
    programs.lines.clear();
    EXPECT_EQ(ExecuteAction(context(), 0), O::Started);
    EXPECT_EQ(QProcess::splitCommand(programs.lines.value(0)),
              QStringList({"C:\\X.EXE", "/s", "C:\\My File.txt", "-q"}));
    list.clear();
    EXPECT_EQ(ExecuteAction(context(), std::nullopt), O::Nothing);
    add(kind::kOther, "notepad.exe");
    EXPECT_EQ(ExecuteAction(context(), std::nullopt), O::Failed);
    EXPECT_EQ(ExecuteAction(context(), 1), O::Failed);  // past the end
}

// Cancel (its button or Escape) stops without a trace; any other way out goes on, and only
// OK with the box checked switches the warning off for good. Only a stored "NO" does that.
TEST_F(TrialTest, TheWarningsAnswersAndItsSetting) {
    const Script check = [](WarningDialog& w) { clickIn(w, "chkAgain"); };
    const struct {
        const char* how;
        Script answer;
        TrialOutcome outcome;
    } rows[] = {
        {"Escape", [](WarningDialog& w) { QTest::keyClick(&w, Qt::Key_Escape); },
         TrialOutcome::Cancelled},
        {"Cancel, checked", [&](WarningDialog& w) { check(w), clickIn(w, "cmdCancel"); },
         TrialOutcome::Cancelled},
        {"closed, checked", [&](WarningDialog& w) { check(w), w.close(); }, TrialOutcome::Started},
        {"OK, checked", [&](WarningDialog& w) { check(w), clickIn(w, "cmdOk"); },
         TrialOutcome::Started},
        // Tab goes along the bottom row from OK, which has the focus; the picture is named.
        {"Tab round, Enter",
         [](WarningDialog& w) {
             EXPECT_EQ(tabOrder(), (QStringList{"cmdOk", "cmdCancel", "chkAgain"}));
             EXPECT_EQ(w.findChild<QWidget*>("Image1")->accessibleName(), "Warning");
             EXPECT_EQ(unnamedControls(&w), QStringList());
             QTest::keyClick(&w, Qt::Key_Return);
         },
         TrialOutcome::Started},
    };
    add(kind::kOther, "cls");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.how);
        shell.calls.clear();
        executeStates.clear();
        std::filesystem::remove(temporaryPath().toStdString());
        whenModalShows<WarningDialog>(guard, warningShown, row.answer);
        EXPECT_EQ(ExecuteScript(context()), row.outcome);
        const bool went = row.outcome == TrialOutcome::Started;
        EXPECT_EQ(QFileInfo::exists(temporaryPath()), went);
        EXPECT_EQ(shell.calls.size(), went ? 1u : 0u);
        EXPECT_EQ(executeStates.empty(), !went);
        EXPECT_TRUE(prompts.messages.empty());
    }
    EXPECT_EQ(settings.writes, QStringList{"Warning/Warn=NO"});
    for (const char* stored : {"no", "YES", "", " NO", "NO"}) {
        settings.values[{"Warning", "Warn"}] = stored;
        EXPECT_EQ(executeScript(), TrialOutcome::Started) << stored;
        EXPECT_EQ(warningShown, QString(stored) != "NO") << stored;
    }
    settings.failReadsOf = "Warn";  // a store that can't be read doesn't switch it off
    EXPECT_EQ(executeScript(), TrialOutcome::Started);
    EXPECT_TRUE(warningShown);
    EXPECT_EQ(settings.writes.size(), 1);
}

// The lines are the script's own without its header; the file is complete before the shell
// gets it, and Execute is off with the wait cursor on only meanwhile. Each failure names the
// file; Execute is back on and the cursor normal before it shows.
TEST_F(TrialTest, TheFileHoldsTheActionsLinesAndIsHandedToTheShell) {
    EXPECT_EQ(executeScript(), TrialOutcome::Started);
    EXPECT_EQ(fileBytes(), "");
    add(kind::kMapDrive, "Map \\\\FILES\\APPS as G:\\");
    add(kind::kMapDrive, "Disconnect drive G: with >NUL");  // cmd.exe reads this file
    add(kind::kDisplayMessage, "Display message from \\\\FILES\\NETLOGON\\MOTD.TXT");
    const std::string expected =
        test::crlf({"NET USE G: \\\\FILES\\APPS", "", "NET USE G: /DELETE >NUL", "",
                    "type \"\\\\FILES\\NETLOGON\\MOTD.TXT\"", "pause", ""});
    executeStates.clear();
    bool offAndWaiting = false;
    shell.onOpen = [&](const QString&) {
        offAndWaiting = executeStates == std::vector<bool>{false} &&
                        QGuiApplication::overrideCursor() != nullptr;
        EXPECT_EQ(fileBytes(), expected);
    };
    EXPECT_EQ(executeScript(), TrialOutcome::Started);
    EXPECT_TRUE(offAndWaiting);
    EXPECT_EQ(executeStates, (std::vector<bool>{false, true}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1].path, temporaryPath());
    EXPECT_EQ(shell.calls[1].workingFolder, folder());

    // The shell refuses it: the one message below is the first this test sees.
    shell.result = 32;  // the highest result that is a failure
    executeStates.clear();
    EXPECT_EQ(executeScript(), TrialOutcome::Failed);
    prompts.expectOnly("An error occurred while attempting to execute the temporary file, \r" +
                       temporaryPath() + ".");
    EXPECT_EQ(executeStates, (std::vector<bool>{false, true}));

    // A drive without a share: the line that can't be built is named as far as built, and
    // nothing is handed to the shell.
    add(kind::kMapDrive, " Map NOSHARE as H:\\ ");
    add(kind::kOther, "echo after");
    executeStates.clear();
    prompts.messages.clear();
    EXPECT_EQ(executeScript(), TrialOutcome::Failed);
    prompts.expectOnly("An error occurred while writing the line NET USE H:  to the file " +
                       temporaryPath() + ".");
    EXPECT_EQ(executeStates, (std::vector<bool>{false, true}));
    EXPECT_EQ(shell.calls.size(), 3u);  // the refused one's only

    // An action the writer refuses is named after the line, as saving names it.
    list.removeAt(2);
    list.insert(2, {Action{std::string(kind::kMapPrinter), "Map printer  on LPT3", ""}});
    prompts.messages.clear();
    EXPECT_EQ(executeScript(), TrialOutcome::Failed);
    prompts.expectOnly("An error occurred while writing the line NET USE LPT3  to the file " +
                       temporaryPath() +
                       ".\rAction 3 can't be written to a batch script: a printer needs a "
                       "share.\rMap printer  on LPT3");
}

constexpr const char* kNoSuchProgram = "kestrune-test-no-such-program-3c9e1";

TEST(SystemServices, WhatIsntThereIsAFailure) {
    SystemProgramStarter starter;
    for (const QString& line : {QString(kNoSuchProgram) + " USE G: \\\\FILES\\APPS",
                                QString("\"/no/such/folder/") + kNoSuchProgram + "\" a b",
                                QString(), QString("   "), QString("\"\" argument")}) {
        EXPECT_FALSE(starter.start(line)) << line;
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

// A root already ends in its separator; the temporary file's and the help's paths show the
// usual join.
TEST(SystemServices, FilesJoinARootWithoutASecondSeparator) {
    const QString root = QString("C:") + QDir::separator();
    EXPECT_EQ(FileInFolder(root, "temp.bat"), root + "temp.bat");
}

}  // namespace
}  // namespace kestrune::test
