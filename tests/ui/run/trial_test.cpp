// Trying actions: Execute Action starts the selected action's first line as a program;
// Execute Script shows frmWarn, writes "temp.bat" in the program's folder (never through a
// link) and hands it to the shell, with the Execute button off and the wait cursor on only
// meanwhile, and names the file in each failure.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/action_list.h"
#include "launch_doubles.h"
#include "memory_settings_store.h"
#include "modal_script.h"
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
        return TrialContext{list,
                            settings,
                            prompts,
                            programs,
                            shell,
                            folder(),
                            &window,
                            [this](bool enabled) { executeStates.push_back(enabled); },
                            [this] { ++commandStateUpdates; }};
    }
    QString folder() const { return QString::fromStdString(dir.path().string()); }
    QString temporaryPath() const { return folder() + QDir::separator() + "temp.bat"; }
    std::string fileBytes() const { return test::readBytes(temporaryPath().toStdString()); }

    void add(std::string_view kind, const std::string& details) { list.append(kind, "", details); }

    // Runs the script in the warning once it shows; a script that leaves it open fails.
    void onWarning(const Script& script) {
        test::whenModalShows<WarningDialog>(guard, warningShown, script);
    }
    // Execute Script, the warning answered with OK.
    TrialOutcome executeScript(const TrialContext& in) {
        onWarning([](WarningDialog& w) { click(w, "cmdOk"); });
        return ExecuteScript(in);
    }
    TrialOutcome executeScript() { return executeScript(context()); }

    static void click(QWidget& dialog, const char* name) {
        auto* button = dialog.findChild<QAbstractButton*>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        // A check box takes clicks on its box and its text only.
        const bool box = qobject_cast<QCheckBox*>(button) != nullptr;
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier,
                          box ? QPoint(4, button->height() / 2) : QPoint());
    }

    std::vector<QString> messageTexts() const {
        std::vector<QString> out;
        for (const auto& shown : prompts.messages) {
            out.push_back(shown.request.text);
        }
        return out;
    }

    ActionList list;
    MemorySettingsStore settings;
    ScriptedPrompts prompts;
    RecordingProgramStarter programs;
    RecordingShellOpener shell;
    test::TempDir dir;
    QWidget window;
    std::vector<bool> executeStates;
    int commandStateUpdates = 0;
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
    } rows[] = {
        {kMapDrive, "Map \\\\FILES\\APPS as G:\\", {}, "NET USE G: \\\\FILES\\APPS", O::Started},
        {kRunApplication, "Remote: \\\\A\\T.EXE", {}, "Start \"\" \"\\\\A\\T.EXE\"", O::Started},
        {" Other ", "notepad.exe", {}, "notepad.exe", O::Started},
        // Document text reaches the program in its own code page.
        {kOther, "notepad.exe C:\\Caf\xE9.txt", {}, "notepad.exe C:\\Caf\u00e9.txt", O::Started},
        {kMergeRegistry, "Local: C:\\P.REG", {"start"}, "Start \"\" \"C:\\P.REG\"", O::Failed},
        // Only the type line is tried; its pause would wait for a key in no window.
        {kDisplayMessage, "Display message from \\\\F\\N\\M.TXT", {"type"},
         "type \"\\\\F\\N\\M.TXT\"", O::Failed},
        {kMapDrive, "Map FILES as G:\\", {}, {}, O::Failed},
        {"Frobnicate", "notepad.exe", {}, {}, O::Failed},
    };
    // clang-format on
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
        EXPECT_EQ(messageTexts(), row.outcome == O::Failed
                                      ? std::vector<QString>{run_messages::kActionFailed.data()}
                                      : std::vector<QString>{});
        EXPECT_EQ(commandStateUpdates, 1);
    }
    list.clear();
    EXPECT_EQ(ExecuteAction(context(), std::nullopt), O::Nothing);
    add(kind::kOther, "notepad.exe");
    EXPECT_EQ(ExecuteAction(context(), std::nullopt), O::Failed);
    EXPECT_EQ(ExecuteAction(context(), 1), O::Failed);  // past the end
}

TEST_F(TrialTest, TheWarningShowsItsTexts) {
    add(kind::kOther, "cls");
    onWarning([this](WarningDialog& w) {
        EXPECT_EQ(w.objectName(), "frmWarn");
        EXPECT_EQ(w.windowTitle(), "Warning");
        EXPECT_TRUE(w.isModal());
        EXPECT_EQ(w.parentWidget(), &window);
        EXPECT_EQ(w.findChild<QLabel*>("Label1")->text(),
                  "If the network is down or unreachable, operations can take up to one minute "
                  "to time out. It is not recomended that you close the DOS mode box before it "
                  "is finished.");
        EXPECT_FALSE(w.findChild<QLabel*>("Image1")->pixmap().isNull());
        EXPECT_EQ(w.findChild<QCheckBox*>("chkAgain")->text(), "Don't show this message again");
        EXPECT_FALSE(w.findChild<QCheckBox*>("chkAgain")->isChecked());
        EXPECT_EQ(w.findChild<QPushButton*>("cmdOk")->text(), "&OK");
        EXPECT_TRUE(w.findChild<QPushButton*>("cmdOk")->isDefault());
        EXPECT_EQ(w.findChild<QPushButton*>("cmdCancel")->text(), "&Cancel");
        EXPECT_FALSE(QFileInfo::exists(temporaryPath()));  // nothing before the answer
        w.accept();
    });
    EXPECT_EQ(ExecuteScript(context()), TrialOutcome::Started);
    EXPECT_TRUE(warningShown);
}

