// The window's parts that are plain functions or small objects: command state, status help,
// resize rules, stored sizes, recent files, the file dialog's memory, the list model and the
// floating toolbar window.

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include "core/action.h"
#include "core/action_builders.h"
#include "memory_settings_store.h"
#include "scripted_prompts.h"
#include "ui/main/action_list_model.h"
#include "ui/main/command_state.h"
#include "ui/main/file_dialog.h"
#include "ui/main/floating_toolbar.h"
#include "ui/main/recent_files.h"
#include "ui/main/status_help.h"
#include "ui/main/window_layout.h"
#include "ui/main/window_settings.h"

namespace kestrune::test {
namespace {

TEST(CommandState, EnablesTheButtonsOfTheSituation) {
    const struct {
        CommandStateInput input;
        ToolbarEnabling expected;  // save, remove, properties, up, down, execute, make
    } rows[] = {
        {{0, std::nullopt, false, false}, {0, 0, 0, 0, 0, 0, 0}},
        {{0, std::nullopt, true, false}, {1, 0, 0, 0, 0, 0, 0}},  // named
        {{1, 0, false, false}, {1, 1, 1, 0, 0, 1, 1}},
        {{4, 0, false, false}, {1, 1, 1, 0, 1, 1, 1}},
        {{4, 3, false, false}, {1, 1, 1, 1, 0, 1, 1}},
        {{4, 2, true, false}, {1, 1, 1, 1, 1, 1, 1}},
        {{4, std::nullopt, false, false}, {1, 0, 0, 0, 0, 1, 1}},
        {{2, 5, false, false}, {1, 0, 0, 0, 0, 1, 1}},  // a selection past the end
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ComputeCommandState(row.input).buttons, row.expected) << row.input.count;
    }
    // The selected action reaches the texts only while the toolbar floats.
    EXPECT_EQ(ComputeCommandState({3, 1, false, true}).status, TextChange::SelectedAction);
    EXPECT_EQ(ComputeCommandState({3, 1, false, false}).floatingCaption, TextChange::Keep);
    EXPECT_EQ(ComputeCommandState({0, std::nullopt, false, true}).floatingCaption,
              TextChange::FloatingCaption);
}

TEST(StatusHelp, NamesWhatTheButtonActsOn) {
    ActionList list;
    list.append(kind::kMapDrive, icon::kDrive, "Map \\\\SRV\\APPS as G:\\");
    const ActionList none;
    EXPECT_EQ(StatusHelp(Command::Save, "C:\\S\\START.LST", none, {}), "Save changes to START.LST");
    EXPECT_EQ(StatusHelp(Command::Remove, "x", list, 0), "Remove <Map \\\\SRV\\APPS as G:\\>");
    EXPECT_EQ(StatusHelp(Command::Remove, "x", list, {}), "Remove action");
    EXPECT_EQ(StatusHelp(std::nullopt, "  Blank Template ", list, 0), "  Blank Template ");

    const std::vector<ButtonSpan> buttons = {
        {Command::Open, 8, 23, true}, {Command::Save, 31, 23, false}, {Command::Add, 54, 23, true}};
    EXPECT_EQ(CommandAtX(buttons, 20), Command::Open);
    EXPECT_EQ(CommandAtX(buttons, 31), std::nullopt);  // the shared edge is inside neither
    EXPECT_EQ(CommandAtX(buttons, 40), std::nullopt);  // disabled
    EXPECT_EQ(CommandAtX(buttons, 60), Command::Add);
}

// The rules from the default window's layout, at and around their thresholds.
TEST(WindowLayout, KeepsWhatARuleDoesNotReach) {
    const struct {
        double width, height;
        double listWidth, detailsWidth, statusWidth, listHeight, statusTop;
    } rows[] = {
        {7215, 4890, 6395, 4270, 6875, 3255, 3945},  // the worked example
        {2945, 4890, 2125, 4270, 2605, 3255, 3945}, {2946, 4890, 2126, 1, 2606, 3255, 3945},
        {7215, 1755, 6395, 4270, 6875, 120, 810},   {7215, 1754, 6395, 4270, 6875, 3255, 809},
        {7215, 1051, 6395, 4270, 6875, 3255, 3945}, {800, 4890, 6395, 4270, 460, 3255, 3945},
        {50, 4890, 6395, 4270, 6875, 3255, 3945},
    };
    const MainLayout start = ResizeLayout(MainLayout{}, 7215, 4890);
    for (const auto& r : rows) {
        const MainLayout l = ResizeLayout(start, r.width, r.height);
        EXPECT_EQ((std::vector<double>{l.listWidth, l.detailsColumnWidth, l.statusWidth,
                                       l.listHeight, l.statusTop}),
                  (std::vector<double>{r.listWidth, r.detailsWidth, r.statusWidth, r.listHeight,
                                       r.statusTop}))
            << r.width << "x" << r.height;
    }
    // Floating moves the list up by the toolbar's height; docking gives it back.
    const MainLayout floated = ResizeLayout(FloatedLayout(MainLayout{}), 7215, 4890);
    EXPECT_EQ(floated.listTop, 240);
    EXPECT_EQ(floated.listHeight, 4890 - 1635);
    EXPECT_EQ(DockedLayout(floated).listHeight, 4890 - 1635 - 360);
    EXPECT_EQ(TwipsToPixels(7215, 144), 722);
    EXPECT_DOUBLE_EQ(PixelsToTwips(2, 192), 15);
}

// The size kept is the one the window returns to, with its normal frame.
TEST(WindowSettings, TheSizeKeptIsTheOneRestoredTo) {
    using S = StoredWindowState;
    const struct {
        S state;
        QSize outer, client, restored;
        std::optional<QSize> normalFrame;
        QSize kept;
    } rows[] = {
        {S::Normal, {810, 630}, {800, 600}, {800, 600}, QSize(10, 30), {810, 630}},
        // Maximized by a window manager that drops the borders: the normal frame, not none.
        {S::Maximized, {1920, 1080}, {1920, 1080}, {800, 600}, QSize(10, 30), {810, 630}},
        {S::Minimized, {0, 0}, {0, 0}, {800, 600}, QSize(10, 30), {810, 630}},
        {S::Maximized, {1924, 1100}, {1920, 1080}, {800, 600}, std::nullopt, {804, 620}},
        {S::Maximized, {1920, 1080}, {1920, 1080}, QSize(), QSize(10, 30), {1920, 1080}},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(OuterSizeToStore(r.state, r.outer, r.client, r.restored, r.normalFrame), r.kept)
            << static_cast<int>(r.state) << " " << r.outer.width();
    }
    EXPECT_EQ(StoredSize(32766.6), 32767);
    EXPECT_EQ(StoredSize(32767.5), std::nullopt);
    MemorySettingsStore store;
    store.refuseWritesAfter = 1;
    EXPECT_FALSE(SaveWindowSettings(store, 4890, 7215, StoredWindowState::Normal));
    EXPECT_EQ(store.writes, QStringList{"Window/frmH=4890"});
}

TEST(RecentFiles, LoadStopsAtTheFirstEmptyOrFailedKeyAndAddKeepsAListedFile) {
    MemorySettingsStore store;
    store.values[{"Recent", "File1"}] = " C:\\S\\A.LST ";
    store.values[{"Recent", "File2"}] = "  ";
    store.values[{"Recent", "File3"}] = "C:\\D.LST";
    RecentFiles recent;
    EXPECT_TRUE(recent.load(store));
    EXPECT_EQ(recent.filledCount(), 1);
    EXPECT_FALSE(recent.add("c:\\s\\a.lst"));  // whatever its case
    EXPECT_EQ(recent.entry(0), "C:\\S\\A.LST");
    store.values[{"Recent", "File2"}] = "C:\\B.LST";
    store.failReadsOf = "File2";
    EXPECT_FALSE(recent.load(store));
    EXPECT_EQ(recent.filledCount(), 1);
    EXPECT_EQ(RecentCaption(3, "&&.lst"), "&3   &&&&.lst");
}

TEST(FileDialog, FieldsCarryOverAndTheFolderFollowsTheChosenFile) {
    ScriptedPrompts prompts;
    FileDialog dialog(prompts);
    dialog.initDir = "/opt/kestrune";
    prompts.files = {"/srv/logon/start.lst"};
    EXPECT_TRUE(dialog.ShowOpen());
    EXPECT_EQ(prompts.dialogs[0].folder, "/opt/kestrune");
    EXPECT_EQ(dialog.initDir, "/srv/logon");
    dialog.fileName = "C:\\S\\START.bat";
    EXPECT_FALSE(dialog.ShowSave());  // cancelled: the name stays as it was given
    EXPECT_EQ(prompts.dialogs[1].folder, "/srv/logon");
    EXPECT_EQ(dialog.fileName, "C:\\S\\START.bat");

    using Pair = std::pair<const char*, const char*>;
    for (const auto& [path, folder] :
         {Pair{"C:\\START.LST", "C:\\"}, Pair{"/a.lst", "/"},
          Pair{"\\\\SRV\\S\\X.LST", "\\\\SRV\\S"}, Pair{"notes", ""}}) {
        EXPECT_EQ(FolderOfPath(path), folder) << path;
    }
    for (const auto& [document, proposal] :
         {Pair{"C:\\S\\X.BAT", "C:\\S\\X.bat"}, Pair{"Blank Template", "Blank Temp.bat"},
          Pair{"C:x", "C:x.bat"}, Pair{"", ".bat"}}) {
        EXPECT_EQ(MakeScriptProposal(document), proposal) << document;
    }
}

TEST(ActionListModel, ChangesGoToTheOneListAndAreAnnounced) {
    ActionList list;
    ActionListModel model(list);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);
    for (const char* d : {"A", "B", "C"}) {
        model.append({std::string(kind::kOther), d, std::string(icon::kOther)});
    }
    EXPECT_TRUE(model.moveUp(2));
    EXPECT_FALSE(model.moveUp(0));
    EXPECT_FALSE(model.moveDown(2));
    EXPECT_EQ(moved.count(), 1);
    model.removeAt(7);
    list.replace(0, OtherAction("changed in place"));
    model.changed(0);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), "changed in place");
    EXPECT_EQ(model.data(model.index(2, 1)).toString(), "B");
    EXPECT_FALSE(model.data(model.index(0, 0), Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Details");
}

TEST(FloatingToolbar, IsAnOwnedToolWindowThatHandsTheKeyboardBack) {
    QWidget owner;
    owner.resize(400, 300);
    owner.show();
    auto* tool = new FloatingToolbar(&owner);
    EXPECT_EQ(tool->windowType(), Qt::Tool);
    EXPECT_FALSE(tool->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(tool->minimumSize(), tool->maximumSize());
    // The gaps are blank places, not separator lines.
    EXPECT_FALSE(tool->toolbar()->actions()[0]->isSeparator());
    EXPECT_EQ(tool->button(Command::Clear), nullptr);

    // Hidden, the command state leaves its title alone.
    tool->applyCommandState(ComputeCommandState({3, 1, false, false}), "Other -- cls");
    EXPECT_EQ(tool->windowTitle(), "Toolbar");
    tool->show();
    tool->activateWindow();
    QApplication::processEvents();
    bool ownerActiveDuringCommand = true;
    QObject::connect(tool, &FloatingToolbar::commandClicked, tool, [&](Command command) {
        EXPECT_EQ(command, Command::Save);
        ownerActiveDuringCommand = QApplication::activeWindow() == &owner;
    });
    QTest::mouseClick(tool->toolbar()->widgetForAction(tool->button(Command::Save)),
                      Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &owner);
    EXPECT_FALSE(ownerActiveDuringCommand);  // only once the command has run
    tool->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace kestrune::test
