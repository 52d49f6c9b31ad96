// The list's editing through the real toolbar, keys, right-click menu and mouse: moves,
// Remove, Clear, the selection, the editor's result applied, undo and redo, dragging and
// dropping, copy and paste as batch lines, the live script view, and Find.

#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

#include "ui/main/find_bar.h"
#include "ui/main/script_view.h"
#include "window_fixture.h"

namespace kestrune::test {
namespace {

class ListEditingTest : public WindowTest {
  protected:
    void openList(const std::vector<std::string>& commands) {
        window->openDocument(writeFile("list.lst", OtherTemplate(commands)));
    }
    // A batch script of these lines, opened as the command line opens it.
    void load(const QByteArray& script) { window->openDocument(writeFile("list.bat", script)); }
    void loadAbcd() { load("echo A\r\necho B\r\necho C\r\necho D\r\n"); }

    void key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window->lstAction(), static_cast<Qt::Key>(key), modifiers);
    }

    void drag(int from, int to) {
        QWidget* viewport = window->lstAction()->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, rowCenter(from));
        QTest::mouseMove(viewport, rowCenter(from) + QPoint(0, 4));
        QTest::mouseMove(viewport, rowCenter(to));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, rowCenter(to));
    }

    void dropFile(const std::string& file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file))});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window.get(), &enter);  // a drop follows the drag onto the window
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
        const std::string before = window->document().documentPath;
        QApplication::sendEvent(window.get(), &drop);
        EXPECT_EQ(window->document().documentPath, before);  // nothing asked while dropping
        QCoreApplication::sendPostedEvents();  // the file opens once the drop has ended
    }

    ScriptLinesModel& scriptLines() { return window->scriptView()->lines(); }
    // Key by key, as typed: characters beyond ASCII too, which QTest::keyClicks can't name.
    void type(const QString& text) {
        for (const QChar c : text) {
            const Qt::Key key =
                c.unicode() < 0x80 ? static_cast<Qt::Key>(c.toUpper().unicode()) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, field(), key, QString(c), {});
        }
    }
    QLineEdit* field() const { return window->findBar()->field(); }
    int selected() const { return window->selectedRow().value_or(-1); }
};

// Each move button is off at its end of the list, and the view shows what moved. (That a move
// keeps every field is the list's test; where the selection goes, the undo table's.)
TEST_F(ListEditingTest, MovesStopAtTheEndsAndKeepTheEntries) {
    start();
    openList({"A", "B", "C", "D"});
    clickRow(0);
    EXPECT_EQ(enabledButtons(), "1111101111");
    // The Edit menu's moves, and their keys, go only where the buttons do.
    const auto editMenu = [this] {
        std::string out;
        QMenu* edit = openMenu(MenuId::Edit);
        for (const Command command : {Command::Up, Command::Down, Command::Clear}) {
            out += window->action(command, Route::Menu)->isEnabled() ? '1' : '0';
        }
        edit->close();
        return out;
    };
    EXPECT_EQ(editMenu(), "011");
    key(Qt::Key_Up, Qt::AltModifier);
    EXPECT_FALSE(window->document().modified);
    clickRow(3);
    EXPECT_EQ(enabledButtons(), "1111110111");
    EXPECT_EQ(editMenu(), "101");
    key(Qt::Key_Down, Qt::AltModifier);
    EXPECT_FALSE(window->document().modified);
    give(Command::Up, Way::Toolbar);
    EXPECT_EQ(enabledButtons(), "1111111111");
    EXPECT_EQ(details(), (std::vector<std::string>{"A", "B", "D", "C"}));
    EXPECT_EQ(window->model().index(2, 1).data().toString(), "D");
    // Lists of any length move: 16 bits are no limit on what a user may keep.
    std::vector<std::string> commands(40000, "pause");
    commands[39999] = "echo moved";
    openList(commands);
    clickRow(39999);
    give(Command::Up, Way::Toolbar);
    EXPECT_EQ(window->actions()[39998].details, "echo moved");
    EXPECT_EQ(window->selectedRow(), 39998);
}

