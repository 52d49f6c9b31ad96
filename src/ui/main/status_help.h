#pragma once

// The status help shown while the mouse rests on the toolbar.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/action_list.h"

namespace kestrune {

struct ButtonSpan {
    std::string_view key;  // empty for a gap
    double left = 0;
    double width = 0;
    bool enabled = true;
};

// The key of the button under x, or an empty text over a gap, a disabled button or
// nothing. Every button is tested; the last that holds x wins.
std::string_view KeyAtX(const std::vector<ButtonSpan>& buttons, double x);

// The help for a button key; any other key gives the document path.
std::string StatusHelp(std::string_view key, std::string_view documentPath, const ActionList& list,
                       std::optional<std::size_t> selected);

}  // namespace kestrune
