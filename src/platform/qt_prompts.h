#pragma once

// Prompts shown with QMessageBox and QFileDialog.

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "platform/prompts.h"

namespace kestrune {

// "desc|pattern|desc|pattern" as Qt's "desc (pattern);;..." filter list. A description
// that names its patterns in brackets is kept as it is; one that names fewer than it has
// ("Batch Files (*.bat) |*.bat;*.cmd") shows them all, since Qt matches only what the
// brackets name.
QString QtFileFilter(const QString& pairs);

// The program's CR line breaks as the new lines a message box shows.
QString DisplayedMessage(const QString& text);

class QtPrompts : public Prompts {
  public:
    // Dialogs are modal over the window given here (none until it is set).
    void setParentWindow(QWidget* window) { parent_ = window; }

    Answer message(const MessageRequest& request) override;
    QString chooseFile(const FileDialogRequest& request) override;

  private:
    QPointer<QWidget> parent_;
    QString lastFolder_;
};

}  // namespace kestrune
