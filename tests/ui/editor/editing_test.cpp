// The editor in Editing mode (Properties): the entry's page filled from its Details, and OK
// returning the entry changed. How Details are taken apart is the core's table; here each
// kind goes through the page's widgets and back.

#include <map>

#include "editor_fixture.h"

namespace kestrune::testing {
namespace {

class EditingTest : public EditorTest {
  protected:
    std::size_t put(std::string_view kind, std::string details) {
        list.append("key", kind, "img", std::move(details));
        list.append("other", kind::kOther, "img", "pause");
        return list.size() - 2;
    }
};

// OK without a change gives the entry back in the editor's form: a drive the list doesn't
// offer and a share without "\\" (kept after "Use anyway?") survive.
TEST_F(EditingTest, EachKindsPageTakesItsDetailsAndOkGivesThemBack) {
    const struct {
        std::string_view kind;
        std::string details;
        const char* page;
        std::string afterOk;
        bool asked = false;
    } rows[] = {
        {kind::kMapDrive, "Map \\\\FILES\\APPS as G:\\ ", "fraMap", "Map \\\\FILES\\APPS as G:\\"},
        {kind::kMapDrive, "Map \\\\FILES\\APPS as C:\\", "fraMap", "Map \\\\FILES\\APPS as C:\\"},
        {kind::kMapDrive, "Map APPS as G:\\", "fraMap", "Map APPS as G:\\", true},
        {kind::kMapDrive, "Map home directory on the logon server as next available drive ",
         "fraMap", "Map home directory on the logon server as next available drive "},
        {kind::kRunApplication, "Remote: \\\\SRV\\APPS\\SETUP.EXE", "fraRun",
         "Remote: \\\\SRV\\APPS\\SETUP.EXE"},
        {kind::kRunApplication, "Local: C:\\TOOLS\\RUN.EXE", "fraRun", "Local: C:\\TOOLS\\RUN.EXE"},
        {kind::kMergeRegistry, "Remote: \\\\SRV\\NETLOGON\\POLICY.REG", "fraReg",
         "Remote: \\\\SRV\\NETLOGON\\POLICY.REG"},
        {kind::kDisplayMessage, "Display message from \\\\SRV\\NETLOGON\\MOTD.TXT", "fraMessage",
         "Display message from \\\\SRV\\NETLOGON\\MOTD.TXT"},
        {kind::kOther, "echo Welcome", "fraOther", "echo Welcome"},
        {kind::kMapPrinter, "Map \\\\PRINT\\LASER on LPT3", "fraPrint",
         "Map printer \\\\PRINT\\LASER on LPT3"},
        {kind::kMapPrinter, "Map printer \\\\SRV\\BIG LASER on LPT2", "fraPrint",
         "Map printer \\\\SRV\\BIG LASER on LPT2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.details);
        list.clear();
        prompts.messages.clear();
        prompts.answers = {Answer::Yes};
        const std::size_t at = put(row.kind, row.details);
        const auto changed = edit(at, [&row](ActionEditor& e) {
            EXPECT_EQ(page(e)->objectName(), row.page);
            // Without Back no other kind can be chosen.
            for (auto* back : e.findChildren<QPushButton*>("cmdBack")) {
                EXPECT_FALSE(back->isEnabled());
            }
            const char* ok =
                std::map<QString, const char*>{
                    {"fraMap", "cmdNextMap"},   {"fraRun", "cmdNextApp"},
                    {"fraReg", "cmdNextReg"},   {"fraMessage", "cmdNextMotd"},
                    {"fraOther", "cmdOkOther"}, {"fraPrint", "cmdOkPrint"}}
                    .at(row.page);
            click(e, ok);
        });
        ASSERT_TRUE(changed);
        EXPECT_EQ(changed->details, row.afterOk);
        EXPECT_EQ(changed->kind + changed->itemKey, std::string(row.kind) + "key");
        EXPECT_EQ(prompts.messages.size(), row.asked ? 1u : 0u);
        EXPECT_EQ(list.size(), 2u);
    }
}

TEST_F(EditingTest, ChangesComeBackWithTheKindAndKeyKeptAndNothingRemembered) {
    const struct {
        std::string_view kind;
        std::string details;
        Script change;
        std::string result;
        std::string_view icon;
    } rows[] = {
        // A drive mapping alone may change its picture.
        {kind::kMapDrive, "Map \\\\FILES\\APPS as G:\\",
         [](ActionEditor& e) {
             click(e, "chkHome");
             click(e, "cmdNextMap");
         },
         "Map home directory on the logon server as G:\\", icon::kHome},
        // The whole command is selected on entry, so typing replaces it.
        {kind::kOther, "echo hello",
         [](ActionEditor& e) {
             QTest::keyClicks(QApplication::focusWidget(), "cls");
             click(e, "cmdOkOther");
         },
         "cls", "img"},
        {kind::kMapPrinter, "Map \\\\PRINT\\LASER on LPT3",
         [](ActionEditor& e) {
             line(e, "txtPort")->clear();
             click(e, "cmdOkPrint");
         },
         "Map printer \\\\PRINT\\LASER", "img"},
    };
    for (const auto& row : rows) {
        const std::size_t at = put(row.kind, row.details);
        const std::optional<Action> changed = edit(at, row.change);
        ASSERT_TRUE(changed) << row.details;
        EXPECT_EQ(*changed,
                  (Action{std::string(row.kind), row.result, std::string(row.icon), "key"}));
    }
    EXPECT_TRUE(settings.writes.isEmpty());
}

TEST_F(EditingTest, CancelClosingOrNothingToEditChangesNothing) {
    const std::size_t at = put(kind::kOther, "echo hi");
    for (const Script& leave : {Script([](ActionEditor& e) { click(e, "cmdCancel"); }),
                                Script([](ActionEditor& e) { e.close(); })}) {
        EXPECT_FALSE(edit(at, [&leave](ActionEditor& e) {
            QTest::keyClicks(line(e, "txtOther"), "changed");
            leave(e);
        }));
        EXPECT_TRUE(ran);
    }
    EXPECT_EQ(list.at(at).details, "echo hi");
    list.append("k", "Unknown", "img", "whatever");
    const std::optional<std::size_t> rows[] = {std::nullopt, list.size(), list.size() - 1};
    for (const auto& row : rows) {
        EXPECT_FALSE(edit(row, [](ActionEditor&) {}));
        QApplication::processEvents();
        EXPECT_FALSE(ran);
    }
}

// Every byte a command can hold but the line ends comes back from the Other page as it
// went in (one Windows-1252 table both ways). One entry per 32 bytes.
TEST_F(EditingTest, EveryByteSurvivesTheOtherPage) {
    for (int first = 0; first < 256; first += 32) {
        std::string command = "echo A";
        for (int byte = first; byte < first + 32; ++byte) {
            if (byte != '\r' && byte != '\n') {
                command += static_cast<char>(byte);
            }
        }
        command += 'Z';
        const std::size_t at = put(kind::kOther, command);
        const auto changed = edit(at, [](ActionEditor& e) { click(e, "cmdOkOther"); });
        ASSERT_TRUE(changed) << first;
        EXPECT_EQ(changed->details, command) << first;
    }
}

}  // namespace
}  // namespace kestrune::testing
