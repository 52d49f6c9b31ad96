#include <gtest/gtest.h>

#include <optional>

#include "memory_settings_store.h"
#include "ui/main/window_settings.h"

namespace kestrune {
namespace {

using testing::MemorySettingsStore;

TEST(WindowSettings, AnEmptyStoreGivesTheDefaultNormalWindow) {
    MemorySettingsStore store;
    EXPECT_EQ(ReadWindowSettings(store), (WindowSettings{4890, 7215, StoredWindowState::Normal}));
}

struct Stored {
    const char* height;
    const char* width;
    const char* state;
    WindowSettings expected;
};

class WindowSettingsRead : public ::testing::TestWithParam<Stored> {};

TEST_P(WindowSettingsRead, TakesEachUsableValueAndTheDefaultForTheRest) {
    const Stored& s = GetParam();
    MemorySettingsStore store;
    store.values.insert({"Window", "frmH"}, s.height);
    store.values.insert({"Window", "frmW"}, s.width);
    store.values.insert({"Window", "frmS"}, s.state);
    EXPECT_EQ(ReadWindowSettings(store), s.expected)
        << s.height << " " << s.width << " " << s.state;
}

INSTANTIATE_TEST_SUITE_P(
    Values, WindowSettingsRead,
    ::testing::Values(Stored{"6000", "9000", "0", {6000, 9000, StoredWindowState::Normal}},
                      Stored{"6000", "9000", "2", {6000, 9000, StoredWindowState::Maximized}},
                      Stored{"6000", "9000", "1", {6000, 9000, StoredWindowState::Minimized}},
                      Stored{"tall", "", "x", {4890, 7215, StoredWindowState::Normal}},
                      Stored{"40000", "-5", "7", {4890, 7215, StoredWindowState::Normal}},
                      Stored{" 5000 ", "8000.4", "2", {5000, 8000, StoredWindowState::Maximized}}));

TEST(WindowSettings, TheSizeKeptIsTheOneRestoredToWithTheNormalFrame) {
    using S = StoredWindowState;
    struct Row {
        S state;
        QSize outer, client, restored;
        std::optional<QSize> normalFrame;
        QSize kept;
    };
    const Row rows[] = {
        // Normal: the outer size as it is.
        {S::Normal, {810, 630}, {800, 600}, {800, 600}, QSize(10, 30), {810, 630}},
        // Maximized by a window manager that drops the borders: the normal frame, not none.
        {S::Maximized, {1920, 1080}, {1920, 1080}, {800, 600}, QSize(10, 30), {810, 630}},
        {S::Minimized, {0, 0}, {0, 0}, {800, 600}, QSize(10, 30), {810, 630}},
        // A window never framed while normal: the frame it has now.
        {S::Maximized, {1924, 1100}, {1920, 1080}, {800, 600}, std::nullopt, {804, 620}},
        // Nothing to restore to: as it is.
        {S::Maximized, {1920, 1080}, {1920, 1080}, QSize(), QSize(10, 30), {1920, 1080}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(OuterSizeToStore(r.state, r.outer, r.client, r.restored, r.normalFrame), r.kept)
            << static_cast<int>(r.state) << " " << r.outer.width();
    }
}

TEST(WindowSettings, ASizeBeyondSixteenBitsStoresNothing) {
    MemorySettingsStore store;
    EXPECT_FALSE(SaveWindowSettings(store, 4890, 32768, StoredWindowState::Normal));
    EXPECT_TRUE(store.writes.isEmpty());
    EXPECT_TRUE(SaveWindowSettings(store, 4890, 32767, StoredWindowState::Normal));
}

TEST(WindowSettings, ARefusedWriteStopsAndKeepsWhatWasStored) {
    MemorySettingsStore store;
    store.refuseWritesAfter = 1;
    EXPECT_FALSE(SaveWindowSettings(store, 4890, 7215, StoredWindowState::Normal));
    EXPECT_EQ(store.writes, QStringList{"Window/frmH=4890"});
}

TEST(WindowSettings, SizesRoundToTheNearestWholeNumber) {
    EXPECT_EQ(StoredSize(32766.6), 32767);
    EXPECT_EQ(StoredSize(32767.5), std::nullopt);
    EXPECT_EQ(StoredSize(-32768.0), -32768);
    EXPECT_EQ(StoredSize(2.5), 2);  // halves go to the even neighbour
}

}  // namespace
}  // namespace kestrune
