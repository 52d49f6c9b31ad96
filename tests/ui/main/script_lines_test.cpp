// The script view's rows against the writer's own script: after any change of the list, at
// any place, the rows are the lines renderMappedScript writes, each refused action marked
// where it stands, and what the view was told adds up to the same rows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <random>

#include "core/cp1252_text.h"
#include "files/script_format.h"
#include "platform/text_codec.h"
#include "qt_printers.h"
#include "ui/main/action_list_model.h"
#include "ui/main/script_view.h"

namespace kestrune::test {
namespace {

// Every form the writer treats apart: one line, two, none, refused for each reason, a line
// that goes on in the next ("^"), an empty command after one, and under a condition, which
// adds a line for a group, makes a message a block, and is refused after a "^".
const Action kPool[] = {
    {"Other", "echo A", "imgOther"},
    {"Other", "echo goes on ^", "imgOther"},
    {"Other", "", "imgOther"},
    {"Other", "  ^", "imgOther"},
    {"Map Drive", "Map \\\\F\\A as G:\\", "imgDrive"},
    {"Map Drive", "Map NOSHARE as G:\\", "imgDrive"},
    {"Map Drive", "Map \\\\F\\A\"B as G:\\", "imgDrive"},
    {"Map Drive", "Map home directory on the logon server as H:\\", "imgHome"},
    {"Map Printer", "Map printer  on LPT3", "imgPrint"},
    {"Map Printer", "Map printer \\\\P\\Q on LPT2", "imgPrint"},
    {"Display Message", "Display message from C:\\M.TXT", "imgMotd"},
    {"Run Application", "Local: C:\\A.EXE", "imgApp"},
    {"Strange", "writes nothing", "imgOther"},
    {"Other", "echo B", "imgOther", "user bob"},
    {"Map Drive", "Map \\\\F\\A as G:\\", "imgDrive", "not member of CORP\\Staff"},
    {"Display Message", "Display message from C:\\M.TXT", "imgMotd", "member of Finance"},
    {"Other", "(echo B)", "imgOther", "not computer PC01"},
    {"Other", "echo B", "imgOther", "user b\"b"},
};

struct Row {
    std::string text;
    std::optional<int> action;
    bool refused = false;
};

// The rows as the writer has them, worked out from the whole script at once.
std::vector<Row> expectedRows(const ActionList& list) {
    const MappedScript script = renderMappedScript(list);
    std::vector<Row> lines;
    for (std::size_t at = 0; at < script.bytes.size();) {
        const std::size_t end = std::min(script.bytes.find("\r\n", at), script.bytes.size());
        lines.push_back({script.bytes.substr(at, end - at), std::nullopt});
        at = end + 2;
    }
    for (std::size_t a = 0; a < script.actions.size(); ++a) {
        const ScriptLines& range = script.actions[a];
        for (std::size_t l = range.first; l < range.first + range.count; ++l) {
            lines[l].action = static_cast<int>(a);
        }
    }
    std::vector<Row> rows;
    std::size_t next = 0;
    for (std::size_t a = 0; a < script.actions.size(); ++a) {
        const ScriptLines& range = script.actions[a];
        if (!range.refused) {
            continue;
        }
        while (next < range.first) {
            rows.push_back(lines[next++]);
        }
        const auto reason = refusalReason(range.refusal);
        std::string what = std::string(list[a].kind) + " -- " + std::string(list[a].details);
        if (!list[a].condition.empty()) {
            what += " (if " + std::string(list[a].condition) + ")";
        }
        rows.push_back({!reason ? "!! Not written, the script can't hold it: " + what
                                : "!! Not written, " + EnglishText(Say(*reason)) + ": " + what,
                        static_cast<int>(a), true});
    }
    rows.insert(rows.end(), lines.begin() + static_cast<std::ptrdiff_t>(next), lines.end());
    return rows;
}

class ScriptLinesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        view.resize(400, 300);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        // What the view was told, row by row, kept as it would keep it if it kept anything.
        ScriptLinesModel* lines = &view.lines();
        const auto fetch = [this, lines](int first, int last, bool insert) {
            for (int row = first; row <= last; ++row) {
                const QString text = lines->index(row).data().toString();
                insert ? void(told.insert(row, text)) : void(told[row] = text);
            }
        };
        QObject::connect(
            lines, &QAbstractItemModel::rowsInserted,
            [fetch](const QModelIndex&, int first, int last) { fetch(first, last, true); });
        QObject::connect(lines, &QAbstractItemModel::rowsRemoved,
                         [this](const QModelIndex&, int first, int last) {
                             told.remove(first, last - first + 1);
                         });
        QObject::connect(lines, &QAbstractItemModel::dataChanged,
                         [fetch](const QModelIndex& top, const QModelIndex& bottom) {
                             fetch(top.row(), bottom.row(), false);
                         });
        const auto reset = [this, fetch, lines] {
            told.clear();
            fetch(0, lines->rowCount() - 1, true);
        };
        QObject::connect(lines, &QAbstractItemModel::modelReset, reset);
        reset();
    }

