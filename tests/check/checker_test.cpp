#include "check/checker.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <fstream>

#include "check/check_texts.h"
#include "check/fake_share_backend.h"
#include "support/test_text.h"

namespace {

using namespace kestrune;
using namespace kestrune::check;
namespace t = kestrune::check::texts;
using kestrune::test::listOf;

std::string en(const Message& message) {
    return EnglishText(message);
}

// A result as kestrune-cli prints it: the reason in English.
using Reported = std::tuple<std::size_t, std::string, Outcome, std::string>;
std::vector<Reported> reported(const std::vector<CheckResult>& results) {
    std::vector<Reported> out;
    for (const CheckResult& r : results) {
        out.emplace_back(r.position, r.kind, r.outcome, en(r.reason));
    }
    return out;
}

TEST(Checker, EachKindIsCheckedItsOwnWay) {
    using namespace kind;
    using enum Outcome;
    const std::tuple<std::string_view, std::string, Outcome, std::string> rows[] = {
        // clang-format off
        // What the real server can't give (tests/check/real_server_test.cpp has the rest).
        // Options are no part of what is looked up; a disconnection has nothing to look up.
        {kMapDrive, "Map \\\\FILES\\APPS\\NONE as G:\\ with /USER:jo /YES",
         Problem, "no such folder: \\\\FILES\\APPS\\NONE"},
        {kMapDrive, "Map \\\\FILES\\APPS\\README.TXT as G:\\",
         Problem, en(t::noFolder("\\\\FILES\\APPS\\README.TXT"))},
        {kMapDrive, "Map APPS as G:\\",
         Problem, "not a network path (\\\\SERVER\\SHARE): Map APPS as G:\\"},
        {kMapDrive, "Map \\\\FILES\\SECRET as G:\\", Problem, "access denied to \\\\FILES\\SECRET"},
        {kMapDrive, "Map \\\\ODD\\X as G:\\", Problem, "couldn't check \\\\ODD\\X: bad things"},
        {kRunApplication, "Remote: \\\\FILES\\NETLOGON\\SUB",
         Problem, "a folder, not a file: \\\\FILES\\NETLOGON\\SUB"},
        {kRunApplication, "Remote: \\\\FILES\\NETLOGON",
         Problem, en(t::notNetworkPath("\\\\FILES\\NETLOGON"))},
        {kRunApplication, "Remote: \\\\FILES\\NOPE\\A.EXE", Problem, en(t::noShare("FILES", "NOPE"))},
        {kMergeRegistry, "Local: C:\\A.REG", Skipped, en(t::local())},
        {kDisplayMessage, "Display message from C:\\MOTD.TXT", Skipped, en(t::local())},
        {kMapPrinter, "Disconnect printer LPT1 with /YES", Skipped, en(t::disconnection())},
        // clang-format on
    };
    for (const auto& [kindName, details, outcome, reason] : rows) {
        test::FakeShareBackend backend;
        EXPECT_EQ(reported(Checker(backend).run(listOf({{kindName, details}}))),
                  (std::vector<Reported>{{1, std::string(kindName), outcome, reason}}))
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
    EXPECT_EQ(results[0].reason, t::unreachable("DEAD", Verbatim("connection refused")));
    EXPECT_EQ(results[1].outcome, Outcome::Ok);
    EXPECT_EQ(en(results[2].reason), "the server DEAD can't be reached (it didn't answer earlier)");
    EXPECT_EQ(results[3].reason, t::stillUnreachable("DEAD"));

    // Stopping after the first result asks nothing more; results handed over aren't kept.
    test::FakeShareBackend stopped;
    int given = 0;
    EXPECT_TRUE(
        Checker(stopped).run(list, [&given](const CheckResult&) { return ++given == 0; }).empty());
    EXPECT_EQ(given, 1);
    EXPECT_EQ(stopped.asked.size(), 1u);
}

// Each warning names its own action and the earlier one it repeats (the first: the next one).
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
    const std::string drive = "drive G: is mapped by actions 1 and 3";
    const std::string port = "port LPT2 is mapped by actions 2 and 6";
    test::FakeShareBackend backend;
    using enum Outcome;
    const std::string md(kind::kMapDrive), mp(kind::kMapPrinter);
    EXPECT_EQ(reported(Checker(backend).run(list)),
              (std::vector<Reported>{
                  {1, md, Warning, drive},
                  {2, mp, Warning, port},
                  {3, md, Warning, drive},
                  {4, md, Problem, en(t::noShare("FILES", "NONE"))},
                  {5, md, Problem,
                   en(t::noShare("FILES", "APSS")) + "; drive G: is mapped by actions 3 and 5"},
                  {6, mp, Warning, port},
                  {7, md, Ok, ""},
                  {8, mp, Ok, ""},
              }));
}

// One letter mapped over and over: the report grows with the number of actions, not its square.
TEST(Checker, ManyMappingsOfOneLetterGiveAReportOfTheirOwnSize) {
    ActionList list;
    for (int i = 0; i < 10'000; ++i) {
        list.append(kind::kMapDrive, "img", "Map \\\\DEAD\\A as G:\\");
    }
    test::FakeShareBackend backend;
    std::size_t bytes = 0;
    std::string last;
    Checker(backend).run(list, [&](const CheckResult& result) {
        last = en(result.reason);
        bytes += last.size();
        return true;
    });
    EXPECT_LT(bytes, 10'000U * 128);
    EXPECT_EQ(last,
              en(t::stillUnreachable("DEAD")) + "; drive G: is mapped by actions 9999 and 10000");
}

// Running out of memory anywhere in a check ends it with its message, the program going on.
TEST(Checker, RunningOutOfMemoryIsTheChecksFailure) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than a limit would allow";
#else
    ActionList list;
    for (int i = 0; i < 400'000; ++i) {
        list.append(kind::kMapDrive, "img", "Map \\\\DEAD\\A as G:\\");
    }
    const auto checkUnderALimit = [&] {
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlimit limit{static_cast<rlim_t>(pages * ::sysconf(_SC_PAGESIZE) + (32 << 20)),
                           RLIM_INFINITY};
        ::setrlimit(RLIMIT_AS, &limit);
        test::FakeShareBackend backend;
        Checker checker(backend);
        checker.run(list);  // keeping every result
        std::fputs(checker.failure() ? en(*checker.failure()).c_str() : "finished", stderr);
        std::exit(0);
    };
    EXPECT_EXIT(checkUnderALimit(), testing::ExitedWithCode(0),
                "The check ran out of memory: the actions after these were not checked.");
#endif
}

// A drive is the one before its options; a disconnection maps none and frees what it ends, so
// mapping it again is no second mapping.
TEST(Checker, OptionsAndDisconnectionsInTheDuplicates) {
    const auto list = listOf({{kind::kMapDrive, "Map \\\\F\\A as G:\\ with /PERSISTENT:NO"},
                              {kind::kMapDrive, "Map \\\\F\\B as g:\\"},
                              {kind::kMapDrive, "Disconnect drive G:"},
                              {kind::kMapDrive, "Map \\\\F\\C as G:\\"},
                              {kind::kMapPrinter, "Map \\\\P\\Q on LPT1 with /YES"},
                              {kind::kMapDrive, "Disconnect all network connections with /YES"},
                              {kind::kMapPrinter, "Map \\\\P\\R on LPT1"},
                              {kind::kMapPrinter, "Disconnect printer LPT1"},
                              {kind::kMapPrinter, "Map \\\\P\\S on LPT1"},
                              {kind::kMapDrive, "Map \\\\F\\D as G:\\"}});
    const auto n = kNoPartner;
    EXPECT_EQ(duplicatePartners(list), (std::vector<std::size_t>{1, 0, n, n, n, n, n, n, n, n}));
}

// A conditioned action is checked as if it ran, its reason ending with the condition. Two
// mappings of a letter clash unless their conditions differ; a disconnection frees what its
// condition mapped.
TEST(Checker, ConditionsInTheReasonsAndTheDuplicates) {
    ActionList list;
    const auto map = [&list](std::string_view details, std::string_view condition) {
        list.append(kind::kMapDrive, "img", details, condition);
    };
    map("Map \\\\FILES\\APPS as G:\\", "member of Finance");
    map("Map \\\\FILES\\NETLOGON as G:\\", "not member of Finance");
    map("Map \\\\FILES\\NONE as H:\\", "user bob");
    map("Map \\\\FILES\\APPS as H:\\", "user bob");
    map("Disconnect drive H:", "user bob");
    map("Map \\\\FILES\\APPS as H:\\", "user bob");
    map("Map \\\\FILES\\APPS as K:\\", "computer PC01");
    map("Map \\\\FILES\\APPS as K:\\", "");
    const auto n = kNoPartner;
    EXPECT_EQ(duplicatePartners(list), (std::vector<std::size_t>{n, n, 3, 2, n, n, 7, 6}));

    test::FakeShareBackend backend;
    using enum Outcome;
    const std::string md(kind::kMapDrive);
    EXPECT_EQ(reported(Checker(backend).run(list)),
              (std::vector<Reported>{
                  {1, md, Ok, " (if member of Finance)"},
                  {2, md, Ok, " (if not member of Finance)"},
                  {3, md, Problem,
                   en(t::noShare("FILES", "NONE")) +
                       "; drive H: is mapped by actions 3 and 4 (if user bob)"},
                  {4, md, Warning, "drive H: is mapped by actions 3 and 4 (if user bob)"},
                  {5, md, Skipped, "nothing to check (if user bob)"},
                  {6, md, Ok, " (if user bob)"},
                  {7, md, Warning, "drive K: is mapped by actions 7 and 8 (if computer PC01)"},
                  {8, md, Warning, "drive K: is mapped by actions 7 and 8"},
              }));
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
