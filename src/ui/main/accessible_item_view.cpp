#include "ui/main/accessible_item_view.h"

#include <QHeaderView>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <climits>
#include <utility>

#include "ui/main/action_list_view.h"

namespace kestrune {

namespace {

QAccessibleInterface* makeInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(ActionListView::staticMetaObject.className())) {
        return nullptr;
    }
    auto* view = qobject_cast<ActionListView*>(object);
    return view == nullptr ? nullptr : new AccessibleItemView(view);
}

bool readAsTable(const ActionListView& view) {
    return view.readAs() == ActionListView::ReadAs::Table;
}

// A row of header cells above the others while the headers are shown.
int headerRows(const ActionListView& view) {
    return readAsTable(view) && !view.header()->isHidden() ? 1 : 0;
}

int rowsOf(const ActionListView& view) {
    return view.model() == nullptr ? 0 : view.model()->rowCount(view.rootIndex());
}

// The columns as the user sees them: those shown, in the header's order. A cell is known by
// its shown column; the model by its own.
int columnsOf(const ActionListView& view) {
    if (view.model() == nullptr) {
        return 0;
    }
    const QHeaderView& header = *view.header();
    return header.count() - header.hiddenSectionCount();
}

int modelColumn(const ActionListView& view, int shown) {
    const QHeaderView& header = *view.header();
    for (int visual = 0; visual < header.count(); ++visual) {
        const int logical = header.logicalIndex(visual);
        if (!header.isSectionHidden(logical) && shown-- == 0) {
            return logical;
        }
    }
    return -1;
}

// -1 for a column that isn't shown.
int shownColumn(const ActionListView& view, int logical) {
    const QHeaderView& header = *view.header();
    if (logical < 0 || logical >= header.count() || header.isSectionHidden(logical)) {
        return -1;
    }
    int shown = 0;
    for (int visual = 0; visual < header.visualIndex(logical); ++visual) {
        shown += header.isSectionHidden(header.logicalIndex(visual)) ? 0 : 1;
    }
    return shown;
}

int shownChild(const ActionListView& view, int row, int column) {
    const qint64 index = (static_cast<qint64>(row) + headerRows(view)) * columnsOf(view) + column;
    return index > INT_MAX ? -1 : static_cast<int>(index);
}

quint64 placeKey(int row, int column) {
    return (static_cast<quint64>(static_cast<quint32>(row)) << 32) | static_cast<quint32>(column);
}

// Lets an interface go unless the cache has let it go already (as it does at the end).
void release(QAccessible::Id id) {
    if (QAccessible::accessibleInterface(id) != nullptr) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

}  // namespace

void InstallAccessibleItemViews() {
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    (void)installed;
}

// --- the view ----------------------------------------------------------------------------

AccessibleItemView::AccessibleItemView(ActionListView* view)
    : QAccessibleWidget(view, QAccessible::Table) {}

AccessibleItemView::~AccessibleItemView() {
    dropCells();
}

ActionListView* AccessibleItemView::view() const {
    return static_cast<ActionListView*>(widget());
}

int AccessibleItemView::childIndex(const ActionListView& view, int row, int column) {
    const int shown = shownColumn(view, column);
    return shown < 0 ? -1 : shownChild(view, row, shown);
}

QAccessible::Role AccessibleItemView::role() const {
    return readAsTable(*view()) ? QAccessible::Table : QAccessible::List;
}

int AccessibleItemView::childCount() const {
    const qint64 count =
        (static_cast<qint64>(rowsOf(*view())) + headerRows(*view())) * columnsOf(*view());
    return static_cast<int>(std::min<qint64>(count, INT_MAX));
}

QAccessibleInterface* AccessibleItemView::child(int index) const {
    const int columns = columnsOf(*view());
    if (index < 0 || columns == 0) {
        return nullptr;
    }
    const int row = index / columns - headerRows(*view());
    return row < 0 ? headerCell(index % columns) : cellAt(row, index % columns);
}

int AccessibleItemView::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const AccessibleViewCell*>(child);
    if (cell == nullptr || cell->view() != view() || !cell->isValid()) {
        return -1;
    }
    return shownChild(*view(), cell->row(), cell->column());
}

QAccessibleInterface* AccessibleItemView::childAt(int x, int y) const {
    const QPoint global(x, y);
    QHeaderView* header = view()->header();
    if (headerRows(*view()) > 0 && header->rect().contains(header->mapFromGlobal(global))) {
        return headerCell(
            shownColumn(*view(), header->logicalIndexAt(header->mapFromGlobal(global))));
    }
    const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(global));
    return index.isValid() ? cellAt(index.row(), shownColumn(*view(), index.column())) : nullptr;
}

