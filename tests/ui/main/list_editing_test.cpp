// The list's editing through the real toolbar, keys, right-click menu and mouse: the moves,
// Remove, Clear, the selection, and the action editor's result applied to the list.

#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "window_fixture.h"

namespace kestrune::test {
namespace {

class ListEditingTest : public WindowTest {
  protected:
    void openList(const std::vector<std::string>& commands) {
        window->openDocument(writeFile("list.lst", OtherTemplate(commands)));
        ASSERT_EQ(window->actions().size(), commands.size());
    }
};

TEST_F(ListEditingTest, MovesAndRemoveKeepTheEntriesAndSelectTheirPlace) {
    const struct {
        int selected;
        Command command;
        std::vector<std::string> after;
        int selectedAfter;
        const char* buttonsAfter;
    } rows[] = {
        {2, Command::Up, {"A", "C", "B", "D"}, 1, "1111111111"},
        {2, Command::Down, {"A", "B", "D", "C"}, 3, "1111110111"},
        // At either end the button is off: nothing moves and nothing changes.
        {0, Command::Up, {"A", "B", "C", "D"}, 0, "1111101111"},
        {3, Command::Down, {"A", "B", "C", "D"}, 3, "1111110111"},
        // Remove selects the entry that took its place, or the new last one.
        {1, Command::Remove, {"A", "C", "D"}, 1, "1111111111"},
        {3, Command::Remove, {"A", "B", "C"}, 2, "1111110111"},
    };
    start();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.selected);
        openList({"A", "B", "C", "D"});
        const std::vector<Action> before(window->actions().begin(), window->actions().end());
        clickRow(row.selected);
        give(row.command, Way::Toolbar);
        EXPECT_EQ(details(), row.after);
        EXPECT_EQ(window->selectedRow(), row.selectedAfter);
        EXPECT_EQ(window->document().modified,
                  row.after != (std::vector<std::string>{"A", "B", "C", "D"}));
        EXPECT_EQ(enabledButtons(), row.buttonsAfter);
        // Every entry keeps its key, kind, Details and icon, and the view shows them.
        for (std::size_t i = 0; i < row.after.size(); ++i) {
            EXPECT_NE(std::find(before.begin(), before.end(), window->actions()[i]), before.end());
            EXPECT_EQ(window->model().index(static_cast<int>(i), 1).data().toString().toStdString(),
                      row.after[i]);
        }
    }
    // Lists of any length move: 16 bits are no limit on what a user may keep.
    std::vector<std::string> commands(40000, "pause");
    commands[39999] = "echo moved";
    openList(commands);
    clickRow(39999);
    give(Command::Up, Way::Toolbar);
    EXPECT_EQ(window->actions()[39998].details, "echo moved");
    EXPECT_EQ(window->selectedRow(), 39998);
    EXPECT_EQ(window->model().rowCount(), 40000);
}

TEST_F(ListEditingTest, ClearAsksFirstAndTheListKeepsOneActionSelected) {
    start();
    openList({"A", "B", "C"});
    prompts.answers = {Answer::No};
    clickRow(1);
    give(Command::Clear, Way::PopUp);
    expectMessage("Are you sure you want to clear all actions currently in the list?",
                  MessageButtons::YesNo, MessageIcon::Question);
    EXPECT_EQ(prompts.messages[0].request.defaultAnswer, Answer::Yes);
    EXPECT_FALSE(window->document().modified);

    // The right-click menu pops up at the mouse; clicks that would unselect leave one selected.
    rightClickRow(2);
    QMenu* popUp = window->menu(MenuId::PopUp);
    EXPECT_TRUE(popUp->geometry().contains(
        window->lstAction()->viewport()->mapToGlobal(rowCenter(2)) + QPoint(1, 1)));
    popUp->close();
    QWidget* list = window->lstAction()->viewport();
    QTest::mouseClick(list, Qt::LeftButton, Qt::ControlModifier, rowCenter(2));
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(4, list->height() - 4));
    EXPECT_EQ(window->selectedRow(), 2);

    give(Command::Clear, Way::PopUp);  // Yes
    EXPECT_TRUE(window->actions().empty());
    EXPECT_TRUE(window->document().modified);
    EXPECT_EQ(enabledButtons(), "1110000001");  // a named document can still be saved
}

