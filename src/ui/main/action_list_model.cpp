#include "ui/main/action_list_model.h"

#include <algorithm>

#include "platform/text_codec.h"
#include "ui/main/images.h"
#include "ui/main/main_texts.h"

namespace kestrune {

ActionListModel::ActionListModel(ActionList& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list) {}

int ActionListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.size());
}

int ActionListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ActionListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const ActionRef action = list_[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            // The kind by its label in the user's language; the condition and the Details as
            // the file has them.
            switch (index.column()) {
                case ActionColumn:
                    return KindLabel(action.kind);
                case ConditionColumn:
                    return FromCp1252(action.condition);
                default:
                    return FromCp1252(action.details);
            }
        case Qt::DecorationRole:
            if (index.column() == ActionColumn) {
                return iconFor(action.iconKey);
            }
            break;
        default:
            break;
    }
    return {};
}

QVariant ActionListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
        case ActionColumn:
            return main_texts::Tr(main_texts::kActionColumn);
        case ConditionColumn:
            return main_texts::Tr(main_texts::kConditionColumn);
        case DetailsColumn:
            return main_texts::Tr(main_texts::kDetailsColumn);
        default:
            break;
    }
    return {};
}

QIcon ActionListModel::iconFor(std::string_view iconKey) const {
    const QString key = QString::fromUtf8(iconKey.data(), static_cast<qsizetype>(iconKey.size()));
    auto found = icons_.constFind(key);
    if (found == icons_.constEnd()) {
        found = icons_.insert(key, ListIcon(iconKey));
    }
    return *found;
}

void ActionListModel::replaceAll(const std::function<void(ActionList&)>& change) {
    beginResetModel();
    change(list_);
    endResetModel();
}

void ActionListModel::append(Action action) {
    const int row = rowCount();
    beginInsertRows({}, row, row);
    list_.append(action);
    endInsertRows();
}

void ActionListModel::clear() {
    if (list_.empty()) {
        return;
    }
    beginRemoveRows({}, 0, rowCount() - 1);
    list_.clear();
    endRemoveRows();
}

void ActionListModel::removeAt(int row) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    beginRemoveRows({}, row, row);
    list_.removeAt(static_cast<std::size_t>(row));
    endRemoveRows();
}

bool ActionListModel::moveUp(int row) {
    if (row <= 0 || row >= rowCount()) {
        return false;
    }
    // Moving the row above to just below this one keeps the selection on the moved entry.
    beginMoveRows({}, row - 1, row - 1, {}, row + 1);
    list_.moveUp(static_cast<std::size_t>(row));
    endMoveRows();
    return true;
}

bool ActionListModel::moveDown(int row) {
    if (row < 0 || row + 1 >= rowCount()) {
        return false;
    }
    beginMoveRows({}, row, row, {}, row + 2);
    list_.moveDown(static_cast<std::size_t>(row));
    endMoveRows();
    return true;
}

void ActionListModel::insertAt(int row, std::vector<Action> actions) {
    if (row < 0 || row > rowCount() || actions.empty()) {
        return;
    }
    beginInsertRows({}, row, row + static_cast<int>(actions.size()) - 1);
    list_.insert(static_cast<std::size_t>(row), actions);
    endInsertRows();
}

void ActionListModel::removeRange(int row, int count) {
    if (row < 0 || count <= 0 || row + count > rowCount()) {
        return;
    }
    beginRemoveRows({}, row, row + count - 1);
    list_.removeRange(static_cast<std::size_t>(row), static_cast<std::size_t>(count));
    endRemoveRows();
}

bool ActionListModel::move(int from, int to) {
    if (from < 0 || to < 0 || from >= rowCount() || to >= rowCount()) {
        return false;
    }
    if (from == to) {
        return true;
    }
    if (from - to == 1 || to - from == 1) {
        // Neighbours swap: two rows change, which a view redraws without relaying out the
        // rest as a move makes it do. The caller selects the moved entry again.
        list_.move(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
        emit dataChanged(index(std::min(from, to), 0), index(std::max(from, to), ColumnCount - 1));
        return true;
    }
    // The view is told where the row goes among the rows as they are before the move.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    list_.move(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    endMoveRows();
    return true;
}

void ActionListModel::replace(int row, Action action) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    list_.replace(static_cast<std::size_t>(row), action);
    changed(row);
}

void ActionListModel::changed(int row) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

}  // namespace kestrune