    void expectRowsOfTheWriter(const std::string& after) {
        SCOPED_TRACE(after);
        const std::vector<Row> expected = expectedRows(list);
        const ScriptLinesModel& lines = view.lines();
        ASSERT_EQ(lines.rowCount(), static_cast<int>(expected.size()));
        ASSERT_EQ(told.size(), static_cast<qsizetype>(expected.size()));
        for (int row = 0; row < lines.rowCount(); ++row) {
            const Row& e = expected[static_cast<std::size_t>(row)];
            ASSERT_EQ(lines.index(row).data().toString(), FromCp1252(e.text)) << row;
            ASSERT_EQ(told[row], FromCp1252(e.text)) << row;
            ASSERT_EQ(lines.actionAt(row), e.action) << row;
            ASSERT_EQ(lines.refusedRow(row), e.refused) << row;
        }
        // Where some actions begin.
        for (std::size_t a = 0; a < list.size(); a += 1 + list.size() / 16) {
            const auto first = std::find_if(expected.begin(), expected.end(), [a](const Row& r) {
                return r.action == static_cast<int>(a);
            });
            const std::optional<int> row =
                first == expected.end() ? std::nullopt
                                        : std::optional(static_cast<int>(first - expected.begin()));
            ASSERT_EQ(view.lines().firstRowOf(static_cast<int>(a)), row) << a;
        }
    }

    ActionList list;
    ActionListModel model{list};
    ScriptView view{model, [] { return std::optional<int>(); }};
    QStringList told;
};

TEST_F(ScriptLinesTest, EveryChangeShowsTheWritersLinesAndIsToldWhereItIs) {
    std::mt19937 random(22);
    const auto pick = [&random](std::size_t below) {
        return std::uniform_int_distribution<std::size_t>(0, below - 1)(random);
    };
    const auto actions = [&](std::size_t n) {
        std::vector<Action> out;
        for (std::size_t i = 0; i < n; ++i) {
            out.push_back(kPool[pick(std::size(kPool))]);
        }
        return out;
    };
    const auto anywhere = [&pick](int rows) { return static_cast<int>(pick(rows + 1U)); };
    // Each change at a row that is there; a read replaces the whole list, as opening does.
    const std::pair<const char*, std::function<void(int at, int rows)>> changes[] = {
        {"insert", [&](int, int rows) { model.insertAt(anywhere(rows), actions(1 + pick(4))); }},
        {"insert many",
         [&](int, int rows) { model.insertAt(anywhere(rows), actions(1 + pick(600))); }},
        {"remove", [&](int at, int) { model.removeAt(at); }},
        {"remove some",
         [&](int at, int rows) { model.removeRange(at, std::min(rows - at, 1 + anywhere(2))); }},
        {"remove to the end", [&](int at, int rows) { model.removeRange(at, rows - at); }},
        {"up", [&](int at, int) { model.moveUp(at); }},
        {"down", [&](int at, int) { model.moveDown(at); }},
        {"move", [&](int at, int rows) { model.move(at, anywhere(rows - 1)); }},
        {"replace", [&](int at, int) { model.replace(at, kPool[pick(std::size(kPool))]); }},
        {"clear or read",
         [&](int, int) {
             pick(4) == 0 ? model.clear() : model.replaceAll([&](ActionList& l) {
                 l.clear();
                 for (const Action& a : actions(pick(700))) {
                     l.append(a);
                 }
             });
         }},
    };
    model.insertAt(0, actions(900));
    expectRowsOfTheWriter("the first actions");
    for (int step = 0; step < 120 && !HasFatalFailure(); ++step) {
        const int rows = model.rowCount();
        const int at = rows == 0 ? 0 : anywhere(rows - 1);
        const auto& [what, change] = changes[pick(rows == 0 ? 2 : std::size(changes))];
        change(at, rows);
        expectRowsOfTheWriter("step " + std::to_string(step) + ": " + what + " at " +
                              std::to_string(at));
    }
}

// A line ending in "^" takes the empty line after it away, and the one after an empty command
// that follows it: wherever it stands, the next action's rows follow.
TEST_F(ScriptLinesTest, ALineGoingOnChangesTheRowsOfWhatFollowsWhereverItStands) {
    const Action empty{"Other", "", "imgOther"};
    model.insertAt(0, std::vector<Action>(400, empty));
    const auto expectCount = [this](std::size_t at) {
        const int rows = static_cast<int>(expectedRows(list).size());
        EXPECT_EQ(view.lines().rowCount(), rows) << at;
        EXPECT_EQ(told.size(), rows) << at;
        return rows;
    };
    const int all = expectCount(0);
    for (std::size_t at = 0; at < list.size(); ++at) {
        model.replace(static_cast<int>(at), kPool[1]);
        if (expectCount(at) != all - (at + 1 < list.size() ? 2 : 1)) {
            return;
        }
        model.replace(static_cast<int>(at), empty);
        expectCount(at);
    }
    expectRowsOfTheWriter("all back");
}

// Hidden, the view keeps nothing and hears of no change; shown, it has the whole script.
TEST_F(ScriptLinesTest, HiddenItKeepsNothing) {
    model.insertAt(0, {kPool[0], kPool[10]});
    view.hide();
    model.insertAt(1, {kPool[4]});
    EXPECT_EQ(view.lines().rowCount(), 0);
    view.show();
    expectRowsOfTheWriter("shown again");
    EXPECT_EQ(view.lines().rowCount(), 4 + 2 + 2 + 3);
}

}  // namespace
}  // namespace kestrune::test
