#include "core/action_builders.h"

#include <gtest/gtest.h>

namespace kestrune {
namespace {

using namespace std::string_literals;

EditorFields typed(std::string text, bool home = false, std::optional<std::string> drive = {},
                   bool server = false, int port = 0) {
    return {std::move(text), home, std::move(drive), server, port};
}

// What each editor page makes of its fields: Details and picture.
struct Built {
    std::string_view kind;
    EditorFields fields;
    std::string details;
    std::string_view icon;
};

TEST(ActionBuilders, TheEditorsForms) {
    using namespace kind;
    const Built rows[] = {
        {kMapDrive, typed("\\\\srv\\apps", false, "G:\\"), "Map \\\\SRV\\APPS as G:\\",
         icon::kDrive},
        {kMapDrive, typed("  \\\\srv\\apps "), "Map \\\\SRV\\APPS as next available drive ",
         icon::kDrive},
        {kMapDrive, typed("Home directory on logon server", true, "H:\\"),
         "Map home directory on the logon server as H:\\", icon::kHome},
        {kMapDrive, typed("apps", false, "G:\\"), "Map APPS as G:\\", icon::kDrive},
        {kMapDrive, typed("x\\\\y"), "Map X\\\\Y as next available drive ", icon::kDrive},
        {kRunApplication, typed("c:\\windows\\notepad.exe"), "Local: C:\\WINDOWS\\NOTEPAD.EXE",
         icon::kApp},
        {kRunApplication, typed(" \\\\srv\\apps\\setup.exe ", false, {}, true),
         "Remote: \\\\SRV\\APPS\\SETUP.EXE", icon::kApp},
        {kRunApplication, typed("setup.exe", false, {}, true), "Remote: SETUP.EXE", icon::kApp},
        {kMergeRegistry, typed("\\\\srv\\netlogon\\policy.REG"),
         "Remote: \\\\SRV\\NETLOGON\\POLICY.REG", icon::kReg},
        {kDisplayMessage, typed(" \\\\srv\\netlogon\\motd.txt"),
         "Display message from \\\\SRV\\NETLOGON\\MOTD.TXT", icon::kMotd},
        {kMapPrinter, typed("\\\\srv\\laser", false, {}, false, 1),
         "Map printer \\\\SRV\\LASER on LPT1", icon::kPrint},
        {kMapPrinter, typed("\\\\srv\\laser"), "Map printer \\\\SRV\\LASER", icon::kPrint},
        // The printer is not trimmed.
        {kMapPrinter, typed("  \\\\srv\\laser"), "Map printer   \\\\SRV\\LASER", icon::kPrint},
        {kOther, typed("  echo Welcome  "), "echo Welcome", icon::kOther},
    };
    for (const Built& row : rows) {
        const Action action = EditorAction(row.kind, row.fields);
        EXPECT_EQ(action, (Action{std::string(row.kind), row.details, std::string(row.icon)}));
    }
}

// An entry taken apart for its page, and the entry OK makes of those fields untouched.
struct TakenApart {
    std::string_view kind;
    std::string details;
    EditorFields fields;
    std::string afterOk;
};

TEST(ActionBuilders, TheEditorTakesDetailsApartAndOkPutsThemBack) {
    using namespace kind;
    const auto none = std::optional<std::string>();
    const TakenApart rows[] = {
        {kMapDrive, "Map \\\\FILES\\APPS as G:\\", typed("\\\\FILES\\APPS", false, "G:\\"),
         "Map \\\\FILES\\APPS as G:\\"},
        // The template reader's trailing blank goes.
        {kMapDrive, "Map \\\\FILES\\APPS as G:\\ ", typed("\\\\FILES\\APPS", false, "G:\\"),
         "Map \\\\FILES\\APPS as G:\\"},
        {kMapDrive, "Map \\\\SRV\\MY DATA as C:\\", typed("\\\\SRV\\MY DATA", false, "C:\\"),
         "Map \\\\SRV\\MY DATA as C:\\"},
        {kMapDrive, "Map APPS as G:\\", typed("APPS", false, "G:\\"), "Map APPS as G:\\"},
        // A home mapping names no share: the field keeps what the Home box put there.
        {kMapDrive, "Map home directory on the logon server as next available drive ",
         EditorFields{none, true, {}, false, 0},
         "Map home directory on the logon server as next available drive "},
        {kRunApplication, "Local: C:\\TOOLS\\RUN.EXE", typed("C:\\TOOLS\\RUN.EXE"),
         "Local: C:\\TOOLS\\RUN.EXE"},
        {kRunApplication, "Remote: \\\\SRV\\APPS\\SETUP.EXE",
         typed("\\\\SRV\\APPS\\SETUP.EXE", false, {}, true), "Remote: \\\\SRV\\APPS\\SETUP.EXE"},
        // The page takes remote files only.
        {kMergeRegistry, "Local: C:\\X.REG", typed("C:\\X.REG"), "Remote: C:\\X.REG"},
        {kDisplayMessage, "Display message from \\\\SRV\\NETLOGON\\MOTD.TXT",
         typed("\\\\SRV\\NETLOGON\\MOTD.TXT"), "Display message from \\\\SRV\\NETLOGON\\MOTD.TXT"},
        {kOther, " echo Welcome", typed(" echo Welcome"), "echo Welcome"},
        {kMapPrinter, "Map printer \\\\PRINT\\LASER on LPT2",
         typed("\\\\PRINT\\LASER", false, {}, false, 2), "Map printer \\\\PRINT\\LASER on LPT2"},
        {kMapPrinter, "Map printer \\\\PRINT\\LASER", typed("\\\\PRINT\\LASER"),
         "Map printer \\\\PRINT\\LASER"},
        // The script reader's form comes back in the editor's.
        {kMapPrinter, "Map \\\\PRINT\\LASER on LPT3",
         typed("\\\\PRINT\\LASER", false, {}, false, 3), "Map printer \\\\PRINT\\LASER on LPT3"},
        {kMapPrinter, "Map printer LASER on LPT2", typed("LASER", false, {}, false, 2),
         "Map printer LASER on LPT2"},
        // A printer share with a blank is taken whole.
        {kMapPrinter, "Map printer \\\\SRV\\BIG LASER on LPT2",
         typed("\\\\SRV\\BIG LASER", false, {}, false, 2),
         "Map printer \\\\SRV\\BIG LASER on LPT2"},
    };
    for (const TakenApart& row : rows) {
        const Action entry{std::string(row.kind), row.details, "img"};
        const auto fields = EditorFieldsOf(entry);
        ASSERT_TRUE(fields) << row.details;
        EXPECT_EQ(*fields, row.fields) << row.details;
        EXPECT_EQ(EditorAction(row.kind, *fields).details, row.afterOk);
    }
    EXPECT_FALSE(EditorFieldsOf(Action{"Unknown", "whatever", ""}));
}

TEST(ActionBuilders, TheShareAnAddedActionOffersAgain) {
    using namespace kind;
    const struct {
        std::string_view kind;
        EditorFields fields;
        std::optional<std::string> share;
    } rows[] = {
        {kMapDrive, typed("\\\\srv\\apps"), "\\\\SRV\\APPS"},
        {kMapDrive, typed("", true), std::nullopt},
        {kMapDrive, typed("\\\\srv\\my data", false, "G:\\"), "\\\\SRV\\MY DATA"},
        {kMapDrive, typed("a b\\\\c"), "\\\\C"},
        {kRunApplication, typed("\\\\srv\\apps\\setup.exe", false, {}, true), "\\\\SRV\\APPS"},
        {kRunApplication, typed("c:\\windows\\notepad.exe"), std::nullopt},
        {kRunApplication, typed("notepad.exe"), std::nullopt},
        {kMergeRegistry, typed("\\\\srv\\netlogon\\policy.reg"), "\\\\SRV\\NETLOGON"},
        {kDisplayMessage, typed("\\\\srv\\netlogon\\motd.txt"), "\\\\SRV\\NETLOGON"},
        {kMapPrinter, typed("\\\\srv\\laser", false, {}, false, 1), "\\\\SRV\\LASER ON LPT1"},
        {kOther, typed("net use \\\\srv\\x"), std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ShareToRemember(EditorAction(row.kind, row.fields)), row.share)
            << *row.fields.text;
    }
}

}  // namespace
}  // namespace kestrune
