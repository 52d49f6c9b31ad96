#include "files/net_use_grammar.h"

#include <array>
#include <cstdint>

#include "files/batch_words.h"

namespace kestrune {

namespace {

using namespace batch;

constexpr auto npos = std::string_view::npos;

// Takes a trailing ">nul", "> nul" or "1>nul" (in any case) off the text; it must stand
// apart from the word before it, which would otherwise lend it a handle number ("x2>nul").
bool takeNulRedirection(std::string_view& text) {
    if (!endsWithLower(text, "nul")) {
        return false;
    }
    std::size_t at = text.size() - 3;
    while (at > 0 && isBlank(text[at - 1])) {
        --at;
    }
    if (at == 0 || text[at - 1] != '>') {
        return false;
    }
    --at;
    if (at > 0 && text[at - 1] == '1') {
        --at;
    }
    if (at == 0 || !isBlank(text[at - 1])) {
        return false;
    }
    text = text.substr(0, at);
    return true;
}

// A share that the writer gives back as it stands: in quotes without blanks at its end,
// or bare without anything cmd.exe acts on (the caller has made sure of that).
bool isMappableShare(std::string_view text, bool quoted) {
    return isShare(text) && !(quoted && isBlank(text.back()));
}

bool takeDevice(std::string_view word, NetUseLine& line) {
    if (word == "*") {
        line.device = NetUseLine::Device::NextAvailable;
    } else if (word.size() == 2 && word[1] == ':' && isAsciiLetter(word[0])) {
        line.device = NetUseLine::Device::Letter;
        line.letter = upperByte(word[0]);
    } else if (startsWithLower(word, "lpt") && word.size() >= 4 && word[3] >= '1' &&
               word[3] <= '9' && (word.size() == 4 || (word.size() == 5 && word[4] == ':'))) {
        line.device = NetUseLine::Device::Port;
        line.port = word[3] - '0';
    } else {
        return false;
    }
    return true;
}

// The switches a line may hold, each at most once.
enum Switch : std::uint8_t {
    kUser = 1,
    kSaveCred = 2,
    kPersistent = 4,
    kYes = 8,
    kDelete = 16,
    kHome = 32,
};

// Which switch the word is (filling in its value), or 0 for none this grammar knows. The
// word holds no blank, quote or character cmd.exe acts on: a name after /USER: is one.
std::uint8_t takeSwitch(std::string_view word, ActionOptions& options) {
    if (word.size() < 2) {
        return 0;
    }
    switch (asciiLower(word[1])) {
        case 'u':
            if (startsWithLower(word, "/user:") && word.size() > 6) {
                options.user = word.substr(6);
                return kUser;
            }
            break;
        case 'p':
            if (equalsLower(word, "/persistent:yes") || equalsLower(word, "/persistent:no")) {
                options.persistent = word.size() == 15 ? Persistence::Yes : Persistence::No;
                return kPersistent;
            }
            break;
        case 's':
            return equalsLower(word, "/savecred") ? kSaveCred : 0;
        case 'y':
            return equalsLower(word, "/yes") || equalsLower(word, "/y") ? kYes : 0;
        case 'd':
            return equalsLower(word, "/delete") || equalsLower(word, "/del") ||
                           equalsLower(word, "/d")
                       ? kDelete
                       : 0;
        case 'h':
            return equalsLower(word, "/home") ? kHome : 0;
        default:
            break;
    }
    return 0;
}

}  // namespace

bool ParseNetUse(std::string_view text, NetUseLine& line) {
    line = NetUseLine{};
    text.remove_prefix(7);  // "net use"
    line.options.quiet = takeNulRedirection(text);
    std::uint8_t switches = 0;
    std::size_t positionals = 0;
    std::string_view share;
    bool shareQuoted = false;
    std::size_t i = 0;
    while (true) {
        while (i < text.size() && isBlank(text[i])) {
            ++i;
        }
        if (i == text.size()) {
            break;
        }
        std::string_view word;
        bool quoted = false;
        if (text[i] == '"') {
            // A quoted word stands apart from the words around it.
            const auto close = text.find('"', i + 1);
            if (close == npos || (close + 1 < text.size() && !isBlank(text[close + 1]))) {
                return false;
            }
            word = text.substr(i + 1, close - i - 1);
            quoted = true;
            if (holdsLoopVariable(word)) {
                return false;
            }
            i = close + 1;
        } else {
            const auto begin = i;
            // Bytes of a kind are few: each is sorted out where the scan stops.
            for (i = skipPlainBytes(text, i); i < text.size(); i = skipPlainBytes(text, i + 1)) {
                const std::uint8_t kind = kindOf(text[i]);
                if (kind & kBlankByte) {
                    break;
                }
                // A FOR variable: "%%" or "%~" (a "%" at the end is followed by a blank).
                if ((kind & (kQuoteByte | kActedOnByte)) ||
                    (i + 1 < text.size() && (text[i + 1] == '%' || text[i + 1] == '~'))) {
                    return false;
                }
            }
            word = text.substr(begin, i - begin);
        }
        if (!quoted && word.front() == '/') {
            const std::uint8_t which = takeSwitch(word, line.options);
            if (which == 0 || (switches & which) != 0) {
                return false;
            }
            switches |= which;
        } else if (positionals == 0) {
            // The device comes first; a quoted one is no device.
            if (quoted || !takeDevice(word, line)) {
                return false;
            }
            ++positionals;
        } else if (positionals == 1) {
            share = word;
            shareQuoted = quoted;
            ++positionals;
        } else {
            // A password, or "*" asking for one.
            return false;
        }
    }
    if (positionals == 0) {
        return false;
    }
    line.options.saveCredentials = (switches & kSaveCred) != 0;
    line.options.confirm = (switches & kYes) != 0;
    const bool hasShare = positionals == 2;
    const bool credentials = (switches & (kUser | kSaveCred)) != 0;
    if (switches & kDelete) {
        if (hasShare || (switches & (kHome | kPersistent)) || credentials) {
            return false;
        }
        line.target = NetUseLine::Target::Delete;
    } else if (switches & kHome) {
        if (hasShare || credentials || line.device == NetUseLine::Device::Port) {
            return false;
        }
        line.target = NetUseLine::Target::Home;
    } else if (hasShare && isMappableShare(share, shareQuoted)) {
        line.target = NetUseLine::Target::Share;
        line.share = share;
    } else {
        return false;
    }
    return true;
}

void AppendNetUseShare(std::string& out, std::string_view share) {
    // cmd.exe splits a bare argument at a blank or tab and acts on these characters; inside
    // double quotes they are the share's own.
    static constexpr auto kNeedsQuotes = [] {
        std::array<bool, 256> table{};
        for (const char c : std::string_view(" \t&|<>^()")) {
            table[static_cast<unsigned char>(c)] = true;
        }
        return table;
    }();
    bool quote = false;
    for (const char c : share) {
        quote = quote || kNeedsQuotes[static_cast<unsigned char>(c)];
    }
    if (quote) {
        out.push_back('"');
    }
    out.append(share);
    if (quote) {
        out.push_back('"');
    }
}

void AppendNetUseSwitches(std::string& out, const ActionOptions& options) {
    if (!options.empty()) {
        out.push_back(' ');
        AppendOptions(out, options);
    }
}

}  // namespace kestrune
