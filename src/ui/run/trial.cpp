#include "ui/run/trial.h"

#include <string>

#include "core/action_list.h"
#include "core/cp1252_text.h"
#include "core/document.h"
#include "files/write_refusal.h"
#include "platform/program_folder.h"
#include "platform/program_start.h"
#include "platform/prompts.h"
#include "platform/settings_store.h"
#include "platform/shell_open.h"
#include "platform/shown_text.h"
#include "platform/text_codec.h"
#include "platform/wait_cursor.h"
#include "run/trial_run.h"
#include "ui/run/run_texts.h"
#include "ui/run/warning_dialog.h"

namespace kestrune {

namespace {

void showFailure(const TrialContext& context, const QString& text) {
    context.prompts.message(
        {text, Utf8Text(kAppTitle), MessageButtons::Ok, MessageIcon::Critical, std::nullopt});
}

// The command line of the selected action, or none when there is none to start.
std::optional<std::string> selectedCommandLine(const ActionList& list,
                                               std::optional<std::size_t> selectedRow,
                                               Refusal& refusal) {
    if (!selectedRow || *selectedRow >= list.size()) {
        return std::nullopt;
    }
    Action action = list[*selectedRow];
    action.kind = std::string(trimmed(action.kind));
    return ActionCommandLine(action, &refusal);
}

// Document text goes into the message as it shows in the list.
QString refusedMessage(const ActionList& list, const RefusedRow& refused) {
    return ShownMessage(
        messages::actionRefused(refused.row, refused.refusal, list[refused.row].details));
}

bool warningSwitchedOff(SettingsStore& settings) {
    const SettingsStore::Value value =
        settings.read(Utf8Text(run_texts::kWarningSection), Utf8Text(run_texts::kWarnKey));
    return value.status == SettingsStore::Status::Found &&
           value.text == Utf8Text(run_texts::kWarnOff);
}

// The Execute button is off for as long as this lives.
class ExecuteButtonOff {
  public:
    explicit ExecuteButtonOff(const TrialContext& context) : context_(context) { set(false); }
    ~ExecuteButtonOff() { restore(); }
    ExecuteButtonOff(const ExecuteButtonOff&) = delete;
    ExecuteButtonOff& operator=(const ExecuteButtonOff&) = delete;

    void restore() {
        if (off_) {
            off_ = false;
            set(true);
        }
    }

  private:
    void set(bool enabled) {
        if (context_.setExecuteEnabled) {
            context_.setExecuteEnabled(enabled);
        }
    }
    const TrialContext& context_;
    bool off_ = true;
};

}  // namespace

QString TemporaryScriptPath(const QString& programFolder) {
    return FileInFolder(programFolder, kTemporaryScriptName);
}

TrialOutcome ExecuteAction(const TrialContext& context, std::optional<std::size_t> selectedRow) {
    TrialOutcome outcome = TrialOutcome::Nothing;
    std::string untested;
    if (!context.list.empty()) {
        Refusal refusal = Refusal::NoShare;
        const auto line = selectedCommandLine(context.list, selectedRow, refusal);
        // Document texts are Windows-1252, whatever the system's own code page.
        if (line && context.programs.start(FromCp1252(*line))) {
            outcome = TrialOutcome::Started;
            untested = context.list[*selectedRow].condition;
        } else if (!line && refusal != Refusal::NoShare) {
            // The action itself can't be written: say why, as saving it would.
            showFailure(context, refusedMessage(context.list, {*selectedRow, refusal}));
            outcome = TrialOutcome::Failed;
        } else {
            showFailure(context, ShownMessage(run_messages::actionFailed()));
            outcome = TrialOutcome::Failed;
        }
    }
    if (context.updateCommandState) {
        context.updateCommandState();
    }
    // Said after the command state, which may write the status text itself.
    if (!untested.empty() && context.setStatusText) {
        context.setStatusText(
            run_texts::Tr(run_texts::kConditionNotTested).arg(FromCp1252(untested)));
    }
    return outcome;
}

TrialOutcome ExecuteScript(const TrialContext& context) {
    if (!warningSwitchedOff(context.settings) &&
        AskNetworkWarning(context.settings, context.window) == WarningAnswer::Cancel) {
        return TrialOutcome::Cancelled;
    }

    const QString path = TemporaryScriptPath(context.programFolder);
    ExecuteButtonOff executeOff(context);
    WaitCursor wait;
    const TemporaryScriptResult written = context.programFolderUsable
                                              ? WriteTemporaryScript(PathBytes(path), context.list)
                                              : TemporaryScriptResult{};
    if (!written.written) {
        wait.restore();
        executeOff.restore();
        // The line is document text, the path the system's: each is read as what it is.
        QString text =
            ShownMessage(run_messages::scriptWriteFailed(written.failedLine, path.toStdString()));
        if (written.refused && written.refused->refusal != Refusal::NoShare) {
            text += QChar('\r') + refusedMessage(context.list, *written.refused);
        }
        showFailure(context, text);
        return TrialOutcome::Failed;
    }
    const bool opened = ShellOpened(context.shell.open(path, context.programFolder));
    wait.restore();
    executeOff.restore();
    if (!opened) {
        showFailure(context, ShownMessage(run_messages::scriptStartFailed(path.toStdString())));
        return TrialOutcome::Failed;
    }
    return TrialOutcome::Started;
}

}  // namespace kestrune
