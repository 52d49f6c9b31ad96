#pragma once

// The list the benchmarks read, write and show.

#include <cstddef>
#include <string>

#include "core/action_list.h"

namespace kestrune::bench {

// A large site's logon list: mostly drive mappings and plain commands, some printers,
// programs, registry files and a message, with names that vary from action to action.
inline ActionList siteList(std::size_t size) {
    ActionList list;
    list.reserve(size);
    const std::string drives = "GHIJKLMNOPQRSTUVWXYZ";
    for (std::size_t i = 0; i < size; ++i) {
        const std::string n = std::to_string(i);
        const std::string server = "\\\\FILES" + std::to_string(i % 40);
        std::string kindText;
        std::string iconKey;
        std::string details;
        switch (i % 20) {
            case 0:
            case 1:
            case 2:
            case 3:
            case 4:
                kindText = kind::kMapDrive;
                iconKey = icon::kDrive;
                details =
                    "Map " + server + "\\DEPT" + n + " as " + drives[i % drives.size()] + ":\\";
                break;
            case 5:
                kindText = kind::kMapDrive;
                iconKey = icon::kDrive;
                details = "Map " + server + "\\PROJECTS " + n + " as next available drive ";
                break;
            case 6:
                kindText = kind::kMapDrive;
                iconKey = icon::kHome;
                details = "Map home directory on the logon server as H:\\";
                break;
            case 7:
            case 8:
                kindText = kind::kMapPrinter;
                iconKey = icon::kPrint;
                details =
                    "Map printer \\\\PRINT\\LASER" + n + " on LPT" + std::to_string(1 + i % 3);
                break;
            case 9:
                kindText = kind::kMapPrinter;
                iconKey = icon::kPrint;
                details = "Map printer \\\\PRINT\\COLOR" + n;
                break;
            case 10:
            case 11:
                kindText = kind::kRunApplication;
                iconKey = icon::kApp;
                details = "Remote: \\\\APPS\\TOOLS\\SETUP" + n + ".EXE";
                break;
            case 12:
                kindText = kind::kRunApplication;
                iconKey = icon::kApp;
                details = "Local: C:\\PROGRAM FILES\\TOOL" + n + "\\TOOL.EXE";
                break;
            case 13:
                kindText = kind::kMergeRegistry;
                iconKey = icon::kReg;
                details = "Remote: " + server + "\\NETLOGON\\POLICY" + n + ".REG";
                break;
            case 14:
                kindText = kind::kDisplayMessage;
                iconKey = icon::kMotd;
                details = "Display message from " + server + "\\NETLOGON\\MOTD" + n + ".TXT";
                break;
            case 15:
                kindText = kind::kOther;
                iconKey = icon::kOther;
                details = "net time " + server + " /set /yes";
                break;
            case 16:
                kindText = kind::kOther;
                iconKey = icon::kOther;
                details = "if exist C:\\TEMP\\*.TMP del C:\\TEMP\\*.TMP";
                break;
            case 17:
                kindText = kind::kOther;
                iconKey = icon::kOther;
                details = "echo Good morning, %USERNAME%. Step " + n;
                break;
            case 18:
                kindText = kind::kOther;
                iconKey = icon::kOther;
                details = "NET USE T: " + server + "\\TEMP /PERSISTENT:NO";
                break;
            default:
                kindText = kind::kOther;
                iconKey = icon::kOther;
                details = "call " + server + "\\NETLOGON\\INVENTORY.CMD " + n;
                break;
        }
        list.append(kindText, iconKey, details);
    }
    return list;
}

// The same site written by hand over the years: drives and printers mapped with options,
// connections dropped first, programs started with arguments or waited for, registry files
// merged by reg or regedit.
inline ActionList optionedList(std::size_t size) {
    ActionList list;
    list.reserve(size);
    const std::string drives = "GHIJKLMNOPQRSTUVWXYZ";
    for (std::size_t i = 0; i < size; ++i) {
        const std::string n = std::to_string(i);
        const std::string server = "\\\\FILES" + std::to_string(i % 40);
        const std::string drive(1, drives[i % drives.size()]);
        std::string kindText = std::string(kind::kMapDrive);
        std::string iconKey = std::string(icon::kDrive);
        std::string details;
        switch (i % 10) {
            case 0:
                details = "Disconnect drive " + drive + ": with /YES >NUL";
                break;
            case 1:
            case 2:
                details = "Map " + server + "\\DEPT" + n + " as " + drive +
                          ":\\ with /USER:%USERDOMAIN%\\%USERNAME% /PERSISTENT:NO /YES >NUL";
                break;
            case 3:
                details = "Map " + server + "\\PROJECTS " + n +
                          " as next available drive with /SAVECRED /PERSISTENT:YES";
                break;
            case 4:
                iconKey = icon::kHome;
                details = "Map home directory on the logon server as H:\\ with /PERSISTENT:NO /YES";
                break;
            case 5:
                kindText = kind::kMapPrinter;
                iconKey = icon::kPrint;
                details = "Map printer \\\\PRINT\\LASER" + n + " on LPT" +
                          std::to_string(1 + i % 3) + " with /PERSISTENT:NO >NUL";
                break;
            case 6:
                kindText = kind::kRunApplication;
                iconKey = icon::kApp;
                details = "Remote: \\\\APPS\\BGINFO" + n +
                          ".EXE with wait, arguments \\\\apps\\site" + n + ".bgi /timer:0 /silent";
                break;
            case 7:
                kindText = kind::kRunApplication;
                iconKey = icon::kApp;
                details = "Local: C:\\PROGRAM FILES\\TOOL" + n + "\\TOOL.EXE with arguments /s \"" +
                          server + "\\LOGS\\" + n + "\"";
                break;
            case 8:
                kindText = kind::kMergeRegistry;
                iconKey = icon::kReg;
                details = "Remote: " + server + "\\NETLOGON\\POLICY" + n + ".REG with regedit /s";
                break;
            default:
                kindText = kind::kRunApplication;
                iconKey = icon::kApp;
                details = "Remote: %LOGONSERVER%\\INVENTORY" + n + ".CMD with wait";
                break;
        }
        list.append(kindText, iconKey, details);
    }
    return list;
}

// The plain site with most actions for some of its users or computers only: a group's
// drives and programs, the staff's and the others', one user's, all but the kiosks'.
inline ActionList conditionedList(std::size_t size) {
    const ActionList plain = siteList(size);
    ActionList list;
    list.reserve(size, plain.textBytes());
    for (std::size_t i = 0; i < size; ++i) {
        std::string condition;
        switch (i % 6) {
            case 0:
                condition = "member of DEPT" + std::to_string(i % 50);
                break;
            case 1:
                condition = "not member of CORP\\Staff";
                break;
            case 2:
                condition = "user user" + std::to_string(i % 300);
                break;
            case 3:
                condition = "not computer KIOSK" + std::to_string(i % 10);
                break;
            default:
                break;
        }
        const ActionRef action = plain[i];
        list.append(action.kind, action.iconKey, action.details, condition);
    }
    return list;
}

}  // namespace kestrune::bench