TEST_F(ListEditingTest, ClearAsksFirstAndTheRightClickMenuKeepsOneActionSelected) {
    start();
    openList({"A", "B", "C"});
    prompts.answers = {Answer::No};
    clickRow(1);
    give(Command::Clear, Way::PopUp);
    prompts.expectOnly("Are you sure you want to clear all actions currently in the list?",
                       MessageButtons::YesNo, MessageIcon::Question);
    EXPECT_EQ(prompts.messages[0].request.defaultAnswer, Answer::Yes);

    // The right-click menu pops up at the mouse; clicks that would unselect leave one selected.
    clickRow(2, Qt::RightButton);
    QMenu* popUp = window->menu(MenuId::PopUp);
    EXPECT_TRUE(popUp->geometry().contains(
        window->lstAction()->viewport()->mapToGlobal(rowCenter(2)) + QPoint(1, 1)));
    popUp->close();
    QWidget* list = window->lstAction()->viewport();
    QTest::mouseClick(list, Qt::LeftButton, Qt::ControlModifier, rowCenter(2));
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(4, list->height() - 4));
    EXPECT_EQ(window->selectedRow(), 2);
    // Shift+F10 and the menu key open it below the selected row.
    const QRect row = window->lstAction()->visualRect(window->model().index(2, 0));
    const QPoint below = window->lstAction()->viewport()->mapToGlobal(row.bottomLeft());
    for (const QKeyCombination combination :
         {QKeyCombination(Qt::ShiftModifier, Qt::Key_F10), QKeyCombination(Qt::Key_Menu)}) {
        key(combination.key(), combination.keyboardModifiers());
        ASSERT_TRUE(popUp->isVisible());
        EXPECT_NEAR(popUp->pos().y(), below.y(), 2);
        QTest::keyClick(popUp, Qt::Key_Escape);
    }

    give(Command::Clear, Way::PopUp);           // Yes: what it leaves is the undo table's
    EXPECT_EQ(enabledButtons(), "1110000001");  // a named document can still be saved
}

TEST_F(ListEditingTest, TheEditorsActionIsAppendedOrReplacesTheSelectedOne) {
    start();
    addOther("pause");
    EXPECT_EQ(enabledButtons(), "1111100111");  // the first action added is selected

    // Added at the end, its share remembered.
    inEditor([](ActionEditor& e) {
        clickIn(e, "cmdMap");
        e.findChild<QComboBox*>(QStringLiteral("txtShare"))->setEditText("\\\\srv\\apps");
        clickIn(e, "cmdNextMap");
    });
    give(Command::Add, Way::PopUp);
    reactivate();
    EXPECT_EQ(store.value("Recent", "Share1"), "\\\\SRV\\APPS");
    const ItemKey addedKey = window->actions()[1].itemKey;

    // Edited in place by a double-click: key kept, picture following the kind, no share
    // remembered; cancelled, nothing changes.
    store.writes.clear();
    clickRow(1);
    inEditor([](ActionEditor& e) {
        clickIn(e, "chkHome");
        clickIn(e, "cmdNextMap");
    });
    QTest::mouseDClick(window->lstAction()->viewport(), Qt::LeftButton, {}, rowCenter(1));
    reactivate();
    const Action edited = window->actions()[1];
    EXPECT_EQ(window->actions()[1].itemKey, addedKey);
    EXPECT_EQ(edited.iconKey, icon::kHome);  // the editor's home mapping in its place
    EXPECT_TRUE(store.writes.isEmpty());
    inEditor([](ActionEditor& e) { clickIn(e, "cmdCancel"); });
    give(Command::Properties, Way::Key);
    reactivate();
    EXPECT_EQ(window->actions()[1], edited);
}

