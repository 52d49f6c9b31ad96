#pragma once

// Drives the real action editor headless: AddAction or EditAction shows it modally and the
// test's script types and clicks in it like a user; an added entry is appended, as the window
// does. Messages and file dialogs go to the scripted prompts, settings to a map; the system's
// recent network paths are fixed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <functional>

#include "core/action_list.h"
#include "memory_settings_store.h"
#include "modal_script.h"
#include "scripted_prompts.h"
#include "ui/editor/action_editor.h"
#include "ui/editor/recent_network_paths.h"
#include "ui/editor/share_suggestions.h"

namespace kestrune::testing {

class FixedRecentNetworkPaths : public RecentNetworkPaths {
  public:
    RecentNetworkNames ReadRecentNetworkPaths() override {
        ++reads;
        return answer;
    }
    RecentNetworkNames answer{2, {}, false};  // by default: no such list here
    int reads = 0;
};

inline QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A kind's page: the type page's button for it, its main field and its OK button.
struct Page {
    std::string_view kind;
    const char* button;
    const char* name;
    const char* field;
    const char* ok;
};
inline const Page kMap{kind::kMapDrive, "cmdMap", "fraMap", "txtShare", "cmdNextMap"};
inline const Page kApp{kind::kRunApplication, "cmdApp", "fraRun", "txtLocalApp", "cmdNextApp"};
inline const Page kReg{kind::kMergeRegistry, "cmdReg", "fraReg", "txtReg", "cmdNextReg"};
inline const Page kMotd{kind::kDisplayMessage, "cmdMotd", "fraMessage", "txtRemoteMotd",
                        "cmdNextMotd"};
inline const Page kOther{kind::kOther, "cmdOther", "fraOther", "txtOther", "cmdOkOther"};
inline const Page kPrint{kind::kMapPrinter, "cmdMapPrint", "fraPrint", "txtPrint", "cmdOkPrint"};

class EditorTest : public ::testing::Test {
  protected:
    using Script = std::function<void(ActionEditor&)>;

    // Shows the editor for adding, or on the entry at row, and runs the script in it.
    std::optional<Action> add(const Script& script) {
        test::whenModalShows<ActionEditor>(guard, ran, script);
        auto added = AddAction(EditorContext{list, shares, prompts}, nullptr);
        if (added) {
            list.append(*added);
        }
        return added;
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
    static QWidget* page(ActionEditor& editor) {
        return editor.findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly)
            ->currentWidget();
    }
    // Clicks the visible button of that name (every page has its own Back and Cancel).
    static void click(ActionEditor& editor, const char* name) {
        QAbstractButton* button = nullptr;
        for (auto* candidate : editor.findChildren<QAbstractButton*>(QLatin1String(name))) {
            button = candidate->isVisible() ? candidate : button;
        }
        ASSERT_NE(button, nullptr) << name << " is not shown";
        // Option buttons and check boxes take clicks on their box and text only.
        const bool box = qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier,
                          box ? QPoint(4, button->height() / 2) : QPoint());
    }
    // The line a field is typed into: its own, or its drop-down list's.
    static QLineEdit* line(ActionEditor& editor, const char* field) {
        QWidget* widget = find(editor, field);
        auto* box = qobject_cast<QComboBox*>(widget);
        return box ? box->lineEdit() : qobject_cast<QLineEdit*>(widget);
    }
    // Types into a field as a user would: clicks into it first.
    static void type(ActionEditor& editor, const char* field, const QString& text) {
        line(editor, field)->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(line(editor, field), text);
    }
    static QString text(ActionEditor& editor, const char* field) {
        return line(editor, field)->text();
    }
    static QStringList items(ActionEditor& editor, const char* field) {
        auto* box = find<QComboBox>(editor, field);
        QStringList out;
        for (int i = 0; i < box->count(); ++i) {
            out << box->itemText(i);
        }
        return out;
    }

    ActionList list;
    MemorySettingsStore settings;
    FixedRecentNetworkPaths recentPaths;
    ShareSuggestions shares{settings, recentPaths};
    ScriptedPrompts prompts;
    bool ran = false;
    QObject guard;
};

}  // namespace kestrune::testing