QAccessibleInterface* AccessibleItemView::focusChild() const {
    const QModelIndex current = view()->currentIndex();
    if (!view()->hasFocus() || !current.isValid()) {
        return nullptr;
    }
    return cellAt(current.row(), std::max(0, shownColumn(*view(), current.column())));
}

void* AccessibleItemView::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* AccessibleItemView::cellAt(int row, int column) const {
    if (row < 0 || column < 0 || row >= rowsOf(*view()) || column >= columnsOf(*view())) {
        return nullptr;
    }
    const quint64 key = placeKey(row, column);
    if (const auto kept = cells_.constFind(key); kept != cells_.constEnd()) {
        if (QAccessibleInterface* cell = QAccessible::accessibleInterface(*kept)) {
            return cell;
        }
    }
    auto* cell = new AccessibleViewCell(view(), row, column);
    cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
    order_.push_back(key);
    // The oldest go; the one just made, last in line, stays.
    while (order_.size() > kKeptCells) {
        release(cells_.take(order_.front()));
        order_.pop_front();
    }
    return cell;
}

QAccessibleInterface* AccessibleItemView::headerCell(int column) const {
    if (headerRows(*view()) == 0 || column < 0 || column >= columnsOf(*view())) {
        return nullptr;
    }
    if (headers_.size() <= static_cast<std::size_t>(column)) {
        headers_.resize(static_cast<std::size_t>(column) + 1, 0);
    }
    QAccessible::Id& id = headers_[static_cast<std::size_t>(column)];
    if (QAccessibleInterface* kept = id == 0 ? nullptr : QAccessible::accessibleInterface(id)) {
        return kept;
    }
    auto* cell = new AccessibleViewCell(view(), -1, column);
    id = QAccessible::registerAccessibleInterface(cell);
    return cell;
}

void AccessibleItemView::dropCells() const {
    for (const QAccessible::Id id : std::as_const(cells_)) {
        release(id);
    }
    for (const QAccessible::Id id : headers_) {
        if (id != 0) {
            release(id);
        }
    }
    cells_.clear();
    order_.clear();
    headers_.clear();
}

void AccessibleItemView::modelChange(QAccessibleTableModelChangeEvent* event) {
    // A cell reads its place afresh each time, but a screen reader may remember what it
    // said: the cells of rows changed in place go, and all of them once rows come, go or
    // move.
    if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged) {
        dropCells();
        return;
    }
    std::erase_if(order_, [this, event](quint64 key) {
        const int row = static_cast<int>(key >> 32);
        if (row < event->firstRow() || row > event->lastRow()) {
            return false;
        }
        release(cells_.take(key));
        return true;
    });
}

QString AccessibleItemView::columnDescription(int column) const {
    if (view()->model() == nullptr) {
        return {};
    }
    return view()->model()->headerData(modelColumn(*view(), column), Qt::Horizontal).toString();
}

int AccessibleItemView::columnCount() const {
    return columnsOf(*view());
}

int AccessibleItemView::rowCount() const {
    return rowsOf(*view());
}

// The selection is of one row, whole: its ranges are walked, never its cells one by one.
QList<int> AccessibleItemView::selectedRows() const {
    QList<int> rows;
    if (const QItemSelectionModel* selection = view()->selectionModel()) {
        for (const QItemSelectionRange& range : selection->selection()) {
            if (range.parent() == view()->rootIndex() && range.left() == 0 &&
                range.right() == view()->model()->columnCount(view()->rootIndex()) - 1) {
                for (int row = range.top(); row <= range.bottom(); ++row) {
                    rows.append(row);
                }
            }
        }
    }
    return rows;
}

int AccessibleItemView::selectedRowCount() const {
    return static_cast<int>(selectedRows().size());
}

int AccessibleItemView::selectedCellCount() const {
    return selectedRowCount() * columnsOf(*view());
}

QList<QAccessibleInterface*> AccessibleItemView::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (const int row : selectedRows()) {
        for (int column = 0; column < columnsOf(*view()); ++column) {
            cells.append(cellAt(row, column));
        }
    }
    return cells;
}

bool AccessibleItemView::isRowSelected(int row) const {
    const QItemSelectionModel* selection = view()->selectionModel();
    return selection != nullptr && selection->isRowSelected(row, view()->rootIndex());
}

bool AccessibleItemView::selectRow(int row) {
    if (view()->selectionMode() == QAbstractItemView::NoSelection || row < 0 ||
        row >= rowsOf(*view())) {
        return false;
    }
    // As a click on the row would: it becomes the current row and the selection.
    view()->setCurrentIndex(view()->model()->index(row, 0, view()->rootIndex()));
    return true;
}

