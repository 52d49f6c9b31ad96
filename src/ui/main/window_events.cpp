// The main window's events: shortcuts meeting the menus' opening rules, the frame, coming
// back to the window, the mouse over the list, the background and the toolbar; and floating
// and docking the toolbar.

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QToolBar>
#include <algorithm>
#include <vector>

#include "platform/text_codec.h"
#include "ui/main/action_list_view.h"
#include "ui/main/floating_toolbar.h"
#include "ui/main/main_window.h"
#include "ui/main/status_help.h"

namespace kestrune {

namespace texts = main_texts;

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        const bool handled = QMainWindow::event(event);
        // Back from another program, which may have changed the document's file meanwhile.
        // Never over one of the program's own dialogs: the window becomes active again
        // once it is closed, and the file is looked at then.
        const QList<QDialog*> dialogs = findChildren<QDialog*>();
        const bool dialogShown = QApplication::activeModalWidget() != nullptr ||
                                 std::any_of(dialogs.begin(), dialogs.end(),
                                             [](const QDialog* d) { return d->isVisible(); });
        if (!dialogShown) {
            // The focus comes back first, as it would right after: the list taking it
            // brings the status text up to date, which must not cover what is told here.
            if (QWidget* focus = focusWidget(); focus != nullptr && !focus->hasFocus()) {
                focus->setFocus(Qt::ActiveWindowFocusReason);
            }
            documents_->noticeChangesOnDisk();
        }
        return handled;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // A shortcut first runs its menu's opening rule, so that it never reaches a command
        // the menu would show disabled, nor misses one the menu would now enable.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        const auto matches = [&](Command command) {
            return action(command, Route::Menu)->shortcut() == pressed;
        };
        if (matches(Command::Save)) {
            mnuFile_Click();
        }
        if (matches(Command::Remove) || matches(Command::Properties) || matches(Command::Make) ||
            matches(Command::ExecuteScript)) {
            mnuTools_Click();
        }
        if (matches(Command::Up) || matches(Command::Down)) {
            mnuEdit_Click();
        }
    } else if (event->type() == QEvent::Show || event->type() == QEvent::Move ||
               event->type() == QEvent::Resize) {
        // Once the frame is known, the window gets the outer size asked for at start.
        // A window that starts maximized gets it when it is first restored.
        const bool normal = !isMaximized() && !isMinimized() && !isFullScreen();
        if (normal && frameGeometry().size() != size()) {
            // The frame of the normal window: the one its stored size is measured with.
            normalFrame_ = frameGeometry().size() - size();
        }
        if (pendingOuterSize_ && frameGeometry().size() != size() && normal) {
            const QSize wanted = *pendingOuterSize_ - (frameGeometry().size() - size());
            pendingOuterSize_.reset();
            if (wanted.isValid()) {
                resize(wanted);
            }
        }
    }
    return QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) {
        return QMainWindow::eventFilter(watched, event);
    }
    QWidget* client = centralWidget();
    if (lstAction_ == nullptr) {
        // Still being built: children are being added, nothing to follow yet.
    } else if (widget == lstAction_->viewport()) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
                lstAction_MouseDown();
                break;
            case QEvent::MouseButtonRelease: {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                lstAction_MouseUp(mouse->button(), mouse->globalPosition().toPoint());
                break;
            }
            case QEvent::MouseButtonDblClick:
                if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                    lstAction_DblClick();
                }
                break;
            case QEvent::MouseMove:
                lstAction_MouseMove();
                break;
            default:
                break;
        }
    } else if (widget == lstAction_) {
        if (event->type() == QEvent::FocusIn) {
            lstAction_GotFocus();
        }
    } else if (widget == client) {
        if (event->type() == QEvent::Resize) {
            applyLayout();
        } else if (event->type() == QEvent::MouseMove ||
                   event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QWidget* child = client->childAt(mouse->position().toPoint());
            if (child == nullptr) {
                if (event->type() == QEvent::MouseMove) {
                    showDocumentPath();
                } else if (mouse->button() == Qt::RightButton) {
                    menu(MenuId::Tools)->popup(mouse->globalPosition().toPoint());
                }
            }
        }
    } else if (event->type() == QEvent::MouseMove &&
               (widget == toolbar_ || toolbar_->isAncestorOf(widget))) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        Toolbar_MouseMove(widget->mapTo(toolbar_, mouse->position().toPoint()).x());
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::Toolbar_MouseMove(int x) {
    std::vector<ButtonSpan> spans;
    const QList<QAction*> buttons = toolbar_->actions();
    // The toolbar holds its positions in order, gaps included.
    for (qsizetype i = 0; i < buttons.size() && i < qsizetype(kToolbarPositions.size()); ++i) {
        const QWidget* widget = toolbar_->widgetForAction(buttons[i]);
        if (widget == nullptr || !widget->isVisible()) {
            continue;
        }
        spans.push_back({kToolbarPositions[static_cast<std::size_t>(i)],
                         static_cast<double>(widget->x()), static_cast<double>(widget->width()),
                         buttons[i]->isEnabled()});
    }
    setStatusText(
        StatusHelp(CommandAtX(spans, x), state_.document.documentPath, actions_, selectedIndex()));
}

