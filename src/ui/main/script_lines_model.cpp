#include "ui/main/script_lines_model.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <string_view>

#include "core/cp1252_text.h"
#include "files/script_format.h"
#include "platform/text_codec.h"
#include "ui/main/main_texts.h"

namespace kestrune {

namespace {

constexpr std::string_view kEol = "\r\n";

// Actions counted together: few enough that counting a block again costs a fraction of a
// millisecond, many enough that a million actions make a few thousand blocks.
constexpr std::size_t kBlockActions = 256;

// The row where a refused action's lines would be.
QString refusedRowText(const ActionRef& action, Refusal refusal) {
    namespace s = main_texts::script;
    const QString shown = main_texts::ShownAction(action);
    if (const auto reason = refusalReason(refusal)) {
        return main_texts::Tr(s::kRefusedBecause).arg(ShownMessage(Say(*reason)), shown);
    }
    return main_texts::Tr(s::kRefused).arg(shown);
}

}  // namespace

ScriptLinesModel::ScriptLinesModel(const ActionList& list, QObject* parent)
    : QAbstractListModel(parent), list_(list) {
    // The header is the script of no action.
    const std::string header = renderScript(ActionList()).bytes;
    for (std::size_t at = 0; at < header.size();) {
        const std::size_t end = std::min(header.find(kEol, at), header.size());
        header_.push_back(header.substr(at, end - at));
        widest_ = std::max(widest_, end - at);
        at = end + kEol.size();
    }
}

const ScriptLinesModel::Rendered& ScriptLinesModel::render(std::size_t action,
                                                           bool continuedIn) const {
    Rendered& r = rendered_;
    if (r.action == action && r.continuedIn == continuedIn) {
        return r;
    }
    r.action = action;
    r.continuedIn = continuedIn;
    r.text.clear();
    const ActionRef entry = list_[action];
    Refusal refusal = Refusal::NoShare;
    if (!appendScriptLines(entry, r.text, &refusal, continuedIn)) {
        // Marked where its lines would be (refusedRow), saying why when the writer says so;
        // the action goes on as if it weren't there.
        r.text.clear();
        r.refused = true;
        r.refusal = refusal;
        r.lines = 1;
        r.blank = false;
        r.continuedOut = continuedIn;
        r.widest = static_cast<std::size_t>(refusedRowText(entry, refusal).size());
        return r;
    }
    r.refused = false;
    r.lines = 0;
    r.widest = 0;
    for (std::size_t at = 0; at < r.text.size();) {
        const std::size_t end = std::min(r.text.find(kEol, at), r.text.size());
        ++r.lines;
        r.widest = std::max(r.widest, end - at);
        at = end + kEol.size();
    }
    // As the writer has it: a line ending in "^" goes on in the next, so no empty line
    // follows it, nor an empty line that follows it.
    const bool caret = std::string_view(r.text).ends_with("^\r\n");
    r.blank = !caret && !(continuedIn && r.text == kEol);
    r.continuedOut = caret;
    return r;
}

std::vector<ScriptLinesModel::Block> ScriptLinesModel::count(std::size_t first, std::size_t actions,
                                                             bool continuedIn) const {
    std::vector<Block> blocks;
    if (actions == 0) {
        return blocks;
    }
    // As many blocks as needed, of sizes as even as can be.
    const std::size_t made = (actions + kBlockActions - 1) / kBlockActions;
    blocks.resize(made);
    std::size_t action = first;
    bool continued = continuedIn;
    for (std::size_t b = 0; b < made; ++b) {
        Block& block = blocks[b];
        block.actions = static_cast<std::uint32_t>(actions / made + (b < actions % made ? 1 : 0));
        for (std::uint32_t i = 0; i < block.actions; ++i) {
            const Rendered& r = render(action++, continued);
            block.rows += static_cast<std::uint32_t>(r.rows());
            block.widest = std::max(block.widest, static_cast<std::uint32_t>(r.widest));
            continued = r.continuedOut;
        }
        block.continuedOut = continued;
    }
    return blocks;
}

void ScriptLinesModel::recount() {
    cursor_.reset();
    rendered_.action = SIZE_MAX;
    actions_ = 0;
    rows_ = 0;
    widest_ = 0;
    for (const std::string& line : header_) {
        widest_ = std::max(widest_, line.size());
    }
    for (const Block& block : blocks_) {
        actions_ += block.actions;
        rows_ += static_cast<int>(block.rows);
        widest_ = std::max<std::size_t>(widest_, block.widest);
    }
}

void ScriptLinesModel::reset() {
    beginResetModel();
    rendered_.action = SIZE_MAX;
    blocks_ = count(0, list_.size(), false);
    built_ = true;
    recount();
    endResetModel();
}

void ScriptLinesModel::clear() {
    beginResetModel();
    blocks_.clear();
    blocks_.shrink_to_fit();
    built_ = false;
    recount();
    endResetModel();
}

void ScriptLinesModel::replaced(std::size_t first, std::size_t oldCount, std::size_t newCount) {
    if (!built_) {
        return;
    }
    cursor_.reset();
    rendered_.action = SIZE_MAX;
    // The blocks from b0 up to b1 hold the actions that changed: from f0 up to f1, from row
    // r0, as they were numbered before. Actions added at the end join the last block.
    std::size_t b0 = 0;
    std::size_t f0 = 0;
    int r0 = 0;
    while (b0 < blocks_.size() && f0 + blocks_[b0].actions <= first) {
        f0 += blocks_[b0].actions;
        r0 += static_cast<int>(blocks_[b0].rows);
        ++b0;
    }
    if (b0 == blocks_.size() && b0 > 0) {
        --b0;
        f0 -= blocks_[b0].actions;
        r0 -= static_cast<int>(blocks_[b0].rows);
    }
    std::size_t b1 = b0;
    std::size_t f1 = f0;
    while (b1 < blocks_.size() && (b1 == b0 || f1 < first + oldCount)) {
        f1 += blocks_[b1++].actions;
    }
    std::vector<Block> made;
    for (;;) {
        const std::size_t actions = f1 - f0 + newCount - oldCount;
        // What is left of a block joins a neighbour, so that blocks never grow many.
        if (actions < kBlockActions / 2 && (b1 < blocks_.size() || b0 > 0)) {
            if (b1 < blocks_.size()) {
                f1 += blocks_[b1++].actions;
            } else {
                --b0;
                f0 -= blocks_[b0].actions;
                r0 -= static_cast<int>(blocks_[b0].rows);
            }
            continue;
        }
        const bool entry = b0 > 0 && blocks_[b0 - 1].continuedOut;
        made = count(f0, actions, entry);
        // A line now ending in "^", or no longer, changes the next block's first rows.
        const bool before = b1 > b0 ? blocks_[b1 - 1].continuedOut : entry;
        const bool now = made.empty() ? entry : made.back().continuedOut;
        if (now != before && b1 < blocks_.size()) {
            f1 += blocks_[b1++].actions;
            continue;
        }
        break;
    }

    int oldRows = 0;
    for (std::size_t b = b0; b < b1; ++b) {
        oldRows += static_cast<int>(blocks_[b].rows);
    }
    int newRows = 0;
    for (const Block& block : made) {
        newRows += static_cast<int>(block.rows);
    }
    const auto commit = [&] {
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(b0),
                      blocks_.begin() + static_cast<std::ptrdiff_t>(b1));
        blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(b0), made.begin(), made.end());
        recount();
    };
    // The rows that stay are told changed, the others added or taken away after them.
    const int start = static_cast<int>(header_.size()) + r0;
    if (newRows > oldRows) {
        beginInsertRows({}, start + oldRows, start + newRows - 1);
        commit();
        endInsertRows();
    } else if (newRows < oldRows) {
        beginRemoveRows({}, start + newRows, start + oldRows - 1);
        commit();
        endRemoveRows();
    } else {
        commit();
    }
    const int common = std::min(oldRows, newRows);
    if (common > 0) {
        emit dataChanged(index(start), index(start + common - 1));
    }
    // Told of a change that doesn't add up to the list, the rows are counted afresh rather
    // than shown wrong.
    if (actions_ != list_.size()) {
        reset();
    }
}

