// The ten remembered shares: loading from the settings, seeding from the system's recent
// network paths, and remembering a new share.

#include <gtest/gtest.h>

#include "editor_fixture.h"
#include "ui/editor/editor_texts.h"

namespace kestrune::testing {
namespace {

class ShareSuggestionsTest : public ::testing::Test {
  protected:
    void store(std::initializer_list<QString> values) {
        int n = 0;
        for (const QString& value : values) {
            settings.values[{"Recent", "Share" + QString::number(++n)}] = value;
        }
    }
    std::vector<std::string> filled() const {
        std::vector<std::string> out;
        for (const auto& share : shares.shares()) {
            if (!share.empty()) {
                out.push_back(share);
            }
        }
        return out;
    }

    MemorySettingsStore settings;
    FixedRecentNetworkPaths recentPaths;
    ScriptedPrompts prompts;
    ShareSuggestions shares{settings, recentPaths};
};

TEST_F(ShareSuggestionsTest, LoadsTheStoredSharesUpToTheFirstEmptyKey) {
    store({" \\\\srv\\apps ", "\\\\SRV\\DATA", "", "\\\\SRV\\LOST"});
    shares.LoadShareSuggestions(prompts);
    EXPECT_EQ(filled(), (std::vector<std::string>{"\\\\SRV\\APPS", "\\\\SRV\\DATA"}));
    EXPECT_EQ(recentPaths.reads, 0);
    EXPECT_TRUE(settings.writes.isEmpty());
}

TEST_F(ShareSuggestionsTest, SeedsOnceFromTheSystemsRecentPaths) {
    recentPaths.answer = {0, {"././SRV/APPS", "././files/pub"}, false};
    shares.LoadShareSuggestions(prompts);
    EXPECT_EQ(filled(), (std::vector<std::string>{"\\\\SRV\\APPS", "\\\\FILES\\PUB"}));
    EXPECT_EQ(settings.value("Recent", "Share1"), "\\\\SRV\\APPS");
    EXPECT_EQ(settings.value("Recent", "Share2"), "\\\\FILES\\PUB");

    recentPaths.answer = {0, {"./NEW/ONE"}, false};
    shares.LoadShareSuggestions(prompts);
    EXPECT_EQ(recentPaths.reads, 1);  // "Share1" exists now
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ShareSuggestionsTest, WithoutASystemListNothingIsStoredAndTheNextLoadTriesAgain) {
    SystemRecentNetworkPaths system;
    EXPECT_NE(system.ReadRecentNetworkPaths().status, 0);

    shares.LoadShareSuggestions(prompts);
    shares.LoadShareSuggestions(prompts);
    EXPECT_EQ(recentPaths.reads, 2);
    EXPECT_TRUE(settings.writes.isEmpty());
    EXPECT_TRUE(filled().empty());
}

TEST_F(ShareSuggestionsTest, AFailureInsideTheRegistryIsReportedAndKeepsWhatWasRead) {
    recentPaths.answer = {0, {"./SRV/A"}, true};
    shares.LoadShareSuggestions(prompts);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].request.text, q(editor_texts::kRegistryFailure));
    EXPECT_EQ(prompts.messages[0].request.title, "Kestrune");
    EXPECT_EQ(prompts.messages[0].request.icon, MessageIcon::Critical);
    EXPECT_EQ(settings.value("Recent", "Share1"), "\\SRV\\A");
}

TEST_F(ShareSuggestionsTest, AnUnreadableStoreNeitherSeedsNorOverwrites) {
    store({"\\\\SRV\\APPS"});
    settings.failReadsOf = "Share1";
    recentPaths.answer = {0, {"./X/Y"}, false};
    shares.LoadShareSuggestions(prompts);
    EXPECT_EQ(recentPaths.reads, 0);
    EXPECT_TRUE(settings.writes.isEmpty());
}

TEST_F(ShareSuggestionsTest, ANewShareGoesFirstAndTheTenthIsDropped) {
    store({"\\\\S\\1", "\\\\S\\2", "\\\\S\\3", "\\\\S\\4", "\\\\S\\5", "\\\\S\\6", "\\\\S\\7",
           "\\\\S\\8", "\\\\S\\9", "\\\\S\\10"});
    shares.LoadShareSuggestions(prompts);
    shares.RememberShare("\\\\srv\\new");
    EXPECT_EQ(settings.value("Recent", "Share1"), "\\\\SRV\\NEW");
    EXPECT_EQ(settings.value("Recent", "Share2"), "\\\\S\\1");
    EXPECT_EQ(settings.value("Recent", "Share10"), "\\\\S\\9");
    EXPECT_EQ(filled().size(), 10u);
}

TEST_F(ShareSuggestionsTest, AKnownShareKeepsItsPlace) {
    store({"\\\\S\\1", "\\\\S\\2", "\\\\S\\3", "\\\\S\\4", "\\\\SRV\\APPS"});
    shares.LoadShareSuggestions(prompts);
    const auto before = shares.shares();
    shares.RememberShare("\\\\srv\\apps");
    EXPECT_EQ(shares.shares(), before);
    EXPECT_EQ(settings.writes.size(), 5);  // written again all the same
}

TEST_F(ShareSuggestionsTest, OnlySharesAreRememberedAndOnlyUpToABlank) {
    shares.RememberShare("apps");
    shares.RememberShare("   ");
    shares.RememberShare("C:\\WINDOWS");
    EXPECT_TRUE(filled().empty());
    EXPECT_TRUE(settings.writes.isEmpty());
    shares.RememberShare("\\\\SRV\\MY DATA");
    shares.RememberShare("\\\\SRV\\LASER ON LPT1");
    EXPECT_EQ(filled(), (std::vector<std::string>{"\\\\SRV\\LASER", "\\\\SRV\\MY"}));
}

TEST_F(ShareSuggestionsTest, ARefusingStoreLosesNothingInMemory) {
    settings.refuseWritesAfter = 0;
    shares.RememberShare("\\\\SRV\\A");
    EXPECT_EQ(filled(), std::vector<std::string>{"\\\\SRV\\A"});
}

TEST(ConvertRecentNetworkNamesTest, TurnsRawNamesIntoUncTextUpToTheFirstEmptySlot) {
    ShareSuggestions::Slots names{"././srv/apps", " ././files/pub ", "", "./LATE/ONE"};
    ConvertRecentNetworkNames(names);
    EXPECT_EQ(names[0], "\\\\SRV\\APPS");
    EXPECT_EQ(names[1], "\\\\FILES\\PUB");
    EXPECT_EQ(names[3], "./LATE/ONE");
}

}  // namespace
}  // namespace kestrune::testing
