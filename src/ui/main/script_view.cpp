#include "ui/main/script_view.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <algorithm>

#include "platform/text_codec.h"
#include "ui/main/action_list_model.h"
#include "ui/main/main_texts.h"

namespace kestrune {

ScriptView::ScriptView(ActionListModel& list, std::function<std::optional<int>()> selected,
                       QWidget* parent)
    : ActionListView(parent), list_(list), selected_(std::move(selected)), lines_(list.list()) {
    setObjectName(QStringLiteral("ScriptView"));
    setModel(&lines_);
    header()->hide();
    setReadAs(ReadAs::Lines);
    setAccessibleName(main_texts::Tr(main_texts::accessible::kScriptView));
    // Lines of text only, as close as an editor's.
    setIconSize(QSize(0, 0));
    setRowPadding(1);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setSelectionMode(QAbstractItemView::NoSelection);
    setTextElideMode(Qt::ElideNone);
    const auto count = [](int first, int last) {
        return static_cast<std::size_t>(last - first + 1);
    };
    connect(&list_, &QAbstractItemModel::rowsInserted, this,
            [this, count](const QModelIndex&, int first, int last) {
                listReplaced(static_cast<std::size_t>(first), 0, count(first, last));
            });
    connect(&list_, &QAbstractItemModel::rowsRemoved, this,
            [this, count](const QModelIndex&, int first, int last) {
                listReplaced(static_cast<std::size_t>(first), count(first, last), 0);
            });
    connect(&list_, &QAbstractItemModel::dataChanged, this,
            [this, count](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                const std::size_t changed = count(topLeft.row(), bottomRight.row());
                listReplaced(static_cast<std::size_t>(topLeft.row()), changed, changed);
            });
    // The actions between where a moved one was and where it went change places.
    connect(&list_, &QAbstractItemModel::rowsMoved, this,
            [this, count](const QModelIndex&, int start, int end, const QModelIndex&, int to) {
                const int first = std::min(start, to);
                const std::size_t moved = count(first, std::max(end, to - 1));
                listReplaced(static_cast<std::size_t>(first), moved, moved);
            });
    connect(&list_, &QAbstractItemModel::modelReset, this, [this] { listReset(); });
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

void ScriptView::listReplaced(std::size_t first, std::size_t oldCount, std::size_t newCount) {
    if (!isVisible() || behind_) {
        listReset();
        return;
    }
    lines_.replaced(first, oldCount, newCount);
    fitColumn();
    selectionChanged();
}

void ScriptView::listReset() {
    behind_ = true;
    if (!isVisible()) {
        // Nothing to pay, nor to keep, while nobody looks.
        if (lines_.holdsList()) {
            lines_.clear();
        }
        return;
    }
    lines_.reset();
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
    const auto rows = action ? lines_.rowsOf(*action) : std::nullopt;
    // The lit lines are the view's selection too, which is what a screen reader reads.
    QItemSelection lit;
    if (rows) {
        lit.select(lines_.index(rows->first), lines_.index(rows->first + rows->second - 1));
        scrollTo(lines_.index(rows->first));
    }
    selectionModel()->select(lit, QItemSelectionModel::ClearAndSelect);
}

void ScriptView::showEvent(QShowEvent* event) {
    ActionListView::showEvent(event);
    if (behind_) {
        listReset();
    } else {
        selectionChanged();
    }
}

}  // namespace kestrune