std::optional<ScriptLinesModel::Place> ScriptLinesModel::placeOf(int row) const {
    const int header = static_cast<int>(header_.size());
    if (!built_ || row < header || row >= rowCount()) {
        return std::nullopt;
    }
    const int r = row - header;
    Cursor c;
    if (cursor_ && r >= cursor_->actionRow &&
        r < cursor_->blockRow + static_cast<int>(blocks_[cursor_->block].rows)) {
        c = *cursor_;
    } else {
        while (c.block < blocks_.size() &&
               r >= c.blockRow + static_cast<int>(blocks_[c.block].rows)) {
            c.blockRow += static_cast<int>(blocks_[c.block].rows);
            c.blockAction += blocks_[c.block].actions;
            ++c.block;
        }
        if (c.block == blocks_.size()) {
            return std::nullopt;
        }
        c.action = c.blockAction;
        c.actionRow = c.blockRow;
        c.continuedIn = c.block > 0 && blocks_[c.block - 1].continuedOut;
    }
    const std::size_t blockEnd = std::min(c.blockAction + blocks_[c.block].actions, list_.size());
    for (; c.action < blockEnd; ++c.action) {
        const Rendered& rendered = render(c.action, c.continuedIn);
        if (r < c.actionRow + rendered.rows()) {
            cursor_ = c;
            return Place{c.action, r - c.actionRow, c.continuedIn};
        }
        c.actionRow += rendered.rows();
        c.continuedIn = rendered.continuedOut;
    }
    return std::nullopt;
}

