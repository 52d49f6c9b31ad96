#include "ui/main/list_drag.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFrame>
#include <QMouseEvent>

namespace kestrune {

ListDragMover::ListDragMover(QAbstractItemView* view)
    : QObject(view), view_(view), viewport_(view->viewport()), marker_(new QFrame(viewport_)) {
    marker_->setObjectName(QStringLiteral("dropMarker"));
    marker_->setFrameShape(QFrame::HLine);
    marker_->setLineWidth(2);
    marker_->hide();
    viewport_->installEventFilter(this);
}

int ListDragMover::targetAt(QPoint pos) const {
    const QModelIndex under = view_->indexAt(pos);
    const int count = view_->model()->rowCount();
    if (under.isValid()) {
        return under.row();
    }
    // Above the first row or below the last: that end.
    return pos.y() < 0 ? 0 : count - 1;
}

void ListDragMover::showMarker(int from, int to) {
    const QRect row = view_->visualRect(view_->model()->index(to, 0));
    // Above the row it displaces when going up, below it when going down.
    const int y = to <= from ? row.top() : row.bottom();
    marker_->setGeometry(0, y - 1, view_->viewport()->width(), 3);
    marker_->setVisible(to != from);
    marker_->raise();
}

void ListDragMover::stop() {
    pressed_.reset();
    if (dragging_) {
        view_->viewport()->unsetCursor();
    }
    dragging_ = false;
    marker_->hide();
}

bool ListDragMover::eventFilter(QObject* watched, QEvent* event) {
    if (watched != viewport_) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            stop();
            const QModelIndex index = view_->indexAt(mouse->position().toPoint());
            if (mouse->button() == Qt::LeftButton && index.isValid()) {
                pressed_ = index.row();
                pressPos_ = mouse->position().toPoint();
            }
            break;
        }
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!pressed_ || !(mouse->buttons() & Qt::LeftButton)) {
                break;
            }
            const QPoint pos = mouse->position().toPoint();
            if (!dragging_ &&
                (pos - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
                dragging_ = true;
                view_->viewport()->setCursor(Qt::DragMoveCursor);
            }
            if (dragging_) {
                showMarker(*pressed_, targetAt(pos));
            }
            // The selection stays on the pressed action rather than following the mouse.
            return true;
        }
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (dragging_ && mouse->button() == Qt::LeftButton) {
                const int from = *pressed_;
                const int to = targetAt(mouse->position().toPoint());
                stop();
                if (from != to) {
                    emit moveRequested(from, to);
                }
            } else {
                stop();
            }
            break;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kestrune
