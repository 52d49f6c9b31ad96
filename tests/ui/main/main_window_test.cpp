// The main window through its real widgets: every command by every way it is offered, the
// menus' opening rules, the layout, the window's settings and its place on the screen, the
// recent files, opening from the command line, trying actions and floating the toolbar.

#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>

#include "ui/about/about.h"
#include "ui/main/find_bar.h"
#include "ui/main/program_entry.h"
#include "window_fixture.h"

namespace kestrune::test {
namespace {

const std::string kOffice = KESTRUNE_EXAMPLES_DIR "/office.lst";
const std::string kAccounts = KESTRUNE_EXAMPLES_DIR "/accounts.bat";
const QString kSettingsNotSaved =
    "An unexpected error occurred while saving settings in the system registry.";

class MainWindowTest : public WindowTest {
  protected:
    // What the command just given did, in a few words.
    std::string effect(const std::string& file, bool floatedBefore) {
        const FloatingToolbar* tool = window->floatingToolbar();
        const bool floated = tool != nullptr && tool->isVisible();
        if (!window->isVisible()) {
            return "closed";
        }
        if (editorShown || dialogShown) {
            return editorShown ? "editor" : "about box";
        }
        if (auto* check = window->findChild<CheckDialog*>(); check && check->isVisible()) {
            return "check dialog";
        }
        if (!prompts.dialogs.empty()) {
            const auto& asked = prompts.dialogs[0];
            return asked.title.toStdString() +
                   (asked.folder == programDir.path() ? " in the program folder" : "");
        }
        if (!shell.calls.empty()) {
            return shell.calls[0].path == HelpFilePath(programDir.path())
                       ? "shell opens the help"
                       : "shell opens " + QFileInfo(shell.calls[0].path).fileName().toStdString();
        }
        if (!programs.lines.isEmpty()) {
            return "starts " + programs.lines.join('|').toStdString();
        }
        if (floated != floatedBefore) {
            return floated ? "floats" : "docks";
        }
        if (window->findBar()->isVisible()) {
            return "find bar";
        }
        if (QFile::exists(PathText(file))) {
            return "saved";
        }
        std::string list =
            window->document().documentPath == file ? "" : window->document().documentPath + ": ";
        for (const std::string& d : details()) {
            list += d;
        }
        return list + " at " + std::to_string(window->selectedRow().value_or(-1));
    }
};

// One row per command; each way that offers it must give the same effect.
TEST_F(MainWindowTest, EveryWayOfferingACommandRunsIt) {
    const std::pair<Command, std::string> rows[] = {
        {Command::New, "New Template:  at -1"},
        {Command::Open, "Open Template"},  // the toolbars' form: in the program folder
        {Command::Save, "saved"},
        {Command::SaveAs, "Save Template"},
        {Command::Exit, "closed"},
        {Command::Add, "editor"},
        {Command::Remove, "AC at 1"},
        {Command::ExecuteAction, "starts B"},
        {Command::Properties, "editor"},
        {Command::Clear, " at -1"},
        {Command::Up, "BAC at 0"},
        {Command::Down, "ACB at 2"},
        {Command::Make, "Make Script"},
        {Command::ExecuteScript, "shell opens temp.bat"},
        {Command::Toolbar, "floats"},  // the floating toolbar's own button docks
        {Command::HelpTopics, "shell opens the help"},
        {Command::About, "about box"},
        {Command::CheckScript, "check dialog"},
        {Command::Find, "find bar"},
    };
    store.values[{"Warning", "Warn"}] = "NO";
    int given = 0;
    for (const auto& [command, effectOf] : rows) {
        const CommandRow& offered = RowOf(command);
        for (const Way way : {Way::Menu, Way::Key, Way::PopUp, Way::Toolbar, Way::Floating}) {
            const bool offers = way == Way::Menu    ? !offered.menuCaption.empty()
                                : way == Way::Key   ? !offered.shortcut.empty()
                                : way == Way::PopUp ? !offered.popUpCaption.empty()
                                                    : !offered.key.empty();
            if (!offers) {
                continue;
            }
            SCOPED_TRACE(std::to_string(IndexOf(command)) + " way " +
                         std::to_string(static_cast<int>(way)));
            restart();
            const std::string file = writeFile("three.lst", OtherTemplate({"A", "B", "C"}));
            window->openDocument(file);
            if (way == Way::Floating) {
                give(Command::Toolbar, Way::Toolbar);
            }
            clickRow(1);
            QFile::remove(PathText(file));
            if (command == Command::Add || command == Command::Properties) {
                inEditor([](ActionEditor& e) { clickIn(e, "cmdCancel"); });
            } else if (command == Command::About) {
                inDialog([](QDialog& about) { clickIn(about, "cmdOk"); });
            }
            give(command, way);
            std::string expected = effectOf;
            if (command == Command::Open && way != Way::Menu && way != Way::Key) {
                expected += " in the program folder";
            } else if (command == Command::Toolbar && way == Way::Floating) {
                expected = "docks";
            }
            EXPECT_EQ(effect(file, way == Way::Floating), expected);
            ++given;
        }
    }
    EXPECT_EQ(given, 58);
}

// The toolbars follow the command state; a menu's items (and their keys) follow the menu's
// rule at the moment it opens or the key is pressed. The list sits where the resize rules put
// it, and above the status bar where a window is too low for them.
TEST_F(MainWindowTest, MenusFollowTheirRulesWhenOpened) {
    start();
    const auto px = [this](double twips) { return TwipsToPixels(twips, window->logicalDpiX()); };
    EXPECT_EQ(window->lstAction()->geometry(), QRect(px(360), px(600), px(6395), px(3255)));
    EXPECT_EQ(window->toolbar()->pos(), QPoint(px(360), px(120)));
    const auto enabled = [this](MenuId id) {
        std::string out;
        QMenu* menu = id == MenuId::PopUp ? window->menu(id) : openMenu(id);
        if (id == MenuId::PopUp) {
            menu->popup(window->mapToGlobal(QPoint(40, 80)));
        }
        for (QAction* item : menu->actions()) {
            out += item->isSeparator() || !item->isVisible() ? "" : item->isEnabled() ? "1" : "0";
        }
        menu->close();
        return out;
    };
    EXPECT_EQ(enabled(MenuId::File), "110001");
    EXPECT_EQ(enabled(MenuId::Tools), "10000001");
    EXPECT_EQ(enabled(MenuId::PopUp), "100001");
    EXPECT_EQ(enabledButtons(), "1010000001");
    for (const Qt::Key key : {Qt::Key_R, Qt::Key_M, Qt::Key_S}) {
        QTest::keyClick(window->lstAction(), key, Qt::ControlModifier);
    }
    EXPECT_TRUE(prompts.dialogs.empty());

    window->openDocument(kOffice);
    EXPECT_EQ(enabled(MenuId::File), "1111111");
    EXPECT_EQ(enabled(MenuId::Tools), "11111111");
    EXPECT_EQ(enabled(MenuId::PopUp), "111111");
    EXPECT_EQ(window->action(Command::Toolbar, Route::Menu)->text(), "Float &Toolbar");
    give(Command::Toolbar, Way::Toolbar);
    openMenu(MenuId::Tools)->close();
    EXPECT_EQ(window->action(Command::Toolbar, Route::Menu)->text(), "Dock &Toolbar");

    // Only a right button over the list or the background pops a menu up.
    QWidget* background = window->centralWidget();
    const QPoint bare(4, background->height() - 4);
    QTest::mouseClick(background, Qt::LeftButton, {}, bare);
    EXPECT_FALSE(window->menu(MenuId::Tools)->isVisible());
    QTest::mouseClick(background, Qt::RightButton, {}, bare);
    EXPECT_TRUE(window->menu(MenuId::Tools)->isVisible());
    window->menu(MenuId::Tools)->close();
    clickRow(2, Qt::MiddleButton);
    EXPECT_FALSE(window->menu(MenuId::PopUp)->isVisible());

    window->resize(window->width(), 100);
    QCoreApplication::processEvents();
    EXPECT_LE(window->lstAction()->geometry().bottom(), window->centralWidget()->height());
}

// The size and state are read at start and stored at close; a value that is no usable number
// gives its default, a maximized window stores the size it returns to, and a size larger than
// the screen is shrunk to it.
TEST_F(MainWindowTest, TheWindowsSizeAndStateAreRestoredAndStored) {
    struct Stored {
        const char *height, *width, *state;
        QSize twips;  // empty: the screen's available area, which a larger size shrinks to
        bool maximized;
        bool maximizeDuringRun = false;
    };
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    for (const Stored& s : {Stored{"6000", "9000", "0", {9000, 6000}, false},
                            Stored{"6000", "9000", "1", {9000, 6000}, false},
                            Stored{"6000", "9000", "2", {9000, 6000}, true},
                            Stored{"5010", "8010", "0", {8010, 5010}, true, true},
                            Stored{"tall", "9000", "0", {9000, 4890}, false},
                            Stored{"99999", "-5", "7", {7215, 4890}, false},
                            Stored{"30000", "32000", "0", {}, false}}) {
        SCOPED_TRACE(std::string(s.height) + " " + s.width + " " + s.state);
        store.values[{"Window", "frmH"}] = s.height;
        store.values[{"Window", "frmW"}] = s.width;
        store.values[{"Window", "frmS"}] = s.state;
        restart();
        EXPECT_TRUE(store.writes.isEmpty());
        if (s.maximizeDuringRun) {
            window->showMaximized();
            QCoreApplication::processEvents();
        }
        EXPECT_EQ(window->isMaximized(), s.maximized);
        EXPECT_FALSE(window->isMinimized());
        QSize twips = s.twips;
        if (twips.isEmpty()) {  // where it is placed is PlaceOnScreen's table
            const QRect frame = window->frameGeometry();
            EXPECT_EQ(frame, available);
            twips = QSize(qRound(PixelsToTwips(frame.width(), window->logicalDpiX())),
                          qRound(PixelsToTwips(frame.height(), window->logicalDpiY())));
        }
        give(Command::Exit, Way::Key);  // stored as it closes
        EXPECT_EQ(store.writes, (QStringList{QStringLiteral("Window/frmH=%1").arg(twips.height()),
                                             QStringLiteral("Window/frmW=%1").arg(twips.width()),
                                             s.maximized ? "Window/frmS=2" : "Window/frmS=0"}));
    }
    // Beyond what the store holds: told, nothing stored.
    restart();
    window->resize(TwipsToPixels(33000, window->logicalDpiX()), window->height());
    QCoreApplication::processEvents();
    window->close();
    EXPECT_TRUE(store.writes.isEmpty());
    prompts.expectOnly(kSettingsNotSaved);
}

TEST_F(MainWindowTest, RecentFilesListTheLastFiveWithTheirNamesOwnCharacters) {
    store.values[{"Recent", "File1"}] = "C:\\SCRIPTS\\START.LST";
    start();
    EXPECT_EQ(window->menuBar()->findChild<QAction*>("mnuRec1")->text(), "&1   START.LST");
    std::vector<std::string> paths;
    for (const char* name : {"t1.lst", "t2.bat", "R&D.lst", "t4.lst", "t5.lst", "t6.lst"}) {
        paths.push_back(writeFile(name, OtherTemplate({"echo"})));
        window->openDocument(paths.back());
    }
    window->openDocument(paths[3]);  // listed already: stays where it is
    QStringList captions;
    for (int n = 1; n <= 5; ++n) {
        const QAction* item =
            window->menuBar()->findChild<QAction*>(QStringLiteral("mnuRec%1").arg(n));
        captions << item->text();
        EXPECT_EQ(PathBytes(store.value("Recent", QStringLiteral("File%1").arg(n))),
                  state.recentFiles.entry(n - 1));
    }
    EXPECT_EQ(captions, (QStringList{"&1   t6.lst", "&2   t5.lst", "&3   t4.lst", "&4   R&&D.lst",
                                     "&5   t2.bat"}));
    EXPECT_FALSE(store.values.contains({"Recent", "File6"}));
}

// Only ".lst", in any case, reads a template; the path is trimmed, listed and stored. A file
// that can't be read shows its reader's message and leaves a blank template.
TEST_F(MainWindowTest, TheCommandLineOpensATemplateOrAScriptByItsEnding) {
    start();
    OpenFromCommandLine(*window, "   ");
    EXPECT_EQ(window->document().documentPath, "Blank Template");
    QFile::copy(PathText(kOffice), dir.filePath("START.LST"));
    for (const std::string& file : {path("START.LST"), kAccounts}) {
        // Read only once the window is shown, under the wait cursor until then.
        window->hide();
        window->show();
        OpenFromCommandLine(*window, "  " + file + "  ");
        EXPECT_NE(window->document().documentPath, file);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(window->document().documentPath, file);
        EXPECT_EQ(PathBytes(store.value("Recent", "File1")), file);
        EXPECT_EQ(window->actions()[0].kind, file == kAccounts ? "Other" : "Map Drive");
    }
    // A file that isn't there (the reader's other messages are kestrune-cli's to tell).
    const std::string missing = "\"/nowhere/My Scripts/a.bat\"";
    OpenFromCommandLine(*window, missing);
    QCoreApplication::sendPostedEvents();
    prompts.expectOnly(
        "The file \"/nowhere/My Scripts/a.bat\" could not found.\rPlease make sure the path is "
        "correct.");
    // The list emptied and the title after a failed read are the file faults' checks.
    EXPECT_EQ(window->document().documentPath, "Blank Template");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(state.recentFiles.entry(0), missing);  // listed all the same
}

// The warning is the window's; temp.bat goes beside the program, and only the main
// toolbar's Execute is off while the shell has it. The help opens there too. Installed where
// the user may not write, the program writes temp.bat into the user's own data folder and its
// dialogs start in the user's documents.
TEST_F(MainWindowTest, TryingAndTheHelpUseTheProgramFolderOrTheUsersOwn) {
    start();
    window->openDocument(writeFile("start.lst", kStartTemplate));
    bool mainOff = false, floatingOn = false;
    shell.onOpen = [&](const QString&) {
        mainOff = !window->action(Command::ExecuteScript, Route::Toolbar)->isEnabled();
        floatingOn = window->action(Command::ExecuteScript, Route::FloatingToolbar)->isEnabled();
    };
    inDialog([this](QDialog& frmWarn) {
        EXPECT_EQ(frmWarn.parentWidget(), window.get());
        clickIn(frmWarn, "chkAgain");  // and not again
        clickIn(frmWarn, "cmdOk");
    });
    give(Command::ExecuteScript, Way::Toolbar);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].path, programDir.filePath("temp.bat"));
    EXPECT_TRUE(mainOff && floatingOn);
    shell.onOpen = {};
    reactivate();

