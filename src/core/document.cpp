#include "core/document.h"

#include "core/cp1252_text.h"

namespace kestrune {

std::string FileNameFromPath(std::string_view path) {
    auto name = trimmed(path);
    const auto separator = name.find_last_of("\\/");
    if (separator != std::string_view::npos) {
        name = name.substr(separator + 1);
    }
    return std::string(trimmed(name));
}

bool NamesFile(std::string_view documentPath) {
    return contains(documentPath, ":") || documentPath.starts_with('/');
}

bool IsBatchDocument(std::string_view documentPath) {
    const std::string ending = lowerCased(trimmed(lastChars(documentPath, 4)));
    return ending == ".bat" || ending == ".cmd";
}

bool IsTemplatePath(std::string_view path) {
    return lowerCased(lastChars(path, 4)) == ".lst";
}

std::string TitleForPath(std::string_view path) {
    return std::string(kAppTitle) + " - " + FileNameFromPath(path);
}

}  // namespace kestrune
