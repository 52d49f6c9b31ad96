#include "core/message.h"

#include <gtest/gtest.h>

namespace kestrune::test {
namespace {

// "%1" to "%9" stand for the arguments, each where the pattern has it, once or more; any other
// "%" is text. An argument's own "%1" is its text, not a place.
TEST(Message, ArgumentsTakeTheirPlacesInThePatternOnce) {
    const struct {
        std::string_view pattern;
        std::vector<std::pair<std::string_view, int>> pieces;
    } rows[] = {
        {"a %2 b %1%1 c", {{"a ", -1}, {"", 1}, {" b ", -1}, {"", 0}, {"", 0}, {" c", -1}}},
        {"100% %0 %% %a %", {{"100% %0 %% %a %", -1}}},
        {"%%1%", {{"%", -1}, {"", 0}, {"%", -1}}},
        {"%9", {{"", 8}}},
    };
    for (const auto& row : rows) {
        std::vector<std::pair<std::string_view, int>> pieces;
        for (const PatternPiece& piece : PatternPieces(row.pattern)) {
            pieces.emplace_back(piece.text, piece.arg);
        }
        EXPECT_EQ(pieces, row.pieces) << row.pattern;
    }
    EXPECT_EQ(
        EnglishText(Say(MessageId::ActionRefused, "%2", MessageId::RefusedOptionsNeedPort,
                        DocumentText("Map \\\\F\\A as %1"))),
        "Action %2 can't be written to a batch script: options need a port.\rMap \\\\F\\A as %1");
    // A missing argument leaves its place empty.
    EXPECT_EQ(EnglishText(Say(MessageId::NoFile)), "no such file: ");
}

}  // namespace
}  // namespace kestrune::test
