#pragma once

// The main window driven through its real widgets, headless: menus opened with their access
// keys and items clicked, shortcuts pressed, toolbar buttons clicked, the list clicked. Message
// boxes and file dialogs go to the scripted prompts, settings to a map, files to a temporary
// folder; the program's own folder is another temporary folder.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "launch_doubles.h"
#include "memory_settings_store.h"
#include "modal_script.h"
#include "platform/recent_network_paths.h"
#include "scripted_prompts.h"
#include "ui/editor/action_editor.h"
#include "ui/main/action_list_model.h"
#include "ui/main/floating_toolbar.h"
#include "ui/main/main_window.h"
#include "ui/main/window_layout.h"

namespace kestrune::testing {

// Like any system but Windows: no list of recently used network paths.
class NoRecentNetworkPaths : public RecentNetworkPaths {
  public:
    RecentNetworkNames ReadRecentNetworkPaths() override { return {2, {}, false}; }
};

class WindowTest : public ::testing::Test {
  protected:
    void start() { startWith(store, state); }

    // The window over another settings store, and the state made with it.
    void startWith(SettingsStore& settings, AppState& appState) {
        window = std::make_unique<MainWindow>(appState, settings, prompts,
                                              SystemServices{programs, shell, lookup});
        window->setProgramFolder(programDir.path());
        window->showAtStart();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // A new run for the next row of a table: a fresh window, document state and prompts; the
    // settings and the files stay.
    void restart() {
        window.reset();
        state.document = {};
        prompts = {};
        store.writes.clear();
        start();
    }

    void TearDown() override {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
        window.reset();
    }

    std::string path(const QString& name) const {
        return QFile::encodeName(dir.filePath(name)).toStdString();
    }

    std::string writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return QFile::encodeName(file.fileName()).toStdString();
    }

