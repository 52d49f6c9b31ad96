// Settings that are damaged or refused, over the real store pointed at a temporary folder:
// the window starts at its defaults, says what it couldn't do, and the next write mends it.

#include <QDir>
#include <QMenuBar>
#include <QStandardPaths>
#include <cstdio>
#include <fstream>
#include <optional>

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
    const std::pair<const char*, QByteArray> damages[] = {
        {"not text", QByteArray(kNotText, sizeof kNotText - 1) + QByteArray(200, '\0')},
        {"a line that is no setting",
         "[Window]\nfrmH=6000\nfrmW=9000\nthis line has no value\n[Recent]\nFile1=/srv/a.lst\n"},
        {"a folder in its place", {}},
    };
    const std::string file = writeFile("start.lst", OtherTemplate({"echo Welcome"}));
    for (const auto& [what, bytes] : damages) {
        SCOPED_TRACE(what);
        QDir(config.filePath("Kestrune")).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(bytes.isEmpty() ? conf : config.filePath("Kestrune")));
        if (!bytes.isEmpty()) {
            QFile damaged(conf);
            ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
            damaged.write(bytes);
        }
        // Nothing read can be trusted: the defaults, and the user is told once.
        startOnRealStore();
        EXPECT_EQ(messageTexts(), std::vector<QString>{kRecentFailed});
        EXPECT_EQ(window->frameGeometry().width(), TwipsToPixels(7215, window->logicalDpiX()));
        openFile(file);
        EXPECT_EQ(details(), std::vector<std::string>{"echo Welcome"});
        give(Command::Exit, Way::Key);
        EXPECT_FALSE(window->isVisible());
        if (bytes.isEmpty()) {
            EXPECT_EQ(messageTexts(),
                      (std::vector<QString>{kRecentFailed, kRecentFailed, kSettingsNotSaved}));
            continue;
        }
        EXPECT_EQ(messageTexts(), std::vector<QString>{kRecentFailed});
        startOnRealStore();
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_EQ(window->menuBar()->findChild<QAction*>("mnuRec1")->text(), "&1   start.lst");
    }
}

// A store that refuses every write is told of, and the work goes on.
TEST_F(DamagedSettingsTest, AStoreThatRefusesWritesLosesNoWork) {
    store.refuseWritesAfter = 0;
    start();
    const std::string file = writeFile("start.lst", OtherTemplate({"echo Welcome"}));
    openFile(file);
    addOther("pause");
    give(Command::Exit, Way::Key);  // Yes: save, then close
    EXPECT_EQ(messageTexts(),
              (std::vector<QString>{kRecentFailed, "Save changes to " + PathText(file) + " ?",
                                    kSettingsNotSaved}));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(readFile(file), OtherTemplate({"echo Welcome", "pause"}));
}

// A file name that isn't UTF-8 is stored as its bytes, and lists and opens in the next run.
TEST_F(DamagedSettingsTest, ANameThatIsNoUtf8SurvivesTheStoreByteForByte) {
    const std::string bad = PathBytes(dir.path()) + "/bad\xff.lst";
    std::ofstream(bad, std::ios::binary) << OtherTemplate({"echo Welcome"}).toStdString();
    startOnRealStore();
    OpenFromCommandLine(*window, bad);
    QCoreApplication::sendPostedEvents();
    startOnRealStore();
    EXPECT_TRUE(messageTexts().empty());
    EXPECT_EQ(realState->recentFiles.entry(0), bad);
    chooseIn(MenuId::File, window->menuBar()->findChild<QAction*>("mnuRec1"));
    EXPECT_EQ(details(), std::vector<std::string>{"echo Welcome"});
    std::remove(bad.c_str());  // Qt can't name it to clean the folder up
}

}  // namespace
}  // namespace kestrune::test
