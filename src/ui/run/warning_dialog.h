#pragma once

// frmWarn: the network warning before the whole script runs. OK goes on (and, with the
// box checked, switches the warning off for good); Cancel sets WarnCancelled so that the
// run stops. Closing it any other way is OK with the box unchecked.

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kestrune {

class SettingsStore;
struct DocumentState;

class WarningDialog : public QDialog {
    Q_OBJECT
  public:
    WarningDialog(DocumentState& document, SettingsStore& settings, QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void cmdOk_Click();
    void cmdCancel_Click();

    DocumentState& document_;
    SettingsStore& settings_;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QCheckBox* chkAgain = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace kestrune
