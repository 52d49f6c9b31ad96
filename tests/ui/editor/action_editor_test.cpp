// The editor in Adding mode: its pages, each check's message in order, and what each page
// hands on. The Details forms themselves are the core's tables.

#include <QDir>
#include <QLabel>

#include "editor_fixture.h"
#include "ui/editor/editor_texts.h"

namespace kestrune::testing {
namespace {

namespace texts = editor_texts;

struct Page {
    const char* button;
    const char* name;
    const char* field;
    const char* ok;
};
const Page kMap{"cmdMap", "fraMap", "txtShare", "cmdNextMap"};
const Page kApp{"cmdApp", "fraRun", "txtLocalApp", "cmdNextApp"};
const Page kReg{"cmdReg", "fraReg", "txtReg", "cmdNextReg"};
const Page kMotd{"cmdMotd", "fraMessage", "txtRemoteMotd", "cmdNextMotd"};
const Page kOther{"cmdOther", "fraOther", "txtOther", "cmdOkOther"};
const Page kPrint{"cmdMapPrint", "fraPrint", "txtPrint", "cmdOkPrint"};

using AddingTest = EditorTest;

TEST_F(AddingTest, EachTypeButtonOpensItsPageAndBackKeepsWhatWasTyped) {
    const std::tuple<Page, std::string_view, std::string_view> rows[] = {
        {kMap, texts::kMapFrame, texts::kMapExplanation},
        {kApp, texts::kRunFrame, texts::kRunExplanation},
        {kReg, texts::kRegFrame, texts::kRegExplanation},
        {kMotd, texts::kMessageFrame, texts::kMessageExplanation},
        {kOther, texts::kOtherFrame, texts::kOtherExplanation},
        {kPrint, texts::kPrintFrame, texts::kPrintExplanation},
    };
    list.append("k", kind::kOther, icon::kOther, "pause");
    const auto result = add([&rows](ActionEditor& e) {
        EXPECT_EQ(e.windowTitle(), q(texts::kCaption));
        EXPECT_EQ(page(e)->objectName(), "fraAction");
        EXPECT_EQ(items(e, "cboDrive").size(), 24);
        EXPECT_EQ(items(e, "cboDrive").mid(0, 2), QStringList({"Next Available", "D:\\"}));
        EXPECT_EQ(items(e, "cboDrive").back(), "Z:\\");
        for (const auto& [p, caption, explanation] : rows) {
            click(e, p.button);
            ASSERT_EQ(page(e)->objectName(), p.name);
            EXPECT_EQ(page(e)->property("title").toString(), q(caption));
            EXPECT_EQ(page(e)->findChild<QLabel*>("lblExplanation")->text(), q(explanation));
            EXPECT_TRUE(find<QPushButton>(e, p.ok)->isDefault()) << p.ok;
            EXPECT_EQ(text(e, p.field), "") << p.field;
            type(e, p.field, p.field);
            click(e, "cmdBack");
            EXPECT_EQ(page(e)->objectName(), "fraAction");
            click(e, p.button);
            EXPECT_EQ(text(e, p.field), p.field);
            click(e, "cmdBack");
        }
        click(e, "cmdCancel");
    });
    EXPECT_TRUE(ran);
    EXPECT_FALSE(result);
    EXPECT_EQ(list.size(), 1u);
}

TEST_F(AddingTest, EnterPressesOkEscapeCancelsAndAFieldsFocusMakesOkTheDefault) {
    add([](ActionEditor& e) {
        click(e, "cmdMapPrint");
        page(e)->findChild<QPushButton*>("cmdBack")->setFocus();
        EXPECT_FALSE(find<QPushButton>(e, "cmdOkPrint")->isDefault());
        find(e, "txtPort")->setFocus();
        EXPECT_TRUE(find<QPushButton>(e, "cmdOkPrint")->isDefault());
        click(e, "cmdBack");
        click(e, "cmdOther");
        type(e, "txtOther", "echo hi");
        click(e, "cmdBack");
        click(e, "cmdOther");
        EXPECT_EQ(line(e, "txtOther")->selectedText(), "echo hi");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    EXPECT_TRUE(list.empty());
    add([](ActionEditor& e) {
        click(e, "cmdMap");
        EXPECT_TRUE(line(e, "txtShare")->hasFocus());
        type(e, "txtShare", "\\\\srv\\apps");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.at(0).details, "Map \\\\SRV\\APPS as next available drive ");
}

// Every check of every page with its message, and what the field shows after it; a double
// quote is refused outright in every share or path. Then what each page hands on.
TEST_F(AddingTest, EachCheckSaysItsMessageAndEachPageHandsOnItsFields) {
    struct Row {
        Page page;
        QString typed;
        std::vector<Answer> answers;  // given: a Yes/No question
        std::string_view message;     // empty: none
        MessageIcon icon;
        QString fieldAfter;        // the field after the check, selected and focused when asked
        std::string details = {};  // empty: nothing added
        Script also = {};          // after typing, before OK
    };
    using I = MessageIcon;
    const Script home = [](ActionEditor& e) { click(e, "chkHome"); };
    const Script server = [](ActionEditor& e) { click(e, "optServer"); };
    const auto no = std::vector<Answer>{Answer::No};
    const auto yes = std::vector<Answer>{Answer::Yes};
    const QString none;
    // clang-format off
    const Row rows[] = {
        {kMap, "   ", {}, texts::kEmptyShare, I::Exclamation, ""},
        {kMap, "apps", no, texts::kDoubtfulShare, I::None, "apps"},
        {kMap, "apps", yes, texts::kDoubtfulShare, I::None, none, "Map APPS as next available drive "},
        {kMap, "\\\\srv\\r&d\"", {}, texts::kQuoteInPath, I::Exclamation, "\\\\srv\\r&d\""},
        {kApp, "  ", {}, texts::kEmptyApp, I::Critical, ""},
        {kApp, "setup.exe", no, texts::kDoubtfulShare, I::None, "setup.exe", {}, server},
        {kApp, "setup.exe", yes, texts::kDoubtfulShare, I::None, none, "Remote: SETUP.EXE", server},
        {kApp, "c:\\a\" b.exe", {}, texts::kQuoteInPath, I::Exclamation, "c:\\a\" b.exe"},
        {kReg, " ", {}, texts::kEmptyReg, I::Exclamation, ""},
        {kReg, "policy.txt", {}, texts::kNotReg, I::Critical, none},
        {kReg, "\\\\srv\\share\\policy.reg ", {}, texts::kNotReg, I::Critical, none},
        {kReg, "policy.reg", no, texts::kDoubtfulServer, I::None, "policy.reg"},
        {kReg, "\\\\srv\\\" & x.reg", {}, texts::kQuoteInPath, I::Exclamation, "\\\\srv\\\" & x.reg"},
        {kMotd, "  ", {}, texts::kEmptyMotd, I::Exclamation, ""},
        {kMotd, "motd", no, texts::kDoubtfulServer, I::None, "motd"},
        {kMotd, "\\\\srv\\a\"b.txt", {}, texts::kQuoteInPath, I::Exclamation, "\\\\srv\\a\"b.txt"},
        {kPrint, "  ", {}, texts::kEmptyPrinter, I::Critical, none},
        {kPrint, "laser", no, texts::kDoubtfulServer, I::Question, none},
        {kPrint, "\\\\srv\\\"laser", {}, texts::kQuoteInPath, I::Exclamation, "\\\\srv\\\"laser"},
        {kOther, "   ", {}, texts::kEmptyOther, I::Exclamation, ""},
        // Accepted.
        {kMap, " \\\\srv\\apps ", {}, {}, I::None, none, "Map \\\\SRV\\APPS as G:\\",
         [](ActionEditor& e) { find<QComboBox>(e, "cboDrive")->setCurrentText("G:\\"); }},
        {kMap, "", {}, {}, I::None, none,
         "Map home directory on the logon server as next available drive ", home},
        {kApp, "notepad.exe", {}, {}, I::None, none, "Local: NOTEPAD.EXE"},
        {kReg, "\\\\srv\\netlogon\\policy.REG", {}, {}, I::None, none, "Remote: \\\\SRV\\NETLOGON\\POLICY.REG"},
        {kMotd, " \\\\srv\\netlogon\\motd.txt", {}, {}, I::None, none, "Display message from \\\\SRV\\NETLOGON\\MOTD.TXT"},
        {kPrint, "\\\\srv\\laser", {}, {}, I::None, none, "Map printer \\\\SRV\\LASER on LPT1",
         [](ActionEditor& e) { type(e, "txtPort", "1"); }},
        {kOther, "  echo Welcome  ", {}, {}, I::None, none, "echo Welcome"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed.toStdString());
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
            if (!e.isVisible()) {
                return;
            }
            EXPECT_EQ(page(e)->objectName(), row.page.name);
            const QString after = row.fieldAfter.isNull() ? row.typed : row.fieldAfter;
            QLineEdit* field = line(e, row.page.field);
            EXPECT_EQ(field->text(), after);
            // A doubtful or refused text is selected for retyping; other failures leave it.
            const bool selected = !row.fieldAfter.isEmpty();
            EXPECT_EQ(field->selectedText(), selected ? after : QString());
            if (selected) {
                EXPECT_TRUE(field->hasFocus());
            }
            click(e, "cmdCancel");
        });
        ASSERT_EQ(prompts.messages.size(), row.message.empty() ? 0u : 1u);
        if (!row.message.empty()) {
            const MessageRequest& shown = prompts.messages[0].request;
            EXPECT_EQ(shown.text, q(row.message));
            EXPECT_EQ(shown.icon, row.icon);
            EXPECT_EQ(shown.title, "Kestrune");
            EXPECT_EQ(shown.buttons,
                      row.answers.empty() ? MessageButtons::Ok : MessageButtons::YesNo);
        }
        EXPECT_EQ(list.empty() ? std::string() : list.at(0).details, row.details);
    }
}

TEST_F(AddingTest, HomeTakesOverTheShareFieldAndGivesItBack) {
    add([](ActionEditor& e) {
        click(e, "cmdMap");
        type(e, "txtShare", "x");
        click(e, "chkHome");
        EXPECT_EQ(text(e, "txtShare"), q(texts::kHomeShare));
        EXPECT_FALSE(find(e, "txtShare")->isEnabled());
        click(e, "chkHome");
        EXPECT_EQ(text(e, "txtShare"), "");
        EXPECT_TRUE(find(e, "txtShare")->isEnabled());
        EXPECT_TRUE(line(e, "txtShare")->hasFocus());
        click(e, "cmdCancel");
    });
}

TEST_F(AddingTest, ClientAndServerSwitchLabelsBrowseAndTheListAndBrowseFillsThePath) {
    shares.RememberShare("\\\\SRV\\B");
    shares.RememberShare("\\\\SRV\\A");
    prompts.files = {"", "/opt/tools/run.exe"};
    add([](ActionEditor& e) {
        click(e, "cmdApp");
        EXPECT_TRUE(find(e, "lblLocalApp")->isVisible());
        EXPECT_FALSE(find(e, "lblRemoteApp")->isVisible());
        EXPECT_TRUE(items(e, "txtLocalApp").isEmpty());
        type(e, "txtLocalApp", "keep");
        click(e, "cmdBrowse");  // cancelled
        EXPECT_EQ(text(e, "txtLocalApp"), "keep");
        click(e, "optServer");
        EXPECT_FALSE(find(e, "lblLocalApp")->isVisible());
        EXPECT_TRUE(find(e, "lblRemoteApp")->isVisible());
        EXPECT_FALSE(find(e, "cmdBrowse")->isVisible());
        EXPECT_EQ(items(e, "txtLocalApp"), QStringList({"\\\\SRV\\A", "\\\\SRV\\B"}));
        EXPECT_EQ(text(e, "txtLocalApp"), "keep");
        click(e, "optClient");
        EXPECT_TRUE(items(e, "txtLocalApp").isEmpty());
        EXPECT_EQ(text(e, "txtLocalApp"), "");
        click(e, "cmdBrowse");
        EXPECT_EQ(text(e, "txtLocalApp"), QDir::toNativeSeparators("/opt/tools/run.exe"));
        click(e, "cmdCancel");
    });
    ASSERT_EQ(prompts.dialogs.size(), 2u);
    EXPECT_EQ(prompts.dialogs[0].kind, FileDialogKind::Open);
    EXPECT_EQ(prompts.dialogs[0].title, q(texts::kBrowseTitle));
    EXPECT_EQ(prompts.dialogs[0].filter, "Programs (*.exe)|*.exe|All Files (*.*)|*.*");
}

TEST_F(AddingTest, PortTakesOneDigitOnly) {
    add([](ActionEditor& e) {
        click(e, "cmdMapPrint");
        const std::pair<const char*, const char*> steps[] = {
            {"a -.x", ""}, {"37", "3"}, {"\b", ""}, {"b5", "5"}};
        for (const auto& [typed, shown] : steps) {
            if (typed[0] == '\b') {
                QTest::keyClick(line(e, "txtPort"), Qt::Key_Backspace);
            } else {
                type(e, "txtPort", typed);
            }
            EXPECT_EQ(text(e, "txtPort"), shown) << typed;
        }
        click(e, "cmdCancel");
    });
}

TEST_F(AddingTest, RememberedSharesAreOfferedAndTheNewKeyIsKeptUnique) {
    settings.values[{"Recent", "Share1"}] = "\\\\srv\\apps ";
    settings.values[{"Recent", "Share2"}] = "\\\\SRV\\TWO";
    list.append("\\\\SRV\\APPS", kind::kOther, icon::kOther, "pause");
    const auto added = add([](ActionEditor& e) {
        for (const char* field : {"txtShare", "txtRemoteMotd", "txtPrint", "txtReg"}) {
            EXPECT_EQ(items(e, field), QStringList({"\\\\SRV\\APPS", "\\\\SRV\\TWO"})) << field;
            EXPECT_EQ(text(e, field), "") << field;
        }
        EXPECT_TRUE(items(e, "txtLocalApp").isEmpty());
        click(e, "cmdMap");
        find<QComboBox>(e, "txtShare")->setCurrentIndex(0);
        click(e, "cmdNextMap");
    });
    ASSERT_TRUE(added);
    EXPECT_EQ(*added,
              (Action{std::string(kind::kMapDrive), "Map \\\\SRV\\APPS as next available drive ",
                      std::string(icon::kDrive), "\\\\SRV\\APPS#2"}));
    // Adding remembers nothing by itself: the window does that with the entry.
    EXPECT_TRUE(settings.writes.isEmpty());
}

}  // namespace
}  // namespace kestrune::testing
