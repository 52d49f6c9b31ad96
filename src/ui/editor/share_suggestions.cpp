#include "ui/editor/share_suggestions.h"

#include <algorithm>

#include "core/cp1252_text.h"
#include "core/document.h"
#include "platform/prompts.h"
#include "platform/recent_network_paths.h"
#include "platform/settings_store.h"
#include "platform/text_codec.h"
#include "ui/editor/editor_texts.h"

namespace kestrune {

namespace {

QString section() {
    return QString::fromLatin1(editor_texts::kRecentSection.data(),
                               static_cast<qsizetype>(editor_texts::kRecentSection.size()));
}

QString shareKey(std::size_t slot) {
    return QString::fromLatin1(editor_texts::kShareKey.data(),
                               static_cast<qsizetype>(editor_texts::kShareKey.size())) +
           QString::number(slot + 1);
}

}  // namespace

ShareSuggestions::ShareSuggestions(SettingsStore& settings, RecentNetworkPaths& recentPaths)
    : settings_(settings), recentPaths_(recentPaths) {}

void ShareSuggestions::LoadShareSuggestions(Prompts& prompts) {
    const SettingsStore::Value first = settings_.read(section(), shareKey(0));
    if (first.status == SettingsStore::Status::Failed) {
        // Can't tell whether shares are stored; seeding now could overwrite them.
        return;
    }
    if (!trimmed(ToCp1252(first.text)).empty()) {
        for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
            const SettingsStore::Value value = settings_.read(section(), shareKey(slot));
            const std::string text = upperCased(trimmed(ToCp1252(value.text)));
            // A blank value ends the run as an empty one does, so the slots keep no gaps.
            if (value.status != SettingsStore::Status::Found || text.empty()) {
                break;
            }
            slots_[slot] = text;
        }
        return;
    }

    RecentNetworkNames recent = recentPaths_.ReadRecentNetworkPaths();
    const std::size_t count = std::min(recent.names.size(), kSlotCount);
    for (std::size_t slot = 0; slot < count; ++slot) {
        slots_[slot] = std::move(recent.names[slot]);
    }
    if (recent.unexpectedFailure) {
        prompts.message(MessageRequest{editor_texts::Tr(editor_texts::kRegistryFailure),
                                       Utf8Text(kAppTitle), MessageButtons::Ok,
                                       MessageIcon::Critical, std::nullopt});
    }
    if (count == 0) {
        // Nothing to seed from: stores nothing, so the next load tries again.
        return;
    }
    ConvertRecentNetworkNames(slots_);
    store();
}

void ShareSuggestions::RememberShare(std::string_view text) {
    std::string_view share = trimmed(text);
    if (share.empty() || !contains(share, "\\\\")) {
        return;
    }
    share = share.substr(0, share.find(' '));
    const std::string upper = upperCased(share);
    const bool known = std::any_of(slots_.begin(), slots_.end(), [&upper](const std::string& s) {
        return upperCased(s) == upper;
    });
    if (!known) {
        std::move_backward(slots_.begin(), slots_.end() - 1, slots_.end());
        slots_[0] = upper;
    }
    store();
}

void ShareSuggestions::store() {
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        if (!slots_[slot].empty()) {
            // A refused value is skipped; the others are still written.
            settings_.write(section(), shareKey(slot), FromCp1252(slots_[slot]));
        }
    }
}

void ConvertRecentNetworkNames(ShareSuggestions::Slots& names) {
    for (std::string& slot : names) {
        const std::string raw = upperCased(trimmed(slot));
        slot.clear();
        if (raw.empty()) {
            break;
        }
        for (char c : raw) {
            if (c == '.') {
                continue;
            }
            slot.push_back(c == '/' ? '\\' : c);
        }
    }
}

}  // namespace kestrune
