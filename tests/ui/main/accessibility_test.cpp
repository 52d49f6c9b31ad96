// What assistive technology reads of the window through Qt's accessibility: the list as a
// table under its headers, the script view as a list of lines with its colours in words, the
// buttons that show a picture only, the cost at a million actions, and the events of a key
// press and of a new list. Qt tells of events only while assistive technology listens, which
// the offscreen platform never does: scripts/accessibility-walk runs these tests again under
// X with the accessibility bus, where they all run.

#include <QAccessible>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolButton>

#include "accessible_names.h"
#include "ui/main/accessible_item_view.h"
#include "ui/main/find_bar.h"
#include "ui/main/script_view.h"
#include "window_fixture.h"

namespace kestrune::test {
namespace {

struct Heard {
    QAccessible::Event type;
    QObject* object;
    int child;
    bool operator==(const Heard&) const = default;
};
std::vector<Heard> heard;

void hear(QAccessibleEvent* event) {
    heard.push_back({event->type(), event->object(), event->child()});
}

// Whether Qt tells of events: under X, once it has reached the accessibility bus.
bool listening() {
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        return false;
    }
    const QDeadlineTimer deadline(5000);
    while (!QAccessible::isActive() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return QAccessible::isActive();
}

// The walk sets KESTRUNE_ACCESSIBILITY_BUS: there a test that can't listen fails.
#define NEEDS_LISTENER()                                                          \
    if (!listening()) {                                                           \
        if (qEnvironmentVariableIsSet("KESTRUNE_ACCESSIBILITY_BUS")) {            \
            FAIL() << "no accessibility bus";                                     \
        }                                                                         \
        GTEST_SKIP() << "events are heard under scripts/accessibility-walk only"; \
    }

class AccessibilityTest : public WindowTest {
  protected:
    void SetUp() override { previous_ = QAccessible::installUpdateHandler(hear); }
    void TearDown() override {
        WindowTest::TearDown();
        QAccessible::installUpdateHandler(previous_);
        heard.clear();
    }

    static QAccessibleInterface* of(QObject* object) {
        return QAccessible::queryAccessibleInterface(object);
    }
    // The cell's name, description and whether it is selected, as a screen reader has them.
    static std::string said(QAccessibleInterface* cell) {
        if (cell == nullptr) {
            return "none";
        }
        const QString description = cell->text(QAccessible::Description);
        return (cell->text(QAccessible::Name) +
                (description.isEmpty() ? QString() : QStringLiteral(" (") + description + ')') +
                (cell->state().selected ? QStringLiteral(" *") : QString()))
            .toStdString();
    }
    // The events heard of that kind about the view.
    std::vector<int> children(QAccessible::Event type, QObject* view) const {
        std::vector<int> out;
        for (const Heard& h : heard) {
            if (h.type == type && h.object == view) {
                out.push_back(h.child);
            }
        }
        return out;
    }

