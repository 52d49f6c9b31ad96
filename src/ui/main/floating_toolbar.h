#pragma once

// frmTool: the main toolbar taken out of the main window into a small tool window of its
// own. Its toolbar has the main toolbar's keys and pictures, shorter tooltips, blank
// placeholders for the gaps, and tells its owner by signal which command was clicked. The
// owner keeps it in step through its command state; closing it, by its close box or its
// "ToolbarBut" button, docks the toolbar again.

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ui/main/command_state.h"
#include "ui/main/command_table.h"
#include "ui/main/window_layout.h"

class QToolBar;

namespace kestrune {

class ActionList;

// The window's client area, in twips; it grows where the platform's buttons need more.
inline constexpr double kFloatingWidth = 4050;
inline constexpr double kFloatingHeight = 375;

// Where the list starts with the toolbar in the main window and while it floats, and how
// much taller the list is while the toolbar's band is free.
inline constexpr double kDockedListTop = 600;
inline constexpr double kFloatingListTop = 240;
inline constexpr double kToolbarBand = 360;

// The main window's layout once the toolbar floats, and once it is docked again.
MainLayout FloatedLayout(MainLayout layout);
MainLayout DockedLayout(MainLayout layout);

class FloatingToolbar : public QWidget {
    Q_OBJECT
  public:
    // Built hidden, titled "Toolbar", owned by owner: it stays above it, is minimized with
    // it and is not shown in the taskbar. It is deleted once closed.
    explicit FloatingToolbar(QWidget* owner);

    // The load steps: with actions in the list, the selected one's kind, " -- " and its
    // Details become the title, and are returned for the owner's status text. With none,
    // the title stays as it is and nothing is returned.
    std::optional<QString> Form_Load(const ActionList& list,
                                     std::optional<std::size_t> selectedRow);

    // The owner's command state: the buttons' enabling, and the caption ("Toolbar", or the
    // selected action's text).
    void applyCommandState(const CommandState& state, const QString& selectedActionText);

    QToolBar* toolbar() const { return toolbar_; }
    // The button of a command; null for a command the toolbar doesn't offer.
    QAction* button(Command command) const { return buttons_[IndexOf(command)]; }

    // Runs the button of that command: "ToolbarBut" closes the window, the others go to the
    // owner. A command without a button does nothing.
    void Toolbar_ButtonClick(Command command);

  signals:
    void commandClicked(kestrune::Command command);
    // The window is closing, whatever closed it: the owner docks its toolbar.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildToolbar();
    void returnFocus();

    QToolBar* toolbar_ = nullptr;
    std::array<QAction*, kCommandCount> buttons_{};
};

// The floating toolbar as its owner sees it: not created, created but hidden, or shown.
class FloatingToolbarHolder : public QObject {
    Q_OBJECT
  public:
    // setUp runs on every new window before anything else touches it: the owner connects
    // the buttons to its commands there and runs the window's load steps.
    FloatingToolbarHolder(QWidget* owner, std::function<void(FloatingToolbar&)> setUp);

    // The window when it exists, else null.
    FloatingToolbar* existing() const { return window_; }
    // The window, created hidden when it doesn't exist.
    FloatingToolbar& window();
    bool isShown() const;

    // Shows the window, creating it when needed. A new window is placed with its top left
    // corner at topLeft (global); one that exists keeps its place and its title.
    void Float(const QPoint& topLeft);
    // Closes the window; docked follows.
    void Dock();

  signals:
    // The window has closed and is gone: the owner shows its own toolbar again.
    void docked();

  private:
    QWidget* owner_;
    std::function<void(FloatingToolbar&)> setUp_;
    QPointer<FloatingToolbar> window_;
    bool placed_ = false;  // the window has been shown somewhere since it was created
};

}  // namespace kestrune
