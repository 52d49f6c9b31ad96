// Settings that are damaged, unreadable or refused: the window starts at its defaults, says
// what it couldn't do with the program's own messages, and goes on; a damaged store is
// mended by the next write. The real store is pointed at a temporary folder, never at the
// user's own settings.

#include <QDir>
#include <QStandardPaths>
#include <cstdio>
#include <fstream>
#include <optional>

#include "platform/qt_settings_store.h"
#include "platform/text_codec.h"
#include "ui/main/program_entry.h"
#include "window_fixture.h"

namespace kestrune {
namespace {

const QString kRecentFailed =
    "An unexpected error occurred while saving or retrieving settings in the system registry.";
const QString kSettingsNotSaved =
    "An unexpected error occurred while saving settings in the system registry.";
// The start of a picture, bytes that are no UTF-8, a section that is never closed.
const char kNotText[] =
    "\x89PNG\r\n\x1A\n\0\0\0\rIHDR\xFF\xFE\xFD\x01\x02\n[Window\n\xC3\x28\xA0\xA1\n";
const QByteArray kTemplate =
    "// Logon Script Template File\r\n\r\n[other]\r\ncommand=echo Welcome\r\n\r\n";

class DamagedSettingsTest : public testing::WindowTest {
  protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    }

    void TearDown() override {
        WindowTest::TearDown();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }

    QString confPath() const { return config.filePath("Kestrune/Kestrune.conf"); }

    // A new run of the program over the real store.
    void startOnRealStore() {
        window.reset();
        prompts = {};
        realState.reset();
        real.emplace(QStringLiteral("Kestrune"));
        realState.emplace(*real, recentPaths);
        startWith(*real, *realState);
    }

    QSize outerTwips(int width, int height) const {
        return {px(width), TwipsToPixels(height, window->logicalDpiY())};
    }

    void openThroughToolbar(const std::string& file) {
        prompts.files = {PathText(file)};
        clickButton("Open");
    }

    QTemporaryDir config;
    std::optional<QtSettingsStore> real;
    std::optional<AppState> realState;
};

TEST_F(DamagedSettingsTest, AWindowValueThatIsNoUsableSizeGivesItsDefault) {
    struct Stored {
        const char* height;
        const char* width;
        const char* state;
        QSize twips;  // the size the window opens at, and is stored with at close
        bool maximized;
    };
    for (const Stored& s : {Stored{"tall", "9000", "0", {9000, 4890}, false},
                            Stored{"99999", "-5", "7", {7215, 4890}, false},
                            Stored{"4890abc", "0x1C20", "2", {7215, 4890}, true},
                            Stored{"", "6000.5.1", "-1", {7215, 4890}, false}}) {
        SCOPED_TRACE(std::string(s.height) + " " + s.width + " " + s.state);
        store.values.insert({"Window", "frmH"}, s.height);
        store.values.insert({"Window", "frmW"}, s.width);
        store.values.insert({"Window", "frmS"}, s.state);
        restart();
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_EQ(window->isMaximized(), s.maximized);
        if (!s.maximized) {
            EXPECT_EQ(window->frameGeometry().size(),
                      outerTwips(s.twips.width(), s.twips.height()));
        }
        QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(store.writes, (QStringList{QStringLiteral("Window/frmH=%1").arg(s.twips.height()),
                                             QStringLiteral("Window/frmW=%1").arg(s.twips.width()),
                                             s.maximized ? "Window/frmS=2" : "Window/frmS=0"}));
    }
}

TEST_F(DamagedSettingsTest, AStoreThatRefusesWritesIsToldOfAndTheWorkGoesOn) {
    store.refuseWritesAfter = 0;
    start();
    EXPECT_TRUE(prompts.messages.empty());
    const std::string file = writeFile("start.lst", kTemplate);
    openThroughToolbar(file);
    EXPECT_EQ(messageTexts(), std::vector<QString>{kRecentFailed});
    EXPECT_EQ(details(), std::vector<std::string>{"echo Welcome"});
    EXPECT_EQ(window->windowTitle(), "Kestrune - start.lst");

    addOther("pause");
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);  // Yes: save, then close
    EXPECT_EQ(messageTexts(),
              (std::vector<QString>{kRecentFailed, "Save changes to " + PathText(file) + " ?",
                                    kSettingsNotSaved}));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(readFile(file), kTemplate + "[other]\r\ncommand=pause\r\n\r\n");
    EXPECT_TRUE(store.writes.isEmpty());
}

TEST_F(DamagedSettingsTest, ADamagedSettingsFileGivesDefaultsAndIsMendedByTheNextWrite) {
    struct Damage {
        const char* what;
        QByteArray bytes;  // none: a folder stands where the file belongs
        bool writable;
    };
    const Damage damages[] = {
        {"not text", QByteArray(kNotText, sizeof kNotText - 1) + QByteArray(200, '\0'), true},
        {"a line that is no setting",
         "[Window]\nfrmH=6000\nfrmW=9000\nthis line has no value\n"
         "[Recent]\nFile1=/srv/logon/old.lst\n",
         true},
        {"a folder in its place", {}, false},
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.what);
        QDir(config.filePath("Kestrune")).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(config.filePath("Kestrune")));
        if (d.bytes.isEmpty()) {
            ASSERT_TRUE(QDir().mkpath(confPath()));
        } else {
            QFile conf(confPath());
            ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
            conf.write(d.bytes);
        }

        // Nothing read can be trusted: the defaults, and the user is told once.
        startOnRealStore();
        EXPECT_EQ(messageTexts(), std::vector<QString>{kRecentFailed});
        EXPECT_EQ(window->frameGeometry().size(), outerTwips(7215, 4890));
        EXPECT_FALSE(menuItem("mnuRecSpace")->isVisible());

        const std::string file = writeFile("start.lst", kTemplate);
        openThroughToolbar(file);
        EXPECT_EQ(details(), std::vector<std::string>{"echo Welcome"});
        QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
        EXPECT_FALSE(window->isVisible());
        if (!d.writable) {
            EXPECT_EQ(messageTexts(),
                      (std::vector<QString>{kRecentFailed, kRecentFailed, kSettingsNotSaved}));
            continue;
        }
        // The first write put a sound file in place of the damaged one.
        EXPECT_EQ(messageTexts(), std::vector<QString>{kRecentFailed});

        startOnRealStore();
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_EQ(window->frameGeometry().size(), outerTwips(7215, 4890));
        EXPECT_EQ(menuItem("mnuRec1")->text(), "&1   start.lst");
        EXPECT_EQ(realState->recentFiles.entry(0), file);
    }
}

// Not damage, but the same real store: a file name that isn't UTF-8 is stored as its bytes
// and lists and opens again in the next run.
TEST_F(DamagedSettingsTest, ANameThatIsNoUtf8SurvivesTheStoreByteForByte) {
    const std::string bad = QFile::encodeName(dir.path()).toStdString() + "/bad\xff.lst";
    std::ofstream(bad, std::ios::binary) << kTemplate.toStdString();
    startOnRealStore();
    OpenFromCommandLine(*window, bad);
    startOnRealStore();
    EXPECT_TRUE(messageTexts().empty());
    EXPECT_EQ(realState->recentFiles.entry(0), bad);
    window->openDocument(realState->recentFiles.entry(0));
    EXPECT_EQ(details(), std::vector<std::string>{"echo Welcome"});
    std::remove(bad.c_str());  // Qt can't name it to clean the folder up
}

}  // namespace
}  // namespace kestrune
