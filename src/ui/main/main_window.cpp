#include "ui/main/main_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>

#include "core/action.h"
#include "core/document.h"
#include "core/item_keys.h"
#include "core/text8.h"
#include "files/script_format.h"
#include "files/template_format.h"
#include "platform/program_folder.h"
#include "platform/text_codec.h"
#include "platform/wait_cursor.h"
#include "ui/about/about.h"
#include "ui/editor/action_editor.h"
#include "ui/main/action_list_model.h"
#include "ui/main/command_state.h"
#include "ui/main/floating_toolbar.h"
#include "ui/main/images.h"
#include "ui/main/main_texts.h"
#include "ui/main/status_help.h"
#include "ui/main/window_settings.h"
#include "ui/run/trial.h"

namespace kestrune {

namespace texts = main_texts;

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const char* const kKeyProperty = "key";

// The last four characters of a path, lower-cased: what decides a document's type.
std::string ending(std::string_view path) {
    return lowerCased(lastChars(path, 4));
}

// A toolbar button kept disabled while its command writes a file, and given back the state
// it had, whatever happens.
class ButtonHold {
  public:
    explicit ButtonHold(QAction* button)
        : button_(button), wasEnabled_(button != nullptr && button->isEnabled()) {
        if (button_ != nullptr) {
            button_->setEnabled(false);
        }
    }
    ~ButtonHold() {
        if (button_ != nullptr) {
            button_->setEnabled(wasEnabled_);
        }
    }
    ButtonHold(const ButtonHold&) = delete;
    ButtonHold& operator=(const ButtonHold&) = delete;

  private:
    QAction* button_;
    bool wasEnabled_;
};

}  // namespace

