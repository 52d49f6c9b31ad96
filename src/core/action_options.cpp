#include "core/action_options.h"

#include <array>
#include <cstdint>

#include "core/action.h"
#include "core/batch_bytes.h"
#include "core/cp1252_text.h"
#include "core/details.h"

namespace kestrune {

namespace {

constexpr auto npos = std::string_view::npos;

// The canonical words of the options, in the order they are written.
constexpr std::string_view kUser = "/USER:";
constexpr std::string_view kSaveCred = "/SAVECRED";
constexpr std::string_view kPersistentYes = "/PERSISTENT:YES";
constexpr std::string_view kPersistentNo = "/PERSISTENT:NO";
constexpr std::string_view kYes = "/YES";
constexpr std::string_view kNul = ">NUL";
constexpr std::string_view kWait = "wait";
constexpr std::string_view kArguments = "arguments ";
constexpr std::string_view kWaitArguments = "wait, arguments ";
constexpr std::string_view kRegImport = "reg import";
constexpr std::string_view kRegedit = "regedit /s";

using batch::equalsBytes;
using batch::findKind;
using batch::kindOf;
using batch::startsWithBytes;
constexpr std::uint8_t kActedOn = batch::kActedOnByte;
constexpr std::uint8_t kQuote = batch::kQuoteByte;
constexpr std::uint8_t kBlank = batch::kBlankByte;
constexpr std::uint8_t kLineEnd = batch::kLineEndByte;

// Whether text begins with the word, alone or before a blank.
inline bool startsWithWord(std::string_view text, std::string_view word) {
    return startsWithBytes(text, word) && (text.size() == word.size() || text[word.size()] == ' ');
}

// The connection options as single words, each taken at most once and in order. Each word
// is told by its second byte and compared whole where it stands, so that the suffix is
// looked through once.
std::optional<ActionOptions> parseConnection(std::string_view suffix, OptionSet set) {
    ActionOptions options;
    int next = 0;  // the first slot the following word may fill
    while (true) {
        std::size_t size = 0;
        int slot = -1;
        const auto take = [&](std::string_view word, int wordSlot) {
            if (startsWithWord(suffix, word)) {
                size = word.size();
                slot = wordSlot;
            }
        };
        if (suffix.size() > 1) {
            switch (suffix[1]) {
                case 'U':
                    if (startsWithBytes(suffix, kUser)) {
                        // The name runs to the next blank and holds none of the others.
                        const auto end =
                            findKind(suffix, kUser.size(), kBlank | kQuote | kActedOn | kLineEnd);
                        if (end > kUser.size() && (end == suffix.size() || suffix[end] == ' ')) {
                            size = end;
                            slot = 0;
                            options.user = suffix.substr(kUser.size(), end - kUser.size());
                        }
                    }
                    break;
                case 'S':
                    take(kSaveCred, 1);
                    options.saveCredentials = true;
                    break;
                case 'P':
                    take(kPersistentYes, 2);
                    take(kPersistentNo, 2);
                    options.persistent =
                        size == kPersistentYes.size() ? Persistence::Yes : Persistence::No;
                    break;
                case 'Y':
                    take(kYes, 3);
                    options.confirm = true;
                    break;
                case 'N':
                    take(kNul, 4);
                    options.quiet = true;
                    break;
                default:
                    break;
            }
        }
        if (slot < next) {
            return std::nullopt;
        }
        next = slot + 1;
        if (size == suffix.size()) {
            break;
        }
        suffix.remove_prefix(size + 1);  // the word and the blank after it
    }
    if (OptionsFor(set, options) != options) {
        return std::nullopt;
    }
    return options;
}

}  // namespace

OwnedOptions ownedOptions(const ActionOptions& o) {
    return {std::string(o.user),      o.saveCredentials, o.persistent, o.confirm, o.quiet, o.wait,
            std::string(o.arguments), o.method};
}

ActionOptions optionsView(const OwnedOptions& o) {
    return {o.user, o.saveCredentials, o.persistent, o.confirm, o.quiet,
            o.wait, o.arguments,       o.method};
}

bool HoldsActedOn(std::string_view text) {
    return findKind(text, 0, kActedOn) < text.size();
}

bool IsUserName(std::string_view name) {
    return !name.empty() && findKind(name, 0, kBlank | kQuote | kActedOn | kLineEnd) == name.size();
}

bool AreArguments(std::string_view arguments) {
    if (trimmed(arguments).empty()) {
        return false;
    }
    // Outside quotes nothing cmd.exe acts on; inside them anything but a line end.
    bool quoted = false;
    for (std::size_t at = findKind(arguments, 0, kQuote | kActedOn | kLineEnd);
         at < arguments.size();
         at = findKind(arguments, at + 1,
                       quoted ? kQuote | kLineEnd : kQuote | kActedOn | kLineEnd)) {
        if (kindOf(arguments[at]) != kQuote) {
            return false;
        }
        quoted = !quoted;
    }
    return !quoted;
}

std::optional<ActionOptions> ParseOptions(std::string_view suffix, OptionSet set) {
    if (suffix.empty()) {
        return std::nullopt;
    }
    ActionOptions options;
    switch (set) {
        case OptionSet::Connection:
        case OptionSet::Home:
        case OptionSet::Disconnection:
            return parseConnection(suffix, set);
        case OptionSet::Program:
            if (equalsBytes(suffix, kWait)) {
                options.wait = true;
            } else if (startsWithBytes(suffix, kWaitArguments)) {
                options.wait = true;
                options.arguments = suffix.substr(kWaitArguments.size());
            } else if (startsWithBytes(suffix, kArguments)) {
                options.arguments = suffix.substr(kArguments.size());
            } else {
                return std::nullopt;
            }
            if (!options.wait || !options.arguments.empty()) {
                // The arguments as the suffix holds them: trimmed, as Details are.
                if (!AreArguments(options.arguments) ||
                    trimmed(options.arguments).size() != options.arguments.size()) {
                    return std::nullopt;
                }
            }
            return options;
        case OptionSet::Merge:
            if (equalsBytes(suffix, kRegImport)) {
                options.method = MergeMethod::RegImport;
            } else if (equalsBytes(suffix, kRegedit)) {
                options.method = MergeMethod::Regedit;
            } else {
                return std::nullopt;
            }
            return options;
        case OptionSet::None:
            break;
    }
    return std::nullopt;
}

namespace {

// The flags' words, each with a blank before it, for each combination of them: Details are
// written for every action a reader takes, and these go in with one append.
struct FlagWords {
    std::array<char, 40> text{};
    std::size_t size = 0;
};
constexpr std::size_t flagIndex(bool saveCredentials, Persistence persistent, bool confirm,
                                bool quiet) {
    return ((static_cast<std::size_t>(saveCredentials) * 3 + static_cast<std::size_t>(persistent)) *
                2 +
            static_cast<std::size_t>(confirm)) *
               2 +
           static_cast<std::size_t>(quiet);
}
constexpr auto kFlagWords = [] {
    std::array<FlagWords, 24> table{};
    for (const bool saveCredentials : {false, true}) {
        for (const auto persistent : {Persistence::Unset, Persistence::Yes, Persistence::No}) {
            for (const bool confirm : {false, true}) {
                for (const bool quiet : {false, true}) {
                    auto& words = table[flagIndex(saveCredentials, persistent, confirm, quiet)];
                    const auto add = [&words](std::string_view word) {
                        words.text[words.size++] = ' ';
                        for (const char c : word) {
                            words.text[words.size++] = c;
                        }
                    };
                    if (saveCredentials) {
                        add(kSaveCred);
                    }
                    if (persistent != Persistence::Unset) {
                        add(persistent == Persistence::Yes ? kPersistentYes : kPersistentNo);
                    }
                    if (confirm) {
                        add(kYes);
                    }
                    if (quiet) {
                        add(kNul);
                    }
                }
            }
        }
    }
    return table;
}();

}  // namespace

void AppendOptions(std::string& out, const ActionOptions& o) {
    const FlagWords& flags =
        kFlagWords[flagIndex(o.saveCredentials, o.persistent, o.confirm, o.quiet)];
    std::string_view words(flags.text.data(), flags.size);
    if (!o.user.empty()) {
        out.append(kUser).append(o.user);
    } else if (!words.empty()) {
        words.remove_prefix(1);  // no blank before the first word
    }
    out.append(words);
    if (o.wait) {
        out.append(o.arguments.empty() ? kWait : kWaitArguments);
        out.append(o.arguments);
    } else if (!o.arguments.empty()) {
        out.append(kArguments).append(o.arguments);
    }
    if (o.method != MergeMethod::Start) {
        out.append(o.method == MergeMethod::RegImport ? kRegImport : kRegedit);
    }
}

ActionOptions OptionsFor(OptionSet set, ActionOptions o) {
    const bool connection = set == OptionSet::Connection;
    const bool persists = connection || set == OptionSet::Home;
    const bool confirms = persists || set == OptionSet::Disconnection;
    if (!connection) {
        o.user = {};
        o.saveCredentials = false;
    }
    if (!persists) {
        o.persistent = Persistence::Unset;
    }
    if (!confirms) {
        o.confirm = false;
        o.quiet = false;
    }
    if (set != OptionSet::Program) {
        o.wait = false;
        o.arguments = {};
    }
    if (set != OptionSet::Merge) {
        o.method = MergeMethod::Start;
    }
    return o;
}

void AppendDisconnection(std::string& out, const Disconnection& d) {
    switch (d.target) {
        case Disconnection::Target::Drive:
            out.append(details::kDisconnectDrive).push_back(upperByte(d.letter));
            out.push_back(':');
            break;
        case Disconnection::Target::All:
            out.append(details::kDisconnectAll);
            break;
        case Disconnection::Target::Printer:
            out.append(details::kDisconnectPrinter).push_back(static_cast<char>('0' + d.port));
            break;
    }
}

std::optional<Disconnection> DisconnectionOf(std::string_view kind, std::string_view base) {
    if (!base.starts_with('D')) {
        return std::nullopt;
    }
    const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (kind == kind::kMapDrive) {
        if (base == details::kDisconnectAll) {
            return Disconnection{};
        }
        const auto size = details::kDisconnectDrive.size();
        if (base.size() == size + 2 && base.starts_with(details::kDisconnectDrive) &&
            isLetter(base[size]) && base[size + 1] == ':') {
            return Disconnection{Disconnection::Target::Drive, upperByte(base[size]), 0};
        }
    } else if (kind == kind::kMapPrinter) {
        const auto size = details::kDisconnectPrinter.size();
        if (base.size() == size + 1 && base.starts_with(details::kDisconnectPrinter) &&
            base[size] >= '1' && base[size] <= '9') {
            return Disconnection{Disconnection::Target::Printer, 0, base[size] - '0'};
        }
    }
    return std::nullopt;
}

namespace {

// The kind's place among those that take options; none for the others.
enum class OptionKind : std::uint8_t { None, Drive, Printer, Program, Merge };

OptionKind optionKindOf(std::string_view kind) {
    return kind == kind::kMapDrive         ? OptionKind::Drive
           : kind == kind::kMapPrinter     ? OptionKind::Printer
           : kind == kind::kRunApplication ? OptionKind::Program
           : kind == kind::kMergeRegistry  ? OptionKind::Merge
                                           : OptionKind::None;
}

// Where " with " first stands in d. Shares and paths are upper-cased, so a lower-case "w" is
// rare: looking for it skips the many blanks a search for the whole marker stops at.
std::size_t findWith(std::string_view d) {
    for (auto at = d.find('w', 1); at != npos; at = d.find('w', at + 1)) {
        if (d[at - 1] == ' ' && d.substr(at - 1, details::kWith.size()) == details::kWith) {
            return at - 1;
        }
    }
    return npos;
}

}  // namespace

std::string_view DetailsBase(std::string_view kind, std::string_view details) {
    const auto d = trimmed(details);
    if (optionKindOf(kind) == OptionKind::None) {
        return d;
    }
    const auto with = findWith(d);
    return with == npos ? d : trimmed(d.substr(0, with));
}

DetailsParts SplitDetails(std::string_view kind, std::string_view details) {
    // Taken apart in locals and handed back in one piece: a value filled in field by field
    // was cleared whole first, for every action written, at about the cost of the split.
    const auto d = trimmed(details);
    const OptionKind of = optionKindOf(kind);
    if (of == OptionKind::None) {
        return DetailsParts{d, {}, std::nullopt, OptionSet::None, ActionOptions{}};
    }
    std::string_view base = d;
    std::string_view suffix;
    if (const auto with = findWith(d); with != npos) {
        base = trimmed(d.substr(0, with));
        suffix = d.substr(with + details::kWith.size());
    }
    std::optional<Disconnection> disconnection;
    OptionSet set = OptionSet::Merge;
    switch (of) {
        case OptionKind::Drive:
        case OptionKind::Printer:
            disconnection = DisconnectionOf(kind, base);
            set = disconnection                                    ? OptionSet::Disconnection
                  : of == OptionKind::Drive && IsHomeMapping(base) ? OptionSet::Home
                                                                   : OptionSet::Connection;
            break;
        case OptionKind::Program:
            set = OptionSet::Program;
            break;
        case OptionKind::Merge:
        case OptionKind::None:
            break;
    }
    return DetailsParts{base, suffix, disconnection, set,
                        suffix.empty() ? ActionOptions{} : ParseOptions(suffix, set)};
}

std::string JoinDetails(std::string_view base, const ActionOptions& options) {
    std::string out(base);
    if (!options.empty()) {
        if (out.ends_with(' ')) {
            out.pop_back();
        }
        out.append(details::kWith);
        AppendOptions(out, options);
    }
    return out;
}

}  // namespace kestrune