  private:
    QAccessible::UpdateHandler previous_ = nullptr;
};

TEST_F(AccessibilityTest, TheListIsATableUnderItsHeaders) {
    start();
    openFile(writeFile(QStringLiteral("start.lst"), kStartTemplate));
    QAccessibleInterface* list = of(window->lstAction());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::Table);
    EXPECT_EQ(list->text(QAccessible::Name), "Actions");
    QAccessibleTableInterface* table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(std::make_pair(table->rowCount(), table->columnCount()), std::make_pair(2, 2));
    EXPECT_EQ(table->columnDescription(1), "Details");
    EXPECT_EQ(list->childCount(), 6);  // the headers first, then the cells row by row
    const std::vector<std::string> children = {"Action",      "Details",
                                               "Map Drive *", "Map \\\\FILES\\APPS as G:\\  *",
                                               "Other",       "echo Welcome"};
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface* child = list->child(i);
        EXPECT_EQ(said(child), children[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(list->indexOfChild(child), i);
        EXPECT_EQ(child->parent(), list);
        EXPECT_EQ(child->role(), i < 2 ? QAccessible::ColumnHeader : QAccessible::Cell);
    }
    EXPECT_EQ(table->selectedRows(), QList<int>{0});
    QAccessibleTableCellInterface* cell = table->cellAt(1, 1)->tableCellInterface();
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(std::make_pair(cell->rowIndex(), cell->columnIndex()), std::make_pair(1, 1));
    EXPECT_EQ(cell->columnHeaderCells(), QList{list->child(1)});
    EXPECT_EQ(cell->table(), list);
    EXPECT_EQ(table->cellAt(2, 0), nullptr);
    // A cell's place on the screen is its row's, and finds it again.
    const QRect place = table->cellAt(1, 0)->rect();
    EXPECT_EQ(list->childAt(place.center().x(), place.center().y()), table->cellAt(1, 0));

    // Selecting a row from the screen reader is a click on it.
    EXPECT_TRUE(table->selectRow(1));
    EXPECT_EQ(window->selectedRow(), 1);
    EXPECT_EQ(enabledButtons(), "1111110111");

    // A condition brings the Run if column between them, as the list shows it.
    openFile(writeFile(QStringLiteral("run-if.lst"),
                       "// Logon Script Template File, version 2\r\n\r\n[other+]\r\n"
                       "command=echo Hi\r\ncondition=user bob\r\n"));
    EXPECT_EQ(table->columnCount(), 3);
    EXPECT_EQ(table->columnDescription(1), "Run if");
    EXPECT_EQ(said(table->cellAt(0, 1)), "user bob *");
    EXPECT_EQ(said(table->cellAt(0, 2)), "echo Hi *");
    EXPECT_EQ(list->indexOfChild(table->cellAt(0, 2)), 5);
}

TEST_F(AccessibilityTest, AKeyPressIsToldAsFocusAndSelection) {
    NEEDS_LISTENER();
    start();
    openFile(writeFile(QStringLiteral("start.lst"), kStartTemplate));
    ActionListView* view = window->lstAction();
    view->setFocus();
    QCoreApplication::processEvents();
    heard.clear();
    QTest::keyClick(view, Qt::Key_Down);
    // The row left and the row reached, cell by cell (each after its two headers), and the
    // current cell.
    EXPECT_EQ(children(QAccessible::SelectionRemove, view), (std::vector<int>{2, 3}));
    EXPECT_EQ(children(QAccessible::SelectionAdd, view), (std::vector<int>{4, 5}));
    EXPECT_EQ(children(QAccessible::Focus, view), std::vector<int>{4});
    EXPECT_EQ(of(view)->focusChild(), of(view)->child(4));
    EXPECT_TRUE(of(view)->child(4)->state().focused);

    // Coming back to the list, a screen reader ends on its current cell.
    window->findBar()->open();
    heard.clear();
    QTest::keyClick(window->findBar()->field(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back(), (Heard{QAccessible::Focus, view, 4}));

    // The script view's lines are read as the keys go, none selected.
    give(Command::ScriptView, Way::Menu);
    ScriptView* script = window->scriptView();
    script->setFocus();
    QTest::keyClick(script, Qt::Key_Home);
    heard.clear();
    QTest::keyClick(script, Qt::Key_Down);
    EXPECT_EQ(children(QAccessible::Focus, script), std::vector<int>{1});
    EXPECT_TRUE(children(QAccessible::SelectionAdd, script).empty());
    // The list's selection moves the lit lines, told as the script view's selection.
    view->setFocus();
    heard.clear();
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_EQ(children(QAccessible::SelectionAdd, script),
              std::vector<int>{script->lines().firstRowOf(0).value()});
    EXPECT_EQ(children(QAccessible::SelectionRemove, script),
              std::vector<int>{script->lines().firstRowOf(1).value()});
}

TEST_F(AccessibilityTest, TheScriptViewIsAListOfLinesWithItsColoursInWords) {
    start();
    window->model().append({"Other", "echo A", "imgOther"});
    window->model().append({"Map Drive", "Map NOSHARE as G:\\", "imgDrive"});
    give(Command::ScriptView, Way::Menu);
    ScriptView* view = window->scriptView();
    QAccessibleInterface* lines = of(view);
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(lines->role(), QAccessible::List);
    EXPECT_EQ(lines->text(QAccessible::Name), "Script");
    ASSERT_NE(lines->tableInterface(), nullptr);
    EXPECT_EQ(lines->tableInterface()->columnCount(), 1);
    ASSERT_EQ(lines->childCount(), view->lines().rowCount());
    EXPECT_EQ(lines->child(0)->role(), QAccessible::ListItem);
    EXPECT_EQ(said(lines->child(0)), "@echo off");
    const auto describe = [&](int action) {
        return said(lines->child(view->lines().firstRowOf(action).value()));
    };
    // The selected action's lines are lit, and selected; a refused one's line is red.
    window->lstAction()->setCurrentIndex(window->model().index(0, 0));
    EXPECT_EQ(describe(0), "echo A (Selected action) *");
    EXPECT_EQ(lines->tableInterface()->selectedRows(),
              QList<int>{view->lines().firstRowOf(0).value()});
    EXPECT_EQ(describe(1),
              "!! Not written, the script can't hold it: Map Drive -- Map NOSHARE as G:\\ (Not "
              "written)");
    window->lstAction()->setCurrentIndex(window->model().index(1, 0));
    EXPECT_EQ(describe(0), "echo A");
    EXPECT_EQ(describe(1),
              "!! Not written, the script can't hold it: Map Drive -- Map NOSHARE as G:\\ "
              "(Selected action, not written) *");
}

// Nothing is kept for each row, nor told of each row, however many there are.
class AccessibleAtAMillion : public AccessibilityTest {
  protected:
    static constexpr int kActions = 1'000'000;
    void startWithAMillion() {
        start();
        window->model().replaceAll([](ActionList& list) {
            for (int i = 0; i < kActions; ++i) {
                list.append("Other", "imgOther", "echo " + std::to_string(i));
            }
        });
        table = dynamic_cast<AccessibleItemView*>(of(window->lstAction()));
        ASSERT_NE(table, nullptr);
    }
    AccessibleItemView* table = nullptr;
};

TEST_F(AccessibleAtAMillion, AFewCellsAreKeptWhateverIsAsked) {
    startWithAMillion();
    EXPECT_EQ(table->rowCount(), kActions);
    EXPECT_EQ(table->childCount(), (kActions + 1) * 2);
    EXPECT_EQ(said(table->child(2 * kActions + 1)), "echo 999999");
    for (int row = 0; row < kActions; row += 997) {
        ASSERT_NE(table->cellAt(row, 1), nullptr);
    }
    EXPECT_EQ(table->keptCells(), AccessibleItemView::kKeptCells);
    EXPECT_EQ(said(table->cellAt(5 * 997, 1)), "echo 4985");  // made again, the same
}

TEST_F(AccessibleAtAMillion, ANewListIsToldOnceAndLetsTheCellsGo) {
    NEEDS_LISTENER();
    startWithAMillion();
    ActionListView* view = window->lstAction();
    view->setFocus();
    QCoreApplication::processEvents();
    heard.clear();
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_EQ(children(QAccessible::Focus, view), std::vector<int>{2 * kActions});
    ASSERT_GT(table->keptCells(), 0u);

    heard.clear();
    window->model().replaceAll([](ActionList& list) { list = ActionList(); });
    std::vector<QAccessible::Event> told;
    for (const Heard& h : heard) {
        if (h.object == view) {
            told.push_back(h.type);
        }
    }
    EXPECT_EQ(told, std::vector<QAccessible::Event>{QAccessible::TableModelChanged});
    EXPECT_EQ(table->keptCells(), 0u);
}

// The buttons that show a picture only are named after their commands; no control of the
// window is without a name, the script view and the find bar shown. Tab goes from the find
// bar to the list and on to the script view beside it.
TEST_F(AccessibilityTest, EveryControlHasANameAndTabGoesAsThePartsStand) {
    start();
    give(Command::ScriptView, Way::Menu);
    window->findBar()->open();
    EXPECT_EQ(unnamedControls(window.get()), QStringList());
    for (QWidget* widget : std::initializer_list<QWidget*>{
             window->findBar()->field(), window->lstAction(), window->scriptView()}) {
        EXPECT_EQ(QApplication::focusWidget(), widget);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    give(Command::Toolbar, Way::Toolbar);
    FloatingToolbar* tool = window->floatingToolbar();
    ASSERT_NE(tool, nullptr);
    const char* const names[] = {
        "Open",    "Save",      "Add Action",     "Remove Action", "Action Properties",
        "Move Up", "Move Down", "Execute Script", "Make Script",   "Float Toolbar"};
    int n = 0;
    for (const auto& command : kToolbarPositions) {
        if (!command) {
            continue;
        }
        QWidget* main = button(*command);
        QWidget* floating = tool->toolbar()->widgetForAction(tool->button(*command));
        const QString name = QString::fromLatin1(names[n++]);
        EXPECT_EQ(of(main)->text(QAccessible::Name), name);
        EXPECT_EQ(of(main)->role(), QAccessible::Button);
        EXPECT_EQ(of(floating)->text(QAccessible::Name),
                  *command == Command::Toolbar ? QStringLiteral("Dock Toolbar") : name);
    }
    // And the toolbars' own button for those that don't fit.
    for (QToolBar* toolbar : {window->toolbar(), tool->toolbar()}) {
        for (QToolButton* button : toolbar->findChildren<QToolButton*>()) {
            EXPECT_FALSE(of(button)->text(QAccessible::Name).isEmpty());
        }
    }
    EXPECT_EQ(unnamedControls(tool), QStringList());
    EXPECT_EQ(of(window->toolbar())->text(QAccessible::Name), "Toolbar");
    EXPECT_EQ(of(window->statusBar())->text(QAccessible::Name), "Status");
    QLineEdit* find = window->findBar()->field();
    EXPECT_EQ(of(find)->text(QAccessible::Name), "Find");
    const auto clear = find->findChildren<QToolButton*>();
    ASSERT_FALSE(clear.isEmpty());
    EXPECT_EQ(of(clear.first())->text(QAccessible::Name), "Clear");
}

}  // namespace
}  // namespace kestrune::test
