#pragma once

// The frame "Connection options" of the Map Drive and Map Printer pages: the NET USE switches
// a mapping or a disconnection may carry. What the mapping doesn't take is disabled, and its
// value is kept for when it takes it again; OK writes only what is enabled.

#include <QGroupBox>
#include <string>

#include "core/action_options.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace kestrune {

class ConnectionOptions : public QGroupBox {
    Q_OBJECT
  public:
    explicit ConnectionOptions(QWidget* parent = nullptr);

    // Enables the controls of the options a mapping of this set takes: all of them for a
    // share, no user for a home directory, only the answer and the messages for a
    // disconnection.
    void takeOptionsOf(OptionSet set);
    OptionSet optionSet() const { return set_; }

    // What the enabled controls say; the user name as typed, less blanks around it.
    OwnedOptions options() const;
    // Fills every control, enabled or not.
    void setOptions(const OwnedOptions& options);

    // The user name that OK would write, or an empty text when it writes none.
    std::string userToWrite() const;

    QCheckBox* chkConfirm = nullptr;
    QLineEdit* txtUser = nullptr;

  private:
    OptionSet set_ = OptionSet::Connection;
    QComboBox* cboReconnect = nullptr;
    QCheckBox* chkQuiet = nullptr;
    QCheckBox* chkSaveCred = nullptr;
};

}  // namespace kestrune
