#pragma once

// The prompts of the tests: every request is recorded as it was made, and the answers
// come from a script. A message box without a scripted answer takes its first button.

#include <deque>

#include "platform/prompts.h"
#include "qt_printers.h"

namespace kestrune::test {

class ScriptedPrompts : public Prompts {
  public:
    struct Shown {
        MessageRequest request;
        bool waitCursor = false;  // the wait cursor was on while it was shown
    };

    Answer message(const MessageRequest& request) override;
    QString chooseFile(const FileDialogRequest& request) override;

    // The one message shown: its text, and the program's title, buttons and icon, shown
    // with the normal cursor.
    void expectOnly(const QString& text, MessageButtons buttons = MessageButtons::Ok,
                    MessageIcon icon = MessageIcon::Critical);

    std::vector<QString> texts() const {
        std::vector<QString> out;
        for (const Shown& shown : messages) {
            out.push_back(shown.request.text);
        }
        return out;
    }

    std::vector<Shown> messages;
    std::vector<FileDialogRequest> dialogs;
    std::deque<Answer> answers;
    std::deque<QString> files;
};

}  // namespace kestrune::test
