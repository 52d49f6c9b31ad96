#pragma once

// Tries actions with every system service replaced: programs and the shell are recording
// doubles, the settings a map, the program's folder a fresh temporary one. The warning
// dialog is the real frmWarn; a test's script runs in it once it is up, from the event
// loop, and clicks like a user.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "core/action_list.h"
#include "launch_doubles.h"
#include "memory_settings_store.h"
#include "modal_script.h"
#include "scripted_prompts.h"
#include "support/temp_dir.h"
#include "ui/run/trial.h"
#include "ui/run/warning_dialog.h"

namespace kestrune::testing {

inline QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class TrialTest : public ::testing::Test {
  protected:
    using Script = std::function<void(WarningDialog&)>;

    TrialContext context() {
        return TrialContext{list,
                            settings,
                            prompts,
                            programs,
                            shell,
                            folder(),
                            &window,
                            [this](bool enabled) { executeStates.push_back(enabled); },
                            [this] { ++commandStateUpdates; }};
    }

    QString folder() const { return QString::fromStdString(dir.path().string()); }
    QString temporaryPath() const { return folder() + QDir::separator() + "temp.bat"; }

    void add(std::string_view kind, const std::string& details) {
        list.append("key" + std::to_string(list.size()), kind, "", details);
    }

    // Runs the script in the warning once it shows. Tied to the fixture, so that a script
    // never runs after its test has ended; a script that leaves the warning open fails.
    void onWarning(const Script& script) {
        test::whenModalShows<WarningDialog>(guard, warningShown, script);
    }

    TrialOutcome executeScript() { return ExecuteScript(context()); }

    // Shows the warning, answers it with OK, and runs the script.
    TrialOutcome executeScriptPastWarning() {
        onWarning([](WarningDialog& w) { click(w, "cmdOk"); });
        return executeScript();
    }

    template <typename T>
    static T* find(QWidget& dialog, const char* name) {
        T* widget = dialog.findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static void click(QWidget& dialog, const char* name) {
        auto* button = find<QAbstractButton>(dialog, name);
        ASSERT_NE(button, nullptr);
        // A check box takes clicks on its box and its text only.
        const bool box = qobject_cast<QCheckBox*>(button) != nullptr;
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier,
                          box ? QPoint(4, button->height() / 2) : QPoint());
    }

    bool fileWritten() const { return QFileInfo::exists(temporaryPath()); }
    std::string fileBytes() const { return test::readBytes(temporaryPath().toStdString()); }

    std::vector<QString> messageTexts() const {
        std::vector<QString> out;
        for (const auto& shown : prompts.messages) {
            out.push_back(shown.request.text);
        }
        return out;
    }

    ActionList list;
    MemorySettingsStore settings;
    ScriptedPrompts prompts;
    RecordingProgramStarter programs;
    RecordingShellOpener shell;
    test::TempDir dir;
    QWidget window;
    std::vector<bool> executeStates;
    int commandStateUpdates = 0;
    bool warningShown = false;
    QObject guard;
};

}  // namespace kestrune::testing
