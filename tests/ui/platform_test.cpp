#include <gtest/gtest.h>

#include "platform/command_line.h"
#include "platform/qt_prompts.h"
#include "platform/text_codec.h"

namespace kestrune {
namespace {

TEST(CommandLine, RawWindowsTextLosesOnlyTheProgramName) {
    EXPECT_EQ(CommandTail(R"("C:\Program Files\Kestrune\kestrune.exe" C:\S\A.LST)"),
              QString(R"( C:\S\A.LST)"));
    EXPECT_EQ(CommandTail(R"(kestrune.exe  "C:\My Scripts\a.lst" )"),
              QString(R"(  "C:\My Scripts\a.lst" )"));
    EXPECT_EQ(CommandTail("kestrune.exe"), QString());
    EXPECT_EQ(CommandTail(R"("unclosed quote)"), QString());
}

TEST(CommandLine, ArgumentsAreJoinedBySingleBlanks) {
    EXPECT_EQ(JoinedArguments({"kestrune"}), QString());
    EXPECT_EQ(JoinedArguments({"kestrune", "/tmp/My Scripts/a.lst"}),
              QString("/tmp/My Scripts/a.lst"));
    EXPECT_EQ(JoinedArguments({"kestrune", "/tmp/My", "Scripts/a.lst"}),
              QString("/tmp/My Scripts/a.lst"));
}

TEST(TextCodec, Cp1252RoundTripsAndMarksWhatItCannotHold) {
    const std::string bytes = "caf\xE9 \x80 \x93quoted\x94";
    const QString text = FromCp1252(bytes);
    EXPECT_EQ(text, QString::fromUtf8("café € “quoted”"));
    EXPECT_EQ(ToCp1252(text), bytes);
    EXPECT_EQ(ToCp1252(QString::fromUtf8("Ωmega")), "?mega");
}

TEST(TextCodec, MixedTextReadsUtf8PathsAndCp1252Lines) {
    EXPECT_EQ(MixedText("/home/j\xC3\xBCrgen/a.lst"), QString::fromUtf8("/home/jürgen/a.lst"));
    EXPECT_EQ(MixedText("Line: caf\xE9"), QString::fromUtf8("Line: café"));
    EXPECT_EQ(PathText(PathBytes(QString::fromUtf8("/tmp/jürgen.lst"))),
              QString::fromUtf8("/tmp/jürgen.lst"));
}

TEST(QtPromptsText, FiltersShowTheirDescriptionsExactly) {
    EXPECT_EQ(QtFileFilter("Logon Templates (*.lst)|*.lst|Batch Files (*.bat) |*.bat"),
              QString("Logon Templates (*.lst);;Batch Files (*.bat) "));
    EXPECT_EQ(QtFileFilter("Logon Templates (*.lst) |*.lst|Batch Files (*.bat) |*.bat;*.cmd"),
              QString("Logon Templates (*.lst) ;;Batch Files (*.bat *.cmd) "));
    EXPECT_EQ(QtFileFilter("Templates|*.lst"), QString("Templates (*.lst)"));
}

TEST(QtPromptsText, CarriageReturnsBecomeNewLines) {
    EXPECT_EQ(DisplayedMessage("a.\r\rError: 2\rgone"), QString("a.\n\nError: 2\ngone"));
    EXPECT_EQ(DisplayedMessage("a\r\nb"), QString("a\nb"));
}

}  // namespace
}  // namespace kestrune
