// Trying actions, the floating toolbar, the help and the About box from the main window, with
// the system doubles in place of programs and the shell.

#include <QStandardPaths>
#include <filesystem>

#include "ui/about/about.h"
#include "window_fixture.h"

namespace kestrune::test {
namespace {

class TrialTest : public WindowTest {
  protected:
    void startWithTwoActions() {
        start();
        window->openDocument(writeFile("two.lst", kTemplateHeader +
                                                      "[map]\r\nremote=\\\\FILES\\APPS\r\n\r\n"
                                                      "[motd]\r\nlocal=\\\\F\\N\\M.TXT\r\n\r\n"));
        ASSERT_EQ(window->actions().size(), 2u);
    }
};

// The warning is the window's; temp.bat goes beside the program, and only the main
// toolbar's Execute is off while the shell has it.
TEST_F(TrialTest, ExecuteScriptTurnsOffOnlyTheMainToolbarsButtonMeanwhile) {
    startWithTwoActions();
    bool mainOff = false, floatingOn = false;
    shell.onOpen = [&](const QString&) {
        mainOff = !window->action(Command::ExecuteScript, Route::Toolbar)->isEnabled();
        floatingOn = window->action(Command::ExecuteScript, Route::FloatingToolbar)->isEnabled();
    };
    inDialog([this](QDialog& frmWarn) {
        EXPECT_EQ(frmWarn.parentWidget(), window.get());
        clickIn(frmWarn, "cmdOk");
    });
    give(Command::ExecuteScript, Way::Toolbar);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].path, programDir.filePath("temp.bat"));
    EXPECT_EQ(shell.calls[0].workingFolder, programDir.path());
    EXPECT_TRUE(mainOff && floatingOn);
    EXPECT_TRUE(window->action(Command::ExecuteScript, Route::Toolbar)->isEnabled());
}

// Installed where the user may not write, the program writes temp.bat into the user's own
// data folder and its dialogs start in the user's documents.
TEST_F(TrialTest, AProgramFolderTheUserCantWriteGivesWayToTheUsersOwnFolders) {
    store.values[{"Warning", "Warn"}] = "NO";
    startWithTwoActions();
    window->setProgramFolder(programDir.filePath("installed"));  // not there: no one can write it
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_TRUE(QDir().mkpath(documents));
    QDir(data).removeRecursively();
    give(Command::ExecuteScript, Way::Key);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].path, data + "/temp.bat");
    EXPECT_EQ(std::filesystem::status(data.toStdString()).permissions(),
              std::filesystem::perms::owner_all);

    // A folder others may write into is not the user's own: nothing is written or run.
    QFile(data).setPermissions(QFile(data).permissions() | QFileDevice::WriteGroup);
    QFile::remove(data + "/temp.bat");
    give(Command::ExecuteScript, Way::Key);
    expectMessage("An error occurred while writing the line  to the file " + data + "/temp.bat.");
    EXPECT_EQ(shell.calls.size(), 1u);
    EXPECT_FALSE(QFile::exists(data + "/temp.bat"));
    QFile(data).setPermissions(QFile(data).permissions() & ~QFileDevice::WriteGroup);

    give(Command::Open, Way::Toolbar);
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_EQ(prompts.dialogs[0].folder, documents);
}

TEST_F(TrialTest, FloatingMovesTheListAndFollowsTheSelection) {
    startWithTwoActions();
    const MainLayout docked = window->layoutTwips();
    const auto shownFor = [this](int row) {
        const Action& action = window->actions()[static_cast<std::size_t>(row)];
        return QString::fromStdString(action.kind + " -- " + action.details);
    };
    for (const bool byCloseBox : {false, true}) {
        give(Command::Toolbar, byCloseBox ? Way::Menu : Way::Toolbar);
        FloatingToolbar* tool = window->floatingToolbar();
        EXPECT_EQ(tool->parentWidget(), window.get());
        EXPECT_FALSE(window->toolbar()->isVisible());
        EXPECT_EQ(window->layoutTwips().listTop, 240);
        EXPECT_EQ(window->lstAction()->y(), TwipsToPixels(240, window->logicalDpiY()));
        // Floating names the action selected at once.
        EXPECT_EQ(tool->windowTitle(), shownFor(byCloseBox ? 1 : 0));
        clickRow(1);
        EXPECT_EQ(tool->windowTitle(), shownFor(1));
        EXPECT_EQ(window->statusText(), shownFor(1));
        if (byCloseBox) {
            tool->close();  // what the window manager does for the close box
        } else {
            give(Command::Toolbar, Way::Menu);  // "Dock &Toolbar"
        }
        EXPECT_EQ(window->floatingToolbar(), nullptr);
        EXPECT_TRUE(window->toolbar()->isVisible());
        EXPECT_TRUE(window->layoutTwips() == docked);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        reactivate();
    }
    // Docked, the next touch makes it again, hidden, and it keeps its title while hidden;
    // emptied, the list gives its own back.
    clickRow(1);
    FloatingToolbar* tool = window->floatingToolbar();
    ASSERT_TRUE(tool != nullptr && !tool->isVisible());
    clickRow(0);
    EXPECT_EQ(tool->windowTitle(), shownFor(1));
    give(Command::Clear, Way::PopUp);
    EXPECT_EQ(tool->windowTitle(), "Toolbar");
}

// The help opens with the program's folder as the working folder; a failure is told.
TEST_F(TrialTest, HelpTopicsOpensTheHelpFileBesideTheProgram) {
    start();
    shell.result = shell_result::kFileNotFound;
    give(Command::HelpTopics, Way::Key);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].path, HelpFilePath(programDir.path()));
    EXPECT_EQ(shell.calls[0].workingFolder, programDir.path());
    EXPECT_EQ(prompts.messages.size(), 1u);
}

}  // namespace
}  // namespace kestrune::test
