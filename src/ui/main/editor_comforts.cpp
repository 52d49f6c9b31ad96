// What users of a desktop editor expect of the main window beyond its menus: undo and redo
// of every change of the list, keys for the list's commands, reordering by dragging, opening
// a dropped file, copy and paste as batch lines, and the live script view.

#include <QClipboard>
#include <QDockWidget>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <algorithm>

#include "platform/text_codec.h"
#include "ui/main/action_list_model.h"
#include "ui/main/action_list_view.h"
#include "ui/main/file_drop.h"
#include "ui/main/find_bar.h"
#include "ui/main/list_clipboard.h"
#include "ui/main/list_drag.h"
#include "ui/main/main_window.h"
#include "ui/main/script_view.h"
#include "ui/main/undo_commands.h"

namespace kestrune {

namespace texts = main_texts;

void MainWindow::buildComforts() {
    history_ = new EditHistory(state_.document, this);
    QUndoStack& stack = history_->stack();
    // Undo and Redo say what they would undo or redo, and can't be chosen when nothing.
    const auto follow = [this, &stack](Command command) {
        QAction* item = action(command, Route::Menu);
        const bool undo = command == Command::Undo;
        const QString what = undo ? stack.undoText() : stack.redoText();
        const QString caption = CommandText(RowOf(command).menuCaption);
        item->setText(what.isEmpty() ? caption : texts::Tr(texts::kUndoWhat).arg(caption, what));
        item->setEnabled(undo ? stack.canUndo() : stack.canRedo());
    };
    connect(&stack, &QUndoStack::indexChanged, this, [this, follow] {
        follow(Command::Undo);
        follow(Command::Redo);
        // The history has settled Modified by now: it heard of the change first.
        showModified();
    });
    connect(&stack, &QUndoStack::cleanChanged, this, [this] { showModified(); });
    follow(Command::Undo);
    follow(Command::Redo);

    // The list's own keys, while it has the focus.
    for (const ListKey& key : kListKeys) {
        auto* item = new QAction(lstAction_);
        item->setShortcuts(
            QKeySequence::listFromString(Utf8Text(key.keys), QKeySequence::PortableText));
        item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        lstAction_->addAction(item);
        const std::optional<Command> command = key.command;
        connect(item, &QAction::triggered, this, [this, command] {
            if (command) {
                run(*command, Route::Menu);
            } else {
                popUpAtSelection();
            }
        });
    }

    auto* drag = new ListDragMover(lstAction_);
    connect(drag, &ListDragMover::moveRequested, this, [this](int from, int to) {
        history_->push(moveStep(listEdit(), from, to, undo_texts::kMove));
    });
    auto* drop = new FileDropOpener(this);
    connect(drop, &FileDropOpener::fileDropped, this, [this](const QString& path) {
        cancelCheck();
        documents_->OpenFile(PathBytes(path));
    });

    scriptDock_ = new QDockWidget(texts::Tr(texts::kScriptCaption), this);
    scriptDock_->setObjectName(QStringLiteral("dockScript"));
    scriptView_ = new ScriptView(
        *model_, [this] { return selectedRow(); }, scriptDock_);
    scriptDock_->setWidget(scriptView_);
    addDockWidget(Qt::RightDockWidgetArea, scriptDock_);
    scriptDock_->hide();
    connect(scriptView_, &ScriptView::actionClicked, this, [this](int row) {
        selectRow(row);
        UpdateCommandState();
    });
    connect(lstAction_->selectionModel(), &QItemSelectionModel::selectionChanged, scriptView_,
            &ScriptView::selectionChanged);
    connect(scriptDock_->toggleViewAction(), &QAction::toggled, this,
            [this](bool shown) { scriptViewShown(shown); });

    findBar_ = new FindBar(
        actions_, [this] { return selectedRow(); },
        [this](int row) {
            selectRow(row);
            UpdateCommandState();
        },
        centralWidget());
    // Tab goes as the parts stand: the find bar above the list, the script view beside it.
    setTabOrder(findBar_->field(), lstAction_);
    setTabOrder(lstAction_, scriptView_);
    connect(findBar_, &FindBar::shownChanged, this, [this] {
        applyLayout();
        if (findBar_->isHidden()) {
            lstAction_->setFocus();
        }
    });
}

ListEditContext MainWindow::listEdit() {
    return ListEditContext{*model_, [this](std::optional<int> row) { afterListEdit(row); }};
}

void MainWindow::afterListEdit(std::optional<int> select) {
    if (select && *select >= 0 && *select < model_->rowCount()) {
        selectRow(*select);
    }
    keepSelection();
    UpdateCommandState();
    scriptView_->selectionChanged();
}

void MainWindow::documentSettled(bool afresh) {
    history_->documentSettled(afresh);
    showModified();
}

void MainWindow::runComfort(Command command) {
    switch (command) {
        case Command::Undo:
            history_->stack().undo();
            break;
        case Command::Redo:
            history_->stack().redo();
            break;
        case Command::Copy:
            copySelected();
            break;
        case Command::Paste:
            pasteActions();
            break;
        case Command::ScriptView:
            showScriptView(action(Command::ScriptView, Route::Menu)->isChecked());
            break;
        case Command::Find:
            findBar_->open();
            break;
        default:
            break;
    }
}

void MainWindow::mnuEdit_Click() {
    const auto row = selectedRow();
    action(Command::Copy, Route::Menu)->setEnabled(row.has_value());
    const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
    action(Command::Paste, Route::Menu)->setEnabled(clipboard != nullptr && clipboard->hasText());
    // A move goes only where its button would: never past either end.
    action(Command::Up, Route::Menu)->setEnabled(row && *row > 0);
    action(Command::Down, Route::Menu)->setEnabled(row && *row + 1 < model_->rowCount());
    action(Command::Clear, Route::Menu)->setEnabled(!actions_.empty());
}

void MainWindow::copySelected() {
    const auto row = selectedIndex();
    if (!row) {
        return;
    }
    // An action the script can't hold has no lines to give.
    if (const auto text = ScriptTextOf(actions_[*row])) {
        QGuiApplication::clipboard()->setText(*text);
    }
}

void MainWindow::pasteActions() {
    std::vector<Action> pasted = ActionsFromScriptText(QGuiApplication::clipboard()->text());
    if (pasted.empty()) {
        return;
    }
    const auto row = selectedRow();
    const int at = row ? *row + 1 : model_->rowCount();
    history_->push(insertStep(listEdit(), at, std::move(pasted), undo_texts::kPaste, true));
}

void MainWindow::popUpAtSelection() {
    const auto row = selectedRow();
    const QRect rect = row ? lstAction_->visualRect(model_->index(*row, 0)) : QRect();
    const QPoint at = row ? rect.bottomLeft() + QPoint(rect.height(), 0) : QPoint(0, 0);
    QMenu* popUp = menu(MenuId::PopUp);
    popUp->menuAction()->setVisible(false);
    UpdateCommandState();
    popUp->popup(lstAction_->viewport()->mapToGlobal(at));
}

void MainWindow::restoreScriptView() {
    const auto stored =
        settings_.read(Utf8Text(texts::settings::kWindow), Utf8Text(texts::settings::kScriptView));
    const bool shown = stored.status == SettingsStore::Status::Found &&
                       stored.text.trimmed() == QLatin1String("1");
    action(Command::ScriptView, Route::Menu)->setChecked(shown);
    showScriptView(shown);
}

void MainWindow::showScriptView(bool shown) {
    scriptDock_->setVisible(shown);
    if (shown) {
        // Wide enough for the lines of a script beside the list.
        resizeDocks({scriptDock_}, {width() * 2 / 5}, Qt::Horizontal);
    }
}

void MainWindow::scriptViewShown(bool shown) {
    // The dock goes with the window when it is hidden or closed: no choice of the user's.
    if (!isVisible()) {
        return;
    }
    QAction* item = action(Command::ScriptView, Route::Menu);
    const bool changed = item->isChecked() != shown;
    item->setChecked(shown);
    const auto stored =
        settings_.read(Utf8Text(texts::settings::kWindow), Utf8Text(texts::settings::kScriptView));
    const QString value = shown ? QStringLiteral("1") : QStringLiteral("0");
    if (changed || stored.text != value) {
        settings_.write(Utf8Text(texts::settings::kWindow), Utf8Text(texts::settings::kScriptView),
                        value);
    }
}

}  // namespace kestrune