// Every byte a command can hold but the line ends, opened with Properties on the Other page
// and confirmed with OK, comes out of Make Script as it went in. One row per 32 bytes.
TEST_F(ListEditingTest, EveryByteSurvivesTheOtherPageAndMakeScript) {
    start();
    std::vector<std::string> commands;
    QByteArray script = kScriptHeader;
    for (int first = 0; first < 256; first += 32) {
        std::string command = "echo A";
        for (int byte = first; byte < first + 32; ++byte) {
            if (byte != '\r' && byte != '\n') {
                command += static_cast<char>(byte);
            }
        }
        commands.push_back(command + 'Z');
        script += QByteArray::fromStdString(commands.back()) + "\r\n\r\n";
    }
    window->openDocument(writeFile("bytes.lst", OtherTemplate(commands)));
    for (int row = 0; row < 8; ++row) {
        clickRow(row);
        inEditor([](ActionEditor& e) { clickIn(e, "cmdOkOther"); });
        give(Command::Properties, Way::Toolbar);
        ASSERT_TRUE(editorShown);
        reactivate();
    }
    prompts.files = {PathText(path("bytes.bat"))};
    give(Command::Make, Way::Key);
    EXPECT_EQ(readFile(path("bytes.bat")), script);
}

using Lines = std::vector<std::string>;

// The list as "echo" actions, one letter each.
Lines echoes(std::string_view letters) {
    Lines out;
    for (const char letter : letters) {
        out.push_back(std::string("echo ") + letter);
    }
    return out;
}

struct ChangeCase {
    const char* name;  // without a change: the keys pressed
    int select;
    const char* after;  // echoes()
    int selectedAfter;
    const char* caption;
    std::function<void()> change = {};
};

TEST_F(ListEditingTest, EveryChangeIsOneStepThatUndoesToTheSavedState) {
    QGuiApplication::clipboard()->setText(QStringLiteral("echo P\necho Q\n"));
    const ChangeCase cases[] = {
        {"Del", 1, "ACD", 1, "&Undo Remove"},
        {"Alt+Up", 2, "ACBD", 1, "&Undo Move Up"},
        {"Alt+Down", 1, "ACBD", 2, "&Undo Move Down"},
        {"End, Del", 1, "ABC", 2, "&Undo Remove"},
        {"drag down", 0, "BCAD", 2, "&Undo Move", [this] { drag(0, 2); }},
        {"drag up", 3, "ADBC", 1, "&Undo Move", [this] { drag(3, 1); }},
        {"Clear All", 0, "", -1, "&Undo Clear All",
         [this] {
             prompts.answers.push_back(Answer::Yes);
             give(Command::Clear, Way::PopUp);
         }},
        {"Add", 0, "ABCDE", 0, "&Undo Add", [this] { addOther(QStringLiteral("echo E")); }},
        {"Return opens Properties", 1, "AXCD", 1, "&Undo Properties",
         [this] {
             inEditor([](ActionEditor& e) {
                 auto* field = e.findChild<QLineEdit*>(QStringLiteral("txtOther"));
                 field->selectAll();
                 QTest::keyClicks(field, QStringLiteral("echo X"));
                 clickIn(e, "cmdOkOther");
             });
             key(Qt::Key_Return);
             EXPECT_TRUE(editorShown);
             reactivate();
         }},
        {"Ctrl+V", 1, "ABPQCD", 2, "&Undo Paste"},  // after the selected action
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        loadAbcd();
        clickRow(c.select);
        c.change ? c.change() : QTest::keySequence(window->lstAction(), QKeySequence(c.name));
        EXPECT_EQ(details(), echoes(c.after));
        EXPECT_EQ(window->selectedRow().value_or(-1), c.selectedAfter);
        EXPECT_EQ(window->action(Command::Undo, Route::Menu)->text(), c.caption);
        key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(details(), echoes("ABCD"));
        EXPECT_FALSE(window->document().modified);  // back at the state as read
        EXPECT_EQ(window->action(Command::Undo, Route::Menu)->text(), "&Undo");
        for (const char* redo : {"Ctrl+Shift+Z", "Ctrl+Y"}) {
            QTest::keySequence(window.get(), QKeySequence(redo));
            EXPECT_EQ(details(), echoes(c.after));
            EXPECT_TRUE(window->document().modified);
            QTest::keySequence(window.get(), QKeySequence("Ctrl+Z"));
        }
    }
    give(Command::Redo, Way::Menu);  // the menu's Redo too
    EXPECT_EQ(details(), echoes("ABPQCD"));
}

