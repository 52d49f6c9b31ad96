#pragma once

// frmMain: the program's one document window. The action list lstAction over the one
// ActionList, the menus, the toolbar, the status text, and the window's own part of
// opening a file: the document path, the recent files, the wait cursor, the messages,
// the title and the command state.

#include <QHash>
#include <QMainWindow>
#include <optional>
#include <string>
#include <string_view>

#include "core/action_list.h"
#include "platform/prompts.h"
#include "platform/settings_store.h"
#include "ui/main/app_state.h"
#include "ui/main/window_layout.h"

class QFrame;
class QLabel;
class QMenu;
class QToolBar;
class QTreeView;

namespace kestrune {

class ActionListModel;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(AppState& state, SettingsStore& settings, Prompts& prompts,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs the load steps and shows the window at its stored size, or maximized.
    void showAtStart();

    // Reads a template or a batch script into the list, reporting its own failures.
    void OpenTemplate(const std::string& path);
    void OpenScript(const std::string& path);
    void AddRecentFile(const std::string& path);
    void UpdateCommandState();

    const ActionList& actions() const { return actions_; }
    ActionListModel& model() { return *model_; }
    const DocumentState& document() const { return state_.document; }
    // The selected row from 0, if any.
    std::optional<int> selectedRow() const;
    QString statusText() const;
    const MainLayout& layoutTwips() const { return layout_; }

    QTreeView* lstAction() const { return lstAction_; }
    QToolBar* toolbar() const { return toolbar_; }
    QAction* toolbarButton(std::string_view key) const;
    QAction* menuItem(std::string_view name) const;
    QMenu* menu(std::string_view name) const;

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

    // Commands that come with their own features; until then they do nothing.
    void mnuNew_Click() {}
    void mnuOpen_Click() {}
    void openFromToolbar() {}
    void mnuSave_Click() {}
    void mnuSaveAs_Click() {}
    void mnuRec_Click(int) {}
    void mnuAdd_Click() {}
    void mnuRemove_Click() {}
    void mnuClear_Click() {}
    void mnuExAction_Click() {}
    void mnuProps_Click() {}
    void mnuMake_Click() {}
    void mnuExecute_Click() {}
    void mnuToolbar_Click() {}
    void mnuHelpTop_Click() {}
    void mnuAbout_Click() {}
    void MoveActionUp() {}
    void MoveActionDown() {}
    // Answers whether the document was handed to a writer; no writer yet.
    bool SaveDocument(const std::string&) { return false; }

    bool floatingToolbarShown() const { return false; }
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
    ActionList actions_;
    ActionListModel* model_ = nullptr;

    QFrame* line1_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QTreeView* lstAction_ = nullptr;
    QLabel* statusText_ = nullptr;
    QHash<QString, QAction*> menuItems_;
    QHash<QString, QMenu*> menus_;
    QHash<QString, QAction*> toolbarButtons_;

    MainLayout layout_;
    // How much wider than its design width the first column had to be for its font.
    int actionColumnExtra_ = 0;
    // The outer size asked for at start, applied again once the frame around the window is
    // known, so that the stored size is the size the window gets.
    std::optional<QSize> pendingOuterSize_;
    bool keepingSelection_ = false;
};

}  // namespace kestrune
