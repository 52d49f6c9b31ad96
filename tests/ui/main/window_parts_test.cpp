// The window's parts that are plain functions or small objects.

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include "core/action_builders.h"
#include "memory_settings_store.h"
#include "scripted_prompts.h"
#include "support/test_text.h"
#include "ui/main/action_list_model.h"
#include "ui/main/file_dialog.h"
#include "ui/main/floating_toolbar.h"
#include "ui/main/recent_files.h"
#include "ui/main/status_help.h"
#include "ui/main/window_settings.h"

namespace kestrune::test {
namespace {

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
    // While the "Run if" column shows, Details give it its 1800 twips, from the same width
    // on; below that they keep what they have.
    const std::tuple<double, double> runIf[] = {{7215, 6395 - 3925}, {4746, 1}, {4745, 4270}};
    for (const auto& [width, details] : runIf) {
        EXPECT_EQ(ResizeLayout(start, width, 4890, true).detailsColumnWidth, details) << width;
    }
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
}

// A window opens centred on the screen's available area, no larger than it in either
// direction, its top left (and so its title bar) on the screen.
TEST(WindowSettings, TheWindowOpensWithinTheScreen) {
    const QRect screen(0, 32, 1400, 868);  // a panel along the top
    const struct {
        QSize outer;
        QRect placed;
    } rows[] = {
        {{481, 326}, {459, 303, 481, 326}},
        {{2000, 1324}, {0, 32, 1400, 868}},  // twice the default at a scale of two, and more
        {{2000, 500}, {0, 216, 1400, 500}},
        {{600, 868}, {400, 32, 600, 868}},
        {{1400, 868}, {0, 32, 1400, 868}},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(PlaceOnScreen(r.outer, screen), r.placed) << r.outer.width();
    }
    EXPECT_EQ(PlaceOnScreen({800, 600}, {1920, 0, 1280, 1024}), QRect(2160, 212, 800, 600));
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
}

// The folder following the chosen file is the document commands' test.
TEST(FileDialog, ACancelledDialogKeepsTheNameItWasGiven) {
    ScriptedPrompts prompts;
    FileDialog dialog(prompts);
    dialog.fileName = "C:\\S\\START.bat";
    EXPECT_FALSE(dialog.ShowSave());
    EXPECT_EQ(dialog.fileName, "C:\\S\\START.bat");

    EXPECT_EQ(FolderOfPath("\\\\SRV\\S\\X.LST"), "\\\\SRV\\S");
    EXPECT_EQ(MakeScriptProposal("C:x"), "C:x.bat");  // shorter than four characters
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
    tool->show();
    tool->activateWindow();
    QApplication::processEvents();
    bool ownerActiveDuringCommand = true;
    QObject::connect(tool, &FloatingToolbar::commandClicked, tool,
                     [&] { ownerActiveDuringCommand = QApplication::activeWindow() == &owner; });
    QTest::mouseClick(tool->toolbar()->widgetForAction(tool->button(Command::Save)),
                      Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &owner);
    EXPECT_FALSE(ownerActiveDuringCommand);  // only once the command has run
    tool->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The status help names an action by its Details whole, options and all.
TEST(StatusHelp, NamesTheActionByItsWholeDetails) {
    const auto list = listOf({{kind::kMapDrive, "Map \\\\F\\A as G:\\ with /YES >NUL"},
                              {kind::kMapPrinter, "Disconnect printer LPT1"}});
    EXPECT_EQ(StatusHelp(Command::Remove, "C:\\S.LST", list, 0),
              "Remove <Map \\\\F\\A as G:\\ with /YES >NUL>");
    EXPECT_EQ(StatusHelp(Command::Properties, "C:\\S.LST", list, 1),
              "Properties of <Disconnect printer LPT1>");
}

}  // namespace
}  // namespace kestrune::test
