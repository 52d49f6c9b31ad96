// Faults of the disk met through the window's commands, as a user meets them: a place that
// can't be written, a full disk, a file that goes away or is a folder, a name far too long.
// Each time the user is told with the program's own message, the last good file is as it
// was, the list and Modified say where the work is, and the next command works.

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <optional>

#include "platform/text_codec.h"
#include "support/other_user.h"
#include "window_fixture.h"

namespace kestrune {
namespace {

const QByteArray kTemplate =
    "// Logon Script Template File\r\n\r\n"
    "[map]\r\nremote=\\\\FILES\\APPS\r\nlocal=G\r\n\r\n"
    "[other]\r\ncommand=echo Welcome\r\n\r\n";
const QByteArray kTemplateWithPause = kTemplate + "[other]\r\ncommand=pause\r\n\r\n";
const std::vector<std::string> kOpened = {"Map \\\\FILES\\APPS as G:\\ ", "echo Welcome"};
const std::vector<std::string> kEdited = {"Map \\\\FILES\\APPS as G:\\ ", "echo Welcome", "pause"};

// "%1" stands for the path.
const QString kTemplateSaveFailed =
    "An unexpected error occurred while saving the file %1.\r\rError: ";
const QString kScriptSaveFailed =
    "An error occurred while saving the file %1.\rPlease ensure the disk or one of the "
    "directories is not read only.";
const QString kTemplateReadFailed =
    "An unexpected error occurred while reading the file %1.\r\rLine: \r\rError: ";
const QString kScriptReadFailed =
    "An unexpected error occurred while reading the file %1.\r\rError: ";

// How the user reaches the file: saves go through Save As (File menu), Save (Ctrl+S) and
// Make Script (toolbar); reads through Open (toolbar) and the second recent file.
enum class Command { SaveAs, Save, Make, Open, Recent };

enum class Arrange {
    Nothing,
    Folder,          // the target is a folder
    ReadOnlyFolder,  // the document's folder can't be written to
    FileSizeLimit,   // the disk fills while the file is written
    Vanishes,        // the target goes away while the File menu shows it
    BecomesFolder,   // ... and a folder takes its name
    Pipe,            // the target is a named pipe, which no one reads
    Huge,            // the file to read is 65 MiB
};

struct Fault {
    const char* what;
    Command command;
    Arrange arrange;
    QString target;  // in the document's folder unless it begins with "/"
    QString message;
};

bool saves(Command command) {
    return command == Command::SaveAs || command == Command::Save || command == Command::Make;
}

// While it lives, files may grow to limit bytes only, as on a disk with that little room.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t limit) {
        getrlimit(RLIMIT_FSIZE, &before_);
        // Beyond the limit a write fails with EFBIG instead of ending the process.
        oldHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = before_;
        lowered.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &before_);
        signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit before_{};
    sighandler_t oldHandler_ = SIG_DFL;
};

class FileFaultsTest : public testing::WindowTest {
  protected:
    void TearDown() override {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        WindowTest::TearDown();
    }