// --- the floating toolbar ------------------------------------------------------------------

FloatingToolbar* MainWindow::floatingToolbar() const {
    return floating_->existing();
}

bool MainWindow::floatingToolbarShown() const {
    return floating_->isShown();
}

void MainWindow::setUpFloatingToolbar(FloatingToolbar& tool) {
    connect(&tool, &FloatingToolbar::commandClicked, this,
            [this](Command command) { run(command, Route::FloatingToolbar); });
    if (const auto text = tool.Form_Load(actions_, selectedIndex())) {
        setStatusText(*text);
    }
}

void MainWindow::mnuToolbar_Click(Route route) {
    // Always a Float from the main toolbar: its button is only there while the toolbar is
    // docked, whatever caption the Tools menu was last left with.
    if (route == Route::Toolbar) {
        FloatToolbar();
        return;
    }
    // The menu item decides by its caption at the moment of the click.
    const QString caption = action(Command::Toolbar, Route::Menu)->text();
    if (caption == texts::Tr(texts::kDockToolbar)) {
        DockToolbar();
    } else if (caption == CommandText(RowOf(Command::Toolbar).menuCaption)) {
        FloatToolbar();
    }
}

QPoint MainWindow::floatingPlace() {
    // Just above the window, or else beside it, where the screen has room: there it covers
    // none of the list. Otherwise where the toolbar was.
    const QPoint toolbarPlace = toolbar_->mapToGlobal(QPoint(0, 0));
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return toolbarPlace;
    }
    const QRect frame = frameGeometry();
    // Its own frame isn't known before it is first shown; the window's is near enough.
    const QSize tool = floating_->window().frameGeometry().size() + (frame.size() - size());
    const QRect room = screen->availableGeometry();
    for (const QPoint place : {QPoint(frame.left(), frame.top() - tool.height()),
                               QPoint(frame.right() + 1, frame.top())}) {
        if (room.contains(QRect(place, tool))) {
            return place;
        }
    }
    return toolbarPlace;
}

void MainWindow::FloatToolbar() {
    const QPoint topLeft = floatingPlace();
    toolbar_->hide();
    layout_ = FloatedLayout(layout_);
    applyLayout();
    floating_->Float(topLeft);
    // A window made hidden earlier still names the action selected back then; once shown it
    // names the one selected now.
    UpdateCommandState();
}

void MainWindow::DockToolbar() {
    floating_->Dock();
}

void MainWindow::afterDock() {
    layout_ = DockedLayout(layout_);
    toolbar_->show();
    applyLayout();
}

}  // namespace kestrune
