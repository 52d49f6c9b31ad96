#pragma once

// Check Script: asks the servers a script names about each share, printer and file, on a
// worker thread so that the window stays usable, with a progress dialog that can be
// cancelled at once, then lists each action with a picture for its result and the reason.
// The check works on a copy of the list taken as it starts. Double-clicking a row asks the
// owner to select that action, known by its key.

#include <QDialog>
#include <QIcon>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

#include "check/checker.h"
#include "core/action_list.h"

class QLabel;
class QLineEdit;
class QProgressDialog;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kestrune {

class SettingsStore;

class CheckDialog : public QDialog {
    Q_OBJECT

  public:
    // Made on the worker thread, used there only.
    using BackendFactory =
        std::function<std::unique_ptr<check::ShareBackend>(const check::Connection&)>;
    // The password of a user; none when the user cancels.
    using PasswordAsker = std::function<std::optional<QString>(const QString& user)>;

    // Gives the list to check as it is at that moment.
    using ListSource = std::function<ActionList()>;

    // Each check copies the list from source as it starts: it goes on while the list the
    // copy came from is edited.
    CheckDialog(ListSource source, SettingsStore& settings, QWidget* parent = nullptr,
                BackendFactory backends = check::makeSystemBackend, PasswordAsker askPassword = {});
    // Checks this list, always.
    CheckDialog(ActionList list, SettingsStore& settings, QWidget* parent = nullptr,
                BackendFactory backends = check::makeSystemBackend, PasswordAsker askPassword = {});
    ~CheckDialog() override;

    static QIcon outcomeIcon(check::Outcome outcome);

    bool checking() const { return run_ != nullptr; }

  signals:
    // The action the user double-clicked in the report: its row (from 0) when the check
    // began, and its key in the list it was copied from.
    void actionActivated(int row, ItemKey key);
    // The report is complete, or as complete as a cancel left it.
    void checkFinished();

  public slots:
    void startCheck();
    // Stops a running check at once, keeping the rows reported so far; a server still being
    // asked is left to answer to no one.
    void cancelCheck();

  private:
    struct Run;
    void addResult(int position, const QString& kind, check::Outcome outcome,
                   const QString& reason);
    // failure: why the check ended early, shown in place of the summary.
    void finishCheck(bool cancelled, const QString& failure = {});
    std::optional<QString> askPasswordDialog(const QString& user);

    ListSource source_;
    // The list of the running or last check.
    std::shared_ptr<const ActionList> checked_;
    SettingsStore& settings_;
    BackendFactory backends_;
    PasswordAsker askPassword_;
    std::shared_ptr<Run> run_;

    QLineEdit* txtServers_;
    QLineEdit* txtUser_;
    QPushButton* cmdCheck_;
    QTreeWidget* lstReport_;
    QLabel* lblStatus_;
    QProgressDialog* progress_ = nullptr;
    int problems_ = 0;
    int warnings_ = 0;
};

}  // namespace kestrune
