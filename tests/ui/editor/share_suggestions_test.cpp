// The ten remembered shares: loading from the settings, seeding once from the system's
// recent network paths, and remembering a new share.

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
    using Shares = std::vector<std::string>;

    MemorySettingsStore settings;
    FixedRecentNetworkPaths recentPaths;
    ScriptedPrompts prompts;
    ShareSuggestions shares{settings, recentPaths};
};

TEST_F(ShareSuggestionsTest, LoadsTheStoredSharesUpToTheFirstEmptyOrBlankValue) {
    store({" \\\\srv\\apps ", "\\\\SRV\\DATA", "  ", "\\\\SRV\\LOST"});
    shares.LoadShareSuggestions(prompts);
    EXPECT_EQ(filled(), (Shares{"\\\\SRV\\APPS", "\\\\SRV\\DATA"}));
    EXPECT_EQ(recentPaths.reads, 0);
    EXPECT_TRUE(settings.writes.isEmpty());
}

TEST_F(ShareSuggestionsTest, SeedsOnceFromTheSystemsRecentPaths) {
    recentPaths.answer = {0, {"././SRV/APPS", " ././files/pub "}, false};
    shares.LoadShareSuggestions(prompts);
    EXPECT_EQ(filled(), (Shares{"\\\\SRV\\APPS", "\\\\FILES\\PUB"}));
    EXPECT_EQ(settings.writes,
              QStringList({"Recent/Share1=\\\\SRV\\APPS", "Recent/Share2=\\\\FILES\\PUB"}));
    shares.LoadShareSuggestions(prompts);
    EXPECT_EQ(recentPaths.reads, 1);  // "Share1" exists now
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ShareSuggestionsTest, WithoutASystemListNothingIsStoredAndTheNextLoadTriesAgain) {
    EXPECT_NE(SystemRecentNetworkPaths().ReadRecentNetworkPaths().status, 0);
    shares.LoadShareSuggestions(prompts);
    shares.LoadShareSuggestions(prompts);
    EXPECT_EQ(recentPaths.reads, 2);
    EXPECT_TRUE(settings.writes.isEmpty());
    EXPECT_TRUE(filled().empty());
}

TEST_F(ShareSuggestionsTest, AFailureInsideTheRegistryIsToldAndWhatWasReadKept) {
    recentPaths.answer = {0, {"./SRV/A"}, true};
    shares.LoadShareSuggestions(prompts);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].request.text, q(editor_texts::kRegistryFailure));
    EXPECT_EQ(prompts.messages[0].request.title, "Kestrune");
    EXPECT_EQ(prompts.messages[0].request.icon, MessageIcon::Critical);
    EXPECT_EQ(settings.value("Recent", "Share1"), "\\SRV\\A");
}

// Can't tell whether shares are stored: seeding could overwrite them.
TEST_F(ShareSuggestionsTest, AnUnreadableStoreNeitherSeedsNorOverwrites) {
    store({"\\\\SRV\\APPS"});
    settings.failReadsOf = "Share1";
    recentPaths.answer = {0, {"./X/Y"}, false};
    shares.LoadShareSuggestions(prompts);
    EXPECT_EQ(recentPaths.reads, 0);
    EXPECT_TRUE(settings.writes.isEmpty());
}

TEST_F(ShareSuggestionsTest, ANewShareGoesFirstAKnownOneStaysAndOnlySharesUpToABlankCount) {
    store({"\\\\S\\1", "\\\\S\\2", "\\\\S\\3", "\\\\S\\4", "\\\\S\\5", "\\\\S\\6", "\\\\S\\7",
           "\\\\S\\8", "\\\\S\\9", "\\\\SRV\\APPS"});
    shares.LoadShareSuggestions(prompts);
    const auto before = shares.shares();
    shares.RememberShare("\\\\srv\\apps");
    EXPECT_EQ(shares.shares(), before);
    EXPECT_EQ(settings.writes.size(), 10);  // written again all the same
    for (const char* notShare : {"apps", "   ", "C:\\WINDOWS"}) {
        shares.RememberShare(notShare);
    }
    EXPECT_EQ(settings.writes.size(), 10);
    shares.RememberShare("\\\\SRV\\LASER ON LPT1");
    EXPECT_EQ(settings.value("Recent", "Share1"), "\\\\SRV\\LASER");
    EXPECT_EQ(settings.value("Recent", "Share2"), "\\\\S\\1");
    EXPECT_EQ(settings.value("Recent", "Share10"), "\\\\S\\9");
    EXPECT_EQ(filled().size(), 10u);

    // A store that refuses loses nothing in memory.
    settings.refuseWritesAfter = 0;
    shares.RememberShare("\\\\SRV\\NEW");
    EXPECT_EQ(shares.shares()[0], "\\\\SRV\\NEW");
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
