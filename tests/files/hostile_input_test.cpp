#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "files/file_io.h"
#include "files/script_format.h"
#include "files/template_format.h"
#include "support/temp_dir.h"
#include "support/test_text.h"

namespace kestrune {
namespace {

std::string garbage(std::size_t size, unsigned seed) {
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string out(size, '\0');
    for (char& c : out) {
        c = static_cast<char>(byte(engine));
    }
    return out;
}

void expectSameActions(const ActionList& a, const ActionList& b) {
    EXPECT_EQ(test::shown(a), test::shown(b));
}

// Reading anything, then writing and reading again, gives the same actions and bytes.
void expectStableScript(const std::string& bytes) {
    ItemKeySource keys(9);
    ActionList read;
    parseScript(bytes, read, keys);
    const auto written = renderScript(read);
    if (!written.failedRow) {
        ActionList again;
        parseScript(written.bytes, again, keys);
        expectSameActions(read, again);
        EXPECT_EQ(renderScript(again).bytes, written.bytes);
    }
}

void expectStableTemplate(const std::string& bytes) {
    ItemKeySource keys(9);
    ActionList read;
    parseTemplate(bytes, "x.lst", read, keys);
    const auto written = renderTemplate(read);
    if (!written.failedRow) {
        ActionList again;
        ASSERT_TRUE(parseTemplate(written.bytes, "x.lst", again, keys).ok());
        expectSameActions(read, again);
        EXPECT_EQ(renderTemplate(again).bytes, written.bytes);
    }
}

void expectStableRoundTrip(const std::string& bytes) {
    expectStableScript(bytes);
    expectStableTemplate("// Logon Script Template File\r\n" + bytes);
}

TEST(HostileInput, BinaryGarbageRoundTrips) {
    for (unsigned seed = 1; seed <= 50; ++seed) {
        expectStableRoundTrip(garbage(4096, seed));
    }
}

TEST(HostileInput, NulBytesAreText) {
    const std::string line("echo a\0b", 8);
    ItemKeySource keys(1);
    ActionList list;
    parseScript(line, list, keys);
    ASSERT_EQ(list.size(), 1U);
    EXPECT_EQ(list[0].details, line);
    expectStableRoundTrip(std::string("[other]\0\r\ncommand=\0\0\r\n[map]\r\nremote=\\\\\0", 40));
}

TEST(HostileInput, TenMegabyteLine) {
    const std::string line = "echo " + std::string(10 << 20, 'x');
    ItemKeySource keys(1);
    ActionList list;
    parseScript(line, list, keys);
    ASSERT_EQ(list.size(), 1U);
    EXPECT_EQ(list[0].details.size(), line.size());
    EXPECT_EQ(renderScript(list).bytes.size(), line.size() + 48);
}

TEST(HostileInput, HundredThousandActions) {
    std::string script;
    for (int i = 0; i < 100000; ++i) {
        script += "NET USE G: \\\\SRV\\SHARE" + std::to_string(i) + "\r\n";
    }
    ItemKeySource keys(1);
    ActionList list;
    parseScript(script, list, keys);
    ASSERT_EQ(list.size(), 100000U);
    EXPECT_EQ(list[99999].details, "Map \\\\SRV\\SHARE99999 as G:\\");
    ActionList fromTemplate;
    ASSERT_TRUE(parseTemplate(renderTemplate(list).bytes, "x.lst", fromTemplate, keys).ok());
    EXPECT_EQ(fromTemplate.size(), 100000U);
}

// Far bigger than any logon script: refused with a message instead of filling memory.
TEST(HostileInput, OversizedInputsAreRefused) {
    test::TempDir dir;
    const auto big = dir.file("big.lst");
    std::ofstream{big};
    std::filesystem::resize_file(big, 65 << 20);
    const auto many = dir.file("many.bat");
    std::string lines;
    for (std::size_t i = 0; i <= kMaxInputActions; ++i) {
        lines += "x\n";
    }
    test::writeBytes(many, lines);
    const std::string tooLarge =
        " is too large to open: 68157440 bytes.\rA template or batch "
        "script can be at most 67108864 bytes (64 MiB).";
    ItemKeySource keys(1);
    ActionList list = test::listOf({{kind::kOther, "stale"}});
    const auto t = readTemplateFile(big, list, keys);
    EXPECT_EQ(t.message, "The file " + big + tooLarge);
    EXPECT_EQ(readScriptFile(big, list, keys).message, "The file " + big + tooLarge);
    const auto s = readScriptFile(many, list, keys);
    EXPECT_EQ(s.status, FileStatus::Failed);
    EXPECT_EQ(s.message, "The file " + many +
                             " is too large to open: its 4000002 bytes give "
                             "more than 2000000 actions.\rA template or batch script can hold at "
                             "most 2000000 actions.");
    EXPECT_TRUE(list.empty());
}

// Out of memory half-way through a read: the read fails with its message, the program goes on.
TEST(HostileInput, RunningOutOfMemoryIsAFailedRead) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than a limit would allow";
#else
    test::TempDir dir;
    const auto path = dir.file("lines.bat");
    std::string lines(16 << 20, 'x');
    for (std::size_t i = 1; i < lines.size(); i += 2) {
        lines[i] = '\n';
    }
    test::writeBytes(path, lines);
    lines = {};
    const pid_t child = ::fork();
    if (child == 0) {
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlimit limit{static_cast<rlim_t>(pages * ::sysconf(_SC_PAGESIZE) + (64 << 20)),
                           RLIM_INFINITY};
        ::setrlimit(RLIMIT_AS, &limit);
        ItemKeySource keys(1);
        ActionList list;
        const auto read = readScriptFile(path, list, keys);
        ::_exit(read.message == "An unexpected error occurred while reading the file " + path +
                                    ".\r\rError: 12 Cannot allocate memory"
                    ? 0
                    : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
#endif
}

// Inputs the fuzzers once found breaking the round trip.
TEST(HostileInput, FuzzRegressions) {
    namespace fs = std::filesystem;
    const fs::path folder = KESTRUNE_FUZZ_REGRESSIONS_DIR;
    std::size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        SCOPED_TRACE(entry.path().string());
        const std::string bytes = test::readBytes(entry.path().string());
        if (entry.path().extension() == ".lst") {
            expectStableTemplate(bytes);
        } else {
            expectStableScript(bytes);
        }
        ++files;
    }
    EXPECT_GT(files, 0U);
}

TEST(HostileInput, OddTemplates) {
    for (const char* text : {"[other]", "\r\n\r\n\r", "\n[map]\nlocal=", "[home]\r\r\r[motd]"}) {
        expectStableRoundTrip(text);
    }
}

}  // namespace
}  // namespace kestrune