    // Root writes into a folder whatever its permissions say.
    bool canMakeReadOnlyFolders() {
        QTemporaryDir probeDir;
        QFile::setPermissions(probeDir.path(), QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(probeDir.filePath("probe"));
        const bool written = probe.open(QIODevice::WriteOnly);
        QFile::setPermissions(probeDir.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return !written;
    }

    std::string targetPath(const QString& target) const {
        return target.startsWith('/') ? PathBytes(target) : path(target);
    }

    void openThroughToolbar(const std::string& file) {
        prompts.files = {PathText(file)};
        clickButton("Open");
    }

    // Opens start.lst as the document (after the recent file of a Recent row), changes it
    // when the command saves, arranges the fault and gives the command.
    void meet(const Fault& fault) {
        const std::string start = path("start.lst");
        const std::string target = targetPath(fault.target);
        if (fault.arrange == Arrange::Folder) {
            ASSERT_TRUE(QDir().mkpath(PathText(target)));
        } else if (fault.arrange == Arrange::Pipe) {
            ASSERT_EQ(::mkfifo(target.c_str(), 0644), 0);
        } else if (fault.arrange == Arrange::Huge) {
            QFile huge(PathText(target));
            ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(65 << 20));
        }
        if (fault.command == Command::Recent) {
            openThroughToolbar(writeFile(fault.target, kTemplate));
        }
        writeFile("start.lst", kTemplate);
        openThroughToolbar(start);
        ASSERT_EQ(details(), kOpened);
        if (saves(fault.command)) {
            addOther("pause");
        }
        if (fault.arrange == Arrange::ReadOnlyFolder) {
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        }
        prompts.messages.clear();

        std::optional<FileSizeLimit> limit;
        if (fault.arrange == Arrange::FileSizeLimit) {
            limit.emplace(static_cast<rlim_t>(kTemplate.size()));
        }
        switch (fault.command) {
            case Command::SaveAs:
                prompts.files = {PathText(target)};
                fileMenu("mnuSaveAs");
                break;
            case Command::Save:
                QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
                break;
            case Command::Make:
                prompts.files = {PathText(target)};
                clickButton("Make");
                break;
            case Command::Open:
                openThroughToolbar(target);
                break;
            case Command::Recent: {
                QMenu* file = openMenu(Qt::Key_F, "mnuFile");
                ASSERT_EQ(menuItem("mnuRec2")->text(), "&2   " + fault.target);
                ASSERT_TRUE(QFile::remove(PathText(target)));
                if (fault.arrange == Arrange::BecomesFolder) {
                    ASSERT_TRUE(QDir().mkpath(PathText(target)));
                }
                choose(file, "mnuRec2");
                break;
            }
        }
        limit.reset();
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // What the user sees and has once the command failed, and that the next command works.
    void expectMet(const Fault& fault) {
        const std::string start = path("start.lst");
        const std::string target = targetPath(fault.target);
        ASSERT_EQ(prompts.messages.size(), 1u);
        const auto& shown = prompts.messages[0];
        EXPECT_EQ(shown.request.text, QString(fault.message).replace("%1", PathText(target)));
        EXPECT_EQ(shown.request.title, "Kestrune");
        EXPECT_EQ(shown.request.buttons, MessageButtons::Ok);
        EXPECT_EQ(shown.request.icon, MessageIcon::Critical);
        EXPECT_FALSE(shown.waitCursor);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);

        EXPECT_EQ(readFile(start), kTemplate);
        // Nothing half-written is left beside the files.
        QStringList names =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        EXPECT_TRUE(names.filter("kestrune-").isEmpty()) << names.join(' ').toStdString();

        if (saves(fault.command)) {
            // The work is still only in the window, and the window says so.
            EXPECT_EQ(details(), kEdited);
            EXPECT_TRUE(window->document().modified);
            EXPECT_EQ(window->document().documentPath,
                      fault.command == Command::SaveAs ? target : start);
            EXPECT_EQ(window->windowTitle(), "Kestrune - " + PathText(target).section('/', -1));
            EXPECT_TRUE(toolbarButton("Save")->isEnabled());
            EXPECT_TRUE(toolbarButton("Make")->isEnabled());

            const std::string saved = PathBytes(elsewhere.filePath("saved.lst"));
            prompts.files = {PathText(saved)};
            fileMenu("mnuSaveAs");
            EXPECT_EQ(readFile(saved), kTemplateWithPause);
            EXPECT_FALSE(window->document().modified);
        } else {
            EXPECT_TRUE(details().empty());
            EXPECT_FALSE(window->document().modified);
            EXPECT_EQ(window->document().documentPath, "Blank Template");
            EXPECT_EQ(window->windowTitle(), "Kestrune");
            EXPECT_EQ(enabledButtons(), "1010000001");
            if (fault.command == Command::Recent) {
                EXPECT_EQ(state.recentFiles.entry(1), target);  // listed where it was
            }

            openThroughToolbar(start);
            EXPECT_EQ(details(), kOpened);
        }
        EXPECT_EQ(prompts.messages.size(), 1u);
    }

    void meetEach(std::initializer_list<Fault> faults) {
        for (const Fault& fault : faults) {
            SCOPED_TRACE(std::string(fault.what) + ": " + fault.target.left(40).toStdString());
            // Each row starts from an empty recent-file list, as its Recent rows count on.
            store.values.clear();
            state.recentFiles = {};
            restart();
            meet(fault);
            if (HasFatalFailure()) {
                return;
            }
            expectMet(fault);
            QDir(dir.path()).removeRecursively();
            QDir().mkpath(dir.path());
        }
    }

    QTemporaryDir elsewhere;
};

const QString kLongName = QString(300, 'x');

TEST_F(FileFaultsTest, EachFaultIsToldAndLosesNothing) {
    meetEach({
        {"a place under a file", Command::SaveAs, Arrange::Nothing, "start.lst/logon.lst",
         kTemplateSaveFailed + "20 Not a directory"},
        {"a place under a file", Command::Make, Arrange::Nothing, "start.lst/logon.bat",
         kScriptSaveFailed},
        {"a full disk", Command::SaveAs, Arrange::Nothing, "/dev/full",
         kTemplateSaveFailed + "28 No space left on device"},
        {"a full disk", Command::Make, Arrange::Nothing, "/dev/full", kScriptSaveFailed},
        {"a disk that fills while the file is written", Command::Save, Arrange::FileSizeLimit,
         "start.lst", kTemplateSaveFailed + "27 File too large"},
        {"a folder", Command::SaveAs, Arrange::Folder, "folder.lst",
         kTemplateSaveFailed + "21 Is a directory"},
        {"a folder", Command::Open, Arrange::Folder, "folder.lst",
         kTemplateReadFailed + "21\rIs a directory"},
        {"a folder", Command::Open, Arrange::Folder, "folder.bat",
         kScriptReadFailed + "21 Is a directory"},
        {"a name far too long", Command::SaveAs, Arrange::Nothing, kLongName + ".lst",
         kTemplateSaveFailed + "36 File name too long"},
        {"a name far too long", Command::Make, Arrange::Nothing, kLongName + ".bat",
         kScriptSaveFailed},
        {"a name far too long", Command::Open, Arrange::Nothing, kLongName + ".lst",
         kTemplateReadFailed + "36\rFile name too long"},
        // Reading a process's memory from its first page fails as a failing disk does.
        {"a disk that fails while the file is read", Command::Open, Arrange::Nothing,
         "/proc/self/mem", kScriptReadFailed + "5 Input/output error"},
        {"a pipe", Command::SaveAs, Arrange::Pipe, "pipe.lst",
         kTemplateSaveFailed + "22 Not a regular file"},
        {"a pipe", Command::Make, Arrange::Pipe, "pipe.bat", kScriptSaveFailed},
        {"a file far too large", Command::Open, Arrange::Huge, "big.lst",
         "The file %1 is too large to open: 68157440 bytes.\rA template or batch script can be at "
         "most 67108864 bytes (64 MiB)."},
        {"a recent file gone", Command::Recent, Arrange::Vanishes, "gone.lst",
         "%1 could not found. Please make sure the path is correct."},
        {"a recent file now a folder", Command::Recent, Arrange::BecomesFolder, "gone.bat",
         kScriptReadFailed + "21 Is a directory"},
    });
}

TEST_F(FileFaultsTest, AReadOnlyFolderKeepsItsFiles) {
    if (!canMakeReadOnlyFolders()) {
        GTEST_SKIP() << "run as root: a folder's permissions stop nothing";
    }
    meetEach({
        {"a read-only folder", Command::Save, Arrange::ReadOnlyFolder, "start.lst",
         kTemplateSaveFailed + "13 Permission denied"},
        {"a read-only folder", Command::Make, Arrange::ReadOnlyFolder, "start.bat",
         kScriptSaveFailed},
    });
}

struct Kept {
    const char* what;
    bool secondName;    // the file has a hard link beside it
    bool asOtherUser;   // saved by a user who may write the file but doesn't own it
    bool stickyFolder;  // where only a file's owner may rename over it
};

// Saving keeps what the file had: its other names, its owner. The window's Save writes the
// file in place where a rename would lose them (or a sticky folder refuses the rename).
TEST_F(FileFaultsTest, SavingKeepsWhatTheFileHad) {
    const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                     QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
                     QFile::ExeOther;
    for (const Kept& row : {
             Kept{"a file with a second name", true, false, false},
             Kept{"another user's file", false, true, false},
             Kept{"another user's file in a sticky folder", false, true, true},
         }) {
        SCOPED_TRACE(row.what);
        if (row.asOtherUser && !test::AsOtherUser::available()) {
            GTEST_SKIP() << test::AsOtherUser::kSkip;
        }
        restart();
        QFile::setPermissions(dir.path(), all);
        ASSERT_TRUE(QDir(dir.path()).mkpath("shared"));
        const std::string shared = path("shared");
        ::chmod(shared.c_str(), row.stickyFolder ? 01777 : 0777);
        const std::string file = writeFile("shared/start.lst", kTemplate);
        ::chmod(file.c_str(), 0666);
        if (row.secondName) {
            ASSERT_EQ(::link(file.c_str(), (shared + "/second.lst").c_str()), 0);
        }
        struct stat before {};
        ::stat(file.c_str(), &before);
        openThroughToolbar(file);
        addOther("pause");
        {
            std::optional<test::AsOtherUser> user;
            if (row.asOtherUser) {
                ASSERT_TRUE(user.emplace().dropped());
            }
            QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        }
        EXPECT_TRUE(prompts.messages.empty()) << messageTexts().front().toStdString();
        EXPECT_FALSE(window->document().modified);
        EXPECT_EQ(readFile(file), kTemplateWithPause);
        struct stat after {};
        ::stat(file.c_str(), &after);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_mode, before.st_mode);
        if (row.secondName) {
            EXPECT_EQ(readFile(shared + "/second.lst"), kTemplateWithPause);
        }
        EXPECT_EQ(QDir(PathText(shared)).entryList(QDir::Files | QDir::Hidden).size(),
                  row.secondName ? 2 : 1);
        QDir(PathText(shared)).removeRecursively();
    }
}

// A name of 250 characters is a good name: the new file written beside it first must not
// need a longer one.
TEST_F(FileFaultsTest, ALongButValidNameIsSaved) {
    start();
    addOther("pause");
    const std::string longName = path(QString(246, 'x') + ".lst");
    prompts.files = {PathText(longName)};
    fileMenu("mnuSaveAs");
    EXPECT_TRUE(prompts.messages.empty()) << messageTexts().front().toStdString();
    EXPECT_EQ(readFile(longName),
              "// Logon Script Template File\r\n\r\n[other]\r\ncommand=pause\r\n\r\n");
    EXPECT_FALSE(window->document().modified);
}

// A device that never ends is no document: it is refused, not read until memory runs out.
TEST_F(FileFaultsTest, ADeviceThatNeverEndsIsNoDocument) {
    start();
    prompts.files = {"/dev/zero"};
    clickButton("Open");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].request.text.startsWith(
        "An unexpected error occurred while reading the file /dev/zero."));
    EXPECT_TRUE(details().empty());
    const std::string start = writeFile("start.lst", kTemplate);
    prompts.files = {PathText(start)};
    clickButton("Open");
    EXPECT_EQ(details(), kOpened);
}

}  // namespace
}  // namespace kestrune
