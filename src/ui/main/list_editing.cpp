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
#include "ui/main/undo_commands.h"

namespace kestrune {

namespace texts = main_texts;

void MainWindow::mnuRemove_Click() {
    if (const auto row = selectedRow()) {
        history_->push(removeStep(listEdit(), *row));
    }
    lstAction_GotFocus();
}

void MainWindow::mnuClear_Click() {
    if (actions_.empty()) {
        return;
    }
    const Answer answer =
        prompts_.message({texts::Tr(texts::message::kClearAll), Utf8Text(kAppTitle),
                          MessageButtons::YesNo, MessageIcon::Question, Answer::Yes});
    if (answer != Answer::Yes) {
        return;
    }
    history_->push(clearStep(listEdit(), selectedRow()));
}

void MainWindow::MoveActionUp() {
    moveSelected(true);
}

void MainWindow::MoveActionDown() {
    moveSelected(false);
}

void MainWindow::moveSelected(bool up) {
    const auto row = selectedRow();
    if (row) {
        ButtonHold button(action(up ? Command::Up : Command::Down, Route::Toolbar));
        // A move at either end moves nothing, and is still a change of the document.
        const int to = std::clamp(up ? *row - 1 : *row + 1, 0, model_->rowCount() - 1);
        history_->push(
            moveStep(listEdit(), *row, to, up ? undo_texts::kMoveUp : undo_texts::kMoveDown));
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
    showDocumentPath();
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
    const std::optional<std::string> share = ShareToRemember(*added);
    // A new entry goes to the end and leaves the selection alone, but the first one is
    // selected, so that Remove, Properties and the moves have their action.
    const int row = model_->rowCount();
    history_->push(insertStep(listEdit(), row, {*added}, undo_texts::kAdd, row == 0));
    if (share) {
        state_.shares.RememberShare(*share);
    }
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
    history_->push(replaceStep(listEdit(), static_cast<int>(*row), *changed));
}

}  // namespace kestrune
