// The user and computer lines of a made script run by Wine's cmd.exe, in a prefix of the build
// folder's own (never ~/.wine), each action an echo that says it ran; a calling batch file sets
// USERNAME and COMPUTERNAME before each call. (Wine's whoami and find lack /groups and /i: the
// group lines are checked as text in conditions_test.cpp.)

#include <gtest/gtest.h>
#include <unistd.h>

#include "core/action_builders.h"
#include "files/script_format.h"
#include "support/temp_dir.h"

namespace kestrune::test {
namespace {

// Debian's wine64 package puts its loader here; elsewhere it may be on the PATH.
std::string wineBinary() {
    if (::access("/usr/lib/wine/wine64", X_OK) == 0) {
        return "/usr/lib/wine/wine64";
    }
    const std::string found = runShell("command -v wine64 || command -v wine").out;
    return found.substr(0, found.find('\n'));
}

// What each action echoes when it runs, in the order of the script.
std::vector<std::string> markersIn(const std::string& out) {
    std::vector<std::string> markers;
    for (auto at = out.find("ran: "); at != std::string::npos; at = out.find("ran: ", at + 1)) {
        const auto end = out.find_first_of("\r\n", at);
        markers.push_back(out.substr(at + 5, end - at - 5));
    }
    return markers;
}

TEST(Wine, RunsEachActionForItsUserOrComputerOnly) {
    const std::string wine = wineBinary();
    if (wine.empty()) {
        GTEST_SKIP() << "wine64 not found: install Debian's wine64 package (scripts/bootstrap) "
                        "to run the made script's conditions with cmd.exe";
    }
    ActionList list;
    for (const std::string condition :
         {"user bob", "not user bob", "computer PC01", "not computer PC01", "user Jo Smith"}) {
        list.append(kind::kOther, icon::kOther, "echo ran: " + condition, condition);
    }
    Action message = MessageAction("MOTD.TXT");
    message.condition = "not user bob";
    list.append(message);
    list.append(OtherAction("echo ran: always"));

    TempDir dir;
    writeBytes(dir.file("made.bat"), renderScript(list).bytes);
    writeBytes(dir.file("MOTD.TXT"), "ran: message\r\n");
    // USERNAME, COMPUTERNAME, and what runs for them; an empty name is no name at all.
    const std::tuple<std::string, std::string, std::vector<std::string>> cases[] = {
        {"BOB", "pc01", {"user bob", "computer PC01", "always"}},
        {"alice", "PC02", {"not user bob", "not computer PC01", "message", "always"}},
        {"jo smith",
         "PC01",
         {"not user bob", "computer PC01", "user Jo Smith", "message", "always"}},
        {"bobby", "PC011", {"not user bob", "not computer PC01", "message", "always"}},
        {"", "", {"not user bob", "not computer PC01", "message", "always"}},
    };
    std::string caller = "@echo off\r\n";
    for (const auto& [user, computer, ran] : cases) {
        caller += "set USERNAME=" + user + "\r\nset COMPUTERNAME=" + computer +
                  "\r\necho ran: ---\r\ncall made.bat\r\n";
    }
    writeBytes(dir.file("caller.bat"), caller);

    // One start of Wine for all the cases: the first ever makes the prefix. No window, no
    // menu entries, no downloads, and a home of its own.
    const std::string home = KESTRUNE_BUILD_DIR "/wine-home";
    const std::string environment =
        "env -u DISPLAY -u WAYLAND_DISPLAY HOME='" + home +
        "' WINEPREFIX='" KESTRUNE_BUILD_DIR
        "/wine-prefix' WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml,winemenubuilder.exe=' ";
    std::filesystem::create_directories(home);
    const auto run = runShell("cd '" + dir.path().string() + "' && " + environment + "'" + wine +
                              "' cmd /c caller.bat </dev/null >out.txt 2>err.txt; echo $?");
    // The prefix's server goes with the test rather than lingering a few seconds.
    const std::string server = wine.substr(0, wine.rfind('/')) + "/wineserver";
    if (::access(server.c_str(), X_OK) == 0) {
        runShell(environment + "'" + server + "' -k 2>/dev/null");
    }
    ASSERT_EQ(run.out, "0\n") << readBytes(dir.file("err.txt"));

    std::vector<std::string> expected;
    for (const auto& [user, computer, ran] : cases) {
        expected.emplace_back("---");
        expected.insert(expected.end(), ran.begin(), ran.end());
    }
    EXPECT_EQ(markersIn(readBytes(dir.file("out.txt"))), expected);
}

}  // namespace
}  // namespace kestrune::test
