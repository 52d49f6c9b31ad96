// The window's side of Check Script: one dialog at a time, not modal, its check stopped
// by whatever makes it pointless, and its report's rows selecting their actions by key.

#include "core/cp1252_text.h"
#include "ui/main/main_window.h"

namespace kestrune {

namespace texts = main_texts;

// Not modal: the list stays usable while the servers are asked, the check working on a copy
// of it. One dialog at a time: asked for again, it stops the check it runs and comes forward.
void MainWindow::mnuCheck_Click() {
    if (actions_.empty()) {
        return;
    }
    if (checkDialog_ == nullptr) {
        checkDialog_ =
            new CheckDialog([this] { return actions_; }, settings_, this, checkBackends_);
        checkDialog_->setAttribute(Qt::WA_DeleteOnClose);
        connect(checkDialog_, &CheckDialog::actionActivated, this,
                [this](int row, ItemKey key) { selectChecked(key, row); });
    }
    checkDialog_->show();
    checkDialog_->raise();
    checkDialog_->activateWindow();
}

void MainWindow::cancelCheck() {
    if (checkDialog_ != nullptr) {
        checkDialog_->cancelCheck();
    }
}

void MainWindow::selectChecked(ItemKey key, int row) {
    // Most often the action is where it was when the check began.
    const auto found = [this, key, row]() -> std::optional<std::size_t> {
        if (static_cast<std::size_t>(row) < actions_.size() &&
            actions_.keyAt(static_cast<std::size_t>(row)) == key) {
            return static_cast<std::size_t>(row);
        }
        for (std::size_t i = 0; i < actions_.size(); ++i) {
            if (actions_.keyAt(i) == key) {
                return i;
            }
        }
        return std::nullopt;
    }();
    if (found) {
        selectRow(static_cast<int>(*found));
        UpdateCommandState();
    } else {
        setStatusText(texts::Tr(texts::kCheckedGone).arg(row + 1));
    }
}

}  // namespace kestrune
