#pragma once

// lstAction's view: the list as a report, one action a row under the headers "Action" and
// "Details". Rows all have one height and the view is flat, so that finding, scrolling to and
// moving a row costs the same in a list of a million actions as in one of ten.

#include <QTableView>

namespace kestrune {

class ActionListView : public QTableView {
    Q_OBJECT
  public:
    explicit ActionListView(QWidget* parent = nullptr);

    // The column headers, as a report view calls them.
    QHeaderView* header() const { return horizontalHeader(); }

  protected:
    // Home and End go to the first and last action, not to the first and last column.
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
};

}  // namespace kestrune
