#include "core/action_builders.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/details_writers.h"

namespace kestrune {
namespace {

EditorFields typed(std::string text, bool home = false, std::optional<std::string> drive = {},
                   bool server = false, int port = 0) {
    return {std::move(text), home, std::move(drive), server, port};
}

EditorFields disconnection(std::optional<std::string> drive, int port = 0) {
    EditorFields fields{std::nullopt, false, std::move(drive), false, port};
    fields.disconnect = true;
    return fields;
}

EditorFields withOptions(EditorFields fields, OwnedOptions options) {
    fields.options = std::move(options);
    return fields;
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

// The readers write Details straight into their list: exactly what the forms write, with and
// without options.
TEST(ActionBuilders, TheReadersWritersWriteWhatTheFormsWrite) {
    using namespace details;
    ActionOptions options;
    options.user = "CORP\\jo";
    options.persistent = Persistence::No;
    options.quiet = true;
    const ActionOptions& constOptions = options;
    const std::string_view share =
        "\\\\files\\d"
        "\xe4"
        "pt";
    using Write = std::function<void(std::string&, const ActionOptions*)>;
    const std::pair<ActionForm, Write> rows[] = {
        {MapDriveForm(share, "G:\\"),
         [&](auto& out, auto o) { AppendMapDrive(out, share, 'G', o); }},
        {MapDriveForm(share, kNextAvailableDrive),
         [&](auto& out, auto o) { AppendMapDrive(out, share, '\0', o); }},
        {MapDriveForm(share, "G:\\ "),
         [&](auto& out, auto o) { AppendMapDrive(out, share, std::string_view("G:\\ "), o); }},
        {HomeMappingForm(kLogonServer, "H:\\"),
         [&](auto& out, auto o) { AppendHomeMapping(out, kLogonServer, 'H', o); }},
        {HomeMappingForm(kTheLogonServer, kNextAvailableDrive),
         [&](auto& out, auto o) {
             AppendHomeMapping(out, kTheLogonServer, kNextAvailableDrive, o);
         }},
        {PrinterForm(share, 0), [&](auto& out, auto o) { AppendPrinter(out, share, 0, o); }},
        {PrinterForm(share, 3), [&](auto& out, auto o) { AppendPrinter(out, share, 3, o); }},
        {PrinterOnPortForm(share, "LPT2"),
         [&](auto& out, auto o) { AppendPrinterOnPort(out, share, 2, o); }},
        {ApplicationForm(true, "\\\\apps\\x.exe"),
         [&](auto& out, auto o) { AppendProgram(out, true, "\\\\apps\\x.exe", o); }},
        {RegistryForm(false, "%username%.reg"),
         [&](auto& out, auto o) { AppendProgram(out, false, "%username%.reg", o); }},
        {DisconnectDriveForm("g"), [&](auto& out, auto o) { AppendDisconnectDrive(out, 'g', o); }},
        {DisconnectAllForm(), [&](auto& out, auto o) { AppendDisconnectAll(out, o); }},
        {DisconnectPrinterForm(4), [&](auto& out, auto o) { AppendDisconnectPrinter(out, 4, o); }},
    };
    for (const auto& [form, write] : rows) {
        for (const ActionOptions* o : {static_cast<const ActionOptions*>(nullptr), &constOptions}) {
            ActionForm withOptions = form;
            withOptions.options = o;
            std::string written = "before";
            write(written, o);
            EXPECT_EQ(written, "before" + withOptions.toAction().details);
        }
    }
    std::string message;
    AppendMessage(message, "\\\\s\\motd.txt");
    EXPECT_EQ(message, MessageForm("\\\\s\\motd.txt").toAction().details);
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
        {kMergeRegistry, "Local: %USERNAME%.REG", typed("%USERNAME%.REG"), ""},
        // The path follows the first " from ".
        {kDisplayMessage, "Display message from C:\\NOTES FROM BOB.TXT ",
         typed("C:\\NOTES FROM BOB.TXT"), "Display message from C:\\NOTES FROM BOB.TXT"},
        {kOther, " echo Welcome", typed(" echo Welcome"), "echo Welcome"},
        {kMapPrinter, "Map printer \\\\PRINT\\LASER", typed("\\\\PRINT\\LASER"), ""},
        // The script reader's form comes back in the editor's.
        {kMapPrinter, "Map \\\\PRINT\\LASER on LPT3",
         typed("\\\\PRINT\\LASER", false, {}, false, 3), "Map printer \\\\PRINT\\LASER on LPT3"},
        // A printer share with a blank is taken whole.
        {kMapPrinter, "Map printer \\\\SRV\\BIG LASER on LPT2",
         typed("\\\\SRV\\BIG LASER", false, {}, false, 2), ""},
        // Options go through OK as they are.
        {kMapDrive, "Map \\\\SRV\\APPS as G:\\ with /PERSISTENT:NO /YES",
         withOptions(typed("\\\\SRV\\APPS", false, "G:\\"),
                     {.persistent = Persistence::No, .confirm = true}),
         ""},
        {kMapDrive, "Map home directory on logon server as H:\\ with >NUL",
         withOptions({std::nullopt, true, "H:\\", false, 0}, {.quiet = true}),
         "Map home directory on the logon server as H:\\ with >NUL"},
        {kMapPrinter, "Map \\\\P\\Q on LPT2 with /USER:jo",
         withOptions(typed("\\\\P\\Q", false, {}, false, 2), {.user = "jo"}),
         "Map printer \\\\P\\Q on LPT2 with /USER:jo"},
        {kRunApplication, "Remote: \\\\A\\X.EXE with wait, arguments /s \"a b\"",
         withOptions(typed("\\\\A\\X.EXE", false, {}, true),
                     {.wait = true, .arguments = "/s \"a b\""}),
         ""},
        {kMergeRegistry, "Remote: \\\\A\\P.REG with regedit /s",
         withOptions(typed("\\\\A\\P.REG", false, {}, true), {.method = MergeMethod::Regedit}), ""},
        // A disconnection: its drive, all connections or its port, and its options.
        {kMapDrive, "Disconnect drive g:", disconnection("G:\\"), "Disconnect drive G:"},
        {kMapDrive, "Disconnect all network connections with /YES",
         withOptions(disconnection({}), {.confirm = true}), ""},
        {kMapPrinter, "Disconnect printer LPT7 with >NUL",
         withOptions(disconnection({}, 7), {.quiet = true}), ""},
    };
    for (const auto& [kindName, details, fields, afterOk] : rows) {
        const auto taken = EditorFieldsOf(Action{std::string(kindName), details, "img"});
        ASSERT_TRUE(taken) << details;
        EXPECT_EQ(*taken, fields) << details;
        EXPECT_EQ(EditorAction(kindName, *taken).details, afterOk.empty() ? details : afterOk);
    }
    // No page for options that can't be read, nor for a kind without one.
    for (const auto& [kindName, details] : {std::pair{kMapDrive, "Map \\\\S\\X as G:\\ with /NO"},
                                            {kMapPrinter, "Disconnect printer LPT1 with /USER:jo"},
                                            {"Unknown", "whatever"}}) {
        EXPECT_FALSE(EditorFieldsOf(Action{std::string(kindName), details, ""})) << details;
    }
    // A page whose base takes fewer options drops the others: a home mapping has no user.
    EXPECT_EQ(EditorAction(kMapDrive, withOptions({std::nullopt, true, {}, false, 0},
                                                  {.user = "jo", .confirm = true}))
                  .details,
              "Map home directory on the logon server as next available drive with /YES");
    // Only the base names a share worth remembering: arguments may name any.
    for (const auto& [kindName, details, share] :
         {std::tuple{kRunApplication, "Local: C:\\X.EXE with arguments \\\\SRV\\S\\X", "-"},
          {kRunApplication, "Remote: \\\\SRV\\APPS\\X.EXE with arguments \\\\O\\S\\Y",
           "\\\\SRV\\APPS"},
          {kMapDrive, "Map \\\\SRV\\X as G:\\ with /USER:jo", "\\\\SRV\\X"},
          {kMapDrive, "Disconnect drive G:", "-"}}) {
        EXPECT_EQ(ShareToRemember(Action{std::string(kindName), details, ""}).value_or("-"), share);
    }
}

}  // namespace
}  // namespace kestrune
