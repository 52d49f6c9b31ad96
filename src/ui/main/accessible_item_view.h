#pragma once

// What assistive technology reads of the flat views: the action list as a table under its
// column headers, the script view as a list of lines. Their cells are made when asked for and
// only the last few hundred asked for are kept, so that a list of a million actions costs
// no more to read than one of ten; a change of the list's rows lets them all go, since a cell
// is known by its place.

#include <QAccessibleWidget>
#include <QHash>
#include <QModelIndex>
#include <QPointer>
#include <cstddef>
#include <deque>
#include <vector>

namespace kestrune {

class ActionListView;

// Makes the flat views known to Qt's accessibility; once is enough, more is harmless.
void InstallAccessibleItemViews();

class AccessibleItemView : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    // How many cells are kept at most: a screenful or two, whatever the list's length.
    static constexpr std::size_t kKeptCells = 256;

    explicit AccessibleItemView(ActionListView* view);

    // The index among the view's children of the cell at row and the model's column, as
    // events name it; -1 for a column that isn't shown.
    static int childIndex(const ActionListView& view, int row, int column);
    // The cells kept at the moment.
    std::size_t keptCells() const { return order_.size(); }

    QAccessible::Role role() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    // The header cell above a column; null without shown headers.
    QAccessibleInterface* headerCell(int column) const;

  protected:
    ~AccessibleItemView() override;

  private:
    ActionListView* view() const;
    void dropCells() const;

    // The kept cells by place, and the order they were made in.
    mutable QHash<quint64, QAccessible::Id> cells_;
    mutable std::deque<quint64> order_;
    mutable std::vector<QAccessible::Id> headers_;
};

// One cell of a flat view, or (row -1) the header above a column. It is known by its place
// and reads the view when asked, so that a kept cell never says what is no longer there.
class AccessibleViewCell : public QAccessibleInterface,
                           public QAccessibleTableCellInterface,
                           public QAccessibleActionInterface {
  public:
    AccessibleViewCell(ActionListView* view, int row, int column);

    int row() const { return row_; }
    int column() const { return column_; }
    const ActionListView* view() const { return view_; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

    QStringList actionNames() const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QModelIndex index() const;

    QPointer<ActionListView> view_;
    int row_;
    int column_;
};

}  // namespace kestrune
