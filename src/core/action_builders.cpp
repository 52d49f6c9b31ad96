#include "core/action_builders.h"

#include <cstdint>

#include "core/action_options.h"
#include "core/cp1252_text.h"
#include "core/details.h"
#include "core/details_writers.h"

namespace kestrune {

namespace {

constexpr auto npos = std::string_view::npos;

// The share of a Map Drive entry for its field. The share rule needs "\\"; a share the user
// kept without it still stands between "Map " and " as ".
std::optional<std::string> shareForEditing(std::string_view details) {
    if (const auto share = MappedShare(details)) {
        return std::string(*share);
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

// The disconnection a mapping page makes: of a drive ("G:\") or all connections, or a port.
ActionForm disconnectionForm(std::string_view kind, const EditorFields& fields) {
    if (kind == kind::kMapPrinter) {
        return DisconnectPrinterForm(fields.port);
    }
    return fields.drive ? DisconnectDriveForm(std::string_view(*fields.drive).substr(0, 1))
                        : DisconnectAllForm();
}

}  // namespace

void details::AppendOptionsSuffix(std::string& out, std::size_t start,
                                  const ActionOptions& options) {
    if (out.size() > start && out.back() == ' ') {
        out.pop_back();
    }
    out.append(kWith);
    AppendOptions(out, options);
}

void ActionForm::writeTo(std::string& out) const {
    const std::size_t start = out.size();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if ((upper >> i) & 1U) {
            details::appendPieces(out, details::Cased{parts[i]});
        } else {
            out.append(parts[i]);
        }
    }
    if (number > 0) {
        details::appendPieces(out, details::Number{number});
    }
    details::appendSuffix(out, start, options);
}

Action ActionForm::toAction() const {
    Action action;
    action.kind = labelOf(kind);
    action.iconKey = keyOf(icon);
    std::size_t size = 16;
    for (const auto part : parts) {
        size += part.size();
    }
    action.details.reserve(size);
    writeTo(action.details);
    return action;
}

ActionForm MapDriveForm(std::string_view share, std::string_view drive) {
    return {ActionKind::MapDrive,
            ActionIcon::Drive,
            {details::kMapPrefix, share, details::kAs, drive},
            0b0010};
}

ActionForm HomeMappingForm(std::string_view server, std::string_view drive) {
    return {ActionKind::MapDrive,
            ActionIcon::Home,
            {details::kHomePrefix, server, details::kAs, drive}};
}

ActionForm PrinterForm(std::string_view share, int port) {
    return {ActionKind::MapPrinter,
            ActionIcon::Print,
            {details::kPrinterPrefix, share, port > 0 ? details::kOnLpt : std::string_view{}},
            0b0010,
            port > 0 ? port : 0};
}

ActionForm PrinterOnPortForm(std::string_view share, std::string_view port) {
    return {ActionKind::MapPrinter,
            ActionIcon::Print,
            {details::kMapPrefix, share, details::kOn, port},
            0b1010};
}

ActionForm ApplicationForm(bool remote, std::string_view path) {
    return {ActionKind::RunApplication,
            ActionIcon::App,
            {remote ? details::kRemotePrefix : details::kLocalPrefix, path},
            0b0010};
}

ActionForm RegistryForm(bool remote, std::string_view path) {
    return {ActionKind::MergeRegistry,
            ActionIcon::Reg,
            {remote ? details::kRemotePrefix : details::kLocalPrefix, path},
            0b0010};
}

ActionForm MessageForm(std::string_view path) {
    return {ActionKind::DisplayMessage, ActionIcon::Motd, {details::kMessagePrefix, path}, 0b0010};
}

ActionForm OtherForm(std::string_view command) {
    return {ActionKind::Other, ActionIcon::Other, {command}};
}

ActionForm DisconnectDriveForm(std::string_view letter) {
    return {
        ActionKind::MapDrive, ActionIcon::Drive, {details::kDisconnectDrive, letter, ":"}, 0b0010};
}

ActionForm DisconnectAllForm() {
    return {ActionKind::MapDrive, ActionIcon::Drive, {details::kDisconnectAll}};
}

ActionForm DisconnectPrinterForm(int port) {
    return {ActionKind::MapPrinter, ActionIcon::Print, {details::kDisconnectPrinter}, 0, port};
}

Action MapDriveAction(std::string_view share, std::string_view drive) {
    return MapDriveForm(share, drive).toAction();
}

Action HomeMappingAction(std::string_view server, std::string_view drive) {
    return HomeMappingForm(server, drive).toAction();
}

Action PrinterAction(std::string_view share, int port) {
    return PrinterForm(share, port).toAction();
}

Action PrinterOnPortAction(std::string_view share, std::string_view port) {
    return PrinterOnPortForm(share, port).toAction();
}

Action ApplicationAction(bool remote, std::string_view path) {
    return ApplicationForm(remote, path).toAction();
}

Action RegistryAction(bool remote, std::string_view path) {
    return RegistryForm(remote, path).toAction();
}

Action MessageAction(std::string_view path) {
    return MessageForm(path).toAction();
}

Action OtherAction(std::string_view command) {
    return OtherForm(command).toAction();
}

Action EditorAction(std::string_view kind, const EditorFields& fields) {
    const std::string_view typed = fields.text ? std::string_view(*fields.text) : "";
    // The editor names the next available drive with a trailing blank.
    const std::string nextAvailable = std::string(details::kNextAvailableDrive) + " ";
    const std::string_view drive =
        fields.drive ? std::string_view(*fields.drive) : std::string_view(nextAvailable);
    ActionForm form;
    OptionSet set = OptionSet::None;
    if (fields.disconnect && (kind == kind::kMapDrive || kind == kind::kMapPrinter)) {
        form = disconnectionForm(kind, fields);
        set = OptionSet::Disconnection;
    } else if (kind == kind::kMapDrive && fields.home) {
        form = HomeMappingForm(details::kTheLogonServer, drive);
        set = OptionSet::Home;
    } else if (kind == kind::kMapDrive) {
        form = MapDriveForm(trimmed(typed), drive);
        set = OptionSet::Connection;
    } else if (kind == kind::kDisplayMessage) {
        form = MessageForm(trimmed(typed));
    } else if (kind == kind::kRunApplication) {
        form = ApplicationForm(fields.server, trimmed(typed));
        set = OptionSet::Program;
    } else if (kind == kind::kMergeRegistry) {
        form = RegistryForm(fields.server, trimmed(typed));
        set = OptionSet::Merge;
    } else if (kind == kind::kMapPrinter) {
        // The printer goes in as typed, blanks and all; only its case changes.
        form = PrinterForm(typed, fields.port);
        set = OptionSet::Connection;
    } else {
        form = OtherForm(trimmed(typed));
    }
    const ActionOptions options = OptionsFor(set, optionsView(fields.options));
    return form.with(options).toAction();
}

std::optional<EditorFields> EditorFieldsOf(const ActionRef& entry) {
    const DetailsParts parts = SplitDetails(entry.kind, entry.details);
    if (!parts.options) {
        return std::nullopt;
    }
    const std::string_view d = parts.base;
    EditorFields fields;
    fields.options = ownedOptions(*parts.options);
    if (parts.disconnection) {
        fields.disconnect = true;
        switch (parts.disconnection->target) {
            case Disconnection::Target::Drive:
                fields.drive = std::string{parts.disconnection->letter, ':', '\\'};
                break;
            case Disconnection::Target::Printer:
                fields.port = parts.disconnection->port;
                break;
            case Disconnection::Target::All:
                break;
        }
    } else if (entry.kind == kind::kMapDrive) {
        fields.home = IsHomeMapping(d);
        if (contains(lastChars(d, 5), ":\\")) {
            fields.drive = std::string(trimmed(lastChars(d, 4)));
        }
        // A home mapping's field keeps what the Home box put there, unless the entry names
        // its server.
        if (!fields.home) {
            fields.text = shareForEditing(d);
        } else if (const auto share = MappedShare(d)) {
            fields.text = std::string(*share);
        } else {
            fields.text.reset();
        }
    } else if (entry.kind == kind::kRunApplication) {
        fields.server = IsRemoteApplication(d);
        fields.text = PrefixedPath(d);
    } else if (entry.kind == kind::kMergeRegistry) {
        fields.server = IsRemoteRegistry(d);
        fields.text = PrefixedPath(d);
    } else if (entry.kind == kind::kDisplayMessage) {
        fields.text = MessagePath(d);
    } else if (entry.kind == kind::kOther) {
        fields.text = std::string(entry.details);
    } else if (entry.kind == kind::kMapPrinter) {
        fields.text = printerForEditing(d);
        fields.port = PrinterPort(d).value_or(0);
    } else {
        return std::nullopt;
    }
    return fields;
}

std::optional<std::string> ShareToRemember(const ActionRef& action) {
    const std::string_view d = DetailsBase(action.kind, action.details);
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
