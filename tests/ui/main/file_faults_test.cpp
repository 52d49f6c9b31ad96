// Faults of the disk met through the window's commands, as a user meets them, and damaged
// settings. Each time the user is told with the program's own message, the last good file is
// as it was, the list and Modified say where the work is, and the next command works.

#include <sys/resource.h>
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

const QByteArray kTemplateWithPause = kStartTemplate + "[other]\r\ncommand=pause\r\n\r\n";
const std::vector<std::string> kOpened = {"Map \\\\FILES\\APPS as G:\\ ", "echo Welcome"};
const std::vector<std::string> kEdited = {"Map \\\\FILES\\APPS as G:\\ ", "echo Welcome", "pause"};

// "%1" stands for the path.
const QString kTemplateSaveFailed =
    "An unexpected error occurred while saving the file %1.\r\rError: ";
const QString kScriptSaveFailed =
    "An error occurred while saving the file %1.\rPlease ensure the disk or one of the "
    "directories is not read only.\r";
const QString kScriptReadFailed =
    "An unexpected error occurred while reading the file %1.\r\rError: ";

// How the user reaches the file: saves go through Save As (File menu), Save (Ctrl+S) and
// Make Script (toolbar); reads through Open (toolbar) and the second recent file.
enum class Step { SaveAs, Save, Make, Open, Recent };

enum class Arrange {
    Nothing,
    Folder,         // the target is a folder
    FileSizeLimit,  // the disk fills while the file is written
    Vanishes,       // the target goes away while the File menu shows it
    BecomesFolder,  // ... and a folder takes its name
    Huge,           // the file to read is 65 MiB
};

struct Fault {
    const char* what;
    Step command;
    Arrange arrange;
    QString target;  // in the document's folder unless it begins with "/"
    QString message;
};

// While it lives, files may grow to limit bytes only, as on a disk with that little room;
// beyond it a write fails with EFBIG instead of ending the process.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t limit) : handler(signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &before);
        const rlimit lowered{limit, before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &before);
        signal(SIGXFSZ, handler);
    }
    sighandler_t handler;
    rlimit before{};
};

using FileFaultsTest = WindowTest;

