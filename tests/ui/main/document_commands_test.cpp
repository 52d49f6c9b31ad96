// New, Open, Save, Save As, Make Script and closing through the real menus, keys and
// toolbar, the dialogs' answers scripted, and the title naming what Save writes.

#include <QDir>
#include <QMenuBar>
#include <QWindow>

#include "ui/main/program_entry.h"
#include "window_fixture.h"

namespace kestrune::test {
namespace {

const QByteArray kScript = kScriptHeader + "NET USE G: \\\\FILES\\APPS\r\n\r\necho Welcome\r\n\r\n";
const QString kSaveFilter = "Logon Templates (*.lst) |*.lst|Batch Files (*.bat) |*.bat;*.cmd";
const QString kScriptFilter = "Batch Files (*.bat) |*.bat;*.cmd";

class DocumentCommandsTest : public WindowTest {
  protected:
    void expectDialog(std::size_t index, const QString& title, const QString& filter,
                      std::optional<QString> folder, const QString& fileName = {}) {
        ASSERT_GT(prompts.dialogs.size(), index);
        const FileDialogRequest& asked = prompts.dialogs[index];
        EXPECT_EQ(asked.kind,
                  title.startsWith("Open") ? FileDialogKind::Open : FileDialogKind::Save);
        EXPECT_EQ(asked.title, title);
        EXPECT_EQ(asked.filter, filter);
        EXPECT_EQ(asked.folder, folder);
        EXPECT_EQ(asked.fileName, fileName);
    }
};

TEST_F(DocumentCommandsTest, TheSaveChangesPromptGuardsNewOpenAndClosing) {
    start();
    openFile(writeFile("start.lst", kStartTemplate));
    give(Command::New, Way::Key);  // unchanged: nothing asked
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(window->windowTitle(), "Kestrune - New Template[*]");
    EXPECT_EQ(window->statusText(), "New Template");

    restart();
    addOther("echo A");
    prompts.answers = {Answer::Yes};  // then the name's dialog is cancelled
    give(Command::New, Way::Menu);
    prompts.expectOnly("Save changes to Blank Template ?", MessageButtons::YesNoCancel,
                       MessageIcon::Question);
    expectDialog(0, "Save Template", kSaveFilter, programDir.path());
    prompts.answers = {Answer::Cancel};
    give(Command::Open, Way::Key);
    EXPECT_EQ(prompts.dialogs.size(), 1u);  // Open's dialog never came
    EXPECT_EQ(details(), std::vector<std::string>{"echo A"});
    EXPECT_TRUE(window->document().modified);

    // Closing unnamed: a name that is neither a template nor a script refuses the close.
    prompts.answers = {Answer::Yes};
    prompts.files = {PathText(path("notes"))};
    give(Command::Exit, Way::Key);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"start.lst"});
    EXPECT_TRUE(store.writes.filter("Window/").isEmpty());

    // Each answer for a named document; the size is stored only on the way out.
    const std::string file = writeFile("start.lst", kStartTemplate);
    for (const Answer answer : {Answer::Cancel, Answer::No, Answer::Yes}) {
        SCOPED_TRACE(static_cast<int>(answer));
        restart();
        openFile(file);
        addOther("pause");
        prompts.answers = {answer};
        give(Command::Exit, Way::PopUp);
        EXPECT_EQ(prompts.texts(),
                  std::vector<QString>{"Save changes to " + PathText(file) + " ?"});
        EXPECT_EQ(window->isVisible(), answer == Answer::Cancel);
        EXPECT_EQ(readFile(file), answer == Answer::Yes
                                      ? kStartTemplate + "[other]\r\ncommand=pause\r\n\r\n"
                                      : kStartTemplate);
        EXPECT_EQ(store.writes.filter("Window/").size(), answer == Answer::Cancel ? 0 : 3);
    }
}

