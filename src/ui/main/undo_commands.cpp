#include "ui/main/undo_commands.h"

#include <algorithm>

#include "core/document.h"
#include "platform/shown_text.h"
#include "ui/main/action_list_model.h"

namespace kestrune {

namespace {

// A step of two halves, each run through the model and followed by the window.
class ListStep : public QUndoCommand {
  public:
    ListStep(ListEditContext context, std::string_view caption,
             std::function<std::optional<int>(ActionListModel&)> forward,
             std::function<std::optional<int>(ActionListModel&)> back)
        : context_(std::move(context)), forward_(std::move(forward)), back_(std::move(back)) {
        setText(Translated("Undo", caption));
    }

    void redo() override { context_.changed(forward_(context_.model)); }
    void undo() override { context_.changed(back_(context_.model)); }

  private:
    ListEditContext context_;
    std::function<std::optional<int>(ActionListModel&)> forward_;
    std::function<std::optional<int>(ActionListModel&)> back_;
};

// The row to select once row has gone: the one that took its place, or the new last one.
std::optional<int> afterRemoval(const ActionListModel& model, int row) {
    if (model.rowCount() == 0) {
        return std::nullopt;
    }
    return std::min(row, model.rowCount() - 1);
}

}  // namespace

EditHistory::EditHistory(DocumentState& document, QObject* parent)
    : QObject(parent), document_(document) {
    connect(&stack_, &QUndoStack::indexChanged, this, [this] { follow(); });
    connect(&stack_, &QUndoStack::cleanChanged, this, [this] { follow(); });
}

void EditHistory::follow() {
    if (forgetting_) {
        return;  // the document says what Modified is, not the emptied stack
    }
    if (stack_.isClean()) {
        document_.markSaved();
    } else {
        document_.markModified();
    }
}

void EditHistory::documentSettled(bool afresh) {
    if (afresh) {
        forgetting_ = true;
        stack_.clear();
        forgetting_ = false;
    }
    if (document_.modified) {
        stack_.resetClean();
    } else {
        stack_.setClean();
    }
}

QUndoCommand* insertStep(ListEditContext context, int row, std::vector<Action> actions,
                         std::string_view caption, bool selectInserted) {
    const int count = static_cast<int>(actions.size());
    return new ListStep(
        std::move(context), caption,
        [row, actions = std::move(actions), selectInserted](ActionListModel& model) {
            model.insertAt(row, actions);
            return selectInserted ? std::optional<int>(row) : std::nullopt;
        },
        [row, count, selectInserted](ActionListModel& model) {
            model.removeRange(row, count);
            return selectInserted ? afterRemoval(model, std::max(0, row - 1)) : std::nullopt;
        });
}

QUndoCommand* removeStep(ListEditContext context, int row) {
    const Action removed = context.model.list().at(static_cast<std::size_t>(row));
    return new ListStep(
        std::move(context), undo_texts::kRemove,
        [row](ActionListModel& model) {
            model.removeAt(row);
            return afterRemoval(model, row);
        },
        [row, removed](ActionListModel& model) {
            model.insertAt(row, {removed});
            return std::optional<int>(row);
        });
}

QUndoCommand* replaceStep(ListEditContext context, int row, Action after) {
    const Action before = context.model.list().at(static_cast<std::size_t>(row));
    const auto put = [row](const Action& action) {
        return [row, action](ActionListModel& model) {
            model.replace(row, action);
            return std::optional<int>(row);
        };
    };
    return new ListStep(std::move(context), undo_texts::kProperties, put(after), put(before));
}

QUndoCommand* clearStep(ListEditContext context, std::optional<int> selected) {
    const ActionList& list = context.model.list();
    std::vector<Action> all(list.begin(), list.end());
    return new ListStep(
        std::move(context), undo_texts::kClear,
        [](ActionListModel& model) {
            model.clear();
            return std::nullopt;
        },
        [all = std::move(all), selected](ActionListModel& model) {
            model.insertAt(0, all);
            return selected;
        });
}

QUndoCommand* moveStep(ListEditContext context, int from, int to, std::string_view caption) {
    return new ListStep(
        std::move(context), caption,
        [from, to](ActionListModel& model) {
            model.move(from, to);
            return std::optional<int>(to);
        },
        [from, to](ActionListModel& model) {
            model.move(to, from);
            return std::optional<int>(from);
        });
}

}  // namespace kestrune
