#pragma once

// frmMain: the program's one document window. The action list lstAction over the one
// ActionList, the menus, the toolbar, the status text, the document commands (New, Open,
// Save, Save As, Make Script, closing) with the save-changes prompt, the list's editing
// (Remove, Clear, the moves) and the window's own part of reading and writing a file: the
// document path, the recent files, the wait cursor, the messages, the title and the
// command state.

#include <QHash>
#include <QMainWindow>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/action_list.h"
#include "platform/prompts.h"
#include "platform/settings_store.h"
#include "platform/system_services.h"
#include "ui/main/app_state.h"
#include "ui/main/file_dialog.h"
#include "ui/main/window_layout.h"

class QFrame;
class QLabel;
class QMenu;
class QToolBar;
class QTreeView;

namespace kestrune {

class ActionListModel;
class FloatingToolbar;
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
    void OpenTemplate(const std::string& path);
    void OpenScript(const std::string& path);
    // Write the whole list to path as a template or a batch script, reporting their own
    // failures; true when the file was written.
    bool SaveTemplate(const std::string& path);
    bool MakeScript(const std::string& path);
    void AddRecentFile(const std::string& path);
    void UpdateCommandState();

    // Asks whether to save a changed document first; false when the user stopped, or when
    // the save failed, so that nothing throws the list away.
    bool SaveChangesPrompt();
    // Saves the list under name (every caller passes the document path), asking for a name
    // when it names neither a template nor a script. True when the file was written.
    bool SaveDocument(const std::string& name);

    // The commands the floating toolbar's buttons share with the main toolbar.
    void openFromFloatingToolbar();
    void mnuSave_Click();
    void mnuAdd_Click();
    void mnuRemove_Click();
    void mnuProps_Click();
    void mnuMake_Click();
    void MoveActionUp();
    void MoveActionDown();

    // The folder that holds the program file; tests point it elsewhere.
    const QString& programFolder() const { return programFolder_; }
    void setProgramFolder(const QString& folder) { programFolder_ = folder; }

    const ActionList& actions() const { return actions_; }
    ActionListModel& model() { return *model_; }
    const DocumentState& document() const { return state_.document; }
    // The selected row from 0, if any.
    std::optional<int> selectedRow() const;
    std::optional<std::size_t> selectedIndex() const;
    QString statusText() const;
    const MainLayout& layoutTwips() const { return layout_; }
    const FileDialog& cdlTemplate() const { return cdlTemplate_; }

    QTreeView* lstAction() const { return lstAction_; }
    QToolBar* toolbar() const { return toolbar_; }
    QAction* toolbarButton(std::string_view key) const;
    QAction* menuItem(std::string_view name) const;
    QMenu* menu(std::string_view name) const;
    // The floating toolbar frmTool when it exists, shown or hidden; else null.
    FloatingToolbar* floatingToolbar() const;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildMenus();
    QMenu* buildMenu(std::string_view name, std::string_view caption, bool inMenuBar,
                     const auto& items);
    void buildToolbar();
    void buildList();

    void Form_Load();
    void Form_Resize();
    bool Form_QueryUnload();
    void Toolbar_ButtonClick(std::string_view key);
    void Toolbar_MouseMove(int x);
    void mnuFile_Click();
    void mnuTools_Click();
    void popUpTool_Click();
    void LoadRecentFiles();
    void SaveWindowSettings();
    void showRecentItem(int index);

    enum class OpenForm { Menu, Toolbar, FloatingToolbar };
    void openDocument(OpenForm form);
    void mnuNew_Click();
    void mnuOpen_Click() { openDocument(OpenForm::Menu); }
    void openFromToolbar() { openDocument(OpenForm::Toolbar); }
    void mnuSaveAs_Click();
    void mnuRec_Click(int n);
    void mnuClear_Click();
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
    void mnuToolbar_Click();
    void mnuHelpTop_Click();
    void mnuAbout_Click();

    void setUpFloatingToolbar(FloatingToolbar& tool);
    QPoint floatingPlace();
    void FloatToolbar();
    void DockToolbar();
    void afterDock();
    bool floatingToolbarShown() const;
    void keepSelection();
    void selectRow(int row);
    void applyLayout();
    QSize outerSize() const;
    void setStatusText(std::string_view text);
    void setTitle(const QString& title);
    void showFailure(std::string_view message);
    void afterRead();

    AppState& state_;
    SettingsStore& settings_;
    Prompts& prompts_;
    SystemServices services_;
    ActionList actions_;
    ActionListModel* model_ = nullptr;
    FileDialog cdlTemplate_;
    QString programFolder_;

    QFrame* line1_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QTreeView* lstAction_ = nullptr;
    QLabel* statusText_ = nullptr;
    QHash<QString, QAction*> menuItems_;
    QHash<QString, QMenu*> menus_;
    QHash<QString, QAction*> toolbarButtons_;
    FloatingToolbarHolder* floating_ = nullptr;

    MainLayout layout_;
    // How much wider than its design width the first column had to be for its font.
    int actionColumnExtra_ = 0;
    // The outer size asked for at start, applied again once the frame around the window is
    // known, so that the stored size is the size the window gets.
    std::optional<QSize> pendingOuterSize_;
    // What the frame adds to the window's size while it is neither maximized nor minimized;
    // none until the window manager has framed it.
    std::optional<QSize> normalFrame_;
    bool keepingSelection_ = false;
};

}  // namespace kestrune