// A document read from a batch script is saved as one, whatever its name: Samba's own
// examples call the logon script "logon.cmd". Written by the program, it is saved unasked.
TEST_F(DocumentCommandsTest, ADocumentReadAsAScriptIsSavedAsAScriptWhateverItsName) {
    const std::pair<const char*, bool> rows[] = {
        {"START.TXT", false}, {"LOGON.CMD", true}, {"netlogon", true}};
    for (const auto& [name, closing] : rows) {
        SCOPED_TRACE(name);
        restart();
        const std::string file = writeFile(name, kScript);
        openFile(file);
        addOther("pause");
        prompts.answers = {Answer::Yes};
        // Saved by Ctrl+S, or by the prompt on the way out.
        give(closing ? Command::Exit : Command::Save, Way::Key);
        EXPECT_EQ(window->isVisible(), !closing);
        EXPECT_EQ(prompts.dialogs.size(), 1u);                  // the Open's only
        EXPECT_EQ(prompts.messages.size(), closing ? 1u : 0u);  // the program wrote it: unasked
        EXPECT_EQ(readFile(file), kScript + "pause\r\n\r\n");
        EXPECT_FALSE(window->document().modified);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

TEST_F(DocumentCommandsTest, SaveAsWritesByTheEndingOfTheChosenName) {
    const QByteArray otherTemplate = OtherTemplate({"pause"});
    const QByteArray otherScript = kScriptHeader + "pause\r\n\r\n";
    // (".cmd" and the case of an ending are the document test's.)
    const std::pair<QString, QByteArray> rows[] = {
        {"NEWNAME", otherTemplate}, {"X.BAT", otherScript}, {"\\\\SRV\\S\\X.LST", {}}};
    for (const auto& [name, written] : rows) {
        SCOPED_TRACE(name.toStdString());
        restart();
        addOther("pause");
        const std::string chosen = written.isEmpty() ? PathBytes(name) : path(name);
        prompts.files = {PathText(chosen)};
        give(Command::Save, Way::Toolbar);  // unnamed: Save As
        expectDialog(0, "Save Template", kSaveFilter, std::nullopt);
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_EQ(window->document().modified, written.isEmpty());
        if (written.isEmpty()) {  // a share without a drive is no file
            EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
            EXPECT_EQ(window->document().documentPath, "Blank Template");
            continue;
        }
        EXPECT_EQ(readFile(chosen), written);
        EXPECT_EQ(window->windowTitle(), "Kestrune - " + name + "[*]");
        EXPECT_EQ(state.recentFiles.entry(0), chosen);
        // Saved again as what it was saved as.
        addOther("cls");
        give(Command::Save, Way::Key);
        EXPECT_EQ(readFile(chosen), written == otherTemplate ? OtherTemplate({"pause", "cls"})
                                                             : otherScript + "cls\r\n\r\n");
        QFile::remove(PathText(chosen));
    }
}

TEST_F(DocumentCommandsTest, MakeScriptWritesTheScriptAndLeavesTheDocumentAlone) {
    start();
    addOther("pause");
    give(Command::Make, Way::Toolbar);  // cancelled: nothing is written
    expectDialog(0, "Make Script", kScriptFilter, std::nullopt, "Blank Temp.bat");

    const std::string file = writeFile("START.LST", kStartTemplate);
    prompts.answers = {Answer::No};
    openFile(file);
    clickRow(1);
    give(Command::Up, Way::Toolbar);
    prompts.files = {PathText(path("START.bat"))};
    give(Command::Make, Way::Key);
    // Proposed beside the template, in the folder the Open ended in.
    expectDialog(2, "Make Script", kScriptFilter, dir.path(), PathText(path("START.bat")));
    EXPECT_EQ(readFile(path("START.bat")),
              kScriptHeader + "echo Welcome\r\n\r\nNET USE G: \\\\FILES\\APPS\r\n\r\n");
    // The title still names what Save writes, marked as changed; the status bar says what
    // was made.
    EXPECT_EQ(window->windowHandle()->title(), "Kestrune - START.LST*");
    EXPECT_EQ(window->statusText(), "Script made: " + PathText(path("START.bat")));
    EXPECT_EQ(state.recentFiles.entry(0), path("START.bat"));
    EXPECT_EQ(readFile(file), kStartTemplate);

    // For a document read from "logon.cmd" Make Script still proposes ".bat".
    prompts.answers = {Answer::No};
    openFile(writeFile("logon.cmd", kScript));
    give(Command::Make, Way::Toolbar);
    expectDialog(4, "Make Script", kScriptFilter, dir.path(), PathText(path("logon.bat")));
}

// A file with the complete copy of an interrupted save beside it: the user is asked whether
// to take the copy, unsaved, instead. Saved where it belongs, the copy has done its work.
TEST_F(DocumentCommandsTest, TheCopyOfAnInterruptedSaveIsOfferedWhenItsFileOpens) {
    start();
    const std::string file = writeFile("start.lst", OtherTemplate({"echo Old"}));
    const QString copy = dir.filePath("start.lst.kestrune-recovery");
    writeFile("start.lst.kestrune-recovery", OtherTemplate({"echo Saved"}));
    const QString asked = "A save of " + PathText(file) +
                          " was interrupted; the file may be incomplete.\rDo you want to open the "
                          "copy that was being saved?";
    prompts.answers = {Answer::No};  // the file as it is, the copy kept
    openFile(file);
    prompts.expectOnly(asked, MessageButtons::YesNo, MessageIcon::Question);
    EXPECT_EQ(details(), std::vector<std::string>{"echo Old"});
    EXPECT_FALSE(window->document().modified);

    // The command line reads past Open (whose recent items go the toolbar's way).
    prompts = {};
    prompts.answers = {Answer::Yes};
    OpenFromCommandLine(*window, file);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(prompts.texts(), std::vector<QString>{asked});
    EXPECT_EQ(details(), std::vector<std::string>{"echo Saved"});
    EXPECT_EQ(window->windowHandle()->title(), "Kestrune - start.lst*");  // unsaved
    EXPECT_EQ(readFile(file), OtherTemplate({"echo Old"}));
    EXPECT_TRUE(QFile::exists(copy));
    // Taking the copy is no change by another program: the save asks nothing.
    prompts = {};
    give(Command::Save, Way::Key);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(readFile(file), OtherTemplate({"echo Saved"}));
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_FALSE(window->document().modified);
    prompts = {};
    openFile(file);
    EXPECT_TRUE(prompts.messages.empty());
}

// An action a writer can't write is told as such, with the critical icon: which action, why,
// and its Details. Nothing is written or listed among the recent files, and the window still
// names the document, unsaved.
TEST_F(DocumentCommandsTest, ARefusedActionIsToldAndNothingIsWrittenOrListed) {
    const struct {
        const char* what;
        QByteArray lst;
        Command command;
        QString message;
    } rows[] = {
        {"a quote in a share", kTemplateHeader + "[map]\r\nremote=\\\\F\\A\"B\r\nlocal=G\r\n",
         Command::Make,
         "Action 1 can't be written to a batch script: a share or path can't hold a double "
         "quote.\rMap \\\\F\\A\"B as G:\\ "},
        {"a printer without a share", kTemplateHeader + "[printer]\r\nport=3\r\n", Command::Save,
         "Action 1 can't be written to a batch script: a printer needs a share.\rMap printer  on "
         "LPT3"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        restart();
        const QByteArray lst = row.lst + "\r\n[other]\r\ncommand=cls\r\n";
        const std::string file = writeFile("refused.lst", lst);
        openFile(file);
        clickRow(1);
        give(Command::Remove, Way::Toolbar);  // a change for Save to write
        const std::string target = row.command == Command::Make ? path("refused.bat") : file;
        prompts.files = {PathText(target)};
        const QString status = window->statusText();
        give(row.command, Way::Key);
        prompts.expectOnly(row.message);
        EXPECT_EQ(readFile(file), lst);
        EXPECT_FALSE(QFile::exists(PathText(path("refused.bat"))));
        EXPECT_EQ(state.recentFiles.entry(0), file);  // listed by the Open only
        EXPECT_TRUE(state.recentFiles.entry(1).empty());
        EXPECT_EQ(window->windowHandle()->title(), "Kestrune - refused.lst*");
        EXPECT_EQ(window->statusText(), status);
    }
}

// Opening only reads: whatever the file holds or is called, and whichever way it is opened,
// nothing is started or handed to the shell.
TEST_F(DocumentCommandsTest, OpeningAnyFileByAnyWayStartsNothing) {
    const QByteArray script =
        "@echo off\r\nstart calc.exe\r\nSTART \"C:\\WINDOWS\\SYSTEM32\\CMD.EXE\"\r\n"
        "type \"C:\\BOOT.INI\"\r\npause\r\nNET USE Z: \\\\EVIL\\SHARE\r\n"
        "%COMSPEC% /c touch pwned\r\n$(touch pwned) `touch pwned` ; touch pwned && calc\r\n";
    const QByteArray lst =
        kTemplateHeader +
        "[app]\r\nlocal=/bin/touch pwned\r\n\r\n[reg]\r\nlocal=C:\\EVIL.REG\r\n\r\n"
        "[motd]\r\nlocal=$(touch pwned)\r\n\r\n[other]\r\ncommand=calc; touch pwned\r\n";
    const std::pair<QString, Way> rows[] = {
        {"$(touch pwned).lst", Way::Menu},
        {"`touch pwned`.bat", Way::Toolbar},
        {"a; touch pwned & calc.bat", Way::Key},
        {"hostile.txt", Way::Menu},
        {"hostile.lst", Way::Key},
    };
    start();
    for (const auto& [name, way] : rows) {
        prompts.files = {PathText(writeFile(name, name.endsWith(".lst") ? lst : script))};
        give(Command::Open, way);
        EXPECT_EQ(window->document().documentPath, path(name));
        clickRow(0);
    }
    QAction* fifth = window->menuBar()->findChild<QAction*>("mnuRec5");
    chooseIn(MenuId::File, fifth);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(programs.lines.isEmpty() && shell.calls.empty());
    EXPECT_TRUE(lookup.asked.isEmpty() && lookup.searched.isEmpty());
    EXPECT_FALSE(QFile::exists(QDir::current().filePath("pwned")) ||
                 QFile::exists(dir.filePath("pwned")));
    EXPECT_TRUE(QDir(programDir.path()).isEmpty());
}

// The mark shows exactly while the document has unsaved changes: after an edit and a save.
// (Where undo, saves and New leave Modified is the undo table's.)
TEST_F(DocumentCommandsTest, TheTitleMarksUnsavedChangesThroughEditUndoAndSave) {
    start();
    const auto shows = [this](const QString& title, bool modified) {
        EXPECT_EQ(window->isWindowModified(), modified);
        EXPECT_EQ(window->document().modified, modified);
        EXPECT_EQ(window->windowHandle()->title(), title + (modified ? "*" : ""));
    };
    shows("Kestrune", false);
    addOther("echo A");
    shows("Kestrune", true);

    prompts.files = {PathText(path("start.lst"))};
    give(Command::SaveAs, Way::Menu);
    shows("Kestrune - start.lst", false);

    // A name that holds the mark itself shows it as it is.
    window->openDocument(writeFile("odd[*].lst", OtherTemplate({"cls"})));
    EXPECT_EQ(window->windowTitle(), "Kestrune - odd[*][*].lst[*]");
    give(Command::Clear, Way::Menu);
    shows("Kestrune - odd[*].lst", true);
    // Ctrl+Q closes as Exit does, after the prompt.
    prompts.answers = {Answer::No};
    QTest::keyClick(window->lstAction(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(prompts.texts().back(), "Save changes to " + PathText(path("odd[*].lst")) + " ?");
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace kestrune::test
