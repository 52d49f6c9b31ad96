// The About box frmAbout, its System Info button and where it finds the program, and the
// help file: the one shipped beside the program, and the message when it can't be opened.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "launch_doubles.h"
#include "modal_script.h"
#include "platform/program_folder.h"
#include "scripted_prompts.h"
#include "support/temp_dir.h"
#include "ui/about/about.h"

namespace kestrune::testing {
namespace {

const QString kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QString kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString kUnavailable = "System Information Is Unavailable At This Time";

class AboutTest : public ::testing::Test {
  protected:
    using Script = std::function<void(AboutBox&)>;

    AboutContext context(SysInfoSearch search = SysInfoSearch::SearchPath) {
        return AboutContext{lookup, programs, prompts, search};
    }

    // Shows the About box as the Help menu does and runs the script in it once it is up.
    void showAbout(const Script& script, SysInfoSearch search = SysInfoSearch::SearchPath) {
        test::whenModalShows<AboutBox>(guard, ran, script);
        ShowAbout(context(search), &window);
        EXPECT_TRUE(ran);
    }

    template <typename T>
    static T* find(QWidget& box, const char* name) {
        T* widget = box.findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void expectUnavailable() {
        ASSERT_EQ(prompts.messages.size(), 1u);
        const MessageRequest& shown = prompts.messages.front().request;
        EXPECT_EQ(shown.text, kUnavailable);
        EXPECT_EQ(shown.title, "Kestrune");
        EXPECT_EQ(shown.buttons, MessageButtons::Ok);
        EXPECT_EQ(shown.icon, MessageIcon::None);
    }

    FixedSystemLookup lookup;
    RecordingProgramStarter programs;
    ScriptedPrompts prompts;
    QWidget window;
    bool ran = false;
    QObject guard;
};

TEST_F(AboutTest, ShowsTheProgramsTitleAndVersion) {
    showAbout([](AboutBox& box) {
        EXPECT_EQ(box.objectName(), "frmAbout");
        EXPECT_TRUE(box.isModal());
        EXPECT_EQ(box.windowTitle(), "About Kestrune");
        EXPECT_EQ(find<QLabel>(box, "lblTitle")->text(), "Kestrune");
        EXPECT_EQ(find<QLabel>(box, "lblVersion")->text(), "Version 2.1.0");
        EXPECT_TRUE(find<QLabel>(box, "lblDescription")->text().contains("logon scripts"));
        EXPECT_NE(find<QLabel>(box, "picIcon"), nullptr);
        EXPECT_EQ(find<QFrame>(box, "Line1")->frameShape(), QFrame::HLine);
        auto* ok = find<QPushButton>(box, "cmdOk");
        EXPECT_EQ(ok->text(), "OK");
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(find<QPushButton>(box, "cmdSysInfo")->text(), "&System Info...");
        QTest::mouseClick(ok, Qt::LeftButton);
        EXPECT_FALSE(box.isVisible());
    });
    EXPECT_EQ(VersionText(), "Version 2.1.0");
}

TEST_F(AboutTest, EnterAndEscapeBothClose) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        showAbout([key](AboutBox& box) {
            QTest::keyClick(&box, key);
            EXPECT_FALSE(box.isVisible()) << key;
        });
    }
    EXPECT_TRUE(programs.lines.isEmpty());
}

TEST_F(AboutTest, SystemInfoSaysUnavailableOrStartsTheProgramAndTheBoxStaysOpen) {
    showAbout([this](AboutBox& box) {
        QTest::mouseClick(find<QPushButton>(box, "cmdSysInfo"), Qt::LeftButton);
        EXPECT_TRUE(box.isVisible());
        expectUnavailable();
        EXPECT_TRUE(programs.lines.isEmpty());

        prompts.messages.clear();
        lookup.programs["kinfocenter"] = "/usr/bin/kinfocenter";
        QTest::mouseClick(find<QPushButton>(box, "cmdSysInfo"), Qt::LeftButton);
        EXPECT_TRUE(box.isVisible());
        EXPECT_EQ(programs.lines, QStringList{"/usr/bin/kinfocenter"});
        EXPECT_TRUE(prompts.messages.empty());
        QTest::mouseClick(find<QPushButton>(box, "cmdOk"), Qt::LeftButton);
    });
}

struct RegistryCase {
    const char* situation;
    std::optional<QString> path;    // "PATH" under the MSINFO key
    std::optional<QString> folder;  // "MSINFO" under the Shared Tools Location key
    QStringList files;              // files that exist
    QStringList missingPrograms;
    QStringList started;  // the command line started, if any
};

class SysInfoInTheRegistry : public AboutTest,
                             public ::testing::WithParamInterface<RegistryCase> {};

TEST_P(SysInfoInTheRegistry, StartsTheProgramItNamesOrSaysItIsUnavailable) {
    const RegistryCase& row = GetParam();
    if (row.path) {
        lookup.values[{kMsinfoKey, "PATH"}] = *row.path;
    }
    if (row.folder) {
        lookup.values[{kLocationKey, "MSINFO"}] = *row.folder;
    }
    for (const QString& file : row.files) {
        lookup.files.insert(file);
    }
    programs.missing = row.missingPrograms;

    const bool started = StartSysInfo(context(SysInfoSearch::Registry));

    EXPECT_EQ(programs.lines.isEmpty() ? QStringList{} : programs.lines.mid(0, 1), row.started)
        << row.situation;
    EXPECT_EQ(started, !row.started.isEmpty() && row.missingPrograms.isEmpty()) << row.situation;
    if (!started) {
        expectUnavailable();
    } else {
        EXPECT_TRUE(prompts.messages.empty()) << row.situation;
    }
    // The registry is all it asks on Windows; no PATH search.
    EXPECT_TRUE(lookup.searched.isEmpty());
}

const QString kMsinfo = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";

INSTANTIATE_TEST_SUITE_P(
    Locations, SysInfoInTheRegistry,
    ::testing::Values(
        RegistryCase{"the full path",
                     kMsinfo + "\\msinfo32.exe",
                     std::nullopt,
                     {},
                     {},
                     {"\"" + kMsinfo + "\\msinfo32.exe\""}},
        RegistryCase{"the full path wins over the folder",
                     "C:\\MSINFO\\MSINFO32.EXE",
                     "C:\\OTHER",
                     {"C:\\OTHER\\MSINFO32.EXE"},
                     {},
                     {"C:\\MSINFO\\MSINFO32.EXE"}},
        RegistryCase{"only the folder, with the program in it",
                     std::nullopt,
                     "C:\\MSINFO",
                     {"C:\\MSINFO\\MSINFO32.EXE"},
                     {},
                     {"C:\\MSINFO\\MSINFO32.EXE"}},
        RegistryCase{"only the folder, a folder with blanks",
                     std::nullopt,
                     kMsinfo,
                     {kMsinfo + "\\MSINFO32.EXE"},
                     {},
                     {"\"" + kMsinfo + "\\MSINFO32.EXE\""}},
        RegistryCase{
            "only the folder, without the program", std::nullopt, "C:\\MSINFO", {}, {}, {}},
        RegistryCase{"neither", std::nullopt, std::nullopt, {}, {}, {}},
        RegistryCase{"a program that won't start",
                     "C:\\MSINFO\\MSINFO32.EXE",
                     std::nullopt,
                     {},
                     {"C:\\MSINFO\\MSINFO32.EXE"},
                     {"C:\\MSINFO\\MSINFO32.EXE"}}));

TEST_F(AboutTest, TheRegistryIsReadAtItsTwoPlacesInOrder) {
    StartSysInfo(context(SysInfoSearch::Registry));
    EXPECT_EQ(lookup.asked, (QStringList{kMsinfoKey + "|PATH", kLocationKey + "|MSINFO"}));
}

TEST_F(AboutTest, ElsewhereTheFirstDesktopProgramOnThePathStarts) {
    lookup.programs["gnome-system-monitor"] = "/usr/bin/gnome-system-monitor";
    lookup.programs["kinfocenter"] = "/usr/bin/kinfocenter";
    EXPECT_TRUE(StartSysInfo(context()));
    EXPECT_EQ(programs.lines, QStringList{"/usr/bin/kinfocenter"});
    EXPECT_EQ(lookup.searched, (QStringList{"hardinfo", "kinfocenter"}));
    EXPECT_TRUE(lookup.asked.isEmpty());

    lookup.programs["hardinfo"] = "/opt/hard info/hardinfo";
    programs.lines.clear();
    EXPECT_TRUE(StartSysInfo(context()));
    EXPECT_EQ(programs.lines, QStringList{"\"/opt/hard info/hardinfo\""});
}

TEST_F(AboutTest, ElsewhereNoneOnThePathIsUnavailable) {
    EXPECT_FALSE(StartSysInfo(context()));
    EXPECT_EQ(lookup.searched, (QStringList{"hardinfo", "kinfocenter", "gnome-system-monitor"}));
    EXPECT_TRUE(programs.lines.isEmpty());
    expectUnavailable();
}

// --- help --------------------------------------------------------------------------------

TEST(Help, TheFileIsBesideTheProgramOrInTheDataFolder) {
    const QString sep = QDir::separator();
#ifdef _WIN32
    const QString name = "kestrune.hlp";
#else
    const QString name = "kestrune.html";  // "*.hlp" is WinHelp to a Linux desktop
#endif
    test::TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    EXPECT_EQ(HelpFilePath(folder), folder + sep + name);
    // Installed, it is found in the data folders' "kestrune" folder.
    const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
    QDir(folder).mkpath("share/kestrune");
    QFile(folder + "/share/kestrune/" + name).open(QIODevice::WriteOnly);
    qputenv("XDG_DATA_DIRS", (folder + "/share").toLocal8Bit());
    EXPECT_EQ(HelpFilePath(folder + "/bin"), folder + "/share/kestrune/" + name);
    qputenv("XDG_DATA_DIRS", dataDirs);
    // The build puts it beside the programs, these tests included.
    QFile help(HelpFilePath(ProgramFolder()));
    ASSERT_TRUE(help.open(QIODevice::ReadOnly)) << help.fileName().toStdString();
    EXPECT_EQ(help.fileName(), ProgramFolder() + sep + name);
    const QString text = QString::fromUtf8(help.readAll());
    for (const char* topic :
         {"Kestrune Help", "Map Drive", "Map Printer", "Run Application", "Merge Registry",
          "Display Message", "Other Commands", "// Logon Script Template File",
          "rem - Created with Kestrune", "Execute Action", "Execute Script", "temp.bat"}) {
        EXPECT_TRUE(text.contains(QLatin1String(topic))) << topic;
    }
}

TEST(Help, NoFileBesideTheProgramIsAFailureThatNamesIt) {
    // The system's own shell, on a folder without the file: nothing is started.
    test::TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    SystemShellOpener shell;
    ScriptedPrompts prompts;
    OpenHelp(shell, prompts, folder);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages.front().request.text,
              "An error occurred while attempting to start the help file, \r" +
                  HelpFilePath(folder) + ".");
}

}  // namespace
}  // namespace kestrune::testing
