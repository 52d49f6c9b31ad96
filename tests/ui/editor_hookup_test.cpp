// The action editor from the main window: Add Action and Action Properties through the menus,
// the keys, the toolbar, the right-click menu and a double-click, with the real dialog.

#include <QComboBox>
#include <QLineEdit>
#include <functional>

#include "window_fixture.h"

namespace kestrune {
namespace {

using testing::WindowTest;

class EditorHookupTest : public WindowTest {
  protected:
    void openList() {
        window->openDocument(writeFile("list.lst",
                                       "// Logon Script Template File\r\n\r\n"
                                       "[home]\r\nlocal=H\r\n\r\n"
                                       "[other]\r\ncommand=echo B\r\n\r\n"
                                       "[other]\r\ncommand=echo C\r\n\r\n"));
        ASSERT_EQ(window->actions().size(), 3u);
    }

    static QString fieldText(ActionEditor& e, const char* name) {
        QWidget* field = e.findChild<QWidget*>(QLatin1String(name));
        if (auto* box = qobject_cast<QComboBox*>(field)) {
            return box->currentText();
        }
        return qobject_cast<QLineEdit*>(field)->text();
    }

    static void retype(ActionEditor& e, const char* name, const QString& text) {
        auto* field = e.findChild<QLineEdit*>(QLatin1String(name));
        field->selectAll();
        QTest::keyClicks(field, text);
    }
};

TEST_F(EditorHookupTest, AddActionAppendsAtTheEndByEveryRoute) {
    start();
    openList();
    const std::vector<std::pair<const char*, std::function<void()>>> routes = {
        {"toolbar", [this] { clickButton("Add"); }},
        {"Tools menu", [this] { toolsMenu("mnuAdd"); }},
        {"Ctrl+A",
         [this] { QTest::keyClick(window->lstAction(), Qt::Key_A, Qt::ControlModifier); }},
        {"right-click menu", [this] { popUpMenu(2, "mnuAdd2"); }},
    };
    clickRow(2);
    ASSERT_EQ(enabledButtons(), "1111110111");
    std::size_t count = 3;
    for (const auto& [name, route] : routes) {
        SCOPED_TRACE(name);
        const QString command = QStringLiteral("echo ") + QLatin1String(name);
        inEditor([command](ActionEditor& e) {
            EXPECT_EQ(e.findChild<QWidget*>(QStringLiteral("fraAction"))->isVisible(), true);
            clickInEditor(e, "cmdOther");
            QTest::keyClicks(e.findChild<QWidget*>(QStringLiteral("txtOther")), command);
            clickInEditor(e, "cmdOkOther");
        });
        route();
        EXPECT_TRUE(editorShown);
        reactivate();
        ASSERT_EQ(window->actions().size(), ++count);
        EXPECT_EQ(window->actions()[count - 1].details, command.toStdString());
        EXPECT_EQ(window->actions()[count - 1].kind, "Other");
        EXPECT_EQ(window->model().rowCount(), static_cast<int>(count));
        // The selection stays; the command state sees the action below it.
        EXPECT_EQ(window->selectedRow(), 2);
        EXPECT_EQ(enabledButtons(), "1111111111");
        EXPECT_TRUE(window->document().modified);
    }
}

TEST_F(EditorHookupTest, TheFirstActionAddedIsSelected) {
    start();
    addOther("pause");
    EXPECT_EQ(window->selectedRow(), 0);
    EXPECT_EQ(enabledButtons(), "1111100111");

    // Cancelled, nothing changes.
    inEditor([](ActionEditor& e) { clickInEditor(e, "cmdCancel"); });
    clickButton("Add");
    EXPECT_TRUE(editorShown);
    reactivate();
    EXPECT_EQ(window->actions().size(), 1u);
}

TEST_F(EditorHookupTest, PropertiesEditsTheSelectedActionByEveryRoute) {
    start();
    const std::vector<std::pair<const char*, std::function<void()>>> routes = {
        {"toolbar", [this] { clickButton("Properties"); }},
        {"Tools menu", [this] { toolsMenu("mnuProps"); }},
        {"Ctrl+P",
         [this] { QTest::keyClick(window->lstAction(), Qt::Key_P, Qt::ControlModifier); }},
        {"right-click menu", [this] { popUpMenu(1, "mnuProps2"); }},
        {"double-click", [this] { doubleClickRow(1); }},
    };
    for (const auto& [name, route] : routes) {
        SCOPED_TRACE(name);
        openList();
        clickRow(1);
        const Action before = window->actions()[1];
        inEditor([](ActionEditor& e) {
            EXPECT_TRUE(e.findChild<QWidget*>(QStringLiteral("fraOther"))->isVisible());
            EXPECT_EQ(fieldText(e, "txtOther"), "echo B");
            retype(e, "txtOther", "echo changed");
            clickInEditor(e, "cmdOkOther");
        });
        route();
        EXPECT_TRUE(editorShown);
        reactivate();
        ASSERT_EQ(window->actions().size(), 3u);
        const Action& after = window->actions()[1];
        EXPECT_EQ(after.details, "echo changed");
        EXPECT_EQ(after.kind, before.kind);
        EXPECT_EQ(after.itemKey, before.itemKey);
        EXPECT_EQ(window->model().data(window->model().index(1, 1)).toString(), "echo changed");
        EXPECT_EQ(window->selectedRow(), 1);
        EXPECT_TRUE(window->document().modified);
    }
}

// Every byte a command can hold but the line ends, opened with Properties on the Other page
// and confirmed with OK, comes out of Make Script as it went in. One row per 32 bytes.
TEST_F(EditorHookupTest, EveryByteSurvivesTheOtherPageAndMakeScript) {
    start();
    QByteArray lst = "// Logon Script Template File\r\n\r\n";
    QByteArray script = "@echo off\r\n\r\nrem - Created with Kestrune\r\n\r\n";
    for (int first = 0; first < 256; first += 32) {
        QByteArray command = "echo A";
        for (int byte = first; byte < first + 32; ++byte) {
            if (byte != '\r' && byte != '\n') {
                command += static_cast<char>(byte);
            }
        }
        command += 'Z';
        lst += "[other]\r\ncommand=" + command + "\r\n\r\n";
        script += command + "\r\n\r\n";
    }
    window->openDocument(writeFile("bytes.lst", lst));
    ASSERT_EQ(window->actions().size(), 8u);
    for (int row = 0; row < 8; ++row) {
        SCOPED_TRACE(row * 32);
        const std::string before = window->actions()[static_cast<std::size_t>(row)].details;
        clickRow(row);
        inEditor([](ActionEditor& e) { clickInEditor(e, "cmdOkOther"); });
        clickButton("Properties");
        ASSERT_TRUE(editorShown);
        reactivate();
        EXPECT_EQ(window->actions()[static_cast<std::size_t>(row)].details, before);
    }
    prompts.files = {QString::fromStdString(path("bytes.bat"))};
    QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(readFile(path("bytes.bat")), script);
}

TEST_F(EditorHookupTest, PropertiesCancelledChangesNothing) {
    start();
    openList();
    clickRow(2);
    inEditor([](ActionEditor& e) { clickInEditor(e, "cmdCancel"); });
    doubleClickRow(2);
    EXPECT_TRUE(editorShown);
    EXPECT_EQ(window->actions()[2].details, "echo C");
    EXPECT_FALSE(window->document().modified);
}

TEST_F(EditorHookupTest, AHomeMappingEditedIntoAShareChangesItsIcon) {
    store.values.insert({"Recent", "Share1"}, "\\\\FILES\\APPS");
    start();
    openList();
    ASSERT_EQ(window->actions()[0].iconKey, "imgHome");
    const qint64 homeIcon = window->model()
                                .data(window->model().index(0, 0), Qt::DecorationRole)
                                .value<QIcon>()
                                .cacheKey();
    inEditor([](ActionEditor& e) {
        auto* home = e.findChild<QAbstractButton*>(QStringLiteral("chkHome"));
        ASSERT_TRUE(home->isChecked());
        QTest::mouseClick(home, Qt::LeftButton, {}, QPoint(4, home->height() / 2));
        // The remembered shares of the run are offered.
        auto* share = e.findChild<QComboBox*>(QStringLiteral("txtShare"));
        ASSERT_GT(share->count(), 0);
        EXPECT_EQ(share->itemText(0), "\\\\FILES\\APPS");
        share->setEditText("\\\\FILES\\NEW");
        clickInEditor(e, "cmdNextMap");
    });
    doubleClickRow(0);
    EXPECT_TRUE(editorShown);
    EXPECT_EQ(window->actions()[0].iconKey, "imgDrive");
    EXPECT_EQ(window->actions()[0].details, "Map \\\\FILES\\NEW as H:\\");
    // Editing remembers no share.
    EXPECT_EQ(state.shares.shares()[0], "\\\\FILES\\APPS");
    EXPECT_TRUE(state.shares.shares()[1].empty());
    EXPECT_NE(window->model()
                  .data(window->model().index(0, 0), Qt::DecorationRole)
                  .value<QIcon>()
                  .cacheKey(),
              homeIcon);
}

TEST_F(EditorHookupTest, AnAddedShareIsRememberedForTheRun) {
    start();
    inEditor([](ActionEditor& e) {
        clickInEditor(e, "cmdMap");
        QTest::keyClicks(e.findChild<QComboBox*>(QStringLiteral("txtShare"))->lineEdit(),
                         "\\\\srv\\apps");
        clickInEditor(e, "cmdNextMap");
    });
    clickButton("Add");
    ASSERT_EQ(window->actions().size(), 1u);
    EXPECT_EQ(state.shares.shares()[0], "\\\\SRV\\APPS");
    EXPECT_EQ(store.value("Recent", "Share1"), "\\\\SRV\\APPS");
}

}  // namespace
}  // namespace kestrune
