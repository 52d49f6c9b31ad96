// The editor in Editing mode: the selected entry's Details taken apart into its page, and
// OK rewriting that entry in place.

#include "editor_fixture.h"
#include "ui/editor/editor_texts.h"

namespace kestrune::testing {
namespace {

namespace texts = editor_texts;

struct Field {
    const char* name;
    QString text;
};

struct TakenApart {
    std::string_view kind;
    std::string details;
    const char* page;
    std::vector<Field> fields;
    bool home = false;
    bool server = false;
};

class EditingTest : public EditorTest {
  protected:
    std::size_t put(std::string_view kind, std::string details, std::string_view icon = "img") {
        list.append("key", kind, icon, std::move(details));
        return list.size() - 1;
    }
};

TEST_F(EditingTest, TakesTheDetailsApartIntoThePageOfTheirKind) {
    const TakenApart rows[] = {
        {kind::kMapDrive,
         "Map \\\\FILES\\APPS as G:\\",
         "fraMap",
         {{"txtShare", "\\\\FILES\\APPS"}, {"cboDrive", "G:\\"}}},
        {kind::kMapDrive,
         "Map \\\\FILES\\APPS as G:\\ ",
         "fraMap",
         {{"txtShare", "\\\\FILES\\APPS"}, {"cboDrive", "G:\\"}}},
        {kind::kMapDrive,
         "Map home directory on the logon server as next available drive ",
         "fraMap",
         {{"txtShare", q(texts::kHomeShare)}, {"cboDrive", "Next Available"}},
         true},
        {kind::kRunApplication,
         "Local: C:\\TOOLS\\RUN.EXE",
         "fraRun",
         {{"txtLocalApp", "C:\\TOOLS\\RUN.EXE"}}},
        {kind::kRunApplication,
         "Remote: \\\\SRV\\APPS\\SETUP.EXE",
         "fraRun",
         {{"txtLocalApp", "\\\\SRV\\APPS\\SETUP.EXE"}},
         false,
         true},
        {kind::kMergeRegistry,
         "Remote: \\\\SRV\\NETLOGON\\POLICY.REG",
         "fraReg",
         {{"txtReg", "\\\\SRV\\NETLOGON\\POLICY.REG"}}},
        {kind::kDisplayMessage,
         "Display message from \\\\SRV\\NETLOGON\\MOTD.TXT",
         "fraMessage",
         {{"txtRemoteMotd", "\\\\SRV\\NETLOGON\\MOTD.TXT"}}},
        {kind::kOther, "echo Welcome", "fraOther", {{"txtOther", "echo Welcome"}}},
        {kind::kMapPrinter,
         "Map printer \\\\PRINT\\LASER on LPT2",
         "fraPrint",
         {{"txtPrint", "\\\\PRINT\\LASER"}, {"txtPort", "2"}}},
        {kind::kMapPrinter,
         "Map printer \\\\PRINT\\LASER",
         "fraPrint",
         {{"txtPrint", "\\\\PRINT\\LASER"}, {"txtPort", ""}}},
        {kind::kMapPrinter,
         "Map \\\\PRINT\\LASER on LPT3",
         "fraPrint",
         {{"txtPrint", "\\\\PRINT\\LASER"}, {"txtPort", "3"}}},
    };
    for (const TakenApart& row : rows) {
        const std::size_t at = put(row.kind, row.details);
        const Action before = list.at(at);
        edit(at, [&row](ActionEditor& e) {
            EXPECT_EQ(currentPageName(e), row.page) << row.details;
            for (const Field& field : row.fields) {
                EXPECT_EQ(text(e, field.name), field.text) << row.details;
            }
            EXPECT_EQ(find<QCheckBox>(e, "chkHome")->isChecked(), row.home);
            EXPECT_EQ(find<QRadioButton>(e, "optServer")->isChecked(), row.server);
            for (auto* back : e.findChildren<QPushButton*>("cmdBack")) {
                EXPECT_FALSE(back->isEnabled());
            }
            clickOnPage(e, "cmdCancel");
        });
        EXPECT_TRUE(ran) << row.details;
        EXPECT_EQ(list.at(at), before);
    }
    EXPECT_FALSE(document.modified);
    EXPECT_TRUE(changedRows.empty());
}

TEST_F(EditingTest, EachPageRewritesItsKindsDetails) {
    struct Row {
        std::string_view kind;
        std::string details;
        std::function<void(ActionEditor&)> change;
        std::string result;
        std::string_view icon;
    };
    const Row rows[] = {
        // OK alone rewrites the entry without its trailing blank.
        {kind::kMapDrive, "Map \\\\FILES\\APPS as G:\\ ",
         [](ActionEditor& e) { click(e, "cmdNextMap"); }, "Map \\\\FILES\\APPS as G:\\",
         icon::kDrive},
        {kind::kMapDrive, "Map \\\\FILES\\APPS as G:\\",
         [](ActionEditor& e) {
             click(e, "chkHome");
             click(e, "cmdNextMap");
         },
         "Map home directory on the logon server as G:\\", icon::kHome},
        {kind::kRunApplication, "Local: C:\\TOOLS\\RUN.EXE",
         [](ActionEditor& e) {
             // The dialog opens with the field's text selected, as dialogs do.
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
             type(e, "txtLocalApp", "x");
             click(e, "cmdNextApp");
         },
         "Local: C:\\TOOLS\\RUN.EXEX", "img"},
        {kind::kMergeRegistry, "Local: C:\\X.REG", [](ActionEditor& e) { click(e, "cmdNextReg"); },
         "Remote: C:\\X.REG", "img"},
        {kind::kDisplayMessage, "Display message from \\\\S\\M.TXT",
         [](ActionEditor& e) { click(e, "cmdNextMotd"); }, "Display message from \\\\S\\M.TXT",
         "img"},
        {kind::kOther, "echo hello",
         [](ActionEditor& e) {
             // The whole command is selected on entry, so typing replaces it.
             QTest::keyClicks(QApplication::focusWidget(), "cls");
             click(e, "cmdOkOther");
         },
         "cls", "img"},
        {kind::kMapPrinter, "Map \\\\PRINT\\LASER on LPT3",
         [](ActionEditor& e) {
             find<QLineEdit>(e, "txtPort")->clear();
             click(e, "cmdOkPrint");
         },
         "Map printer \\\\PRINT\\LASER", "img"},
    };
    for (const Row& row : rows) {
        const std::size_t at = put(row.kind, row.details);
        put(kind::kOther, "pause");
        changedRows.clear();
        const EditorResult result = edit(at, row.change);
        EXPECT_EQ(result.outcome, EditorOutcome::Changed) << row.details;
        EXPECT_EQ(result.row, at);
        EXPECT_EQ(changedRows, std::vector<std::size_t>{at});
        EXPECT_EQ(list.at(at).details, row.result);
        EXPECT_EQ(list.at(at).iconKey, row.icon);
        EXPECT_EQ(list.at(at).kind, row.kind);
        EXPECT_EQ(list.at(at + 1).details, "pause");
    }
    EXPECT_TRUE(appendedRows.empty());
    EXPECT_TRUE(document.modified);
    // Editing remembers no share.
    EXPECT_TRUE(shares.shares()[0].empty());
}

// Cancel is checked with every page above and from the window; closing is the other way out.
TEST_F(EditingTest, ClosingTheEditorChangesNothing) {
    const std::size_t at = put(kind::kOther, "echo hi");
    edit(at, [](ActionEditor& e) {
        QTest::keyClicks(find<QLineEdit>(e, "txtOther"), "changed");
        e.close();
    });
    EXPECT_EQ(list.at(at).details, "echo hi");
    EXPECT_FALSE(document.modified);
}

TEST_F(EditingTest, NothingToEditShowsNoEditor) {
    EXPECT_EQ(edit(std::nullopt, [](ActionEditor&) {}).outcome, EditorOutcome::Unchanged);
    EXPECT_EQ(edit(0, [](ActionEditor&) {}).outcome, EditorOutcome::Unchanged);
    put("Unknown", "whatever");
    EXPECT_EQ(edit(0, [](ActionEditor&) {}).outcome, EditorOutcome::Unchanged);
    QApplication::processEvents();
    EXPECT_FALSE(ran);
}

// Entries that the editor's own pages would not make keep what they hold when OK is pressed
// without a change.
TEST_F(EditingTest, EntriesFromFilesSurviveOkUnchanged) {
    const struct {
        std::string_view kind;
        std::string details;
        std::vector<Answer> answers;
        std::string result;
    } rows[] = {
        // A drive the list doesn't offer.
        {kind::kMapDrive, "Map \\\\FILES\\APPS as C:\\", {}, "Map \\\\FILES\\APPS as C:\\"},
        // A share kept without "\\".
        {kind::kMapDrive, "Map APPS as G:\\", {Answer::Yes}, "Map APPS as G:\\"},
        {kind::kMapDrive, "Map \\\\SRV\\MY DATA as G:\\", {}, "Map \\\\SRV\\MY DATA as G:\\"},
        {kind::kMapPrinter,
         "Map printer LASER on LPT2",
         {Answer::Yes},
         "Map printer LASER on LPT2"},
    };
    for (const auto& row : rows) {
        prompts.answers.assign(row.answers.begin(), row.answers.end());
        const std::size_t at = put(row.kind, row.details);
        edit(at, [](ActionEditor& e) {
            clickOnPage(e, currentPageName(e) == "fraMap" ? "cmdNextMap" : "cmdOkPrint");
        });
        EXPECT_EQ(list.at(at).details, row.result);
    }
}

}  // namespace
}  // namespace kestrune::testing
