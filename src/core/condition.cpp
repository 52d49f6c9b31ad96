#include "core/condition.h"

#include <array>
#include <cstdint>
#include <utility>

namespace kestrune {

namespace {

struct Form {
    std::string_view words;  // with the blank before the name
    ConditionSubject subject;
    bool negated;
};

// By subject in the order of ConditionSubject, the plain form and then the negated one, so
// that a condition's form is found by its place; a text is tested against each as a prefix.
constexpr std::array<Form, 6> kForms = {{
    {"member of ", ConditionSubject::Group, false},
    {"not member of ", ConditionSubject::Group, true},
    {"user ", ConditionSubject::User, false},
    {"not user ", ConditionSubject::User, true},
    {"computer ", ConditionSubject::Computer, false},
    {"not computer ", ConditionSubject::Computer, true},
}};
static_assert([] {
    for (std::size_t i = 0; i < kForms.size(); ++i) {
        if (kForms[i].subject != static_cast<ConditionSubject>(i / 2) ||
            kForms[i].negated != (i % 2 == 1)) {
            return false;
        }
    }
    return true;
}());

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
    // The forms go by subject, the plain one first.
    const Form& form =
        kForms[static_cast<std::size_t>(condition.subject) * 2 + (condition.negated ? 1 : 0)];
    out.append(form.words).append(condition.name);
}

std::string ConditionText(const Condition& condition) {
    std::string text;
    AppendCondition(text, condition);
    return text;
}

namespace {

// What a byte may be to a name, one lookup each: the readers ask it of every conditioned
// action of a file.
constexpr std::uint8_t kUnprintable = 1;
constexpr std::uint8_t kForbidden = 2;  // ends a quoted name or expands in cmd.exe
constexpr std::uint8_t kBackslash = 4;
constexpr std::uint8_t kBlank = 8;
constexpr auto kNameBytes = [] {
    std::array<std::uint8_t, 256> kinds{};
    for (std::size_t c = 0; c < kinds.size(); ++c) {
        kinds[c] = c < 0x20 || c > 0x7E ? kUnprintable : 0;
    }
    kinds['"'] = kinds['%'] = kinds['!'] = kForbidden;
    kinds['\\'] = kBackslash;
    kinds[' '] = kBlank;
    return kinds;
}();

}  // namespace

NameFault CheckConditionName(ConditionSubject subject, std::string_view name) {
    if (name.empty()) {
        return NameFault::Empty;
    }
    std::uint8_t seen = 0;
    for (const char c : name) {
        seen |= kNameBytes[static_cast<unsigned char>(c)];
    }
    if (seen & kUnprintable) {
        return NameFault::NotPrintableAscii;
    }
    if (name.front() == ' ' || name.back() == ' ') {
        return NameFault::EdgeBlank;
    }
    if (seen & kForbidden) {
        return NameFault::Forbidden;
    }
    if (subject == ConditionSubject::Group) {
        return (seen & kBackslash) && name.find('\\') != name.rfind('\\')
                   ? NameFault::TwoBackslashes
                   : NameFault::None;
    }
    if (seen & kBackslash) {
        return NameFault::Backslash;
    }
    return subject == ConditionSubject::Computer && (seen & kBlank) ? NameFault::Blank
                                                                    : NameFault::None;
}

bool IsCondition(std::string_view text) {
    const auto condition = ParseCondition(text);
    return condition && CheckConditionName(condition->subject, condition->name) == NameFault::None;
}

}  // namespace kestrune
