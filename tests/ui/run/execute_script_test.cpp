// Execute Script: the network warning frmWarn and its setting, "temp.bat" in the program's
// folder with the actions' lines (never written through a link), the shell, the two failure
// messages, and the Execute button and wait cursor around the writing.

#include <QGuiApplication>
#include <filesystem>

#include "run/trial_run.h"
#include "support/test_text.h"
#include "trial_fixture.h"
#include "ui/run/run_texts.h"

namespace kestrune::testing {
namespace {

using ExecuteScriptTest = TrialTest;

const QString kWarningSection = "Warning";
const QString kWarnKey = "Warn";

TEST_F(ExecuteScriptTest, TheWarningShowsWithItsTexts) {
    add(kind::kOther, "cls");
    onWarning([this](WarningDialog& w) {
        EXPECT_EQ(w.objectName(), "frmWarn");
        EXPECT_EQ(w.windowTitle(), "Warning");
        EXPECT_TRUE(w.isModal());
        EXPECT_EQ(w.parentWidget(), &window);
        EXPECT_EQ(find<QLabel>(w, "Label1")->text(),
                  "If the network is down or unreachable, operations can take up to one minute "
                  "to time out. It is not recomended that you close the DOS mode box before it "
                  "is finished.");
        EXPECT_FALSE(find<QLabel>(w, "Image1")->pixmap().isNull());
        auto* again = find<QCheckBox>(w, "chkAgain");
        EXPECT_EQ(again->text(), "Don't show this message again");
        EXPECT_FALSE(again->isChecked());
        auto* ok = find<QPushButton>(w, "cmdOk");
        EXPECT_EQ(ok->text(), "&OK");
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(find<QPushButton>(w, "cmdCancel")->text(), "&Cancel");
        // Nothing is written before the warning is answered.
        EXPECT_FALSE(fileWritten());
        click(w, "cmdOk");
    });

    EXPECT_EQ(executeScript(), TrialOutcome::Started);

    EXPECT_TRUE(warningShown);
    EXPECT_TRUE(settings.writes.isEmpty());
    ASSERT_EQ(shell.calls.size(), 1u);
}

TEST_F(ExecuteScriptTest, EscapeCancelsWithoutATraceAndEnterIsOk) {
    add(kind::kOther, "cls");
    onWarning([](WarningDialog& w) { QTest::keyClick(&w, Qt::Key_Escape); });
    EXPECT_EQ(executeScript(), TrialOutcome::Cancelled);
    EXPECT_TRUE(warningShown);
    EXPECT_FALSE(fileWritten());
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_TRUE(executeStates.empty());
    EXPECT_TRUE(prompts.messages.empty());

    // The next run shows the warning again.
    onWarning([](WarningDialog& w) { QTest::keyClick(&w, Qt::Key_Return); });
    EXPECT_EQ(executeScript(), TrialOutcome::Started);
    EXPECT_TRUE(warningShown);
    EXPECT_EQ(shell.calls.size(), 1u);
}

TEST_F(ExecuteScriptTest, ClosingTheWarningOtherwiseGoesOnAsOkUnchecked) {
    add(kind::kOther, "cls");
    onWarning([](WarningDialog& w) {
        click(w, "chkAgain");
        w.close();
    });
    EXPECT_EQ(executeScript(), TrialOutcome::Started);
    EXPECT_TRUE(warningShown);
    EXPECT_TRUE(settings.writes.isEmpty());
    EXPECT_EQ(shell.calls.size(), 1u);
}

TEST_F(ExecuteScriptTest, OnlyAStoredNoSwitchesTheWarningOff) {
    add(kind::kOther, "cls");
    for (const char* stored : {"no", "No", "YES", "", " NO"}) {
        settings.values[{kWarningSection, kWarnKey}] = stored;
        EXPECT_EQ(executeScriptPastWarning(), TrialOutcome::Started) << stored;
        EXPECT_TRUE(warningShown) << stored;
    }
    settings.values[{kWarningSection, kWarnKey}] = "NO";
    EXPECT_EQ(executeScriptPastWarning(), TrialOutcome::Started);
    EXPECT_FALSE(warningShown);

    // A store that can't be read doesn't switch it off either.
    settings.failReadsOf = kWarnKey;
    EXPECT_EQ(executeScriptPastWarning(), TrialOutcome::Started);
    EXPECT_TRUE(warningShown);
    EXPECT_TRUE(settings.writes.isEmpty());
}

TEST_F(ExecuteScriptTest, AnEmptyListWritesAnEmptyFileAndStillHandsItOver) {
    EXPECT_EQ(executeScriptPastWarning(), TrialOutcome::Started);
    EXPECT_TRUE(fileWritten());
    EXPECT_EQ(fileBytes(), "");
    EXPECT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(TemporaryScriptPath(folder()), temporaryPath());
}

TEST_F(ExecuteScriptTest, EachRunReplacesTheFileAndLeavesIt) {
    add(kind::kOther, "first");
    executeScriptPastWarning();
    list.at(0).details = "second";
    executeScriptPastWarning();
    EXPECT_EQ(fileBytes(), test::crlf({"second", ""}));
}

TEST_F(ExecuteScriptTest, AShellFailureNamesTheFileWhichStays) {
    add(kind::kOther, "cls");
    for (const std::intptr_t result : {0, 2, 31, 32}) {
        prompts.messages.clear();
        shell.result = result;
        EXPECT_EQ(executeScriptPastWarning(), TrialOutcome::Failed) << result;
        EXPECT_EQ(messageTexts(),
                  std::vector<QString>{
                      "An error occurred while attempting to execute the temporary file, \r" +
                      temporaryPath() + "."});
        EXPECT_EQ(fileBytes(), test::crlf({"cls", ""}));
    }
    shell.result = 33;
    prompts.messages.clear();
    EXPECT_EQ(executeScriptPastWarning(), TrialOutcome::Started);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ExecuteScriptTest, AFileThatCantBeWrittenIsNamedAndNotRun) {
    add(kind::kOther, "cls");
    const QString missingFolder = folder() + QDir::separator() + "missing";
    TrialContext inMissing = context();
    inMissing.programFolder = missingFolder;
    onWarning([](WarningDialog& w) { click(w, "cmdOk"); });

    EXPECT_EQ(ExecuteScript(inMissing), TrialOutcome::Failed);

    ASSERT_EQ(prompts.messages.size(), 1u);
    const MessageRequest& shown = prompts.messages.front().request;
    EXPECT_EQ(shown.text, "An error occurred while writing the line  to the file " + missingFolder +
                              QDir::separator() + "temp.bat.");
    EXPECT_EQ(shown.title, "Kestrune");
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_TRUE(shell.calls.empty());

    // A link planted in place of the file: the same message, and what it names is untouched.
    const std::string precious = dir.file("precious.txt");
    test::writeBytes(precious, "keep");
    std::error_code error;
    std::filesystem::create_symlink(precious, temporaryPath().toStdString(), error);
    ASSERT_FALSE(error) << error.message();
    prompts.messages.clear();
    EXPECT_EQ(executeScriptPastWarning(), TrialOutcome::Failed);
    EXPECT_EQ(messageTexts(), std::vector<QString>{"An error occurred while writing the line  to "
                                                   "the file " +
                                                   temporaryPath() + "."});
    EXPECT_EQ(test::readBytes(precious), "keep");
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(ExecuteScriptTest, ADriveWithoutAShareEndsTheFileAtItsLineWhichIsNamedAndNothingRuns) {
    test::writeBytes(temporaryPath().toStdString(), "the previous run's file\r\n");
    add(kind::kOther, "cls");
    add(kind::kMapDrive, " Map NOSHARE as H:\\ ");
    add(kind::kOther, "echo after");

    EXPECT_EQ(executeScriptPastWarning(), TrialOutcome::Failed);

    EXPECT_EQ(messageTexts(), std::vector<QString>{"An error occurred while writing the line NET "
                                                   "USE H:  to the file " +
                                                   temporaryPath() + "."});
    EXPECT_EQ(fileBytes(), test::crlf({"cls", ""}));
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(ExecuteScriptTest, ExecuteIsOffWithTheWaitCursorOnlyWhileTheFileIsWrittenAndHandedOver) {
    add(kind::kOther, "cls");
    bool offWhileOpening = false;
    bool waitWhileOpening = false;
    shell.onOpen = [&](const QString&) {
        offWhileOpening = !executeStates.empty() && !executeStates.back();
        waitWhileOpening = QGuiApplication::overrideCursor() != nullptr;
        // The file is complete before the shell gets it.
        EXPECT_EQ(fileBytes(), test::crlf({"cls", ""}));
    };
    onWarning([this](WarningDialog& w) {
        // Not yet while the warning is up.
        EXPECT_TRUE(executeStates.empty());
        click(w, "cmdOk");
    });

    EXPECT_EQ(executeScript(), TrialOutcome::Started);
    EXPECT_TRUE(offWhileOpening);
    EXPECT_TRUE(waitWhileOpening);
    EXPECT_EQ(executeStates, (std::vector<bool>{false, true}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ExecuteScriptTest, ExecuteComesBackOnAndTheCursorNormalBeforeAFailureIsShown) {
    add(kind::kOther, "cls");
    shell.result = shell_result::kNoAssociation;
    EXPECT_EQ(executeScriptPastWarning(), TrialOutcome::Failed);
    EXPECT_EQ(executeStates, (std::vector<bool>{false, true}));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_FALSE(prompts.messages.front().waitCursor);

    executeStates.clear();
    prompts.messages.clear();
    add(kind::kMapDrive, "Map FILES as G:\\");
    EXPECT_EQ(executeScriptPastWarning(), TrialOutcome::Failed);
    EXPECT_EQ(executeStates, (std::vector<bool>{false, true}));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_FALSE(prompts.messages.front().waitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace kestrune::testing
