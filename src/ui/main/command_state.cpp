#include "ui/main/command_state.h"

#include "core/cp1252_text.h"
#include "ui/main/main_texts.h"

namespace kestrune {

CommandState ComputeCommandState(const CommandStateInput& input) {
    CommandState state;
    if (input.count == 0) {
        state.buttons.save = input.namesFile;
        state.status = TextChange::DocumentPath;
        state.floatingCaption = TextChange::FloatingCaption;
        return state;
    }
    state.buttons.save = true;
    state.buttons.execute = true;
    state.buttons.make = true;
    // Without a selection the buttons that act on it stay off: they would have nothing
    // to act on.
    if (input.selected && *input.selected < input.count) {
        const std::size_t row = *input.selected;
        state.buttons.up = row != 0;
        state.buttons.down = row + 1 != input.count;
        state.buttons.remove = true;
        state.buttons.properties = true;
        if (input.floatingShown) {
            state.status = TextChange::SelectedAction;
            state.floatingCaption = TextChange::SelectedAction;
        }
    }
    return state;
}

}  // namespace kestrune
