// Remove, Clear and the moves on the one list, and the list's own mouse and focus events,
// driven through the toolbar, the keys, the right-click menu and the mouse.

#include <QFile>
#include <algorithm>

#include "window_fixture.h"

namespace kestrune {
namespace {

using testing::WindowTest;

// A template of "Other" actions, one per command.
QByteArray otherTemplate(const std::vector<std::string>& commands) {
    QByteArray bytes = "// Logon Script Template File\r\n\r\n";
    for (const std::string& command : commands) {
        bytes += "[other]\r\ncommand=" + QByteArray::fromStdString(command) + "\r\n\r\n";
    }
    return bytes;
}

class ListEditingTest : public WindowTest {
  protected:
    void openList(const std::vector<std::string>& commands) {
        window->openDocument(writeFile("list.lst", otherTemplate(commands)));
        ASSERT_EQ(window->actions().size(), commands.size());
    }
};

TEST_F(ListEditingTest, MovesSwapTheSelectedActionWithItsNeighbour) {
    struct Row {
        int selected;
        const char* button;
        std::vector<std::string> after;
        int selectedAfter;
        const char* buttonsAfter;  // Open Save Add Remove Properties Up Down Execute Make Float
        bool modified;
    };
    const Row rows[] = {
        {2, "Up", {"A", "C", "B", "D"}, 1, "1111111111", true},
        {2, "Down", {"A", "B", "D", "C"}, 3, "1111110111", true},
        {1, "Down", {"A", "C", "B", "D"}, 2, "1111111111", true},
        // At either end the button is off: nothing moves and nothing changes.
        {0, "Up", {"A", "B", "C", "D"}, 0, "1111101111", false},
        {3, "Down", {"A", "B", "C", "D"}, 3, "1111110111", false},
    };
    start();
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.button) + " from " + std::to_string(row.selected));
        openList({"A", "B", "C", "D"});
        const std::vector<Action> before(window->actions().begin(), window->actions().end());
        clickRow(row.selected);
        clickButton(row.button);

        EXPECT_EQ(details(), row.after);
        EXPECT_EQ(window->selectedRow(), row.selectedAfter);
        EXPECT_EQ(window->document().modified, row.modified);
        EXPECT_EQ(enabledButtons(), row.buttonsAfter);
        // Every entry keeps its key, kind, Details and icon, and the view shows them.
        for (std::size_t i = 0; i < row.after.size(); ++i) {
            const Action& moved = window->actions()[i];
            const auto was = std::find_if(before.begin(), before.end(), [&](const Action& a) {
                return a.details == row.after[i];
            });
            ASSERT_NE(was, before.end());
            EXPECT_EQ(moved, *was);
            const QModelIndex shown = window->model().index(static_cast<int>(i), 1);
            EXPECT_EQ(window->model().data(shown).toString().toStdString(), row.after[i]);
        }
    }
}

TEST_F(ListEditingTest, ASingleActionCannotMove) {
    start();
    openList({"A"});
    EXPECT_FALSE(toolbarButton("Up")->isEnabled());
    EXPECT_FALSE(toolbarButton("Down")->isEnabled());
    clickButton("Up");
    clickButton("Down");
    EXPECT_EQ(details(), std::vector<std::string>{"A"});
    EXPECT_EQ(window->selectedRow(), 0);
    EXPECT_FALSE(window->document().modified);
}

TEST_F(ListEditingTest, MovesReorderALongListInPlace) {
    start();
    std::vector<std::string> commands;
    for (int i = 0; i < 30000; ++i) {
        commands.push_back("echo " + std::to_string(i));
    }
    openList(commands);
    const Action moving = window->actions()[20000];
    window->lstAction()->setFocus();
    clickRow(20000);
    ASSERT_EQ(window->selectedRow(), 20000);
    clickButton("Up");
    clickButton("Up");
    clickButton("Down");
    EXPECT_EQ(window->actions()[19999], moving);
    EXPECT_EQ(window->actions()[20000].details, "echo 19999");
    EXPECT_EQ(window->actions()[19998].details, "echo 19998");
    EXPECT_EQ(window->selectedRow(), 19999);
    EXPECT_EQ(window->model().rowCount(), 30000);
}

// Lists of any length move: 16 bits are no limit on what a user may keep.
TEST_F(ListEditingTest, ListsBeyondSixteenBitsMoveToo) {
    start();
    std::vector<std::string> commands(40000, "pause");
    commands[39999] = "echo moved";
    openList(commands);
    clickRow(39999);
    clickButton("Up");
    EXPECT_EQ(window->actions()[39998].details, "echo moved");
    EXPECT_EQ(window->selectedRow(), 39998);
    EXPECT_TRUE(window->document().modified);
}

