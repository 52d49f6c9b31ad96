// kestrune-cli check against a real smbd, started once for this file.

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "check/samba_server.h"
#include "support/temp_dir.h"

namespace {

using kestrune::test::SambaServer;
using kestrune::test::TempDir;

class RealServer : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        server_ = std::make_unique<SambaServer>();
        failure_ = new std::string(server_->start());
    }
    static void TearDownTestSuite() {
        server_.reset();
        delete failure_;
    }
    void SetUp() override {
        if (SambaServer::smbdPath().empty()) {
            GTEST_SKIP() << SambaServer::kSkip;
        }
        ASSERT_EQ(*failure_, "");
    }

    struct Run {
        int status = -1;
        std::string out;
    };

    // kestrune-cli check on a template of the sections, FILES and DEAD (a port no one
    // listens on) mapped with --server, after the extra arguments.
    Run check(std::initializer_list<std::string> sections, const std::string& extra = "",
              const std::string& environment = "") {
        std::string text = "// Logon Script Template File\r\n";
        for (const auto& section : sections) {
            text += "\r\n" + section;
        }
        kestrune::test::writeBytes(dir_.file("t.lst"), text);
        const auto port = std::to_string(server_->port());
        const std::string command =
            "HOME='" + server_->home() + "' " + environment + " " KESTRUNE_CLI " check '" +
            dir_.file("t.lst") + "' --server FILES=127.0.0.1:" + port +
            " --server=dead=127.0.0.1:" + std::to_string(SambaServer::freePort()) + " " + extra +
            " 2>&1";
        Run run;
        FILE* pipe = popen(command.c_str(), "r");
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            run.out.append(buffer, n);
        }
        const int status = pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
    }

    TempDir dir_;
    static std::unique_ptr<SambaServer> server_;
    static std::string* failure_;
};

std::unique_ptr<SambaServer> RealServer::server_;
std::string* RealServer::failure_ = nullptr;

TEST_F(RealServer, EachActionGetsItsResultAndReason) {
    const auto run = check({
        "[map]\r\nremote=\\\\FILES\\APPS\r\nlocal=G\r\n",
        "[map]\r\nremote=\\\\files\\apss\r\nlocal=H\r\n",
        "[map]\r\nremote=\\\\FILES\\APPS\\SUB\r\nlocal=*\r\n",
        "[printer]\r\nremote=\\\\FILES\\LASER\r\nport=1\r\n",
        "[printer]\r\nremote=\\\\FILES\\APPS\r\nport=2\r\n",
        "[reg]\r\nremote=\\\\FILES\\NETLOGON\\POLICY.REG\r\n",
        "[app]\r\nremote=\\\\FILES\\NETLOGON\\SETUP.EXE\r\n",
        "[motd]\r\nlocal=\\\\FILES\\NETLOGON\\MOTD.TXT\r\n",
        "[map]\r\nremote=\\\\DEAD\\X\r\nlocal=K\r\n",
        "[motd]\r\nlocal=\\\\DEAD\\X\\MOTD.TXT\r\n",
        "[map]\r\nremote=\\\\FILES\\NETLOGON\r\nlocal=G\r\n",
        "[home]\r\nlocal=P\r\n",
        "[app]\r\nlocal=C:\\X.EXE\r\n",
        "[other]\r\ncommand=net time\r\n",
    });
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "1\tMap Drive\twarning\tdrive G: is mapped by actions 1 and 11\n"
              "2\tMap Drive\tproblem\tno share named APSS on FILES\n"
              "3\tMap Drive\tok\t\n"
              "4\tMap Printer\tok\t\n"
              "5\tMap Printer\tproblem\t\\\\FILES\\APPS is not a printer share\n"
              "6\tMerge Registry\tok\t\n"
              "7\tRun Application\tproblem\tno such file: \\\\FILES\\NETLOGON\\SETUP.EXE\n"
              "8\tDisplay Message\tok\t\n"
              "9\tMap Drive\tproblem\tthe server DEAD can't be reached (connection refused)\n"
              "10\tDisplay Message\tproblem\tthe server DEAD can't be reached (it didn't answer "
              "earlier)\n"
              "11\tMap Drive\twarning\tdrive G: is mapped by actions 1 and 11\n"
              "12\tMap Drive\tskipped\tthe user's own home directory\n"
              "13\tRun Application\tskipped\ta path on the client computer\n"
              "14\tOther\tskipped\ta command run on the client computer\n");
}

TEST_F(RealServer, AllWellExitsWithZeroAsGuestOrAsAUser) {
    const auto sections = {std::string("[map]\r\nremote=\\\\FILES\\NETLOGON\r\nlocal=N\r\n"),
                           std::string("[printer]\r\nremote=\\\\FILES\\laser\r\n")};
    const std::string expected = "1\tMap Drive\tok\t\n2\tMap Printer\tok\t\n";
    const auto guest = check(sections);
    EXPECT_EQ(guest.status, 0);
    EXPECT_EQ(guest.out, expected);
    // An account the server doesn't know is taken as its guest.
    const auto user = check(sections, "--user stranger", "KESTRUNE_PASSWORD=secret");
    EXPECT_EQ(user.status, 0);
    EXPECT_EQ(user.out, expected);
    // Without --server the name is resolved as the system resolves it.
    const auto unknown = check({"[map]\r\nremote=\\\\NO-SUCH-SERVER.INVALID\\A\r\nlocal=N\r\n"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.out,
              "1\tMap Drive\tproblem\tthe server NO-SUCH-SERVER.INVALID can't be reached (no "
              "server of that name)\n");
}

}  // namespace
