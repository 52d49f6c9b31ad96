// The "Run if:" row every page has, driven like a user: each choice makes its condition on
// each page, Properties shows it and a change is written, and a missing or bad name is
// refused with its message.

#include "editor_fixture.h"

namespace kestrune::test {
namespace {

namespace texts = editor_texts;

class RunIfTest : public EditorTest {
  protected:
    static void choose(ActionEditor& e, const QString& choice) {
        auto* box = on<QComboBox>(e, "cboRunIf");
        const int index = box->findText(choice);
        ASSERT_GE(index, 0) << choice.toStdString();
        box->setCurrentIndex(index);
    }
    // A page's own field filled in so that its OK hands on the entry.
    static void fill(ActionEditor& e, const Page& page) {
        if (page.kind == kind::kMapPrinter) {
            type(e, "txtPort", "1");
        }
        type(e, page.field, page.kind == kind::kMergeRegistry ? "\\\\S\\P.REG" : "\\\\S\\X");
    }
};

TEST_F(RunIfTest, EachChoiceMakesItsConditionOnEveryPageAndPropertiesShowsIt) {
    // Blanks around the name mean nothing.
    const std::tuple<Page, const char*, std::string, std::string> rows[] = {
        {kMap, "User is member of group", " CORP\\Finance", "member of CORP\\Finance"},
        {kApp, "User is not member of group", "Domain Users ", "not member of Domain Users"},
        {kReg, "User name is", "bob", "user bob"},
        {kMotd, "User name is not", "Jo Smith", "not user Jo Smith"},
        {kOther, "Computer name is", "LAB-PC01", "computer LAB-PC01"},
        {kPrint, "Computer name is not", "KIOSK", "not computer KIOSK"},
    };
    for (const auto& [page, choice, typed, condition] : rows) {
        SCOPED_TRACE(condition);
        const QString name = q(typed).trimmed();
        const auto added = add([&](ActionEditor& e) {
            clickIn(e, page.button);
            fill(e, page);
            EXPECT_EQ(items(e, "cboRunIf").join('|'),
                      "Always|User is member of group|User is not member of "
                      "group|User name is|User name is not|Computer name "
                      "is|Computer name is not");
            EXPECT_FALSE(on(e, "txtRunIf")->isEnabled());
            choose(e, choice);
            type(e, "txtRunIf", q(typed));
            clickIn(e, page.ok);
        });
        ASSERT_TRUE(added);
        EXPECT_EQ(added->condition, condition);
        list.clear();
        list.append(*added);
        // Properties opens the entry's page with its row; Always takes the condition away.
        const auto changed = edit(0, [&](ActionEditor& e) {
            EXPECT_EQ(EditorTest::page(e), page.name);
            EXPECT_EQ(on<QComboBox>(e, "cboRunIf")->currentText(), choice);
            EXPECT_EQ(line(e, "txtRunIf")->text(), name);
            EXPECT_TRUE(on(e, "txtRunIf")->isEnabled());
            choose(e, "Always");
            clickIn(e, page.ok);
        });
        ASSERT_TRUE(changed);
        EXPECT_EQ(*changed, (Action{added->kind, added->details, added->iconKey}));
    }
    EXPECT_TRUE(prompts.messages.empty());
}

// A name is refused on OK, after the page's own checks, with the field selected; a page's
// row is its own, and what was typed in it stays when going Back.
TEST_F(RunIfTest, AMissingOrBadNameIsRefusedWithItsMessage) {
    const std::pair<const char*, std::string> rows[] = {
        {"User name is", "  "},
        {"User is member of group", "Fin\"ance"},
        {"User name is", "Bj\xC3\xB6rn"},
    };
    for (const auto& [choice, name] : rows) {
        SCOPED_TRACE(name);
        prompts.messages.clear();
        const bool empty = name.find_first_not_of(' ') == std::string::npos;
        EXPECT_FALSE(add([&](ActionEditor& e) {
            clickIn(e, kOther.button);
            type(e, kOther.field, "echo x");
            choose(e, choice);
            const QString text = QString::fromStdString(name);
            // QTest types ASCII only; an input method hands over other letters whole.
            text.toLatin1() == name.c_str() ? type(e, "txtRunIf", text)
                                            : line(e, "txtRunIf")->insert(text);
            clickIn(e, kOther.ok);
            ASSERT_TRUE(e.isVisible());
            QLineEdit* field = line(e, "txtRunIf");
            EXPECT_TRUE(field->hasFocus());
            if (!empty) {
                EXPECT_EQ(field->selectedText(), field->text());
            }
            clickIn(e, "cmdBack");
            clickIn(e, kMotd.button);
            EXPECT_EQ(on<QComboBox>(e, "cboRunIf")->currentText(), "Always");
            clickIn(e, "cmdBack");
            clickIn(e, kOther.button);
            EXPECT_EQ(line(e, "txtRunIf")->text(), QString::fromStdString(name));
            clickIn(e, "cmdCancel");
        }));
        prompts.expectOnly(q(empty ? texts::kEmptyConditionName : texts::kBadConditionName),
                           MessageButtons::Ok, MessageIcon::Exclamation);
    }
}

}  // namespace
}  // namespace kestrune::test
