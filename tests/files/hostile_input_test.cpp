#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "files/script_format.h"
#include "files/template_format.h"
#include "support/temp_dir.h"
#include "support/test_text.h"

namespace kestrune {
namespace {

// Reading anything, then writing and reading again, gives the same actions and bytes.
void expectStable(const std::string& bytes, bool asTemplate) {
    const auto parse = [&](std::string_view text, ActionList& list) {
        ItemKeySource keys(9);
        return asTemplate ? parseTemplate(text, "x.lst", list, keys)
                          : parseScript(text, list, keys);
    };
    const auto render = [&](const ActionList& list) {
        return asTemplate ? renderTemplate(list) : renderScript(list);
    };
    ActionList read;
    parse(bytes, read);
    const auto written = render(read);
    if (!written.failedRow) {
        ActionList again;
        EXPECT_TRUE(parse(written.bytes, again).ok());
        EXPECT_EQ(test::shown(again), test::shown(read));
        EXPECT_EQ(render(again).bytes, written.bytes);
    }
}

void expectStableBoth(const std::string& bytes) {
    expectStable(bytes, false);
    expectStable("// Logon Script Template File\r\n" + bytes, true);
}

TEST(HostileInput, AnyBytesRoundTrip) {
    std::mt19937 engine(1);
    for (int i = 0; i < 50; ++i) {
        std::string garbage(4096, '\0');
        for (char& c : garbage) {
            c = static_cast<char>(engine());
        }
        expectStableBoth(garbage);
    }
    for (const char* text : {"[other]", "\r\n\r\n\r", "\n[map]\nlocal=", "[home]\r\r\r[motd]"}) {
        expectStableBoth(text);
    }
    // NUL is text like any other byte.
    expectStableBoth(std::string("[other]\0\r\ncommand=\0\0\r\n[map]\r\nremote=\\\\\0", 40));
    ActionList list;
    ItemKeySource keys(1);
    parseScript(std::string("echo a\0b", 8), list, keys);
    EXPECT_EQ(list[0].details, std::string("echo a\0b", 8));
}

// Inputs the fuzzers once found breaking the round trip.
TEST(HostileInput, FuzzRegressions) {
    std::size_t files = 0;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(KESTRUNE_FUZZ_REGRESSIONS_DIR)) {
        if (entry.is_regular_file()) {
            SCOPED_TRACE(entry.path().string());
            expectStable(test::readBytes(entry.path().string()),
                         entry.path().extension() == ".lst");
            ++files;
        }
    }
    EXPECT_GT(files, 0U);
}

// Lists and lines of any length: no 16-bit counts.
TEST(HostileInput, LongLinesAndLists) {
    std::string script = "echo " + std::string(10 << 20, 'x') + "\r\n";
    for (int i = 0; i < 100000; ++i) {
        script += "NET USE G: \\\\SRV\\SHARE" + std::to_string(i) + "\r\n";
    }
    ItemKeySource keys(1);
    ActionList list;
    parseScript(script, list, keys);
    ASSERT_EQ(list.size(), 100001U);
    EXPECT_EQ(list[0].details.size(), (10U << 20) + 5);
    EXPECT_EQ(list[100000].details, "Map \\\\SRV\\SHARE99999 as G:\\");
    ActionList fromTemplate;
    ASSERT_TRUE(parseTemplate(renderTemplate(list).bytes, "x.lst", fromTemplate, keys).ok());
    ASSERT_EQ(fromTemplate.size(), 100001U);
    EXPECT_EQ(fromTemplate[0].details, list[0].details);
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

}  // namespace
}  // namespace kestrune