    static QByteArray readFile(const std::string& path) {
        QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The window's menus, their items and the main toolbar's buttons by their names, as the
    // user reads them.
    QMenu* menuNamed(const char* name) const {
        return window->menuBar()->findChild<QMenu*>(QLatin1String(name));
    }
    QAction* menuItem(const std::string& name) const {
        return window->menuBar()->findChild<QAction*>(QString::fromStdString(name));
    }
    QAction* toolbarButton(const char* key) const {
        return window->toolbar()->findChild<QAction*>(QLatin1String(key));
    }
    static QAction* floatingButton(const FloatingToolbar* tool, const char* key) {
        return tool->toolbar()->findChild<QAction*>(QLatin1String(key));
    }

    // Opens a menu of the menu bar with its access key, as the user does.
    QMenu* openMenu(Qt::Key accessKey, const char* name) {
        QTest::keyClick(window.get(), accessKey, Qt::AltModifier);
        QMenu* menu = menuNamed(name);
        EXPECT_TRUE(menu->isVisible()) << name;
        return menu;
    }

    void closeMenu(QMenu* menu) { QTest::keyClick(menu, Qt::Key_Escape); }

    // Clicks an item of an open menu.
    void choose(QMenu* menu, const char* item) {
        QAction* action = menuItem(item);
        ASSERT_TRUE(menu->isVisible()) << item;
        ASSERT_TRUE(action->isEnabled()) << item;
        // The part of the item the menu shows: an item wider than the screen is cut off.
        const QRect shown = menu->actionGeometry(action).intersected(menu->rect());
        QTest::mouseClick(menu, Qt::LeftButton, {}, shown.center());
    }

    // The File menu (Alt+F) or the Tools menu (Alt+T), and one of its items.
    void fileMenu(const char* item) { choose(openMenu(Qt::Key_F, "mnuFile"), item); }
    void toolsMenu(const char* item) { choose(openMenu(Qt::Key_T, "mnuTools"), item); }

    // The right-click menu over a row, and one of its items.
    void popUpMenu(int row, const char* item) {
        rightClickRow(row);
        choose(menuNamed("popUpTool"), item);
    }

    QWidget* buttonWidget(const char* key) {
        return window->toolbar()->widgetForAction(toolbarButton(key));
    }

    void clickButton(const char* key) { QTest::mouseClick(buttonWidget(key), Qt::LeftButton); }

    void hover(QWidget* widget, QPoint pos = {}) {
        QTest::mouseMove(widget, pos.isNull() ? widget->rect().center() : pos);
    }

    QPoint rowCenter(int row) {
        QTreeView* list = window->lstAction();
        list->scrollTo(window->model().index(row, 1));
        return list->visualRect(window->model().index(row, 1)).center();
    }

    void clickRow(int row) {
        QTest::mouseClick(window->lstAction()->viewport(), Qt::LeftButton, {}, rowCenter(row));
    }

    void rightClickRow(int row) {
        QTest::mouseClick(window->lstAction()->viewport(), Qt::RightButton, {}, rowCenter(row));
    }

    void doubleClickRow(int row) {
        QTest::mouseDClick(window->lstAction()->viewport(), Qt::LeftButton, {}, rowCenter(row));
    }

    int px(double twips) const { return TwipsToPixels(twips, window->logicalDpiX()); }

    std::vector<QString> messageTexts() const {
        std::vector<QString> texts;
        for (const auto& shown : prompts.messages) {
            texts.push_back(shown.request.text);
        }
        return texts;
    }

    // The Details of the list, top to bottom.
    std::vector<std::string> details() const {
        std::vector<std::string> out;
        for (const Action& action : window->actions()) {
            out.push_back(action.details);
        }
        return out;
    }

    // Which of the toolbar's buttons are enabled, as "1" or "0" in the order Open, Save, Add,
    // Remove, Properties, Up, Down, Execute, Make, ToolbarBut.
    std::string enabledButtons() const {
        std::string out;
        for (const char* key : {"Open", "Save", "Add", "Remove", "Properties", "Up", "Down",
                                "Execute", "Make", "ToolbarBut"}) {
            out += toolbarButton(key)->isEnabled() ? '1' : '0';
        }
        return out;
    }

    // Runs script inside the action editor once the command under test has shown it. A
    // script that leaves the editor open fails the test and the editor is cancelled.
    void inEditor(std::function<void(ActionEditor&)> script) {
        test::whenModalShows(guard, editorShown, std::move(script));
    }

    // Runs script in the window's own modal dialog (the network warning, the About box) once
    // the command under test has shown it. A script that leaves it open fails the test.
    void inDialog(std::function<void(QDialog&)> script) {
        test::whenModalShows(guard, dialogShown, std::move(script));
    }

    // Clicks a dialog's button or check box by name, as the mouse does.
    static void clickIn(QWidget& dialog, const char* name) {
        auto* button = dialog.findChild<QAbstractButton*>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        // A check box takes clicks on its box and its text only.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }

    // Clicks the visible button of that name in the editor (each page has its own).
    static void clickInEditor(ActionEditor& editor, const char* name) {
        for (auto* button : editor.findChildren<QAbstractButton*>(QLatin1String(name))) {
            if (button->isVisible()) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << name << " is not shown";
    }

    // Adds an "Other" action with the real editor, through the toolbar's Add button.
    void addOther(const QString& command) {
        inEditor([command](ActionEditor& e) {
            clickInEditor(e, "cmdOther");
            QTest::keyClicks(e.findChild<QWidget*>(QStringLiteral("txtOther")), command);
            clickInEditor(e, "cmdOkOther");
        });
        clickButton("Add");
        EXPECT_TRUE(editorShown);
        reactivate();
    }

    // The offscreen platform has no window manager to hand activation back to the window
    // once a dialog over it has closed; this does what the window manager would.
    void reactivate() {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    MemorySettingsStore store;
    NoRecentNetworkPaths recentPaths;
    AppState state{store, recentPaths};
    ScriptedPrompts prompts;
    RecordingProgramStarter programs;
    RecordingShellOpener shell;
    FixedSystemLookup lookup;
    std::unique_ptr<MainWindow> window;
    QTemporaryDir dir;
    QTemporaryDir programDir;
    bool editorShown = false;
    bool dialogShown = false;
    QObject guard;
};

}  // namespace kestrune::testing
