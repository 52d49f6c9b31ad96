#pragma once

// The action editor frmAdd: a modal dialog that creates one action (Adding mode, opened on
// the type page) or changes the Details of the selected one (Editing mode, opened on the
// page of its kind). It only reads the list: it returns the new or changed action, and the
// list's owner puts it in, marks the document and remembers the share.

#include <QDialog>
#include <QHash>
#include <QIcon>
#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "core/action.h"
#include "core/action_builders.h"
#include "platform/prompts.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;

namespace kestrune {

class ActionList;
class ConnectionOptions;
class ShareSuggestions;

struct EditorContext {
    // Read for the entry being edited and for keeping a new entry's key unique.
    const ActionList& list;
    // Loaded into the path fields' drop-down lists.
    ShareSuggestions& shares;
    Prompts& prompts;
};

class ActionEditor : public QDialog {
    Q_OBJECT
  public:
    // Loads a fresh editor in Adding mode on the type page; reads the share suggestions.
    explicit ActionEditor(EditorContext context, QWidget* parent = nullptr);

    // Switches to Editing mode on the entry at row: its kind's page, filled from its
    // Details. False, and nothing changed, when there is no such entry or its kind is none
    // of the six; the editor must then not be shown.
    bool editEntry(std::size_t row);

    // The new or changed entry once OK has closed the editor; none after Cancel.
    const std::optional<Action>& result() const { return result_; }

    // The picture of a kind ("drive", "printer", "application", "registry", "message",
    // "command").
    static QIcon picture(std::string_view name);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Mode { Adding, Editing };

    void buildTypePage();
    QGroupBox* buildPage(const char* frameName, std::string_view caption,
                         std::string_view pictureName, std::string_view explanation,
                         QLayout* fields, int backIndex, QPushButton*& okButton,
                         const char* okName);
    // The row "Run if:" of page i (cmdBack's order): the condition's choice and name.
    QLayout* buildRunIf(std::size_t page);
    void buildMapPage();
    // The row "Action:" with Connect and Disconnect, Connect chosen.
    QLayout* buildActionChoice(QRadioButton*& connect, QRadioButton*& disconnect);
    void buildRunPage();
    void buildMessagePage();
    void buildRegPage();
    void buildOtherPage();
    void buildPrintPage();
    void fillShareLists();

    void showKindPage(std::string_view kind, QGroupBox* page, QPushButton* okButton,
                      QWidget* field);
    void showTypePage(QToolButton* from);
    // Shows the entry's drive, adding it to the list when the list doesn't offer it.
    void setDrive(const QString& drive);
    void makeDefaultOnFocus(QWidget* field, QPushButton* okButton);

    void chkHome_Click();
    void optMapAction_Click();
    // Presets or gives back "Answer yes to questions" as all connections are chosen or not.
    void cboDrive_Click();
    void optPrintAction_Click();
    void optRun_Click();
    void optReg_Click();
    void cmdBrowse_Click();
    void cmdNextMap_Click();
    void cmdNextApp_Click();
    void cmdNextReg_Click();
    void cmdNextMotd_Click();
    void cmdOkPrint_Click();
    void cmdOkOther_Click();

    // Adding mode: the new entry, its key made unique in the list.
    Action CommitAction(Action built) const;
    // Editing mode: the entry being edited with its new Details (a drive mapping also its
    // picture); its kind and key stay.
    Action rewriteEntry(const Action& built) const;
    // Builds the entry from the page's fields and its Run if row, keeps it as the result and
    // closes; or says what is wrong with the row's name and stays.
    void finish(const EditorFields& fields);
    // The page in use, in cmdBack's order.
    std::size_t currentPage() const;
    // The condition the page's Run if row makes (empty: always); none, after saying why, when
    // its name is missing or breaks a rule.
    std::optional<std::string> runIfCondition(std::size_t page);
    // Properties: the row of the page filled from the entry's condition.
    void fillRunIf(std::size_t page, std::string_view condition);

    // Properties: a page's controls filled from the entry, the choices first, since what
    // they do to the fields comes before the texts.
    void fillMapPage(const EditorFields& fields);
    void fillPrintPage(const EditorFields& fields);
    void fillRunPage(const EditorFields& fields);
    void fillRegPage(const EditorFields& fields);

