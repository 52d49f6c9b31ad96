// Execute Script: the network warning frmWarn and its setting, "temp.bat" in the program's
// folder with the actions' lines (never written through a link), the shell, the two failure
// messages, and the Execute button and wait cursor around the writing.

#include <QGuiApplication>
#include <filesystem>

#include "support/test_text.h"
#include "trial_fixture.h"

namespace kestrune::testing {
namespace {

using ExecuteScriptTest = TrialTest;

TEST_F(ExecuteScriptTest, TheWarningShowsItsTextsAndOkWithTheBoxCheckedSwitchesItOff) {
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
        click(w, "chkAgain");
        click(w, "cmdOk");
    });
    EXPECT_EQ(ExecuteScript(context()), TrialOutcome::Started);
    EXPECT_TRUE(warningShown);
    EXPECT_EQ(settings.writes, QStringList{"Warning/Warn=NO"});
    EXPECT_EQ(executeScript(), TrialOutcome::Started);
    EXPECT_FALSE(warningShown);
    EXPECT_EQ(shell.calls.size(), 2u);
}

// Cancel (its button or Escape) stops without a trace; any other way out is OK unchecked.
TEST_F(ExecuteScriptTest, TheWarningsAnswers) {
    const struct {
        const char* how;
        Script answer;
        TrialOutcome outcome;
    } rows[] = {
        {"Escape", [](WarningDialog& w) { QTest::keyClick(&w, Qt::Key_Escape); },
         TrialOutcome::Cancelled},
        {"Cancel, checked",
         [](WarningDialog& w) {
             click(w, "chkAgain");
             click(w, "cmdCancel");
         },
         TrialOutcome::Cancelled},
        {"Enter", [](WarningDialog& w) { QTest::keyClick(&w, Qt::Key_Return); },
         TrialOutcome::Started},
        {"closed, checked",
         [](WarningDialog& w) {
             click(w, "chkAgain");
             w.close();
         },
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
    }
    EXPECT_TRUE(settings.writes.isEmpty());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ExecuteScriptTest, OnlyAStoredNoSwitchesTheWarningOff) {
    for (const char* stored : {"no", "No", "YES", "", " NO", "NO"}) {
        settings.values[{"Warning", "Warn"}] = stored;
        EXPECT_EQ(executeScript(), TrialOutcome::Started) << stored;
        EXPECT_EQ(warningShown, QString(stored) != "NO") << stored;
    }
    // A store that can't be read doesn't switch it off either.
    settings.failReadsOf = "Warn";
    EXPECT_EQ(executeScript(), TrialOutcome::Started);
    EXPECT_TRUE(warningShown);
    EXPECT_TRUE(settings.writes.isEmpty());
}

// The lines are the script's own without its header; the file is complete before the shell
// gets it, and Execute is off with the wait cursor on only meanwhile.
TEST_F(ExecuteScriptTest, TheFileHoldsTheActionsLinesAndIsHandedToTheShell) {
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
TEST_F(ExecuteScriptTest, FailuresNameTheFileAndRunNothing) {
    const QString missing = folder() + QDir::separator() + "missing";
    const std::string precious = dir.file("precious.txt");
    const QString writeFailed = "An error occurred while writing the line %1 to the file %2.";
    const QString startFailed =
        "An error occurred while attempting to execute the temporary "
        "file, \r" +
        temporaryPath() + ".";
    const struct {
        const char* situation;
        std::function<void(TrialContext&)> setUp;
        QString message;
        std::string fileAfter;  // "-": no file
    } rows[] = {
        {"shell result 2", [this](TrialContext&) { shell.result = 2; }, startFailed,
         test::crlf({"cls", ""})},
        {"shell result 32", [this](TrialContext&) { shell.result = 32; }, startFailed,
         test::crlf({"cls", ""})},
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
         writeFailed.arg("NET USE H: ", temporaryPath()), test::crlf({"cls", ""})},
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
}  // namespace kestrune::testing
