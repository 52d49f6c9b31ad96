// Trying actions, the floating toolbar, the help and the About box from the main window, with
// the system doubles in place of programs and the shell.

#include <QDir>
#include <QLabel>
#include <QStandardPaths>
#include <filesystem>

#include "ui/about/about.h"
#include "window_fixture.h"

namespace kestrune::test {
namespace {

// A drive mapping and a message: the two actions whose lines make the temporary file.
const QByteArray kTwoActions = kTemplateHeader +
                               "[map]\r\nremote=\\\\FILES\\APPS\r\nlocal=G\r\n\r\n"
                               "[motd]\r\nlocal=\\\\FILES\\NETLOGON\\MOTD.TXT\r\n\r\n";

class TrialTest : public WindowTest {
  protected:
    void startWithTwoActions() {
        start();
        window->openDocument(writeFile("two.lst", kTwoActions));
        ASSERT_EQ(window->actions().size(), 2u);
    }
};

TEST_F(TrialTest, ExecuteActionStartsTheSelectedActionsLine) {
    startWithTwoActions();
    programs.missing = {"type"};  // built into the command interpreter here
    give(Command::ExecuteAction, Way::Menu);
    clickRow(1);
    give(Command::ExecuteAction, Way::PopUp);
    EXPECT_EQ(programs.lines, (QStringList{"NET USE G: \\\\FILES\\APPS",
                                           "type \"\\\\FILES\\NETLOGON\\MOTD.TXT\""}));
    expectMessage(
        "There was a problem executing the action.\r\rSome commands can only be executed within "
        "a batch file (e.g. echo), so this does not necessarily mean there will be an error "
        "when running the script as a whole.");
    EXPECT_FALSE(window->document().modified);
}

// The warning comes first; temp.bat is written beside the program and handed to the shell,
// with only the main toolbar's Execute off meanwhile.
TEST_F(TrialTest, ExecuteScriptWarnsWritesTempBatAndHandsItToTheShell) {
    startWithTwoActions();
    const QString temp = programDir.filePath("temp.bat");
    store.writes.clear();
    inDialog([this](QDialog& frmWarn) {  // cancelled, with the box checked: nothing at all
        EXPECT_EQ(frmWarn.parentWidget(), window.get());
        clickIn(frmWarn, "chkAgain");
        clickIn(frmWarn, "cmdCancel");
    });
    give(Command::ExecuteScript, Way::Key);
    reactivate();
    EXPECT_TRUE(dialogShown);
    EXPECT_TRUE(store.writes.isEmpty());
    EXPECT_FALSE(QFile::exists(temp));
    EXPECT_TRUE(shell.calls.empty());

    bool mainOff = false, floatingOn = false;
    shell.onOpen = [&](const QString&) {
        mainOff = !window->action(Command::ExecuteScript, Route::Toolbar)->isEnabled();
        floatingOn = window->action(Command::ExecuteScript, Route::FloatingToolbar)->isEnabled();
    };
    shell.result = shell_result::kNoAssociation;
    inDialog([](QDialog& frmWarn) {  // OK with the box checked: switched off for good
        clickIn(frmWarn, "chkAgain");
        clickIn(frmWarn, "cmdOk");
    });
    give(Command::ExecuteScript, Way::Toolbar);
    reactivate();
    EXPECT_EQ(store.writes, QStringList{"Warning/Warn=NO"});
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].path, temp);
    EXPECT_EQ(shell.calls[0].workingFolder, programDir.path());
    EXPECT_EQ(readFile(PathBytes(temp)),
              "NET USE G: \\\\FILES\\APPS\r\n\r\n"
              "type \"\\\\FILES\\NETLOGON\\MOTD.TXT\"\r\npause\r\n\r\n");
    EXPECT_TRUE(mainOff && floatingOn);
    EXPECT_TRUE(window->action(Command::ExecuteScript, Route::Toolbar)->isEnabled());
    expectMessage("An error occurred while attempting to execute the temporary file, \r" + temp +
                  ".");
    shell.onOpen = nullptr;

    inDialog([](QDialog& frmWarn) { clickIn(frmWarn, "cmdOk"); });
    give(Command::ExecuteScript, Way::Menu);
    EXPECT_FALSE(dialogShown);
    EXPECT_EQ(shell.calls.size(), 2u);
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
    EXPECT_EQ(shell.calls[0].workingFolder, data);
    EXPECT_EQ(std::filesystem::status(data.toStdString()).permissions(),
              std::filesystem::perms::owner_all);
    EXPECT_TRUE(prompts.messages.empty());

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
        EXPECT_EQ(window->layoutTwips().listHeight, docked.listHeight + 360);
        EXPECT_EQ(window->lstAction()->y(), TwipsToPixels(240, window->logicalDpiY()));
        clickRow(byCloseBox ? 0 : 1);
        EXPECT_EQ(tool->windowTitle(), shownFor(byCloseBox ? 0 : 1));
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
    ASSERT_NE(tool, nullptr);
    EXPECT_FALSE(tool->isVisible());
    clickRow(0);
    EXPECT_EQ(tool->windowTitle(), shownFor(1));
    give(Command::Clear, Way::PopUp);
    EXPECT_EQ(tool->windowTitle(), "Toolbar");
}

TEST_F(TrialTest, HelpAndAboutGoThroughTheWindowsServices) {
    start();
    const QString help = HelpFilePath(programDir.path());
    shell.result = shell_result::kFileNotFound;
    give(Command::HelpTopics, Way::Key);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].workingFolder, programDir.path());
    expectMessage("An error occurred while attempting to start the help file, \r" + help + ".");

    prompts = {};
    inDialog([this](QDialog& frmAbout) {
        EXPECT_EQ(frmAbout.parentWidget(), window.get());
        EXPECT_EQ(frmAbout.findChild<QLabel*>("lblVersion")->text(), "Version 2.1.0");
        clickIn(frmAbout, "cmdSysInfo");  // nothing to start: said through the window's prompts
        EXPECT_EQ(messageTexts(),
                  std::vector<QString>{"System Information Is Unavailable At This Time"});
        lookup.programs.insert("hardinfo", "/opt/sysinfo");
        clickIn(frmAbout, "cmdSysInfo");
        EXPECT_EQ(programs.lines, QStringList{"/opt/sysinfo"});
        clickIn(frmAbout, "cmdOk");
    });
    give(Command::About, Way::Menu);
    EXPECT_TRUE(dialogShown);
}

}  // namespace
}  // namespace kestrune::test
