// The editor in Adding mode: its pages, their checks in order, and the fields each page
// hands on to the entry it returns. The Details forms themselves are the core's tables.

#include "editor_fixture.h"
#include "ui/editor/editor_texts.h"

namespace kestrune::testing {
namespace {

namespace texts = editor_texts;

using NavigationTest = EditorTest;

TEST_F(NavigationTest, OpensFreshOnTheTypePageAndCancelChangesNothing) {
    list.append("k", kind::kOther, icon::kOther, "pause");
    const auto result = add([](ActionEditor& e) {
        EXPECT_EQ(e.windowTitle(), q(texts::kCaption));
        EXPECT_EQ(currentPageName(e), "fraAction");
        auto* drive = find<QComboBox>(e, "cboDrive");
        EXPECT_EQ(drive->currentText(), q(texts::kNextAvailable));
        EXPECT_EQ(drive->count(), 24);
        EXPECT_EQ(drive->itemText(1), "D:\\");
        EXPECT_EQ(drive->itemText(23), "Z:\\");
        EXPECT_FALSE(find<QCheckBox>(e, "chkHome")->isChecked());
        EXPECT_TRUE(find<QRadioButton>(e, "optClient")->isChecked());
        for (const char* field : {"txtShare", "txtLocalApp", "txtRemoteMotd", "txtReg", "txtOther",
                                  "txtPrint", "txtPort"}) {
            EXPECT_EQ(text(e, field), "") << field;
        }
        click(e, "cmdCancel");
    });
    EXPECT_TRUE(ran);
    EXPECT_FALSE(result);
    EXPECT_EQ(list.size(), 1u);
}

TEST_F(NavigationTest, EachTypeButtonOpensItsPageAndBackReturns) {
    struct Row {
        const char* button;
        const char* page;
        std::string_view caption;
        std::string_view explanation;
        const char* ok;
    };
    const Row rows[] = {
        {"cmdMap", "fraMap", texts::kMapFrame, texts::kMapExplanation, "cmdNextMap"},
        {"cmdApp", "fraRun", texts::kRunFrame, texts::kRunExplanation, "cmdNextApp"},
        {"cmdReg", "fraReg", texts::kRegFrame, texts::kRegExplanation, "cmdNextReg"},
        {"cmdMotd", "fraMessage", texts::kMessageFrame, texts::kMessageExplanation, "cmdNextMotd"},
        {"cmdOther", "fraOther", texts::kOtherFrame, texts::kOtherExplanation, "cmdOkOther"},
        {"cmdMapPrint", "fraPrint", texts::kPrintFrame, texts::kPrintExplanation, "cmdOkPrint"},
    };
    add([&rows](ActionEditor& e) {
        for (const Row& row : rows) {
            click(e, row.button);
            ASSERT_EQ(currentPageName(e), row.page);
            auto* page = qobject_cast<QGroupBox*>(currentPage(e));
            EXPECT_EQ(page->title(), q(row.caption));
            EXPECT_EQ(findOn<QLabel>(page, "lblExplanation")->text(), q(row.explanation));
            EXPECT_TRUE(findOn<QPushButton>(page, row.ok)->isDefault()) << row.ok;
            EXPECT_EQ(findOn<QPushButton>(page, row.ok)->text(), q(texts::kOk));
            clickOnPage(e, "cmdBack");
            EXPECT_EQ(currentPageName(e), "fraAction");
        }
        click(e, "cmdCancel");
    });
}

TEST_F(NavigationTest, BackAndReturnKeepsWhatWasTyped) {
    add([](ActionEditor& e) {
        click(e, "cmdMap");
        type(e, "txtShare", "\\\\srv\\apps");
        clickOnPage(e, "cmdBack");
        click(e, "cmdOther");
        type(e, "txtOther", "pause");
        clickOnPage(e, "cmdBack");
        click(e, "cmdMap");
        EXPECT_EQ(text(e, "txtShare"), "\\\\srv\\apps");
        clickOnPage(e, "cmdBack");
        click(e, "cmdOther");
        EXPECT_EQ(text(e, "txtOther"), "pause");
        clickOnPage(e, "cmdCancel");
    });
    EXPECT_TRUE(list.empty());
}

TEST_F(NavigationTest, EnterInTheShareFieldPressesOkAndEscapeCancels) {
    add([](ActionEditor& e) {
        click(e, "cmdMap");
        EXPECT_TRUE(find<QComboBox>(e, "txtShare")->hasFocus());
        type(e, "txtShare", "\\\\srv\\apps");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.at(0).details, "Map \\\\SRV\\APPS as next available drive ");

    add([](ActionEditor& e) {
        click(e, "cmdOther");
        type(e, "txtOther", "pause");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(list.size(), 1u);
}

TEST_F(NavigationTest, FocusMakesThePagesOkTheDefaultButton) {
    add([](ActionEditor& e) {
        click(e, "cmdMapPrint");
        auto* ok = find<QPushButton>(e, "cmdOkPrint");
        auto* back = findOn<QPushButton>(currentPage(e), "cmdBack");
        back->setFocus();
        EXPECT_FALSE(ok->isDefault());
        find<QLineEdit>(e, "txtPort")->setFocus();
        EXPECT_TRUE(ok->isDefault());
        clickOnPage(e, "cmdBack");
        click(e, "cmdOther");
        auto* other = find<QLineEdit>(e, "txtOther");
        QTest::keyClicks(other, "echo hi");
        clickOnPage(e, "cmdBack");
        click(e, "cmdOther");
        EXPECT_EQ(other->selectedText(), "echo hi");
        clickOnPage(e, "cmdCancel");
    });
}

using MapDriveTest = EditorTest;

TEST_F(MapDriveTest, ChecksInOrderEmptyThenDoubtful) {
    prompts.answers = {Answer::Ok, Answer::No, Answer::Yes};
    add([this](ActionEditor& e) {
        click(e, "cmdMap");
        type(e, "txtShare", "   ");
        click(e, "cmdNextMap");
        EXPECT_EQ(prompts.messages.back().request.text, q(texts::kEmptyShare));
        EXPECT_EQ(prompts.messages.back().request.icon, MessageIcon::Exclamation);
        EXPECT_EQ(text(e, "txtShare"), "");

        type(e, "txtShare", "apps");
        find<QComboBox>(e, "cboDrive")->setFocus();
        click(e, "cmdNextMap");
        const MessageRequest& asked = prompts.messages.back().request;
        EXPECT_EQ(asked.text, q(texts::kDoubtfulShare));
        EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
        EXPECT_EQ(asked.icon, MessageIcon::None);
        EXPECT_EQ(asked.title, "Kestrune");
        auto* share = find<QComboBox>(e, "txtShare");
        EXPECT_TRUE(share->hasFocus());
        EXPECT_EQ(share->lineEdit()->selectedText(), "apps");
        EXPECT_TRUE(list.empty());

        click(e, "cmdNextMap");
    });
    EXPECT_EQ(prompts.messages.size(), 3u);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.at(0).details, "Map APPS as next available drive ");
}

TEST_F(MapDriveTest, HomeTakesOverTheShareFieldAndGivesItBack) {
    add([this](ActionEditor& e) {
        click(e, "cmdMap");
        type(e, "txtShare", "x\\\\y");
        auto* share = find<QComboBox>(e, "txtShare");
        click(e, "chkHome");
        EXPECT_EQ(share->currentText(), q(texts::kHomeShare));
        EXPECT_FALSE(share->isEnabled());
        click(e, "chkHome");
        EXPECT_EQ(share->currentText(), "");
        EXPECT_TRUE(share->isEnabled());
        EXPECT_TRUE(share->hasFocus());
        type(e, "txtShare", "x\\\\y");  // "\\" anywhere will do
        click(e, "cmdNextMap");
        EXPECT_TRUE(prompts.messages.empty());
    });
    EXPECT_EQ(list.at(0).details, "Map X\\\\Y as next available drive ");
}

using RunApplicationTest = EditorTest;

TEST_F(RunApplicationTest, EmptyPathThenDoubtfulServerAnsweredNo) {
    prompts.answers = {Answer::Ok, Answer::No};
    add([this](ActionEditor& e) {
        click(e, "cmdApp");
        type(e, "txtLocalApp", "  ");
        click(e, "cmdNextApp");
        EXPECT_EQ(prompts.messages.back().request.text, q(texts::kEmptyApp));
        EXPECT_EQ(prompts.messages.back().request.icon, MessageIcon::Critical);
        EXPECT_EQ(text(e, "txtLocalApp"), "");
        click(e, "optServer");
        type(e, "txtLocalApp", "setup.exe");
        click(e, "cmdNextApp");
        EXPECT_EQ(prompts.messages.back().request.text, q(texts::kDoubtfulShare));
        EXPECT_EQ(find<QComboBox>(e, "txtLocalApp")->lineEdit()->selectedText(), "setup.exe");
        clickOnPage(e, "cmdCancel");
    });
    EXPECT_TRUE(list.empty());
}

TEST_F(RunApplicationTest, ClientAndServerSwitchLabelsBrowseAndTheList) {
    shares.RememberShare("\\\\SRV\\B");
    shares.RememberShare("\\\\SRV\\A");
    add([](ActionEditor& e) {
        click(e, "cmdApp");
        auto* local = find<QLabel>(e, "lblLocalApp");
        auto* remote = find<QLabel>(e, "lblRemoteApp");
        EXPECT_TRUE(local->isVisible());
        EXPECT_FALSE(remote->isVisible());
        EXPECT_TRUE(items(e, "txtLocalApp").isEmpty());
        type(e, "txtLocalApp", "abc");
        click(e, "optServer");
        EXPECT_FALSE(local->isVisible());
        EXPECT_TRUE(remote->isVisible());
        EXPECT_FALSE(find<QPushButton>(e, "cmdBrowse")->isVisible());
        EXPECT_EQ(items(e, "txtLocalApp"), QStringList({"\\\\SRV\\A", "\\\\SRV\\B"}));
        EXPECT_EQ(text(e, "txtLocalApp"), "abc");
        click(e, "optClient");
        EXPECT_TRUE(find<QPushButton>(e, "cmdBrowse")->isVisible());
        EXPECT_TRUE(items(e, "txtLocalApp").isEmpty());
        EXPECT_EQ(text(e, "txtLocalApp"), "");
        click(e, "optServer");
        EXPECT_EQ(items(e, "txtLocalApp").size(), 2);
        clickOnPage(e, "cmdCancel");
    });
}

TEST_F(RunApplicationTest, BrowseFillsThePathOnlyWhenAFileIsChosen) {
    prompts.files = {"", "/opt/tools/run.exe"};
    add([this](ActionEditor& e) {
        click(e, "cmdApp");
        type(e, "txtLocalApp", "keep");
        click(e, "cmdBrowse");
        EXPECT_EQ(text(e, "txtLocalApp"), "keep");
        click(e, "cmdBrowse");
        EXPECT_EQ(text(e, "txtLocalApp"), "/opt/tools/run.exe");
        clickOnPage(e, "cmdCancel");
    });
    ASSERT_EQ(prompts.dialogs.size(), 2u);
    EXPECT_EQ(prompts.dialogs[0].kind, FileDialogKind::Open);
    EXPECT_EQ(prompts.dialogs[0].title, q(texts::kBrowseTitle));
    EXPECT_EQ(prompts.dialogs[0].filter, "Programs (*.exe)|*.exe|All Files (*.*)|*.*");
    EXPECT_EQ(prompts.dialogs[0].fileName, "");
}

using FilePagesTest = EditorTest;

// The registry and message pages' checks, the quote check of every page, and what each
// page's controls hand on: (button, field, OK, typed text, other controls) -> messages and
// Details.
TEST_F(FilePagesTest, ChecksInOrderAndTheFieldsHandedOn) {
    struct Page {
        const char* button;
        const char* field;
        const char* ok;
    };
    const Page reg{"cmdReg", "txtReg", "cmdNextReg"};
    const Page motd{"cmdMotd", "txtRemoteMotd", "cmdNextMotd"};
    // A double quote is refused outright on every page that takes a share or a path.
    const Page map{"cmdMap", "txtShare", "cmdNextMap"};
    const Page app{"cmdApp", "txtLocalApp", "cmdNextApp"};
    const Page print{"cmdMapPrint", "txtPrint", "cmdOkPrint"};
    const Page other{"cmdOther", "txtOther", "cmdOkOther"};
    struct Row {
        Page page;
        QString typed;
        std::vector<Answer> answers;
        std::vector<std::string_view> messages;
        std::string details;  // empty: nothing added
        Script also = {};     // after typing, before OK
    };
    const Script home = [](ActionEditor& e) { click(e, "chkHome"); };
    const Script server = [](ActionEditor& e) { click(e, "optServer"); };
    const auto no = std::vector<Answer>{Answer::No};
    const auto yes = std::vector<Answer>{Answer::Yes};
    // clang-format off
    const Row rows[] = {
        {reg, "\\\\srv\\netlogon\\policy.reg", {}, {}, "Remote: \\\\SRV\\NETLOGON\\POLICY.REG"},
        {reg, "\\\\srv\\netlogon\\policy.REG", {}, {}, "Remote: \\\\SRV\\NETLOGON\\POLICY.REG"},
        {reg, " ", {}, {texts::kEmptyReg}, ""},
        {reg, "policy.txt", {}, {texts::kNotReg}, ""},
        {reg, "\\\\srv\\share\\policy.reg ", {}, {texts::kNotReg}, ""},
        {reg, "policy.reg", no, {texts::kDoubtfulServer}, ""},
        {reg, "policy.reg", yes, {texts::kDoubtfulServer}, "Remote: POLICY.REG"},
        {motd, " \\\\srv\\netlogon\\motd.txt", {}, {}, "Display message from \\\\SRV\\NETLOGON\\MOTD.TXT"},
        {motd, "  ", {}, {texts::kEmptyMotd}, ""},
        {motd, "motd", no, {texts::kDoubtfulServer}, ""},
        {motd, "\\\\srv\\a\"b.txt", {}, {texts::kQuoteInPath}, ""},
        {reg, "\\\\srv\\\" & x.reg", {}, {texts::kQuoteInPath}, ""},
        {map, "\\\\srv\\r&d\"", {}, {texts::kQuoteInPath}, ""},
        {map, "apps\"", {}, {texts::kQuoteInPath}, ""},
        {app, "c:\\a\" b.exe", {}, {texts::kQuoteInPath}, ""},
        {print, "\\\\srv\\\"laser", {}, {texts::kQuoteInPath}, ""},
        {map, " \\\\srv\\apps ", {}, {}, "Map \\\\SRV\\APPS as G:\\",
         [](ActionEditor& e) { chooseDrive(e, "G:\\"); }},
        {map, "", {}, {}, "Map home directory on the logon server as next available drive ", home},
        {app, "setup.exe", yes, {texts::kDoubtfulShare}, "Remote: SETUP.EXE", server},
        {app, "notepad.exe", {}, {}, "Local: NOTEPAD.EXE"},
        {print, "\\\\srv\\laser", {}, {}, "Map printer \\\\SRV\\LASER on LPT1",
         [](ActionEditor& e) { type(e, "txtPort", "1"); }},
        {other, "  echo Welcome  ", {}, {}, "echo Welcome"},
        {other, "pause", {}, {}, "pause"},
    };
    // clang-format on
    for (const Row& row : rows) {
        list.clear();
        prompts.messages.clear();
        prompts.answers.assign(row.answers.begin(), row.answers.end());
        add([&row](ActionEditor& e) {
            click(e, row.page.button);
            type(e, row.page.field, row.typed);
            if (row.also) {
                row.also(e);
            }
            click(e, row.page.ok);
            if (e.isVisible()) {
                clickOnPage(e, "cmdCancel");
            }
        });
        std::vector<QString> expected;
        for (auto m : row.messages) {
            expected.push_back(q(m));
        }
        EXPECT_EQ(messageTexts(), expected) << row.typed.toStdString();
        EXPECT_EQ(list.empty() ? std::string() : list.at(0).details, row.details);
        for (const auto& shown : prompts.messages) {
            if (shown.request.text == q(texts::kQuoteInPath)) {
                EXPECT_EQ(shown.request.icon, MessageIcon::Exclamation);
            }
        }
    }
}

TEST_F(FilePagesTest, FailedChecksTreatTheFieldAsTheyShould) {
    prompts.answers = {Answer::Ok, Answer::Ok, Answer::No};
    add([this](ActionEditor& e) {
        click(e, "cmdReg");
        type(e, "txtReg", "  ");
        click(e, "cmdNextReg");
        EXPECT_EQ(prompts.messages.back().request.icon, MessageIcon::Exclamation);
        EXPECT_EQ(text(e, "txtReg"), "");  // emptied
        type(e, "txtReg", "policy.txt");
        click(e, "cmdNextReg");
        EXPECT_EQ(prompts.messages.back().request.icon, MessageIcon::Critical);
        EXPECT_EQ(text(e, "txtReg"), "policy.txt");  // kept, not selected
        EXPECT_FALSE(find<QComboBox>(e, "txtReg")->lineEdit()->hasSelectedText());
        clickOnPage(e, "cmdBack");
        click(e, "cmdMotd");
        type(e, "txtRemoteMotd", "motd.txt");
        click(e, "cmdNextMotd");
        EXPECT_EQ(prompts.messages.back().request.icon, MessageIcon::None);
        EXPECT_EQ(find<QComboBox>(e, "txtRemoteMotd")->lineEdit()->selectedText(), "motd.txt");
        clickOnPage(e, "cmdCancel");
    });
}

using PrinterAndOtherTest = EditorTest;

TEST_F(PrinterAndOtherTest, FailedChecks) {
    prompts.answers = {Answer::Ok, Answer::No, Answer::Ok};
    add([this](ActionEditor& e) {
        click(e, "cmdMapPrint");
        type(e, "txtPrint", "  ");
        click(e, "cmdOkPrint");
        EXPECT_EQ(prompts.messages.back().request.text, q(texts::kEmptyPrinter));
        EXPECT_EQ(prompts.messages.back().request.icon, MessageIcon::Critical);
        EXPECT_EQ(text(e, "txtPrint"), "  ");  // the field is left as it was
        find<QComboBox>(e, "txtPrint")->setEditText("laser");
        click(e, "cmdOkPrint");
        EXPECT_EQ(prompts.messages.back().request.text, q(texts::kDoubtfulServer));
        EXPECT_EQ(prompts.messages.back().request.icon, MessageIcon::Question);
        EXPECT_EQ(currentPageName(e), "fraPrint");
        clickOnPage(e, "cmdBack");
        click(e, "cmdOther");
        type(e, "txtOther", "   ");
        click(e, "cmdOkOther");
        EXPECT_EQ(prompts.messages.back().request.text, q(texts::kEmptyOther));
        EXPECT_EQ(prompts.messages.back().request.icon, MessageIcon::Exclamation);
        EXPECT_EQ(text(e, "txtOther"), "");
        clickOnPage(e, "cmdCancel");
    });
    EXPECT_TRUE(list.empty());
}

TEST_F(PrinterAndOtherTest, PortTakesOneDigitOnly) {
    add([](ActionEditor& e) {
        click(e, "cmdMapPrint");
        auto* port = find<QLineEdit>(e, "txtPort");
        type(e, "txtPort", "a -.x");
        EXPECT_EQ(port->text(), "");
        type(e, "txtPort", "37");
        EXPECT_EQ(port->text(), "3");
        QTest::keyClick(port, Qt::Key_Backspace);
        EXPECT_EQ(port->text(), "");
        type(e, "txtPort", "b5");
        EXPECT_EQ(port->text(), "5");
        clickOnPage(e, "cmdCancel");
    });
}

using CommitActionTest = EditorTest;

TEST_F(CommitActionTest, TheNewEntrysKeyIsItsParameterKeptUnique) {
    list.append("\\\\SRV\\APPS", kind::kOther, icon::kOther, "pause");
    const auto added = add([](ActionEditor& e) {
        click(e, "cmdMap");
        type(e, "txtShare", "\\\\srv\\apps");
        click(e, "cmdNextMap");
    });
    ASSERT_TRUE(added);
    EXPECT_EQ(added->itemKey, "\\\\SRV\\APPS#2");
    EXPECT_EQ(added->iconKey, icon::kDrive);
    // Adding remembers nothing by itself: the window does that with the entry.
    EXPECT_TRUE(shares.shares()[0].empty());
}

TEST_F(CommitActionTest, RememberedSharesFillTheDropDowns) {
    settings.values[{"Recent", "Share1"}] = "\\\\srv\\one ";
    settings.values[{"Recent", "Share2"}] = "\\\\SRV\\TWO";
    add([](ActionEditor& e) {
        for (const char* field : {"txtShare", "txtRemoteMotd", "txtPrint", "txtReg"}) {
            EXPECT_EQ(items(e, field), QStringList({"\\\\SRV\\ONE", "\\\\SRV\\TWO"})) << field;
            EXPECT_EQ(text(e, field), "") << field;
        }
        EXPECT_TRUE(items(e, "txtLocalApp").isEmpty());
        click(e, "cmdCancel");
    });
}

}  // namespace
}  // namespace kestrune::testing
