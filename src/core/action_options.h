#pragma once

// What a drive or printer mapping, a program or a registry file may carry beyond the plain
// Details forms: the first " with " and the options after it, in one canonical text; and
// the disconnections, new plain forms of the two mapping kinds.
//
//   Map Drive, Map Printer   BASE " with " [/USER:NAME] [/SAVECRED] [/PERSISTENT:YES|NO]
//                                          [/YES] [>NUL]        (a home mapping: the last three)
//   Map Drive                "Disconnect drive G:"  "Disconnect all network connections"
//   Map Printer              "Disconnect printer LPT1"        (both: " with " [/YES] [>NUL])
//   Run Application          BASE " with " "wait" | "arguments " ARGS | "wait, arguments " ARGS
//   Merge Registry           BASE " with " "reg import" | "regedit /s"
//
// No producer puts a lower-case " with " into a base (shares and paths are upper-cased), so
// every rule of details.h answers as it always has when it is given the base. Every place
// that takes Details apart splits them here first.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

namespace details {
inline constexpr std::string_view kWith = " with ";
inline constexpr std::string_view kDisconnectDrive = "Disconnect drive ";
inline constexpr std::string_view kDisconnectAll = "Disconnect all network connections";
inline constexpr std::string_view kDisconnectPrinter = "Disconnect printer LPT";
}  // namespace details

enum class Persistence : std::uint8_t { Unset, Yes, No };
// How a registry file is merged: started as a document (no option), or by one of two tools.
enum class MergeMethod : std::uint8_t { Start, RegImport, Regedit };

// The options themselves; Text is a view into the Details (or fields) they came from, or a
// string of their own.
template <typename Text>
struct BasicOptions {
    // Map Drive and Map Printer (a home mapping and a disconnection take fewer).
    Text user{};  // /USER:NAME; empty for none
    bool saveCredentials = false;
    Persistence persistent = Persistence::Unset;
    bool confirm = false;  // /YES
    bool quiet = false;    // >NUL
    // Run Application.
    bool wait = false;
    Text arguments{};  // empty for none
    // Merge Registry.
    MergeMethod method = MergeMethod::Start;

    bool empty() const {
        return user.empty() && !saveCredentials && persistent == Persistence::Unset && !confirm &&
               !quiet && !wait && arguments.empty() && method == MergeMethod::Start;
    }
    bool operator==(const BasicOptions&) const = default;
};
using ActionOptions = BasicOptions<std::string_view>;
using OwnedOptions = BasicOptions<std::string>;

OwnedOptions ownedOptions(const ActionOptions& options);
ActionOptions optionsView(const OwnedOptions& options);

// The options a base takes.
enum class OptionSet : std::uint8_t {
    None,           // Display Message, Other, and kinds the program doesn't know
    Connection,     // a share mapped to a drive or a printer port
    Home,           // /PERSISTENT, /YES, >NUL
    Disconnection,  // /YES, >NUL
    Program,
    Merge,
};

// A user name for /USER: keeps its case and may hold "%", but no blank, double quote or
// character cmd.exe acts on.
bool IsUserName(std::string_view name);
// Program arguments: not empty, double quotes in pairs, nothing cmd.exe acts on outside them.
bool AreArguments(std::string_view arguments);
// Whether text holds one of & | < > ^ ( ), which cmd.exe acts on outside double quotes.
bool HoldsActedOn(std::string_view text);

// The suffix text read back; none unless it is the canonical text of options the set takes.
std::optional<ActionOptions> ParseOptions(std::string_view suffix, OptionSet set);
// Appends the canonical text of the options (without " with ").
void AppendOptions(std::string& out, const ActionOptions& options);
// The options the set takes, the others dropped.
ActionOptions OptionsFor(OptionSet set, ActionOptions options);

struct Disconnection {
    enum class Target : std::uint8_t { Drive, All, Printer };
    Target target = Target::All;
    char letter = 0;  // Drive: upper-cased
    int port = 0;     // Printer: 1 to 9
};

// Details taken apart: the trimmed base, and the options after the first " with " (Map
// Drive, Map Printer, Run Application and Merge Registry only; an Other command keeps
// "echo with love" whole).
struct DetailsParts {
    std::string_view base;
    std::string_view suffix;  // empty when there is none
    std::optional<Disconnection> disconnection;
    OptionSet set = OptionSet::None;
    // None when the suffix can't be read as options the base takes.
    std::optional<ActionOptions> options;

    bool hasSuffix() const { return !suffix.empty(); }
    // A disconnection, or a base with options: what plain forms can't hold.
    bool extended() const { return disconnection.has_value() || hasSuffix(); }
};

DetailsParts SplitDetails(std::string_view kind, std::string_view details);

// The base of Details of the kind: what every rule of details.h is applied to.
std::string_view DetailsBase(std::string_view kind, std::string_view details);

// "Disconnect drive G:", "Disconnect all network connections", "Disconnect printer LPT1";
// the kind that goes with it.
void AppendDisconnection(std::string& out, const Disconnection& disconnection);
std::optional<Disconnection> DisconnectionOf(std::string_view kind, std::string_view base);

// Details of base and options: base, less the one blank some producers put after a drive,
// then " with " and the options; the base alone when there are none.
std::string JoinDetails(std::string_view base, const ActionOptions& options);

}  // namespace kestrune
