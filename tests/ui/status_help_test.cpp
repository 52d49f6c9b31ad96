#include <gtest/gtest.h>

#include "core/action.h"
#include "ui/main/status_help.h"

namespace kestrune {
namespace {

ActionList twoActions() {
    ActionList list;
    list.append("k1", kind::kMapDrive, icon::kDrive, "Map \\\\SRV\\APPS as G:\\");
    list.append("k2", kind::kOther, icon::kOther, "echo hello");
    return list;
}

struct Help {
    std::optional<Command> command;
    const char* path;
    bool withActions;
    std::optional<std::size_t> selected;
    const char* expected;
};

class StatusHelpTable : public ::testing::TestWithParam<Help> {};

TEST_P(StatusHelpTable, NamesTheButtonUnderTheMouse) {
    const Help& h = GetParam();
    const ActionList list = h.withActions ? twoActions() : ActionList{};
    EXPECT_EQ(StatusHelp(h.command, h.path, list, h.selected), h.expected) << h.expected;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, StatusHelpTable,
    ::testing::Values(
        Help{Command::Open, "Blank Template", false, {}, "Open a new template or script"},
        Help{Command::Save, "C:\\SCRIPTS\\START.LST", false, {}, "Save changes to START.LST"},
        Help{Command::Add, "Blank Template", false, {}, "Add a new action to the list"},
        Help{Command::Remove, "Blank Template", true, 0, "Remove <Map \\\\SRV\\APPS as G:\\>"},
        Help{Command::Remove, "Blank Template", false, {}, "Remove action"},
        Help{Command::Remove, "Blank Template", true, {}, "Remove action"},
        Help{Command::Properties, "x", true, 1, "Properties of <echo hello>"},
        Help{Command::Up, "x", false, {}, "Move the action up one place in the action list"},
        Help{Command::Down, "x", false, {}, "Move the action down one place in the action list"},
        Help{Command::ExecuteScript, "Blank Template", false, {}, "Execute Blank Template"},
        Help{Command::Make,
             "C:\\SCRIPTS\\START.LST",
             false,
             {},
             "Make START.LST into a logon script"},
        Help{Command::Toolbar, "x", false, {}, "Float the toolbar"},
        Help{std::nullopt, "C:\\SCRIPTS\\START.LST", true, 0, "C:\\SCRIPTS\\START.LST"},
        Help{Command::SaveAs, "  Blank Template ", false, {}, "  Blank Template "}));

TEST(CommandAtX, LastButtonHoldingTheMouseWinsAndEdgesBelongToNone) {
    const std::vector<ButtonSpan> buttons = {{std::nullopt, 0, 8, true},
                                             {Command::Open, 8, 23, true},
                                             {Command::Save, 31, 23, false},
                                             {Command::Add, 54, 23, true}};
    EXPECT_EQ(CommandAtX(buttons, 4), std::nullopt);
    EXPECT_EQ(CommandAtX(buttons, 20), Command::Open);
    EXPECT_EQ(CommandAtX(buttons, 31), std::nullopt);  // the shared edge is inside neither
    EXPECT_EQ(CommandAtX(buttons, 40), std::nullopt);  // disabled
    EXPECT_EQ(CommandAtX(buttons, 60), Command::Add);
    EXPECT_EQ(CommandAtX(buttons, 200), std::nullopt);
    const std::vector<ButtonSpan> overlapping = {{Command::Open, 0, 30, true},
                                                 {Command::Save, 20, 30, false}};
    EXPECT_EQ(CommandAtX(overlapping, 25), std::nullopt);
}

}  // namespace
}  // namespace kestrune
