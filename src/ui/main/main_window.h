#pragma once

// frmMain: the program's one document window. The action list lstAction over the one
// ActionList, the menus and toolbars built from the command table, the status text, the
// list's editing (Remove, Clear, the moves, the editor's Add and Properties) and the command
// state. The document commands live beside it (document_commands.h); the window is split
// over main_window.cpp (life, commands, state), window_building.cpp (widgets and layout),
// window_events.cpp (mouse, keys, the floating toolbar), list_editing.cpp,
// editor_comforts.cpp (undo, keys, drag and drop, copy and paste, the script view, Find) and
// check_script.cpp (Check Script).

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/action_list.h"
#include "platform/prompts.h"
#include "platform/settings_store.h"
#include "platform/system_services.h"
#include "ui/check/check_dialog.h"
#include "ui/main/app_state.h"
#include "ui/main/command_table.h"
#include "ui/main/document_commands.h"
#include "ui/main/file_dialog.h"
#include "ui/main/main_texts.h"
#include "ui/main/window_layout.h"

class QDockWidget;
class QFrame;
class QLabel;
class QMenu;
class QToolBar;

namespace kestrune {

class ActionListModel;
class ActionListView;
class EditHistory;
class FindBar;
class FloatingToolbar;
class SaveComparison;
class ScriptView;
struct ListEditContext;
class FloatingToolbarHolder;
struct EditorContext;
struct TrialContext;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(AppState& state, SettingsStore& settings, Prompts& prompts, SystemServices services,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs the load steps and shows the window at its stored size, or maximized.
    void showAtStart();

    // Reads a template or a batch script into the list, reporting its own failures.
    void openDocument(const std::string& path) { documents_->openDocument(path); }
    DocumentCommands& documents() { return *documents_; }
    void UpdateCommandState();

    // Runs a command as the route it was given from asks.
    void run(Command command, Route route);

    // The folder that holds the program file; tests point it elsewhere.
    const QString& programFolder() const { return programFolder_; }
    void setProgramFolder(const QString& folder) { programFolder_ = folder; }
    // How Check Script reaches the servers; tests hand it a double of the network.
    void setCheckBackends(CheckDialog::BackendFactory backends) {
        checkBackends_ = std::move(backends);
    }

    const ActionList& actions() const { return actions_; }
    ActionListModel& model() { return *model_; }
    const DocumentState& document() const { return state_.document; }
    // The selected row from 0, if any.
    std::optional<int> selectedRow() const;
    std::optional<std::size_t> selectedIndex() const;
    QString statusText() const;
    const MainLayout& layoutTwips() const { return layout_; }
    const FileDialog& cdlTemplate() const { return documents_->dialog(); }

    ActionListView* lstAction() const { return lstAction_; }
    QToolBar* toolbar() const { return toolbar_; }
    // A command's item on a route; null where the route doesn't offer it (or, for the
    // floating toolbar, while that window doesn't exist).
    QAction* action(Command command, Route route) const;
    QMenu* menu(MenuId id) const { return menus_[static_cast<std::size_t>(id)]; }
    // The floating toolbar frmTool when it exists, shown or hidden; else null.
    FloatingToolbar* floatingToolbar() const;
    EditHistory& history() { return *history_; }
    QDockWidget* scriptDock() const { return scriptDock_; }
    ScriptView* scriptView() const { return scriptView_; }
    FindBar* findBar() const { return findBar_; }

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildMenus();
    QMenu* buildMenu(MenuId id, const main_texts::Menu& texts, const auto& entries);
    QAction* buildMenuItem(QMenu* menu, Command command, Route route);
    void buildToolbar();
    void buildList();

    void Form_Load();
    void Form_Resize();
    bool Form_QueryUnload();
    void Toolbar_MouseMove(int x);
    void mnuFile_Click();
    void mnuTools_Click();
    void popUpTool_Click();
    void SaveWindowSettings();

    // Undo, the keys of the list, dragging, dropping files, copy and paste, the script view
    // (editor_comforts.cpp).
    void buildComforts();
    ListEditContext listEdit();
    void afterListEdit(std::optional<int> select);
    void mnuEdit_Click();
    void copySelected();
    void pasteActions();
    void popUpAtSelection();
    void restoreScriptView();
    void showScriptView(bool shown);
    void scriptViewShown(bool shown);
    void runComfort(Command command);
    void documentSettled(bool afresh);

    // The list's editing and the action editor (list_editing.cpp).
    void mnuAdd_Click();
    void mnuRemove_Click();
    void mnuProps_Click();
    void mnuClear_Click();
    void MoveActionUp();
    void MoveActionDown();
    void moveSelected(bool up);
    EditorContext editorContext();

    void lstAction_DblClick() { mnuProps_Click(); }
    void lstAction_GotFocus() { UpdateCommandState(); }
    void lstAction_ItemClick() { UpdateCommandState(); }
    void lstAction_MouseDown();
    void lstAction_MouseUp(Qt::MouseButton button, const QPoint& globalPos);
    void lstAction_MouseMove();

    TrialContext trialContext(bool writesScript = false);
    void mnuExAction_Click();
    void mnuExecute_Click();
    // The menu floats or docks by its caption, the main toolbar only ever floats.
    void mnuToolbar_Click(Route route);
    void mnuHelpTop_Click();
    void mnuAbout_Click();
    void mnuCheck_Click();
    void cancelCheck();
    // Selects the action of a report's row (its key, and its row as checked), or says it is
    // gone.
    void selectChecked(ItemKey key, int row);

    void setUpFloatingToolbar(FloatingToolbar& tool);
    QPoint floatingPlace();
    void FloatToolbar();
    void DockToolbar();
    void afterDock();
    bool floatingToolbarShown() const;
    void keepSelection();
    void selectRow(int row);
    void applyLayout();
    // Shows the "Run if" column exactly while an action has a condition.
    void showConditionColumn();
    QSize outerSize() const;
    void setStatusText(const QString& text);
    // The document's path, or its placeholder in the user's language.
    void showDocumentPath();
    // The title with the mark that shows while the document has unsaved changes.
    void setTitle(const QString& title);
    void showModified();
    void showFailure(const QString& message);

    AppState& state_;
    SettingsStore& settings_;
    Prompts& prompts_;
    SystemServices services_;
    ActionList actions_;
    ActionListModel* model_ = nullptr;
    QString programFolder_;
    CheckDialog::BackendFactory checkBackends_ = check::makeSystemBackend;
    QPointer<CheckDialog> checkDialog_;
    std::unique_ptr<DocumentCommands> documents_;
    std::unique_ptr<SaveComparison> comparison_;

    QFrame* line1_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    ActionListView* lstAction_ = nullptr;
    QLabel* statusText_ = nullptr;
    // Each command's item on the menu bar, the right-click menu and the main toolbar.
    std::array<std::array<QAction*, kCommandCount>, kRouteCount> routeItems_{};
    std::array<QMenu*, kMenuCount> menus_{};
    FloatingToolbarHolder* floating_ = nullptr;
    EditHistory* history_ = nullptr;
    QDockWidget* scriptDock_ = nullptr;
    ScriptView* scriptView_ = nullptr;
    FindBar* findBar_ = nullptr;

    MainLayout layout_;
    // How much wider than its design width the first column had to be for its font.
    int actionColumnExtra_ = 0;
    bool conditionColumnShown_ = false;
    // The outer size asked for at start, applied again once the frame around the window is
    // known, so that the stored size is the size the window gets.
    std::optional<QSize> pendingOuterSize_;
    // What the frame adds to the window's size while it is neither maximized nor minimized;
    // none until the window manager has framed it.
    std::optional<QSize> normalFrame_;
    bool keepingSelection_ = false;
};

}  // namespace kestrune
