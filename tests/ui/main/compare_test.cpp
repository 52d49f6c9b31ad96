// What Save would change in a script written by hand: Compare with File on Disk, and the
// question before the first save over such a script.

#include <QClipboard>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <future>

#include "accessible_names.h"
#include "ui/main/compare_dialog.h"
#include "ui/main/disk_comparison.h"
#include "window_fixture.h"

namespace kestrune::test {
namespace {

// Written by hand: no banner, LF line ends, an empty line, a line the reader puts in its
// own form, and no end on the last line.
const QByteArray kHandWritten =
    "@echo off\nrem Logon script of the office\n\nnet use g: \\\\files\\apps\necho Welcome";

// What Save writes for it.
const QByteArray kWritten =
    kScriptHeader +
    "rem Logon script of the office\r\n\r\nNET USE G: \\\\FILES\\APPS\r\n\r\n"
    "echo Welcome\r\n\r\n";

class CompareTest : public WindowTest {
  protected:
    void TearDown() override {
        diskComparisonSeams() = {};
        WindowTest::TearDown();
    }

    QAction* compareItem() const { return window->action(Command::Compare, Route::Menu); }

    // hand.bat opened and changed, no message shown yet.
    std::string openHandWrittenAndChange() {
        const std::string file = writeFile("hand.bat", kHandWritten);
        openFile(file);
        addOther("echo Bye");
        prompts.messages.clear();
        return file;
    }

    // The question before the first save over the script at file, which changes lines.
    static QString question(const std::string& file, int lines) {
        return PathText(file) + " was not written by Kestrune.\rSaving it will change " +
               QString::number(lines) + " lines.";
    }

