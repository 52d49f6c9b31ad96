#pragma once

// A toolbar button kept disabled while its command works (writes a file, moves an entry),
// and given back the state it had, whatever happens.

#include <QAction>

namespace kestrune {

class ButtonHold {
  public:
    explicit ButtonHold(QAction* button)
        : button_(button), wasEnabled_(button != nullptr && button->isEnabled()) {
        if (button_ != nullptr) {
            button_->setEnabled(false);
        }
    }
    ~ButtonHold() {
        if (button_ != nullptr) {
            button_->setEnabled(wasEnabled_);
        }
    }
    ButtonHold(const ButtonHold&) = delete;
    ButtonHold& operator=(const ButtonHold&) = delete;

  private:
    QAction* button_;
    bool wasEnabled_;
};

}  // namespace kestrune
