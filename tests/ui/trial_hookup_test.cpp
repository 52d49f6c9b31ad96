// Trying actions, the About box and the help file from the main window: the menus, F5, F1
// and the toolbar's Execute button reach them with the window's list, settings, prompts and
// program folder, and with the system doubles in place of programs and the shell.

#include <QDir>
#include <QLabel>
#include <QStandardPaths>
#include <filesystem>

#include "ui/about/about.h"

#include "ui/main/floating_toolbar.h"
#include "window_fixture.h"

namespace kestrune {
namespace {

// A drive mapping and a message: the two actions whose lines make the temporary file.
const QByteArray kTwoActions =
    "// Logon Script Template File\r\n\r\n"
    "[map]\r\nremote=\\\\FILES\\APPS\r\nlocal=G\r\n\r\n"
    "[motd]\r\nlocal=\\\\FILES\\NETLOGON\\MOTD.TXT\r\n\r\n";

class TrialHookupTest : public testing::WindowTest {
  protected:
    void startWithTwoActions() {
        start();
        window->openDocument(writeFile("two.lst", kTwoActions));
        ASSERT_EQ(window->actions().size(), 2u);
    }

    QString inProgramFolder(const char* name) const {
        return programDir.path() + QDir::separator() + name;
    }

    void helpMenu(const char* item) { choose(openMenu(Qt::Key_H, "mnuHelp"), item); }

    void expectFailure(const QString& text) {
        ASSERT_EQ(prompts.messages.size(), 1u);
        const MessageRequest& shown = prompts.messages[0].request;
        EXPECT_EQ(shown.text, text);
        EXPECT_EQ(shown.title, "Kestrune");
        EXPECT_EQ(shown.buttons, MessageButtons::Ok);
        EXPECT_EQ(shown.icon, MessageIcon::Critical);
    }
};

TEST_F(TrialHookupTest, ExecuteActionStartsTheSelectedActionFromEitherMenu) {
    startWithTwoActions();
    programs.missing = {"type"};  // built into the command interpreter here
    struct Row {
        const char* item;
        int row;
        QString line;
        bool fails;
    };
    for (const Row& r : {Row{"mnuExAction", 0, "NET USE G: \\\\FILES\\APPS", false},
                         Row{"mnuExAct2", 1, "type \"\\\\FILES\\NETLOGON\\MOTD.TXT\"", true}}) {
        SCOPED_TRACE(r.item);
        programs.lines.clear();
        prompts.messages.clear();
        clickRow(r.row);
        if (r.item == std::string("mnuExAction")) {
            toolsMenu(r.item);
        } else {
            popUpMenu(r.row, r.item);
        }
        EXPECT_EQ(programs.lines, QStringList{r.line});
        if (r.fails) {
            expectFailure(
                "There was a problem executing the action.\r\rSome commands can only be "
                "executed within a batch file (e.g. echo), so this does not necessarily mean "
                "there will be an error when running the script as a whole.");
        } else {
            EXPECT_TRUE(prompts.messages.empty());
        }
    }
    EXPECT_FALSE(window->document().modified);
}

TEST_F(TrialHookupTest, ExecuteScriptWritesTempBatBesideTheProgramByEveryRoute) {
    store.values.insert({"Warning", "Warn"}, "NO");
    startWithTwoActions();
    const QString temp = inProgramFolder("temp.bat");
    struct Row {
        const char* route;
        std::intptr_t shellResult;
    };
    for (const Row& r : {Row{"F5", shell_result::kOpened}, Row{"mnuExecute", shell_result::kOpened},
                         Row{"Execute", shell_result::kNoAssociation}}) {
        SCOPED_TRACE(r.route);
        QFile::remove(temp);
        shell.calls.clear();
        shell.result = r.shellResult;
        prompts.messages.clear();
        bool mainOffWhileOpening = false;
        bool floatingOnWhileOpening = false;
        shell.onOpen = [&](const QString&) {
            mainOffWhileOpening = !toolbarButton("Execute")->isEnabled();
            // The floating toolbar is there, hidden, and its button isn't touched.
            floatingOnWhileOpening =
                floatingButton(window->floatingToolbar(), "Execute")->isEnabled();
        };

        if (r.route == std::string("F5")) {
            QTest::keyClick(window->lstAction(), Qt::Key_F5);
        } else if (r.route == std::string("mnuExecute")) {
            toolsMenu(r.route);
        } else {
            clickButton(r.route);
        }

        ASSERT_EQ(shell.calls.size(), 1u);
        EXPECT_EQ(shell.calls[0].path, temp);
        EXPECT_EQ(shell.calls[0].workingFolder, programDir.path());
        EXPECT_EQ(readFile(temp.toStdString()),
                  "NET USE G: \\\\FILES\\APPS\r\n\r\n"
                  "type \"\\\\FILES\\NETLOGON\\MOTD.TXT\"\r\npause\r\n\r\n");
        EXPECT_TRUE(mainOffWhileOpening);
        EXPECT_TRUE(floatingOnWhileOpening);
        EXPECT_TRUE(toolbarButton("Execute")->isEnabled());
        if (ShellOpened(r.shellResult)) {
            EXPECT_TRUE(prompts.messages.empty());
        } else {
            expectFailure("An error occurred while attempting to execute the temporary file, \r" +
                          temp + ".");
        }
    }
    shell.onOpen = nullptr;
}

TEST_F(TrialHookupTest, TheNetworkWarningComesFirstAndKeepsItsAnswerInTheWindowsSettings) {
    startWithTwoActions();
    store.writes.clear();
    const auto pressF5 = [this] {
        QTest::keyClick(window->lstAction(), Qt::Key_F5);
        reactivate();
    };

    // Cancelled, with the box checked: nothing stored, written or run.
    inDialog([this](QDialog& frmWarn) {
        EXPECT_EQ(frmWarn.objectName(), "frmWarn");
        EXPECT_EQ(frmWarn.parentWidget(), window.get());
        clickIn(frmWarn, "chkAgain");
        clickIn(frmWarn, "cmdCancel");
    });
    pressF5();
    EXPECT_TRUE(dialogShown);
    EXPECT_TRUE(store.writes.isEmpty());
    EXPECT_FALSE(QFile::exists(inProgramFolder("temp.bat")));
    EXPECT_TRUE(shell.calls.empty());

    // OK with the box checked: switched off for good, and this run goes on.
    inDialog([](QDialog& frmWarn) {
        clickIn(frmWarn, "chkAgain");
        clickIn(frmWarn, "cmdOk");
    });
    pressF5();
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(store.writes, QStringList{"Warning/Warn=NO"});
    EXPECT_EQ(shell.calls.size(), 1u);

    inDialog([](QDialog& frmWarn) { clickIn(frmWarn, "cmdOk"); });
    pressF5();
    EXPECT_FALSE(dialogShown);
    EXPECT_EQ(shell.calls.size(), 2u);
}

// Installed where the user may not write, the program writes temp.bat into the user's own
// data folder and its dialogs start in the user's documents.
TEST_F(TrialHookupTest, AProgramFolderTheUserCantWriteGivesWayToTheUsersOwnFolders) {
    store.values[{"Warning", "Warn"}] = "NO";
    startWithTwoActions();
    window->setProgramFolder(inProgramFolder("installed"));  // not there: no one can write it
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_TRUE(QDir().mkpath(documents));
    QDir(data).removeRecursively();

    QTest::keyClick(window->lstAction(), Qt::Key_F5);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].path, data + "/temp.bat");
    EXPECT_EQ(shell.calls[0].workingFolder, data);
    EXPECT_TRUE(QFile::exists(data + "/temp.bat"));
    EXPECT_EQ(std::filesystem::status(data.toStdString()).permissions(),
              std::filesystem::perms::owner_all);
    EXPECT_FALSE(QFile::exists(window->programFolder()));
    EXPECT_TRUE(prompts.messages.empty());

