#include "files/condition_lines.h"

#include <array>

#include "core/cp1252_text.h"
#include "files/batch_words.h"

namespace kestrune {

namespace {

constexpr std::string_view kEol = "\r\n";

// The whoami line before and after the text it looks for, as written; read in any case.
constexpr std::string_view kGroupSearch =
    "%SystemRoot%\\System32\\whoami.exe /groups /fo csv /nh | %SystemRoot%\\System32\\find.exe "
    "/i \"";
constexpr std::string_view kGroupSearchLower =
    "%systemroot%\\system32\\whoami.exe /groups /fo csv /nh | %systemroot%\\system32\\find.exe "
    "/i \"";
constexpr std::string_view kGroupSearchEnd = "\"\",\" >nul";
constexpr std::string_view kMember = "if not errorlevel 1 ";
constexpr std::string_view kNotMember = "if errorlevel 1 if not errorlevel 2 ";

// The user and computer IF lines as this program writes them, up to the quote before the
// name: told by one comparison, where any other case and spacing goes word by word.
struct WrittenNameForm {
    std::string_view head;
    ConditionSubject subject;
    bool negated;
};
constexpr std::string_view kWrittenNameStart = "if /i \"%";
constexpr std::array<WrittenNameForm, 4> kWrittenNameForms = {{
    {"if /i \"%USERNAME%\"==\"", ConditionSubject::User, false},
    {"if /i \"%USERNAME%\" NEQ \"", ConditionSubject::User, true},
    {"if /i \"%COMPUTERNAME%\"==\"", ConditionSubject::Computer, false},
    {"if /i \"%COMPUTERNAME%\" NEQ \"", ConditionSubject::Computer, true},
}};

std::string_view variableOf(ConditionSubject subject) {
    return subject == ConditionSubject::User ? "%USERNAME%" : "%COMPUTERNAME%";
}

Refusal refusalOf(NameFault fault) {
    switch (fault) {
        case NameFault::Empty:
            return Refusal::ConditionNameEmpty;
        case NameFault::NotPrintableAscii:
            return Refusal::ConditionNameNotAscii;
        case NameFault::EdgeBlank:
            return Refusal::ConditionNameEdgeBlank;
        case NameFault::Forbidden:
            return Refusal::ConditionNameForbidden;
        case NameFault::TwoBackslashes:
            return Refusal::ConditionNameTwoBackslashes;
        case NameFault::Backslash:
            return Refusal::ConditionNameBackslash;
        case NameFault::Blank:
        case NameFault::None:
            break;
    }
    return Refusal::ConditionNameBlank;
}

// A line taken apart word by word: words in any case, one blank or more after each.
class Words {
  public:
    explicit Words(std::string_view text) : text_(text) {}

    // The word (given in lower case) and the blanks after it, at least one.
    bool word(std::string_view lower) {
        if (!batch::startsWithLower(text_, lower) || text_.size() == lower.size() ||
            !isBlank(text_[lower.size()])) {
            return false;
        }
        text_.remove_prefix(lower.size());
        blanks();
        return true;
    }
    // The text (given in lower case) with nothing required after it.
    bool text(std::string_view lower) {
        if (!batch::startsWithLower(text_, lower)) {
            return false;
        }
        text_.remove_prefix(lower.size());
        return true;
    }
    // Blanks, as many as there are; whether there was one.
    bool blanks() {
        const std::size_t before = text_.size();
        while (!text_.empty() && isBlank(text_.front())) {
            text_.remove_prefix(1);
        }
        return text_.size() != before;
    }
    // A double-quoted text without quotes inside; what it holds.
    std::optional<std::string_view> quoted() {
        if (!text_.starts_with('"')) {
            return std::nullopt;
        }
        const auto close = text_.find('"', 1);
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        const auto inner = text_.substr(1, close - 1);
        text_.remove_prefix(close + 1);
        return inner;
    }
    std::string_view rest() const { return text_; }

