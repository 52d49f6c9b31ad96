// The main window driven through its real widgets: menus opened with their access keys,
// shortcuts pressed, toolbar buttons clicked and hovered, the window resized and closed.

#include <gtest/gtest.h>

#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>
#include <cstdio>
#include <fstream>
#include <memory>

#include "check/fake_share_backend.h"
#include "platform/text_codec.h"
#include "ui/check/check_dialog.h"
#include "ui/main/program_entry.h"
#include "window_fixture.h"

namespace kestrune {
namespace {

using MainWindowTest = testing::WindowTest;

const std::string kExamples = KESTRUNE_EXAMPLES_DIR;
const std::string kOffice = kExamples + "/office.lst";
const std::string kAccounts = kExamples + "/accounts.bat";

// --- menus ---------------------------------------------------------------------------------

struct Item {
    const char* name;
    const char* caption;  // empty for a separator
    const char* shortcut;
    bool visible;
};

void expectMenu(QMenu* menu, const std::vector<Item>& expected) {
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected.size()))
        << menu->objectName().toStdString();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QAction* action = actions[static_cast<qsizetype>(i)];
        const Item& item = expected[i];
        SCOPED_TRACE(item.name);
        EXPECT_EQ(action->objectName(), item.name);
        EXPECT_EQ(action->isSeparator(), *item.caption == '\0');
        if (!action->isSeparator()) {
            EXPECT_EQ(action->text(), item.caption);
        }
        EXPECT_EQ(action->shortcut(), QKeySequence(item.shortcut));
        EXPECT_EQ(action->isVisible(), item.visible);
    }
}

TEST_F(MainWindowTest, MenuTreeHasItsCaptionsShortcutsAndHiddenItems) {
    start();
    const QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 6);
    EXPECT_EQ(bar[0]->text(), "&File");
    EXPECT_EQ(bar[1]->text(), "&Edit");
    EXPECT_EQ(bar[2]->text(), "&View");
    EXPECT_EQ(bar[3]->text(), "&Tools");
    EXPECT_EQ(bar[4]->text(), "&Help");
    EXPECT_EQ(bar[5]->text(), "popUpTool");
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(bar[i]->isVisible());
    }
    EXPECT_FALSE(bar[5]->isVisible());

    expectMenu(bar[0]->menu(), {{"mnuNew", "&New", "Ctrl+N", true},
                                {"mnuOpen", "&Open", "Ctrl+O", true},
                                {"mnuSpacer3", "", "", true},
                                {"mnuSave", "&Save", "Ctrl+S", true},
                                {"mnuSaveAs", "Save &As", "", true},
                                {"mnuSpace2", "", "", true},
                                {"mnuRec1", "1", "", false},
                                {"mnuRec2", "2", "", false},
                                {"mnuRec3", "3", "", false},
                                {"mnuRec4", "4", "", false},
                                {"mnuRec5", "5", "", false},
                                {"mnuRecSpace", "", "", false},
                                {"mnuExit", "E&xit", "Ctrl+X", true}});
    expectMenu(bar[1]->menu(), {{"mnuUndo", "&Undo", "Ctrl+Z", true},
                                {"mnuRedo", "&Redo", "Ctrl+Shift+Z", true},
                                {"mnuEditSpace", "", "", true},
                                {"mnuCopy", "&Copy", "Ctrl+C", true},
                                {"mnuPaste", "&Paste", "Ctrl+V", true}});
    expectMenu(bar[2]->menu(), {{"mnuScript", "&Script", "", true}});
    expectMenu(bar[3]->menu(), {{"mnuAdd", "&Add Action", "Ctrl+A", true},
                                {"mnuRemove", "&Remove Action", "Ctrl+R", true},
                                {"mnuExAction", "&Execute Action", "", true},
                                {"mnuProps", "Action &Properties", "Ctrl+P", true},
                                {"mnuSpace", "", "", true},
                                {"mnuMake", "&Make Script", "Ctrl+M", true},
                                {"mnuExecute", "E&xecute Script", "F5", true},
                                {"mnuCheck", "&Check Script", "", true},
                                {"mnuSpace1", "", "", true},
                                {"mnuToolbar", "Float &Toolbar", "", true}});
    expectMenu(bar[4]->menu(), {{"mnuHelpTop", "Help &Topics", "F1", true},
                                {"mnuSpace4", "", "", true},
                                {"mnuAbout", "&About", "", true}});
    expectMenu(bar[5]->menu(), {{"mnuAdd2", "Add Action", "", true},
                                {"mnuRemove2", "Remove Action", "", true},
                                {"mnuClear", "Clear All", "", true},
                                {"mnuSpacers", "", "", true},
                                {"mnuExAct2", "Execute Action", "", true},
                                {"mnuProps2", "Action Properties", "", true},
                                {"mnuSpacer2", "", "", true},
                                {"mnuExitPop", "Exit", "", true}});
}

