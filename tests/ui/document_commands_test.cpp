// New, Open, Save, Save As, Make Script and closing, driven through the real menus, toolbar
// and keys, with the dialog's answers scripted and the files written to a temporary folder.

#include <QFile>

#include "platform/text_codec.h"
#include "window_fixture.h"

namespace kestrune {
namespace {

using DocumentTest = testing::WindowTest;

const QByteArray kTemplate =
    "// Logon Script Template File\r\n\r\n"
    "[map]\r\nremote=\\\\FILES\\APPS\r\nlocal=G\r\n\r\n"
    "[other]\r\ncommand=echo Welcome\r\n\r\n";
const QByteArray kScript =
    "@echo off\r\n\r\nrem - Created with Kestrune\r\n\r\n"
    "NET USE G: \\\\FILES\\APPS\r\n\r\n"
    "echo Welcome\r\n\r\n";
const QString kOpenFilter = "Logon Templates (*.lst)|*.lst|Batch Files (*.bat) |*.bat;*.cmd";
const QString kSaveFilter = "Logon Templates (*.lst) |*.lst|Batch Files (*.bat) |*.bat;*.cmd";
const QString kScriptFilter = "Batch Files (*.bat) |*.bat;*.cmd";

class DocumentCommandsTest : public DocumentTest {
  protected:
    // Opens a file through File > Open, the dialog answering with path.
    void openThroughMenu(const std::string& path) {
        prompts.files.push_back(PathText(path));
        fileMenu("mnuOpen");
    }

    std::string openTemplate(const QString& name, const QByteArray& bytes = kTemplate) {
        const std::string file = writeFile(name, bytes);
        openThroughMenu(file);
        EXPECT_EQ(window->actions().size(), 2u) << name.toStdString();
        return file;
    }

    void expectDialog(std::size_t index, FileDialogKind kind, const QString& title,
                      const QString& filter, std::optional<QString> folder,
                      const QString& fileName) {
        ASSERT_GT(prompts.dialogs.size(), index);
        const FileDialogRequest& asked = prompts.dialogs[index];
        EXPECT_EQ(asked.kind, kind);
        EXPECT_EQ(asked.title, title);
        EXPECT_EQ(asked.filter, filter);
        EXPECT_EQ(asked.folder, folder);
        EXPECT_EQ(asked.fileName, fileName);
    }

