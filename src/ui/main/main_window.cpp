#include "ui/main/main_window.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSizeGrip>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "core/cp1252_text.h"
#include "core/document.h"
#include "platform/program_folder.h"
#include "platform/text_codec.h"
#include "ui/about/about.h"
#include "ui/main/action_list_model.h"
#include "ui/main/action_list_view.h"
#include "ui/main/command_state.h"
#include "ui/main/floating_toolbar.h"
#include "ui/main/images.h"
#include "ui/main/main_texts.h"
#include "ui/main/save_comparison.h"
#include "ui/main/window_settings.h"
#include "ui/run/trial.h"

namespace kestrune {

namespace texts = main_texts;

MainWindow::MainWindow(AppState& state, SettingsStore& settings, Prompts& prompts,
                       SystemServices services, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      settings_(settings),
      prompts_(prompts),
      services_(services),
      programFolder_(ProgramFolder()) {
    InitImages();
    setObjectName(QStringLiteral("frmMain"));
    setTitle(Utf8Text(kAppTitle));
    setWindowIcon(ToolbarPicture(8));

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmMainClient"));
    central->setMouseTracking(true);
    central->installEventFilter(this);
    setCentralWidget(central);

    line1_ = new QFrame(central);
    line1_->setObjectName(QStringLiteral("Line1"));
    line1_->setFrameShape(QFrame::HLine);
    line1_->setFrameShadow(QFrame::Sunken);
    // The rule is part of the background: the mouse over it is the mouse over the window.
    line1_->setAttribute(Qt::WA_TransparentForMouseEvents);

    model_ = new ActionListModel(actions_, this);
    documents_ = std::make_unique<DocumentCommands>(
        state_, settings_, prompts_, *model_, programFolder_,
        DocumentWindow{[this](const QString& title) { setTitle(title); },
                       [this](const QString& message) { showFailure(message); },
                       [this](const QString& text) { setStatusText(text); },
                       [this] { UpdateCommandState(); },
                       [this](Command command) { return action(command, Route::Toolbar); },
                       [this](bool afresh) { documentSettled(afresh); }});
    comparison_ = std::make_unique<SaveComparison>(state_.document, actions_, prompts_, this);
    documents_->setFirstSaveCheck([this](const std::string& path, DocumentFormat format) {
        return comparison_->confirmFirstSave(path, format);
    });
    // Made before anything can ask for the command state, which touches the window.
    floating_ = new FloatingToolbarHolder(
        this, [this](FloatingToolbar& tool) { setUpFloatingToolbar(tool); });
    connect(floating_, &FloatingToolbarHolder::docked, this, [this] { afterDock(); });
    buildMenus();
    buildToolbar();
    buildList();
    buildComforts();

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setAccessibleName(texts::Tr(texts::accessible::kStatusBar));
    if (auto* grip = statusBar()->findChild<QSizeGrip*>()) {
        grip->setAccessibleName(texts::Tr(texts::accessible::kSizeGrip));
    }
    statusText_ = new QLabel(statusBar());
    statusText_->setObjectName(QStringLiteral("StatusText"));
    statusText_->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(statusText_, 1);

    // The design size of the client area, until the stored size is applied.
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    resize(TwipsToPixels(7095, dpiX), TwipsToPixels(4095, dpiY) + menuBar()->sizeHint().height());
    applyLayout();
}

MainWindow::~MainWindow() {
    // The list goes before the window's widgets do; the views must not read it meanwhile.
    delete model_;
    // Nor is the script view closed by the user as the window takes it down.
    scriptDock_->toggleViewAction()->disconnect(this);
}

// --- load, size and close ----------------------------------------------------------------

void MainWindow::showAtStart() {
    Form_Load();
    // The list has the focus once the window is shown, and the buttons follow it.
    lstAction_->setFocus();
    UpdateCommandState();
}

void MainWindow::Form_Load() {
    state_.document.documentPath = std::string(kBlankTemplate);

    const WindowSettings stored = ReadWindowSettings(settings_);
    QSize outer(TwipsToPixels(stored.width, logicalDpiX()),
                TwipsToPixels(stored.height, logicalDpiY()));
    // A size stored on a larger screen (or at another scale) is shrunk to this one, title
    // bar and all on it.
    std::optional<QPoint> place;
    if (const QScreen* screen = this->screen()) {
        const QRect onScreen = PlaceOnScreen(outer, screen->availableGeometry());
        outer = onScreen.size();
        place = onScreen.topLeft();
    }
    // Until the window has its frame, its size is its outer size.
    resize(outer);
    pendingOuterSize_ = outer;
    if (place) {
        move(*place);
    }

    documents_->LoadRecentFiles();
    restoreScriptView();

    if (stored.state == StoredWindowState::Maximized) {
        // The stored size is the size the window returns to when restored.
        showMaximized();
    } else {
        show();
    }
    Form_Resize();
}

QSize MainWindow::outerSize() const {
    const QRect frame = frameGeometry();
    return frame.isValid() ? frame.size() : size();
}

void MainWindow::Form_Resize() {
    const QSize outer = outerSize();
    layout_ = ResizeLayout(layout_, PixelsToTwips(outer.width(), logicalDpiX()),
                           PixelsToTwips(outer.height(), logicalDpiY()), conditionColumnShown_);
    applyLayout();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        Form_Resize();
    }
}

bool MainWindow::Form_QueryUnload() {
    if (!documents_->SaveChangesPrompt()) {
        return false;
    }
    SaveWindowSettings();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    cancelCheck();
    if (Form_QueryUnload()) {
        // The floating toolbar ends with the window it belongs to.
        if (FloatingToolbar* tool = floating_->existing()) {
            tool->hide();
        }
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::SaveWindowSettings() {
    StoredWindowState stored = StoredWindowState::Normal;
    if (isMinimized()) {
        stored = StoredWindowState::Minimized;
    } else if (isMaximized()) {
        stored = StoredWindowState::Maximized;
    }
    // Minimized or maximized, the size kept is the one the window is restored to; a
    // maximized size is never applied, and on a wide screen it doesn't fit the store.
    QSize outer =
        OuterSizeToStore(stored, outerSize(), size(), normalGeometry().size(), normalFrame_);
    if (stored != StoredWindowState::Normal && pendingOuterSize_) {
        outer = *pendingOuterSize_;  // never restored since the start
    }
    if (!kestrune::SaveWindowSettings(settings_, PixelsToTwips(outer.height(), logicalDpiY()),
                                      PixelsToTwips(outer.width(), logicalDpiX()), stored)) {
        showFailure(texts::Tr(texts::message::kSaveSettingsFailed));
    }
}

// --- command state -----------------------------------------------------------------------

std::optional<int> MainWindow::selectedRow() const {
    const QModelIndexList rows = lstAction_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return std::nullopt;
    }
    return rows.front().row();
}

std::optional<std::size_t> MainWindow::selectedIndex() const {
    if (const auto row = selectedRow()) {
        return static_cast<std::size_t>(*row);
    }
    return std::nullopt;
}

void MainWindow::UpdateCommandState() {
    showModified();
    CommandStateInput input;
    input.count = actions_.size();
    input.selected = selectedIndex();
    input.namesFile = NamesFile(state_.document.documentPath);
    input.floatingShown = floatingToolbarShown();
    const CommandState state = ComputeCommandState(input);

    QString selectedText;
    if (input.selected) {
        selectedText = texts::ShownAction(actions_[*input.selected]);
    }
    // Shown or hidden, and made hidden when there is none, so that a Float shows it in step.
    floating_->window().applyCommandState(state, selectedText);

    state.buttons.forEachButton([this](Command command, bool on) {
        if (QAction* button = action(command, Route::Toolbar)) {
            button->setEnabled(on);
        }
    });

    switch (state.status) {
        case TextChange::DocumentPath:
            showDocumentPath();
            break;
        case TextChange::SelectedAction:
            setStatusText(selectedText);
            break;
        default:
            break;
    }
}

void MainWindow::keepSelection() {
    // One action stays selected whenever the list holds any: the commands that act on
    // the selected action rely on it.
    if (keepingSelection_ || actions_.empty() || lstAction_->selectionModel()->hasSelection()) {
        return;
    }
    const QModelIndex current = lstAction_->selectionModel()->currentIndex();
    selectRow(current.isValid() ? current.row() : 0);
}

void MainWindow::selectRow(int row) {
    keepingSelection_ = true;
    const QModelIndex index = model_->index(row, 0);
    lstAction_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    lstAction_->scrollTo(index);
    keepingSelection_ = false;
}

// --- commands ----------------------------------------------------------------------------

QAction* MainWindow::action(Command command, Route route) const {
    if (route == Route::FloatingToolbar) {
        const FloatingToolbar* tool = floating_->existing();
        return tool != nullptr ? tool->button(command) : nullptr;
    }
    return routeItems_[static_cast<std::size_t>(route)][IndexOf(command)];
}

void MainWindow::run(Command command, Route route) {
    // Another document, or none, or a check afresh: the running check is of no more use.
    if (command == Command::New || command == Command::Open || command == Command::CheckScript) {
        cancelCheck();
    }
    switch (command) {
        case Command::New:
            documents_->New();
            break;
        case Command::Open:
            documents_->Open(route == Route::Menu      ? OpenForm::Menu
                             : route == Route::Toolbar ? OpenForm::Toolbar
                                                       : OpenForm::FloatingToolbar);
            break;
        case Command::Save:
            documents_->Save();
            break;
        case Command::SaveAs:
            documents_->SaveAs();
            break;
        case Command::Exit:
            close();
            break;
        case Command::Add:
            mnuAdd_Click();
            break;
        case Command::Remove:
            mnuRemove_Click();
            break;
        case Command::ExecuteAction:
            mnuExAction_Click();
            break;
        case Command::Properties:
            mnuProps_Click();
            break;
        case Command::Clear:
            mnuClear_Click();
            break;
        case Command::Up:
            MoveActionUp();
            break;
        case Command::Down:
            MoveActionDown();
            break;
        case Command::Make:
            documents_->MakeScript();
            break;
        case Command::ExecuteScript:
            mnuExecute_Click();
            break;
        case Command::Toolbar:
            mnuToolbar_Click(route);
            break;
        case Command::HelpTopics:
            mnuHelpTop_Click();
            break;
        case Command::About:
            mnuAbout_Click();
            break;
        case Command::CheckScript:
            mnuCheck_Click();
            break;
        case Command::Undo:
        case Command::Redo:
        case Command::Copy:
        case Command::Paste:
        case Command::ScriptView:
        case Command::Find:
            runComfort(command);
            break;
        case Command::Compare:
            comparison_->compareWithFile();
            break;
    }
}

// --- menus -------------------------------------------------------------------------------

void MainWindow::mnuFile_Click() {
    const bool canSave = !actions_.empty() || NamesFile(state_.document.documentPath);
    action(Command::Save, Route::Menu)->setEnabled(canSave);
    action(Command::SaveAs, Route::Menu)->setEnabled(canSave);
    action(Command::Compare, Route::Menu)->setEnabled(comparison_->canCompare());
}

void MainWindow::mnuTools_Click() {
    const bool any = !actions_.empty();
    for (const Command command : {Command::Properties, Command::Make, Command::ExecuteScript,
                                  Command::Remove, Command::ExecuteAction, Command::CheckScript}) {
        action(command, Route::Menu)->setEnabled(any);
    }
    // Asking makes the floating toolbar, hidden, when there is none yet.
    floating_->window();
    action(Command::Toolbar, Route::Menu)
        ->setText(floatingToolbarShown() ? texts::Tr(texts::kDockToolbar)
                                         : CommandText(RowOf(Command::Toolbar).menuCaption));
}

void MainWindow::popUpTool_Click() {
    const bool any = !actions_.empty();
    for (const Command command :
         {Command::Remove, Command::Properties, Command::ExecuteAction, Command::Clear}) {
        action(command, Route::PopUp)->setEnabled(any);
    }
}

// --- trying actions, About and help --------------------------------------------------------

TrialContext MainWindow::trialContext(bool writesScript) {
    // Looked for at every run, as the folder may have gone meanwhile; made only by a run
    // that writes into it.
    const ScriptFolder folder =
        writesScript ? TemporaryScriptFolder(programFolder_) : ScriptFolder{programFolder_};
    return TrialContext{
        actions_,
        settings_,
        prompts_,
        services_.programs,
        services_.shell,
        folder.path,
        this,
        [this](bool on) {
            // On again only where the command state has it on: never over an empty list.
            action(Command::ExecuteScript, Route::Toolbar)->setEnabled(on && !actions_.empty());
        },
        [this] { UpdateCommandState(); },
        folder.usable,
        [this](const QString& text) { setStatusText(text); }};
}

void MainWindow::mnuExAction_Click() {
    ExecuteAction(trialContext(), selectedIndex());
}

void MainWindow::mnuExecute_Click() {
    ExecuteScript(trialContext(true));
}

void MainWindow::mnuHelpTop_Click() {
    OpenHelp(services_.shell, prompts_, programFolder_);
}

void MainWindow::mnuAbout_Click() {
    ShowAbout(AboutContext{services_.lookup, services_.programs, prompts_}, this);
}

// --- texts -------------------------------------------------------------------------------

QString MainWindow::statusText() const {
    return statusText_->text();
}

void MainWindow::setStatusText(const QString& text) {
    statusText_->setText(text);
}

void MainWindow::showDocumentPath() {
    setStatusText(texts::ShownDocumentPath(state_.document.documentPath));
}

void MainWindow::setTitle(const QString& title) {
    // A "[*]" of the file's own name is shown as it is, not taken for the mark.
    const QString mark = Utf8Text(texts::kModifiedMark);
    setWindowTitle(QString(title).replace(mark, mark + mark) + mark);
}

void MainWindow::showModified() {
    setWindowModified(state_.document.modified);
}

void MainWindow::showFailure(const QString& message) {
    prompts_.message({message, Utf8Text(kAppTitle), MessageButtons::Ok, MessageIcon::Critical, {}});
}

}  // namespace kestrune
