// The editor in Editing mode: the selected entry's fields shown on its page, and OK
// returning that entry changed. How Details are taken apart is the core's table.

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
    // One row per page, and the Home box and the server option set.
    const TakenApart rows[] = {
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
        const std::size_t size = list.size();
        const std::optional<Action> changed = edit(at, row.change);
        ASSERT_TRUE(changed) << row.details;
        EXPECT_EQ(*changed,
                  (Action{std::string(row.kind), row.result, std::string(row.icon), "key"}));
        EXPECT_EQ(list.size(), size);
    }
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
}

TEST_F(EditingTest, NothingToEditShowsNoEditor) {
    EXPECT_FALSE(edit(std::nullopt, [](ActionEditor&) {}));
    EXPECT_FALSE(edit(0, [](ActionEditor&) {}));
    put("Unknown", "whatever");
    EXPECT_FALSE(edit(0, [](ActionEditor&) {}));
    QApplication::processEvents();
    EXPECT_FALSE(ran);
}

// A drive the list doesn't offer joins it, so that OK without a change keeps it.
TEST_F(EditingTest, ADriveTheListLacksSurvivesOk) {
    const std::size_t at = put(kind::kMapDrive, "Map \\\\FILES\\APPS as C:\\");
    edit(at, [](ActionEditor& e) { click(e, "cmdNextMap"); });
    EXPECT_EQ(list.at(at).details, "Map \\\\FILES\\APPS as C:\\");
}

}  // namespace
}  // namespace kestrune::testing
