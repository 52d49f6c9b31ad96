// Faults of the disk met through the window's commands, as a user meets them. Each time the
// user is told with the program's own message, the last good file is as it was, the list and
// Modified say where the work is, and the next command works.

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QMenuBar>
#include <optional>

#include "support/other_user.h"
#include "window_fixture.h"

namespace kestrune::test {
namespace {

const QByteArray kTemplate = kTemplateHeader +
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
enum class Step { SaveAs, Save, Make, Open, Recent };

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
    Step command;
    Arrange arrange;
    QString target;  // in the document's folder unless it begins with "/"
    QString message;
};

bool saves(Step command) {
    return command == Step::SaveAs || command == Step::Save || command == Step::Make;
}

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

class FileFaultsTest : public WindowTest {
  protected:
    void TearDown() override {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        WindowTest::TearDown();
    }

    std::string targetPath(const QString& target) const {
        return target.startsWith('/') ? PathBytes(target) : path(target);
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
        if (fault.command == Step::Recent) {
            openFile(writeFile(fault.target, kTemplate));
        }
        writeFile("start.lst", kTemplate);
        openFile(start);
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
            case Step::SaveAs:
                prompts.files = {PathText(target)};
                give(Command::SaveAs, Way::Menu);
                break;
            case Step::Save:
                give(Command::Save, Way::Key);
                break;
            case Step::Make:
                prompts.files = {PathText(target)};
                give(Command::Make, Way::Toolbar);
                break;
            case Step::Open:
                openFile(target);
                break;
            case Step::Recent: {
                QMenu* file = openMenu(MenuId::File);
                QAction* second = window->menuBar()->findChild<QAction*>("mnuRec2");
                ASSERT_EQ(second->text(), "&2   " + fault.target);
                ASSERT_TRUE(QFile::remove(PathText(target)));
                if (fault.arrange == Arrange::BecomesFolder) {
                    ASSERT_TRUE(QDir().mkpath(PathText(target)));
                }
                choose(file, second);
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
        expectMessage(QString(fault.message).replace("%1", PathText(target)));
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
                      fault.command == Step::SaveAs ? target : start);
            EXPECT_EQ(window->windowTitle(), "Kestrune - " + PathText(target).section('/', -1));

            const std::string saved = PathBytes(elsewhere.filePath("saved.lst"));
            prompts.files = {PathText(saved)};
            give(Command::SaveAs, Way::Menu);
            EXPECT_EQ(readFile(saved), kTemplateWithPause);
            EXPECT_FALSE(window->document().modified);
        } else {
            EXPECT_TRUE(details().empty());
            EXPECT_FALSE(window->document().modified);
            EXPECT_EQ(window->document().documentPath, "Blank Template");
            EXPECT_EQ(window->windowTitle(), "Kestrune");
            EXPECT_EQ(enabledButtons(), "1010000001");
            if (fault.command == Step::Recent) {
                EXPECT_EQ(state.recentFiles.entry(1), target);  // listed where it was
            }

            openFile(start);
            EXPECT_EQ(details(), kOpened);
        }
        EXPECT_EQ(prompts.messages.size(), 1u);
    }

    void meetEach(std::initializer_list<Fault> faults) {
        for (const Fault& fault : faults) {
            SCOPED_TRACE(std::string(fault.what) + ": " + fault.target.left(40).toStdString());
            // Root writes into a folder whatever its permissions say.
            if (fault.arrange == Arrange::ReadOnlyFolder && ::geteuid() == 0) {
                continue;
            }
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
        {"a place under a file", Step::SaveAs, Arrange::Nothing, "start.lst/logon.lst",
         kTemplateSaveFailed + "20 Not a directory"},
        {"a place under a file", Step::Make, Arrange::Nothing, "start.lst/logon.bat",
         kScriptSaveFailed},
        {"a full disk", Step::SaveAs, Arrange::Nothing, "/dev/full",
         kTemplateSaveFailed + "28 No space left on device"},
        {"a full disk", Step::Make, Arrange::Nothing, "/dev/full", kScriptSaveFailed},
        {"a disk that fills while the file is written", Step::Save, Arrange::FileSizeLimit,
         "start.lst", kTemplateSaveFailed + "27 File too large"},
        {"a folder", Step::SaveAs, Arrange::Folder, "folder.lst",
         kTemplateSaveFailed + "21 Is a directory"},
        {"a folder", Step::Open, Arrange::Folder, "folder.lst",
         kTemplateReadFailed + "21\rIs a directory"},
        {"a folder", Step::Open, Arrange::Folder, "folder.bat",
         kScriptReadFailed + "21 Is a directory"},
        {"a name far too long", Step::SaveAs, Arrange::Nothing, kLongName + ".lst",
         kTemplateSaveFailed + "36 File name too long"},
        {"a name far too long", Step::Make, Arrange::Nothing, kLongName + ".bat",
         kScriptSaveFailed},
        {"a name far too long", Step::Open, Arrange::Nothing, kLongName + ".lst",
         kTemplateReadFailed + "36\rFile name too long"},
        // Reading a process's memory from its first page fails as a failing disk does.
        {"a disk that fails while the file is read", Step::Open, Arrange::Nothing, "/proc/self/mem",
         kScriptReadFailed + "5 Input/output error"},
        // A device that never ends is no document: refused, not read until memory runs out.
        {"a device", Step::Open, Arrange::Nothing, "/dev/zero",
         kScriptReadFailed + "22 Not a regular file"},
        {"a pipe", Step::SaveAs, Arrange::Pipe, "pipe.lst",
         kTemplateSaveFailed + "22 Not a regular file"},
        {"a pipe", Step::Make, Arrange::Pipe, "pipe.bat", kScriptSaveFailed},
        {"a file far too large", Step::Open, Arrange::Huge, "big.lst",
         "The file %1 is too large to open: 68157440 bytes.\rA template or batch script can be at "
         "most 67108864 bytes (64 MiB)."},
        {"a recent file gone", Step::Recent, Arrange::Vanishes, "gone.lst",
         "%1 could not found. Please make sure the path is correct."},
        {"a recent file now a folder", Step::Recent, Arrange::BecomesFolder, "gone.bat",
         kScriptReadFailed + "21 Is a directory"},
        {"a read-only folder", Step::Save, Arrange::ReadOnlyFolder, "start.lst",
         kTemplateSaveFailed + "13 Permission denied"},
        {"a read-only folder", Step::Make, Arrange::ReadOnlyFolder, "start.bat", kScriptSaveFailed},
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
        if (row.asOtherUser && !AsOtherUser::available()) {
            GTEST_SKIP() << AsOtherUser::kSkip;
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
        openFile(file);
        addOther("pause");
        {
            std::optional<AsOtherUser> user;
            if (row.asOtherUser) {
                ASSERT_TRUE(user.emplace().dropped());
            }
            give(Command::Save, Way::Key);
        }
        EXPECT_TRUE(prompts.messages.empty()) << prompts.texts().front().toStdString();
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

}  // namespace
}  // namespace kestrune::test
