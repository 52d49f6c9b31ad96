#include <gtest/gtest.h>

#include <random>

#include "files/script_format.h"
#include "files/template_format.h"

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

// Reading anything, then writing and reading again, gives the same actions and bytes.
void expectStableRoundTrip(const std::string& bytes) {
    ItemKeySource keys(9);
    ActionList fromScript;
    parseScript(bytes, fromScript, keys);
    const auto script = renderScript(fromScript);
    if (!script.failedRow) {
        ActionList again;
        parseScript(script.bytes, again, keys);
        ASSERT_EQ(again.size(), fromScript.size());
        EXPECT_EQ(renderScript(again).bytes, script.bytes);
    }
    ActionList fromTemplate;
    parseTemplate("// Logon Script Template File\r\n" + bytes, "x.lst", fromTemplate, keys);
    const auto templ = renderTemplate(fromTemplate);
    if (!templ.failedRow) {
        ActionList again;
        ASSERT_TRUE(parseTemplate(templ.bytes, "x.lst", again, keys).ok());
        EXPECT_EQ(renderTemplate(again).bytes, templ.bytes);
    }
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

TEST(HostileInput, OddTemplates) {
    for (const char* text : {"[other]", "\r\n\r\n\r", "\n[map]\nlocal=", "[home]\r\r\r[motd]"}) {
        expectStableRoundTrip(text);
    }
}

}  // namespace
}  // namespace kestrune
