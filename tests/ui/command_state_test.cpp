#include <gtest/gtest.h>

#include "ui/main/command_state.h"

namespace kestrune {
namespace {

struct Row {
    const char* situation;
    CommandStateInput input;
    ToolbarEnabling expected;  // save, remove, properties, up, down, execute, make
};

class CommandStateTable : public ::testing::TestWithParam<Row> {};

TEST_P(CommandStateTable, EnablesTheButtonsOfTheSituation) {
    const Row& row = GetParam();
    const CommandState state = ComputeCommandState(row.input);
    const ToolbarEnabling& b = state.buttons;
    const ToolbarEnabling& e = row.expected;
    EXPECT_EQ(b.save, e.save) << row.situation;
    EXPECT_EQ(b.remove, e.remove) << row.situation;
    EXPECT_EQ(b.properties, e.properties) << row.situation;
    EXPECT_EQ(b.up, e.up) << row.situation;
    EXPECT_EQ(b.down, e.down) << row.situation;
    EXPECT_EQ(b.execute, e.execute) << row.situation;
    EXPECT_EQ(b.make, e.make) << row.situation;
}

constexpr ToolbarEnabling on(bool save, bool remove, bool properties, bool up, bool down,
                             bool execute, bool make) {
    return {save, remove, properties, up, down, execute, make};
}

INSTANTIATE_TEST_SUITE_P(
    Situations, CommandStateTable,
    ::testing::Values(
        Row{"empty, unnamed", {0, std::nullopt, false, false}, on(0, 0, 0, 0, 0, 0, 0)},
        Row{"empty, named", {0, std::nullopt, true, false}, on(1, 0, 0, 0, 0, 0, 0)},
        Row{"one selected", {1, 0, false, false}, on(1, 1, 1, 0, 0, 1, 1)},
        Row{"first of several", {4, 0, false, false}, on(1, 1, 1, 0, 1, 1, 1)},
        Row{"last of several", {4, 3, false, false}, on(1, 1, 1, 1, 0, 1, 1)},
        Row{"a middle one", {4, 2, true, false}, on(1, 1, 1, 1, 1, 1, 1)},
        Row{"none selected", {4, std::nullopt, false, false}, on(1, 0, 0, 0, 0, 1, 1)},
        Row{"selection past the end", {2, 5, false, false}, on(1, 0, 0, 0, 0, 1, 1)}));

TEST(CommandState, EmptyListShowsTheDocumentPathAndResetsTheFloatingCaption) {
    for (const bool shown : {false, true}) {
        const CommandState state = ComputeCommandState({0, std::nullopt, false, shown});
        EXPECT_EQ(state.status, TextChange::DocumentPath);
        EXPECT_EQ(state.floatingCaption, TextChange::FloatingCaption);
    }
}

TEST(CommandState, SelectedActionReachesTheTextsOnlyWhileTheToolbarFloats) {
    EXPECT_EQ(ComputeCommandState({3, 1, false, true}).status, TextChange::SelectedAction);
    EXPECT_EQ(ComputeCommandState({3, 1, false, true}).floatingCaption, TextChange::SelectedAction);
    EXPECT_EQ(ComputeCommandState({3, 1, false, false}).status, TextChange::Keep);
    EXPECT_EQ(ComputeCommandState({3, 1, false, false}).floatingCaption, TextChange::Keep);
    EXPECT_EQ(ComputeCommandState({3, std::nullopt, false, true}).status, TextChange::Keep);
}

}  // namespace
}  // namespace kestrune
