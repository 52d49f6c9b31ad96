#include "core/condition.h"

#include <array>
#include <utility>

namespace kestrune {

namespace {

struct Form {
    std::string_view words;  // with the blank before the name
    ConditionSubject subject;
    bool negated;
};

// "not member of " before "member of ": each is tested as a prefix.
constexpr std::array<Form, 6> kForms = {{
    {"member of ", ConditionSubject::Group, false},
    {"not member of ", ConditionSubject::Group, true},
    {"user ", ConditionSubject::User, false},
    {"not user ", ConditionSubject::User, true},
    {"computer ", ConditionSubject::Computer, false},
    {"not computer ", ConditionSubject::Computer, true},
}};

}  // namespace

std::optional<Condition> ParseCondition(std::string_view text) {
    for (const Form& form : kForms) {
        if (text.starts_with(form.words)) {
            return Condition{form.subject, form.negated, text.substr(form.words.size())};
        }
    }
    return std::nullopt;
}

void AppendCondition(std::string& out, const Condition& condition) {
    for (const Form& form : kForms) {
        if (form.subject == condition.subject && form.negated == condition.negated) {
            out.append(form.words).append(condition.name);
            return;
        }
    }
}

std::string ConditionText(const Condition& condition) {
    std::string text;
    AppendCondition(text, condition);
    return text;
}

NameFault CheckConditionName(ConditionSubject subject, std::string_view name) {
    if (name.empty()) {
        return NameFault::Empty;
    }
    // One pass: the readers ask it of every conditioned action of a file.
    bool forbidden = false;
    int backslashes = 0;
    bool blank = false;
    for (const char c : name) {
        if (c < 0x20 || c > 0x7E) {
            return NameFault::NotPrintableAscii;
        }
        forbidden = forbidden || c == '"' || c == '%' || c == '!';
        backslashes += c == '\\' ? 1 : 0;
        blank = blank || c == ' ';
    }
    if (name.front() == ' ' || name.back() == ' ') {
        return NameFault::EdgeBlank;
    }
    if (forbidden) {
        return NameFault::Forbidden;
    }
    if (subject == ConditionSubject::Group) {
        return backslashes > 1 ? NameFault::TwoBackslashes : NameFault::None;
    }
    if (backslashes > 0) {
        return NameFault::Backslash;
    }
    return subject == ConditionSubject::Computer && blank ? NameFault::Blank : NameFault::None;
}

bool IsCondition(std::string_view text) {
    const auto condition = ParseCondition(text);
    return condition && CheckConditionName(condition->subject, condition->name) == NameFault::None;
}

}  // namespace kestrune
