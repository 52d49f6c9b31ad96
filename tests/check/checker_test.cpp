#include "check/checker.h"

#include <gtest/gtest.h>

#include "check/check_texts.h"
#include "check/fake_share_backend.h"

namespace {

using namespace kestrune;
using namespace kestrune::check;
namespace t = kestrune::check::texts;

ActionList listOf(std::initializer_list<std::pair<std::string_view, std::string>> actions) {
    ActionList list;
    for (const auto& [kind, details] : actions) {
        list.append(details, kind, "", details);
    }
    return list;
}

struct Row {
    std::string_view kind;
    std::string details;
    Outcome outcome;
    std::string reason;
};

TEST(Checker, EachKindIsCheckedItsOwnWay) {
    const std::string netlogon = "\\\\FILES\\NETLOGON\\";
    const Row rows[] = {
        {kind::kMapDrive, "Map \\\\FILES\\APPS as G:\\", Outcome::Ok, ""},
        {kind::kMapDrive, "Map \\\\files\\Apps as next available drive ", Outcome::Ok, ""},
        {kind::kMapDrive, "Map \\\\FILES\\APSS as G:\\", Outcome::Problem,
         t::noShare("FILES", "APSS")},
        {kind::kMapDrive, "Map \\\\FILES\\APPS\\SUB as G:\\", Outcome::Ok, ""},
        {kind::kMapDrive, "Map \\\\FILES\\APPS\\NONE as G:\\", Outcome::Problem,
         t::noFolder("\\\\FILES\\APPS\\NONE")},
        {kind::kMapDrive, "Map \\\\FILES\\APPS\\README.TXT as G:\\", Outcome::Problem,
         t::noFolder("\\\\FILES\\APPS\\README.TXT")},
        {kind::kMapDrive, "Map home directory on the logon server as H:\\", Outcome::Skipped,
         std::string(t::kHome)},
        {kind::kMapDrive, "Map APPS as G:\\", Outcome::Problem,
         t::notNetworkPath("Map APPS as G:\\")},
        {kind::kMapDrive, "Map \\\\FILES\\SECRET as G:\\", Outcome::Problem,
         t::denied("\\\\FILES\\SECRET")},
        {kind::kMapDrive, "Map \\\\ODD\\X as G:\\", Outcome::Problem,
         t::failed("\\\\ODD\\X", "bad things")},
        {kind::kMapPrinter, "Map printer \\\\FILES\\LASER on LPT2", Outcome::Ok, ""},
        {kind::kMapPrinter, "Map \\\\FILES\\laser on LPT3", Outcome::Ok, ""},
        {kind::kMapPrinter, "Map printer \\\\FILES\\APPS", Outcome::Problem,
         t::notPrinter("\\\\FILES\\APPS")},
        {kind::kMapPrinter, "Map printer \\\\FILES\\COLOR", Outcome::Problem,
         t::noShare("FILES", "COLOR")},
        {kind::kRunApplication, "Remote: " + netlogon + "SETUP.EXE", Outcome::Ok, ""},
        {kind::kRunApplication, "Remote: " + netlogon + "setup.exe", Outcome::Ok, ""},
        {kind::kRunApplication, "Remote: " + netlogon + "MISSING.EXE", Outcome::Problem,
         t::noFile(netlogon + "MISSING.EXE")},
        {kind::kRunApplication, "Remote: " + netlogon + "SUB", Outcome::Problem,
         t::notFile(netlogon + "SUB")},
        {kind::kRunApplication, "Remote: \\\\FILES\\NETLOGON", Outcome::Problem,
         t::notNetworkPath("\\\\FILES\\NETLOGON")},
        {kind::kRunApplication, "Remote: \\\\FILES\\NOPE\\A.EXE", Outcome::Problem,
         t::noShare("FILES", "NOPE")},
        {kind::kRunApplication, "Local: C:\\X.EXE", Outcome::Skipped, std::string(t::kLocal)},
        {kind::kMergeRegistry, "Remote: " + netlogon + "POLICY.REG", Outcome::Ok, ""},
        {kind::kMergeRegistry, "Local: C:\\A.REG", Outcome::Skipped, std::string(t::kLocal)},
        {kind::kDisplayMessage, "Display message from " + netlogon + "MOTD.TXT", Outcome::Ok, ""},
        {kind::kDisplayMessage, "Display message from C:\\MOTD.TXT", Outcome::Skipped,
         std::string(t::kLocal)},
        {kind::kOther, "net time \\\\FILES /set /yes", Outcome::Skipped, std::string(t::kOther)},
    };
    for (const auto& row : rows) {
        test::FakeShareBackend backend;
        const auto results = Checker(backend).run(listOf({{row.kind, row.details}}));
        ASSERT_EQ(results.size(), 1u);
        EXPECT_EQ(results[0], (CheckResult{1, std::string(row.kind), row.outcome, row.reason}))
            << row.details;
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
    EXPECT_EQ(results[0].reason, "the server DEAD can't be reached (connection refused)");
    EXPECT_EQ(results[1].outcome, Outcome::Ok);
    EXPECT_EQ(results[2].reason, t::stillUnreachable("DEAD"));
    EXPECT_EQ(results[3].reason, "the server DEAD can't be reached (it didn't answer earlier)");

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
    const auto drive = "drive G: is mapped by actions 1, 3 and 5";
    const auto port = "port LPT2 is mapped by actions 2 and 6";
    EXPECT_EQ(duplicateWarnings(list),
              (std::vector<std::string>{drive, port, drive, "", drive, port, "", ""}));

    test::FakeShareBackend backend;
    const auto results = Checker(backend).run(list);
    const std::pair<Outcome, std::string> expected[] = {
        {Outcome::Warning, drive},
        {Outcome::Warning, port},
        {Outcome::Warning, drive},
        {Outcome::Problem, t::noShare("FILES", "NONE")},
        {Outcome::Problem, t::noShare("FILES", "APSS") + "; " + drive},
        {Outcome::Warning, port},
        {Outcome::Ok, ""},
        {Outcome::Ok, ""},
    };
    ASSERT_EQ(results.size(), std::size(expected));
    for (std::size_t i = 0; i < results.size(); ++i) {
        EXPECT_EQ(std::pair(results[i].outcome, results[i].reason), expected[i]) << i;
        EXPECT_EQ(results[i].position, i + 1);
    }
}

TEST(Checker, ServerMappings) {
    using Mapping = std::optional<std::pair<std::string, ServerAddress>>;
    const std::pair<std::string_view, Mapping> rows[] = {
        {"files=10.0.0.5", std::pair{"FILES", ServerAddress{"10.0.0.5", 0}}},
        {"\\\\Print=print.example.org:1445",
         std::pair{"PRINT", ServerAddress{"print.example.org", 1445}}},
        {"V6=[::1]:445", std::pair{"V6", ServerAddress{"::1", 445}}},
        {"V6=fe80::1", std::pair{"V6", ServerAddress{"fe80::1", 0}}},
        {"FILES", std::nullopt},
        {"=10.0.0.5", std::nullopt},
        {"FILES=", std::nullopt},
        {"FILES=10.0.0.5:", std::nullopt},
        {"FILES=10.0.0.5:0", std::nullopt},
        {"FILES=10.0.0.5:65536", std::nullopt},
        {"FILES=10.0.0.5:44x", std::nullopt},
        {"FILES=[::1", std::nullopt},
        {"MY FILES=10.0.0.5", std::nullopt},
    };
    for (const auto& [text, expected] : rows) {
        EXPECT_EQ(parseServerMapping(text), expected) << text;
    }
    EXPECT_EQ(outcomeName(Outcome::Ok), "ok");
    EXPECT_EQ(outcomeName(Outcome::Skipped), "skipped");
    EXPECT_EQ(outcomeName(Outcome::Warning), "warning");
    EXPECT_EQ(outcomeName(Outcome::Problem), "problem");
}

}  // namespace