MainWindow::MainWindow(AppState& state, SettingsStore& settings, Prompts& prompts,
                       SystemServices services, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      settings_(settings),
      prompts_(prompts),
      services_(services),
      cdlTemplate_(prompts),
      programFolder_(ProgramFolder()) {
    InitImages();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(qs(kAppTitle));
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
    // Made before anything can ask for the command state, which touches the window.
    floating_ = new FloatingToolbarHolder(
        this, [this](FloatingToolbar& tool) { setUpFloatingToolbar(tool); });
    connect(floating_, &FloatingToolbarHolder::docked, this, [this] { afterDock(); });
    buildMenus();
    buildToolbar();
    buildList();

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
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

MainWindow::~MainWindow() = default;

// --- building -------------------------------------------------------------------------

QMenu* MainWindow::buildMenu(std::string_view name, std::string_view caption, bool inMenuBar,
                             const auto& items) {
    auto* menu = menuBar()->addMenu(qs(caption));
    menu->setObjectName(qs(name));
    menu->menuAction()->setObjectName(qs(name));
    menu->menuAction()->setVisible(inMenuBar);
    menus_.insert(qs(name), menu);
    for (const auto& item : items) {
        QAction* action = nullptr;
        if (item.caption.empty()) {
            action = menu->addSeparator();
        } else {
            action = menu->addAction(qs(item.caption));
            if (!item.shortcut.empty()) {
                action->setShortcut(QKeySequence(qs(item.shortcut), QKeySequence::PortableText));
            }
        }
        action->setObjectName(qs(item.name));
        action->setVisible(!item.hidden);
        menuItems_.insert(qs(item.name), action);
    }
    return menu;
}

void MainWindow::buildMenus() {
    auto* file = buildMenu(texts::kFileMenu.name, texts::kFileMenu.caption,
                           texts::kFileMenu.inMenuBar, texts::kFileItems);
    auto* tools = buildMenu(texts::kToolsMenu.name, texts::kToolsMenu.caption,
                            texts::kToolsMenu.inMenuBar, texts::kToolsItems);
    buildMenu(texts::kHelpMenu.name, texts::kHelpMenu.caption, texts::kHelpMenu.inMenuBar,
              texts::kHelpItems);
    auto* popUp = buildMenu(texts::kPopUpMenu.name, texts::kPopUpMenu.caption,
                            texts::kPopUpMenu.inMenuBar, texts::kPopUpItems);

    connect(file, &QMenu::aboutToShow, this, [this] { mnuFile_Click(); });
    connect(tools, &QMenu::aboutToShow, this, [this] { mnuTools_Click(); });
    connect(popUp, &QMenu::aboutToShow, this, [this] { popUpTool_Click(); });

    const auto on = [this](const char* name, auto handler) {
        connect(menuItems_.value(QLatin1String(name)), &QAction::triggered, this, handler);
    };
    on("mnuNew", [this] { mnuNew_Click(); });
    on("mnuOpen", [this] { mnuOpen_Click(); });
    on("mnuSave", [this] { mnuSave_Click(); });
    on("mnuSaveAs", [this] { mnuSaveAs_Click(); });
    for (int n = 1; n <= texts::kRecentCount; ++n) {
        connect(menuItems_.value(QStringLiteral("mnuRec%1").arg(n)), &QAction::triggered, this,
                [this, n] { mnuRec_Click(n); });
    }
    on("mnuExit", [this] { close(); });
    on("mnuAdd", [this] { mnuAdd_Click(); });
    on("mnuRemove", [this] { mnuRemove_Click(); });
    on("mnuExAction", [this] { mnuExAction_Click(); });
    on("mnuProps", [this] { mnuProps_Click(); });
    on("mnuMake", [this] { mnuMake_Click(); });
    on("mnuExecute", [this] { mnuExecute_Click(); });
    on("mnuToolbar", [this] { mnuToolbar_Click(); });
    on("mnuHelpTop", [this] { mnuHelpTop_Click(); });
    on("mnuAbout", [this] { mnuAbout_Click(); });
    on("mnuAdd2", [this] { mnuAdd_Click(); });
    on("mnuRemove2", [this] { mnuRemove_Click(); });
    on("mnuClear", [this] { mnuClear_Click(); });
    on("mnuExAct2", [this] { mnuExAction_Click(); });
    on("mnuProps2", [this] { mnuProps_Click(); });
    on("mnuExitPop", [this] { close(); });
}

void MainWindow::buildToolbar() {
    toolbar_ = new QToolBar(centralWidget());
    toolbar_->setObjectName(QStringLiteral("Toolbar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(16, 16));
    toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const auto& button : texts::kToolbarButtons) {
        QAction* action = nullptr;
        if (button.key.empty()) {
            action = toolbar_->addSeparator();
        } else {
            action = toolbar_->addAction(ToolbarPicture(button.picture), qs(button.tooltip));
            action->setToolTip(qs(button.tooltip));
            action->setObjectName(qs(button.key));
            toolbarButtons_.insert(qs(button.key), action);
            const std::string_view key = button.key;
            connect(action, &QAction::triggered, this, [this, key] { Toolbar_ButtonClick(key); });
        }
        action->setProperty(kKeyProperty, qs(button.key));
        action->setProperty("position", button.position);
    }
    // Status help follows the mouse over the buttons, enabled or not, and over the gaps.
    toolbar_->setMouseTracking(true);
    toolbar_->installEventFilter(this);
    for (QAction* action : toolbar_->actions()) {
        if (QWidget* widget = toolbar_->widgetForAction(action)) {
            widget->setMouseTracking(true);
            widget->installEventFilter(this);
        }
    }
}

void MainWindow::buildList() {
    lstAction_ = new QTreeView(centralWidget());
    lstAction_->setObjectName(QStringLiteral("lstAction"));
    lstAction_->setModel(model_);
    lstAction_->setRootIsDecorated(false);
    lstAction_->setItemsExpandable(false);
    lstAction_->setUniformRowHeights(true);
    lstAction_->setAllColumnsShowFocus(true);
    lstAction_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstAction_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstAction_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstAction_->setIconSize(QSize(16, 16));
    lstAction_->setTextElideMode(Qt::ElideRight);
    QHeaderView* header = lstAction_->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    // The kinds are read whole: the column is at least as wide as the widest of them.
    int widest = 0;
    for (const std::string_view kind :
         {kind::kMapDrive, kind::kMapPrinter, kind::kRunApplication, kind::kMergeRegistry,
          kind::kDisplayMessage, kind::kOther}) {
        widest = std::max(widest, lstAction_->fontMetrics().horizontalAdvance(qs(kind)));
    }
    const int designWidth = TwipsToPixels(layout_.actionColumnWidth, logicalDpiX());
    const int actionWidth = std::max(designWidth, widest + lstAction_->iconSize().width() + 24);
    actionColumnExtra_ = actionWidth - designWidth;
    header->resizeSection(ActionListModel::ActionColumn, actionWidth);

    connect(lstAction_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        keepSelection();
        UpdateCommandState();
    });
    connect(lstAction_, &QAbstractItemView::clicked, this, [this] { lstAction_ItemClick(); });
    lstAction_->installEventFilter(this);
    lstAction_->viewport()->setMouseTracking(true);
    lstAction_->viewport()->installEventFilter(this);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        if (!actions_.empty()) {
            selectRow(0);
        }
    });
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
    const QSize outer(TwipsToPixels(stored.width, logicalDpiX()),
                      TwipsToPixels(stored.height, logicalDpiY()));
    // Until the window has its frame, its size is its outer size.
    resize(outer);
    pendingOuterSize_ = outer;
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(outer.width() / 2, outer.height() / 2));
    }

    LoadRecentFiles();

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
                           PixelsToTwips(outer.height(), logicalDpiY()));
    applyLayout();
}

