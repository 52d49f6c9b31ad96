#pragma once

// frmWarn: the network warning before the whole script runs. OK goes on (and, with the
// box checked, switches the warning off for good); Cancel stops the run. Closing it any
// other way is OK with the box unchecked.

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kestrune {

class SettingsStore;

enum class WarningAnswer { GoOn, Cancel };

class WarningDialog : public QDialog {
    Q_OBJECT
  public:
    explicit WarningDialog(SettingsStore& settings, QWidget* parent = nullptr);

    // How the dialog was closed: Cancel only by its Cancel button (or Escape).
    WarningAnswer answer() const { return answer_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void cmdOk_Click();
    void cmdCancel_Click();

    SettingsStore& settings_;
    WarningAnswer answer_ = WarningAnswer::GoOn;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QCheckBox* chkAgain = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
};

// Shows frmWarn modally and returns its answer.
WarningAnswer AskNetworkWarning(SettingsStore& settings, QWidget* parent);

}  // namespace kestrune
