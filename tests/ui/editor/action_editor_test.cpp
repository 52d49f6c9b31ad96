// The action editor driven headless like a user: its pages, each check's message, what each
// page hands on, Properties, and the remembered shares. The Details forms are the core's tables.

#include <QDir>

#include "accessible_names.h"
#include "editor_fixture.h"

namespace kestrune::test {

namespace {

namespace texts = editor_texts;

// Each type button opens its page with OK the default; Tab goes down each page and round to
// its choice at the top; Back keeps what was typed, and the kept text comes back selected;
// Escape cancels. A screen reader finds a name on every control of every page, a drop-down
// list's own line and list included; the run and registry pages' field is labelled by the
// label shown. Then the controls beside the fields, and Enter presses OK.
TEST_F(EditorTest, EachTypeButtonOpensItsPageTabGoesDownItAndBackKeepsWhatWasTyped) {
    const struct {
        const Page& page;
        QStringList order;  // from the field the page opens on
    } rows[] = {
        {kMap,
         {"txtShare", "cboDrive", "chkHome", "cboReconnect", "txtUser", "chkSaveCred", "chkConfirm",
          "chkQuiet", "cboRunIf", "cmdBack", "cmdNextMap", "cmdCancel", "optConnect"}},
        {kApp,
         {"txtLocalApp", "cmdBrowse", "txtArguments", "optStart", "cboRunIf", "cmdBack",
          "cmdNextApp", "cmdCancel", "optClient"}},
        {kReg,
         {"txtReg", "optMergeOpen", "cboRunIf", "cmdBack", "cmdNextReg", "cmdCancel",
          "optRegClient"}},
        {kMotd, {"txtRemoteMotd", "cboRunIf", "cmdBack", "cmdNextMotd", "cmdCancel"}},
        {kOther, {"txtOther", "cboRunIf", "cmdBack", "cmdOkOther", "cmdCancel"}},
        {kPrint,
         {"txtPrint", "txtPort", "cboReconnect", "txtUser", "chkSaveCred", "chkConfirm", "chkQuiet",
          "cboRunIf", "cmdBack", "cmdOkPrint", "cmdCancel", "optConnect"}},
    };
    EXPECT_FALSE(add([&rows](ActionEditor& e) {
        EXPECT_EQ(e.windowTitle(), q(texts::kCaption));
        EXPECT_EQ(items(e, "cboDrive").mid(0, 2), QStringList({"Next Available", "D:\\"}));
        EXPECT_EQ(unnamedControls(&e), QStringList());
        EXPECT_EQ(tabOrder(), (QStringList{"cmdMap", "cmdApp", "cmdReg", "cmdMotd", "cmdOther",
                                           "cmdMapPrint", "cmdCancel"}));
        for (const auto& [p, order] : rows) {
            clickIn(e, p.button);
            ASSERT_EQ(page(e), p.name);
            EXPECT_EQ(tabOrder(), order) << p.name;
            EXPECT_TRUE(find<QPushButton>(e, p.ok)->isDefault()) << p.ok;
            type(e, p.field, p.field);
            clickIn(e, "cmdBack");
            EXPECT_EQ(page(e), "fraAction");
            clickIn(e, p.button);
            QLineEdit* kept = line(e, p.field);  // Other's command comes back selected
            EXPECT_EQ(p.ok == kOther.ok ? kept->selectedText() : kept->text(), p.field);
            clickIn(e, "cmdBack");
        }
        // Its label first; the page's frame follows.
        const auto labelOf = [&e](const char* field) {
            const auto labels =
                QAccessible::queryAccessibleInterface(on(e, field))->relations(QAccessible::Label);
            return labels.empty() ? QString() : labels[0].first->text(QAccessible::Name);
        };
        const struct {
            const char *button, *field, *other;
            std::string_view first, then;
        } turns[] = {
            {"cmdApp", "txtLocalApp", "optServer", texts::kLocalAppLabel, texts::kRemoteAppLabel},
            {"cmdReg", "txtReg", "optRegClient", texts::kRegLabel, texts::kLocalRegLabel}};
        for (const auto& t : turns) {
            clickIn(e, t.button);
            EXPECT_EQ(labelOf(t.field), q(t.first));
            clickIn(e, t.other);
            EXPECT_EQ(labelOf(t.field), q(t.then));
            EXPECT_EQ(line(e, t.field)->accessibleName(), q(t.then));
            clickIn(e, "cmdBack");
        }
        clickIn(e, "cmdMapPrint");
        for (auto* back : e.findChildren<QPushButton*>("cmdBack")) {
            back->isVisible() ? back->setFocus() : void();
        }
        EXPECT_FALSE(find<QPushButton>(e, "cmdOkPrint")->isDefault());
        find(e, "txtPort")->setFocus();
        EXPECT_TRUE(find<QPushButton>(e, "cmdOkPrint")->isDefault());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    }));
    EXPECT_TRUE(ran);

    // The remembered shares offered; home, the client/server option, Browse and the port
    // field; then Enter adds the map.
    shares.RememberShare("\\\\SRV\\B");
    shares.RememberShare("\\\\SRV\\A");
    const QStringList writes = settings.writes;
    prompts.files = {"", "/opt/tools/run.exe"};
    const auto added = add([](ActionEditor& e) {
        for (const char* field : {"txtShare", "txtRemoteMotd", "txtPrint", "txtReg"}) {
            EXPECT_EQ(items(e, field), QStringList({"\\\\SRV\\A", "\\\\SRV\\B"})) << field;
        }
        clickIn(e, "cmdMap");
        type(e, "txtShare", "x");
        clickIn(e, "chkHome");
        EXPECT_EQ(line(e, "txtShare")->text(), q(texts::kHomeShare));
        EXPECT_FALSE(find(e, "txtShare")->isEnabled());
        clickIn(e, "chkHome");
        EXPECT_EQ(line(e, "txtShare")->text(), "");
        EXPECT_TRUE(line(e, "txtShare")->hasFocus());
        clickIn(e, "cmdBack");

        clickIn(e, "cmdApp");
        EXPECT_TRUE(items(e, "txtLocalApp").isEmpty());
        type(e, "txtLocalApp", "keep");
        clickIn(e, "cmdBrowse");  // cancelled
        clickIn(e, "optServer");
        EXPECT_TRUE(find(e, "lblRemoteApp")->isVisible());
        EXPECT_FALSE(find(e, "cmdBrowse")->isVisible());
        EXPECT_EQ(items(e, "txtLocalApp"), QStringList({"\\\\SRV\\A", "\\\\SRV\\B"}));
        EXPECT_EQ(line(e, "txtLocalApp")->text(), "keep");
        clickIn(e, "optClient");
        EXPECT_EQ(line(e, "txtLocalApp")->text(), "");
        clickIn(e, "cmdBrowse");
        EXPECT_EQ(line(e, "txtLocalApp")->text(), QDir::toNativeSeparators("/opt/tools/run.exe"));
        clickIn(e, "cmdBack");

        // The port takes one digit; other typed characters are dropped.
        clickIn(e, "cmdMapPrint");
        for (const auto& [typed, shown] :
             {std::pair("a -.x", ""), {"37", "3"}, {"\b", ""}, {"b5", "5"}}) {
            type(e, "txtPort", typed);
            EXPECT_EQ(line(e, "txtPort")->text(), shown) << typed;
        }
        clickIn(e, "cmdBack");
        clickIn(e, "cmdMap");
        EXPECT_TRUE(line(e, "txtShare")->hasFocus());
        type(e, "txtShare", "\\\\srv\\apps");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    ASSERT_TRUE(added);
    EXPECT_EQ(added->details, "Map \\\\SRV\\APPS as next available drive ");
    EXPECT_EQ(settings.writes, writes);  // the window remembers the share with the entry
    ASSERT_EQ(prompts.dialogs.size(), 2u);
    EXPECT_EQ(prompts.dialogs[0].title, q(texts::kBrowseTitle));
    EXPECT_EQ(prompts.dialogs[0].filter, "Programs (*.exe)|*.exe|All Files (*.*)|*.*");
}

// Every check of every page with its message, and what the field shows after it (a doubtful
// or refused text is selected for retyping); a double quote is refused in every share or
// path. A bad option or condition name is refused on OK, before any question, with the field
// that holds it selected; a value that isn't written is never refused; a condition's name is
// refused after the page's own checks. Then what each page hands on.
TEST_F(EditorTest, EachCheckSaysItsMessageAndEachPageHandsOnItsFields) {
    struct Row {
        Page page;
        QString typed;
        std::vector<Answer> answers;  // given: a Yes/No question
        std::string_view message;     // empty: none
        MessageIcon icon;
        QString fieldAfter;             // null: as typed, not selected; else selected unless empty
        std::string details = {};       // empty: nothing added
        Script also = {};               // after typing, before OK
        const char* refused = nullptr;  // the field refused, with the focus; none: the page's
    };
    using I = MessageIcon;
    const auto no = std::vector<Answer>{Answer::No};
    const auto yes = std::vector<Answer>{Answer::Yes};
    const Script server = clicking("optServer");
    const QString as;
    const auto runIf = [](const char* choice, const char* name) {
        return [choice, name](ActionEditor& e) {
            pick(e, "cboRunIf", choice);
            // QTest types ASCII only; an input method hands over other letters whole.
            line(e, "txtRunIf")->insert(QString::fromUtf8(name));
        };
    };
    // clang-format off
    const Row rows[] = {
        {kMap, "   ", {}, texts::kEmptyShare, I::Exclamation, ""},
        {kMap, "apps", no, texts::kDoubtfulShare, I::None, "apps"},
        {kMap, "apps", yes, texts::kDoubtfulShare, I::None, as,
         "Map APPS as next available drive "},
        {kMap, "\\\\srv\\r&d\"", {}, texts::kQuoteInPath, I::Exclamation, "\\\\srv\\r&d\""},
        {kApp, "  ", {}, texts::kEmptyApp, I::Critical, ""},
        {kApp, "setup.exe", no, texts::kDoubtfulShare, I::None, "setup.exe", {}, server},
        {kApp, "setup.exe", yes, texts::kDoubtfulShare, I::None, as, "Remote: SETUP.EXE", server},
        {kApp, "c:\\a\" b.exe", {}, texts::kQuoteInPath, I::Exclamation, "c:\\a\" b.exe"},
        {kReg, " ", {}, texts::kEmptyReg, I::Exclamation, ""},
        {kReg, "policy.txt", {}, texts::kNotReg, I::Critical, as},
        {kReg, "\\\\srv\\share\\policy.reg ", {}, texts::kNotReg, I::Critical, as},
        {kReg, "policy.reg", no, texts::kDoubtfulServer, I::None, "policy.reg"},
        {kReg, "\\\\s\\\" & x.reg", {}, texts::kQuoteInPath, I::Exclamation, "\\\\s\\\" & x.reg"},
        {kMotd, "  ", {}, texts::kEmptyMotd, I::Exclamation, ""},
        {kMotd, "motd", no, texts::kDoubtfulServer, I::None, "motd"},
        {kMotd, "\\\\srv\\a\"b.txt", {}, texts::kQuoteInPath, I::Exclamation, "\\\\srv\\a\"b.txt"},
        {kPrint, "  ", {}, texts::kEmptyPrinter, I::Critical, as},
        {kPrint, "laser", no, texts::kDoubtfulServer, I::Question, as},
        {kPrint, "\\\\srv\\\"laser", {}, texts::kQuoteInPath, I::Exclamation, "\\\\srv\\\"laser"},
        {kOther, "   ", {}, texts::kEmptyOther, I::Exclamation, ""},
        {kMotd, " \\\\s\\n\\m.txt", {}, {}, I::None, as, "Display message from \\\\S\\N\\M.TXT"},
        {kMap, "apps", {}, texts::kBadUser, I::Exclamation, "a&b", {}, typing("txtUser", "a&b"),
         "txtUser"},
        {kMap, "\\\\SRV\\A", {}, {}, I::None, as,
         "Map \\\\SRV\\A as next available drive with /USER:%USERDOMAIN%\\%USERNAME%",
         typing("txtUser", " %USERDOMAIN%\\%USERNAME% ")},
        // Neither a home directory nor a disconnection takes a user.
        {kMap, "", {}, {}, I::None, as,
         "Map home directory on the logon server as next available drive ",
         steps({typing("txtUser", "a b"), clicking("chkHome")})},
        {kMap, "", {}, {}, I::None, as, "Disconnect all network connections with /YES",
         steps({typing("txtUser", "a b"), clicking("optDisconnect")})},
        {kApp, "x.exe", {}, texts::kBadArguments, I::Exclamation, "a & b", {},
         typing("txtArguments", "a & b"), "txtArguments"},
        {kApp, "x.exe", {}, {}, I::None, as, "Local: X.EXE with arguments \"a & b\" /Q",
         typing("txtArguments", "  \"a & b\" /Q  ")},
        // A port of 0 is none.
        {kPrint, "\\\\P\\Q", {}, texts::kNeedsPort, I::Exclamation, "0", {},
         steps({typing("txtPort", "0"), clicking("chkQuiet")}), "txtPort"},
        {kPrint, "", {}, texts::kNeedsPort, I::Exclamation, "", {}, clicking("optDisconnect"),
         "txtPort"},
        {kOther, "echo x", {}, texts::kEmptyConditionName, I::Exclamation, "", {},
         runIf("User name is", ""), "txtRunIf"},
        {kOther, "echo x", {}, texts::kBadConditionName, I::Exclamation, "Fin\"ance", {},
         [&runIf](ActionEditor& e) {
             runIf("User is member of group", "Fin\"ance")(e);
             clickIn(e, "cmdBack");
             clickIn(e, kMotd.button);  // a page's row is its own
             EXPECT_EQ(on<QComboBox>(e, "cboRunIf")->currentText(), "Always");
             clickIn(e, "cmdBack");
             clickIn(e, kOther.button);  // what was typed in it stays
         }, "txtRunIf"},
        {kOther, "echo x", {}, texts::kBadConditionName, I::Exclamation, "Bj\u00f6rn", {},
         runIf("User name is", "Bj\xC3\xB6rn"), "txtRunIf"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        prompts.messages.clear();
        prompts.answers.assign(row.answers.begin(), row.answers.end());
        const auto added = add([&row](ActionEditor& e) {
            clickIn(e, row.page.button);
            type(e, row.page.field, row.typed);
            if (row.also) {
                row.also(e);
            }
            clickIn(e, row.page.ok);
            if (e.isVisible()) {
                EXPECT_EQ(page(e), row.page.name);
                const QString after = row.fieldAfter.isNull() ? row.typed : row.fieldAfter;
                QLineEdit* field = line(e, row.refused ? row.refused : row.page.field);
                EXPECT_EQ(field->text(), after);
                const bool selected = !row.fieldAfter.isEmpty();
                EXPECT_EQ(field->selectedText(), selected ? after : QString());
                EXPECT_TRUE(!(selected || row.refused) || field->hasFocus());
                clickIn(e, "cmdCancel");
            }
        });
        EXPECT_EQ(prompts.messages.size(), row.message.empty() ? 0u : 1u);
        if (!row.message.empty()) {
            prompts.expectOnly(q(row.message),
                               row.answers.empty() ? MessageButtons::Ok : MessageButtons::YesNo,
                               row.icon);
        }
        EXPECT_EQ(added ? added->details : std::string(), row.details);
    }
}

// Properties: the entry's page filled from its Details (taken apart by the core's rules),
// Back disabled, and OK giving the entry back changed or not, its kind and key kept.
// Unchanged, a drive the list doesn't offer and a share without "\\" (kept after "Use
// anyway?") survive.
TEST_F(EditorTest, PropertiesFillsTheKindsPageAndOkGivesTheEntryBack) {
    // clang-format off
    const struct {
        Page page;
        std::string details;
        std::string afterOk;  // empty: the same
        std::string_view icon = "img";
        Script change = {};
    } rows[] = {
        {kMap, "Map \\\\FILES\\APPS as C:\\", "", icon::kDrive},
        {kMap, "Map APPS as G:\\", "", icon::kDrive},
        {kMap, "Map \\\\FILES\\APPS as G:\\", "Map home directory on the logon server as G:\\",
         icon::kHome, clicking("chkHome")},
        // Options are kept through OK.
        {kApp, "Remote: \\\\SRV\\APPS\\SETUP.EXE with wait, arguments /s", ""},
        // The whole command is selected on entry, so typing replaces it.
        {kOther, "echo hello", "cls", "img",
         [](ActionEditor&) { QTest::keyClicks(QApplication::focusWidget(), "cls"); }},
        {kPrint, "Map \\\\PRINT\\LASER on LPT3", "Map printer \\\\PRINT\\LASER on LPT3"},
        {kPrint, "Map \\\\PRINT\\LASER on LPT3", "Map printer \\\\PRINT\\LASER", "img",
         [](ActionEditor& e) { line(e, "txtPort")->clear(); }},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.details);
        list.clear();
        list.append(row.page.kind, "img", row.details);
        list.append(kind::kOther, "img", "pause");
        prompts.messages.clear();
        prompts.answers = {Answer::Yes};
        const auto changed = edit(0, [&row](ActionEditor& e) {
            EXPECT_EQ(page(e), row.page.name);
            for (auto* back : e.findChildren<QPushButton*>("cmdBack")) {
                EXPECT_FALSE(back->isEnabled());
            }
            if (row.change) {
                row.change(e);
            }
            clickIn(e, row.page.ok);
        });
        ASSERT_TRUE(changed);
        const std::string afterOk = row.afterOk.empty() ? row.details : row.afterOk;
        EXPECT_EQ(*changed, (Action{std::string(row.page.kind), afterOk, std::string(row.icon)}));
    }

    // Cancel or closing gives nothing back; nor does a row that isn't there or a kind without
    // a page, which open nothing.
    list.clear();
    list.append(kind::kOther, "img", "echo hi");
    for (const Script& leave :
         {clicking("cmdCancel"), Script([](ActionEditor& e) { e.close(); })}) {
        EXPECT_FALSE(edit(0, [&leave](ActionEditor& e) {
            QTest::keyClicks(line(e, "txtOther"), "changed");
            leave(e);
        }));
    }
    list.append("Unknown", "img", "whatever");
    for (const auto& row : {std::optional<std::size_t>(), std::optional<std::size_t>(2),
                            std::optional<std::size_t>(1)}) {
        EXPECT_FALSE(edit(row, [](ActionEditor&) {}));
        QApplication::processEvents();
        EXPECT_FALSE(ran);
    }
}

// The ten remembered shares: loaded up to the first empty or blank-only value, a new one
// first; seeded once from the system's recent network paths, never over an unreadable store.
TEST_F(EditorTest, SharesLoadSeedOnceAndANewOneGoesFirst) {
    for (int n = 1; n <= 10; ++n) {
        settings.values[{"Recent", "Share" + QString::number(n)}] = "\\\\s\\" + QString::number(n);
    }
    settings.values[{"Recent", "Share1"}] = " \\\\srv\\apps ";
    shares.LoadShareSuggestions(prompts);
    EXPECT_EQ(shares.shares()[0], "\\\\SRV\\APPS");
    EXPECT_EQ(shares.shares()[9], "\\\\S\\10");
    for (const char* notShare : {"apps", "   ", "C:\\WINDOWS"}) {
        shares.RememberShare(notShare);
    }
    EXPECT_TRUE(settings.writes.isEmpty());
    shares.RememberShare("\\\\SRV\\LASER ON LPT1");  // cut at its first blank
    EXPECT_EQ(settings.value("Recent", "Share1"), "\\\\SRV\\LASER");
    EXPECT_EQ(settings.value("Recent", "Share2"), "\\\\SRV\\APPS");
    EXPECT_EQ(settings.value("Recent", "Share10"), "\\\\S\\9");

    ShareSuggestions blank(settings, recentPaths);
    settings.values[{"Recent", "Share3"}] = "  ";
    blank.LoadShareSuggestions(prompts);
    EXPECT_EQ(blank.shares()[1], "\\\\SRV\\APPS");
    EXPECT_EQ(blank.shares()[2] + blank.shares()[3], "");  // no gap: the run ends

    settings.values.clear();
    settings.writes.clear();
    ShareSuggestions seeded(settings, recentPaths);
    EXPECT_NE(SystemRecentNetworkPaths().ReadRecentNetworkPaths().status, 0);
    seeded.LoadShareSuggestions(prompts);  // no such list here: nothing stored, tried again
    recentPaths.answer = {0, {"././srv/apps", " ././files/pub "}, true};
    seeded.LoadShareSuggestions(prompts);
    EXPECT_EQ(recentPaths.reads, 2);
    EXPECT_EQ(settings.writes,
              QStringList({"Recent/Share1=\\\\SRV\\APPS", "Recent/Share2=\\\\FILES\\PUB"}));
    prompts.expectOnly(q(texts::kRegistryFailure));  // a failure inside the registry is told
    seeded.LoadShareSuggestions(prompts);
    EXPECT_EQ(recentPaths.reads, 2);  // "Share1" exists now

    // Unreadable, the store can't tell whether shares are kept: seeding could overwrite them.
    settings.failReadsOf = "Share1";
    ShareSuggestions unreadable(settings, recentPaths);
    unreadable.LoadShareSuggestions(prompts);
    EXPECT_EQ(recentPaths.reads, 2);
    EXPECT_EQ(settings.writes.size(), 2);
}

}  // namespace
}  // namespace kestrune::test