TEST_F(ListEditingTest, SaveNewAndReadsSetWhereTheDocumentIsUnchanged) {
    start();
    loadAbcd();
    clickRow(0);
    key(Qt::Key_Delete);
    give(Command::Save, Way::Menu);  // written back as the batch script it was read from
    EXPECT_FALSE(window->document().modified);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(window->document().modified);  // away from the saved list
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(window->document().modified);

    // A failed read forgets the steps and leaves Modified as it was.
    key(Qt::Key_Z, Qt::ControlModifier);
    window->openDocument(path(QStringLiteral("missing.lst")));
    EXPECT_TRUE(window->document().modified);
    EXPECT_FALSE(window->action(Command::Undo, Route::Menu)->isEnabled());

    prompts.answers.push_back(Answer::No);  // New asks first
    give(Command::New, Way::Menu);
    EXPECT_FALSE(window->document().modified);
    EXPECT_FALSE(window->action(Command::Undo, Route::Menu)->isEnabled());

    // A dropped template or script opens after the save-changes prompt; other files are ignored.
    const std::pair<QString, QByteArray> cases[] = {
        {"drop.lst", "// Logon Script Template File\r\n[other]\r\ncommand=echo L\r\n"},
        {"DROP.CMD", "echo L\r\n"},
        {"drop.txt", "echo L\r\n"}};
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name.toStdString());
        prompts = {};
        loadAbcd();
        key(Qt::Key_Delete);
        prompts.answers.push_back(Answer::No);
        dropFile(writeFile(name, bytes));
        const bool opened = !name.endsWith(".txt");
        EXPECT_EQ(details(), opened ? Lines{"echo L"} : echoes("BCD"));
        EXPECT_EQ(window->windowTitle(), "Kestrune - " + (opened ? name : "list.bat") + "[*]");
        EXPECT_EQ(prompts.messages.size(), opened ? 1u : 0u);
        EXPECT_EQ(window->document().modified, !opened);
        EXPECT_EQ(window->action(Command::Undo, Route::Menu)->isEnabled(), !opened);
    }
}

TEST_F(ListEditingTest, CopyAndPasteAreTheLinesOfABatchScript) {
    start();
    load("NET USE G: \\\\SRV\\APPS\r\ntype \"C:\\MOTD.TXT\"\r\npause\r\n");
    clickRow(1);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "type \"C:\\MOTD.TXT\"\npause\n");
    // NET USE lines from a mail become actions, through the menu as well.
    QGuiApplication::clipboard()->setText("net use h: \\\\SRV\\HOME\nnet use lpt2 \\\\PRN\\LASER");
    clickRow(0);
    give(Command::Paste, Way::Menu);
    EXPECT_EQ(details(),
              (Lines{"Map \\\\SRV\\APPS as G:\\", "Map \\\\SRV\\HOME as H:\\",
                     "Map \\\\PRN\\LASER on LPT2", "Display message from C:\\MOTD.TXT"}));
    give(Command::Copy, Way::Menu);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "NET USE H: \\\\SRV\\HOME\n");
}

TEST_F(ListEditingTest, TheScriptViewFollowsTheListAndItsSelection) {
    start();
    window->openDocument(writeFile(
        "view.lst", kTemplateHeader + "[map]\r\nremote=NOSHARE\r\nlocal=G\r\n\r\n"
                                      "[motd]\r\nremote=\\\\SRV\\NETLOGON\\MOTD.TXT\r\n\r\n"
                                      "[other]\r\ncommand=echo A\r\n"));
    EXPECT_FALSE(window->scriptDock()->isVisible());
    EXPECT_EQ(scriptLines().rowCount(), 0);  // nothing rendered while hidden
    give(Command::ScriptView, Way::Menu);
    ASSERT_TRUE(window->scriptDock()->isVisible());

    // The selected action's lines are lit; a click on a line selects its action.
    clickRow(1);
    for (int row = 0; row < scriptLines().rowCount(); ++row) {
        const bool lit = scriptLines().index(row).data(Qt::BackgroundRole).isValid();
        EXPECT_EQ(lit, row == 5 || row == 6) << row;
    }
    ScriptView* view = window->scriptView();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(scriptLines().index(8)).center());
    EXPECT_EQ(window->selectedRow(), 2);

    // Every change shows at once.
    window->lstAction()->setFocus();
    key(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(scriptLines().index(5).data().toString(), "echo A");
    EXPECT_TRUE(scriptLines().index(5).data(Qt::BackgroundRole).isValid());

    // Shown again at the next start.
    restart();
    EXPECT_TRUE(window->scriptDock()->isVisible());
    give(Command::ScriptView, Way::Menu);
    EXPECT_FALSE(window->scriptDock()->isVisible());
    EXPECT_EQ(store.writes.back(), "Window/ScriptView=0");
}