    QStringList filesInDir() const { return QDir(dir.path()).entryList(QDir::Files); }
};

// --- New and Open ------------------------------------------------------------------------

TEST_F(DocumentCommandsTest, NewOnAnUnchangedDocumentAsksNothing) {
    start();
    openTemplate("start.lst");
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(window->actions().empty());
    EXPECT_EQ(window->document().documentPath, "New Template");
    EXPECT_EQ(window->windowTitle(), "Kestrune - New Template");
    EXPECT_FALSE(window->document().modified);
    EXPECT_EQ(enabledButtons(), "1010000001");
    EXPECT_EQ(window->statusText(), "New Template");
}

TEST_F(DocumentCommandsTest, NewOnAChangedUnnamedDocumentAnsweredYesThenCancelledKeepsTheList) {
    start();
    addOther("echo A");
    ASSERT_TRUE(window->document().modified);
    prompts.answers = {Answer::Yes};
    fileMenu("mnuNew");
    ASSERT_EQ(prompts.messages.size(), 1u);
    const MessageRequest& asked = prompts.messages[0].request;
    EXPECT_EQ(asked.text, "Save changes to Blank Template ?");
    EXPECT_EQ(asked.title, "Kestrune");
    EXPECT_EQ(asked.buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(asked.icon, MessageIcon::Question);
    expectDialog(0, FileDialogKind::Save, "Save Template", kSaveFilter, programDir.path(), "");

    EXPECT_EQ(details(), std::vector<std::string>{"echo A"});
    EXPECT_TRUE(window->document().modified);
    EXPECT_EQ(window->document().documentPath, "Blank Template");
    EXPECT_EQ(window->windowTitle(), "Kestrune");
    EXPECT_TRUE(filesInDir().isEmpty());
}

TEST_F(DocumentCommandsTest, OpenCancelledAtThePromptNeverShowsTheDialog) {
    start();
    addOther("echo A");
    prompts.answers = {Answer::Cancel};
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.dialogs.empty());
    EXPECT_EQ(details(), std::vector<std::string>{"echo A"});
    EXPECT_TRUE(window->document().modified);
}

TEST_F(DocumentCommandsTest, OpenReadsByTheEndingOfTheChosenPath) {
    struct Row {
        const char* name;
        QByteArray bytes;
        const char* secondDetails;
    };
    // Only ".lst" reads a template; anything else is read as a batch script.
    const Row rows[] = {{"START.LST", kTemplate, "echo Welcome"},
                        {"START.TXT", kScript, "echo Welcome"},
                        {"start.bat", kScript, "echo Welcome"}};
    start();
    for (const Row& row : rows) {
        openThroughMenu(writeFile(row.name, row.bytes));
        EXPECT_TRUE(prompts.messages.empty()) << row.name;
        ASSERT_EQ(window->actions().size(), 2u) << row.name;
        EXPECT_TRUE(window->actions()[0].details.starts_with("Map \\\\FILES\\APPS as "));
        EXPECT_EQ(window->actions()[1].details, row.secondDetails);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Kestrune - ") + row.name);
        EXPECT_EQ(window->selectedRow(), 0);
    }
}

TEST_F(DocumentCommandsTest, OpenFormsShowTheDialogInTheirFolders) {
    start();
    const std::string file = writeFile("start.lst", kTemplate);

    // The toolbar's Open starts in the program's folder.
    clickButton("Open");
    expectDialog(0, FileDialogKind::Open, "Open Template", kOpenFilter, programDir.path(), "");
    EXPECT_EQ(enabledButtons(), "1010000001");  // the command state ran, also when cancelled

    // The menu's sets no folder: it opens where the last use ended.
    prompts.files = {PathText(file)};
    fileMenu("mnuOpen");
    expectDialog(1, FileDialogKind::Open, "Open Template", kOpenFilter, programDir.path(), "");
    EXPECT_EQ(window->cdlTemplate().initDir, dir.path());
    fileMenu("mnuOpen");
    expectDialog(2, FileDialogKind::Open, "Open Template", kOpenFilter, dir.path(), "");
    EXPECT_EQ(window->actions().size(), 2u);
    EXPECT_EQ(window->cdlTemplate().fileName, "");  // cancelled: as it was set
}

TEST_F(DocumentCommandsTest, OpenAfterAFailedReadLeavesTheDocumentUnchanged) {
    start();
    addOther("echo A");
    prompts.answers = {Answer::No};
    openThroughMenu(path("gone.lst"));
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1].request.text,
              QString::fromStdString(path("gone.lst")) +
                  " could not found. Please make sure the path is correct.");
    EXPECT_TRUE(window->actions().empty());
    EXPECT_FALSE(window->document().modified);
    EXPECT_EQ(window->document().documentPath, "Blank Template");
}

TEST_F(DocumentCommandsTest, RecentFileItemsOpenTheirFiles) {
    start();
    const std::string first = writeFile("first.lst", kTemplate);
    const std::string second = writeFile("second.bat", kScript);
    openThroughMenu(first);
    openThroughMenu(second);
    ASSERT_EQ(menuItem("mnuRec2")->text(), "&2   first.lst");

    fileMenu("mnuRec2");
    EXPECT_EQ(window->document().documentPath, first);
    EXPECT_EQ(window->windowTitle(), "Kestrune - first.lst");
    EXPECT_EQ(menuItem("mnuRec1")->text(), "&1   second.bat");  // the list stays

    // A changed document is guarded; Cancel opens nothing.
    addOther("echo A");
    prompts.answers = {Answer::Cancel};
    fileMenu("mnuRec1");
    EXPECT_EQ(window->document().documentPath, first);
    EXPECT_EQ(window->actions().size(), 3u);

    // A file that has gone: the reader says so, the list is empty and the item stays.
    QFile::remove(QString::fromStdString(second));
    prompts.answers = {Answer::No};
    fileMenu("mnuRec1");
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_EQ(prompts.messages.back().request.text,
              "The file " + QString::fromStdString(second) +
                  " could not found.\rPlease make sure the path is correct.");
    EXPECT_TRUE(window->actions().empty());
    EXPECT_FALSE(window->document().modified);
    EXPECT_EQ(menuItem("mnuRec1")->text(), "&1   second.bat");
}

