#pragma once

// Tries actions with every system service replaced: programs and the shell are recording
// doubles, the settings a map, the program's folder a fresh temporary one. The warning is
// the real frmWarn; a test's script runs in it once it is up and clicks like a user.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
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
    std::string fileBytes() const { return test::readBytes(temporaryPath().toStdString()); }

    void add(std::string_view kind, const std::string& details) {
        list.append("key" + std::to_string(list.size()), kind, "", details);
    }

    // Runs the script in the warning once it shows; a script that leaves it open fails.
    void onWarning(const Script& script) {
        test::whenModalShows<WarningDialog>(guard, warningShown, script);
    }
    // Execute Script, the warning answered with OK.
    TrialOutcome executeScript(const TrialContext& in) {
        onWarning([](WarningDialog& w) { click(w, "cmdOk"); });
        return ExecuteScript(in);
    }
    TrialOutcome executeScript() { return executeScript(context()); }

    static void click(QWidget& dialog, const char* name) {
        auto* button = dialog.findChild<QAbstractButton*>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        // A check box takes clicks on its box and its text only.
        const bool box = qobject_cast<QCheckBox*>(button) != nullptr;
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier,
                          box ? QPoint(4, button->height() / 2) : QPoint());
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
