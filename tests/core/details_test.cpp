#include "core/details.h"

#include <gtest/gtest.h>

namespace kestrune {
namespace {

// What the rules take out of Details: "home " for a home mapping, the drive letter, the
// mapped share, the printer's share and port; "-" for none.
std::string takenOut(std::string_view d) {
    const auto letter = MappedDriveLetter(d);
    const auto port = PrinterPort(d);
    return (IsHomeMapping(d) ? "home " : "") + (letter ? std::string(1, *letter) : "-") + "|" +
           MappedShare(d).value_or("-") + "|" + PrinterShare(d).value_or("-") + "|" +
           (port ? std::to_string(*port) : "-");
}

TEST(Details, TakesTheParametersBackOut) {
    const std::pair<const char*, const char*> rows[] = {
        {"Map \\\\FILES\\APPS as G:\\", "G|\\\\FILES\\APPS|\\\\FILES\\APPS AS G:\\|-"},
        {"Map \\\\A\\B as next available drive", "-|\\\\A\\B|\\\\A\\B AS NEXT AVAILABLE DRIVE|-"},
        {"Map home directory on logon server as H:\\", "home H|-|-|-"},
        {"Map home directory on the logon server as next available drive ", "home -|-|-|-"},
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
        {"Map printer \\\\PRN\\BIG LASER", "-|\\\\PRN\\BIG|\\\\PRN\\BIG LASER|-"},
        // A share runs to the last " as ", a printer's to the last " on ".
        {"Map \\\\S\\A as B as G:\\", "G|\\\\S\\A as B|\\\\S\\A AS B AS G:\\|-"},
        {"Map printer \\\\P\\A on B on LPT2", "-|\\\\P\\A|\\\\P\\A ON B|2"},
        // A bare printer name is taken whole.
        {"Map printer LASER", "-|-|LASER|-"},
        {"Map printer X\\\\P\\Q", "-|-|X\\\\P\\Q|-"},
        {":\\", "-|-|-|-"},
        {"", "-|-|-|-"},
    };
    for (const auto& [details, out] : rows) {
        EXPECT_EQ(takenOut(details), out) << details;
    }
}

}  // namespace
}  // namespace kestrune