void MainWindow::applyLayout() {
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    const auto x = [dpiX](double twips) { return TwipsToPixels(twips, dpiX); };
    const auto y = [dpiY](double twips) { return TwipsToPixels(twips, dpiY); };
    QWidget* client = centralWidget();

    line1_->setGeometry(0, 0, std::max(0, x(layout_.lineEnd)), 2);

    const QSize toolbarHint = toolbar_->sizeHint();
    toolbar_->setGeometry(x(layout_.toolbarLeft), y(layout_.toolbarTop),
                          std::max(x(layout_.toolbarWidth), toolbarHint.width()),
                          std::max(y(layout_.toolbarHeight), toolbarHint.height()));

    // The rules reckon with the frame, title bar and menu bar of one platform; where those
    // are taller the list still ends above the status bar, the rules' gap kept.
    const int listTop = y(layout_.listTop);
    const int room = client->height() - listTop - y(90);
    const int listHeight = std::clamp(y(layout_.listHeight), 0, std::max(0, room));
    lstAction_->setGeometry(x(layout_.listLeft), listTop, std::max(0, x(layout_.listWidth)),
                            listHeight);
    lstAction_->header()->resizeSection(
        ActionListModel::DetailsColumn,
        std::max(0, x(layout_.detailsColumnWidth) - actionColumnExtra_));
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
    if (!SaveChangesPrompt()) {
        return false;
    }
    SaveWindowSettings();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
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
        showFailure(texts::message::kSaveSettingsFailed);
    }
}

// --- recent files ------------------------------------------------------------------------

void MainWindow::showRecentItem(int index) {
    QAction* item = menuItems_.value(QStringLiteral("mnuRec%1").arg(index + 1));
    item->setText(PathText(RecentCaption(index + 1, state_.recentFiles.entry(index))));
    item->setVisible(true);
}

void MainWindow::LoadRecentFiles() {
    const bool ok = state_.recentFiles.load(settings_);
    const int count = state_.recentFiles.filledCount();
    if (count > 0) {
        menuItems_.value(QStringLiteral("mnuRecSpace"))->setVisible(true);
    }
    for (int i = 0; i < count; ++i) {
        showRecentItem(i);
    }
    if (!ok) {
        showFailure(texts::message::kRecentFilesFailed);
    }
}

void MainWindow::AddRecentFile(const std::string& path) {
    if (!state_.recentFiles.add(path)) {
        return;
    }
    menuItems_.value(QStringLiteral("mnuRecSpace"))->setVisible(true);
    for (int i = 0; i < RecentFiles::kCount; ++i) {
        const std::string& entry = state_.recentFiles.entry(i);
        if (trimmed(entry).empty()) {
            break;
        }
        if (!StoreRecentEntry(settings_, i, entry)) {
            showFailure(texts::message::kRecentFilesFailed);
            return;
        }
        showRecentItem(i);
    }
}

// --- opening files -----------------------------------------------------------------------

void MainWindow::OpenTemplate(const std::string& path) {
    ItemKeySource keys = ItemKeySource::fromClock();
    state_.document.documentPath = std::string(trimmed(path));
    state_.document.batchScript = false;
    AddRecentFile(path);

    FileResult result;
    {
        WaitCursor wait;
        model_->replaceAll([&](ActionList& list) { result = readTemplateFile(path, list, keys); });
    }
    switch (result.status) {
        case FileStatus::Ok:
            setTitle(PathText(TitleForPath(path)));
            state_.document.modified = false;
            break;
        case FileStatus::InvalidFormat:
            showFailure(result.message);
            state_.document.documentPath = std::string(kBlankTemplate);
            break;
        case FileStatus::NotFound:
        case FileStatus::Failed:
            showFailure(result.message);
            state_.document.documentPath = std::string(kBlankTemplate);
            setTitle(qs(kAppTitle));
            break;
    }
    afterRead();
}

