#include "files/net_use_grammar.h"

#include <array>
#include <cstdint>

#include "files/batch_words.h"

namespace kestrune {

namespace {

using namespace batch;

// Whether ">nul" or "> nul" (in any case, blanks after it) ends the line from the ">" at
// at on; end is then where the line ends.
bool endsWithNulRedirection(std::string_view text, std::size_t at, std::size_t& end) {
    ++at;
    while (at < text.size() && isBlank(text[at])) {
        ++at;
    }
    if (!startsWithLower(text.substr(at), "nul")) {
        return false;
    }
    at += 3;
    while (at < text.size() && isBlank(text[at])) {
        ++at;
    }
    end = at;
    return at == text.size() || (kindOf(text[at]) & kLineEndByte) != 0;
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

// A switch as the writer writes it, in upper case, standing alone from at on: which it is
// (its value filled in) and its length; 0 for any other spelling, which takeSwitch() reads.
std::uint8_t takeWrittenSwitch(std::string_view text, std::size_t at, ActionOptions& options,
                               std::size_t& size) {
    const std::string_view rest = text.substr(at);
    const auto alone = [rest](std::string_view word) {
        return startsWithBytes(rest, word) &&
               (rest.size() == word.size() ||
                (kindOf(rest[word.size()]) & (kBlankByte | kLineEndByte)) != 0);
    };
    const auto taken = [&size](std::string_view word, std::uint8_t which) {
        size = word.size();
        return which;
    };
    if (rest.size() < 4) {
        return 0;
    }
    switch (rest[1]) {
        case 'P':
            if (alone("/PERSISTENT:NO")) {
                options.persistent = Persistence::No;
                return taken("/PERSISTENT:NO", kPersistent);
            }
            if (alone("/PERSISTENT:YES")) {
                options.persistent = Persistence::Yes;
                return taken("/PERSISTENT:YES", kPersistent);
            }
            break;
        case 'Y':
            return alone("/YES") ? taken("/YES", kYes) : 0;
        case 'S':
            return alone("/SAVECRED") ? taken("/SAVECRED", kSaveCred) : 0;
        case 'D':
            return alone("/DELETE") ? taken("/DELETE", kDelete) : 0;
        case 'H':
            return alone("/HOME") ? taken("/HOME", kHome) : 0;
        default:
            break;
    }
    return 0;
}

}  // namespace

std::size_t ParseNetUse(std::string_view text, NetUseLine& line) {
    line = NetUseLine{};
    std::uint8_t switches = 0;
    std::size_t positionals = 0;
    std::string_view share;
    bool shareQuoted = false;
    std::size_t i = 7;  // after "net use"
    // A line end or the end of the text; the line is scanned once, its end found on the way.
    const auto endsLine = [&text](std::size_t at) {
        return at == text.size() || (kindOf(text[at]) & kLineEndByte) != 0;
    };
    while (true) {
        while (i < text.size() && isBlank(text[i])) {
            ++i;
        }
        if (endsLine(i)) {
            break;
        }
        // The switches as the writer writes them are taken by comparing them whole.
        if (text[i] == '/') {
            std::size_t size = 0;
            if (const std::uint8_t which = takeWrittenSwitch(text, i, line.options, size)) {
                if ((switches & which) != 0) {
                    return 0;
                }
                switches |= which;
                i += size;
                continue;
            }
        } else if (text[i] == '>' && i + 4 <= text.size() && endsLine(i + 4) &&
                   startsWithBytes(text.substr(i), ">NUL")) {
            line.options.quiet = true;
            i += 4;
            break;
        }
        std::string_view word;
        bool quoted = false;
        if (text[i] == '"') {
            // A quoted word stands apart from the words around it.
            const auto close = findKind(text, i + 1, kQuoteByte | kLineEndByte);
            if (endsLine(close) || !(endsLine(close + 1) || isBlank(text[close + 1]))) {
                return 0;
            }
            word = text.substr(i + 1, close - i - 1);
            quoted = true;
            if (holdsLoopVariable(word)) {
                return 0;
            }
            i = close + 1;
        } else {
            const auto begin = i;
            // Bytes of a kind are few: each is sorted out where the scan stops.
            constexpr std::uint8_t kStops = kWordStops | kLineEndByte;
            for (i = findKind(text, i, kStops); i < text.size();
                 i = findKind(text, i + 1, kStops)) {
                const std::uint8_t kind = kindOf(text[i]);
                if (kind & (kBlankByte | kLineEndByte)) {
                    break;
                }
                // ">nul" at the very end, standing apart from the word before it, which
                // would otherwise lend it a handle number ("x2>nul"); "1>nul" is stdout's.
                if (text[i] == '>' && (i == begin || (i == begin + 1 && text[begin] == '1'))) {
                    if (!endsWithNulRedirection(text, i, i)) {
                        return 0;
                    }
                    line.options.quiet = true;
                    break;
                }
                // A FOR variable: "%%" or "%~" (a "%" at the end is followed by a blank).
                if ((kind & (kQuoteByte | kActedOnByte)) ||
                    (i + 1 < text.size() && (text[i + 1] == '%' || text[i + 1] == '~'))) {
                    return 0;
                }
            }
            if (line.options.quiet) {
                break;  // the redirection ended the line; a "1" before it was its handle
            }
            word = text.substr(begin, i - begin);
        }
        if (!quoted && word.front() == '/') {
            const std::uint8_t which = takeSwitch(word, line.options);
            if (which == 0 || (switches & which) != 0) {
                return 0;
            }
            switches |= which;
        } else if (positionals == 0) {
            // The device comes first; a quoted one is no device.
            if (quoted || !takeDevice(word, line)) {
                return 0;
            }
            ++positionals;
        } else if (positionals == 1) {
            share = word;
            shareQuoted = quoted;
            ++positionals;
        } else {
            // A password, or "*" asking for one.
            return 0;
        }
    }
    if (positionals == 0) {
        return 0;
    }
    line.options.saveCredentials = (switches & kSaveCred) != 0;
    line.options.confirm = (switches & kYes) != 0;
    const bool hasShare = positionals == 2;
    const bool credentials = (switches & (kUser | kSaveCred)) != 0;
    if (switches & kDelete) {
        if (hasShare || (switches & (kHome | kPersistent)) || credentials) {
            return 0;
        }
        line.target = NetUseLine::Target::Delete;
    } else if (switches & kHome) {
        if (hasShare || credentials || line.device == NetUseLine::Device::Port) {
            return 0;
        }
        line.target = NetUseLine::Target::Home;
    } else if (hasShare && isMappableShare(share, shareQuoted)) {
        line.target = NetUseLine::Target::Share;
        line.share = share;
    } else {
        return 0;
    }
    return i;
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
