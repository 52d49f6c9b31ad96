#include "ui/main/action_list_view.h"

#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "ui/main/accessible_item_view.h"

namespace kestrune {

ActionListView::ActionListView(QWidget* parent)
    : QAbstractItemView(parent), header_(new QHeaderView(Qt::Horizontal, this)) {
    InstallAccessibleItemViews();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    fitRowHeight();
    setTextElideMode(Qt::ElideRight);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    header_->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header_->setHighlightSections(false);
    header_->setSectionsClickable(false);
    header_->setStretchLastSection(false);
    header_->setSectionsMovable(false);
    header_->setSectionResizeMode(QHeaderView::Interactive);
    header_->setFocusPolicy(Qt::NoFocus);
    const auto resized = [this] {
        updateGeometries();
        viewport()->update();
    };
    connect(header_, &QHeaderView::sectionResized, this, resized);
    connect(header_, &QHeaderView::geometriesChanged, this, resized);
}

void ActionListView::setModel(QAbstractItemModel* model) {
    if (this->model() != nullptr) {
        disconnect(this->model(), nullptr, this, nullptr);
    }
    QAbstractItemView::setModel(model);
    header_->setModel(model);
    if (model == nullptr) {
        return;
    }
    // The base view lays out again later; the scroll range follows at once, so that a
    // scroll to a row just added reaches it.
    const auto changed = [this] { listChanged(); };
    connect(model, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(model, &QAbstractItemModel::rowsMoved, this, changed);
    connect(model, &QAbstractItemModel::modelReset, this, changed);
    connect(model, &QAbstractItemModel::layoutChanged, this, changed);
}

void ActionListView::rowsInserted(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsInserted(parent, start, end);
    listChanged();
}

void ActionListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QAbstractItemView::currentChanged(current, previous);
    updateRow(previous.row());
    updateRow(current.row());
    if (hasFocus()) {
        announce(QAccessible::Focus, current);
    }
}

void ActionListView::selectionChanged(const QItemSelection& selected,
                                      const QItemSelection& deselected) {
    QAbstractItemView::selectionChanged(selected, deselected);
    announceRow(QAccessible::SelectionRemove, deselected);
    announceRow(QAccessible::SelectionAdd, selected);
}

void ActionListView::focusInEvent(QFocusEvent* event) {
    QAbstractItemView::focusInEvent(event);
    updateRow(currentIndex().row());
    // The view's own focus is told once this event is done; the current cell's comes after
    // it, so that a screen reader ends on the cell.
    if (QAccessible::isActive()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (hasFocus()) {
                    announce(QAccessible::Focus, currentIndex());
                }
            },
            Qt::QueuedConnection);
    }
}

void ActionListView::announce(QAccessible::Event event, const QModelIndex& index) {
    if (!QAccessible::isActive() || !index.isValid() || index.parent() != rootIndex()) {
        return;
    }
    const int child = AccessibleItemView::childIndex(*this, index.row(), index.column());
    if (child >= 0) {
        QAccessibleEvent told(this, event);
        told.setChild(child);
        QAccessible::updateAccessibility(&told);
    }
}

void ActionListView::announceRow(QAccessible::Event event, const QItemSelection& rows) {
    // One row at a time changes here; a larger change is told by its first row alone.
    if (rows.isEmpty()) {
        return;
    }
    const QItemSelectionRange& range = rows.first();
    for (int column = range.left(); column <= range.right(); ++column) {
        announce(event, model()->index(range.top(), column, rootIndex()));
    }
}

void ActionListView::focusOutEvent(QFocusEvent* event) {
    QAbstractItemView::focusOutEvent(event);
    updateRow(currentIndex().row());
}

void ActionListView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        fitRowHeight();
    }
    QAbstractItemView::changeEvent(event);
}

void ActionListView::setRowPadding(int pixels) {
    rowPadding_ = pixels;
    fitRowHeight();
}

void ActionListView::fitRowHeight() {
    rowHeight_ = std::max(fontMetrics().height(), iconSize().height()) + rowPadding_;
    listChanged();
}

void ActionListView::updateRow(int row) {
    if (row >= 0) {
        viewport()->update(0, (row - firstRow()) * rowHeight_, viewport()->width(), rowHeight_);
    }
}

void ActionListView::listChanged() {
    updateGeometries();
    viewport()->update();
}

int ActionListView::rowCount() const {
    return model() == nullptr ? 0 : model()->rowCount(rootIndex());
}

int ActionListView::firstRow() const {
    return verticalScrollBar()->value();
}

int ActionListView::visibleRows() const {
    return std::max(1, viewport()->height() / rowHeight_);
}

int ActionListView::rowAtY(int y) const {
    return firstRow() + (y >= 0 ? y / rowHeight_ : -1 - (-y - 1) / rowHeight_);
}

QRect ActionListView::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.parent() != rootIndex()) {
        return {};
    }
    return {header_->sectionViewportPosition(index.column()),
            (index.row() - firstRow()) * rowHeight_, header_->sectionSize(index.column()),
            rowHeight_};
}

QModelIndex ActionListView::indexAt(const QPoint& point) const {
    const int row = rowAtY(point.y());
    const int column = header_->logicalIndexAt(point.x());
    if (row < 0 || row >= rowCount() || column < 0) {
        return {};
    }
    return model()->index(row, column, rootIndex());
}

void ActionListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid()) {
        return;
    }
    const int row = index.row();
    const int shown = visibleRows();
    int first = firstRow();
    switch (hint) {
        case EnsureVisible:
            if (row < first) {
                first = row;
            } else if (row >= first + shown) {
                first = row - shown + 1;
            }
            break;
        case PositionAtTop:
            first = row;
            break;
        case PositionAtBottom:
            first = row - shown + 1;
            break;
        case PositionAtCenter:
            first = row - shown / 2;
            break;
    }
    verticalScrollBar()->setValue(first);
}

QModelIndex ActionListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers) {
    const int count = rowCount();
    if (count == 0) {
        return {};
    }
    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        return model()->index(0, 0, rootIndex());
    }
    int row = current.row();
    switch (cursorAction) {
        case MoveUp:
        case MovePrevious:
            --row;
            break;
        case MoveDown:
        case MoveNext:
            ++row;
            break;
        case MovePageUp:
            row -= visibleRows();
            break;
        case MovePageDown:
            row += visibleRows();
            break;
        case MoveHome:
            row = 0;
            break;
        case MoveEnd:
            row = count - 1;
            break;
        case MoveLeft:
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case MoveRight:
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
    }
    return model()->index(std::clamp(row, 0, count - 1), current.column(), rootIndex());
}

int ActionListView::horizontalOffset() const {
    return horizontalScrollBar()->value();
}

int ActionListView::verticalOffset() const {
    return firstRow() * rowHeight_;
}

void ActionListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    const int count = rowCount();
    const QRect area = rect.normalized();
    const int top = std::max(0, rowAtY(area.top()));
    const int bottom = std::min(count - 1, rowAtY(area.bottom()));
    QItemSelection selection;
    if (top <= bottom && model()->columnCount(rootIndex()) > 0) {
        selection.select(
            model()->index(top, 0, rootIndex()),
            model()->index(bottom, model()->columnCount(rootIndex()) - 1, rootIndex()));
    }
    selectionModel()->select(selection, command);
}

QRegion ActionListView::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    const int first = firstRow();
    const int last = first + visibleRows();
    for (const QItemSelectionRange& range : selection) {
        const int top = std::max(range.top(), first);
        const int bottom = std::min(range.bottom(), last);
        if (range.parent() == rootIndex() && top <= bottom) {
            region += QRect(0, (top - first) * rowHeight_, viewport()->width(),
                            (bottom - top + 1) * rowHeight_);
        }
    }
    return region;
}

void ActionListView::updateGeometries() {
    if (layingOut_) {
        return;
    }
    layingOut_ = true;
    const int headerHeight = header_->isHidden() ? 0 : header_->sizeHint().height();
    setViewportMargins(0, headerHeight, 0, 0);
    const QRect area = viewport()->geometry();
    header_->setGeometry(area.left(), area.top() - headerHeight, area.width(), headerHeight);

    const int shown = visibleRows();
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setPageStep(shown);
    verticalScrollBar()->setRange(0, std::max(0, rowCount() - shown));
    horizontalScrollBar()->setSingleStep(std::max(1, fontMetrics().averageCharWidth() * 2));
    horizontalScrollBar()->setPageStep(area.width());
    horizontalScrollBar()->setRange(0, std::max(0, header_->length() - area.width()));
    header_->setOffset(horizontalScrollBar()->value());
    QAbstractItemView::updateGeometries();
    layingOut_ = false;
}

void ActionListView::scrollContentsBy(int, int) {
    header_->setOffset(horizontalScrollBar()->value());
    viewport()->update();
}

void ActionListView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const int count = rowCount();
    const int columns = model() == nullptr ? 0 : model()->columnCount(rootIndex());
    const int first = firstRow();
    const int last =
        std::min(count - 1, first + (event->rect().bottom() + rowHeight_) / rowHeight_);
    const QModelIndex current = currentIndex();
    const bool active = isActiveWindow();

    QStyleOptionViewItem base;
    initViewItemOption(&base);
    base.state &= ~(QStyle::State_HasFocus | QStyle::State_Selected | QStyle::State_MouseOver);
    if (isEnabled()) {
        base.state |= QStyle::State_Enabled;
    }
    if (active) {
        base.state |= QStyle::State_Active;
    }
    base.palette.setCurrentColorGroup(!isEnabled() ? QPalette::Disabled
                                      : active     ? QPalette::Active
                                                   : QPalette::Inactive);
    for (int row = std::max(first, rowAtY(event->rect().top())); row <= last; ++row) {
        const int y = (row - first) * rowHeight_;
        const bool selected = selectionModel()->isRowSelected(row, rootIndex());
        for (int column = 0; column < columns; ++column) {
            if (header_->isSectionHidden(column)) {
                continue;
            }
            const QModelIndex index = model()->index(row, column, rootIndex());
            QStyleOptionViewItem option = base;
            option.rect = QRect(header_->sectionViewportPosition(column), y,
                                header_->sectionSize(column), rowHeight_);
            if (selected) {
                option.state |= QStyle::State_Selected;
            }
            itemDelegateForIndex(index)->paint(&painter, option, index);
        }
        // The focus frame goes round the whole row, as in a report view.
        if (row == current.row() && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = QRect(-horizontalOffset(), y, header_->length(), rowHeight_);
            focus.state |= QStyle::State_KeyboardFocusChange;
            focus.backgroundColor = palette().color(
                base.palette.currentColorGroup(), selected ? QPalette::Highlight : QPalette::Base);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
}

}  // namespace kestrune
