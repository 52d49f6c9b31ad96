#include <gtest/gtest.h>

#include <QCoreApplication>

#include <QDir>
#include <QTemporaryDir>

#include "platform/command_line.h"
#include "platform/program_folder.h"
#include "platform/qt_prompts.h"
#include "platform/text_codec.h"

namespace kestrune {
namespace {

// The folder an install puts the program in is shared, even for root, who can write it.
TEST(ProgramFolder, OnlyAFolderOfTheUsersOwnIsTheirs) {
    QTemporaryDir own;
    EXPECT_TRUE(OwnProgramFolder(own.path()));
    EXPECT_FALSE(OwnProgramFolder(own.path() + "/missing"));
    if (QDir(KESTRUNE_INSTALL_BINDIR).exists()) {
        EXPECT_FALSE(OwnProgramFolder(KESTRUNE_INSTALL_BINDIR));
    }
}

TEST(CommandLine, OptionsAnswerAndThePathIsTheSystemsBytesMadeAbsolute) {
    using Kind = StartRequest::Kind;
    const QString version = QCoreApplication::applicationVersion();
    // The arguments after the program's name; Open: the path, else the start of the text.
    const std::tuple<std::vector<std::string>, Kind, std::string> cases[] = {
        {{}, Kind::Open, ""},
        {{"--help"}, Kind::Print, "Usage: kestrune [options] [FILE]\n"},
        {{"-h", "a.lst"}, Kind::Print, "Usage: kestrune [options] [FILE]\n"},
        {{"--version"}, Kind::Print, "kestrune " + version.toStdString() + "\n"},
        {{"--frob", "a.lst"}, Kind::Fail, "kestrune: Unknown option 'frob'.\n"},
        // A name that isn't UTF-8, one with blanks, split or not, and one beginning "-".
        {{"/tmp/bad\xff.lst"}, Kind::Open, "/tmp/bad\xff.lst"},
        {{"/tmp/My", "Scripts/a.lst"}, Kind::Open, "/tmp/My Scripts/a.lst"},
        {{"--", "-x.bat"}, Kind::Open, "/home/u/-x.bat"},
        // Relative names are made absolute, so that Save and the recent list know them.
        {{"  sub/a.lst  "}, Kind::Open, "/home/u/sub/a.lst"},
        // The quoted text stays as it came, to be named by the file-not-found message.
        {{"\"/tmp/a.lst\""}, Kind::Open, "\"/tmp/a.lst\""},
    };
    for (const auto& [args, kind, pathOrText] : cases) {
        SCOPED_TRACE(args.empty() ? "(none)" : args.front());
        std::vector<std::string> arguments{"/usr/bin/kestrune"};
        arguments.insert(arguments.end(), args.begin(), args.end());
        const StartRequest request = ParseStartCommand(arguments, "/home/u");
        EXPECT_EQ(request.kind, kind);
        const std::string text = request.text.toStdString();
        EXPECT_EQ(kind == Kind::Open ? request.path : text.substr(0, pathOrText.size()),
                  pathOrText);
    }
    EXPECT_EQ(AbsolutePath("a.lst", "/"), "/a.lst");
    // Raw Windows text loses only the program's name.
    EXPECT_EQ(CommandTail(R"("C:\Program Files\Kestrune\kestrune.exe" C:\S\A.LST)"),
              QString(R"( C:\S\A.LST)"));
    EXPECT_EQ(CommandTail(R"(kestrune.exe  "C:\My Scripts\a.lst" )"),
              QString(R"(  "C:\My Scripts\a.lst" )"));
    EXPECT_EQ(CommandTail(R"("unclosed quote)"), QString());
}

TEST(TextCodec, MixedTextReadsUtf8PathsAndCp1252Lines) {
    const std::string bytes = "caf\xE9 \x80 \x93quoted\x94";
    EXPECT_EQ(FromCp1252(bytes), QString::fromUtf8("café € “quoted”"));
    EXPECT_EQ(ToCp1252(FromCp1252(bytes)), bytes);
    EXPECT_EQ(ToCp1252(QString::fromUtf8("Ωmega")), "?mega");
    EXPECT_EQ(MixedText("/home/j\xC3\xBCrgen/a.lst"), QString::fromUtf8("/home/jürgen/a.lst"));
    EXPECT_EQ(MixedText("Line: caf\xE9"), QString::fromUtf8("Line: café"));
    EXPECT_EQ(PathText(PathBytes(QString::fromUtf8("/tmp/jürgen.lst"))),
              QString::fromUtf8("/tmp/jürgen.lst"));
    // Every byte of a file name survives the window's texts, valid UTF-8 or not.
    std::string every;
    for (int b = 1; b < 256; ++b) {
        every += static_cast<char>(b);
    }
    for (const std::string& name : {every, std::string("/tmp/bad\xff.lst"),
                                    std::string("\xc3(\xed\xa0\x80\xf0\x9f\x98\x80\xe9")}) {
        EXPECT_EQ(PathBytes(PathText(name)), name);
    }
    EXPECT_EQ(PathText("/tmp/\xf0\x9f\x98\x80"), QString::fromUtf8("/tmp/😀"));
}

TEST(QtPromptsText, FiltersShowTheirDescriptionsExactly) {
    EXPECT_EQ(QtFileFilter("Logon Templates (*.lst)|*.lst|Batch Files (*.bat) |*.bat"),
              QString("Logon Templates (*.lst);;Batch Files (*.bat) "));
    EXPECT_EQ(QtFileFilter("Logon Templates (*.lst) |*.lst|Batch Files (*.bat) |*.bat;*.cmd"),
              QString("Logon Templates (*.lst) ;;Batch Files (*.bat *.cmd) "));
    EXPECT_EQ(QtFileFilter("Templates|*.lst"), QString("Templates (*.lst)"));
    // Carriage returns become new lines.
    EXPECT_EQ(DisplayedMessage("a.\r\rError: 2\rgone\r\nb"), QString("a.\n\nError: 2\ngone\nb"));
}

}  // namespace
}  // namespace kestrune
