#include "core/details.h"

#include <gtest/gtest.h>

#include "core/action.h"
#include "core/action_options.h"

namespace kestrune {
namespace {

// What the rules take out of Details: "home " for a home mapping, the drive letter, the
// mapped share, the printer's share and port; "-" for none.
std::string takenOut(std::string_view d) {
    const auto letter = MappedDriveLetter(d);
    const auto port = PrinterPort(d);
    return (IsHomeMapping(d) ? "home " : "") + (letter ? std::string(1, *letter) : "-") + "|" +
           std::string(MappedShare(d).value_or("-")) + "|" + PrinterShare(d).value_or("-") + "|" +
           (port ? std::to_string(*port) : "-");
}

TEST(Details, TakesTheParametersBackOut) {
    const std::pair<const char*, const char*> rows[] = {
        {"Map \\\\FILES\\APPS as G:\\", "G|\\\\FILES\\APPS|\\\\FILES\\APPS AS G:\\|-"},
        {"Map \\\\A\\B as next available drive", "-|\\\\A\\B|\\\\A\\B AS NEXT AVAILABLE DRIVE|-"},
        {"Map home directory on logon server as H:\\", "home H|-|-|-"},
        // Case counts: this one is a share mapping without a share.
        {"Map Home Directory on logon server as G:\\", "G|-|-|-"},
        // Blanks inside a share survive; text before "\\" stays with the drive's share.
        {"Map \\\\SRV\\MY DATA as G:\\ ", "G|\\\\SRV\\MY DATA|\\\\SRV\\MY DATA AS G:\\|-"},
        {"Map x\\\\SRV\\X as G:\\", "G|x\\\\SRV\\X|\\\\SRV\\X AS G:\\|-"},
        {"Map FILES\\APPS as G:\\", "G|-|-|-"},
        {"Map printer \\\\P\\Q", "-|-|\\\\P\\Q|-"},
        {"Map \\\\P\\Q on LPT3", "-|\\\\P\\Q|\\\\P\\Q|3"},
        {"Map printer \\\\p\\q on lpt1", "-|\\\\p\\q|\\\\P\\Q|1"},
        // Only ports 1 to 9, and a share ending in LPT1 is no port.
        {"Map printer \\\\P\\Q on LPT10", "-|\\\\P\\Q|\\\\P\\Q|-"},
        {"Map printer \\\\P\\Q on LPT0", "-|\\\\P\\Q|\\\\P\\Q|-"},
        {"Map printer \\\\PRINT\\LPT1", "-|-|\\\\PRINT\\LPT1|-"},
        {"Map printer \\\\PRN\\BIG LASER on LPT2", "-|\\\\PRN\\BIG|\\\\PRN\\BIG LASER|2"},
        // A share runs to the last " as ", a printer's to the last " on ".
        {"Map \\\\S\\A as B as G:\\", "G|\\\\S\\A as B|\\\\S\\A AS B AS G:\\|-"},
        {"Map printer \\\\P\\A on B on LPT2", "-|\\\\P\\A|\\\\P\\A ON B|2"},
        // A bare printer name is taken whole; a drive needs a letter before its colon.
        {"Map printer LASER", "-|-|LASER|-"},
        {":\\", "-|-|-|-"},
    };
    for (const auto& [details, out] : rows) {
        EXPECT_EQ(takenOut(details), out) << details;
    }
}

// Details taken apart into their base and the options after the first " with ", written
// back canonically ("!": not options the base takes); a disconnection in brackets.
TEST(Details, SplitIntoBaseAndOptions) {
    using namespace kind;
    const std::tuple<std::string_view, std::string_view, std::string> rows[] = {
        {kMapDrive, " Map \\\\F\\A as G:\\ ", "Map \\\\F\\A as G:\\|"},
        {kMapDrive, "Map \\\\F\\A as G:\\ with /USER:%D%\\jo /SAVECRED /PERSISTENT:NO /YES >NUL",
         "Map \\\\F\\A as G:\\|/USER:%D%\\jo /SAVECRED /PERSISTENT:NO /YES >NUL"},
        {kMapDrive, "Map \\\\F\\A as G:\\ with /YES /SAVECRED", "Map \\\\F\\A as G:\\|!"},
        {kMapDrive, "Map \\\\F\\A as G:\\ with /YES /YES", "Map \\\\F\\A as G:\\|!"},
        {kMapDrive, "Map \\\\F\\A as G:\\ with  /YES", "Map \\\\F\\A as G:\\|!"},
        {kMapDrive, "Map \\\\F\\A as G:\\ with /USER:a\"b", "Map \\\\F\\A as G:\\|!"},
        {kMapDrive, "Map home directory on logon server as H:\\ with /PERSISTENT:YES",
         "Map home directory on logon server as H:\\|/PERSISTENT:YES"},
        {kMapDrive, "Map home directory on logon server as H:\\ with /USER:jo",
         "Map home directory on logon server as H:\\|!"},
        {kMapDrive, "Disconnect drive g: with /YES >NUL", "[Disconnect drive G:]|/YES >NUL"},
        {kMapDrive, "Disconnect all network connections with /SAVECRED",
         "[Disconnect all network connections]|!"},
        {kMapDrive, "Disconnect drive GH:", "Disconnect drive GH:|"},
        {kMapPrinter, "Disconnect printer LPT3", "[Disconnect printer LPT3]|"},
        {kMapPrinter, "Disconnect drive G:", "Disconnect drive G:|"},
        {kMapPrinter, "Map \\\\P\\Q on LPT2 with /PERSISTENT:NO",
         "Map \\\\P\\Q on LPT2|/PERSISTENT:NO"},
        {kRunApplication, "Remote: \\\\A\\X.EXE with wait, arguments a with \"b & c\"",
         "Remote: \\\\A\\X.EXE|wait, arguments a with \"b & c\""},
        {kRunApplication, "Local: C:\\X.EXE with wait", "Local: C:\\X.EXE|wait"},
        {kRunApplication, "Local: C:\\X.EXE with arguments a & b", "Local: C:\\X.EXE|!"},
        {kRunApplication, "Local: C:\\X.EXE with arguments \"a", "Local: C:\\X.EXE|!"},
        {kRunApplication, "Local: C:\\X.EXE with arguments, wait", "Local: C:\\X.EXE|!"},
        // Long options are scanned a few bytes at a time: what they hold is found anywhere.
        {kRunApplication, "Local: C:\\X.EXE with arguments \"a b c d & e\" fghij \"k\"",
         "Local: C:\\X.EXE|arguments \"a b c d & e\" fghij \"k\""},
        {kRunApplication, "Local: C:\\X.EXE with arguments abcdefg \"hij\" klm|n",
         "Local: C:\\X.EXE|!"},
        {kMapDrive, "Map \\\\F\\A as G:\\ with /USER:CORP\\abcdefghij",
         "Map \\\\F\\A as G:\\|/USER:CORP\\abcdefghij"},
        {kMapDrive, "Map \\\\F\\A as G:\\ with /USER:abcdefghi(", "Map \\\\F\\A as G:\\|!"},
        {kMergeRegistry, "Local: X.REG with regedit /s", "Local: X.REG|regedit /s"},
        {kMergeRegistry, "Local: X.REG with wait", "Local: X.REG|!"},
        {kOther, "echo with love", "echo with love|"},
        {kDisplayMessage, "Display message from C:\\M with N.TXT",
         "Display message from C:\\M with N.TXT|"},
    };
    for (const auto& [kindName, details, out] : rows) {
        const DetailsParts parts = SplitDetails(kindName, details);
        std::string text = parts.disconnection ? "[" : std::string(parts.base);
        if (parts.disconnection) {
            AppendDisconnection(text, *parts.disconnection);
            text += "]";
        }
        text += parts.options ? "|" : "|!";
        if (parts.options) {
            AppendOptions(text, *parts.options);
        }
        EXPECT_EQ(text, out) << details;
        EXPECT_EQ(DetailsBase(kindName, details), parts.base);
    }
    // The base loses the blank a producer put after the drive.
    EXPECT_EQ(JoinDetails("Map \\\\F\\A as next available drive ", {.confirm = true}),
              "Map \\\\F\\A as next available drive with /YES");
    EXPECT_EQ(JoinDetails("Map \\\\F\\A as G:\\ ", {}), "Map \\\\F\\A as G:\\ ");
}

}  // namespace
}  // namespace kestrune