    // The rows the comparison dialog shows, and whether each is lit.
    static std::vector<std::pair<QString, bool>> rows(CompareDialog& dialog) {
        std::vector<std::pair<QString, bool>> out;
        const DiffLinesModel& lines = dialog.lines();
        for (int row = 0; row < lines.rowCount(); ++row) {
            const QModelIndex index = lines.index(row);
            out.emplace_back(index.data().toString(), index.data(Qt::BackgroundRole).isValid());
        }
        return out;
    }
};

// Enabled while the document names a file that is there; the dialog shows the file against
// what Save would write, the changed lines lit, their count above, odd line ends marked.
TEST_F(CompareTest, TheDialogShowsWhatSaveWouldWrite) {
    start();
    const std::string file = writeFile("hand.bat", kHandWritten);
    openFile(file);  // enabled, as choosing it below asserts

    std::vector<std::pair<QString, bool>> expected = {
        {"--- " + PathText(file), false},
        {"+++ " + PathText(file) + " (as written by Kestrune)", false},
        {"@@ -1,5 +1,10 @@", true},
        {"-@echo off [LF]", true},
        {"-rem Logon script of the office [LF]", true},
        {"- [LF]", true},
        {"-net use g: \\\\files\\apps [LF]", true},
        {"-echo Welcome [no line end]", true}};
    for (const QString& line : QString(kWritten).chopped(2).split("\r\n")) {
        expected.emplace_back("+" + line, true);
    }
    inDialog([&](QDialog& shown) {
        auto& dialog = dynamic_cast<CompareDialog&>(shown);
        EXPECT_EQ(dialog.windowTitle(), "Compare with File on Disk");
        EXPECT_EQ(dialog.findChild<QLabel*>("lblCount")->text(), "15 lines change");
        EXPECT_EQ(rows(dialog), expected);
        EXPECT_EQ(dialog.lines().index(3).data(Qt::ToolTipRole).toString(),
                  "This line ends in LF; Save ends it in CR LF.");
        EXPECT_EQ(dialog.lines().index(7).data(Qt::ToolTipRole).toString(),
                  "The last line has no line end; Save ends it in CR LF.");
        EXPECT_FALSE(dialog.lines().index(8).data(Qt::ToolTipRole).isValid());
        // A screen reader reads the lines as a list, their colours in words; Tab goes down.
        QWidget* view = dialog.findChild<QWidget*>("lstDiff");
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(view);
        EXPECT_EQ(read->role(), QAccessible::List);
        EXPECT_EQ(read->text(QAccessible::Name), "Changes");
        EXPECT_EQ(read->childCount(), static_cast<int>(expected.size()));
        for (const auto& [row, said] :
             {std::pair(2, ""), {3, "Removed by Save"}, {8, "Added by Save"}}) {
            EXPECT_EQ(read->child(row)->text(QAccessible::Description), said) << row;
        }
        EXPECT_EQ(unnamedControls(&dialog), QStringList());
        view->setFocus();
        EXPECT_EQ(tabOrder(), (QStringList{"lstDiff", "cmdCopy", "cmdClose"}));
        clickIn(dialog, "cmdCopy");  // the diff's own form is the line comparison's test
        EXPECT_TRUE(QApplication::clipboard()->text().contains(
            "-echo Welcome\n\\ No newline at end of file\n+@echo off\n"));
        clickIn(dialog, "cmdClose");
    });
    chooseIn(MenuId::File, compareItem());
    EXPECT_TRUE(dialogShown);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(readFile(file), kHandWritten);

    // A file the program wrote: nothing changes, nothing lit.
    reactivate();
    give(Command::Save, Way::Key);
    inDialog([](QDialog& shown) {
        auto& dialog = dynamic_cast<CompareDialog&>(shown);
        EXPECT_EQ(dialog.findChild<QLabel*>("lblCount")->text(), "0 lines change");
        EXPECT_EQ(dialog.lines().rowCount(), 0);
        EXPECT_FALSE(dialog.findChild<QPushButton*>("cmdCopy")->isEnabled());
        clickIn(dialog, "cmdClose");
    });
    chooseIn(MenuId::File, compareItem());
    EXPECT_TRUE(dialogShown);

    // Gone from the disk: nothing to compare with.
    reactivate();
    QFile::remove(PathText(file));
    QMenu* menu = openMenu(MenuId::File);
    EXPECT_FALSE(compareItem()->isEnabled());
    menu->close();
}

// Each way a save reaches the document's own file asks once; Cancel writes nothing and keeps
// the work, Compare... shows the comparison and asks again, Save writes, and the next save
// asks no more.
TEST_F(CompareTest, TheFirstSaveOverAScriptWrittenByHandAsks) {
    enum class SaveWay { Save, Prompt, SaveAs, Make };
    for (const SaveWay way : {SaveWay::Save, SaveWay::Prompt, SaveWay::SaveAs, SaveWay::Make}) {
        SCOPED_TRACE(static_cast<int>(way));
        restart();
        const std::string file = openHandWrittenAndChange();
        const auto save = [&] {
            switch (way) {
                case SaveWay::Save:
                    give(Command::Save, Way::Key);
                    break;
                case SaveWay::Prompt:
                    // Yes to saving the changes before New.
                    prompts.answers.push_front(Answer::Yes);
                    give(Command::New, Way::Key);
                    break;
                case SaveWay::SaveAs:
                    prompts.files = {PathText(file)};
                    give(Command::SaveAs, Way::Menu);
                    break;
                case SaveWay::Make:
                    prompts.files = {PathText(file)};
                    give(Command::Make, Way::Key);
                    break;
            }
            reactivate();
        };

        prompts.answers = {Answer::Compare, Answer::Cancel};
        inDialog([](QDialog& shown) {
            EXPECT_EQ(shown.findChild<QLabel*>("lblCount")->text(), "17 lines change");
            clickIn(shown, "cmdClose");
        });
        save();
        EXPECT_TRUE(dialogShown);
        // After the save-changes prompt's Yes; the question's buttons are the singular row's.
        const std::size_t first = way == SaveWay::Prompt ? 1 : 0;
        const auto asked = [&] {
            const std::vector<QString> texts = prompts.texts();
            return std::vector<QString>(texts.begin() + std::min(first, texts.size()), texts.end());
        };
        EXPECT_EQ(asked(), std::vector<QString>(2, question(file, 17)));
        EXPECT_EQ(readFile(file), kHandWritten);
        EXPECT_TRUE(window->document().modified);
        EXPECT_EQ(details().back(), "echo Bye");

        prompts.messages.clear();
        prompts.answers = {Answer::Save};
        save();
        EXPECT_EQ(asked(), std::vector<QString>{question(file, 17)});
        EXPECT_EQ(readFile(file), kWritten + "echo Bye\r\n\r\n");
        if (way == SaveWay::Prompt) {
            EXPECT_EQ(window->document().documentPath, "New Template");
            continue;
        }
        if (way != SaveWay::Make) {
            EXPECT_FALSE(window->document().modified);
        }
        addOther("cls");
        prompts.messages.clear();
        save();
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_TRUE(readFile(file).endsWith("cls\r\n\r\n"));
    }
}

// A template, even one written by hand, is saved without the question (a script the program
// wrote is the document commands' test); the question counts one line in the singular.
TEST_F(CompareTest, FilesTheProgramWroteAreSavedUnasked) {
    start();
    const std::string lst = writeFile("hand.lst", "// Logon Script Template File\n\n");
    openFile(lst);
    addOther("pause");
    give(Command::Save, Way::Key);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(readFile(lst), kTemplateHeader + "[other]\r\ncommand=pause\r\n\r\n");

    // The banner missing from a file otherwise as the program writes it: one line.
    const std::string one = writeFile("one.bat", "@echo off\r\n\r\n\r\ncls\r\n\r\n");
    openFile(one);
    prompts.answers = {Answer::Cancel};
    give(Command::Save, Way::Key);
    prompts.expectOnly(
        PathText(one) + " was not written by Kestrune.\rSaving it will change 1 line.",
        MessageButtons::SaveCompareCancel, MessageIcon::Question);
}

// Changed by another program as well: that question comes first, then this one, about the
// file as the other program left it; each once.
TEST_F(CompareTest, AnotherProgramsChangeIsAskedAboutFirst) {
    start();
    const std::string file = openHandWrittenAndChange();
    writeFile("hand.bat", kHandWritten + "\npause\n");
    prompts.answers = {Answer::Yes, Answer::Save};
    give(Command::Save, Way::Key);
    ASSERT_EQ(prompts.texts(),
              (std::vector<QString>{"The file " + PathText(file) +
                                        " has been changed by another program since it was "
                                        "opened.\rDo you want to overwrite it?",
                                    question(file, 18)}));
    EXPECT_TRUE(readFile(file).startsWith(kScriptHeader));
}

// A large file is read and compared on a worker while a progress window with Cancel shows:
// Cancel shows nothing and saves nothing, and the worker ends on its own.
TEST_F(CompareTest, ALargeFileIsComparedOnAWorkerThatCancelStops) {
    start();
    const std::string file = openHandWrittenAndChange();
    diskComparisonSeams().workerFrom = 0;
    for (const Command command : {Command::Compare, Command::Save}) {
        auto release = std::make_shared<std::promise<void>>();
        auto started = std::make_shared<std::promise<QThread*>>();
        std::shared_future<void> go = release->get_future().share();
        diskComparisonSeams().onWorker = [started, go] {
            started->set_value(QThread::currentThread());
            go.wait();
        };
        auto workerStarted = started->get_future();
        QPointer<QThread> worker;
        inDialog([&](QDialog& shown) {
            auto& progress = dynamic_cast<QProgressDialog&>(shown);
            worker = workerStarted.get();
            EXPECT_EQ(progress.labelText(), "Comparing with the file on disk...");
            QTest::mouseClick(progress.findChild<QPushButton*>(), Qt::LeftButton);
        });
        if (command == Command::Compare) {
            chooseIn(MenuId::File, compareItem());
        } else {
            give(Command::Save, Way::Key);
        }
        EXPECT_TRUE(dialogShown);
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_EQ(readFile(file), kHandWritten);
        EXPECT_TRUE(window->document().modified);
        release->set_value();
        EXPECT_TRUE(QTest::qWaitFor([&worker] { return worker.isNull(); }, 30000));
        reactivate();
    }

    // Let run, the worker gives the same comparison as one made at once.
    diskComparisonSeams().onWorker = {};
    const DiskComparison compared = compareWithDisk(
        {file, kScriptHeader.toStdString(), DocumentFormat::Script, false}, nullptr);
    ASSERT_TRUE(compared.comparison.has_value());
    EXPECT_EQ(UnifiedDiff(*compared.comparison, "a", "b"),
              UnifiedDiff(*CompareLines(kHandWritten.toStdString(), kScriptHeader.toStdString()),
                          "a", "b"));
}

}  // namespace
}  // namespace kestrune::test