// Edit > Find: the bar above the list, typing, going on and back, round the end of the list,
// case ignored by the document's own code page, and closing.
TEST_F(ListEditingTest, TypingSelectsTheNextActionHoldingTheTextRoundTheEnd) {
    start();
    window->openDocument(
        writeFile(QStringLiteral("find.lst"),
                  kTemplateHeader + "[map]\r\nremote=\\\\FILES\\APPS\r\nlocal=G\r\n\r\n"      // 0
                                    "[other]\r\ncommand=echo Caf\xC9 open\r\n\r\n"            // 1
                                    "[printer]\r\nremote=\\\\PRINT\\LASER\r\nport=2\r\n\r\n"  // 2
                                    "[other]\r\ncommand=echo caf\xE9 closed\r\n\r\n"          // 3
                                    "[other]\r\ncommand=cls\r\n\r\n"));                       // 4
    clickRow(2);
    const int listTop = window->lstAction()->y();
    give(Command::Find, Way::Key);
    FindBar* bar = window->findBar();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_TRUE(field()->hasFocus());
    EXPECT_EQ(window->lstAction()->y(), listTop + bar->height());  // the list makes room

    // From the one after the selection; a longer text keeps the action while it still
    // holds it; case is ignored, é and É alike.
    type(QStringLiteral("CAF"));
    EXPECT_EQ(selected(), 3);
    type(QString::fromUtf8("\xC3\xA9 c"));  // "é c"
    EXPECT_EQ(selected(), 3);
    EXPECT_TRUE(bar->statusText().isEmpty());
    // Enter and F3 go on, round the end; Shift+F3 back. (Which action holds a text, and the
    // way round, are the finder's table.)
    field()->setText(QStringLiteral("caf"));
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_EQ(selected(), 1);
    QTest::keyClick(window->lstAction(), Qt::Key_F3);  // wherever the focus is
    EXPECT_EQ(selected(), 3);
    QTest::keyClick(field(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(selected(), 1);

    // The kind as shown is searched as well; a selection made meanwhile is where the next
    // search starts.
    clickRow(0);
    field()->clear();
    type(QStringLiteral("map"));
    EXPECT_EQ(selected(), 2);  // "Map Printer"

    // What no action holds leaves the selection and says so; so does a character the
    // document's code page hasn't.
    for (const QString& text : {QStringLiteral("xyz"), QString::fromUtf8("\xCE\xA9 x")}) {
        field()->clear();
        type(text);
        EXPECT_EQ(selected(), 2);
        EXPECT_EQ(bar->statusText(), "No action holds this text.");
    }
    field()->clear();
    type(QStringLiteral("cl"));
    EXPECT_EQ(selected(), 3);
    EXPECT_TRUE(bar->statusText().isEmpty());

    // Escape closes the bar and hands the keys back to the list, which takes its place back.
    QTest::keyClick(field(), Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(window->lstAction()->hasFocus());
    EXPECT_EQ(window->lstAction()->y(), listTop);
    QTest::keyClick(window->lstAction(), Qt::Key_F3);  // closed: F3 does nothing
    EXPECT_EQ(selected(), 3);

    // Opened again, the text is chosen for a new one.
    give(Command::Find, Way::Menu);
    EXPECT_EQ(field()->selectedText(), "cl");
    type(QStringLiteral("cls"));
    EXPECT_EQ(selected(), 4);
}

}  // namespace
}  // namespace kestrune::test
