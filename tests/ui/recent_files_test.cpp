#include <gtest/gtest.h>

#include "memory_settings_store.h"
#include "ui/main/recent_files.h"

namespace kestrune {
namespace {

using testing::MemorySettingsStore;

std::vector<std::string> entries(const RecentFiles& recent) {
    std::vector<std::string> out;
    for (int i = 0; i < RecentFiles::kCount; ++i) {
        out.push_back(recent.entry(i));
    }
    return out;
}

TEST(RecentFiles, SixFilesKeepTheLastFiveMostRecentFirst) {
    RecentFiles recent;
    for (const char* path : {"C:\\A.LST", "C:\\B.LST", "C:\\C.BAT", "C:\\D.LST", "C:\\E.LST"}) {
        EXPECT_TRUE(recent.add(path));
    }
    EXPECT_EQ(recent.filledCount(), 5);
    EXPECT_TRUE(recent.add("C:\\F.LST"));
    EXPECT_EQ(entries(recent), (std::vector<std::string>{"C:\\F.LST", "C:\\E.LST", "C:\\D.LST",
                                                         "C:\\C.BAT", "C:\\B.LST"}));
}

TEST(RecentFiles, AListedFileStaysWhereItIsWhateverItsCase) {
    RecentFiles recent;
    for (const char* path : {"C:\\S\\A.LST", "C:\\B.LST", "C:\\C.LST"}) {
        recent.add(path);
    }
    const auto before = entries(recent);
    EXPECT_FALSE(recent.add("C:\\S\\A.LST"));
    EXPECT_FALSE(recent.add("c:\\s\\a.lst"));
    EXPECT_EQ(entries(recent), before);
    EXPECT_EQ(recent.entry(2), "C:\\S\\A.LST");
}

TEST(RecentFiles, CaptionsNumberTheItemsAndShowTheFileName) {
    EXPECT_EQ(RecentCaption(1, "C:\\SCRIPTS\\START.LST"), "&1   START.LST");
    EXPECT_EQ(RecentCaption(5, "/home/ann/logon.bat"), "&5   logon.bat");
    EXPECT_EQ(RecentCaption(2, "C:\\R&D\\R&D.LST"), "&2   R&&D.LST");
    EXPECT_EQ(RecentCaption(3, "&&.lst"), "&3   &&&&.lst");
}

TEST(RecentFiles, LoadStopsAtTheFirstEmptyKeyAndTrimsBlanks) {
    MemorySettingsStore store;
    store.values.insert({"Recent", "File1"}, " C:\\A.LST ");
    store.values.insert({"Recent", "File2"}, "C:\\B.LST");
    store.values.insert({"Recent", "File3"}, "  ");
    store.values.insert({"Recent", "File4"}, "C:\\D.LST");
    RecentFiles recent;
    EXPECT_TRUE(recent.load(store));
    EXPECT_EQ(entries(recent), (std::vector<std::string>{"C:\\A.LST", "C:\\B.LST", "", "", ""}));
}

TEST(RecentFiles, AFailedReadKeepsTheEntriesReadBeforeIt) {
    MemorySettingsStore store;
    store.values.insert({"Recent", "File1"}, "C:\\A.LST");
    store.values.insert({"Recent", "File2"}, "C:\\B.LST");
    store.failReadsOf = "File2";
    RecentFiles recent;
    EXPECT_FALSE(recent.load(store));
    EXPECT_EQ(recent.filledCount(), 1);
}

}  // namespace
}  // namespace kestrune