  private:
    std::string_view text_;
};

}  // namespace

std::optional<Refusal> ConditionNameRefusal(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const auto condition = ParseCondition(text);
    if (!condition) {
        return Refusal::UnreadableCondition;
    }
    if (const auto fault = CheckConditionName(condition->subject, condition->name);
        fault != NameFault::None) {
        return refusalOf(fault);
    }
    return std::nullopt;
}

std::optional<Refusal> ConditionRefusal(const ActionRef& action, bool followsCaret) {
    if (action.condition.empty()) {
        return std::nullopt;
    }
    if (const auto why = ConditionNameRefusal(action.condition)) {
        return why;
    }
    // The "^" would put the condition's line, or its IF, into the command before it.
    if (followsCaret) {
        return Refusal::ConditionAfterCaret;
    }
    if (action.kind == kind::kOther) {
        const auto command = trimmed(action.details);
        if (command.empty()) {
            return Refusal::ConditionedCommandEmpty;  // an IF without a command stops the script
        }
        if (std::string_view("():@").find(command.front()) != std::string_view::npos) {
            return Refusal::ConditionedCommandStart;
        }
        if (action.details.ends_with('^')) {
            return Refusal::ConditionedCommandCaret;
        }
    }
    return std::nullopt;
}

void AppendConditionHead(std::string& out, const Condition& condition) {
    if (condition.subject == ConditionSubject::Group) {
        out.append(kGroupSearch);
        // "\NAME", or the whole "DOMAIN\NAME" from its opening quote on.
        out.append(condition.name.find('\\') == std::string_view::npos ? "\\" : "\"\"");
        out.append(condition.name).append(kGroupSearchEnd).append(kEol);
        out.append(condition.negated ? kNotMember : kMember);
        return;
    }
    out.append("if /i \"").append(variableOf(condition.subject)).push_back('"');
    out.append(condition.negated ? " NEQ \"" : "==\"").append(condition.name).append("\" ");
}

namespace {

// The quoted name, the blanks after it and the command they lead to.
std::optional<ConditionHead> nameAndCommand(Words& words, ConditionSubject subject, bool negated) {
    const auto name = words.quoted();
    if (!name || !words.blanks() || words.rest().empty() ||
        CheckConditionName(subject, *name) != NameFault::None) {
        return std::nullopt;
    }
    return ConditionHead{{subject, negated, *name}, words.rest()};
}

}  // namespace

std::optional<ConditionHead> ParseNameCondition(std::string_view line) {
    if (line.starts_with(kWrittenNameStart)) {
        for (const WrittenNameForm& form : kWrittenNameForms) {
            if (line.starts_with(form.head)) {
                Words words(line.substr(form.head.size() - 1));
                return nameAndCommand(words, form.subject, form.negated);
            }
        }
    }
    Words words(line);
    if (!words.word("if") || !words.word("/i")) {
        return std::nullopt;
    }
    const bool notForm = words.word("not");
    ConditionSubject subject = ConditionSubject::User;
    if (words.text("\"%computername%\"")) {
        subject = ConditionSubject::Computer;
    } else if (!words.text("\"%username%\"")) {
        return std::nullopt;
    }
    const bool blank = words.blanks();
    bool negated = notForm;
    if (!words.text("==")) {
        // "NEQ" between blanks, and never after "not".
        if (notForm || !blank || !words.word("neq")) {
            return std::nullopt;
        }
        negated = true;
    }
    words.blanks();
    return nameAndCommand(words, subject, negated);
}

std::optional<std::string_view> ParseGroupSearch(std::string_view line) {
    // As this program writes it, or in any other case.
    if (!(line.starts_with(kGroupSearch) || batch::startsWithLower(line, kGroupSearchLower)) ||
        !batch::endsWithLower(line, kGroupSearchEnd) ||
        line.size() < kGroupSearch.size() + kGroupSearchEnd.size()) {
        return std::nullopt;
    }
    auto searched = line.substr(kGroupSearch.size(),
                                line.size() - kGroupSearch.size() - kGroupSearchEnd.size());
    // The writer's two forms only: "\NAME" without a domain, """DOMAIN\NAME" with one.
    const bool domain = searched.starts_with("\"\"");
    if (!domain && !searched.starts_with('\\')) {
        return std::nullopt;
    }
    searched.remove_prefix(domain ? 2 : 1);
    if ((searched.find('\\') != std::string_view::npos) != domain ||
        CheckConditionName(ConditionSubject::Group, searched) != NameFault::None) {
        return std::nullopt;
    }
    return searched;
}

std::optional<ConditionHead> ParseGroupCondition(std::string_view line, std::string_view group) {
    // As this program writes them, or word by word in any case and spacing.
    for (const bool negated : {false, true}) {
        const std::string_view written = negated ? kNotMember : kMember;
        if (line.starts_with(written)) {
            Words words(line.substr(written.size()));
            words.blanks();
            if (words.rest().empty()) {
                return std::nullopt;
            }
            return ConditionHead{{ConditionSubject::Group, negated, group}, words.rest()};
        }
    }
    Words words(line);
    if (!words.word("if")) {
        return std::nullopt;
    }
    bool negated = false;
    if (words.word("errorlevel")) {
        if (!words.word("1") || !words.word("if") || !words.word("not") ||
            !words.word("errorlevel") || !words.word("2")) {
            return std::nullopt;
        }
        negated = true;
    } else if (!words.word("not") || !words.word("errorlevel") || !words.word("1")) {
        return std::nullopt;
    }
    if (words.rest().empty()) {
        return std::nullopt;
    }
    return ConditionHead{{ConditionSubject::Group, negated, group}, words.rest()};
}

bool TakesCondition(std::string_view rest) {
    return !trimmed(rest).empty() &&
           std::string_view("():@").find(rest.front()) == std::string_view::npos;
}

}  // namespace kestrune
