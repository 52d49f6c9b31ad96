#pragma once

// The wait cursor over the whole application for as long as the object lives.

#include <QCursor>
#include <QGuiApplication>

namespace kestrune {

class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    // Back to the normal cursor before the object ends, say before a message box.
    void restore() {
        if (active_) {
            active_ = false;
            QGuiApplication::restoreOverrideCursor();
        }
    }

  private:
    bool active_ = true;
};

}  // namespace kestrune
