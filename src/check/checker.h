#pragma once

// Checks a script against the servers it names, without running anything: each share,
// printer and file an action names is looked up on its server, and a drive letter or printer
// port mapped twice is pointed out.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/share_backend.h"
#include "core/action_list.h"
#include "core/message.h"

namespace kestrune::check {

enum class Outcome { Ok, Skipped, Warning, Problem };

// "ok", "skipped", "warning", "problem".
std::string_view outcomeName(Outcome outcome);

struct CheckResult {
    std::size_t position = 0;  // from 1
    std::string kind;
    Outcome outcome = Outcome::Ok;
    Message reason;  // empty for ok

    bool operator==(const CheckResult&) const = default;
};

// "NAME=ADDRESS[:PORT]" (an IPv6 address in brackets when it has a port); none when malformed.
std::optional<std::pair<std::string, ServerAddress>> parseServerMapping(std::string_view text);

// Drive letters and printer ports that more than one action maps: for each row, the row its
// warning names besides its own, or kNoPartner. An action names the earlier one it repeats,
// the first of them the next one, so that the warnings stay short however often a letter is
// mapped.
inline constexpr std::size_t kNoPartner = static_cast<std::size_t>(-1);
std::vector<std::size_t> duplicatePartners(const ActionList& list);
// The warning of the action at row, whose partner is the other row.
Message duplicateWarning(const ActionList& list, std::size_t row, std::size_t partner);

// Checks the actions one after the other. A server that can't be reached is asked once; the
// actions after it on that server say so without asking again. onResult gets each result as
// it is known and returns false to stop; the results are then not kept, and the vector
// returned is empty. Running out of memory ends the check early: failure() then says so.
class Checker {
  public:
    explicit Checker(ShareBackend& backend) : backend_(backend) {}

    std::vector<CheckResult> run(const ActionList& list,
                                 const std::function<bool(const CheckResult&)>& onResult = {});
    // Why the last run ended before its end (texts::outOfMemory); none when it didn't, or
    // onResult stopped it.
    const std::optional<Message>& failure() const { return failure_; }

  private:
    struct Unc {
        std::string server, share, path;
    };
    struct Verdict {
        Outcome outcome;
        Message reason;
    };
    Verdict checkAction(const ActionRef& action);
    Verdict checkShare(const Unc& unc, bool printer);
    Verdict checkFile(const Unc& unc, bool folder);
    Verdict unreachable(const std::string& server, const Message& detail);

    ShareBackend& backend_;
    std::vector<std::string> silentServers_;  // upper-cased
    std::optional<Message> failure_;
};

}  // namespace kestrune::check
