#pragma once

// Actions read from either format, each as one short text, so that a row of a table shows
// what the reader made of its bytes.

#include <algorithm>

#include "files/script_format.h"

namespace kestrune::test {

using Briefs = std::vector<std::string>;

// An action as one text: its icon without "img", then its Details; a kind that doesn't go
// with the icon is added in brackets, and " if " and the condition end it when it has one.
inline std::string brief(const Action& a) {
    const std::string icon = a.iconKey.substr(3);
    const std::string_view kinds[] = {
        kind::kMapDrive,      kind::kMapDrive,       kind::kMapPrinter, kind::kRunApplication,
        kind::kMergeRegistry, kind::kDisplayMessage, kind::kOther};
    const auto at = std::string_view("DriveHome PrintApp  Reg  Motd Other").find(icon);
    const bool fits = at != std::string_view::npos && at % 5 == 0 && kinds[at / 5] == a.kind;
    return icon + " " + a.details + (fits ? "" : " [" + a.kind + "]") +
           (a.condition.empty() ? "" : " if " + a.condition);
}

// Reads into the list, which reading replaces: whether it read, and the actions.
inline std::pair<bool, Briefs> readInto(ActionList& list, std::string_view bytes, bool asTemplate) {
    const auto r = asTemplate ? parseTemplate(bytes, "C:\\T.LST", list) : parseScript(bytes, list);
    Briefs out;
    std::ranges::transform(list, std::back_inserter(out), brief);
    return {r.ok(), out};
}

}  // namespace kestrune::test