std::optional<std::pair<int, int>> ScriptLinesModel::rowsOf(int action) const {
    if (!built_ || action < 0 || static_cast<std::size_t>(action) >= actions_ ||
        static_cast<std::size_t>(action) >= list_.size()) {
        return std::nullopt;
    }
    const auto wanted = static_cast<std::size_t>(action);
    std::size_t block = 0;
    std::size_t first = 0;
    int row = static_cast<int>(header_.size());
    while (first + blocks_[block].actions <= wanted) {
        first += blocks_[block].actions;
        row += static_cast<int>(blocks_[block].rows);
        ++block;
    }
    bool continued = block > 0 && blocks_[block - 1].continuedOut;
    for (; first < wanted; ++first) {
        const Rendered& rendered = render(first, continued);
        row += rendered.rows();
        continued = rendered.continuedOut;
    }
    const Rendered& rendered = render(wanted, continued);
    if (rendered.lines == 0) {
        return std::nullopt;
    }
    return std::pair(row, rendered.lines);
}

std::optional<int> ScriptLinesModel::firstRowOf(int action) const {
    if (const auto rows = rowsOf(action)) {
        return rows->first;
    }
    return std::nullopt;
}

std::optional<int> ScriptLinesModel::actionAt(int row) const {
    const auto place = placeOf(row);
    if (!place || place->row >= render(place->action, place->continuedIn).lines) {
        return std::nullopt;
    }
    return static_cast<int>(place->action);
}

bool ScriptLinesModel::refusedRow(int row) const {
    const auto place = placeOf(row);
    return place && place->row == 0 && render(place->action, place->continuedIn).refused;
}

void ScriptLinesModel::setHighlight(std::optional<int> action) {
    const std::optional<int> before = highlight_;
    highlight_ = action;
    if (before == action) {
        return;
    }
    for (const std::optional<int> which : {before, action}) {
        if (which) {
            if (const auto rows = rowsOf(*which)) {
                emit dataChanged(index(rows->first), index(rows->first + rows->second - 1));
            }
        }
    }
}

int ScriptLinesModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !built_) {
        return 0;
    }
    return static_cast<int>(header_.size()) + rows_;
}

QString ScriptLinesModel::rowText(const Rendered& rendered, int row) const {
    if (row >= rendered.lines) {
        return {};  // the empty line after the action
    }
    if (rendered.refused) {
        return refusedRowText(list_[rendered.action], rendered.refusal);
    }
    std::size_t at = 0;
    for (int skipped = 0; skipped < row; ++skipped) {
        at = rendered.text.find(kEol, at) + kEol.size();
    }
    const std::size_t end = std::min(rendered.text.find(kEol, at), rendered.text.size());
    return FromCp1252(std::string_view(rendered.text).substr(at, end - at));
}

QVariant ScriptLinesModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    if (index.row() < static_cast<int>(header_.size())) {
        return role == Qt::DisplayRole
                   ? QVariant(FromCp1252(header_[static_cast<std::size_t>(index.row())]))
                   : QVariant();
    }
    const auto place = placeOf(index.row());
    if (!place) {
        return {};
    }
    const Rendered& rendered = render(place->action, place->continuedIn);
    const bool own = place->row < rendered.lines;
    const bool lit = own && highlight_ && static_cast<std::size_t>(*highlight_) == place->action;
    switch (role) {
        case Qt::DisplayRole:
            return rowText(rendered, place->row);
        case Qt::BackgroundRole:
            if (lit) {
                return QGuiApplication::palette().brush(QPalette::Highlight);
            }
            break;
        case Qt::ForegroundRole:
            if (own && rendered.refused) {
                return QBrush(lit ? Qt::white : Qt::darkRed);
            }
            if (lit) {
                return QGuiApplication::palette().brush(QPalette::HighlightedText);
            }
            break;
        case Qt::AccessibleDescriptionRole: {
            // What the colours show, in words.
            namespace s = main_texts::script;
            const bool refused = own && rendered.refused;
            if (lit || refused) {
                return main_texts::Tr(lit && refused ? s::kLitRefusedLine
                                      : lit          ? s::kLitLine
                                                     : s::kRefusedLine);
            }
            break;
        }
        default:
            break;
    }
    return {};
}

}  // namespace kestrune
