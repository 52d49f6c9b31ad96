#pragma once

// The action editor shown modally as the window shows it, with a test's script running in it,
// and what the scripts use to find, type into and read its pages.

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "core/action_list.h"
#include "launch_doubles.h"
#include "memory_settings_store.h"
#include "modal_script.h"
#include "scripted_prompts.h"
#include "ui/editor/action_editor.h"
#include "ui/editor/editor_texts.h"
#include "ui/editor/share_suggestions.h"

namespace kestrune::test {

inline QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A kind's page: the type page's button for it, its main field and its OK button.
struct Page {
    std::string_view kind;
    const char *button, *name, *field, *ok;
};
inline const Page kMap{kind::kMapDrive, "cmdMap", "fraMap", "txtShare", "cmdNextMap"};
inline const Page kApp{kind::kRunApplication, "cmdApp", "fraRun", "txtLocalApp", "cmdNextApp"};
inline const Page kReg{kind::kMergeRegistry, "cmdReg", "fraReg", "txtReg", "cmdNextReg"};
inline const Page kMotd{kind::kDisplayMessage, "cmdMotd", "fraMessage", "txtRemoteMotd",
                        "cmdNextMotd"};
inline const Page kOther{kind::kOther, "cmdOther", "fraOther", "txtOther", "cmdOkOther"};
inline const Page kPrint{kind::kMapPrinter, "cmdMapPrint", "fraPrint", "txtPrint", "cmdOkPrint"};

// The editor shown modally by AddAction or EditAction; the script runs in it once it is up.
class EditorTest : public ::testing::Test {
  protected:
    using Script = std::function<void(ActionEditor&)>;

    std::optional<Action> add(const Script& script) {
        test::whenModalShows<ActionEditor>(guard, ran, script);
        return AddAction(EditorContext{list, shares, prompts}, nullptr);
    }
    std::optional<Action> edit(std::optional<std::size_t> row, const Script& script) {
        test::whenModalShows<ActionEditor>(guard, ran, script);
        return EditAction(EditorContext{list, shares, prompts}, row, nullptr);
    }

    template <typename T = QWidget>
    static T* find(ActionEditor& editor, const char* name) {
        T* widget = editor.findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static QWidget* shownPage(ActionEditor& editor) {
        return editor.findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly)
            ->currentWidget();
    }
    static QString page(ActionEditor& editor) { return shownPage(editor)->objectName(); }
    // The control of that name on the page shown: both mapping pages have the options.
    template <typename T = QWidget>
    static T* on(ActionEditor& editor, const char* name) {
        T* widget = shownPage(editor)->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // The line a field of the page shown is typed into: its own, or its drop-down list's.
    static QLineEdit* line(ActionEditor& editor, const char* field) {
        QWidget* widget = on(editor, field);
        auto* box = qobject_cast<QComboBox*>(widget);
        return box ? box->lineEdit() : qobject_cast<QLineEdit*>(widget);
    }
    // Types into a field as a user would: clicks into it first.
    static void type(ActionEditor& editor, const char* field, const QString& text) {
        line(editor, field)->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(line(editor, field), text);
    }
    // Picks an entry of a pick-only list on the page shown.
    static void pick(ActionEditor& editor, const char* box, const QString& text) {
        auto* list = on<QComboBox>(editor, box);
        const int index = list->findText(text);
        ASSERT_GE(index, 0) << text;
        list->setCurrentIndex(index);
    }
    // Steps of a script, for the tables.
    static Script typing(const char* field, const char* text) {
        return [field, text](ActionEditor& e) { type(e, field, text); };
    }
    static Script clicking(const char* name) {
        return [name](ActionEditor& e) { clickIn(e, name); };
    }
    static Script picking(const char* box, const char* text) {
        return [box, text](ActionEditor& e) { pick(e, box, text); };
    }
    static Script steps(std::vector<Script> all) {
        return [all = std::move(all)](ActionEditor& e) {
            for (const Script& step : all) {
                step(e);
            }
        };
    }
    static QStringList items(ActionEditor& editor, const char* field) {
        auto* box = find<QComboBox>(editor, field);
        QStringList out;
        for (int i = 0; i < box->count(); ++i) {
            out << box->itemText(i);
        }
        return out;
    }
    // What every control of the page shown holds, and which are off: «txtShare=\\SRV\A,
    // chkHome=0, txtUser (off)=, …».
    static QString state(ActionEditor& editor) {
        QStringList out;
        for (QWidget* widget : shownPage(editor)->findChildren<QWidget*>()) {
            QString value;
            auto* button = qobject_cast<QAbstractButton*>(widget);
            auto* edit = qobject_cast<QLineEdit*>(widget);
            if (auto* box = qobject_cast<QComboBox*>(widget)) {
                value = box->currentText();
            } else if (edit != nullptr && !qobject_cast<QComboBox*>(edit->parentWidget())) {
                value = edit->text();
            } else if (button != nullptr && button->isCheckable()) {
                value = button->isChecked() ? "1" : "0";
            } else {
                continue;
            }
            out << widget->objectName() + (widget->isEnabled() ? "=" : " (off)=") + value;
        }
        return out.join(", ");
    }

    ActionList list;
    MemorySettingsStore settings;
    FixedRecentNetworkPaths recentPaths;
    ShareSuggestions shares{settings, recentPaths};
    ScriptedPrompts prompts;
    bool ran = false;
    QObject guard;
};

}  // namespace kestrune::test