void MainWindow::OpenScript(const std::string& path) {
    ItemKeySource keys = ItemKeySource::fromClock();
    state_.document.documentPath = std::string(trimmed(path));
    AddRecentFile(path);

    FileResult result;
    {
        WaitCursor wait;
        model_->replaceAll([&](ActionList& list) { result = readScriptFile(path, list, keys); });
    }
    state_.document.batchScript = result.ok();
    if (result.ok()) {
        setTitle(PathText(TitleForPath(path)));
        state_.document.modified = false;
    } else {
        showFailure(result.message);
        state_.document.documentPath = std::string(kBlankTemplate);
        setTitle(qs(kAppTitle));
    }
    afterRead();
}

void MainWindow::afterRead() {
    // The status bar names the document just read rather than the one before it.
    setStatusText(state_.document.documentPath);
    UpdateCommandState();
}

// --- writing files -----------------------------------------------------------------------

bool MainWindow::SaveTemplate(const std::string& path) {
    state_.document.documentPath = std::string(trimmed(path));
    state_.document.batchScript = false;
    AddRecentFile(path);

    FileResult result;
    {
        ButtonHold save(toolbarButton(texts::key::kSave));
        WaitCursor wait;
        result = writeTemplateFile(path, actions_);
    }
    // A failed write leaves Modified as it was: the list is still not on disk, and the
    // save-changes prompt must go on guarding it.
    if (result.ok()) {
        state_.document.modified = false;
    } else {
        showFailure(result.message);
    }
    setTitle(PathText(TitleForPath(path)));
    return result.ok();
}

bool MainWindow::MakeScript(const std::string& path) {
    if (trimmed(path).empty()) {
        return false;
    }
    AddRecentFile(path);

    FileResult result;
    {
        ButtonHold make(toolbarButton(texts::key::kMake));
        WaitCursor wait;
        result = writeScriptFile(path, actions_);
    }
    if (!result.ok()) {
        showFailure(result.message);
    }
    setTitle(PathText(TitleForPath(path)));
    return result.ok();
}

// --- document commands ---------------------------------------------------------------------

bool MainWindow::SaveChangesPrompt() {
    if (!state_.document.modified) {
        return true;
    }
    const std::string text = std::string(texts::message::kSaveChangesTo) +
                             state_.document.documentPath +
                             std::string(texts::message::kSaveChangesEnd);
    const Answer answer =
        prompts_.message({MixedText(text), qs(kAppTitle), MessageButtons::YesNoCancel,
                          MessageIcon::Question, std::nullopt});
    switch (answer) {
        case Answer::No:
            return true;
        case Answer::Yes:
            return SaveDocument(state_.document.documentPath);
        default:
            return false;
    }
}

bool MainWindow::SaveDocument(const std::string& name) {
    bool written = false;
    if (IsBatchDocument(name) || state_.document.batchScript) {
        written = MakeScript(std::string(trimmed(state_.document.documentPath)));
    } else if (ending(name) == ".lst") {
        written = SaveTemplate(name);
    } else {
        cdlTemplate_.initDir = DocumentStartFolder(programFolder_);
        cdlTemplate_.fileName.clear();
        cdlTemplate_.title = qs(texts::dialog::kSaveTitle);
        cdlTemplate_.filter = qs(texts::dialog::kSaveFilter);
        cdlTemplate_.ShowSave();
        // Cancelled, the name is still the empty one set above.
        const std::string chosen(trimmed(PathBytes(cdlTemplate_.fileName)));
        if (ending(chosen) == ".lst") {
            written = SaveTemplate(chosen);
        } else if (IsBatchDocument(chosen)) {
            written = MakeScript(chosen);
        }
    }
    if (written) {
        state_.document.modified = false;
    }
    return written;
}

