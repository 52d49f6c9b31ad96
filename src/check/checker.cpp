#include "check/checker.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <new>

#include "check/check_texts.h"
#include "core/action_options.h"
#include "core/cp1252_text.h"
#include "core/details.h"

namespace kestrune::check {

std::string_view outcomeName(Outcome outcome) {
    switch (outcome) {
        case Outcome::Ok:
            return "ok";
        case Outcome::Skipped:
            return "skipped";
        case Outcome::Warning:
            return "warning";
        case Outcome::Problem:
            return "problem";
    }
    return "problem";
}

std::optional<std::pair<std::string, ServerAddress>> parseServerMapping(std::string_view text) {
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    auto name = trimmed(text.substr(0, equals));
    while (name.starts_with('\\')) {
        name.remove_prefix(1);
    }
    auto rest = trimmed(text.substr(equals + 1));
    ServerAddress address;
    std::string_view port;
    if (rest.starts_with('[')) {
        const auto close = rest.find(']');
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        address.host = rest.substr(1, close - 1);
        const auto after = rest.substr(close + 1);
        if (!after.empty()) {
            if (!after.starts_with(':')) {
                return std::nullopt;
            }
            port = after.substr(1);
        }
    } else if (std::count(rest.begin(), rest.end(), ':') == 1) {
        const auto colon = rest.find(':');
        address.host = rest.substr(0, colon);
        port = rest.substr(colon + 1);
    } else {
        address.host = rest;  // a name, an IPv4 address or a bare IPv6 address
    }
    if (!port.empty() || (rest.ends_with(':'))) {
        const auto [end, error] =
            std::from_chars(port.data(), port.data() + port.size(), address.port);
        if (error != std::errc() || end != port.data() + port.size() || address.port < 1 ||
            address.port > 65535) {
            return std::nullopt;
        }
    }
    const auto hasBlank = [](std::string_view s) {
        return std::any_of(s.begin(), s.end(), [](char c) { return isBlank(c); });
    };
    if (name.empty() || address.host.empty() || hasBlank(name) || hasBlank(address.host)) {
        return std::nullopt;
    }
    return std::pair{upperCased(name), address};
}

namespace {

// What an action maps that another may map too: a drive letter (upper-cased) or a port.
// Options follow the drive or port; a disconnection maps nothing.
std::optional<std::pair<int, int>> mappedPlace(const ActionRef& action) {
    const auto base = DetailsBase(action.kind, action.details);
    if (DisconnectionOf(action.kind, base)) {
        return std::nullopt;
    }
    if (action.kind == kind::kMapDrive) {
        if (const auto letter = MappedDriveLetter(base)) {
            return std::pair(0, static_cast<unsigned char>(upperByte(*letter)));
        }
    } else if (action.kind == kind::kMapPrinter) {
        if (const auto port = PrinterPort(base)) {
            return std::pair(1, *port);
        }
    }
    return std::nullopt;
}

// The mappings of one letter or port that are still in place, each with its condition.
struct Mapped {
    std::string_view condition;
    std::size_t row;
};
using LiveMappings = std::map<std::pair<int, int>, std::vector<Mapped>>;

// Whether two actions may both run for one user on one computer: under one condition, or
// one of them always. Different conditions are taken to part them, as "member of" and "not
// member of" the same group do.
bool mayRunTogether(std::string_view a, std::string_view b) {
    return a == b || a.empty() || b.empty();
}

// Whether a mapping under condition is put aside by an action under other: always, or
// under the same condition.
bool putAsideBy(std::string_view condition, std::string_view other) {
    return other.empty() || condition == other;
}

// Forgets what a disconnection frees: mapping it again afterwards is the usual way to
// replace a mapping, not a second one. Under a condition it frees only what was mapped
// under the same one.
void freeDisconnected(const ActionRef& action, LiveMappings& live) {
    const auto disconnection =
        DisconnectionOf(action.kind, DetailsBase(action.kind, action.details));
    if (!disconnection) {
        return;
    }
    const auto freeAt = [&action](std::vector<Mapped>& mapped) {
        std::erase_if(mapped, [&action](const Mapped& m) {
            return putAsideBy(m.condition, action.condition);
        });
    };
    switch (disconnection->target) {
        case Disconnection::Target::Drive:
            freeAt(live[{0, static_cast<unsigned char>(disconnection->letter)}]);
            break;
        case Disconnection::Target::Printer:
            freeAt(live[{1, disconnection->port}]);
            break;
        case Disconnection::Target::All:
            // NET USE * /DELETE ends printer connections too.
            for (auto& [place, mapped] : live) {
                freeAt(mapped);
            }
            break;
    }
}

}  // namespace

std::vector<std::size_t> duplicatePartners(const ActionList& list) {
    std::vector<std::size_t> partners(list.size(), kNoPartner);
    LiveMappings live;
    for (std::size_t row = 0; row < list.size(); ++row) {
        const ActionRef action = list[row];
        const auto place = mappedPlace(action);
        if (!place) {
            freeDisconnected(action, live);
            continue;
        }
        std::vector<Mapped>& mapped = live[*place];
        const auto earlier = std::find_if(
            mapped.rbegin(), mapped.rend(),
            [&action](const Mapped& m) { return mayRunTogether(m.condition, action.condition); });
        if (earlier != mapped.rend()) {
            partners[row] = earlier->row;
            if (partners[earlier->row] == kNoPartner) {
                partners[earlier->row] = row;
            }
        }
        // A later mapping names this one rather than those it repeats.
        std::erase_if(mapped, [&action](const Mapped& m) {
            return putAsideBy(m.condition, action.condition);
        });
        mapped.push_back({action.condition, row});
    }
    return partners;
}

Message duplicateWarning(const ActionList& list, std::size_t row, std::size_t partner) {
    const auto [kindOf, number] = mappedPlace(list[row]).value_or(std::pair(0, int{'?'}));
    const auto [low, high] = std::minmax(row, partner);
    return kindOf == 0 ? texts::driveMappedTwice(static_cast<char>(number), low + 1, high + 1)
                       : texts::portMappedTwice(number, low + 1, high + 1);
}

std::vector<CheckResult> Checker::run(const ActionList& list,
                                      const std::function<bool(const CheckResult&)>& onResult) {
    failure_.reset();
    std::vector<CheckResult> results;
    try {
        const auto partners = duplicatePartners(list);
        for (std::size_t row = 0; row < list.size(); ++row) {
            auto verdict = checkAction(list[row]);
            if (partners[row] != kNoPartner) {
                auto warning = duplicateWarning(list, row, partners[row]);
                if (verdict.outcome == Outcome::Problem) {
                    verdict.reason =
                        texts::problemAndWarning(std::move(verdict.reason), std::move(warning));
                } else {
                    verdict = {Outcome::Warning, std::move(warning)};
                }
            }
            // Checked as if it ran: whether it does is for the client to find.
            if (const auto condition = list[row].condition; !condition.empty()) {
                verdict.reason = texts::underCondition(std::move(verdict.reason), condition);
            }
            CheckResult result{row + 1, std::string(list[row].kind), verdict.outcome,
                               std::move(verdict.reason)};
            if (!onResult) {
                results.push_back(std::move(result));
            } else if (!onResult(result)) {
                break;
            }
        }
    } catch (const std::bad_alloc&) {
        failure_ = texts::outOfMemory();
    }
    return results;
}

namespace {

// "\\SERVER\SHARE[\PATH]"; none when the text is not of that form.
std::optional<std::array<std::string, 3>> splitUnc(std::string_view text) {
    text = trimmed(text);
    if (!text.starts_with("\\\\")) {
        return std::nullopt;
    }
    text.remove_prefix(2);
    const auto slash = text.find('\\');
    if (slash == 0 || slash == std::string_view::npos) {
        return std::nullopt;
    }
    const auto server = text.substr(0, slash);
    auto rest = text.substr(slash + 1);
    const auto next = rest.find('\\');
    const auto share = rest.substr(0, next);
    auto path = next == std::string_view::npos ? std::string_view() : rest.substr(next + 1);
    while (path.ends_with('\\')) {
        path.remove_suffix(1);
    }
    if (share.empty()) {
        return std::nullopt;
    }
    return std::array{std::string(server), std::string(share), std::string(path)};
}

}  // namespace

Checker::Verdict Checker::checkAction(const ActionRef& action) {
    const auto d = DetailsBase(action.kind, action.details);
    if (DisconnectionOf(action.kind, d)) {
        return {Outcome::Skipped, texts::disconnection()};
    }
    std::string target;
    bool printer = false;
    bool folder = false;
    if (action.kind == kind::kMapDrive) {
        if (IsHomeMapping(d)) {
            return {Outcome::Skipped, texts::home()};
        }
        const auto share = MappedShare(d);
        if (!share) {
            return {Outcome::Problem, texts::notNetworkPath(d)};
        }
        target = *share;
        folder = true;
    } else if (action.kind == kind::kMapPrinter) {
        target = PrinterShare(d).value_or(std::string(d));
        printer = true;
    } else if (action.kind == kind::kRunApplication || action.kind == kind::kMergeRegistry) {
        const bool remote =
            action.kind == kind::kRunApplication ? IsRemoteApplication(d) : IsRemoteRegistry(d);
        if (!remote) {
            return {Outcome::Skipped, texts::local()};
        }
        target = PrefixedPath(d);
    } else if (action.kind == kind::kDisplayMessage) {
        target = MessagePath(d);
        if (!target.starts_with("\\\\")) {
            return {Outcome::Skipped, texts::local()};
        }
    } else {
        return {Outcome::Skipped, texts::other()};
    }

    const auto parts = splitUnc(target);
    // A file needs a path inside its share; a printer is the share itself.
    const bool needsPath = !folder && !printer;
    if (!parts || (needsPath && (*parts)[2].empty())) {
        return {Outcome::Problem, texts::notNetworkPath(trimmed(target))};
    }
    const Unc unc{(*parts)[0], (*parts)[1], (*parts)[2]};
    auto verdict = checkShare(unc, printer);
    if (verdict.outcome != Outcome::Ok || unc.path.empty() || printer) {
        return verdict;
    }
    return checkFile(unc, folder);
}

Checker::Verdict Checker::unreachable(const std::string& server, const Message& detail) {
    silentServers_.push_back(upperCased(server));
    return {Outcome::Problem, texts::unreachable(server, detail)};
}

Checker::Verdict Checker::checkShare(const Unc& unc, bool printer) {
    const auto key = upperCased(unc.server);
    if (std::find(silentServers_.begin(), silentServers_.end(), key) != silentServers_.end()) {
        return {Outcome::Problem, texts::stillUnreachable(unc.server)};
    }
    const auto shareName = "\\\\" + unc.server + "\\" + unc.share;
    const auto answer = backend_.share(unc.server, unc.share);
    switch (answer.found) {
        case Found::Yes:
            if (printer && answer.type != ShareType::Printer) {
                return {Outcome::Problem, texts::notPrinter(shareName)};
            }
            return {Outcome::Ok, {}};
        case Found::No:
            return {Outcome::Problem, texts::noShare(unc.server, unc.share)};
        case Found::Unreachable:
            return unreachable(unc.server, answer.detail);
        case Found::Denied:
            return {Outcome::Problem, texts::denied(shareName)};
        case Found::Failed:
            break;
    }
    return {Outcome::Problem, texts::failed(shareName, answer.detail)};
}

Checker::Verdict Checker::checkFile(const Unc& unc, bool folder) {
    const auto full = "\\\\" + unc.server + "\\" + unc.share + "\\" + unc.path;
    const auto answer = backend_.path(unc.server, unc.share, unc.path);
    switch (answer.found) {
        case Found::Yes:
            if (answer.folder != folder) {
                return {Outcome::Problem, folder ? texts::noFolder(full) : texts::notFile(full)};
            }
            return {Outcome::Ok, {}};
        case Found::No:
            return {Outcome::Problem, folder ? texts::noFolder(full) : texts::noFile(full)};
        case Found::Unreachable:
            return unreachable(unc.server, answer.detail);
        case Found::Denied:
            return {Outcome::Problem, texts::denied(full)};
        case Found::Failed:
            break;
    }
    return {Outcome::Problem, texts::failed(full, answer.detail)};
}

}  // namespace kestrune::check