TEST_F(ListEditingTest, RemoveTakesTheSelectedActionAndSelectsItsNeighbour) {
    struct Row {
        int selected;
        std::vector<std::string> after;
        int selectedAfter;
    };
    const Row rows[] = {
        {1, {"A", "C"}, 1},  // the one that took its place
        {2, {"A", "B"}, 1},  // the last: the new last
        {0, {"B", "C"}, 0},
    };
    start();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.selected);
        openList({"A", "B", "C"});
        clickRow(row.selected);
        QTest::keyClick(window->lstAction(), Qt::Key_R, Qt::ControlModifier);
        EXPECT_EQ(details(), row.after);
        EXPECT_EQ(window->selectedRow(), row.selectedAfter);
        EXPECT_TRUE(window->document().modified);
    }
}

TEST_F(ListEditingTest, RemovingTheOnlyActionLeavesAnEmptyList) {
    start();
    addOther("pause");
    window->lstAction()->setFocus();
    clickButton("Remove");
    EXPECT_TRUE(window->actions().empty());
    EXPECT_TRUE(window->document().modified);
    EXPECT_EQ(enabledButtons(), "1010000001");
    EXPECT_EQ(window->statusText(), "Blank Template");

    // Of a named document, Save stays possible.
    openList({"A"});
    popUpMenu(0, "mnuRemove2");
    EXPECT_TRUE(window->actions().empty());
    EXPECT_EQ(enabledButtons(), "1110000001");
}

TEST_F(ListEditingTest, ClearAsksFirst) {
    start();
    openList({"A", "B"});
    prompts.answers = {Answer::No};
    popUpMenu(1, "mnuClear");
    ASSERT_EQ(prompts.messages.size(), 1u);
    const MessageRequest& asked = prompts.messages[0].request;
    EXPECT_EQ(asked.text, "Are you sure you want to clear all actions currently in the list?");
    EXPECT_EQ(asked.title, "Kestrune");
    EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
    EXPECT_EQ(asked.icon, MessageIcon::Question);
    EXPECT_EQ(asked.defaultAnswer, Answer::Yes);
    EXPECT_EQ(details(), (std::vector<std::string>{"A", "B"}));
    EXPECT_FALSE(window->document().modified);

    prompts.answers = {Answer::Yes};
    popUpMenu(1, "mnuClear");
    EXPECT_TRUE(window->actions().empty());
    EXPECT_TRUE(window->document().modified);
    EXPECT_EQ(enabledButtons(), "1110000001");
}

TEST_F(ListEditingTest, OnlyARightButtonReleaseOverTheListOpensItsMenu) {
    start();
    openList({"A", "B", "C"});
    QMenu* popUp = menuNamed("popUpTool");
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton}) {
        QTest::mouseClick(window->lstAction()->viewport(), button, {}, rowCenter(2));
        EXPECT_FALSE(popUp->isVisible());
    }
    rightClickRow(1);
    ASSERT_TRUE(popUp->isVisible());
    EXPECT_TRUE(popUp->geometry().contains(
        window->lstAction()->viewport()->mapToGlobal(rowCenter(1)) + QPoint(1, 1)));
    EXPECT_TRUE(menuItem("mnuClear")->isEnabled());
    EXPECT_FALSE(popUp->menuAction()->isVisible());  // never in the menu bar
    EXPECT_EQ(window->selectedRow(), 1);
    EXPECT_EQ(enabledButtons(), "1111111111");
    popUp->close();
}

TEST_F(ListEditingTest, TheMouseOverTheListShowsTheDocumentPath) {
    start();
    openList({"A", "B"});
    hover(buttonWidget("Add"));
    ASSERT_EQ(window->statusText(), "Add a new action to the list");
    hover(window->lstAction()->viewport(), rowCenter(1));
    EXPECT_EQ(window->statusText(), QString::fromStdString(path("list.lst")));
}

TEST_F(ListEditingTest, TheListKeepsOneActionSelected) {
    start();
    openList({"A", "B", "C"});
    EXPECT_EQ(window->selectedRow(), 0);
    clickRow(2);
    // A click beside the entries, or one that would unselect, leaves one selected.
    QTreeView* list = window->lstAction();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCenter(2));
    EXPECT_EQ(window->selectedRow(), 2);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(4, list->viewport()->height() - 4));
    EXPECT_TRUE(window->selectedRow().has_value());
    EXPECT_EQ(enabledButtons().substr(3, 2), "11");
}

}  // namespace
}  // namespace kestrune
