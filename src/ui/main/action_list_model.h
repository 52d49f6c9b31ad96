#pragma once

// The list view's window onto the one ActionList: three columns, "Action" (the kind, with
// the action's icon), "Details", and "Run if" (its condition), which the view shows between
// the other two, and hides while no action has one. It keeps no copy; every change to the
// list goes through here, or is wrapped in replaceAll(), so that the view hears of it.

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <functional>
#include <vector>

#include "core/action_list.h"

namespace kestrune {

class ActionListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // Details keep the place they had before actions had conditions.
    enum Column { ActionColumn = 0, DetailsColumn = 1, ConditionColumn = 2, ColumnCount = 3 };

    explicit ActionListModel(ActionList& list, QObject* parent = nullptr);

    const ActionList& list() const { return list_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // A change that may touch the whole list, such as a file read: the view starts afresh.
    void replaceAll(const std::function<void(ActionList&)>& change);
    void append(Action action);
    void clear();
    void removeAt(int row);
    // Swap with the neighbour; false when there is none.
    bool moveUp(int row);
    bool moveDown(int row);
    // Inserts the actions before row; at the end when row is the row count.
    void insertAt(int row, std::vector<Action> actions);
    void removeRange(int row, int count);
    // Takes the entry at from out and puts it at position to.
    bool move(int from, int to);
    // Puts action in the place of the entry at row.
    void replace(int row, Action action);
    // Tells the view that the entry at row changed in place.
    void changed(int row);

  private:
    QIcon iconFor(std::string_view iconKey) const;

    ActionList& list_;
    // One icon per key, so that each picture is drawn once per size.
    mutable QHash<QString, QIcon> icons_;
};

}  // namespace kestrune
