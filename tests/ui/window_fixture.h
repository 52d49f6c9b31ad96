#pragma once

// The main window driven through its real widgets, headless. Message boxes and file dialogs
// go to the scripted prompts, settings to a map, files and the program's folder to temporary
// folders.

#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolBar>

#include "launch_doubles.h"
#include "memory_settings_store.h"
#include "modal_script.h"
#include "platform/text_codec.h"
#include "scripted_prompts.h"
#include "ui/editor/action_editor.h"
#include "ui/main/action_list_model.h"
#include "ui/main/action_list_view.h"
#include "ui/main/floating_toolbar.h"
#include "ui/main/main_window.h"

namespace kestrune::test {

// How a user gives a command: its menu bar item (opened by the access key, clicked), its
// shortcut, the right-click menu over the selected row, or a toolbar's button.
enum class Way { Menu, Key, PopUp, Toolbar, Floating };

inline const QByteArray kTemplateHeader = "// Logon Script Template File\r\n\r\n";
inline const QByteArray kScriptHeader = "@echo off\r\n\r\nrem - Created with Kestrune\r\n\r\n";

// A user's template: a drive mapping and a greeting.
inline const QByteArray kStartTemplate = kTemplateHeader +
                                         "[map]\r\nremote=\\\\FILES\\APPS\r\nlocal=G\r\n\r\n"
                                         "[other]\r\ncommand=echo Welcome\r\n\r\n";

// A template of "Other" actions, one per command.
inline QByteArray OtherTemplate(const std::vector<std::string>& commands) {
    QByteArray bytes = kTemplateHeader;
    for (const std::string& command : commands) {
        bytes += "[other]\r\ncommand=" + QByteArray::fromStdString(command) + "\r\n\r\n";
    }
    return bytes;
}

class WindowTest : public ::testing::Test {
  protected:
    void start() { startWith(store, state); }

    void startWith(SettingsStore& settings, AppState& appState) {
        window = std::make_unique<MainWindow>(appState, settings, prompts,
                                              SystemServices{programs, shell, lookup});
        window->setProgramFolder(programDir.path());
        window->showAtStart();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        reactivate();
    }

    // A new run for the next row of a table: a fresh window, document and prompts; the
    // settings and the files stay.
    void restart() {
        stop();
        state.document = {};
        prompts = {};
        store.writes.clear();
        editorShown = dialogShown = false;
        programs.lines.clear();
        shell.calls.clear();
        start();
    }

    void TearDown() override {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
        stop();
    }

    // Hidden first, as closing does: the list goes before the widgets that show it.
    // Destroyed as it stands, shown: nothing it tears down may reach a list already gone.
    void stop() { window.reset(); }

    std::string path(const QString& name) const { return PathBytes(dir.filePath(name)); }

    std::string writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return PathBytes(file.fileName());
    }

    static QByteArray readFile(const std::string& path) {
        QFile file(PathText(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Opens a file through the toolbar's Open, the dialog answering with it.
    void openFile(const std::string& file) {
        prompts.files = {PathText(file)};
        give(Command::Open, Way::Toolbar);
    }

    QMenu* openMenu(MenuId id) {
        static constexpr Qt::Key keys[] = {Qt::Key_F, Qt::Key_E, Qt::Key_V, Qt::Key_T, Qt::Key_H};
        QTest::keyClick(window.get(), keys[static_cast<int>(id)], Qt::AltModifier);
        EXPECT_TRUE(window->menu(id)->isVisible());
        return window->menu(id);
    }

    // Clicks an item of an open menu where the menu shows it.
    static void choose(QMenu* menu, QAction* item) {
        ASSERT_TRUE(menu->isVisible() && item->isEnabled()) << item->text();
        const QRect shown = menu->actionGeometry(item).intersected(menu->rect());
        QTest::mouseClick(menu, Qt::LeftButton, {}, shown.center());
    }

    void chooseIn(MenuId id, QAction* item) { choose(openMenu(id), item); }

    QWidget* button(Command command) const {
        return window->toolbar()->widgetForAction(window->action(command, Route::Toolbar));
    }

    void give(Command command, Way way) {
        switch (way) {
            case Way::Menu: {
                QAction* item = window->action(command, Route::Menu);
                for (const MenuId id :
                     {MenuId::File, MenuId::Edit, MenuId::View, MenuId::Tools, MenuId::Help}) {
                    if (window->menu(id)->actions().contains(item)) {
                        chooseIn(id, item);
                    }
                }
                break;
            }
            case Way::Key:
                QTest::keySequence(window->lstAction(),
                                   window->action(command, Route::Menu)->shortcut());
                break;
            case Way::PopUp:
                clickRow(window->selectedRow().value_or(0), Qt::RightButton);
                choose(window->menu(MenuId::PopUp), window->action(command, Route::PopUp));
                break;
            case Way::Toolbar:
                QTest::mouseClick(button(command), Qt::LeftButton);
                break;
            case Way::Floating: {
                FloatingToolbar* tool = window->floatingToolbar();
                ASSERT_TRUE(tool != nullptr && tool->isVisible());
                QTest::mouseClick(tool->toolbar()->widgetForAction(tool->button(command)),
                                  Qt::LeftButton);
                break;
            }
        }
    }

    QPoint rowCenter(int row) {
        const QModelIndex index = window->model().index(row, 1);
        window->lstAction()->scrollTo(index);
        return window->lstAction()->visualRect(index).center();
    }
    void clickRow(int row, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window->lstAction()->viewport(), button, {}, rowCenter(row));
    }

    std::vector<std::string> details() const {
        std::vector<std::string> out;
        for (const Action& action : window->actions()) {
            out.push_back(action.details);
        }
        return out;
    }

    // The main toolbar's buttons from left to right, "1" for enabled.
    std::string enabledButtons() const {
        std::string out;
        for (const auto& command : kToolbarPositions) {
            if (command) {
                out += window->action(*command, Route::Toolbar)->isEnabled() ? '1' : '0';
            }
        }
        return out;
    }

    // Runs script inside the action editor, or the window's own modal dialog, once the
    // command under test has shown it; a script that leaves it open fails the test.
    void inEditor(std::function<void(ActionEditor&)> script) {
        whenModalShows(guard, editorShown, std::move(script));
    }
    void inDialog(std::function<void(QDialog&)> script) {
        whenModalShows(guard, dialogShown, std::move(script));
    }

    // Adds an "Other" action with the real editor, through the toolbar's Add button.
    void addOther(const QString& command) {
        inEditor([command](ActionEditor& e) {
            clickIn(e, "cmdOther");
            QTest::keyClicks(e.findChild<QWidget*>(QStringLiteral("txtOther")), command);
            clickIn(e, "cmdOkOther");
        });
        give(Command::Add, Way::Toolbar);
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
    FixedRecentNetworkPaths recentPaths;
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

}  // namespace kestrune::test
