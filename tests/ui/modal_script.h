#pragma once

// Runs a test's script inside a modal dialog once the command under test has shown it:
// the dialog's own event loop is running then, so the script types and clicks as a user.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include "qt_printers.h"

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
            ADD_FAILURE() << "the script left " << dialog->objectName() << " open";
            dialog->reject();
        }
    });
}

// Clicks the visible button or check box of that name, on its box as the mouse does.
inline void clickIn(QWidget& dialog, const char* name) {
    for (auto* button : dialog.findChildren<QAbstractButton*>(QLatin1String(name))) {
        if (button->isVisible()) {
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
            return;
        }
    }
    ADD_FAILURE() << name << " is not shown";
}

// The object names of the widgets Tab goes through, from the one with the focus until it
// comes back to it (or count have gone by).
inline QStringList tabOrder(int count = 16) {
    QStringList names;
    QWidget* first = QApplication::focusWidget();
    for (QWidget* at = first; at != nullptr && names.size() < count;) {
        names << at->objectName();
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
        if (at == first) {
            break;
        }
    }
    return names;
}

}  // namespace kestrune::test
