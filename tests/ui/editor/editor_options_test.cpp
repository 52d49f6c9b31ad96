// The pages' options driven like a user: connecting or disconnecting, the connection options,
// a program's arguments and waiting, a registry file's place and merge, and the "Run if:" row
// every page has; each made, read back by Properties and changed. Bad values are refused in
// the editor's table of checks.

#include "editor_fixture.h"

namespace kestrune::test {
namespace {

class OptionsTest : public EditorTest {
  protected:
    static bool isOn(ActionEditor& e, const char* name) { return on(e, name)->isEnabled(); }
    static bool checked(ActionEditor& e, const char* name) {
        return on<QAbstractButton>(e, name)->isChecked();
    }
};

// Each form made on its page, with a "Run if" row on some; Properties shows every control as
// it was made, and a change is written. The forms' text is the core's; here, which control
// makes which part. Each choice of the row is made, on each page's own row; blanks around a
// name mean nothing, and Always takes the condition away.
TEST_F(OptionsTest, EachOptionIsMadeReadBackByPropertiesAndChanged) {
    const auto runIf = [](const char* choice, const char* name) {
        return steps({picking("cboRunIf", choice), typing("txtRunIf", name)});
    };
    const Script always = picking("cboRunIf", "Always");
    const auto brief = [](const Action& a) {
        return a.condition.empty() ? a.details : a.details + " if " + a.condition;
    };
    const struct {
        Page page;
        Script make;
        std::string details;
        Script change;
        std::string changed;
    } rows[] = {
        {kMap,
         steps({typing("txtShare", "\\\\SRV\\APPS"), picking("cboDrive", "G:\\"),
                picking("cboReconnect", "No"), clicking("chkConfirm"), clicking("chkQuiet"),
                typing("txtUser", "CORP\\jo"), clicking("chkSaveCred"),
                runIf("User is member of group", "CORP\\Finance")}),
         "Map \\\\SRV\\APPS as G:\\ with /USER:CORP\\jo /SAVECRED /PERSISTENT:NO /YES >NUL if "
         "member of CORP\\Finance",
         steps({clicking("chkSaveCred"), picking("cboReconnect", "Leave as it is"), always}),
         "Map \\\\SRV\\APPS as G:\\ with /USER:CORP\\jo /YES >NUL"},
        {kMap, steps({clicking("chkHome"), picking("cboReconnect", "Yes")}),
         "Map home directory on the logon server as next available drive with /PERSISTENT:YES",
         picking("cboReconnect", "Leave as it is"),
         "Map home directory on the logon server as next available drive "},
        {kMap, steps({clicking("optDisconnect"), picking("cboDrive", "G:\\")}),
         "Disconnect drive G:", clicking("chkQuiet"), "Disconnect drive G: with >NUL"},
        // All connections come with their answer; back to a mapping, the entry's answer stays.
        {kMap, clicking("optDisconnect"), "Disconnect all network connections with /YES",
         steps({clicking("optConnect"), typing("txtShare", "\\\\f\\a")}),
         "Map \\\\F\\A as next available drive with /YES"},
        {kPrint,
         steps({typing("txtPrint", "\\\\SRV\\LASER"), typing("txtPort", "2"),
                picking("cboReconnect", "Yes"), typing("txtUser", "jo"),
                runIf("Computer name is not", "KIOSK")}),
         "Map printer \\\\SRV\\LASER on LPT2 with /USER:jo /PERSISTENT:YES if not computer KIOSK",
         clicking("optDisconnect"), "Disconnect printer LPT2 if not computer KIOSK"},
        {kPrint, steps({clicking("optDisconnect"), typing("txtPort", "1"), clicking("chkQuiet")}),
         "Disconnect printer LPT1 with >NUL",
         [](ActionEditor& e) {
             line(e, "txtPort")->clear();
             type(e, "txtPort", "3");
         },
         "Disconnect printer LPT3 with >NUL"},
        // Arguments keep their case.
        {kApp,
         steps({typing("txtLocalApp", "NOTEPAD.EXE"),
                typing("txtArguments", "/s \"C:\\My File.txt\""), clicking("optWait"),
                runIf("User is not member of group", "Domain Users")}),
         "Local: NOTEPAD.EXE with wait, arguments /s \"C:\\My File.txt\" if not member of Domain "
         "Users",
         clicking("optStart"),
         "Local: NOTEPAD.EXE with arguments /s \"C:\\My File.txt\" if not member of Domain Users"},
        // A file on the client stays there.
        {kReg,
         steps({clicking("optRegClient"), typing("txtReg", "%USERNAME%.REG"),
                clicking("optRegImport"), runIf("User name is", "bob")}),
         "Local: %USERNAME%.REG with reg import if user bob", clicking("optRegedit"),
         "Local: %USERNAME%.REG with regedit /s if user bob"},
        {kReg, typing("txtReg", "\\\\SRV\\N\\P.REG"), "Remote: \\\\SRV\\N\\P.REG",
         clicking("optRegImport"), "Remote: \\\\SRV\\N\\P.REG with reg import"},
        {kMotd, steps({typing("txtRemoteMotd", "\\\\S\\M.TXT"), runIf("User name is not", "Jo")}),
         "Display message from \\\\S\\M.TXT if not user Jo",
         [](ActionEditor& e) {
             line(e, "txtRunIf")->clear();
             type(e, "txtRunIf", " Jo Smith ");
         },
         "Display message from \\\\S\\M.TXT if not user Jo Smith"},
        {kOther, steps({typing("txtOther", "echo x"), runIf("Computer name is", "LAB-PC01")}),
         "echo x if computer LAB-PC01", always, "echo x"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.details);
        QString made;
        const auto added = add([&row, &made](ActionEditor& e) {
            clickIn(e, row.page.button);
            row.make(e);
            made = state(e);
            clickIn(e, row.page.ok);
        });
        ASSERT_TRUE(added);
        EXPECT_EQ(brief(*added), row.details);
        list.clear();
        list.append(*added);
        const auto changed = edit(0, [&row, &made](ActionEditor& e) {
            EXPECT_EQ(state(e), made);
            row.change(e);
            clickIn(e, row.page.ok);
        });
        ASSERT_TRUE(changed);
        EXPECT_EQ(brief(*changed), row.changed);
    }
    EXPECT_TRUE(prompts.messages.empty());
}

// What the choices switch on and off, the drive list while disconnecting, the answer preset
// for all connections and given back, and the registry file's place.
TEST_F(OptionsTest, TheChoicesSwitchWhatTheyTake) {
    shares.RememberShare("\\\\SRV\\A");
    EXPECT_FALSE(add([](ActionEditor& e) {
        clickIn(e, "cmdMap");
        clickIn(e, "chkHome");
        EXPECT_EQ(std::tuple(isOn(e, "cboReconnect"), isOn(e, "txtUser"), isOn(e, "chkSaveCred")),
                  std::tuple(true, false, false));
        clickIn(e, "chkHome");
        clickIn(e, "optDisconnect");
        EXPECT_EQ(items(e, "cboDrive").mid(0, 2), QStringList({"All network connections", "D:\\"}));
        for (const char* off : {"cboReconnect", "txtUser", "chkSaveCred"}) {
            EXPECT_FALSE(isOn(e, off)) << off;
        }
        EXPECT_FALSE(isOn(e, "txtShare") || isOn(e, "chkHome"));
        EXPECT_TRUE(checked(e, "chkConfirm") && isOn(e, "chkConfirm") && isOn(e, "chkQuiet"));
        pick(e, "cboDrive", "H:\\");
        EXPECT_FALSE(checked(e, "chkConfirm"));  // given back
        pick(e, "cboDrive", "All network connections");
        clickIn(e, "chkConfirm");
        clickIn(e, "chkConfirm");  // checked again, by the user now: it stays
        pick(e, "cboDrive", "H:\\");
        EXPECT_TRUE(checked(e, "chkConfirm"));
        clickIn(e, "optConnect");
        EXPECT_TRUE(checked(e, "chkConfirm"));
        EXPECT_EQ(items(e, "cboDrive").front(), "Next Available");
        EXPECT_TRUE(isOn(e, "txtShare") && isOn(e, "txtUser"));
        clickIn(e, "cmdBack");

        clickIn(e, "cmdMapPrint");
        clickIn(e, "optDisconnect");
        EXPECT_FALSE(isOn(e, "txtPrint") || isOn(e, "txtUser") || isOn(e, "cboReconnect"));
        EXPECT_FALSE(checked(e, "chkConfirm"));  // only all connections preset it
        clickIn(e, "cmdBack");

        clickIn(e, "cmdReg");
        EXPECT_TRUE(checked(e, "optRegServer") && checked(e, "optMergeOpen"));
        EXPECT_TRUE(on(e, "lblRemoteReg")->isVisible());
        type(e, "txtReg", "kept.reg");
        clickIn(e, "optRegClient");
        EXPECT_TRUE(on(e, "lblLocalReg")->isVisible() && !on(e, "lblRemoteReg")->isVisible());
        EXPECT_EQ(std::pair(items(e, "txtReg"), line(e, "txtReg")->text()),
                  std::pair(QStringList(), QString("kept.reg")));
        clickIn(e, "optRegServer");
        EXPECT_EQ(items(e, "txtReg"), QStringList({"\\\\SRV\\A"}));
        clickIn(e, "cmdCancel");
    }));
    EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace kestrune::test
