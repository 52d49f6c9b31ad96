#pragma once

// lstAction's view: the list as a report, one action a row under the column headers "Action"
// and "Details". Every row has the same height and the view keeps nothing per row, so that
// finding, scrolling to, moving and removing a row costs the same in a list of a million
// actions as in one of ten.

#include <QAbstractItemView>
#include <QAccessible>

class QHeaderView;

namespace kestrune {

class ActionListView : public QAbstractItemView {
    Q_OBJECT
  public:
    explicit ActionListView(QWidget* parent = nullptr);

    // How assistive technology reads the view: a table under its column headers, or lines.
    enum class ReadAs { Table, Lines };
    ReadAs readAs() const { return readAs_; }
    void setReadAs(ReadAs readAs) { readAs_ = readAs; }

    // The column headers above the rows.
    QHeaderView* header() const { return header_; }

    void setModel(QAbstractItemModel* model) override;
    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;

  protected:
    // Home and End go to the first and last action; the arrows and pages by rows.
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex&) const override { return false; }
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    // The focus frame is the whole row's: it is drawn again whole.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    // Assistive technology hears of the row that leaves the selection and the one that joins.
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // A new font gives rows a new height.
    void changeEvent(QEvent* event) override;

    // Room above and below a row's text or icon, in pixels.
    void setRowPadding(int pixels);

  private:
    int rowCount() const;
    int firstRow() const;
    // How many whole rows the viewport shows, at least one.
    int visibleRows() const;
    // The row at y in the viewport, unclamped.
    int rowAtY(int y) const;
    void updateRow(int row);
    void listChanged();

    void fitRowHeight();
    // Tells assistive technology of that event on the cells of a row, or on the current cell.
    void announce(QAccessible::Event event, const QModelIndex& index);
    void announceRow(QAccessible::Event event, const QItemSelection& rows);

    QHeaderView* header_;
    int rowPadding_ = 4;
    int rowHeight_ = 0;
    bool layingOut_ = false;
    ReadAs readAs_ = ReadAs::Table;
};

}  // namespace kestrune
