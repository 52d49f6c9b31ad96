// Settings that are damaged, over the real store pointed at a temporary folder: the window
// starts at its defaults, says what it couldn't do, and the next write mends it.

#include <sys/stat.h>

#include <QDir>
#include <QMenuBar>
#include <QStandardPaths>
#include <fstream>

#include "platform/qt_settings_store.h"
#include "ui/main/program_entry.h"
#include "window_fixture.h"

namespace kestrune::test {
namespace {

const QString kRecentFailed =
    "An unexpected error occurred while saving or retrieving settings in the system registry.";
const QString kSettingsNotSaved =
    "An unexpected error occurred while saving settings in the system registry.";

// The start of a picture, bytes that are no UTF-8, a section that is never closed.
const char kNotText[] =
    "\x89PNG\r\n\x1A\n\0\0\0\rIHDR\xFF\xFE\xFD\x01\x02\n[Window\n\xC3\x28\xA0\xA1\n";

class DamagedSettingsTest : public WindowTest {
  protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    }
    void TearDown() override {
        WindowTest::TearDown();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }

    // A new run of the program over the real store.
    void startOnRealStore() {
        stop();
        prompts = {};
        realState.reset();
        real.emplace(QStringLiteral("Kestrune"));
        realState.emplace(*real, recentPaths);
        startWith(*real, *realState);
    }

    QTemporaryDir config;
    std::optional<QtSettingsStore> real;
    std::optional<AppState> realState;
};

TEST_F(DamagedSettingsTest, ADamagedSettingsFileGivesDefaultsAndIsMendedByTheNextWrite) {
    const QString conf = config.filePath("Kestrune/Kestrune.conf");
    // No bytes: a folder, or with "|" a pipe, in the file's place.
    const std::pair<const char*, QByteArray> damages[] = {
        {"a folder in its place", {}},
        {"a pipe in its place, which would hang the reading", "|"},
        {"not text", QByteArray(kNotText, sizeof kNotText - 1) + QByteArray(200, '\0')},
        {"a line that is no setting",
         "[Window]\nfrmH=6000\nfrmW=9000\nthis line has no value\n[Recent]\nFile1=/srv/a.lst\n"},
        {"sound, but over 1 MiB",
         "[Recent]\nFile1=/srv/a.lst\n[Padding]\nx=" + QByteArray(1 << 20, 'x') + "\n"},
    };
    for (const auto& [what, bytes] : damages) {
        SCOPED_TRACE(what);
        const std::string file = writeFile("start.lst", OtherTemplate({"echo Welcome"}));
        const QString saveChanges = "Save changes to " + PathText(file) + " ?";
        QDir(config.filePath("Kestrune")).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(bytes.isEmpty() ? conf : config.filePath("Kestrune")));
        if (bytes == "|") {
            ASSERT_EQ(::mkfifo(QFile::encodeName(conf).constData(), 0600), 0);
        } else if (!bytes.isEmpty()) {
            QFile damaged(conf);
            ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
            damaged.write(bytes);
        }
        // Nothing read can be trusted: the defaults, and the user is told once.
        startOnRealStore();
        EXPECT_EQ(prompts.texts(), std::vector<QString>{kRecentFailed});
        EXPECT_EQ(window->frameGeometry().width(), TwipsToPixels(7215, window->logicalDpiX()));
        openFile(file);
        // The work goes on and is saved on the way out (Yes) whatever the settings do.
        addOther("pause");
        give(Command::Exit, Way::Key);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(readFile(file), OtherTemplate({"echo Welcome", "pause"}));
        if (bytes.isEmpty()) {
            EXPECT_EQ(prompts.texts(), (std::vector<QString>{kRecentFailed, kRecentFailed,
                                                             saveChanges, kSettingsNotSaved}));
            continue;
        }
        EXPECT_EQ(prompts.texts(), (std::vector<QString>{kRecentFailed, saveChanges}));
        startOnRealStore();
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_EQ(window->menuBar()->findChild<QAction*>("mnuRec1")->text(), "&1   start.lst");
    }

    // On the mended store, a file name that isn't UTF-8 is stored as its bytes, and lists and
    // opens in the next run.
    const std::string bad = PathBytes(dir.path()) + "/bad\xff.lst";
    std::ofstream(bad, std::ios::binary) << OtherTemplate({"echo Welcome"}).toStdString();
    OpenFromCommandLine(*window, bad);
    QCoreApplication::sendPostedEvents();
    startOnRealStore();
    EXPECT_TRUE(prompts.texts().empty());
    EXPECT_EQ(realState->recentFiles.entry(0), bad);
    chooseIn(MenuId::File, window->menuBar()->findChild<QAction*>("mnuRec1"));
    EXPECT_EQ(details(), std::vector<std::string>{"echo Welcome"});
    std::remove(bad.c_str());  // Qt can't name it to clean the folder up
}

}  // namespace
}  // namespace kestrune::test
