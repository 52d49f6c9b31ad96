#include "ui/main/script_view.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPalette>
#include <algorithm>
#include <string_view>

#include "core/cp1252_text.h"
#include "platform/text_codec.h"
#include "ui/main/action_list_model.h"
#include "ui/main/main_texts.h"

namespace kestrune {

namespace {

constexpr std::string_view kEol = "\r\n";

// How a refused action shows in place of its lines.
constexpr std::string_view kRefusedMark = "!! Not written, the script can't hold it: ";

}  // namespace

void ScriptLinesModel::setScript(const ActionList& list, MappedScript script) {
    beginResetModel();
    bytes_ = std::move(script.bytes);
    refused_.clear();
    rows_.clear();
    spans_.assign(script.actions.size(), {});
    // The lines first, each owned by no action until an action's range says otherwise.
    std::vector<Row> lines;
    lines.reserve(script.actions.size() * 2 + 4);
    const std::string_view bytes(bytes_);
    for (std::size_t at = 0; at < bytes.size();) {
        auto end = bytes.find(kEol, at);
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        lines.push_back({static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(end - at)});
        at = end + kEol.size();
    }
    for (std::size_t a = 0; a < script.actions.size(); ++a) {
        const ScriptLines& range = script.actions[a];
        for (std::size_t l = range.first; l < range.first + range.count && l < lines.size(); ++l) {
            lines[l].action = static_cast<std::int32_t>(a);
        }
    }
    // Then the rows: the lines in order, with each refused action marked where it stands.
    rows_.reserve(lines.size() + 1);
    std::size_t next = 0;
    const auto addLine = [this](const Row& row) {
        if (row.action >= 0) {
            Span& span = spans_[static_cast<std::size_t>(row.action)];
            if (span.count++ == 0) {
                span.first = static_cast<int>(rows_.size());
            }
        }
        rows_.push_back(row);
    };
    for (std::size_t a = 0; a < script.actions.size(); ++a) {
        const ScriptLines& range = script.actions[a];
        if (!range.refused) {
            continue;
        }
        while (next < range.first && next < lines.size()) {
            addLine(lines[next++]);
        }
        const ActionRef action = list[a];
        const std::string text =
            joined({kRefusedMark, action.kind, main_texts::kActionSeparator, action.details});
        spans_[a] = {static_cast<int>(rows_.size()), 1};
        rows_.push_back({static_cast<std::uint32_t>(refused_.size()),
                         static_cast<std::uint32_t>(text.size()), static_cast<std::int32_t>(a),
                         true});
        refused_ += text;
    }
    while (next < lines.size()) {
        addLine(lines[next++]);
    }
    widest_ = 0;
    for (const Row& row : rows_) {
        widest_ = std::max<std::size_t>(widest_, row.length);
    }
    endResetModel();
}

void ScriptLinesModel::setHighlight(std::optional<int> action) {
    const auto touch = [this](std::optional<int> which) {
        if (!which) {
            return;
        }
        const auto first = firstRowOf(*which);
        if (first) {
            const Span& span = spans_[static_cast<std::size_t>(*which)];
            emit dataChanged(index(*first), index(*first + span.count - 1));
        }
    };
    const std::optional<int> before = highlight_;
    highlight_ = action;
    if (before != action) {
        touch(before);
        touch(action);
    }
}

std::optional<int> ScriptLinesModel::actionAt(int row) const {
    if (row < 0 || row >= rowCount() || rows_[static_cast<std::size_t>(row)].action < 0) {
        return std::nullopt;
    }
    return rows_[static_cast<std::size_t>(row)].action;
}

std::optional<int> ScriptLinesModel::firstRowOf(int action) const {
    if (action < 0 || static_cast<std::size_t>(action) >= spans_.size() ||
        spans_[static_cast<std::size_t>(action)].count == 0) {
        return std::nullopt;
    }
    return spans_[static_cast<std::size_t>(action)].first;
}

bool ScriptLinesModel::refusedRow(int row) const {
    return row >= 0 && row < rowCount() && rows_[static_cast<std::size_t>(row)].refused;
}

int ScriptLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ScriptLinesModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    const bool lit = highlight_ && row.action == *highlight_;
    switch (role) {
        case Qt::DisplayRole:
            return FromCp1252(
                std::string_view(row.refused ? refused_ : bytes_).substr(row.begin, row.length));
        case Qt::BackgroundRole:
            if (lit) {
                return QGuiApplication::palette().brush(QPalette::Highlight);
            }
            break;
        case Qt::ForegroundRole:
            if (row.refused) {
                return QBrush(lit ? Qt::white : Qt::darkRed);
            }
            if (lit) {
                return QGuiApplication::palette().brush(QPalette::HighlightedText);
            }
            break;
        default:
            break;
    }
    return {};
}

ScriptView::ScriptView(ActionListModel& list, std::function<std::optional<int>()> selected,
                       QWidget* parent)
    : ActionListView(parent), list_(list), selected_(std::move(selected)) {
    setObjectName(QStringLiteral("ScriptView"));
    setModel(&lines_);
    header()->hide();
    // Lines of text only, as close as an editor's.
    setIconSize(QSize(0, 0));
    setRowPadding(1);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setSelectionMode(QAbstractItemView::NoSelection);
    setTextElideMode(Qt::ElideNone);
    const auto follow = [this] { listChanged(); };
    connect(&list_, &QAbstractItemModel::rowsInserted, this, follow);
    connect(&list_, &QAbstractItemModel::rowsRemoved, this, follow);
    connect(&list_, &QAbstractItemModel::rowsMoved, this, follow);
    connect(&list_, &QAbstractItemModel::modelReset, this, follow);
    connect(&list_, &QAbstractItemModel::dataChanged, this, follow);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (const auto action = lines_.actionAt(index.row())) {
            emit actionClicked(*action);
        }
    });
}

void ScriptView::fitColumn() {
    // A fixed-width font: every character is as wide as any other.
    const int chars = static_cast<int>(std::min<std::size_t>(lines_.widestRow(), 1 << 16));
    const int needed = (chars + 1) * fontMetrics().horizontalAdvance(QLatin1Char('M'));
    header()->resizeSection(0, std::max(needed, viewport()->width()));
}

void ScriptView::resizeEvent(QResizeEvent* event) {
    ActionListView::resizeEvent(event);
    fitColumn();
}

void ScriptView::listChanged() {
    behind_ = true;
    if (!isVisible()) {
        return;  // nothing to pay while nobody looks
    }
    lines_.setScript(list_.list(), renderMappedScript(list_.list()));
    fitColumn();
    behind_ = false;
    selectionChanged();
}

void ScriptView::selectionChanged() {
    if (!isVisible()) {
        return;
    }
    const std::optional<int> action = selected_();
    lines_.setHighlight(action);
    if (action) {
        if (const auto row = lines_.firstRowOf(*action)) {
            scrollTo(lines_.index(*row));
        }
    }
}

void ScriptView::showEvent(QShowEvent* event) {
    ActionListView::showEvent(event);
    if (behind_) {
        listChanged();
    } else {
        selectionChanged();
    }
}

}  // namespace kestrune