std::map<QString, bool> enabling(QMenu* menu) {
    std::map<QString, bool> out;
    for (QAction* item : menu->actions()) {
        if (!item->isSeparator()) {
            out[item->objectName()] = item->isEnabled();
        }
    }
    return out;
}

TEST_F(MainWindowTest, ToolsMenuEnablesTheActionItemsOnlyWithActionsInTheList) {
    start();
    QMenu* tools = openMenu(Qt::Key_T, "mnuTools");
    EXPECT_EQ(enabling(tools), (std::map<QString, bool>{{"mnuAdd", true},
                                                        {"mnuRemove", false},
                                                        {"mnuExAction", false},
                                                        {"mnuProps", false},
                                                        {"mnuMake", false},
                                                        {"mnuExecute", false},
                                                        {"mnuCheck", false},
                                                        {"mnuToolbar", true}}));
    EXPECT_EQ(menuItem("mnuToolbar")->text(), "Float &Toolbar");
    closeMenu(tools);

    window->openDocument(kOffice);
    tools = openMenu(Qt::Key_T, "mnuTools");
    for (const auto& [name, enabled] : enabling(tools)) {
        EXPECT_TRUE(enabled) << name.toStdString();
    }
    closeMenu(tools);
}

// Check Script reports on the list without holding the window; a double-click on a row of
// the report selects that action.
TEST_F(MainWindowTest, CheckScriptReportsAndADoubleClickSelectsTheAction) {
    start();
    window->openDocument(kOffice);
    window->setCheckBackends(
        [](const check::Connection&) { return std::make_unique<test::FakeShareBackend>(); });
    toolsMenu("mnuCheck");
    auto* dialog = window->findChild<CheckDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->isModal());
    QSignalSpy finished(dialog, &CheckDialog::checkFinished);
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdCheck"), Qt::LeftButton);
    ASSERT_TRUE(finished.wait(30000));
    auto* report = dialog->findChild<QTreeWidget*>("lstReport");
    ASSERT_EQ(static_cast<std::size_t>(report->topLevelItemCount()), window->actions().size());
    const QPoint at = report->visualItemRect(report->topLevelItem(2)).center();
    QTest::mouseClick(report->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(report->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(window->lstAction()->currentIndex().row(), 2);
}

TEST_F(MainWindowTest, RightClickMenuEnablesItsActionItemsOnlyWithActions) {
    start();
    QMenu* popUp = menuNamed("popUpTool");
    popUp->popup(window->mapToGlobal(QPoint(40, 80)));
    EXPECT_EQ(enabling(popUp), (std::map<QString, bool>{{"mnuAdd2", true},
                                                        {"mnuRemove2", false},
                                                        {"mnuClear", false},
                                                        {"mnuExAct2", false},
                                                        {"mnuProps2", false},
                                                        {"mnuExitPop", true}}));
    popUp->close();
    window->openDocument(kAccounts);
    popUp->popup(window->mapToGlobal(QPoint(40, 80)));
    for (const auto& [name, enabled] : enabling(popUp)) {
        EXPECT_TRUE(enabled) << name.toStdString();
    }
    popUp->close();
}

TEST_F(MainWindowTest, ShortcutsFollowTheirMenusRuleAtTheMomentTheyArePressed) {
    start();
    QSignalSpy remove(menuItem("mnuRemove"), &QAction::triggered);
    QSignalSpy make(menuItem("mnuMake"), &QAction::triggered);
    QSignalSpy save(menuItem("mnuSave"), &QAction::triggered);
    QSignalSpy add(menuItem("mnuAdd"), &QAction::triggered);

    // Empty and unnamed: the rules would disable these items, so their keys do nothing.
    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    inEditor([](ActionEditor& e) { clickInEditor(e, "cmdCancel"); });
    QTest::keyClick(window.get(), Qt::Key_A, Qt::ControlModifier);
    reactivate();
    EXPECT_EQ(remove.count(), 0);
    EXPECT_EQ(make.count(), 0);
    EXPECT_EQ(save.count(), 0);
    EXPECT_EQ(add.count(), 1);

    // The items were last left disabled; the keys still reach them once the rules allow.
    // A copy of the example, since Save writes it.
    QFile::copy(QString::fromStdString(kOffice), dir.filePath("office.lst"));
    window->openDocument(path("office.lst"));
    QTest::keyClick(window->lstAction(), Qt::Key_R, Qt::ControlModifier);
    QTest::keyClick(window->lstAction(), Qt::Key_M, Qt::ControlModifier);
    QTest::keyClick(window->lstAction(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(remove.count(), 1);
    EXPECT_EQ(make.count(), 1);
    EXPECT_EQ(save.count(), 1);

    // The list keeps no key of the menus for itself.
    inEditor([](ActionEditor& e) { clickInEditor(e, "cmdCancel"); });
    QTest::keyClick(window->lstAction(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(add.count(), 2);
    EXPECT_TRUE(editorShown);
}

TEST_F(MainWindowTest, RightClickOnTheBackgroundPopsUpTheToolsMenu) {
    start();
    QWidget* background = window->centralWidget();
    const QPoint bare(4, background->height() - 4);
    ASSERT_EQ(background->childAt(bare), nullptr);
    QMenu* tools = menuNamed("mnuTools");

    QTest::mouseClick(background, Qt::LeftButton, {}, bare);
    QTest::mouseClick(background, Qt::MiddleButton, {}, bare);
    EXPECT_FALSE(tools->isVisible());

    QTest::mouseClick(background, Qt::RightButton, {}, bare);
    EXPECT_TRUE(tools->isVisible());
    EXPECT_FALSE(menuItem("mnuRemove")->isEnabled());  // its rule ran as it opened
    tools->close();
}

TEST_F(MainWindowTest, ExitKeyClosesTheWindowAndStoresItsSize) {
    store.values.insert({"Window", "frmW"}, "9000");
    store.values.insert({"Window", "frmH"}, "6000");
    start();
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(store.writes, (QStringList{"Window/frmH=6000", "Window/frmW=9000", "Window/frmS=0"}));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(MainWindowTest, ClosingAChangedDocumentAsksFirst) {
    start();
    window->openDocument(kOffice);
    clickRow(2);
    QTest::mouseClick(buttonWidget("Up"), Qt::LeftButton);  // marks the document changed
    ASSERT_TRUE(window->document().modified);
    store.writes.clear();

    prompts.answers = {Answer::Cancel};
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
    ASSERT_EQ(prompts.messages.size(), 1u);
    const MessageRequest& asked = prompts.messages[0].request;
    EXPECT_EQ(asked.text, QString::fromStdString("Save changes to " + kOffice + " ?"));
    EXPECT_EQ(asked.title, "Kestrune");
    EXPECT_EQ(asked.buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(asked.icon, MessageIcon::Question);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(store.writes.isEmpty());

    prompts.answers = {Answer::No};
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(store.writes.size(), 3);
}

// --- toolbar ------------------------------------------------------------------------------

TEST_F(MainWindowTest, ToolbarHasItsKeysPositionsPicturesAndTooltips) {
    start();
    struct Button {
        const char* key;  // empty for a gap
        const char* tooltip;
    };
    const std::vector<Button> expected = {{"", ""},
                                          {"Open", "Open (Ctrl+O)"},
                                          {"Save", "Save (Ctrl+S)"},
                                          {"", ""},
                                          {"Add", "Add Action (Ctl+A)"},
                                          {"Remove", "Remove Action (Ctl+R)"},
                                          {"Properties", "Action Properties (Ctl+P)"},
                                          {"Up", "Move Action Up"},
                                          {"Down", "Move Action Down"},
                                          {"", ""},
                                          {"Execute", "Execute (F5)"},
                                          {"Make", "Make Script (Ctl+M)"},
                                          {"", ""},
                                          {"ToolbarBut", "Float Toolbar"}};
    const QList<QAction*> buttons = window->toolbar()->actions();
    ASSERT_EQ(buttons.size(), 14);
    int lastX = -1;
    for (int i = 0; i < 14; ++i) {
        QAction* button = buttons[i];
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(button->property("position").toInt(), i + 1);
        EXPECT_EQ(button->isSeparator(), *expected[i].key == '\0');
        EXPECT_EQ(button->property("key").toString(), expected[i].key);
        if (!button->isSeparator()) {
            EXPECT_EQ(button->toolTip(), expected[i].tooltip);
            EXPECT_FALSE(button->icon().pixmap(16, 16).isNull());
            EXPECT_FALSE(button->icon().pixmap(24, 24).isNull());
        }
        const QWidget* widget = window->toolbar()->widgetForAction(button);
        if (widget != nullptr && widget->isVisible()) {
            EXPECT_GT(widget->x(), lastX);
            lastX = widget->x();
        }
    }
    EXPECT_EQ(buttons[2], toolbarButton("Save"));
    EXPECT_EQ(buttons[11], toolbarButton("Make"));
}

TEST_F(MainWindowTest, CommandStateFollowsTheListAndTheSelection) {
    start();
    const auto enabled = [this] {
        std::string out;
        for (const char* key : {"Open", "Save", "Add", "Remove", "Properties", "Up", "Down",
                                "Execute", "Make", "ToolbarBut"}) {
            out += toolbarButton(key)->isEnabled() ? '1' : '0';
        }
        return out;
    };
    EXPECT_EQ(enabled(), "1010000001");
    EXPECT_EQ(window->statusText(), "Blank Template");

    window->openDocument(kOffice);
    const int last = window->model().rowCount() - 1;
    ASSERT_GT(last, 2);
    EXPECT_EQ(window->selectedRow(), 0);
    EXPECT_EQ(enabled(), "1111101111");
    clickRow(last);
    EXPECT_EQ(window->selectedRow(), last);
    EXPECT_EQ(enabled(), "1111110111");
    clickRow(1);
    EXPECT_EQ(enabled(), "1111111111");

    // Clicking below the last entry keeps an action selected.
    QTreeView* list = window->lstAction();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualRect(window->model().index(1, 0)).center());
    EXPECT_TRUE(window->selectedRow().has_value());

    window->openDocument(writeFile("empty.lst", "// Logon Script Template File\r\n"));
    EXPECT_EQ(enabled(), "1110000001");
}

TEST_F(MainWindowTest, StatusHelpNamesTheButtonUnderTheMouse) {
    start();
    hover(buttonWidget("Open"));
    EXPECT_EQ(window->statusText(), "Open a new template or script");
    hover(buttonWidget("Remove"));  // disabled over an empty list
    EXPECT_EQ(window->statusText(), "Blank Template");
    hover(buttonWidget("Execute"));
    EXPECT_EQ(window->statusText(), "Blank Template");
    hover(buttonWidget("ToolbarBut"));
    EXPECT_EQ(window->statusText(), "Float the toolbar");

    window->openDocument(kOffice);
    hover(buttonWidget("Remove"));
    EXPECT_EQ(window->statusText(), "Remove <Map \\\\FILES\\APPS as G:\\ >");
    hover(buttonWidget("Properties"));
    EXPECT_EQ(window->statusText(), "Properties of <Map \\\\FILES\\APPS as G:\\ >");
    hover(buttonWidget("Save"));
    EXPECT_EQ(window->statusText(), "Save changes to office.lst");
    hover(buttonWidget("Make"));
    EXPECT_EQ(window->statusText(), "Make office.lst into a logon script");
    hover(buttonWidget("Execute"));
    EXPECT_EQ(window->statusText(), "Execute office.lst");
    hover(buttonWidget("Up"));  // disabled: the first action is selected
    EXPECT_EQ(window->statusText(), QString::fromStdString(kOffice));
    hover(buttonWidget("Down"));
    EXPECT_EQ(window->statusText(), "Move the action down one place in the action list");
    hover(buttonWidget("Add"));
    EXPECT_EQ(window->statusText(), "Add a new action to the list");

    // A gap, then the window's background, show the document path.
    QAction* gap = window->toolbar()->actions()[9];
    hover(window->toolbar()->widgetForAction(gap));
    EXPECT_EQ(window->statusText(), QString::fromStdString(kOffice));
    hover(buttonWidget("Open"));
    hover(window->centralWidget(), QPoint(4, window->centralWidget()->height() - 4));
    EXPECT_EQ(window->statusText(), QString::fromStdString(kOffice));
}

// --- layout and settings -------------------------------------------------------------------

TEST_F(MainWindowTest, DefaultWindowLaysOutItsChildrenByTheResizeRules) {
    start();
    // No frame is known offscreen before it is shown; the outer size is the frame's.
    const QSize frame = window->frameGeometry().size() - window->size();
    window->resize(QSize(px(7215), TwipsToPixels(4890, window->logicalDpiY())) - frame);
    QCoreApplication::processEvents();
    const MainLayout& layout = window->layoutTwips();
    EXPECT_NEAR(layout.listWidth, 6395, 15);
    EXPECT_NEAR(layout.detailsColumnWidth, 4270, 15);
    EXPECT_NEAR(layout.listHeight, 3255, 15);

    const QRect list = window->lstAction()->geometry();
    EXPECT_EQ(list.topLeft(), QPoint(px(360), px(600)));
    EXPECT_EQ(list.width(), px(6395));
    EXPECT_EQ(list.height(), px(3255));
    // Both columns fit the list; the Details column gives up what the kinds needed more.
    const QHeaderView* header = window->lstAction()->header();
    EXPECT_EQ(header->sectionSize(ActionListModel::DetailsColumn),
              px(4270) - (header->sectionSize(ActionListModel::ActionColumn) - px(1800)));
    EXPECT_EQ(window->toolbar()->pos(), QPoint(px(360), px(120)));
}

TEST_F(MainWindowTest, AWindowTooLowForTheRulesKeepsItsListAboveTheStatusBar) {
    start();
    window->resize(window->width(), 130);
    QCoreApplication::processEvents();
    const QRect list = window->lstAction()->geometry();
    EXPECT_LE(list.bottom(), window->centralWidget()->height());
    EXPECT_GE(list.height(), 0);
}

TEST_F(MainWindowTest, FirstRunOpensTheDefaultSizeWithoutRecentFiles) {
    start();
    EXPECT_EQ(window->frameGeometry().width(), px(7215));
    EXPECT_EQ(window->frameGeometry().height(), TwipsToPixels(4890, window->logicalDpiY()));
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->windowTitle(), "Kestrune");
    EXPECT_FALSE(menuItem("mnuRecSpace")->isVisible());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(MainWindowTest, StoredSizeAndStateAreRestored) {
    struct Case {
        const char* state;
        bool maximized;
    };
    for (const Case c : {Case{"0", false}, Case{"1", false}, Case{"2", true}}) {
        store.values.insert({"Window", "frmW"}, "9000");
        store.values.insert({"Window", "frmH"}, "6000");
        store.values.insert({"Window", "frmS"}, c.state);
        start();
        EXPECT_EQ(window->isMaximized(), c.maximized) << c.state;
        EXPECT_FALSE(window->isMinimized());
        if (!c.maximized) {
            EXPECT_EQ(window->frameGeometry().size(),
                      QSize(px(9000), TwipsToPixels(6000, window->logicalDpiY())));
        }
        window.reset();
    }
}

TEST_F(MainWindowTest, AMaximizedWindowStoresTheSizeItIsRestoredTo) {
    store.values.insert({"Window", "frmW"}, "9000");
    store.values.insert({"Window", "frmH"}, "6000");
    store.values.insert({"Window", "frmS"}, "2");
    start();
    ASSERT_TRUE(window->isMaximized());
    window->close();
    EXPECT_EQ(store.writes, (QStringList{"Window/frmH=6000", "Window/frmW=9000", "Window/frmS=2"}));

    // Maximized during the run, from a normal window.
    store.values.clear();
    store.writes.clear();
    store.values.insert({"Window", "frmW"}, "8010");
    store.values.insert({"Window", "frmH"}, "5010");
    start();
    window->showMaximized();
    QCoreApplication::processEvents();
    ASSERT_TRUE(window->isMaximized());
    window->close();
    EXPECT_EQ(store.writes, (QStringList{"Window/frmH=5010", "Window/frmW=8010", "Window/frmS=2"}));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(MainWindowTest, ANormalWindowTooWideForTheStoreReportsAndStoresNothing) {
    start();
    window->resize(px(33000), window->height());
    QCoreApplication::processEvents();
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(store.writes.isEmpty());
    ASSERT_EQ(prompts.messages.size(), 1u);
    const MessageRequest& shown = prompts.messages[0].request;
    EXPECT_EQ(shown.text,
              "An unexpected error occurred while saving settings in the system registry.");
    EXPECT_EQ(shown.title, "Kestrune");
    EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
}

// --- recent files -------------------------------------------------------------------------

TEST_F(MainWindowTest, RecentFilesListTheLastFiveOpenedMostRecentFirst) {
    start();
    std::vector<std::string> paths;
    for (int i = 1; i <= 6; ++i) {
        paths.push_back(writeFile(QStringLiteral("t%1.lst").arg(i),
                                  "// Logon Script Template File\r\n\r\n[other]\r\necho\r\n"));
        window->openDocument(paths.back());
    }
    ASSERT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(menuItem("mnuRecSpace")->isVisible());
    for (int n = 1; n <= 5; ++n) {
        const QAction* item = menuItem("mnuRec" + std::to_string(n));
        EXPECT_TRUE(item->isVisible());
        EXPECT_EQ(item->text(), QStringLiteral("&%1   t%2.lst").arg(n).arg(7 - n));
        EXPECT_EQ(store.value("Recent", QStringLiteral("File%1").arg(n)),
                  QString::fromStdString(paths[static_cast<std::size_t>(6 - n)]));
    }
    EXPECT_FALSE(store.has("Recent", "File6"));

    // Opening the third again changes nothing, in the menu or in the store.
    const QStringList writes = store.writes;
    window->openDocument(paths[3]);
    EXPECT_EQ(menuItem("mnuRec3")->text(), "&3   t4.lst");
    EXPECT_EQ(store.writes, writes);
}

TEST_F(MainWindowTest, RecentFilesAreLoadedIntoTheFileMenu) {
    store.values.insert({"Recent", "File1"}, "C:\\SCRIPTS\\START.LST");
    store.values.insert({"Recent", "File2"}, "/srv/logon/staff.bat");
    store.values.insert({"Recent", "File3"}, "/srv/logon/R&D.lst");
    start();
    QMenu* file = openMenu(Qt::Key_F, "mnuFile");
    EXPECT_TRUE(menuItem("mnuRecSpace")->isVisible());
    EXPECT_EQ(menuItem("mnuRec1")->text(), "&1   START.LST");
    EXPECT_EQ(menuItem("mnuRec2")->text(), "&2   staff.bat");
    EXPECT_TRUE(menuItem("mnuRec2")->isVisible());
    // The name's "&" is shown as itself; the number stays the access key.
    EXPECT_EQ(menuItem("mnuRec3")->text(), "&3   R&&D.lst");
    EXPECT_EQ(QKeySequence::mnemonic(menuItem("mnuRec3")->text()),
              QKeySequence(Qt::ALT | Qt::Key_3));
    EXPECT_FALSE(menuItem("mnuRec4")->isVisible());
    closeMenu(file);
    EXPECT_EQ(state.recentFiles.entry(1), "/srv/logon/staff.bat");
}

TEST_F(MainWindowTest, RecentFileStoreFailuresAreReported) {
    const QString text =
        "An unexpected error occurred while saving or retrieving settings in the system "
        "registry.";
    store.values.insert({"Recent", "File1"}, "C:\\A.LST");
    store.failReadsOf = "File2";
    start();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].request.text, text);
    EXPECT_EQ(prompts.messages[0].request.icon, MessageIcon::Critical);
    EXPECT_EQ(prompts.messages[0].request.buttons, MessageButtons::Ok);
    EXPECT_EQ(prompts.messages[0].request.title, "Kestrune");
    EXPECT_TRUE(menuItem("mnuRec1")->isVisible());

    store.refuseWritesAfter = 0;
    window->openDocument(kAccounts);
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1].request.text, text);
    EXPECT_EQ(window->windowTitle(), "Kestrune - accounts.bat");  // the file opens all the same
}

// --- opening from the command line ------------------------------------------------------------

TEST_F(MainWindowTest, CommandLineTemplateOpensWithItsActionsAndIcons) {
    start();
    OpenFromCommandLine(*window, "  " + kOffice + "  ");
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(window->windowTitle(), "Kestrune - office.lst");
    EXPECT_EQ(window->document().documentPath, kOffice);
    EXPECT_EQ(window->statusText(), QString::fromStdString(kOffice));
    EXPECT_FALSE(window->document().modified);
    const auto& model = window->model();
    ASSERT_GT(model.rowCount(), 5);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), "Map Drive");
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), "Map \\\\FILES\\APPS as G:\\ ");
    for (int row = 0; row < model.rowCount(); ++row) {
        EXPECT_FALSE(model.data(model.index(row, 0), Qt::DecorationRole).value<QIcon>().isNull());
    }
    EXPECT_EQ(store.value("Recent", "File1"), QString::fromStdString(kOffice));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindowTest, CommandLineOpensByTheEndingOfThePath) {
    start();
    QFile::copy(QString::fromStdString(kOffice), dir.filePath("START.LST"));
    OpenFromCommandLine(*window, path("START.LST"));
    EXPECT_EQ(window->windowTitle(), "Kestrune - START.LST");
    EXPECT_GT(window->model().rowCount(), 5);

    OpenFromCommandLine(*window, kAccounts);
    EXPECT_EQ(window->windowTitle(), "Kestrune - accounts.bat");
    EXPECT_GT(window->model().rowCount(), 0);
    EXPECT_TRUE(prompts.messages.empty());

    // A name that isn't UTF-8 opens, and is listed and stored as its own bytes.
    const std::string bad = QFile::encodeName(dir.path()).toStdString() + "/bad\xff.lst";
    std::ofstream(bad, std::ios::binary) << readFile(kOffice).toStdString();
    OpenFromCommandLine(*window, bad);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(window->document().documentPath, bad);
    EXPECT_GT(window->model().rowCount(), 5);
    EXPECT_EQ(state.recentFiles.entry(0), bad);
    EXPECT_EQ(PathBytes(store.value("Recent", "File1")), bad);
    std::remove(bad.c_str());  // Qt can't name it to clean the folder up
}

