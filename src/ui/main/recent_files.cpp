#include "ui/main/recent_files.h"

#include "core/cp1252_text.h"
#include "core/document.h"
#include "platform/text_codec.h"

namespace kestrune {

namespace {

QString fileKey(int n) {
    return QString::fromLatin1(main_texts::settings::kFilePrefix.data(),
                               static_cast<qsizetype>(main_texts::settings::kFilePrefix.size())) +
           QString::number(n);
}

QString recentSection() {
    return QString::fromLatin1(main_texts::settings::kRecent.data(),
                               static_cast<qsizetype>(main_texts::settings::kRecent.size()));
}

}  // namespace

int RecentFiles::filledCount() const {
    int n = 0;
    while (n < kCount && !trimmed(entries_[static_cast<size_t>(n)]).empty()) {
        ++n;
    }
    return n;
}

bool RecentFiles::add(std::string_view path) {
    const std::string lower = lowerCased(path);
    for (const auto& entry : entries_) {
        if (lowerCased(entry) == lower) {
            return false;
        }
    }
    for (int i = kCount - 2; i >= 0; --i) {
        const auto from = static_cast<size_t>(i);
        if (!trimmed(entries_[from]).empty()) {
            entries_[from + 1] = entries_[from];
        }
    }
    entries_[0] = std::string(path);
    return true;
}

bool RecentFiles::load(SettingsStore& settings) {
    for (int n = 1; n <= kCount; ++n) {
        const auto value = settings.read(recentSection(), fileKey(n));
        if (value.status == SettingsStore::Status::Failed) {
            return false;
        }
        const std::string path(trimmed(PathBytes(value.text)));
        if (path.empty()) {
            break;
        }
        entries_[static_cast<size_t>(n - 1)] = path;
    }
    return true;
}

bool StoreRecentEntry(SettingsStore& settings, int index, const std::string& path) {
    return settings.write(recentSection(), fileKey(index + 1), PathText(path));
}

std::string RecentCaption(int n, std::string_view path) {
    // Appended rather than "&" + ...: GCC 12's -Wrestrict misfires on that in a Release build.
    std::string caption = "&";
    caption.append(std::to_string(n)).append("   ");
    // An "&" of the name is the name's own character, not a second access key.
    for (const char c : FileNameFromPath(path)) {
        caption.append(c == '&' ? "&&" : std::string_view(&c, 1));
    }
    return caption;
}

}  // namespace kestrune