TEST_F(ListEditingTest, TheEditorsActionIsAppendedOrReplacesTheSelectedOne) {
    store.values[{"Recent", "Share1"}] = "\\\\FILES\\APPS";
    start();
    addOther("pause");
    EXPECT_EQ(window->selectedRow(), 0);  // the first action added is selected
    EXPECT_EQ(enabledButtons(), "1111100111");
    window->openDocument(
        writeFile("list.lst", kTemplateHeader + "[home]\r\nlocal=H\r\n\r\n" +
                                  OtherTemplate({"echo B"}).mid(kTemplateHeader.size())));
    ASSERT_EQ(window->actions().size(), 2u);
    const Action home = window->actions()[0];
    const ItemKey homeKey = window->actions()[0].itemKey;

    // Added at the end; the selection stays.
    addOther("echo C");
    EXPECT_EQ(details(), (std::vector<std::string>{home.details, "echo B", "echo C"}));
    EXPECT_EQ(window->selectedRow(), 0);
    EXPECT_TRUE(window->document().modified);

    // Edited in place: a home mapping made a share mapping changes its icon; editing
    // remembers no share.
    inEditor([](ActionEditor& e) {
        clickIn(e, "chkHome");
        auto* share = e.findChild<QComboBox*>(QStringLiteral("txtShare"));
        EXPECT_EQ(share->itemText(0), "\\\\FILES\\APPS");  // the remembered shares
        share->setEditText("\\\\FILES\\NEW");
        clickIn(e, "cmdNextMap");
    });
    doubleClickRow(0);
    EXPECT_TRUE(editorShown);
    reactivate();
    const Action edited = window->actions()[0];
    EXPECT_EQ(edited.details, "Map \\\\FILES\\NEW as H:\\");
    EXPECT_EQ(window->actions()[0].itemKey, homeKey);
    EXPECT_EQ(edited.iconKey, "imgDrive");
    EXPECT_TRUE(state.shares.shares()[1].empty());

    // Cancelled, nothing changes; an added share is remembered.
    inEditor([](ActionEditor& e) { clickIn(e, "cmdCancel"); });
    give(Command::Properties, Way::Key);
    reactivate();
    EXPECT_EQ(window->actions()[0], edited);
    inEditor([](ActionEditor& e) {
        clickIn(e, "cmdMap");
        e.findChild<QComboBox*>(QStringLiteral("txtShare"))->setEditText("\\\\srv\\apps");
        clickIn(e, "cmdNextMap");
    });
    give(Command::Add, Way::PopUp);
    ASSERT_EQ(window->actions().size(), 4u);
    EXPECT_TRUE(window->actions()[3].details.starts_with("Map \\\\SRV\\APPS as "));
    EXPECT_EQ(store.value("Recent", "Share1"), "\\\\SRV\\APPS");
}

// Every byte a command can hold but the line ends, opened with Properties on the Other page
// and confirmed with OK, comes out of Make Script as it went in. One row per 32 bytes.
TEST_F(ListEditingTest, EveryByteSurvivesTheOtherPageAndMakeScript) {
    start();
    std::vector<std::string> commands;
    QByteArray script = kScriptHeader;
    for (int first = 0; first < 256; first += 32) {
        std::string command = "echo A";
        for (int byte = first; byte < first + 32; ++byte) {
            if (byte != '\r' && byte != '\n') {
                command += static_cast<char>(byte);
            }
        }
        commands.push_back(command + 'Z');
        script += QByteArray::fromStdString(commands.back()) + "\r\n\r\n";
    }
    window->openDocument(writeFile("bytes.lst", OtherTemplate(commands)));
    for (int row = 0; row < 8; ++row) {
        clickRow(row);
        inEditor([](ActionEditor& e) { clickIn(e, "cmdOkOther"); });
        give(Command::Properties, Way::Toolbar);
        ASSERT_TRUE(editorShown);
        reactivate();
    }
    EXPECT_EQ(details(), commands);
    prompts.files = {PathText(path("bytes.bat"))};
    give(Command::Make, Way::Key);
    EXPECT_EQ(readFile(path("bytes.bat")), script);
}

}  // namespace
}  // namespace kestrune::test