// --- Save, Save As, Make Script --------------------------------------------------------------

// A document read from a batch script is saved as one, whatever its name: Samba's own
// examples call the logon script "logon.cmd".
TEST_F(DocumentCommandsTest, ADocumentReadAsAScriptIsSavedAsAScriptWhateverItsName) {
    struct Row {
        QString name;
        bool closing;  // saved by the save-changes prompt on the way out, not by Ctrl+S
    };
    for (const Row& row : {Row{"START.TXT", false}, Row{"logon.cmd", false}, Row{"LOGON.CMD", true},
                           Row{"netlogon", true}}) {
        SCOPED_TRACE(row.name.toStdString());
        restart();
        const std::string file = openTemplate(row.name, kScript);  // read as a batch script
        addOther("pause");
        if (row.closing) {
            prompts.answers = {Answer::Yes};
            QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
            EXPECT_FALSE(window->isVisible());
        } else {
            QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
            EXPECT_TRUE(prompts.messages.empty());
            EXPECT_EQ(window->windowTitle(), "Kestrune - " + row.name);
            EXPECT_EQ(toolbarButton("Save")->isEnabled(), true);
        }
        EXPECT_EQ(prompts.dialogs.size(), 1u);  // the Open's only
        EXPECT_EQ(readFile(file), kScript + "pause\r\n\r\n");
        EXPECT_FALSE(window->document().modified);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    // Make Script still proposes ".bat".
    restart();
    const std::string cmd = openTemplate("logon.cmd", kScript);
    clickButton("Make");
    expectDialog(1, FileDialogKind::Save, "Make Script", kScriptFilter, dir.path(),
                 PathText(cmd.substr(0, cmd.size() - 4) + ".bat"));
}

TEST_F(DocumentCommandsTest, SaveOfAnUnnamedDocumentIsSaveAs) {
    start();
    addOther("pause");
    clickButton("Save");
    expectDialog(0, FileDialogKind::Save, "Save Template", kSaveFilter, std::nullopt, "");
    EXPECT_TRUE(window->document().modified);
}

TEST_F(DocumentCommandsTest, SaveAsWritesByTheEndingOfTheChosenName) {
    struct Row {
        QString name;  // in the temporary folder unless it is a share
        QByteArray written;
        bool named;
    };
    const QByteArray otherTemplate =
        "// Logon Script Template File\r\n\r\n[other]\r\ncommand=pause\r\n\r\n";
    const QByteArray otherScript =
        "@echo off\r\n\r\nrem - Created with Kestrune\r\n\r\npause\r\n\r\n";
    const Row rows[] = {{"NEWNAME", otherTemplate, true},
                        {"X.BAT", otherScript, true},
                        {"X.CMD", otherScript, true},
                        {"\\\\SRV\\S\\X.LST", {}, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        restart();
        addOther("pause");
        const bool share = row.name.startsWith(QLatin1String("\\\\"));
        const std::string chosen = share ? PathBytes(row.name) : path(row.name);
        prompts.files = {PathText(chosen)};
        fileMenu("mnuSaveAs");
        expectDialog(0, FileDialogKind::Save, "Save Template", kSaveFilter, std::nullopt, "");
        EXPECT_TRUE(prompts.messages.empty());
        if (row.named) {
            EXPECT_EQ(readFile(chosen), row.written);
            EXPECT_EQ(window->document().documentPath, chosen);
            EXPECT_EQ(window->windowTitle(), "Kestrune - " + row.name);
            EXPECT_FALSE(window->document().modified);
            EXPECT_EQ(state.recentFiles.entry(0), chosen);
        } else {
            EXPECT_TRUE(filesInDir().isEmpty());
            EXPECT_EQ(window->document().documentPath, "Blank Template");
            EXPECT_TRUE(window->document().modified);
        }
        for (const QString& file : filesInDir()) {
            QFile::remove(dir.filePath(file));
        }
    }
}

TEST_F(DocumentCommandsTest, ADocumentSavedAsABatchScriptIsSavedAsOneAgain) {
    start();
    addOther("pause");
    const std::string script = path("X.BAT");
    prompts.files = {PathText(script)};
    fileMenu("mnuSaveAs");
    addOther("echo B");
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(readFile(script),
              "@echo off\r\n\r\nrem - Created with Kestrune\r\n\r\npause\r\n\r\necho B\r\n\r\n");
    EXPECT_FALSE(window->document().modified);
    EXPECT_EQ(prompts.dialogs.size(), 1u);
}

TEST_F(DocumentCommandsTest, MakeScriptProposesTheDocumentsNameWithBat) {
    start();
    addOther("pause");
    clickButton("Make");  // cancelled: nothing is written
    expectDialog(0, FileDialogKind::Save, "Make Script", kScriptFilter, std::nullopt,
                 "Blank Temp.bat");
    prompts.answers = {Answer::No};
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    addOther("pause");
    toolsMenu("mnuMake");
    expectDialog(1, FileDialogKind::Save, "Make Script", kScriptFilter, std::nullopt,
                 "New Temp.bat");
    EXPECT_TRUE(filesInDir().isEmpty());
    EXPECT_EQ(window->windowTitle(), "Kestrune - New Template");
}

TEST_F(DocumentCommandsTest, MakeScriptWritesTheScriptAndLeavesTheDocumentAlone) {
    start();
    const std::string file = openTemplate("START.LST");
    clickRow(1);
    clickButton("Up");
    ASSERT_TRUE(window->document().modified);

    prompts.files = {PathText(path("START.bat"))};
    QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
    // Proposed beside the template, in the folder the Open ended in.
    expectDialog(1, FileDialogKind::Save, "Make Script", kScriptFilter, dir.path(),
                 PathText(path("START.bat")));
    EXPECT_EQ(readFile(path("START.bat")),
              "@echo off\r\n\r\nrem - Created with Kestrune\r\n\r\n"
              "echo Welcome\r\n\r\nNET USE G: \\\\FILES\\APPS\r\n\r\n");
    EXPECT_EQ(window->document().documentPath, file);
    EXPECT_TRUE(window->document().modified);
    EXPECT_EQ(window->windowTitle(), "Kestrune - START.bat");
    EXPECT_EQ(state.recentFiles.entry(0), path("START.bat"));
    EXPECT_EQ(readFile(file), kTemplate);

    // A share path without a drive is no file to make.
    prompts.files = {"\\\\SRV\\S\\X.BAT"};
    QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(window->windowTitle(), "Kestrune - START.bat");
    QStringList files = filesInDir();
    files.sort(Qt::CaseSensitive);
    EXPECT_EQ(files, (QStringList{"START.LST", "START.bat"}));
}

// --- closing -----------------------------------------------------------------------------

TEST_F(DocumentCommandsTest, ClosingAChangedDocumentByEachAnswer) {
    struct Row {
        Answer answer;
        bool closes;
        bool written;
    };
    for (const Row row : {Row{Answer::Yes, true, true}, Row{Answer::No, true, false},
                          Row{Answer::Cancel, false, false}}) {
        SCOPED_TRACE(static_cast<int>(row.answer));
        restart();
        const std::string file = openTemplate("start.lst");
        addOther("pause");
        prompts.answers = {row.answer};
        QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(window->isVisible(), !row.closes);
        EXPECT_EQ(readFile(file) != kTemplate, row.written);
        EXPECT_EQ(window->document().modified, !row.written);
        // The window's size is stored only on the way out.
        EXPECT_EQ(store.writes.filter(QStringLiteral("Window/")).size(), row.closes ? 3 : 0);
    }
}

TEST_F(DocumentCommandsTest, ClosingAnUnnamedDocumentAsksForAName) {
    start();
    addOther("pause");
    // A name that is neither a template nor a script writes nothing and refuses the close.
    prompts.answers = {Answer::Yes};
    prompts.files = {PathText(path("notes"))};
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
    expectDialog(0, FileDialogKind::Save, "Save Template", kSaveFilter, programDir.path(), "");
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(filesInDir().isEmpty());
    EXPECT_EQ(details(), std::vector<std::string>{"pause"});
    EXPECT_TRUE(store.writes.filter(QStringLiteral("Window/")).isEmpty());

    // A script name writes the script and the window closes.
    prompts.answers = {Answer::Yes};
    prompts.files = {PathText(path("logon.cmd"))};
    popUpMenu(0, "mnuExitPop");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(readFile(path("logon.cmd")),
              "@echo off\r\n\r\nrem - Created with Kestrune\r\n\r\npause\r\n\r\n");
}

TEST_F(DocumentCommandsTest, FileMenuOffersSaveOnlyForActionsOrANamedDocument) {
    start();
    const auto saveEnabled = [this] {
        QMenu* file = openMenu(Qt::Key_F, "mnuFile");
        const bool save = menuItem("mnuSave")->isEnabled();
        EXPECT_EQ(menuItem("mnuSaveAs")->isEnabled(), save);
        closeMenu(file);
        return save;
    };
    EXPECT_FALSE(saveEnabled());
    addOther("pause");
    EXPECT_TRUE(saveEnabled());
    prompts.answers = {Answer::No};
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(saveEnabled());
    openTemplate("start.lst");
    popUpMenu(0, "mnuClear");
    EXPECT_TRUE(saveEnabled());
}

// --- a failed save keeps the work --------------------------------------------------------------

TEST_F(DocumentCommandsTest, AFailedSaveKeepsTheDocumentChangedAndStopsWhatWouldLoseIt) {
    struct Row {
        const char* name;
        QByteArray opened;  // a file read first, else a new document
        QString message;    // the start of the message shown
    };
    const Row rows[] = {
        {"missing/START.LST", {}, "An unexpected error occurred while saving the file "},
        {"missing/START.BAT", {}, "An error occurred while saving the file "},
        // A drive mapping whose share has no "\\" can't be written.
        {"nameless.lst",
         "// Logon Script Template File\r\n\r\n[map]\r\nremote=FILES\r\nlocal=G\r\n\r\n",
         "An unexpected error occurred while saving the file "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        if (row.opened.isEmpty()) {
            addOther("pause");
            prompts.files = {PathText(path(row.name))};
            fileMenu("mnuSaveAs");
        } else {
            openThroughMenu(writeFile(row.name, row.opened));
            addOther("pause");
            QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        }
        ASSERT_EQ(prompts.messages.size(), 1u);
        const auto& failure = prompts.messages[0];
        EXPECT_TRUE(failure.request.text.startsWith(row.message + PathText(path(row.name))))
            << failure.request.text.toStdString();
        EXPECT_EQ(failure.request.icon, MessageIcon::Critical);
        EXPECT_FALSE(failure.waitCursor);
        EXPECT_TRUE(window->document().modified);
        EXPECT_EQ(window->document().documentPath, path(row.name));
        EXPECT_TRUE(toolbarButton("Save")->isEnabled());
        EXPECT_TRUE(toolbarButton("Make")->isEnabled());

        // Yes at the prompt saves again, fails again, and nothing goes on.
        prompts.answers = {Answer::Yes};
        QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(store.writes.filter(QStringLiteral("Window/")).isEmpty());
        prompts.answers = {Answer::Yes};
        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
        prompts.answers = {Answer::Yes};
        prompts.files = {PathText(path("other.lst"))};
        clickButton("Open");
        EXPECT_EQ(prompts.messages.size(), 7u);  // three prompts, three failures
        EXPECT_EQ(window->actions().size(), row.opened.isEmpty() ? 1u : 2u);
        EXPECT_TRUE(window->document().modified);
        EXPECT_EQ(prompts.files.size(), 1u);  // Open's dialog never came
    }
}

}  // namespace
}  // namespace kestrune
