// kestrune-cli check against a real smbd.

#include <gtest/gtest.h>

#include "check/samba_server.h"

namespace {

using kestrune::test::SambaServer;

TEST(RealServer, EachActionGetsItsResultAndReason) {
    if (SambaServer::smbdPath().empty()) {
        GTEST_SKIP() << SambaServer::kSkip;
    }
    SambaServer server;
    ASSERT_EQ(server.start(), "");
    kestrune::test::TempDir dir;
    // kestrune-cli check on a template of the sections, FILES mapped to the server and DEAD
    // to a port no one listens on, after the extra arguments.
    const auto check = [&](std::initializer_list<std::string> sections,
                           const std::string& extra = "") {
        std::string text = "// Logon Script Template File\r\n";
        for (const auto& section : sections) {
            text += "\r\n" + section;
        }
        kestrune::test::writeBytes(dir.file("t.lst"), text);
        return kestrune::test::runShell(
            "KESTRUNE_PASSWORD=secret HOME='" + server.home() + "' " KESTRUNE_CLI " check '" +
            dir.file("t.lst") + "' --server FILES=127.0.0.1:" + std::to_string(server.port()) +
            " --server=dead=127.0.0.1:" + std::to_string(SambaServer::freePort()) + " " + extra +
            " 2>&1");
    };
    auto run = check({
        "[map]\r\nremote=\\\\FILES\\APPS\r\nlocal=G\r\n",
        "[map]\r\nremote=\\\\files\\apss\r\nlocal=H\r\n",
        "[map]\r\nremote=\\\\FILES\\APPS\\SUB\r\nlocal=*\r\n",
        "[printer]\r\nremote=\\\\FILES\\LASER\r\nport=1\r\n",
        "[printer]\r\nremote=\\\\FILES\\APPS\r\nport=2\r\n",
        "[reg]\r\nremote=\\\\FILES\\NETLOGON\\POLICY.REG\r\n",
        "[app]\r\nremote=\\\\FILES\\NETLOGON\\SETUP.EXE\r\n",
        "[motd]\r\nlocal=\\\\FILES\\NETLOGON\\MOTD.TXT\r\n",
        "[map]\r\nremote=\\\\DEAD\\X\r\nlocal=K\r\n",
        "[map]\r\nremote=\\\\FILES\\NETLOGON\r\nlocal=G\r\n",
        "[home]\r\nlocal=P\r\n",
        "[app]\r\nlocal=C:\\X.EXE\r\n",
        "[other]\r\ncommand=net time\r\n",
    });
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "1\tMap Drive\twarning\tdrive G: is mapped by actions 1 and 10\n"
              "2\tMap Drive\tproblem\tno share named APSS on FILES\n"
              "3\tMap Drive\tok\t\n"
              "4\tMap Printer\tok\t\n"
              "5\tMap Printer\tproblem\t\\\\FILES\\APPS is not a printer share\n"
              "6\tMerge Registry\tok\t\n"
              "7\tRun Application\tproblem\tno such file: \\\\FILES\\NETLOGON\\SETUP.EXE\n"
              "8\tDisplay Message\tok\t\n"
              "9\tMap Drive\tproblem\tthe server DEAD can't be reached (connection refused)\n"
              "10\tMap Drive\twarning\tdrive G: is mapped by actions 1 and 10\n"
              "11\tMap Drive\tskipped\tthe user's own home directory\n"
              "12\tRun Application\tskipped\ta path on the client computer\n"
              "13\tOther\tskipped\ta command run on the client computer\n");
    // All well exits with 0, as a guest or as an account the server takes as its guest.
    for (const std::string user : {"", "--user stranger"}) {
        run = check({"[map]\r\nremote=\\\\FILES\\NETLOGON\r\nlocal=N\r\n",
                     "[printer]\r\nremote=\\\\FILES\\laser\r\n"},
                    user);
        EXPECT_EQ(run.status, 0) << user;
        EXPECT_EQ(run.out, "1\tMap Drive\tok\t\n2\tMap Printer\tok\t\n") << user;
    }
    // Without --server the name is resolved as the system resolves it.
    run = check({"[map]\r\nremote=\\\\NO-SUCH-SERVER.INVALID\\A\r\nlocal=N\r\n"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "1\tMap Drive\tproblem\tthe server NO-SUCH-SERVER.INVALID can't be reached (no "
              "server of that name)\n");
}

}  // namespace
