#include "core/action_builders.h"

#include <gtest/gtest.h>

namespace kestrune {
namespace {

EditorFields typed(std::string text, bool home = false, std::optional<std::string> drive = {},
                   bool server = false, int port = 0) {
    return {std::move(text), home, std::move(drive), server, port};
}

// What each editor page makes of its fields: Details, picture, and the share an added action
// offers again ("-": none).
using Built =
    std::tuple<std::string_view, EditorFields, std::string, std::string_view, std::string>;

TEST(ActionBuilders, TheEditorsForms) {
    using namespace kind;
    const Built rows[] = {
        {kMapDrive, typed("  \\\\srv\\my data "), "Map \\\\SRV\\MY DATA as next available drive ",
         icon::kDrive, "\\\\SRV\\MY DATA"},
        {kMapDrive, typed("Home directory on logon server", true, "H:\\"),
         "Map home directory on the logon server as H:\\", icon::kHome, "-"},
        {kMapDrive, typed("apps", false, "G:\\"), "Map APPS as G:\\", icon::kDrive, "-"},
        {kMapDrive, typed("x\\\\y"), "Map X\\\\Y as next available drive ", icon::kDrive, "\\\\Y"},
        {kRunApplication, typed(" \\\\srv\\apps\\setup.exe ", false, {}, true),
         "Remote: \\\\SRV\\APPS\\SETUP.EXE", icon::kApp, "\\\\SRV\\APPS"},
        {kRunApplication, typed("setup.exe", false, {}, true), "Remote: SETUP.EXE", icon::kApp,
         "-"},
        {kDisplayMessage, typed(" \\\\srv\\netlogon\\motd.txt"),
         "Display message from \\\\SRV\\NETLOGON\\MOTD.TXT", icon::kMotd, "\\\\SRV\\NETLOGON"},
        // The printer is not trimmed.
        {kMapPrinter, typed("  \\\\srv\\laser", false, {}, false, 1),
         "Map printer   \\\\SRV\\LASER on LPT1", icon::kPrint, "\\\\SRV\\LASER ON LPT1"},
        {kOther, typed("  net use \\\\srv\\x  "), "net use \\\\srv\\x", icon::kOther, "-"},
    };
    for (const auto& [kindName, fields, details, icon, share] : rows) {
        const Action action = EditorAction(kindName, fields);
        EXPECT_EQ(action, (Action{std::string(kindName), details, std::string(icon)}));
        EXPECT_EQ(ShareToRemember(action).value_or("-"), share) << details;
    }
}

// An entry taken apart for its page, and the entry OK makes of those fields untouched
// (empty: the same entry).
TEST(ActionBuilders, TheEditorTakesDetailsApartAndOkPutsThemBack) {
    using namespace kind;
    const std::tuple<std::string_view, std::string, EditorFields, std::string> rows[] = {
        // The template reader's trailing blank goes; a drive the page doesn't offer stays.
        {kMapDrive, "Map \\\\SRV\\MY DATA as C:\\ ", typed("\\\\SRV\\MY DATA", false, "C:\\"),
         "Map \\\\SRV\\MY DATA as C:\\"},
        {kMapDrive, "Map APPS as G:\\", typed("APPS", false, "G:\\"), ""},
        // A home mapping names no share: the field keeps what the Home box put there.
        {kMapDrive, "Map home directory on the logon server as next available drive ",
         EditorFields{std::nullopt, true, {}, false, 0}, ""},
        {kRunApplication, "Local: C:\\TOOLS\\RUN.EXE", typed("C:\\TOOLS\\RUN.EXE"), ""},
        {kRunApplication, "Remote: \\\\SRV\\APPS\\SETUP.EXE",
         typed("\\\\SRV\\APPS\\SETUP.EXE", false, {}, true), ""},
        // The page takes remote files only.
        {kMergeRegistry, "Local: C:\\X.REG", typed("C:\\X.REG"), "Remote: C:\\X.REG"},
        // The path follows the first " from ".
        {kDisplayMessage, "Display message from C:\\NOTES FROM BOB.TXT ",
         typed("C:\\NOTES FROM BOB.TXT"), "Display message from C:\\NOTES FROM BOB.TXT"},
        {kOther, " echo Welcome", typed(" echo Welcome"), "echo Welcome"},
        {kMapPrinter, "Map printer \\\\PRINT\\LASER", typed("\\\\PRINT\\LASER"), ""},
        // The script reader's form comes back in the editor's.
        {kMapPrinter, "Map \\\\PRINT\\LASER on LPT3",
         typed("\\\\PRINT\\LASER", false, {}, false, 3), "Map printer \\\\PRINT\\LASER on LPT3"},
        {kMapPrinter, "Map printer LASER on LPT2", typed("LASER", false, {}, false, 2), ""},
        // A printer share with a blank is taken whole.
        {kMapPrinter, "Map printer \\\\SRV\\BIG LASER on LPT2",
         typed("\\\\SRV\\BIG LASER", false, {}, false, 2), ""},
    };
    for (const auto& [kindName, details, fields, afterOk] : rows) {
        const auto taken = EditorFieldsOf(Action{std::string(kindName), details, "img"});
        ASSERT_TRUE(taken) << details;
        EXPECT_EQ(*taken, fields) << details;
        EXPECT_EQ(EditorAction(kindName, *taken).details, afterOk.empty() ? details : afterOk);
    }
    EXPECT_FALSE(EditorFieldsOf(Action{"Unknown", "whatever", ""}));
}

}  // namespace
}  // namespace kestrune