void MainWindow::mnuNew_Click() {
    if (!SaveChangesPrompt()) {
        return;
    }
    state_.document.modified = false;
    state_.document.documentPath = std::string(kNewTemplate);
    state_.document.batchScript = false;
    model_->clear();
    setTitle(PathText(TitleForPath(kNewTemplate)));
    lstAction_GotFocus();
}

void MainWindow::openDocument(OpenForm form) {
    cdlTemplate_.fileName.clear();
    if (!SaveChangesPrompt()) {
        return;
    }
    if (form != OpenForm::Menu) {
        cdlTemplate_.initDir = DocumentStartFolder(programFolder_);
    }
    cdlTemplate_.title = qs(texts::dialog::kOpenTitle);
    cdlTemplate_.filter = qs(texts::dialog::kOpenFilter);
    cdlTemplate_.ShowOpen();
    const std::string chosen = PathBytes(cdlTemplate_.fileName);
    if (!chosen.empty()) {
        if (IsTemplatePath(trimmed(chosen))) {
            OpenTemplate(chosen);
        } else {
            OpenScript(chosen);
        }
        // The floating toolbar's Open leaves Modified as the reader left it.
        if (form != OpenForm::FloatingToolbar) {
            state_.document.modified = false;
        }
    }
    UpdateCommandState();
}

void MainWindow::openFromFloatingToolbar() {
    openDocument(OpenForm::FloatingToolbar);
}

void MainWindow::mnuRec_Click(int n) {
    if (!SaveChangesPrompt()) {
        return;
    }
    // A copy: the reader adds the path to the very list it comes from.
    const std::string entry = state_.recentFiles.entry(n - 1);
    if (trimmed(entry).empty()) {
        return;
    }
    if (IsTemplatePath(entry)) {
        OpenTemplate(entry);
    } else {
        OpenScript(entry);
    }
    state_.document.modified = false;
}

void MainWindow::mnuSave_Click() {
    if (!NamesFile(state_.document.documentPath)) {
        mnuSaveAs_Click();
        return;
    }
    const std::string path(trimmed(state_.document.documentPath));
    // A document read from a batch script is written back as one, whatever its name: a
    // script opened from «START.TXT» stays a script.
    const bool written = IsBatchDocument(path) || state_.document.batchScript ? MakeScript(path)
                                                                              : SaveTemplate(path);
    if (written) {
        state_.document.modified = false;
    }
}

void MainWindow::mnuSaveAs_Click() {
    cdlTemplate_.fileName.clear();
    cdlTemplate_.title = qs(texts::dialog::kSaveTitle);
    cdlTemplate_.filter = qs(texts::dialog::kSaveFilter);
    if (!cdlTemplate_.ShowSave()) {
        return;
    }
    const std::string chosen = PathBytes(cdlTemplate_.fileName);
    if (!NamesFile(chosen)) {
        return;  // a share path without a drive names no document
    }
    state_.document.documentPath = chosen;
    const std::string path(trimmed(chosen));
    bool written = false;
    if (IsBatchDocument(path)) {
        // The document is now this script: the next Save writes it again.
        state_.document.batchScript = true;
        written = MakeScript(path);
    } else {
        written = SaveTemplate(path);
    }
    if (written) {
        state_.document.modified = false;
    }
}

void MainWindow::mnuMake_Click() {
    cdlTemplate_.fileName = PathText(MakeScriptProposal(state_.document.documentPath));
    cdlTemplate_.title = qs(texts::dialog::kMakeTitle);
    cdlTemplate_.filter = qs(texts::dialog::kScriptFilter);
    if (!cdlTemplate_.ShowSave()) {
        return;  // the proposal is never written unless the user confirms it
    }
    const std::string chosen = PathBytes(cdlTemplate_.fileName);
    if (NamesFile(chosen)) {
        MakeScript(chosen);
    }
}

// --- editing the list ----------------------------------------------------------------------

void MainWindow::mnuRemove_Click() {
    state_.document.modified = true;
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
        prompts_.message({qs(texts::message::kClearAll), qs(kAppTitle), MessageButtons::YesNo,
                          MessageIcon::Question, Answer::Yes});
    if (answer != Answer::Yes) {
        return;
    }
    model_->clear();
    UpdateCommandState();
    state_.document.modified = true;
}

void MainWindow::MoveActionUp() {
    moveSelected(true);
}

void MainWindow::MoveActionDown() {
    moveSelected(false);
}

