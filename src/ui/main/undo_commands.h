#pragma once

// Undo and redo of the list's changes. Every change of the list is one step on the stack,
// made through the list model and keeping its own copies of the actions it puts back, and
// Modified follows the stack: true exactly while it stands away from its clean index.

#include <QObject>
#include <QUndoCommand>
#include <QUndoStack>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "core/action.h"

namespace kestrune {

class ActionListModel;
struct DocumentState;

// The captions the Edit menu puts after "Undo" and "Redo", in the user's language.
namespace undo_texts {
inline constexpr std::string_view kAdd = QT_TRANSLATE_NOOP("Undo", "Add");
inline constexpr std::string_view kRemove = QT_TRANSLATE_NOOP("Undo", "Remove");
inline constexpr std::string_view kProperties = QT_TRANSLATE_NOOP("Undo", "Properties");
inline constexpr std::string_view kClear = QT_TRANSLATE_NOOP("Undo", "Clear All");
inline constexpr std::string_view kMoveUp = QT_TRANSLATE_NOOP("Undo", "Move Up");
inline constexpr std::string_view kMoveDown = QT_TRANSLATE_NOOP("Undo", "Move Down");
inline constexpr std::string_view kMove = QT_TRANSLATE_NOOP("Undo", "Move");
inline constexpr std::string_view kPaste = QT_TRANSLATE_NOOP("Undo", "Paste");
}  // namespace undo_texts

// What a step needs of the window: the model, and what follows each change: the row to
// select (none: the selection stays where it is) and the command state.
struct ListEditContext {
    ActionListModel& model;
    std::function<void(std::optional<int> select)> changed;
};

class EditHistory : public QObject {
    Q_OBJECT
  public:
    EditHistory(DocumentState& document, QObject* parent = nullptr);
    // The stack empties itself as it goes; by then nobody is to hear of it.
    ~EditHistory() override { stack_.disconnect(); }

    QUndoStack& stack() { return stack_; }
    // Runs the step and keeps it for undo.
    void push(QUndoCommand* command) { stack_.push(command); }
    // After a read, New or a save: afresh forgets every step (the list is another one now);
    // then the stack is clean when the document is saved, and never clean while a failed
    // read has left it modified.
    void documentSettled(bool afresh);

  private:
    void follow();

    DocumentState& document_;
    QUndoStack stack_;
    bool forgetting_ = false;
};

// Add (at the end) and Paste (after the selected action).
QUndoCommand* insertStep(ListEditContext context, int row, std::vector<Action> actions,
                         std::string_view caption, bool selectInserted);
QUndoCommand* removeStep(ListEditContext context, int row);
QUndoCommand* replaceStep(ListEditContext context, int row, Action after);
QUndoCommand* clearStep(ListEditContext context, std::optional<int> selected);
// A move that moves nothing (Move Up on the first action) is still a step.
QUndoCommand* moveStep(ListEditContext context, int from, int to, std::string_view caption);

}  // namespace kestrune
