#pragma once

// Every message box and file dialog of the program goes through this interface, so that
// tests can read each text and title and script the answers. Texts keep the program's
// own line breaks (a single CR); the real implementation turns them into new lines.

#include <QString>
#include <optional>

namespace kestrune {

enum class MessageIcon { None, Critical, Question, Exclamation };
// SaveCompareCancel: Save, a Compare button with the caption below, and Cancel.
enum class MessageButtons { Ok, YesNo, YesNoCancel, SaveCompareCancel };
enum class Answer { Ok, Yes, No, Cancel, Save, Compare };

// The Compare button's caption, in the user's language.
QString CompareButtonText();

struct MessageRequest {
    QString text;
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    std::optional<Answer> defaultAnswer;  // the platform's default when not given
};

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString title;
    // Pairs of description and pattern separated by "|", as in
    // "Logon Templates (*.lst)|*.lst|Batch Files (*.bat) |*.bat".
    QString filter;
    // The folder the dialog opens in; when not given, the folder its last use ended in.
    std::optional<QString> folder;
    QString fileName;  // proposed name
};

class Prompts {
  public:
    virtual ~Prompts() = default;
    // Shows a modal message box; closing it without a button counts as Cancel
    // (or as OK when OK is its only button).
    virtual Answer message(const MessageRequest& request) = 0;
    // Shows a modal file dialog; the chosen path, or an empty text when cancelled.
    virtual QString chooseFile(const FileDialogRequest& request) = 0;
};

}  // namespace kestrune
