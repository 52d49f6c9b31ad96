#include "ui/main/images.h"

#include <array>

#include "core/action.h"

// The resource lives in a static library, so nothing would pull it in on its own.
static void initIconResource() {
    Q_INIT_RESOURCE(icons);
}

namespace kestrune {

void InitImages() {
    initIconResource();
}

namespace {

constexpr std::array<const char*, 10> kPictures = {
    ":/icons/open.svg",       ":/icons/save.svg",  ":/icons/add.svg",  ":/icons/remove.svg",
    ":/icons/properties.svg", ":/icons/up.svg",    ":/icons/down.svg", ":/icons/make.svg",
    ":/icons/execute.svg",    ":/icons/float.svg",
};

// In the order of the list's image list.
constexpr std::array<std::pair<std::string_view, const char*>, 7> kListIcons = {{
    {icon::kDrive, ":/icons/imgDrive.svg"},
    {icon::kReg, ":/icons/imgReg.svg"},
    {icon::kMotd, ":/icons/imgMotd.svg"},
    {icon::kHome, ":/icons/imgHome.svg"},
    {icon::kApp, ":/icons/imgApp.svg"},
    {icon::kOther, ":/icons/imgOther.svg"},
    {icon::kPrint, ":/icons/imgPrint.svg"},
}};

}  // namespace

QIcon ToolbarPicture(int picture) {
    if (picture < 1 || picture > static_cast<int>(kPictures.size())) {
        return {};
    }
    return QIcon(QString::fromLatin1(kPictures[static_cast<size_t>(picture - 1)]));
}

QIcon ListIcon(std::string_view iconKey) {
    for (const auto& [key, file] : kListIcons) {
        if (key == iconKey) {
            return QIcon(QString::fromLatin1(file));
        }
    }
    return {};
}

}  // namespace kestrune
