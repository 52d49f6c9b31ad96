// The document's file changed behind the window, as in a NETLOGON folder that several
// administrators edit: the window tells of it when it becomes active again, and a save never
// overwrites the other change unasked.

#include <QDialog>
#include <cstdio>

#include "window_fixture.h"

namespace kestrune::test {
namespace {

const QByteArray kTheirs = OtherTemplate({"echo Theirs"});

// Another program puts its own file in the document's place through rename, as editors save;
// or deletes it (no bytes left). Which changes are seen is the file state's own test.
std::optional<QByteArray> changeBehind(const std::string& path, bool deleted) {
    if (deleted) {
        EXPECT_TRUE(QFile::remove(PathText(path)));
        return std::nullopt;
    }
    QFile file(PathText(path) + ".new");
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(kTheirs));
    file.close();
    EXPECT_EQ(std::rename(PathBytes(file.fileName()).c_str(), path.c_str()), 0);
    return kTheirs;
}

class SharedFolderTest : public WindowTest {
  protected:
    // The user works in another program a while, then comes back to the window.
    void comeBack() {
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        reactivate();
    }

    static QString about(const std::string& file, const char* end) {
        return "The file " + PathText(file) + end;
    }
};

// Every change, with and without unsaved changes in the window: told once, and Save asks
// before it overwrites; No keeps the other program's file byte for byte, and the work.
TEST_F(SharedFolderTest, EachChangeIsToldOnceAndNeverOverwrittenUnasked) {
    for (const bool deleted : {false, true}) {
        for (const bool edited : {false, true}) {
            SCOPED_TRACE(std::string(deleted ? "deleted" : "replaced") +
                         (edited ? ", edited" : ""));
            restart();
            const std::string file = writeFile("start.lst", kStartTemplate);
            openFile(file);
            if (edited) {
                addOther("pause");
            }
            const QByteArray ours =
                edited ? kStartTemplate + "[other]\r\ncommand=pause\r\n\r\n" : kStartTemplate;
            const std::vector<std::string> list = details();
            prompts.messages.clear();
            const std::optional<QByteArray> theirs = changeBehind(file, deleted);

            prompts.answers = {Answer::No};
            comeBack();
            if (!theirs) {
                EXPECT_TRUE(prompts.messages.empty());
                EXPECT_EQ(window->statusText(), about(file, " was deleted on disk."));
            } else if (edited) {
                EXPECT_TRUE(prompts.messages.empty());
                EXPECT_EQ(window->statusText(),
                          about(file,
                                " has been changed by another program. Saving will ask before "
                                "overwriting it."));
            } else {
                prompts.expectOnly(
                    about(file, " has been changed by another program.\rDo you want to reload it?"),
                    MessageButtons::YesNo, MessageIcon::Question);
            }
            comeBack();  // the same change: not told again
            EXPECT_EQ(prompts.messages.size(), theirs && !edited ? 1u : 0u);
            EXPECT_EQ(details(), list);
            prompts.messages.clear();

            if (!theirs) {
                // Written again without a question, and the window says so.
                give(Command::Save, Way::Key);
                EXPECT_TRUE(prompts.messages.empty());
                EXPECT_EQ(readFile(file), ours);
                EXPECT_EQ(window->statusText(),
                          about(file, " was deleted on disk and has been written again."));
                EXPECT_FALSE(window->document().modified);
                continue;
            }
            const QString overwrite =
                about(file,
                      " has been changed by another program since it was opened.\rDo you want to "
                      "overwrite it?");
            // A script made into another file asks nothing and leaves the file recorded.
            prompts.files = {PathText(path("other.bat"))};
            give(Command::Make, Way::Toolbar);
            EXPECT_TRUE(prompts.messages.empty());
            // No at Save, at Save As onto the file, at Make Script onto it, and after the
            // save-changes prompt's Yes, which then cancels New, Open and closing.
            prompts.answers = {Answer::No};
            give(Command::Save, Way::Key);
            prompts.expectOnly(overwrite, MessageButtons::YesNo, MessageIcon::Question);
            EXPECT_EQ(prompts.messages[0].request.defaultAnswer, Answer::No);
            prompts.answers = {Answer::No, Answer::No};
            prompts.files = {PathText(file), PathText(file)};
            give(Command::SaveAs, Way::Menu);
            give(Command::Make, Way::Toolbar);
            std::vector<QString> asked(3, overwrite);
            if (edited) {
                for (const Command command : {Command::New, Command::Open, Command::Exit}) {
                    prompts.answers = {Answer::Yes, Answer::No};
                    give(command, Way::Key);
                    asked.push_back("Save changes to " + PathText(file) + " ?");
                    asked.push_back(overwrite);
                }
                EXPECT_TRUE(window->isVisible());
            }
            EXPECT_EQ(prompts.texts(), asked);
            EXPECT_EQ(prompts.dialogs.size(), 4u);  // Open's never came
            EXPECT_EQ(readFile(file), *theirs);
            EXPECT_EQ(details(), list);
            EXPECT_EQ(window->document().modified, edited);
            EXPECT_EQ(window->document().documentPath, file);

            prompts.answers = {Answer::Yes};
            give(Command::Save, Way::Key);
            EXPECT_EQ(readFile(file), ours);
            EXPECT_FALSE(window->document().modified);
            prompts.messages.clear();
            comeBack();  // the window's own save is no change
            give(Command::Save, Way::Key);
            EXPECT_TRUE(prompts.messages.empty());
        }
    }
}

// Yes reads the file again as Open does: the undo steps go with the old list. Never asked over
// one of the program's dialogs, only once the window is active again without it. (First, an
// empty list has the document's path as its status text, which the window, coming back,
// writes again: what is told stays.)
TEST_F(SharedFolderTest, ReloadReadsTheFileAgainOnceNoDialogIsOpen) {
    start();
    const std::string empty = writeFile("empty.lst", kTemplateHeader);
    openFile(empty);
    changeBehind(empty, true);
    comeBack();
    EXPECT_EQ(window->statusText(), about(empty, " was deleted on disk."));
    const std::string file = writeFile("start.lst", kStartTemplate);
    openFile(file);
    addOther("pause");
    give(Command::Undo, Way::Key);
    ASSERT_TRUE(window->action(Command::Redo, Route::Menu)->isEnabled());
    changeBehind(file, false);
    prompts.messages.clear();

    inDialog([this](QDialog& about) {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(window.get(), &activate);
        clickIn(about, "cmdOk");
    });
    give(Command::About, Way::Menu);
    ASSERT_TRUE(dialogShown);
    EXPECT_TRUE(prompts.messages.empty());

    comeBack();  // answered Yes
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(details(), std::vector<std::string>{"echo Theirs"});
    EXPECT_FALSE(window->document().modified);
    EXPECT_FALSE(window->action(Command::Redo, Route::Menu)->isEnabled());
    comeBack();
    give(Command::Save, Way::Key);
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(readFile(file), kTheirs);
}

}  // namespace
}  // namespace kestrune::test
