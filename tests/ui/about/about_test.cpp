// The About box, where System Info finds its program, and where the help file is found.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "accessible_names.h"
#include "launch_doubles.h"
#include "modal_script.h"
#include "platform/program_folder.h"
#include "scripted_prompts.h"
#include "support/temp_dir.h"
#include "ui/about/about.h"

namespace kestrune::test {
namespace {

const QString kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QString kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

class AboutTest : public ::testing::Test {
  protected:
    AboutContext context(SysInfoSearch search = SysInfoSearch::SearchPath) {
        return AboutContext{lookup, programs, prompts, search};
    }
    // What the last StartSysInfo said: nothing, or that the program is unavailable.
    void expectUnavailable(bool said) {
        EXPECT_EQ(prompts.messages.size(), said ? 1u : 0u);
        if (said) {
            prompts.expectOnly("System Information Is Unavailable At This Time", MessageButtons::Ok,
                               MessageIcon::None);
        }
        prompts.messages.clear();
    }

    FixedSystemLookup lookup;
    RecordingProgramStarter programs;
    ScriptedPrompts prompts;
    QWidget window;
    bool ran = false;
    QObject guard;
};

// The version once; OK, Enter and Escape close it (the modal helper fails a box left open),
// and System Info leaves it open.
TEST_F(AboutTest, ShowsTheVersionAndClosesByOkEnterOrEscape) {
    for (const Qt::Key key : {Qt::Key_unknown, Qt::Key_Return, Qt::Key_Escape}) {
        test::whenModalShows<AboutBox>(guard, ran, [key](AboutBox& box) {
            EXPECT_EQ(box.findChild<QLabel*>("lblVersion")->text(), "Version 2.1.0");
            QTest::mouseClick(box.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
            EXPECT_TRUE(box.isVisible());
            EXPECT_EQ(tabOrder(), (QStringList{"cmdSysInfo", "cmdOk"}));
            EXPECT_EQ(box.findChild<QLabel*>("picIcon")->accessibleName(), "Kestrune icon");
            EXPECT_EQ(unnamedControls(&box), QStringList());
            if (key == Qt::Key_unknown) {
                QTest::mouseClick(box.findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
            } else {
                QTest::keyClick(&box, key);
            }
        });
        ShowAbout(context(), &window);
        EXPECT_TRUE(ran);
        expectUnavailable(true);
    }
}

// Windows: the registry's full path, else its folder with the program in it.
TEST_F(AboutTest, InTheRegistryTheProgramItNamesStartsOrItIsUnavailable) {
    const QString blanks = "C:\\Program Files\\MSInfo";
    const struct {
        std::optional<QString> path, folder;
        QString file;     // a file that exists
        bool missing;     // the program won't start
        QString started;  // the command line started; none: unavailable before trying
    } rows[] = {
        {blanks + "\\msinfo32.exe", {}, {}, false, "\"" + blanks + "\\msinfo32.exe\""},
        {"C:\\MSINFO\\MSINFO32.EXE", "C:\\OTHER", "C:\\OTHER\\MSINFO32.EXE", false,
         "C:\\MSINFO\\MSINFO32.EXE"},
        {{}, blanks, blanks + "\\MSINFO32.EXE", false, "\"" + blanks + "\\MSINFO32.EXE\""},
        {{}, "C:\\MSINFO", {}, false, {}},
        {"C:\\MSINFO\\MSINFO32.EXE", {}, {}, true, "C:\\MSINFO\\MSINFO32.EXE"},
        {{}, {}, {}, false, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.started);
        lookup = {};
        programs.lines.clear();
        if (row.path) {
            lookup.values[{kMsinfoKey, "PATH"}] = *row.path;
        }
        if (row.folder) {
            lookup.values[{kLocationKey, "MSINFO"}] = *row.folder;
        }
        lookup.files.insert(row.file);
        programs.missing = row.missing ? QStringList{row.started} : QStringList{};
        const bool started = StartSysInfo(context(SysInfoSearch::Registry));
        EXPECT_EQ(started, !row.started.isNull() && !row.missing);
        EXPECT_EQ(programs.lines, row.started.isNull() ? QStringList{} : QStringList{row.started});
        expectUnavailable(!started);
        EXPECT_TRUE(lookup.searched.isEmpty());
    }
    EXPECT_EQ(lookup.asked, (QStringList{kMsinfoKey + "|PATH", kLocationKey + "|MSINFO"}));
}

TEST_F(AboutTest, ElsewhereTheFirstDesktopProgramOnThePathStartsOrItIsUnavailable) {
    EXPECT_FALSE(StartSysInfo(context()));
    EXPECT_EQ(lookup.searched, (QStringList{"hardinfo", "kinfocenter", "gnome-system-monitor"}));
    expectUnavailable(true);
    lookup.searched.clear();
    lookup.programs["gnome-system-monitor"] = "/usr/bin/gnome-system-monitor";
    lookup.programs["kinfocenter"] = "/usr/bin/kinfocenter";
    EXPECT_TRUE(StartSysInfo(context()));
    EXPECT_EQ(lookup.searched, (QStringList{"hardinfo", "kinfocenter"}));
    EXPECT_EQ(programs.lines, QStringList{"/usr/bin/kinfocenter"});
    EXPECT_TRUE(lookup.asked.isEmpty());
    expectUnavailable(false);
}

TEST(Help, TheFileIsBesideTheProgramOrInTheDataFolder) {
#ifdef _WIN32
    const QString name = "kestrune.hlp";
#else
    const QString name = "kestrune.html";  // "*.hlp" is WinHelp to a Linux desktop
#endif
    const QString sep = QDir::separator();
    test::TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    EXPECT_EQ(HelpFilePath(folder), folder + sep + name);  // where neither is, beside it
    const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
    QDir(folder).mkpath("share/kestrune");
    QFile(folder + "/share/kestrune/" + name).open(QIODevice::WriteOnly);
    qputenv("XDG_DATA_DIRS", (folder + "/share").toLocal8Bit());
    EXPECT_EQ(HelpFilePath(folder + "/bin"), folder + "/share/kestrune/" + name);
    QFile(folder + sep + name).open(QIODevice::WriteOnly);  // the one beside it comes first
    EXPECT_EQ(HelpFilePath(folder), folder + sep + name);
    qputenv("XDG_DATA_DIRS", dataDirs);
    // The build puts it beside the programs, these tests included.
    QFile help(HelpFilePath(ProgramFolder()));
    ASSERT_TRUE(help.open(QIODevice::ReadOnly)) << help.fileName();
    EXPECT_EQ(help.fileName(), ProgramFolder() + sep + name);
    EXPECT_TRUE(help.readAll().contains("Kestrune Help"));
}

}  // namespace
}  // namespace kestrune::test
