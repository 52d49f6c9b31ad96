// frmTool: the floating toolbar window, its buttons and their signals, its title and
// enabling from the command state, its life from creation to docking, and the list's place
// in the main window while it floats.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <map>

#include "core/action_list.h"
#include "ui/main/command_state.h"
#include "ui/main/command_table.h"
#include "ui/main/floating_toolbar.h"
#include "ui/main/images.h"

namespace kestrune {
namespace {

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class FloatingToolbarTest : public ::testing::Test {
  protected:
    FloatingToolbarTest() {
        owner.resize(400, 300);
        owner.show();
    }

    // A button by its key, as the user reads it.
    static QAction* button(const FloatingToolbar& tool, std::string_view key) {
        return tool.toolbar()->findChild<QAction*>(q(key));
    }

    // Clicks the real button of that key, as the mouse does.
    static void click(FloatingToolbar& tool, std::string_view key) {
        QWidget* widget = tool.toolbar()->widgetForAction(button(tool, key));
        ASSERT_NE(widget, nullptr) << key;
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    // Deletes what closing scheduled for deletion.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QWidget owner;
};

TEST_F(FloatingToolbarTest, IsAnOwnedToolWindowOfFixedSizeTitledToolbar) {
    FloatingToolbar tool(&owner);
    EXPECT_EQ(tool.objectName(), "frmTool");
    EXPECT_EQ(tool.parentWidget(), &owner);
    EXPECT_EQ(tool.windowType(), Qt::Tool);
    EXPECT_TRUE(tool.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(tool.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(tool.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(tool.testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(tool.windowTitle(), "Toolbar");
    EXPECT_FALSE(tool.isVisible());
    EXPECT_EQ(tool.minimumSize(), tool.maximumSize());
    EXPECT_GE(tool.width(), TwipsToPixels(4050, tool.logicalDpiX()));
    EXPECT_GE(tool.height(), TwipsToPixels(375, tool.logicalDpiY()));
    EXPECT_EQ(tool.toolbar()->objectName(), "Toolbar");
    EXPECT_EQ(tool.toolbar()->geometry().topLeft(), QPoint(0, 0));
    EXPECT_GE(tool.toolbar()->width(), tool.toolbar()->sizeHint().width());
}

TEST_F(FloatingToolbarTest, HasTheMainToolbarsPositionsKeysAndPicturesWithShortTooltips) {
    FloatingToolbar tool(&owner);
    const QList<QAction*> actions = tool.toolbar()->actions();
    ASSERT_EQ(actions.size(), 14);
    const std::map<std::string_view, const char*> tooltips = {
        {"Open", "Open"},
        {"Save", "Save"},
        {"Add", "Add Action"},
        {"Remove", "Remove Action"},
        {"Properties", "Action Properties"},
        {"Up", "Move Action Up"},
        {"Down", "Move Action Down"},
        {"Execute", "Execute"},
        {"Make", "Make Script"},
        {"ToolbarBut", "Dock Toolbar"},
    };
    for (int position = 1; position <= 14; ++position) {
        const auto& command = kToolbarPositions[static_cast<std::size_t>(position - 1)];
        QAction* action = actions[position - 1];
        EXPECT_EQ(action->property("position").toInt(), position);
        if (!command) {
            EXPECT_EQ(action->property("key").toString(), "");
            // A blank placeholder, not a separator line.
            EXPECT_FALSE(action->isSeparator()) << position;
            EXPECT_NE(tool.toolbar()->widgetForAction(action), nullptr);
            continue;
        }
        const CommandRow& row = RowOf(*command);
        EXPECT_EQ(action->property("key").toString(), q(row.key));
        EXPECT_EQ(tool.button(*command), action);
        EXPECT_EQ(action->toolTip(), tooltips.at(row.key)) << row.key;
        EXPECT_EQ(action->icon().pixmap(16, 16).toImage(),
                  ToolbarPicture(row.picture).pixmap(16, 16).toImage())
            << row.key;
    }
    for (const Command none : {Command::New, Command::Clear, Command::About}) {
        EXPECT_EQ(tool.button(none), nullptr);
    }
}

TEST_F(FloatingToolbarTest, ACommandWithoutAButtonDoesNothing) {
    FloatingToolbar tool(&owner);
    QSignalSpy clicked(&tool, &FloatingToolbar::commandClicked);
    QSignalSpy closed(&tool, &FloatingToolbar::closed);
    for (const Command none : {Command::New, Command::Exit, Command::Clear, Command::About}) {
        tool.Toolbar_ButtonClick(none);
    }
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(closed.count(), 0);
}

TEST_F(FloatingToolbarTest, AClickHandsTheKeyboardBackToTheOwner) {
    FloatingToolbar* tool = new FloatingToolbar(&owner);
    tool->show();
    tool->activateWindow();
    QApplication::processEvents();
    bool ownerActiveDuringCommand = true;
    QObject::connect(tool, &FloatingToolbar::commandClicked, tool, [&](Command command) {
        EXPECT_EQ(command, Command::Save);
        ownerActiveDuringCommand = QApplication::activeWindow() == &owner;
    });
    click(*tool, "Save");
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &owner);
    // Only once the command has run.
    EXPECT_FALSE(ownerActiveDuringCommand);
    tool->close();
    settle();
}

TEST_F(FloatingToolbarTest, LoadStepsTitleItWithTheSelectedAction) {
    FloatingToolbar tool(&owner);
    ActionList list;
    EXPECT_EQ(tool.Form_Load(list, std::nullopt), std::nullopt);
    EXPECT_EQ(tool.windowTitle(), "Toolbar");

    list.append("a", kind::kOther, icon::kOther, "cls");
    list.append("b", kind::kMapDrive, icon::kDrive, "Map \\\\SRV\\APPS as G:\\");
    EXPECT_EQ(tool.Form_Load(list, 1),
              std::optional<std::string>("Map Drive -- Map \\\\SRV\\APPS as G:\\"));
    EXPECT_EQ(tool.windowTitle(), "Map Drive -- Map \\\\SRV\\APPS as G:\\");
    // Nothing selected: nothing to show; Details show in their own code page.
    FloatingToolbar other(&owner);
    EXPECT_EQ(other.Form_Load(list, std::nullopt), std::nullopt);
    EXPECT_EQ(other.windowTitle(), "Toolbar");
    list.append("c", kind::kOther, icon::kOther, "echo Caf\xE9");
    other.Form_Load(list, 2);
    EXPECT_EQ(other.windowTitle(), QString::fromUtf8("Other -- echo Café"));
}

struct StateRow {
    const char* situation;
    CommandStateInput input;
    const char* caption;  // after the update, starting from "before"
    std::map<std::string_view, bool> enabled;
};

class FloatingCommandState : public FloatingToolbarTest,
                             public ::testing::WithParamInterface<StateRow> {};

TEST_P(FloatingCommandState, FollowsTheMainWindowsCommandState) {
    const StateRow& row = GetParam();
    FloatingToolbar tool(&owner);
    tool.setWindowTitle("before");
    tool.applyCommandState(ComputeCommandState(row.input), "Map Drive -- Map \\\\A\\B as G:\\");
    EXPECT_EQ(tool.windowTitle(), row.caption) << row.situation;
    for (const auto& [key, on] : row.enabled) {
        EXPECT_EQ(button(tool, key)->isEnabled(), on) << row.situation << " " << key;
    }
    // Never touched.
    for (const std::string_view key : {"Open", "Add", "ToolbarBut"}) {
        EXPECT_TRUE(button(tool, key)->isEnabled()) << row.situation << " " << key;
    }
}

const std::map<std::string_view, bool> kAllOff = {
    {"Save", false}, {"Remove", false},  {"Properties", false}, {"Up", false},
    {"Down", false}, {"Execute", false}, {"Make", false}};

INSTANTIATE_TEST_SUITE_P(
    Situations, FloatingCommandState,
    ::testing::Values(
        StateRow{"empty, unnamed", {0, std::nullopt, false, true}, "Toolbar", kAllOff},
        StateRow{"empty, hidden", {0, std::nullopt, false, false}, "Toolbar", kAllOff},
        StateRow{"empty, named",
                 {0, std::nullopt, true, false},
                 "Toolbar",
                 {{"Save", true}, {"Execute", false}, {"Remove", false}}},
        StateRow{"first of three, shown",
                 {3, 0, false, true},
                 "Map Drive -- Map \\\\A\\B as G:\\",
                 {{"Save", true},
                  {"Remove", true},
                  {"Properties", true},
                  {"Up", false},
                  {"Down", true},
                  {"Execute", true},
                  {"Make", true}}},
        StateRow{"last of three, hidden",
                 {3, 2, false, false},
                 "before",
                 {{"Up", true}, {"Down", false}, {"Execute", true}}},
        StateRow{"middle of three, shown",
                 {3, 1, true, true},
                 "Map Drive -- Map \\\\A\\B as G:\\",
                 {{"Up", true}, {"Down", true}}}));

// --- its life ------------------------------------------------------------------------------

class HolderTest : public FloatingToolbarTest {
  protected:
    FloatingToolbarHolder holder{&owner, [this](FloatingToolbar& tool) {
                                     ++setUps;
                                     tool.Form_Load(list, selected);
                                 }};
    ActionList list;
    std::optional<std::size_t> selected;
    int setUps = 0;
};

TEST_F(HolderTest, CreatesTheWindowHiddenOnceAndShowsItWhenFloated) {
    EXPECT_EQ(holder.existing(), nullptr);
    EXPECT_FALSE(holder.isShown());

    FloatingToolbar& tool = holder.window();
    EXPECT_EQ(setUps, 1);
    EXPECT_FALSE(tool.isVisible());
    EXPECT_FALSE(holder.isShown());
    EXPECT_EQ(&holder.window(), &tool);
    EXPECT_EQ(setUps, 1);

    holder.Float(QPoint(40, 60));
    EXPECT_TRUE(holder.isShown());
    EXPECT_EQ(holder.existing(), &tool);
    EXPECT_EQ(setUps, 1);
    EXPECT_EQ(tool.pos(), QPoint(40, 60));
}

TEST_F(HolderTest, FloatingAnExistingHiddenWindowKeepsItsTitle) {
    FloatingToolbar& tool = holder.window();
    tool.setWindowTitle("Other -- cls");
    holder.Float(QPoint(10, 10));
    EXPECT_EQ(tool.windowTitle(), "Other -- cls");
    EXPECT_EQ(setUps, 1);
}

TEST_F(HolderTest, DockWithoutAWindowDoesNothing) {
    QSignalSpy docked(&holder, &FloatingToolbarHolder::docked);
    holder.Dock();
    EXPECT_EQ(docked.count(), 0);
    EXPECT_EQ(setUps, 0);
}

// --- the list's place while it floats --------------------------------------------------------

TEST(FloatingLayout, AResizeWhileFloatingThenDock) {
    const MainLayout floated = FloatedLayout(MainLayout{});
    const MainLayout resized = ResizeLayout(floated, 7215, 4890);
    EXPECT_EQ(resized.listTop, 240);
    EXPECT_EQ(resized.listHeight, 4890 - 1635);
    const MainLayout docked = DockedLayout(resized);
    EXPECT_EQ(docked.listTop, 600);
    EXPECT_EQ(docked.listHeight, 4890 - 1635 - 360);
    // The next resize brings back the rule's height.
    EXPECT_EQ(ResizeLayout(docked, 7215, 4890).listHeight, 4890 - 1635);
}

}  // namespace
}  // namespace kestrune
