#pragma once

// Runs a test's script inside a modal dialog once the command under test has shown it:
// the dialog's own event loop is running then, so the script types and clicks as a user.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace kestrune::test {

// shown tells whether such a dialog came up. The script is tied to guard, so that it never
// runs after its test has ended; a script that leaves the dialog open fails the test.
template <typename Dialog>
void whenModalShows(QObject& guard, bool& shown, std::function<void(Dialog&)> script) {
    shown = false;
    QTimer::singleShot(0, &guard, [&shown, script = std::move(script)] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        shown = true;
        // Lets the window system make the dialog active, so that focus moves as for a user.
        QApplication::processEvents();
        script(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the script left " << dialog->objectName().toStdString() << " open";
            dialog->reject();
        }
    });
}

}  // namespace kestrune::test
