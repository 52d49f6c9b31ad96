// The editor in Adding mode: its pages, their checks in order, the Details they build, and
// what CommitAction does to the list, the document state and the remembered shares.

#include <map>

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
    EXPECT_EQ(result.outcome, EditorOutcome::Unchanged);
    EXPECT_EQ(list.size(), 1u);
    EXPECT_FALSE(document.modified);
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

TEST_F(MapDriveTest, BuildsTheDetailsOfEachInput) {
    struct Row {
        QString share;
        QString drive;
        bool home;
        std::string details;
        std::string_view icon;
        std::string key;
    };
    const Row rows[] = {
        {"\\\\srv\\apps", "G:\\", false, "Map \\\\SRV\\APPS as G:\\", icon::kDrive,
         "\\\\SRV\\APPS"},
        {"  \\\\srv\\apps ", "Next Available", false, "Map \\\\SRV\\APPS as next available drive ",
         icon::kDrive, "\\\\SRV\\APPS#2"},
        {"", "H:\\", true, "Map home directory on the logon server as H:\\", icon::kHome,
         "the logon server"},
        {"apps", "G:\\", false, "Map APPS as G:\\", icon::kDrive, "APPS"},
    };
    for (const Row& row : rows) {
        add([&row](ActionEditor& e) {
            click(e, "cmdMap");
            type(e, "txtShare", row.share);
            chooseDrive(e, row.drive);
            if (row.home) {
                click(e, "chkHome");
            }
            click(e, "cmdNextMap");
        });
        const Action& added = list.at(list.size() - 1);
        EXPECT_EQ(added.details, row.details);
        EXPECT_EQ(added.kind, kind::kMapDrive);
        EXPECT_EQ(added.iconKey, row.icon);
        EXPECT_EQ(added.itemKey, row.key);
    }
    // Only the share without "\\" asked, and Yes (the double's first button) kept it.
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].request.text, q(texts::kDoubtfulShare));
    EXPECT_EQ(prompts.messages[0].request.buttons, MessageButtons::YesNo);
    EXPECT_EQ(prompts.messages[0].request.icon, MessageIcon::None);
    EXPECT_EQ(prompts.messages[0].request.title, "Kestrune");
}

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
        EXPECT_EQ(prompts.messages.back().request.text, q(texts::kDoubtfulShare));
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

TEST_F(RunApplicationTest, BuildsTheDetailsOfEachInput) {
    struct Row {
        bool server;
        QString path;
        std::string details;
        std::size_t questions;
    };
    const Row rows[] = {
        {false, "c:\\windows\\notepad.exe", "Local: C:\\WINDOWS\\NOTEPAD.EXE", 0},
        {true, " \\\\srv\\apps\\setup.exe ", "Remote: \\\\SRV\\APPS\\SETUP.EXE", 0},
        {true, "setup.exe", "Remote: SETUP.EXE", 1},
        {false, "notepad.exe", "Local: NOTEPAD.EXE", 0},
    };
    for (const Row& row : rows) {
        prompts.messages.clear();
        add([&row](ActionEditor& e) {
            click(e, "cmdApp");
            if (row.server) {
                click(e, "optServer");
            }
            type(e, "txtLocalApp", row.path);
            click(e, "cmdNextApp");
        });
        EXPECT_EQ(list.at(list.size() - 1).details, row.details);
        EXPECT_EQ(list.at(list.size() - 1).iconKey, icon::kApp);
        EXPECT_EQ(prompts.messages.size(), row.questions) << row.details;
    }
}

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

