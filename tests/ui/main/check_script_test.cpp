// Check Script beside the window (and the status help over the toolbar before it): the list
// stays usable while a server says nothing, a second Check Script and New stop the check,
// and a report's row selects its action wherever it has gone, or says it has gone.

#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <mutex>

#include "check/silent_server.h"
#include "window_fixture.h"

namespace kestrune::test {

class CheckScriptTest : public WindowTest {
  protected:
    template <class T>
    T* inDialog(const char* name) const {
        return window->findChild<CheckDialog*>()->findChild<T*>(QString::fromLatin1(name));
    }
    QTreeWidget* report() const { return inDialog<QTreeWidget>("lstReport"); }
    QString status() const { return inDialog<QLabel>("lblStatus")->text(); }
    bool waitForRows(int rows) const {
        return QTest::qWaitFor([this, rows] { return report()->topLevelItemCount() >= rows; },
                               60000);
    }
    void doubleClickReport(int row) const {
        const QPoint at = report()->visualItemRect(report()->topLevelItem(row)).center();
        QTest::mouseClick(report()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(report()->viewport(), Qt::LeftButton, {}, at);
    }
    // The window the user clicks in becomes the active one, its keys its own again; the
    // progress beside it shares its activation, so the fixture's wait would not wait.
    void activateMain() {
        window->activateWindow();
        EXPECT_TRUE(
            QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }));
    }
};

namespace {

const char kCancelled[] = "Cancelled: the actions after these were not checked.";
const std::string kOffice = KESTRUNE_EXAMPLES_DIR "/office.lst";

// The status bar names the button under the mouse, and the document over the list.
TEST_F(CheckScriptTest, TheStatusBarNamesTheButtonUnderTheMouse) {
    start();
    QTest::mouseMove(button(Command::Remove));  // disabled
    EXPECT_EQ(window->statusText(), "Blank Template");
    window->openDocument(kOffice);
    const std::pair<Command, QString> rows[] = {
        {Command::Save, "Save changes to office.lst"},
        {Command::Make, "Make office.lst into a logon script"},
        {Command::Remove, "Remove <Map \\\\FILES\\APPS as G:\\ >"},
        {Command::Up, QString::fromStdString(kOffice)},  // disabled at the first action
        {Command::Add, "Add a new action to the list"},
    };
    for (const auto& [command, text] : rows) {
        QTest::mouseMove(button(command));
        EXPECT_EQ(window->statusText(), text);
    }
    QTest::mouseMove(window->lstAction()->viewport(), rowCenter(1));
    EXPECT_EQ(window->statusText(), QString::fromStdString(kOffice));
}

TEST_F(CheckScriptTest, TheListStaysUsableWhileAServerSaysNothing) {
    SilentServer silent;
    ASSERT_NE(silent.port(), 0);
    std::mutex made;
    std::vector<QPointer<QThread>> workers;  // each check's, made there
    start();
    window->setCheckBackends([&](const check::Connection& connection) {
        const std::lock_guard lock(made);
        workers.emplace_back(QThread::currentThread());
        return check::makeSystemBackend(connection);
    });
    // Two actions that need no server, then one on the silent server.
    window->openDocument(writeFile(
        "check.lst", kTemplateHeader + "[home]\r\nlocal=H\r\n\r\n[other]\r\ncommand=echo Hi\r\n\r\n"
                                       "[map]\r\nremote=\\\\SILENT\\APPS\r\nlocal=G\r\n\r\n"
                                       "[other]\r\ncommand=cls\r\n"));
    give(Command::CheckScript, Way::Menu);
    inDialog<QLineEdit>("txtServers")->setText(QString::fromStdString(silent.mapping("SILENT")));
    QTest::mouseClick(inDialog<QPushButton>("cmdCheck"), Qt::LeftButton);
    ASSERT_TRUE(waitForRows(2));  // the worker now waits on the server

    // Nothing holds the window: clicks and keys in the list work, and edit it.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(inDialog<QProgressDialog>("progress")->isVisible());
    clickRow(3);
    EXPECT_EQ(window->selectedRow(), 3);
    activateMain();  // as a click in it does, with a window manager
    clickRow(0);
    QTest::keyClick(window->lstAction(), Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(details(), (std::vector<std::string>{
                             "echo Hi", "Map home directory on the logon server as H:\\ ",
                             "Map \\\\SILENT\\APPS as G:\\ ", "cls"}));
    // The report's first row is the home mapping, now second in the list.
    clickRow(3);
    doubleClickReport(0);
    EXPECT_EQ(window->selectedRow(), 1);

    // A second Check Script stops the running one, the report keeping what was checked, and
    // brings the one dialog forward. (Cancel's own is the dialog's test.)
    give(Command::CheckScript, Way::Menu);
    EXPECT_EQ(window->findChildren<CheckDialog*>().size(), 1);
    EXPECT_TRUE(window->findChild<CheckDialog*>()->isVisible());
    EXPECT_EQ(status(), kCancelled);
    EXPECT_GE(report()->topLevelItemCount(), 2);

    // Checked again, the check takes the list as it is now; New stops it.
    QTest::mouseClick(inDialog<QPushButton>("cmdCheck"), Qt::LeftButton);
    ASSERT_TRUE(waitForRows(2));
    EXPECT_EQ(report()->topLevelItem(0)->text(1), "Other");
    prompts.answers = {Answer::No};
    activateMain();
    give(Command::New, Way::Key);
    EXPECT_EQ(status(), kCancelled);
    EXPECT_TRUE(window->actions().empty());
    const int reportedAgain = report()->topLevelItemCount();
    // Its actions have gone with the list they were in.
    doubleClickReport(1);
    EXPECT_EQ(window->statusText(), "Action 2 of the report is no longer in the list.");

    // Once the server goes, the workers end, and nothing they find reaches the report.
    silent.close();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const std::lock_guard lock(made);
            return std::all_of(workers.begin(), workers.end(),
                               [](const QPointer<QThread>& worker) { return worker.isNull(); });
        },
        60000));
    QCoreApplication::processEvents();
    EXPECT_EQ(report()->topLevelItemCount(), reportedAgain);
    EXPECT_EQ(workers.size(), 2u);
}

}  // namespace
}  // namespace kestrune::test