void MainWindow::moveSelected(bool up) {
    state_.document.modified = true;
    const auto row = selectedRow();
    if (row) {
        ButtonHold button(toolbarButton(up ? texts::key::kUp : texts::key::kDown));
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
    menus_.value(QStringLiteral("popUpTool"))->menuAction()->setVisible(false);
    UpdateCommandState();
}

void MainWindow::lstAction_MouseUp(Qt::MouseButton button, const QPoint& globalPos) {
    QMenu* popUp = menus_.value(QStringLiteral("popUpTool"));
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
    state_.document.modified = true;
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
    state_.document.modified = true;
    UpdateCommandState();
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
    CommandStateInput input;
    input.count = actions_.size();
    input.selected = selectedIndex();
    input.namesFile = NamesFile(state_.document.documentPath);
    input.floatingShown = floatingToolbarShown();
    const CommandState state = ComputeCommandState(input);

    std::string selectedText;
    if (input.selected) {
        const Action& action = actions_[*input.selected];
        selectedText = action.kind + std::string(texts::kActionSeparator) + action.details;
    }
    // Shown or hidden, and made hidden when there is none, so that a Float shows it in step.
    floating_->window().applyCommandState(state, selectedText);

    state.buttons.forEachButton([this](std::string_view key, bool on) {
        if (QAction* button = toolbarButton(key)) {
            button->setEnabled(on);
        }
    });

    switch (state.status) {
        case TextChange::DocumentPath:
            setStatusText(state_.document.documentPath);
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

// --- menus -------------------------------------------------------------------------------

void MainWindow::mnuFile_Click() {
    const bool canSave = !actions_.empty() || NamesFile(state_.document.documentPath);
    menuItems_.value(QStringLiteral("mnuSave"))->setEnabled(canSave);
    menuItems_.value(QStringLiteral("mnuSaveAs"))->setEnabled(canSave);
}

void MainWindow::mnuTools_Click() {
    const bool any = !actions_.empty();
    for (const char* name : {"mnuProps", "mnuMake", "mnuExecute", "mnuRemove", "mnuExAction"}) {
        menuItems_.value(QLatin1String(name))->setEnabled(any);
    }
    // Asking makes the floating toolbar, hidden, when there is none yet.
    floating_->window();
    menuItems_.value(QStringLiteral("mnuToolbar"))
        ->setText(qs(floatingToolbarShown() ? texts::kDockToolbar : texts::kFloatToolbar));
}

void MainWindow::popUpTool_Click() {
    const bool any = !actions_.empty();
    for (const char* name : {"mnuRemove2", "mnuProps2", "mnuExAct2", "mnuClear"}) {
        menuItems_.value(QLatin1String(name))->setEnabled(any);
    }
}

// --- toolbar -----------------------------------------------------------------------------

void MainWindow::Toolbar_ButtonClick(std::string_view key) {
    namespace k = texts::key;
    if (key == k::kOpen) {
        openFromToolbar();
    } else if (key == k::kSave) {
        mnuSave_Click();
    } else if (key == k::kAdd) {
        mnuAdd_Click();
    } else if (key == k::kRemove) {
        state_.document.modified = true;
        mnuRemove_Click();
    } else if (key == k::kUp) {
        state_.document.modified = true;
        MoveActionUp();
    } else if (key == k::kDown) {
        state_.document.modified = true;
        MoveActionDown();
    } else if (key == k::kProperties) {
        mnuProps_Click();
    } else if (key == k::kExecute) {
        mnuExecute_Click();
    } else if (key == k::kMake) {
        mnuMake_Click();
    } else if (key == k::kToolbarBut) {
        // Always a Float: the button is only there while the toolbar is docked, whatever
        // caption the Tools menu was last left with.
        FloatToolbar();
    }
}

void MainWindow::Toolbar_MouseMove(int x) {
    std::vector<ButtonSpan> spans;
    std::vector<std::string> keys;
    const QList<QAction*> buttons = toolbar_->actions();
    keys.reserve(static_cast<std::size_t>(buttons.size()));
    for (QAction* action : buttons) {
        keys.push_back(action->property(kKeyProperty).toString().toStdString());
        const QWidget* widget = toolbar_->widgetForAction(action);
        if (widget == nullptr || !widget->isVisible()) {
            continue;
        }
        spans.push_back({keys.back(), static_cast<double>(widget->x()),
                         static_cast<double>(widget->width()), action->isEnabled()});
    }
    setStatusText(
        StatusHelp(KeyAtX(spans, x), state_.document.documentPath, actions_, selectedIndex()));
}

QAction* MainWindow::toolbarButton(std::string_view key) const {
    return toolbarButtons_.value(qs(key));
}

QAction* MainWindow::menuItem(std::string_view name) const {
    return menuItems_.value(qs(name));
}

QMenu* MainWindow::menu(std::string_view name) const {
    return menus_.value(qs(name));
}

// --- the floating toolbar ------------------------------------------------------------------

FloatingToolbar* MainWindow::floatingToolbar() const {
    return floating_->existing();
}

bool MainWindow::floatingToolbarShown() const {
    return floating_->isShown();
}

void MainWindow::setUpFloatingToolbar(FloatingToolbar& tool) {
    connect(&tool, &FloatingToolbar::openClicked, this, [this] { openFromFloatingToolbar(); });
    connect(&tool, &FloatingToolbar::saveClicked, this, [this] { mnuSave_Click(); });
    connect(&tool, &FloatingToolbar::addClicked, this, [this] { mnuAdd_Click(); });
    connect(&tool, &FloatingToolbar::removeClicked, this, [this] { mnuRemove_Click(); });
    connect(&tool, &FloatingToolbar::upClicked, this, [this] { MoveActionUp(); });
    connect(&tool, &FloatingToolbar::downClicked, this, [this] { MoveActionDown(); });
    connect(&tool, &FloatingToolbar::propertiesClicked, this, [this] { mnuProps_Click(); });
    connect(&tool, &FloatingToolbar::executeClicked, this, [this] { mnuExecute_Click(); });
    connect(&tool, &FloatingToolbar::makeClicked, this, [this] { mnuMake_Click(); });
    if (const auto text = tool.Form_Load(actions_, selectedIndex())) {
        setStatusText(*text);
    }
}

void MainWindow::mnuToolbar_Click() {
    const QString caption = menuItems_.value(QStringLiteral("mnuToolbar"))->text();
    if (caption == qs(texts::kDockToolbar)) {
        DockToolbar();
    } else if (caption == qs(texts::kFloatToolbar)) {
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

// --- trying actions, About and help --------------------------------------------------------

TrialContext MainWindow::trialContext(bool writesScript) {
    // Looked for at every run, as the folder may have gone meanwhile; made only by a run
    // that writes into it.
    const ScriptFolder folder =
        writesScript ? TemporaryScriptFolder(programFolder_) : ScriptFolder{programFolder_};
    return TrialContext{
        actions_,
        state_.document,
        settings_,
        prompts_,
        services_.programs,
        services_.shell,
        folder.path,
        this,
        [this](bool on) {
            // On again only where the command state has it on: never over an empty list.
            toolbarButton(texts::key::kExecute)->setEnabled(on && !actions_.empty());
        },
        [this] { UpdateCommandState(); },
        folder.usable};
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

// --- events ------------------------------------------------------------------------------

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // A shortcut first runs its menu's opening rule, so that it never reaches a command
        // the menu would show disabled, nor misses one the menu would now enable.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        const auto matches = [&](const char* name) {
            return menuItems_.value(QLatin1String(name))->shortcut() == pressed;
        };
        if (matches("mnuSave")) {
            mnuFile_Click();
        }
        if (matches("mnuRemove") || matches("mnuProps") || matches("mnuMake") ||
            matches("mnuExecute")) {
            mnuTools_Click();
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
                    setStatusText(state_.document.documentPath);
                } else if (mouse->button() == Qt::RightButton) {
                    menus_.value(QStringLiteral("mnuTools"))
                        ->popup(mouse->globalPosition().toPoint());
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

// --- texts -------------------------------------------------------------------------------

QString MainWindow::statusText() const {
    return statusText_->text();
}

void MainWindow::setStatusText(std::string_view text) {
    statusText_->setText(MixedText(text));
}

void MainWindow::setTitle(const QString& title) {
    setWindowTitle(title);
}

void MainWindow::showFailure(std::string_view message) {
    prompts_.message(
        {MixedText(message), qs(kAppTitle), MessageButtons::Ok, MessageIcon::Critical, {}});
}

}  // namespace kestrune
