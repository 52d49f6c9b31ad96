// cdlTemplate keeps its fields between uses; the folder of a use that sets none is the one the
// last use ended in. And the names Make Script proposes.

#include <gtest/gtest.h>

#include "scripted_prompts.h"
#include "ui/main/file_dialog.h"

namespace kestrune {
namespace {

using testing::ScriptedPrompts;

TEST(FileDialogTest, FieldsCarryOverAndTheFolderFollowsTheChosenFile) {
    ScriptedPrompts prompts;
    FileDialog dialog(prompts);
    dialog.title = "Open Template";
    dialog.filter = "Logon Templates (*.lst)|*.lst";

    // Never set, never used: the platform chooses the folder.
    EXPECT_FALSE(dialog.ShowOpen());
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_EQ(prompts.dialogs[0].kind, FileDialogKind::Open);
    EXPECT_FALSE(prompts.dialogs[0].folder.has_value());

    dialog.initDir = "/opt/kestrune";
    prompts.files = {"/srv/logon/start.lst"};
    EXPECT_TRUE(dialog.ShowOpen());
    EXPECT_EQ(prompts.dialogs[1].folder, "/opt/kestrune");
    EXPECT_EQ(dialog.fileName, "/srv/logon/start.lst");
    EXPECT_EQ(dialog.initDir, "/srv/logon");

    // A use that sets only the name and the title opens where the last one ended, with its
    // filter; cancelled, the name is the one it was given.
    dialog.fileName = "C:\\S\\START.bat";
    dialog.title = "Make Script";
    EXPECT_FALSE(dialog.ShowSave());
    const FileDialogRequest& asked = prompts.dialogs[2];
    EXPECT_EQ(asked.kind, FileDialogKind::Save);
    EXPECT_EQ(asked.title, "Make Script");
    EXPECT_EQ(asked.filter, "Logon Templates (*.lst)|*.lst");
    EXPECT_EQ(asked.folder, "/srv/logon");
    EXPECT_EQ(asked.fileName, "C:\\S\\START.bat");
    EXPECT_EQ(dialog.fileName, "C:\\S\\START.bat");
    EXPECT_EQ(dialog.initDir, "/srv/logon");

    // A name without a folder leaves the folder alone.
    prompts.files = {"notes"};
    EXPECT_TRUE(dialog.ShowSave());
    EXPECT_EQ(dialog.initDir, "/srv/logon");
}

TEST(FileDialogTest, FolderOfAPathInEitherStyle) {
    const std::pair<const char*, const char*> rows[] = {
        {"C:\\S\\START.LST", "C:\\S"},
        {"C:\\START.LST", "C:\\"},
        {"\\\\SRV\\S\\X.LST", "\\\\SRV\\S"},
        {"/tmp/k/a.lst", "/tmp/k"},
        {"/a.lst", "/"},
        {"notes", ""},
    };
    for (const auto& [path, folder] : rows) {
        EXPECT_EQ(FolderOfPath(path), folder) << path;
    }
}

TEST(FileDialogTest, MakeScriptProposesTheDocumentWithBat) {
    const std::pair<const char*, const char*> rows[] = {
        {"C:\\S\\START.LST", "C:\\S\\START.bat"},
        {"Blank Template", "Blank Temp.bat"},
        {"New Template", "New Temp.bat"},
        {"/srv/logon/start.lst", "/srv/logon/start.bat"},
        {"C:\\S\\X.BAT", "C:\\S\\X.bat"},
        {"C:x", "C:x.bat"},
        {"", ".bat"},
    };
    for (const auto& [document, proposal] : rows) {
        EXPECT_EQ(MakeScriptProposal(document), proposal) << document;
    }
}

}  // namespace
}  // namespace kestrune
