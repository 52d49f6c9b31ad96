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
    const char* key;
    const char* path;
    bool withActions;
    std::optional<std::size_t> selected;
    const char* expected;
};

class StatusHelpTable : public ::testing::TestWithParam<Help> {};

TEST_P(StatusHelpTable, NamesTheButtonUnderTheMouse) {
    const Help& h = GetParam();
    const ActionList list = h.withActions ? twoActions() : ActionList{};
    EXPECT_EQ(StatusHelp(h.key, h.path, list, h.selected), h.expected) << h.key;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, StatusHelpTable,
    ::testing::Values(
        Help{"Open", "Blank Template", false, {}, "Open a new template or script"},
        Help{"Save", "C:\\SCRIPTS\\START.LST", false, {}, "Save changes to START.LST"},
        Help{"Add", "Blank Template", false, {}, "Add a new action to the list"},
        Help{"Remove", "Blank Template", true, 0, "Remove <Map \\\\SRV\\APPS as G:\\>"},
        Help{"Remove", "Blank Template", false, {}, "Remove action"},
        Help{"Remove", "Blank Template", true, {}, "Remove action"},
        Help{"Properties", "x", true, 1, "Properties of <echo hello>"},
        Help{"Up", "x", false, {}, "Move the action up one place in the action list"},
        Help{"Down", "x", false, {}, "Move the action down one place in the action list"},
        Help{"Execute", "Blank Template", false, {}, "Execute Blank Template"},
        Help{"Make", "C:\\SCRIPTS\\START.LST", false, {}, "Make START.LST into a logon script"},
        Help{"ToolbarBut", "x", false, {}, "Float the toolbar"},
        Help{"", "C:\\SCRIPTS\\START.LST", true, 0, "C:\\SCRIPTS\\START.LST"},
        Help{"open", "  Blank Template ", false, {}, "  Blank Template "}));

TEST(KeyAtX, LastButtonHoldingTheMouseWinsAndEdgesBelongToNone) {
    const std::vector<ButtonSpan> buttons = {
        {"", 0, 8, true}, {"Open", 8, 23, true}, {"Save", 31, 23, false}, {"Add", 54, 23, true}};
    EXPECT_EQ(KeyAtX(buttons, 4), "");
    EXPECT_EQ(KeyAtX(buttons, 20), "Open");
    EXPECT_EQ(KeyAtX(buttons, 31), "");  // the shared edge is inside neither
    EXPECT_EQ(KeyAtX(buttons, 40), "");  // disabled
    EXPECT_EQ(KeyAtX(buttons, 60), "Add");
    EXPECT_EQ(KeyAtX(buttons, 200), "");
    const std::vector<ButtonSpan> overlapping = {{"Open", 0, 30, true}, {"Save", 20, 30, false}};
    EXPECT_EQ(KeyAtX(overlapping, 25), "");
}

}  // namespace
}  // namespace kestrune
