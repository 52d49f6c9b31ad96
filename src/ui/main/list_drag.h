#pragma once

// Reordering the list with the mouse: press on an action, drag it further than the
// platform's drag distance and let go over another action; it takes that action's place.
// A line shows where it will land. The move itself is the window's, as one undo step.

#include <QObject>
#include <QPoint>
#include <optional>

class QAbstractItemView;
class QFrame;

namespace kestrune {

class ListDragMover : public QObject {
    Q_OBJECT
  public:
    explicit ListDragMover(QAbstractItemView* view);

  signals:
    void moveRequested(int from, int to);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Where the dragged action lands with the mouse at pos (in the viewport).
    int targetAt(QPoint pos) const;
    void showMarker(int from, int to);
    void stop();

    QAbstractItemView* view_;
    // Kept from the start: while the view is taken down its events still come here, and it
    // is no item view any more by then.
    QWidget* viewport_;
    QFrame* marker_;
    std::optional<int> pressed_;
    QPoint pressPos_;
    bool dragging_ = false;
};

}  // namespace kestrune