// --- a cell ------------------------------------------------------------------------------

AccessibleViewCell::AccessibleViewCell(ActionListView* view, int row, int column)
    : view_(view), row_(row), column_(column) {}

QModelIndex AccessibleViewCell::index() const {
    if (view_ == nullptr || view_->model() == nullptr || row_ < 0) {
        return {};
    }
    return view_->model()->index(row_, modelColumn(*view_, column_), view_->rootIndex());
}

bool AccessibleViewCell::isValid() const {
    if (view_ == nullptr || view_->model() == nullptr) {
        return false;
    }
    return column_ < columnsOf(*view_) && (row_ < 0 ? headerRows(*view_) > 0 : index().isValid());
}

QWindow* AccessibleViewCell::window() const {
    return view_ == nullptr ? nullptr : view_->window()->windowHandle();
}

QAccessibleInterface* AccessibleViewCell::parent() const {
    return table();
}

QAccessibleInterface* AccessibleViewCell::table() const {
    return QAccessible::queryAccessibleInterface(view_.data());
}

QAccessible::Role AccessibleViewCell::role() const {
    if (row_ < 0) {
        return QAccessible::ColumnHeader;
    }
    return view_ != nullptr && readAsTable(*view_) ? QAccessible::Cell : QAccessible::ListItem;
}

QString AccessibleViewCell::text(QAccessible::Text t) const {
    if (!isValid() || (t != QAccessible::Name && t != QAccessible::Description)) {
        return {};
    }
    const QAbstractItemModel& model = *view_->model();
    const bool name = t == QAccessible::Name;
    if (row_ < 0) {
        return name ? model.headerData(modelColumn(*view_, column_), Qt::Horizontal).toString()
                    : QString();
    }
    if (!name) {
        return model.data(index(), Qt::AccessibleDescriptionRole).toString();
    }
    const QString spoken = model.data(index(), Qt::AccessibleTextRole).toString();
    return spoken.isEmpty() ? model.data(index(), Qt::DisplayRole).toString() : spoken;
}

QRect AccessibleViewCell::rect() const {
    if (!isValid()) {
        return {};
    }
    if (row_ < 0) {
        const QHeaderView* header = view_->header();
        const int logical = modelColumn(*view_, column_);
        return {header->mapToGlobal(QPoint(header->sectionViewportPosition(logical), 0)),
                QSize(header->sectionSize(logical), header->height())};
    }
    const QRect shown = view_->visualRect(index());
    return {view_->viewport()->mapToGlobal(shown.topLeft()), shown.size()};
}

QAccessible::State AccessibleViewCell::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.disabled = !view_->isEnabled();
    state.invisible = !view_->isVisible();
    if (row_ < 0) {
        return state;
    }
    const QModelIndex place = index();
    state.offscreen = !view_->viewport()->rect().intersects(view_->visualRect(place));
    state.focusable = true;
    state.focused = view_->hasFocus() && view_->currentIndex() == place;
    state.selectable = view_->selectionMode() != QAbstractItemView::NoSelection &&
                       (place.flags() & Qt::ItemIsSelectable);
    state.selected = isSelected();
    return state;
}

void* AccessibleViewCell::interface_cast(QAccessible::InterfaceType type) {
    if (row_ < 0) {
        return nullptr;
    }
    if (type == QAccessible::TableCellInterface) {
        return static_cast<QAccessibleTableCellInterface*>(this);
    }
    if (type == QAccessible::ActionInterface) {
        return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
}

bool AccessibleViewCell::isSelected() const {
    const QModelIndex place = index();
    return place.isValid() && view_->selectionModel() != nullptr &&
           view_->selectionModel()->isSelected(place);
}

QList<QAccessibleInterface*> AccessibleViewCell::columnHeaderCells() const {
    auto* owner = dynamic_cast<AccessibleItemView*>(table());
    QAccessibleInterface* header = owner == nullptr ? nullptr : owner->headerCell(column_);
    return header == nullptr ? QList<QAccessibleInterface*>() : QList{header};
}

QStringList AccessibleViewCell::actionNames() const {
    return {setFocusAction()};
}

void AccessibleViewCell::doAction(const QString& name) {
    if (name != setFocusAction() || !isValid()) {
        return;
    }
    // As a click on it: the current cell (and in the list the selected row) of the view.
    view_->setFocus(Qt::OtherFocusReason);
    view_->setCurrentIndex(index());
}

}  // namespace kestrune