// Cancel (its button or Escape) stops without a trace; any other way out goes on, and only
// OK with the box checked switches the warning off for good. Only a stored "NO" does that.
TEST_F(TrialTest, TheWarningsAnswersAndItsSetting) {
    const Script check = [](WarningDialog& w) { click(w, "chkAgain"); };
    const struct {
        const char* how;
        Script answer;
        TrialOutcome outcome;
    } rows[] = {
        {"Escape", [](WarningDialog& w) { QTest::keyClick(&w, Qt::Key_Escape); },
         TrialOutcome::Cancelled},
        {"Cancel, checked", [&](WarningDialog& w) { check(w), click(w, "cmdCancel"); },
         TrialOutcome::Cancelled},
        {"Enter", [](WarningDialog& w) { QTest::keyClick(&w, Qt::Key_Return); },
         TrialOutcome::Started},
        {"closed, checked", [&](WarningDialog& w) { check(w), w.close(); }, TrialOutcome::Started},
        {"OK, checked", [&](WarningDialog& w) { check(w), click(w, "cmdOk"); },
         TrialOutcome::Started},
    };
    add(kind::kOther, "cls");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.how);
        shell.calls.clear();
        executeStates.clear();
        std::filesystem::remove(temporaryPath().toStdString());
        onWarning(row.answer);
        EXPECT_EQ(ExecuteScript(context()), row.outcome);
        EXPECT_TRUE(warningShown);
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
// gets it, and Execute is off with the wait cursor on only meanwhile.
TEST_F(TrialTest, TheFileHoldsTheActionsLinesAndIsHandedToTheShell) {
    EXPECT_EQ(executeScript(), TrialOutcome::Started);
    EXPECT_EQ(fileBytes(), "");
    add(kind::kMapDrive, "Map \\\\FILES\\APPS as G:\\");
    add(kind::kDisplayMessage, "Display message from \\\\FILES\\NETLOGON\\MOTD.TXT");
    const std::string expected = test::crlf(
        {"NET USE G: \\\\FILES\\APPS", "", "type \"\\\\FILES\\NETLOGON\\MOTD.TXT\"", "pause", ""});
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
    EXPECT_EQ(TemporaryScriptPath(folder()), temporaryPath());
    EXPECT_TRUE(prompts.messages.empty());
}

// Each failure names the file; Execute is back on and the cursor normal before it shows.
TEST_F(TrialTest, ExecuteScriptFailuresNameTheFileAndRunNothing) {
    const QString missing = folder() + QDir::separator() + "missing";
    const std::string precious = dir.file("precious.txt");
    const QString writeFailed = "An error occurred while writing the line %1 to the file %2.";
    const QString startFailed =
        "An error occurred while attempting to execute the temporary file, \r" + temporaryPath() +
        ".";
    const std::string cls = test::crlf({"cls", ""});
    const struct {
        const char* situation;
        std::function<void(TrialContext&)> setUp;
        QString message;
        std::string fileAfter;  // "-": no file
    } rows[] = {
        {"shell result 2", [this](TrialContext&) { shell.result = 2; }, startFailed, cls},
        {"shell result 32", [this](TrialContext&) { shell.result = 32; }, startFailed, cls},
        {"a missing folder", [&](TrialContext& c) { c.programFolder = missing; },
         writeFailed.arg("", missing + QDir::separator() + "temp.bat"), "-"},
        {"a folder not the user's own", [](TrialContext& c) { c.programFolderUsable = false; },
         writeFailed.arg("", temporaryPath()), "-"},
        {"a planted link",
         [&](TrialContext&) {
             test::writeBytes(precious, "keep");
             std::filesystem::create_symlink(precious, temporaryPath().toStdString());
         },
         writeFailed.arg("", temporaryPath()), "keep"},
        // The file ends before the line that can't be built, which is named as far as built.
        {"a drive without a share",
         [this](TrialContext&) {
             test::writeBytes(temporaryPath().toStdString(), "the previous run's file\r\n");
             add(kind::kMapDrive, " Map NOSHARE as H:\\ ");
             add(kind::kOther, "echo after");
         },
         writeFailed.arg("NET USE H: ", temporaryPath()), cls},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.situation);
        std::filesystem::remove(temporaryPath().toStdString());
        list.clear();
        add(kind::kOther, "cls");
        shell.calls.clear();
        shell.result = shell_result::kOpened;
        executeStates.clear();
        prompts.messages.clear();
        TrialContext in = context();
        row.setUp(in);
        EXPECT_EQ(executeScript(in), TrialOutcome::Failed);
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].request.text, row.message);
        EXPECT_EQ(prompts.messages[0].request.title, "Kestrune");
        EXPECT_EQ(prompts.messages[0].request.icon, MessageIcon::Critical);
        EXPECT_FALSE(prompts.messages[0].waitCursor);
        EXPECT_EQ(executeStates, (std::vector<bool>{false, true}));
        EXPECT_EQ(shell.calls.size(), row.message == startFailed ? 1u : 0u);
        EXPECT_EQ(QFileInfo::exists(temporaryPath()) ? fileBytes() : "-", row.fileAfter);
    }
    EXPECT_EQ(test::readBytes(precious), "keep");
}

}  // namespace
}  // namespace kestrune::test