// One row per command and per form of message; which errors the file layer names is its
// own tests' business.
TEST_F(FileFaultsTest, EachFaultIsToldAndLosesNothing) {
    const Fault faults[] = {
        {"a folder", Step::SaveAs, Arrange::Folder, "folder.lst",
         kTemplateSaveFailed + "21 Is a directory"},
        {"a disk that fills while the file is written", Step::Save, Arrange::FileSizeLimit,
         "start.lst", kTemplateSaveFailed + "27 File too large"},
        {"a disk that fills while the script is written", Step::Make, Arrange::FileSizeLimit,
         "start.bat", kScriptSaveFailed + "File too large"},
        {"a folder", Step::Open, Arrange::Folder, "folder.lst",
         "An unexpected error occurred while reading the file %1.\r\rLine: \r\rError: 21\rIs a "
         "directory"},
        // A device that never ends is no document: refused, not read until memory runs out.
        {"a device", Step::Open, Arrange::Nothing, "/dev/zero",
         kScriptReadFailed + "22 Not a regular file"},
        {"a file far too large", Step::Open, Arrange::Huge, "big.lst",
         "The file %1 is too large to open: 68157440 bytes.\rA template or batch script can be at "
         "most 67108864 bytes (64 MiB)."},
        {"a recent file gone", Step::Recent, Arrange::Vanishes, "gone.lst",
         "%1 could not found. Please make sure the path is correct."},
        {"a recent file now a folder", Step::Recent, Arrange::BecomesFolder, "gone.bat",
         kScriptReadFailed + "21 Is a directory"},
    };
    QTemporaryDir elsewhere;
    for (const Fault& fault : faults) {
        SCOPED_TRACE(std::string(fault.what) + ": " + fault.target.toStdString());
        // Each row starts from an empty recent-file list, as its Recent rows count on.
        store.values.clear();
        state.recentFiles = {};
        restart();
        // start.lst is the document (opened after the recent file of a Recent row), changed
        // when the command saves; then the fault is arranged and the command given.
        const std::string start = writeFile("start.lst", kStartTemplate);
        const std::string target =
            fault.target.startsWith('/') ? PathBytes(fault.target) : path(fault.target);
        const bool saves = fault.command != Step::Open && fault.command != Step::Recent;
        if (fault.arrange == Arrange::Folder) {
            ASSERT_TRUE(QDir().mkpath(PathText(target)));
        } else if (fault.arrange == Arrange::Huge) {
            QFile huge(PathText(target));
            ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(65 << 20));
        }
        if (fault.command == Step::Recent) {
            openFile(writeFile(fault.target, kStartTemplate));
        }
        openFile(start);
        if (saves) {
            addOther("pause");
        }
        prompts.messages.clear();

        std::optional<FileSizeLimit> limit;
        if (fault.arrange == Arrange::FileSizeLimit) {
            // Room for the document as it was, but not as changed; a script is smaller.
            limit.emplace(
                static_cast<rlim_t>(fault.command == Step::Make ? 64 : kStartTemplate.size()));
        }
        prompts.files = {PathText(target)};  // for Save As and Make Script
        switch (fault.command) {
            case Step::SaveAs:
                give(Command::SaveAs, Way::Menu);
                break;
            case Step::Save:
                give(Command::Save, Way::Key);
                break;
            case Step::Make:
                give(Command::Make, Way::Toolbar);
                break;
            case Step::Open:
                openFile(target);
                break;
            case Step::Recent: {
                QMenu* file = openMenu(MenuId::File);
                QAction* second = window->menuBar()->findChild<QAction*>("mnuRec2");
                ASSERT_TRUE(QFile::remove(PathText(target)));
                if (fault.arrange == Arrange::BecomesFolder) {
                    ASSERT_TRUE(QDir().mkpath(PathText(target)));
                }
                choose(file, second);
                break;
            }
        }
        limit.reset();

        // What the user sees and has once the command failed, and that the next command works.
        prompts.expectOnly(QString(fault.message).replace("%1", PathText(target)));
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);

        EXPECT_EQ(readFile(start), kStartTemplate);
        // Nothing half-written is left beside the files.
        QStringList names =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        EXPECT_TRUE(names.filter("kestrune-").isEmpty()) << names.join(' ').toStdString();

        if (saves) {
            // The work is still only in the window, and the window says so.
            EXPECT_EQ(details(), kEdited);
            EXPECT_TRUE(window->document().modified);
            const std::string document = fault.command == Step::SaveAs ? target : start;
            EXPECT_EQ(window->document().documentPath, document);
            // The title names what Save writes, marked unsaved; a file never written is not
            // offered among the recent files.
            EXPECT_EQ(window->windowTitle(),
                      "Kestrune - " + PathText(document).section('/', -1) + "[*]");
            EXPECT_EQ(state.recentFiles.entry(0), start);
            EXPECT_TRUE(state.recentFiles.entry(1).empty());
            if (fault.command == Step::SaveAs) {
                // Yes at the prompt saves again, fails again, and nothing goes on.
                for (const Command command : {Command::Exit, Command::New, Command::Open}) {
                    prompts.answers = {Answer::Yes};
                    give(command, Way::Key);
                }
                EXPECT_TRUE(window->isVisible());
                EXPECT_TRUE(store.writes.filter("Window/").isEmpty());
            }

            const std::string saved = PathBytes(elsewhere.filePath("saved.lst"));
            prompts.files = {PathText(saved)};
            give(Command::SaveAs, Way::Menu);
            EXPECT_EQ(readFile(saved), kTemplateWithPause);
            EXPECT_FALSE(window->document().modified);
        } else {
            // A blank, unchanged document: no action to make a script of.
            EXPECT_FALSE(window->document().modified);
            EXPECT_EQ(window->windowTitle(), "Kestrune[*]");
            EXPECT_EQ(enabledButtons(), "1010000001");
            if (fault.command == Step::Recent) {
                EXPECT_EQ(state.recentFiles.entry(1), target);  // listed where it was
            }

            openFile(start);
            EXPECT_EQ(details(), kOpened);
        }
        // Save As's failure, then its three prompts and three failures.
        EXPECT_EQ(prompts.messages.size(), fault.command == Step::SaveAs ? 7u : 1u);
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
    }
}

// Settings that are damaged, over the real store pointed at a temporary folder: the window
// starts at its defaults, says what it couldn't do, and the next write mends it.
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
