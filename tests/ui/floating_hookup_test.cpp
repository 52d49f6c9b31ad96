// The floating toolbar from the main window: floating and docking by each of their routes
// with the list's place, the floating window's title and the status text following the
// selection, and its buttons running the window's own commands.

#include <QFile>
#include <QToolBar>

#include "ui/main/floating_toolbar.h"
#include "window_fixture.h"

namespace kestrune {
namespace {

const QByteArray kTwoActions =
    "// Logon Script Template File\r\n\r\n"
    "[map]\r\nremote=\\\\FILES\\APPS\r\nlocal=G\r\n\r\n"
    "[other]\r\ncommand=cls\r\n\r\n";

class FloatingHookupTest : public testing::WindowTest {
  protected:
    void startWithTwoActions() {
        start();
        document = writeFile("two.lst", kTwoActions);
        window->openDocument(document);
        ASSERT_EQ(window->actions().size(), 2u);
    }

    FloatingToolbar* tool() const { return window->floatingToolbar(); }

    void clickFloating(const char* key) {
        ASSERT_NE(tool(), nullptr);
        QTest::mouseClick(tool()->toolbar()->widgetForAction(floatingButton(tool(), key)),
                          Qt::LeftButton);
    }

    // What the title and the status text show for the action in that row.
    QString shownFor(int row) const {
        const Action& action = window->actions()[static_cast<std::size_t>(row)];
        return QString::fromStdString(action.kind + " -- " + action.details);
    }

    std::string document;
};

struct Route {
    const char* floatBy;  // "ToolbarBut" or "mnuToolbar"
    const char* dockBy;   // "ToolbarBut", "close box" or "mnuToolbar"
};

TEST_F(FloatingHookupTest, FloatAndDockByEachRouteMoveTheListAndTheToolbar) {
    startWithTwoActions();
    const MainLayout docked = window->layoutTwips();
    for (const Route& r : {Route{"ToolbarBut", "ToolbarBut"}, Route{"mnuToolbar", "close box"},
                           Route{"ToolbarBut", "mnuToolbar"}}) {
        SCOPED_TRACE(std::string(r.floatBy) + " / " + r.dockBy);
        if (r.floatBy == std::string("ToolbarBut")) {
            clickButton(r.floatBy);
        } else {
            toolsMenu(r.floatBy);
        }
        ASSERT_NE(tool(), nullptr);
        EXPECT_TRUE(tool()->isVisible());
        EXPECT_EQ(tool()->parentWidget(), window.get());
        EXPECT_FALSE(window->toolbar()->isVisible());
        EXPECT_EQ(window->layoutTwips().listTop, 240);
        EXPECT_EQ(window->layoutTwips().listHeight, docked.listHeight + 360);
        EXPECT_EQ(window->lstAction()->y(), px(240));

        QMenu* tools = openMenu(Qt::Key_T, "mnuTools");
        EXPECT_EQ(menuItem("mnuToolbar")->text(), "Dock &Toolbar");
        if (r.dockBy == std::string("mnuToolbar")) {
            choose(tools, r.dockBy);
        } else {
            closeMenu(tools);
            if (r.dockBy == std::string("ToolbarBut")) {
                clickFloating(r.dockBy);
            } else {
                tool()->close();  // what the window manager does for the close box
            }
        }
        EXPECT_EQ(tool(), nullptr);
        EXPECT_TRUE(window->toolbar()->isVisible());
        EXPECT_TRUE(window->layoutTwips() == docked);
        EXPECT_EQ(window->lstAction()->y(), px(600));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        reactivate();
    }
}

TEST_F(FloatingHookupTest, TheFloatingTitleAndTheStatusTextFollowTheSelection) {
    startWithTwoActions();
    // Made hidden before the list was read, it shows the action selected now.
    clickButton("ToolbarBut");
    EXPECT_EQ(tool()->windowTitle(), shownFor(0));
    EXPECT_EQ(window->statusText(), shownFor(0));
    clickRow(1);
    EXPECT_EQ(tool()->windowTitle(), shownFor(1));
    EXPECT_EQ(window->statusText(), shownFor(1));

    // Docked, the next touch makes it again, hidden, and its load steps name the selection.
    clickFloating("ToolbarBut");
    EXPECT_EQ(tool(), nullptr);
    clickRow(1);
    ASSERT_NE(tool(), nullptr);
    EXPECT_FALSE(tool()->isVisible());
    EXPECT_EQ(tool()->windowTitle(), shownFor(1));
    EXPECT_EQ(window->statusText(), shownFor(1));
    // Hidden, it keeps its title; emptied, the list gives it back its own.
    clickRow(0);
    EXPECT_EQ(tool()->windowTitle(), shownFor(1));
    popUpMenu(1, "mnuClear");  // the question is answered Yes
    EXPECT_EQ(tool()->windowTitle(), "Toolbar");
    EXPECT_FALSE(floatingButton(tool(), "Execute")->isEnabled());
}

struct Press {
    const char* key;
    int selectFirst;  // the row selected before the click
};

void PrintTo(const Press& press, std::ostream* out) {
    *out << press.key;
}

class FloatingButtons : public FloatingHookupTest, public ::testing::WithParamInterface<Press> {};

TEST_P(FloatingButtons, RunTheWindowsCommands) {
    const Press& press = GetParam();
    store.values.insert({"Warning", "Warn"}, "NO");
    startWithTwoActions();
    clickButton("ToolbarBut");
    clickRow(press.selectFirst);
    const std::string key = press.key;
    if (key == "Add" || key == "Properties") {
        inEditor([](ActionEditor& e) { clickInEditor(e, "cmdCancel"); });
    }
    if (key == "Save") {
        QFile::remove(QString::fromStdString(document));
    }
    const std::vector<std::string> before = details();

    clickFloating(press.key);

    if (key == "Open") {
        ASSERT_EQ(prompts.dialogs.size(), 1u);
        EXPECT_EQ(prompts.dialogs[0].title, "Open Template");
        EXPECT_EQ(prompts.dialogs[0].folder, programDir.path());
    } else if (key == "Save") {
        EXPECT_TRUE(QFile::exists(QString::fromStdString(document)));
    } else if (key == "Add" || key == "Properties") {
        EXPECT_TRUE(editorShown);
    } else if (key == "Remove") {
        EXPECT_EQ(details(), std::vector<std::string>{"cls"});
    } else if (key == "Up" || key == "Down") {
        EXPECT_EQ(window->selectedRow(), 1 - press.selectFirst);
        EXPECT_EQ(details(), (std::vector<std::string>{before[1], before[0]}));
    } else if (key == "Execute") {
        EXPECT_EQ(shell.calls.size(), 1u);
    } else if (key == "Make") {
        ASSERT_EQ(prompts.dialogs.size(), 1u);
        EXPECT_EQ(prompts.dialogs[0].title, "Make Script");
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, FloatingButtons,
                         ::testing::Values(Press{"Open", 0}, Press{"Save", 0}, Press{"Add", 0},
                                           Press{"Remove", 0}, Press{"Properties", 0},
                                           Press{"Up", 1}, Press{"Down", 0}, Press{"Execute", 0},
                                           Press{"Make", 0}),
                         [](const auto& info) { return std::string(info.param.key); });

}  // namespace
}  // namespace kestrune