    // A folder others may write into is not the user's own: nothing is written or run.
    QFile(data).setPermissions(QFile(data).permissions() | QFileDevice::WriteGroup);
    QFile::remove(data + "/temp.bat");
    QTest::keyClick(window->lstAction(), Qt::Key_F5);
    expectFailure("An error occurred while writing the line  to the file " + data + "/temp.bat.");
    EXPECT_EQ(shell.calls.size(), 1u);
    EXPECT_FALSE(QFile::exists(data + "/temp.bat"));
    QFile(data).setPermissions(QFile(data).permissions() & ~QFileDevice::WriteGroup);

    clickButton("Open");
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_EQ(prompts.dialogs[0].folder, documents);
}

TEST_F(TrialHookupTest, HelpTopicsOpensTheHelpFileBesideTheProgram) {
    start();
    const QString help = HelpFilePath(programDir.path());
    ASSERT_TRUE(help.startsWith(programDir.path()));
    for (const bool byKey : {true, false}) {
        SCOPED_TRACE(byKey ? "F1" : "mnuHelpTop");
        shell.calls.clear();
        prompts.messages.clear();
        // The shell takes it by the key and fails it from the menu.
        shell.result = byKey ? shell_result::kOpened : shell_result::kFileNotFound;
        if (byKey) {
            QTest::keyClick(window->lstAction(), Qt::Key_F1);
        } else {
            helpMenu("mnuHelpTop");
        }
        ASSERT_EQ(shell.calls.size(), 1u);
        EXPECT_EQ(shell.calls[0].path, help);
        EXPECT_EQ(shell.calls[0].workingFolder, programDir.path());
        if (byKey) {
            EXPECT_TRUE(prompts.messages.empty());
        } else {
            expectFailure("An error occurred while attempting to start the help file, \r" + help +
                          ".");
        }
    }
}

TEST_F(TrialHookupTest, AboutShowsOverTheWindowAndStartsSystemInformationThroughItsServices) {
    start();
    inDialog([this](QDialog& frmAbout) {
        EXPECT_EQ(frmAbout.objectName(), "frmAbout");
        EXPECT_EQ(frmAbout.parentWidget(), window.get());
        EXPECT_EQ(frmAbout.windowTitle(), "About Kestrune");
        EXPECT_EQ(frmAbout.findChild<QLabel*>("lblTitle")->text(), "Kestrune");
        EXPECT_EQ(frmAbout.findChild<QLabel*>("lblVersion")->text(), "Version 2.1.0");

        // Nothing to start yet: the box says so through the window's prompts and stays.
        clickIn(frmAbout, "cmdSysInfo");
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].request.text,
                  "System Information Is Unavailable At This Time");
        EXPECT_TRUE(programs.lines.isEmpty());
        EXPECT_TRUE(frmAbout.isVisible());

        // Where Windows and where other desktops keep it.
        lookup.values.insert({"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH"}, "/opt/sysinfo");
        lookup.programs.insert("hardinfo", "/opt/sysinfo");
        clickIn(frmAbout, "cmdSysInfo");
        EXPECT_EQ(programs.lines, QStringList{"/opt/sysinfo"});
        clickIn(frmAbout, "cmdOk");
    });
    helpMenu("mnuAbout");
    EXPECT_TRUE(dialogShown);
}

}  // namespace
}  // namespace kestrune