TEST_F(MainWindowTest, WithoutACommandLineTheListIsEmpty) {
    start();
    OpenFromCommandLine(*window, "   ");
    EXPECT_EQ(window->windowTitle(), "Kestrune");
    EXPECT_EQ(window->model().rowCount(), 0);
    EXPECT_EQ(window->document().documentPath, "Blank Template");
    EXPECT_EQ(window->statusText(), "Blank Template");
    EXPECT_TRUE(prompts.messages.empty());
}

struct Missing {
    const char* commandLine;
    const char* message;
};

TEST_F(MainWindowTest, AMissingFileShowsItsReadersMessage) {
    for (const Missing m :
         {Missing{"/nowhere/start.lst",
                  "/nowhere/start.lst could not found. Please make sure the path is correct."},
          Missing{"/nowhere/start.bat",
                  "The file /nowhere/start.bat could not found.\rPlease make sure the path is "
                  "correct."},
          Missing{"\"/nowhere/My Scripts/a.lst\"",
                  "The file \"/nowhere/My Scripts/a.lst\" could not found.\rPlease make sure "
                  "the path is correct."}}) {
        prompts.messages.clear();
        start();
        window->openDocument(kOffice);
        OpenFromCommandLine(*window, m.commandLine);
        ASSERT_EQ(prompts.messages.size(), 1u) << m.commandLine;
        const auto& shown = prompts.messages[0];
        EXPECT_EQ(shown.request.text, m.message);
        EXPECT_EQ(shown.request.title, "Kestrune");
        EXPECT_EQ(shown.request.buttons, MessageButtons::Ok);
        EXPECT_EQ(shown.request.icon, MessageIcon::Critical);
        EXPECT_FALSE(shown.waitCursor);
        EXPECT_EQ(window->windowTitle(), "Kestrune");
        EXPECT_EQ(window->document().documentPath, "Blank Template");
        EXPECT_EQ(window->model().rowCount(), 0);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        // The path is listed all the same.
        EXPECT_EQ(state.recentFiles.entry(0), m.commandLine);
        window.reset();
    }
}

TEST_F(MainWindowTest, AFileWithoutTheMarkerIsNoTemplate) {
    start();
    window->openDocument(kOffice);
    window->openDocument(writeFile("notes.lst", "shopping list\r\n[map]\r\nremote=\\\\A\\B\r\n"));
    EXPECT_EQ(messageTexts(), std::vector<QString>{"Invalid file format."});
    EXPECT_EQ(prompts.messages[0].request.icon, MessageIcon::Critical);
    EXPECT_EQ(window->windowTitle(), "Kestrune - office.lst");  // the title is left alone
    EXPECT_EQ(window->document().documentPath, "Blank Template");
    EXPECT_EQ(window->model().rowCount(), 0);
}

}  // namespace
}  // namespace kestrune