    void warn(std::string_view text, MessageIcon icon);
    // Refuses a bad value: says why, then selects the field that holds it.
    bool refused(bool bad, std::string_view why, QLineEdit* field);
    // Refuses a share or path holding a double quote.
    bool refusedForQuote(std::string_view text, QLineEdit* field);
    // Refuses a user name the options would write that cmd.exe or NET would take apart.
    bool refusedUser(const ConnectionOptions* options);
    bool useAnyway(std::string_view question, MessageIcon icon);

    EditorContext context_;
    Mode mode_ = Mode::Adding;
    std::size_t editedRow_ = 0;
    // "Answer yes to questions" checked by choosing to disconnect all connections, and what
    // it was before: choosing something else gives that back, unless the user has clicked it.
    bool confirmPreset_ = false;
    bool confirmBefore_ = false;
    std::optional<Action> result_;
    // The OK button that becomes the default when a page's field gets the focus.
    QHash<QObject*, QPushButton*> defaultFor_;

    // The kind of the page in use; the page's OK builds the rest from its fields.
    std::string PendingKind;

    QStackedWidget* pages_ = nullptr;
    QGroupBox* fraAction = nullptr;
    QGroupBox* fraMap = nullptr;
    QGroupBox* fraRun = nullptr;
    QGroupBox* fraMessage = nullptr;
    QGroupBox* fraReg = nullptr;
    QGroupBox* fraOther = nullptr;
    QGroupBox* fraPrint = nullptr;

    QToolButton* cmdMap = nullptr;
    QToolButton* cmdApp = nullptr;
    QToolButton* cmdReg = nullptr;
    QToolButton* cmdMotd = nullptr;
    QToolButton* cmdOther = nullptr;
    QToolButton* cmdMapPrint = nullptr;

    // Back button i belongs to page i: map, run, message, registry, other, printer.
    std::array<QPushButton*, 6> cmdBack{};
    // Cancel 0 is the type page's, 1 to 6 those of the pages in cmdBack's order.
    std::array<QPushButton*, 7> cmdCancel{};
    // Each page's Run if row, in cmdBack's order.
    std::array<QComboBox*, 6> cboRunIf{};
    std::array<QLineEdit*, 6> txtRunIf{};

    QRadioButton* optMapConnect = nullptr;
    QRadioButton* optMapDisconnect = nullptr;
    QComboBox* txtShare = nullptr;
    QComboBox* cboDrive = nullptr;
    QCheckBox* chkHome = nullptr;
    ConnectionOptions* mapOptions = nullptr;
    QPushButton* cmdNextMap = nullptr;

    QRadioButton* optClient = nullptr;
    QRadioButton* optServer = nullptr;
    QLabel* lblLocalApp = nullptr;
    QLabel* lblRemoteApp = nullptr;
    QComboBox* txtLocalApp = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QLineEdit* txtArguments = nullptr;
    QRadioButton* optStart = nullptr;
    QRadioButton* optWait = nullptr;
    QPushButton* cmdNextApp = nullptr;

    QComboBox* txtRemoteMotd = nullptr;
    QPushButton* cmdNextMotd = nullptr;

    QRadioButton* optRegClient = nullptr;
    QRadioButton* optRegServer = nullptr;
    QLabel* lblLocalReg = nullptr;
    QLabel* lblRemoteReg = nullptr;
    QComboBox* txtReg = nullptr;
    // How the file is merged, in the order of MergeMethod.
    std::array<QRadioButton*, 3> optMerge{};
    QPushButton* cmdNextReg = nullptr;

    QLineEdit* txtOther = nullptr;
    QPushButton* cmdOkOther = nullptr;

    QRadioButton* optPrintConnect = nullptr;
    QRadioButton* optPrintDisconnect = nullptr;
    QComboBox* txtPrint = nullptr;
    QLineEdit* txtPort = nullptr;
    ConnectionOptions* printOptions = nullptr;
    QPushButton* cmdOkPrint = nullptr;
};

// Add Action: shows a fresh editor modally on its type page; the entry to append, or none.
std::optional<Action> AddAction(const EditorContext& context, QWidget* parent);
// Action Properties: shows a fresh editor modally on the selected entry; the entry to put in
// its place, or none. Shows nothing when nothing is selected, the row is past the end, or
// the entry's kind is unknown.
std::optional<Action> EditAction(const EditorContext& context,
                                 std::optional<std::size_t> selectedRow, QWidget* parent);

}  // namespace kestrune
