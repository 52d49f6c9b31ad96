// What the readers took apart before they knew options and disconnections, recorded in
// files/data/read_as_before.txt for the readers' test inputs, the fuzz seeds and regressions
// and the examples: each file as "== PATH", then one "KIND<tab>ICON<tab>DETAILS" line per
// action. Every action that was not Other comes out the same; those marked "!" were NET USE
// lines without a device or with one that is no letter, which now stay as they stand.

#include <gtest/gtest.h>

#include <map>
#include <ranges>

#include "files/script_format.h"
#include "support/temp_dir.h"

namespace kestrune::test {
namespace {

std::vector<std::string> shown(const std::string& path) {
    ActionList list;
    const std::string bytes = readBytes(KESTRUNE_SOURCE_DIR "/" + path);
    if (path.ends_with(".lst")) {
        parseTemplate(bytes, path, list);
    } else {
        parseScript(bytes, list);
    }
    std::vector<std::string> lines;
    for (const auto& a : list) {
        lines.push_back(std::string(a.kind) + "\t" + std::string(a.iconKey) + "\t" +
                        std::string(a.details));
    }
    return lines;
}

TEST(Readers, TakeApartWhatTheyAlwaysDid) {
    const std::string record =
        readBytes(KESTRUNE_SOURCE_DIR "/tests/files/data/read_as_before.txt");
    std::map<std::string, std::vector<std::string>> before;
    std::vector<std::string>* rows = nullptr;
    for (const auto line : std::views::split(record, '\n')) {
        const std::string text(line.begin(), line.end());
        if (text.starts_with("== ")) {
            rows = &before[text.substr(3)];
        } else if (rows != nullptr && !text.empty()) {
            rows->push_back(text);
        }
    }
    std::size_t kept = 0;
    std::size_t mended = 0;
    for (const auto& [path, old] : before) {
        SCOPED_TRACE(path);
        const auto now = shown(path);
        ASSERT_EQ(now.size(), old.size());
        for (std::size_t row = 0; row < old.size(); ++row) {
            if (old[row].starts_with("!")) {
                EXPECT_TRUE(now[row].starts_with("Other\t")) << now[row];
                ++mended;
            } else if (!old[row].starts_with("Other\t")) {
                EXPECT_EQ(now[row], old[row]);
                ++kept;
            }
        }
    }
    EXPECT_EQ(std::pair(before.size(), mended), std::pair(std::size_t{30}, std::size_t{10}));
    EXPECT_GT(kept, 130U);
}

}  // namespace
}  // namespace kestrune::test