// The registry and message pages, and the quote check of every page: (button, field, OK,
// typed text) -> messages and Details.
TEST_F(FilePagesTest, ChecksInOrderAndTheDetailsBuilt) {
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
    struct Row {
        Page page;
        QString typed;
        std::vector<Answer> answers;
        std::vector<std::string_view> messages;
        std::string details;  // empty: nothing added
    };
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
    };
    // clang-format on
    for (const Row& row : rows) {
        list.clear();
        prompts.messages.clear();
        prompts.answers.assign(row.answers.begin(), row.answers.end());
        add([&row](ActionEditor& e) {
            click(e, row.page.button);
            type(e, row.page.field, row.typed);
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

TEST_F(PrinterAndOtherTest, BuildsTheDetailsOfEachInput) {
    struct Row {
        const char* button;
        QString typed;
        QString port;
        std::string details;
        std::string_view icon;
    };
    const Row rows[] = {
        {"cmdMapPrint", "\\\\srv\\laser", "1", "Map printer \\\\SRV\\LASER on LPT1", icon::kPrint},
        {"cmdMapPrint", "\\\\srv\\laser", "", "Map printer \\\\SRV\\LASER", icon::kPrint},
        {"cmdMapPrint", "\\\\srv\\laser", "0", "Map printer \\\\SRV\\LASER", icon::kPrint},
        {"cmdMapPrint", "  \\\\srv\\laser", "", "Map printer   \\\\SRV\\LASER", icon::kPrint},
        {"cmdOther", "  echo Welcome  ", "", "echo Welcome", icon::kOther},
        {"cmdOther", "pause", "", "pause", icon::kOther},
    };
    for (const Row& row : rows) {
        add([&row](ActionEditor& e) {
            click(e, row.button);
            if (currentPageName(e) == "fraPrint") {
                type(e, "txtPrint", row.typed);
                type(e, "txtPort", row.port);
                click(e, "cmdOkPrint");
            } else {
                type(e, "txtOther", row.typed);
                click(e, "cmdOkOther");
            }
        });
        EXPECT_EQ(list.at(list.size() - 1).details, row.details);
        EXPECT_EQ(list.at(list.size() - 1).iconKey, row.icon);
    }
    EXPECT_TRUE(prompts.messages.empty());
}

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

TEST_F(CommitActionTest, RemembersTheShareOfEachKind) {
    struct Row {
        const char* button;
        bool server;
        QString typed;
        QString remembered;  // empty: nothing
    };
    const Row rows[] = {
        {"cmdMap", false, "\\\\srv\\apps", "\\\\SRV\\APPS"},
        {"chkHome", false, "", ""},
        {"cmdApp", true, "\\\\srv\\apps\\setup.exe", "\\\\SRV\\APPS"},
        {"cmdApp", false, "c:\\windows\\notepad.exe", ""},
        {"cmdApp", false, "notepad.exe", ""},
        {"cmdReg", false, "\\\\srv\\netlogon\\policy.reg", "\\\\SRV\\NETLOGON"},
        {"cmdMotd", false, "\\\\srv\\netlogon\\motd.txt", "\\\\SRV\\NETLOGON"},
        {"cmdMapPrint", false, "\\\\srv\\laser", "\\\\SRV\\LASER"},
        {"cmdMap", false, "\\\\srv\\my data", "\\\\SRV\\MY"},
        {"cmdOther", false, "net use \\\\srv\\x", ""},
    };
    const std::map<std::string, std::pair<const char*, const char*>> pages = {
        {"cmdMap", {"txtShare", "cmdNextMap"}},      {"cmdApp", {"txtLocalApp", "cmdNextApp"}},
        {"cmdReg", {"txtReg", "cmdNextReg"}},        {"cmdMotd", {"txtRemoteMotd", "cmdNextMotd"}},
        {"cmdMapPrint", {"txtPrint", "cmdOkPrint"}}, {"cmdOther", {"txtOther", "cmdOkOther"}},
    };
    for (const Row& row : rows) {
        ShareSuggestions::Slots old = shares.shares();
        add([&](ActionEditor& e) {
            if (std::string(row.button) == "chkHome") {
                click(e, "cmdMap");
                click(e, "chkHome");
                click(e, "cmdNextMap");
                return;
            }
            const auto& [field, ok] = pages.at(row.button);
            click(e, row.button);
            if (row.server) {
                click(e, "optServer");
            }
            type(e, field, row.typed);
            if (std::string(row.button) == "cmdMapPrint") {
                type(e, "txtPort", "1");
            }
            click(e, ok);
        });
        if (row.remembered.isEmpty()) {
            EXPECT_EQ(shares.shares(), old) << row.typed.toStdString();
        } else {
            EXPECT_EQ(q(shares.shares()[0]), row.remembered) << row.typed.toStdString();
        }
    }
    EXPECT_EQ(list.size(), std::size(rows));
    // Remembered twice, kept once and where it was.
    EXPECT_EQ(settings.value("Recent", "Share1"), "\\\\SRV\\MY");
    EXPECT_EQ(settings.value("Recent", "Share2"), "\\\\SRV\\LASER");
    EXPECT_EQ(settings.value("Recent", "Share3"), "\\\\SRV\\NETLOGON");
    EXPECT_EQ(settings.value("Recent", "Share4"), "\\\\SRV\\APPS");
    EXPECT_FALSE(settings.has("Recent", "Share5"));
}

TEST_F(CommitActionTest, RememberedSharesFillTheDropDownsOfTheNextEditor) {
    settings.values[{"Recent", "Share1"}] = "\\\\srv\\one ";
    settings.values[{"Recent", "Share2"}] = "\\\\SRV\\TWO";
    add([](ActionEditor& e) {
        for (const char* field : {"txtShare", "txtRemoteMotd", "txtPrint", "txtReg"}) {
            EXPECT_EQ(items(e, field), QStringList({"\\\\SRV\\ONE", "\\\\SRV\\TWO"})) << field;
            EXPECT_EQ(text(e, field), "") << field;
        }
        EXPECT_TRUE(items(e, "txtLocalApp").isEmpty());
        click(e, "cmdMap");
        type(e, "txtShare", "\\\\srv\\three");
        click(e, "cmdNextMap");
    });
    add([](ActionEditor& e) {
        EXPECT_EQ(items(e, "txtShare"),
                  QStringList({"\\\\SRV\\THREE", "\\\\SRV\\ONE", "\\\\SRV\\TWO"}));
        click(e, "cmdCancel");
    });
}

}  // namespace
}  // namespace kestrune::testing
