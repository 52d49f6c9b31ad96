// The main window's list editing: Remove, Clear, the moves, the list's own mouse events, and
// the action editor's Add and Properties.

#include <QMenu>
#include <QString>
#include <algorithm>

#include "core/action_builders.h"
#include "core/document.h"
#include "platform/prompts.h"
#include "platform/text_codec.h"
#include "ui/editor/action_editor.h"
#include "ui/main/action_list_model.h"
#include "ui/main/button_hold.h"
#include "ui/main/main_texts.h"
#include "ui/main/main_window.h"

namespace kestrune {

namespace texts = main_texts;

void MainWindow::mnuRemove_Click() {
    state_.document.markModified();
    if (const auto row = selectedRow()) {
        model_->removeAt(*row);
        // The entry that took its place is selected, or the new last one.
        if (!actions_.empty()) {
            selectRow(std::min(*row, model_->rowCount() - 1));
        }
    }
    lstAction_GotFocus();
}

void MainWindow::mnuClear_Click() {
    if (actions_.empty()) {
        return;
    }
    const Answer answer =
        prompts_.message({Utf8Text(texts::message::kClearAll), Utf8Text(kAppTitle),
                          MessageButtons::YesNo, MessageIcon::Question, Answer::Yes});
    if (answer != Answer::Yes) {
        return;
    }
    model_->clear();
    UpdateCommandState();
    state_.document.markModified();
}

void MainWindow::MoveActionUp() {
    moveSelected(true);
}

void MainWindow::MoveActionDown() {
    moveSelected(false);
}

void MainWindow::moveSelected(bool up) {
    state_.document.markModified();
    const auto row = selectedRow();
    if (row) {
        ButtonHold button(action(up ? Command::Up : Command::Down, Route::Toolbar));
        // In place: the entry keeps its key, kind, Details and icon, and the view follows.
        const bool moved = up ? model_->moveUp(*row) : model_->moveDown(*row);
        if (moved) {
            selectRow(up ? *row - 1 : *row + 1);
        }
    }
    UpdateCommandState();
}

void MainWindow::lstAction_MouseDown() {
    // popUpTool lives in the menu bar only to be popped up; it never shows there.
    menu(MenuId::PopUp)->menuAction()->setVisible(false);
    UpdateCommandState();
}

void MainWindow::lstAction_MouseUp(Qt::MouseButton button, const QPoint& globalPos) {
    QMenu* popUp = menu(MenuId::PopUp);
    popUp->menuAction()->setVisible(false);
    UpdateCommandState();
    if (button == Qt::RightButton) {
        popUp->popup(globalPos);
    }
}

void MainWindow::lstAction_MouseMove() {
    setStatusText(state_.document.documentPath);
}

// --- the action editor ---------------------------------------------------------------------

EditorContext MainWindow::editorContext() {
    return EditorContext{actions_, state_.shares, prompts_};
}

void MainWindow::mnuAdd_Click() {
    const std::optional<Action> added = AddAction(editorContext(), this);
    if (!added) {
        return;
    }
    const bool wasEmpty = actions_.empty();
    const std::optional<std::string> share = ShareToRemember(*added);
    model_->append(*added);
    if (share) {
        state_.shares.RememberShare(*share);
    }
    state_.document.markModified();
    // A new entry goes to the end and leaves the selection alone, but the first one must be
    // selected, so that Remove, Properties and the moves have their action.
    if (wasEmpty) {
        selectRow(0);
    }
    UpdateCommandState();
}

void MainWindow::mnuProps_Click() {
    if (actions_.empty()) {
        return;
    }
    const std::optional<std::size_t> row = selectedIndex();
    const std::optional<Action> changed = EditAction(editorContext(), row, this);
    if (!changed) {
        return;
    }
    model_->replace(static_cast<int>(*row), *changed);
    state_.document.markModified();
    UpdateCommandState();
}

}  // namespace kestrune
