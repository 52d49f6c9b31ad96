// Actions under a condition in the main window, through its real widgets: the "Run if"
// column, shown only while an action has a condition and given its room by Details, with the
// status text, the floating toolbar's title and Execute Action, which can't test it; the
// condition made in the editor, undone, copied and pasted, saved.

#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>

#include "window_fixture.h"

namespace kestrune::test {
namespace {

const QByteArray kConditioned =
    "// Logon Script Template File, version 2\r\n\r\n"
    "[map]\r\nremote=\\\\FILES\\APPS\r\nlocal=G\r\n\r\n"
    "[map+]\r\nremote=\\\\FILES\\FIN\r\nlocal=F\r\ncondition=member of Finance\r\n\r\n"
    "[other+]\r\ncommand=echo Welcome\r\ncondition=not user kiosk\r\n\r\n";

class RunIfWindowTest : public WindowTest {
  protected:
    QHeaderView* header() const { return window->lstAction()->header(); }
    bool columnShown() const {
        return !header()->isSectionHidden(ActionListModel::ConditionColumn);
    }
    // The columns as the list shows them, left to right: caption and width in pixels.
    std::vector<std::pair<QString, int>> columns() const {
        std::vector<std::pair<QString, int>> out;
        for (int visual = 0; visual < header()->count(); ++visual) {
            const int logical = header()->logicalIndex(visual);
            if (!header()->isSectionHidden(logical)) {
                out.emplace_back(window->model().headerData(logical, Qt::Horizontal).toString(),
                                 header()->sectionSize(logical));
            }
        }
        return out;
    }
};

// The column's captions and cells as a screen reader has them are the accessibility test's.
TEST_F(RunIfWindowTest, TheColumnShowsWhileAnActionHasAConditionAndDetailsGiveItRoom) {
    start();
    window->openDocument(writeFile("plain.lst", kStartTemplate));
    const auto plain = columns();
    ASSERT_EQ(plain.size(), 2U);

    window->openDocument(writeFile("run-if.lst", kConditioned));
    const auto shown = columns();
    ASSERT_EQ(shown.size(), 3U);
    EXPECT_EQ(shown[1], std::pair(QString("Run if"), TwipsToPixels(1800, window->logicalDpiX())));
    EXPECT_EQ(shown[0].second + shown[1].second + shown[2].second,
              plain[0].second + plain[1].second);  // the widths are the layout's table
    // A click on the column selects its row like any other; the status text and the floating
    // toolbar's title name the condition.
    give(Command::Toolbar, Way::Toolbar);
    const QRect cell =
        window->lstAction()->visualRect(window->model().index(1, ActionListModel::ConditionColumn));
    QTest::mouseClick(window->lstAction()->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(window->selectedRow(), 1);
    const QString named = "Map Drive -- Map \\\\FILES\\FIN as F:\\  (if member of Finance)";
    EXPECT_EQ(window->statusText(), named);
    EXPECT_EQ(window->floatingToolbar()->windowTitle(), named);
    clickRow(0);
    EXPECT_EQ(window->statusText(), "Map Drive -- Map \\\\FILES\\APPS as G:\\ ");
    give(Command::Toolbar, Way::Menu);
    reactivate();

    // The action's own line runs here, whoever the user is.
    clickRow(2);
    give(Command::ExecuteAction, Way::Menu);
    EXPECT_EQ(programs.lines, QStringList{"echo Welcome"});
    EXPECT_EQ(window->statusText(), "Condition not tested: not user kiosk");

    // Removing the last conditioned actions hides it; undoing shows it again.
    for (const int row : {2, 1}) {
        clickRow(row);
        QTest::keyClick(window->lstAction(), Qt::Key_Delete);
    }
    EXPECT_EQ(columns(), plain);
    QTest::keyClick(window->lstAction(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(columnShown());
}

// Made in the editor, written into the template, and carried by copy and paste. (Undo of
// Properties is the undo table's, the column's own the test above.)
TEST_F(RunIfWindowTest, TheEditorsConditionIsSavedUndoneCopiedAndPasted) {
    start();
    const std::string file = writeFile("start.lst", kStartTemplate);
    window->openDocument(file);
    clickRow(1);
    inEditor([](ActionEditor& e) {
        auto* box = e.findChild<QWidget*>("fraOther")->findChild<QComboBox*>("cboRunIf");
        box->setCurrentIndex(box->findText("Computer name is not"));
        QTest::keyClicks(e.findChild<QWidget*>("fraOther")->findChild<QLineEdit*>("txtRunIf"),
                         "KIOSK");
        clickIn(e, "cmdOkOther");
    });
    give(Command::Properties, Way::Toolbar);
    reactivate();
    EXPECT_TRUE(columnShown());
    give(Command::Save, Way::Toolbar);
    EXPECT_EQ(readFile(file),
              "// Logon Script Template File, version 2\r\n\r\n"
              "[map]\r\nremote=\\\\FILES\\APPS\r\nlocal=G\r\n\r\n"
              "[other+]\r\ncommand=echo Welcome\r\n"
              "condition=not computer KIOSK\r\n\r\n");
    QTest::keyClick(window->lstAction(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "if /i \"%COMPUTERNAME%\" NEQ \"KIOSK\" echo Welcome\n");
    clickRow(0);
    QTest::keyClick(window->lstAction(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(window->actions().size(), 3U);
    EXPECT_EQ(window->actions()[1], window->actions()[2]);
}

}  // namespace
}  // namespace kestrune::test