    // The help opens with the program's folder as the working folder; a failure is told.
    give(Command::HelpTopics, Way::Key);
    EXPECT_TRUE(prompts.messages.empty());
    shell.result = shell_result::kNoAssociation;
    give(Command::HelpTopics, Way::Key);
    ASSERT_EQ(shell.calls.size(), 3u);
    EXPECT_EQ(shell.calls[2].workingFolder, programDir.path());
    prompts.expectOnly("An error occurred while attempting to start the help file, \r" +
                       HelpFilePath(programDir.path()) + ".");
    shell.calls.clear();
    shell.result = shell_result::kOpened;
    prompts = {};

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
    prompts.expectOnly("An error occurred while writing the line  to the file " + data +
                       "/temp.bat.");
    EXPECT_EQ(shell.calls.size(), 1u);
    EXPECT_FALSE(QFile::exists(data + "/temp.bat"));
    QFile(data).setPermissions(QFile(data).permissions() & ~QFileDevice::WriteGroup);

    give(Command::Open, Way::Toolbar);
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_EQ(prompts.dialogs[0].folder, documents);
}

TEST_F(MainWindowTest, FloatingMovesTheListAndFollowsTheSelection) {
    start();
    window->openDocument(writeFile("start.lst", kStartTemplate));
    const MainLayout docked = window->layoutTwips();
    const auto shownFor = [this](int row) {
        const Action& action = window->actions()[static_cast<std::size_t>(row)];
        return QString::fromStdString(action.kind + " -- " + action.details);
    };
    // Floating names the action selected at once, and follows the selection; the close box
    // docks it as Dock Toolbar does.
    clickRow(1);
    give(Command::Toolbar, Way::Toolbar);
    FloatingToolbar* tool = window->floatingToolbar();
    EXPECT_EQ(tool->parentWidget(), window.get());
    EXPECT_FALSE(window->toolbar()->isVisible());
    EXPECT_EQ(window->lstAction()->y(), TwipsToPixels(240, window->logicalDpiY()));
    EXPECT_EQ(tool->windowTitle(), shownFor(1));
    clickRow(0);
    EXPECT_EQ(tool->windowTitle(), shownFor(0));
    tool->close();  // what the window manager does for the close box
    EXPECT_EQ(window->floatingToolbar(), nullptr);
    EXPECT_TRUE(window->toolbar()->isVisible());
    EXPECT_TRUE(window->layoutTwips() == docked);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    reactivate();
    // Docked, the next touch makes it again, hidden, and it keeps its title while hidden;
    // emptied, the list gives its own back.
    clickRow(0);
    tool = window->floatingToolbar();
    ASSERT_TRUE(tool != nullptr && !tool->isVisible());
    clickRow(1);
    EXPECT_EQ(tool->windowTitle(), shownFor(0));
    give(Command::Clear, Way::PopUp);
    EXPECT_EQ(tool->windowTitle(), "Toolbar");
}

}  // namespace
}  // namespace kestrune::test
