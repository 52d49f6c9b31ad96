#pragma once

// The script Make Script would write, as rows for the script view: its lines, with a marked
// row where an action the writer refuses stands. Nothing is kept per line: a row's text is
// the writer's rendering of its action, made when the row is shown. What the model keeps is a
// count per block of a few hundred actions (their rows, their widest row, and whether the
// last of them goes on in the next line with "^"), so that a change of a few actions is
// counted again only in the blocks that hold them.

#include <QAbstractListModel>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/action_list.h"
#include "files/write_refusal.h"

namespace kestrune {

class ScriptLinesModel : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit ScriptLinesModel(const ActionList& list, QObject* parent = nullptr);

    // The list is another one: its rows are counted afresh.
    void reset();
    // Shows nothing, the list being out of sight.
    void clear();
    // The oldCount actions from first on became the newCount actions from first on; the
    // actions before and after them are as they were.
    void replaced(std::size_t first, std::size_t oldCount, std::size_t newCount);
    bool holdsList() const { return built_; }

    // The rows of that action are highlighted (none: no row is).
    void setHighlight(std::optional<int> action);

    // The action a row belongs to; none for the header, the empty lines and no row.
    std::optional<int> actionAt(int row) const;
    // The first row of an action (its marked row when refused); none for an action that
    // writes no line, or no action.
    std::optional<int> firstRowOf(int action) const;
    // That first row and how many rows of its own follow it, the empty line not counted.
    std::optional<std::pair<int, int>> rowsOf(int action) const;
    bool refusedRow(int row) const;
    // The most characters on one row.
    std::size_t widestRow() const { return widest_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    // The rows one action shows, as the writer renders it after what came before it.
    struct Rendered {
        std::size_t action = SIZE_MAX;
        bool continuedIn = false;
        std::string text;  // its lines, each ended by CR LF; none when refused
        bool refused = false;
        Refusal refusal = Refusal::NoShare;  // why, when refused
        int lines = 0;                       // rows of its own
        bool blank = false;                  // an empty row follows them
        bool continuedOut = false;
        std::size_t widest = 0;
        int rows() const { return lines + (blank ? 1 : 0); }
    };
    struct Block {
        std::uint32_t actions = 0;
        std::uint32_t rows = 0;
        std::uint32_t widest = 0;
        bool continuedOut = false;  // the next action follows a line ending in "^"
    };
    // Where a row is: its action, its row within the action's, and whether the action
    // follows a line ending in "^".
    struct Place {
        std::size_t action = 0;
        int row = 0;
        bool continuedIn = false;
    };
    // Where the last search for a row ended, for the next one to start from: the rows
    // painted are asked for one after the other.
    struct Cursor {
        std::size_t block = 0;
        std::size_t blockAction = 0;  // the block's first action
        int blockRow = 0;             // and its first row, the header not counted
        std::size_t action = 0;
        int actionRow = 0;
        bool continuedIn = false;
    };

    const Rendered& render(std::size_t action, bool continuedIn) const;
    // Counts the actions from first on into blocks of about kBlockActions each.
    std::vector<Block> count(std::size_t first, std::size_t actions, bool continuedIn) const;
    std::optional<Place> placeOf(int row) const;
    QString rowText(const Rendered& rendered, int row) const;
    void recount();

    const ActionList& list_;
    std::vector<std::string> header_;
    std::vector<Block> blocks_;
    bool built_ = false;
    std::size_t actions_ = 0;
    int rows_ = 0;  // the header not counted
    std::size_t widest_ = 0;
    std::optional<int> highlight_;
    mutable std::optional<Cursor> cursor_;
    mutable Rendered rendered_;
};

}  // namespace kestrune
