#include "core/action_list.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace kestrune {
namespace {

std::string detailsOf(const ActionList& list) {
    std::string out;
    for (const auto& a : list) {
        out += a.details;
    }
    return out;
}

TEST(ActionList, MovesKeepEveryFieldAndStopAtTheEnds) {
    auto list = test::listOf({{"Other", "A"}, {"Other", "B"}, {"Other", "C"}, {"Other", "D"}});
    const Action b = list[1];
    EXPECT_TRUE(list.moveUp(1));
    EXPECT_EQ(detailsOf(list), "BACD");
    EXPECT_EQ(list[0], b);
    EXPECT_FALSE(list.moveUp(0));
    EXPECT_TRUE(list.moveDown(2));
    EXPECT_EQ(detailsOf(list), "BADC");
    EXPECT_FALSE(list.moveDown(3));
    EXPECT_FALSE(list.moveDown(99));
    EXPECT_EQ(detailsOf(list), "BADC");
}

TEST(ActionList, RemoveAndUniqueKeys) {
    auto list = test::listOf({{"Other", "A"}, {"Other", "B"}});
    list.removeAt(5);
    EXPECT_EQ(list.size(), 2U);
    list.removeAt(0);
    EXPECT_EQ(detailsOf(list), "B");

    EXPECT_EQ(list.uniqueKey("new"), "new");
    EXPECT_EQ(list.uniqueKey("key2"), "key2#2");
    list.append(list.uniqueKey("key2"), "Other", "img", "C");
    EXPECT_EQ(list.uniqueKey("key2"), "key2#3");
}

}  // namespace
}  // namespace kestrune
