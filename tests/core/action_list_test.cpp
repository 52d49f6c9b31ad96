#include "core/action_list.h"

#include <gtest/gtest.h>

#include "core/action_builders.h"
#include "core/action_find.h"

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

TEST(ActionList, RemoveKeysAndText) {
    auto list = test::listOf({{"Other", "A"}, {"Other", "B"}});
    list.removeAt(5);
    EXPECT_EQ(list.size(), 2U);
    const ItemKey b = list.keyAt(1);
    list.removeAt(0);
    EXPECT_EQ(detailsOf(list), "B");

    // Each entry has a key of its own, which moves and edits keep.
    list.append("Other", "img", "C");
    list.insert(0, {OtherAction("D"), OtherAction("E")});
    EXPECT_TRUE(list.move(2, 0));
    list.replace(0, OtherAction("a much longer B"));
    EXPECT_EQ(detailsOf(list), "a much longer BDEC");
    EXPECT_EQ(list.keyAt(0), b);
    std::set<ItemKey> keys;
    for (const auto& a : list) {
        keys.insert(a.itemKey);
    }
    EXPECT_EQ(keys.size(), 4U);

    // Text left by edits and removals is given back, the live text kept.
    for (int i = 0; i < 1000; ++i) {
        list.replace(1, OtherAction(std::string(static_cast<std::size_t>(i % 50), 'x') + "D"));
        list.append("Other", "imgOther", "F");
        list.removeAt(list.size() - 1);
    }
    EXPECT_EQ(detailsOf(list), "a much longer B" + std::string(49, 'x') + "DEC");
    EXPECT_LE(list.textBytes(), 2 * 67U);

    // Past its limit a list refuses the text, unchanged, once no dead text is left to give.
    ActionList small(8);
    small.append(OtherAction("1234"));
    small.append(OtherAction("5678"));
    EXPECT_THROW(small.append(OtherAction("9")), std::bad_alloc);
    EXPECT_THROW(small.insert(0, {OtherAction("9")}), std::bad_alloc);
    EXPECT_EQ(detailsOf(small), "12345678");
    small.removeAt(0);
    small.append(OtherAction("9"));
    EXPECT_EQ(detailsOf(small), "56789");
}

// A condition is part of its entry wherever the entry goes, compared like its other fields;
// each distinct text is kept once, a number naming it from the entry.
TEST(ActionList, ConditionsGoWithTheirEntries) {
    const Action bob{"Other", "A", "imgOther", "user bob"};
    const Action plain{"Other", "A", "imgOther"};
    ActionList list;
    EXPECT_FALSE(list.anyConditioned());
    list.append(plain);
    list.insert(0, {bob, OtherAction("B")});
    EXPECT_TRUE(list.anyConditioned());
    EXPECT_EQ(list[0], bob);
    EXPECT_FALSE(list[0] == list[2]);  // the same but for the condition
    EXPECT_TRUE(list.move(0, 2));
    EXPECT_EQ(list[2], bob);
    EXPECT_EQ(list[1], plain);
    list.replace(2, plain);
    EXPECT_FALSE(list.anyConditioned());
    list.replace(0, {"Other", "B", "imgOther", "member of CORP\\Staff"});
    ActionList same;
    same.append("Other", "imgOther", "B", "member of CORP\\Staff");
    same.append(plain);
    same.append(plain);
    EXPECT_TRUE(same == list);
    list.removeAt(0);
    EXPECT_FALSE(list.anyConditioned());

    // As many different conditions as 16 bits name; one more once one of them is unused.
    ActionList many;
    for (int i = 1; i < 65536; ++i) {
        many.append("Other", "imgOther", "x", "user u" + std::to_string(i));
    }
    EXPECT_THROW(many.append("Other", "imgOther", "x", "user one too many"), std::bad_alloc);
    EXPECT_THROW(many.insert(0, {{"Other", "x", "imgOther", "user one too many"}}), std::bad_alloc);
    EXPECT_EQ(many.size(), 65535U);
    many.replace(0, {"Other", "x", "imgOther", "user u2"});
    many.append("Other", "imgOther", "x", "user one more");
    EXPECT_EQ(many[0].condition, "user u2");
    EXPECT_EQ(many[65534].condition, "user u65535");
    EXPECT_EQ(many[65535].condition, "user one more");
    many.clear();
    many.append("Other", "imgOther", "x", "user again");
    EXPECT_TRUE(many.anyConditioned());
}

// Finding by text: kind or Details, case ignored by the Windows-1252 pairs, from a row on
// (or back from it) and round the end; each action once.
TEST(ActionFinder, FindsByKindOrDetailsRoundTheEndWithTheCodePagesCase) {
    const ActionList list = test::listOf({{"Map Drive", "Map \\\\FILES\\APPS as G:\\"},
                                          {"Other", "echo Caf\xC9"},
                                          {"Printer?",
                                           "\x8A\x9C \xFF stra\xDF"
                                           "e"},
                                          {"Other", "echo caf\xE9 "}});
    const struct {
        const char* text;
        std::size_t from;
        std::optional<std::size_t> next, previous;
    } rows[] = {
        {"CAF\xC9", 0, 1, 3}, {"caf\xE9", 2, 3, 1},       {"caf\xE9", 4, 1, 3},
        {"map d", 1, 0, 0},   {"\x9A\x8C \x9F", 3, 2, 2}, {"STRASSE", 0, {}, {}},
        {"", 0, {}, {}},      {"g:\\", 2, 0, 0},          {"g:\\x", 0, {}, {}},
        {"\xC9 ", 0, 3, 3},
    };
    for (const auto& r : rows) {
        const ActionFinder finder(r.text);
        EXPECT_EQ(finder.next(list, r.from), r.next) << r.text << " from " << r.from;
        EXPECT_EQ(finder.previous(list, r.from), r.previous) << r.text << " from " << r.from;
    }
    EXPECT_TRUE(ActionFinder("APPS").matches(Action{"Other", "apps", ""}));
    EXPECT_EQ(ActionFinder("x").next(ActionList(), 0), std::nullopt);
    // A kind whose label in the window holds the text (maybe not Windows-1252) is found.
    EXPECT_EQ(ActionFinder("zzz", {"Other"}).next(list, 2), 3u);
    EXPECT_EQ(ActionFinder(std::nullopt, {"Map Drive"}).previous(list, 3), 0u);
    EXPECT_EQ(ActionFinder(std::nullopt).next(list, 0), std::nullopt);
    EXPECT_TRUE(ActionFinder(std::nullopt, {"Other"}).matches(Action{"Other", "x", ""}));
}

}  // namespace
}  // namespace kestrune
