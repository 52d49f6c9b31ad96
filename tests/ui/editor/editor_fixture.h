#pragma once

// Drives the real action editor headless: the editor is shown modally by AddAction or
// EditAction, and the test's script runs from the event loop once the dialog is up, types
// and clicks like a user, and closes it. What the editor returns goes into the list, as
// the window puts it there. Message boxes and file dialogs go to the scripted
// prompts; settings to a map; the system's recent network paths are fixed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <string>
#include <vector>

#include "core/action_list.h"
#include "memory_settings_store.h"
#include "modal_script.h"
#include "platform/recent_network_paths.h"
#include "scripted_prompts.h"
#include "ui/editor/action_editor.h"
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

class EditorTest : public ::testing::Test {
  protected:
    using Script = std::function<void(ActionEditor&)>;

    EditorContext context() { return EditorContext{list, shares, prompts}; }

    // Shows the editor for adding and runs the script in it. A script that leaves the editor
    // open fails the test, and the editor is cancelled.
    std::optional<Action> add(const Script& script) {
        drive(script);
        auto added = AddAction(context(), nullptr);
        if (added) {
            list.append(*added);
        }
        return added;
    }

    std::optional<Action> edit(std::optional<std::size_t> row, const Script& script) {
        drive(script);
        auto changed = EditAction(context(), row, nullptr);
        if (changed) {
            list.at(*row) = *changed;
        }
        return changed;
    }

    void drive(const Script& script) { test::whenModalShows<ActionEditor>(guard, ran, script); }

    template <typename T>
    static T* find(ActionEditor& editor, const char* name) {
        T* widget = editor.findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    template <typename T>
    static T* findOn(QWidget* page, const char* name) {
        T* widget = page->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    static QWidget* currentPage(ActionEditor& editor) {
        return editor.findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly)
            ->currentWidget();
    }
    static QString currentPageName(ActionEditor& editor) {
        return currentPage(editor)->objectName();
    }

    // Clicks the visible button of that name (every page has its own Back and Cancel).
    static void click(ActionEditor& editor, const char* name) {
        QAbstractButton* button = nullptr;
        for (auto* candidate : editor.findChildren<QAbstractButton*>(QLatin1String(name))) {
            if (candidate->isVisible()) {
                button = candidate;
            }
        }
        ASSERT_NE(button, nullptr) << name << " is not shown";
        // Option buttons and check boxes take clicks on their box and text only.
        const bool box = qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier,
                          box ? QPoint(4, button->height() / 2) : QPoint());
    }
    static void clickOnPage(ActionEditor& editor, const char* name) {
        QAbstractButton* button = findOn<QAbstractButton>(currentPage(editor), name);
        ASSERT_TRUE(button->isVisible()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Types into a field as a user would: clicks into it first.
    static void type(ActionEditor& editor, const char* field, const QString& text) {
        QWidget* widget = find<QWidget>(editor, field);
        if (auto* box = qobject_cast<QComboBox*>(widget)) {
            widget = box->lineEdit();
        }
        widget->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(widget, text);
    }
    static QString text(ActionEditor& editor, const char* field) {
        QWidget* widget = find<QWidget>(editor, field);
        if (auto* box = qobject_cast<QComboBox*>(widget)) {
            return box->currentText();
        }
        return qobject_cast<QLineEdit*>(widget)->text();
    }
    static QStringList items(ActionEditor& editor, const char* field) {
        auto* box = find<QComboBox>(editor, field);
        QStringList out;
        for (int i = 0; i < box->count(); ++i) {
            out << box->itemText(i);
        }
        return out;
    }
    static void chooseDrive(ActionEditor& editor, const QString& drive) {
        auto* box = find<QComboBox>(editor, "cboDrive");
        const int index = box->findText(drive);
        ASSERT_GE(index, 0) << drive.toStdString();
        box->setCurrentIndex(index);
    }

    std::vector<QString> messageTexts() const {
        std::vector<QString> out;
        for (const auto& shown : prompts.messages) {
            out.push_back(shown.request.text);
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
