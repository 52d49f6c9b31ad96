#include "check/checker.h"

#include <gtest/gtest.h>

#include "check/check_texts.h"
#include "check/fake_share_backend.h"
#include "support/test_text.h"

namespace {

using namespace kestrune;
using namespace kestrune::check;
namespace t = kestrune::check::texts;
using kestrune::test::listOf;

TEST(Checker, EachKindIsCheckedItsOwnWay) {
    using namespace kind;
    using enum Outcome;
    const std::tuple<std::string_view, std::string, Outcome, std::string> rows[] = {
        // clang-format off
        // What the real server can't give (tests/check/real_server_test.cpp has the rest).
        {kMapDrive, "Map \\\\FILES\\APPS\\NONE as G:\\",
         Problem, "no such folder: \\\\FILES\\APPS\\NONE"},
        {kMapDrive, "Map \\\\FILES\\APPS\\README.TXT as G:\\",
         Problem, t::noFolder("\\\\FILES\\APPS\\README.TXT")},
        {kMapDrive, "Map APPS as G:\\",
         Problem, "not a network path (\\\\SERVER\\SHARE): Map APPS as G:\\"},
        {kMapDrive, "Map \\\\FILES\\SECRET as G:\\", Problem, "access denied to \\\\FILES\\SECRET"},
        {kMapDrive, "Map \\\\ODD\\X as G:\\", Problem, "couldn't check \\\\ODD\\X: bad things"},
        {kRunApplication, "Remote: \\\\FILES\\NETLOGON\\SUB",
         Problem, "a folder, not a file: \\\\FILES\\NETLOGON\\SUB"},
        {kRunApplication, "Remote: \\\\FILES\\NETLOGON",
         Problem, t::notNetworkPath("\\\\FILES\\NETLOGON")},
        {kRunApplication, "Remote: \\\\FILES\\NOPE\\A.EXE", Problem, t::noShare("FILES", "NOPE")},
        {kMergeRegistry, "Local: C:\\A.REG", Skipped, std::string(t::kLocal)},
        {kDisplayMessage, "Display message from C:\\MOTD.TXT", Skipped, std::string(t::kLocal)},
        // Options and arguments are no part of what is looked up; a disconnection has none.
        {kMapDrive, "Map \\\\FILES\\APPS\\NONE as G:\\ with /USER:jo /YES",
         Problem, t::noFolder("\\\\FILES\\APPS\\NONE")},
        {kRunApplication, "Local: C:\\X.EXE with arguments \\\\FILES\\NOPE\\A", Skipped,
         std::string(t::kLocal)},
        {kMapDrive, "Disconnect drive G:", Skipped, std::string(t::kDisconnection)},
        {kMapPrinter, "Disconnect printer LPT1 with /YES", Skipped, std::string(t::kDisconnection)},
        // clang-format on
    };
    for (const auto& [kindName, details, outcome, reason] : rows) {
        test::FakeShareBackend backend;
        EXPECT_EQ(Checker(backend).run(listOf({{kindName, details}})),
                  (std::vector<CheckResult>{{1, std::string(kindName), outcome, reason}}))
            << details;
    }
}

TEST(Checker, ASilentServerIsAskedOnce) {
    test::FakeShareBackend backend;
    const auto list = listOf({{kind::kMapDrive, "Map \\\\DEAD\\A as G:\\"},
                              {kind::kMapDrive, "Map \\\\FILES\\APPS as H:\\"},
                              {kind::kMapPrinter, "Map printer \\\\dead\\B on LPT1"},
                              {kind::kRunApplication, "Remote: \\\\DEAD\\C\\X.EXE"}});
    const auto results = Checker(backend).run(list);
    EXPECT_EQ(backend.asked, (std::vector<std::string>{"DEAD\\A", "FILES\\APPS"}));
    ASSERT_EQ(results.size(), 4u);
    EXPECT_EQ(results[0].reason, t::unreachable("DEAD", "connection refused"));
    EXPECT_EQ(results[1].outcome, Outcome::Ok);
    EXPECT_EQ(results[2].reason, "the server DEAD can't be reached (it didn't answer earlier)");
    EXPECT_EQ(results[3].reason, t::stillUnreachable("DEAD"));

    // Stopping after the first result asks nothing more.
    test::FakeShareBackend stopped;
    EXPECT_EQ(Checker(stopped).run(list, [](const CheckResult&) { return false; }).size(), 1u);
    EXPECT_EQ(stopped.asked.size(), 1u);
}

TEST(Checker, ADriveOrPortMappedTwiceWarnsNamingBothPositions) {
    const auto list = listOf({
        {kind::kMapDrive, "Map \\\\FILES\\APPS as G:\\"},
        {kind::kMapPrinter, "Map printer \\\\FILES\\LASER on LPT2"},
        {kind::kMapDrive, "Map home directory on the logon server as g:\\"},
        {kind::kMapDrive, "Map \\\\FILES\\NONE as next available drive "},
        {kind::kMapDrive, "Map \\\\FILES\\APSS as G:\\"},
        {kind::kMapPrinter, "Map \\\\FILES\\LASER on LPT2"},
        {kind::kMapDrive, "Map \\\\FILES\\APPS as next available drive "},
        {kind::kMapPrinter, "Map printer \\\\FILES\\LASER"},
    });
    const std::string drive = "drive G: is mapped by actions 1, 3 and 5";
    const std::string port = "port LPT2 is mapped by actions 2 and 6";
    test::FakeShareBackend backend;
    using enum Outcome;
    const std::string md(kind::kMapDrive), mp(kind::kMapPrinter);
    EXPECT_EQ(Checker(backend).run(list),
              (std::vector<CheckResult>{
                  {1, md, Warning, drive},
                  {2, mp, Warning, port},
                  {3, md, Warning, drive},
                  {4, md, Problem, t::noShare("FILES", "NONE")},
                  {5, md, Problem, t::noShare("FILES", "APSS") + "; " + drive},
                  {6, mp, Warning, port},
                  {7, md, Ok, ""},
                  {8, mp, Ok, ""},
              }));
}

// A drive is the one before its options; a disconnection maps none.
TEST(Checker, OptionsAndDisconnectionsInTheDuplicates) {
    const auto list = listOf({{kind::kMapDrive, "Map \\\\F\\A as G:\\ with /PERSISTENT:NO"},
                              {kind::kMapDrive, "Disconnect drive G:"},
                              {kind::kMapDrive, "Map \\\\F\\B as g:\\"},
                              {kind::kMapPrinter, "Disconnect printer LPT1"},
                              {kind::kMapPrinter, "Map \\\\P\\Q on LPT1 with /YES"}});
    const std::string drive = t::mappedTwice("drive G:", "1 and 3");
    EXPECT_EQ(duplicateWarnings(list), (std::vector<std::string>{drive, "", drive, "", ""}));
}

TEST(Checker, ServerMappings) {
    using Mapping = std::optional<std::pair<std::string, ServerAddress>>;
    const std::pair<std::string_view, Mapping> rows[] = {
        {"files=10.0.0.5", std::pair{"FILES", ServerAddress{"10.0.0.5", 0}}},
        {"\\\\Print=print.example.org:1445",
         std::pair{"PRINT", ServerAddress{"print.example.org", 1445}}},
        {"V6=[::1]:445", std::pair{"V6", ServerAddress{"::1", 445}}},
        {"V6=fe80::1", std::pair{"V6", ServerAddress{"fe80::1", 0}}},
    };
    for (const auto& [text, expected] : rows) {
        EXPECT_EQ(parseServerMapping(text), expected) << text;
    }
    for (const char* bad : {"=10.0.0.5", "FILES=", "FILES=10.0.0.5:", "FILES=10.0.0.5:0",
                            "FILES=10.0.0.5:44x", "FILES=[::1", "MY FILES=10.0.0.5"}) {
        EXPECT_EQ(parseServerMapping(bad), std::nullopt) << bad;
    }
}

}  // namespace
