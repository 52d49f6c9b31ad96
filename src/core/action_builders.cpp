#include "core/action_builders.h"

#include "core/cp1252_text.h"
#include "core/details.h"

namespace kestrune {

namespace {

constexpr auto npos = std::string_view::npos;

Action make(std::string_view kind, std::string_view iconKey, std::string details) {
    Action action;
    action.kind = kind;
    action.iconKey = iconKey;
    action.details = std::move(details);
    return action;
}

// before + upper-cased middle + after, in one allocation: readers build many of these.
std::string withUpper(std::string_view before, std::string_view middle, std::string_view after = {},
                      std::string_view last = {}) {
    std::string text = joined({before, middle});
    upperCaseInPlace(text, before.size());
    text.append(after).append(last);
    return text;
}

// The share of a Map Drive entry for its field. The share rule needs "\\"; a share the user
// kept without it still stands between "Map " and " as ".
std::optional<std::string> shareForEditing(std::string_view details) {
    if (auto share = MappedShare(details)) {
        return share;
    }
    const std::string_view d = trimmed(details);
    const auto as = d.rfind(details::kAs);
    if (!d.starts_with(details::kMapPrefix) || as == npos || as < details::kMapPrefix.size()) {
        return std::nullopt;
    }
    const auto start = details::kMapPrefix.size();
    return std::string(trimmed(d.substr(start, as - start)));
}

// The printer of a Map Printer entry for its field, inner blanks kept; a printer kept
// without "\\" is the text after the prefix, less its port.
std::string printerForEditing(std::string_view details) {
    if (auto share = PrinterShare(details)) {
        return *share;
    }
    std::string_view d = trimmed(details);
    if (d.starts_with(details::kPrinterPrefix)) {
        d.remove_prefix(details::kPrinterPrefix.size());
    } else if (d.starts_with(details::kMapPrefix)) {
        d.remove_prefix(details::kMapPrefix.size());
    }
    const auto on = d.rfind(details::kOn);
    if (PrinterPort(details) && on != npos) {
        d = d.substr(0, on);
    }
    return std::string(trimmed(d));
}

}  // namespace

Action MapDriveAction(std::string_view share, std::string_view drive) {
    return make(kind::kMapDrive, icon::kDrive,
                withUpper(details::kMapPrefix, share, details::kAs, drive));
}

Action HomeMappingAction(std::string_view server, std::string_view drive) {
    return make(kind::kMapDrive, icon::kHome,
                joined({details::kHomePrefix, server, details::kAs, drive}));
}

Action PrinterAction(std::string_view share, int port) {
    std::string text = withUpper(details::kPrinterPrefix, share);
    if (port > 0) {
        text.append(details::kOnLpt).append(std::to_string(port));
    }
    return make(kind::kMapPrinter, icon::kPrint, std::move(text));
}

Action PrinterOnPortAction(std::string_view share, std::string_view port) {
    std::string text = withUpper(details::kMapPrefix, share, details::kOn, port);
    upperCaseInPlace(text, text.size() - port.size());
    return make(kind::kMapPrinter, icon::kPrint, std::move(text));
}

Action ApplicationAction(bool remote, std::string_view path) {
    return make(kind::kRunApplication, icon::kApp,
                withUpper(remote ? details::kRemotePrefix : details::kLocalPrefix, path));
}

Action RegistryAction(bool remote, std::string_view path) {
    return make(kind::kMergeRegistry, icon::kReg,
                withUpper(remote ? details::kRemotePrefix : details::kLocalPrefix, path));
}

Action MessageAction(std::string_view path) {
    return make(kind::kDisplayMessage, icon::kMotd, withUpper(details::kMessagePrefix, path));
}

Action OtherAction(std::string_view command) {
    return make(kind::kOther, icon::kOther, std::string(command));
}

Action EditorAction(std::string_view kind, const EditorFields& fields) {
    const std::string_view typed = fields.text ? std::string_view(*fields.text) : "";
    Action action;
    if (kind == kind::kMapDrive) {
        // The editor names the next available drive with a trailing blank.
        const std::string nextAvailable = std::string(details::kNextAvailableDrive) + " ";
        const std::string_view drive =
            fields.drive ? std::string_view(*fields.drive) : std::string_view(nextAvailable);
        if (fields.home) {
            action = HomeMappingAction(details::kTheLogonServer, drive);
            action.itemKey = details::kTheLogonServer;
        } else {
            action = MapDriveAction(trimmed(typed), drive);
            action.itemKey = upperCased(trimmed(typed));
        }
        return action;
    }
    if (kind == kind::kDisplayMessage) {
        action = MessageAction(trimmed(typed));
        action.itemKey = upperCased(trimmed(typed));
        return action;
    }
    if (kind == kind::kRunApplication) {
        action = ApplicationAction(fields.server, trimmed(typed));
    } else if (kind == kind::kMergeRegistry) {
        // The page takes remote registry files only.
        action = RegistryAction(true, trimmed(typed));
    } else if (kind == kind::kMapPrinter) {
        // The printer goes in as typed, blanks and all; only its case changes.
        action = PrinterAction(typed, fields.port);
    } else {
        action = OtherAction(trimmed(typed));
    }
    action.itemKey = action.details;
    return action;
}

std::optional<EditorFields> EditorFieldsOf(const Action& entry) {
    const std::string_view d = entry.details;
    EditorFields fields;
    if (entry.kind == kind::kMapDrive) {
        fields.home = IsHomeMapping(d);
        if (contains(lastChars(d, 5), ":\\")) {
            fields.drive = std::string(trimmed(lastChars(d, 4)));
        }
        // A home mapping's field keeps what the Home box put there, unless the entry names
        // its server.
        fields.text = fields.home ? MappedShare(d) : shareForEditing(d);
    } else if (entry.kind == kind::kRunApplication) {
        fields.server = IsRemoteApplication(d);
        fields.text = PrefixedPath(d);
    } else if (entry.kind == kind::kMergeRegistry) {
        fields.text = PrefixedPath(d);
    } else if (entry.kind == kind::kDisplayMessage) {
        fields.text = MessagePath(d);
    } else if (entry.kind == kind::kOther) {
        fields.text = entry.details;
    } else if (entry.kind == kind::kMapPrinter) {
        fields.text = printerForEditing(d);
        fields.port = PrinterPort(d).value_or(0);
    } else {
        return std::nullopt;
    }
    return fields;
}

std::optional<std::string> ShareToRemember(const Action& action) {
    const std::string_view d = action.details;
    std::string_view candidate;
    if (action.kind == kind::kMapDrive) {
        // The share stands between "Map " and " as "; being upper-cased it holds no " as ".
        const auto as = d.rfind(details::kAs);
        candidate =
            d.starts_with(details::kMapPrefix) && as != npos && as >= details::kMapPrefix.size()
                ? d.substr(details::kMapPrefix.size(), as - details::kMapPrefix.size())
                : d;
    } else if (action.kind == kind::kMapPrinter) {
        candidate = d;
    } else if (action.kind == kind::kRunApplication || action.kind == kind::kMergeRegistry ||
               action.kind == kind::kDisplayMessage) {
        // The folder the file lies in.
        const auto slash = d.rfind('\\');
        if (slash == npos) {
            return std::nullopt;
        }
        candidate = d.substr(0, slash);
    } else {
        return std::nullopt;
    }
    const auto start = candidate.find("\\\\");
    if (start == npos) {
        return std::nullopt;
    }
    return upperCased(candidate.substr(start));
}

}  // namespace kestrune
