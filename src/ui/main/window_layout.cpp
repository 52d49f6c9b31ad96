#include "ui/main/window_layout.h"

#include <cmath>

namespace kestrune {

int TwipsToPixels(double twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

double PixelsToTwips(double pixels, double dpi) {
    return pixels * kTwipsPerInch / dpi;
}

MainLayout ResizeLayout(MainLayout layout, double width, double height, bool conditionColumn) {
    layout.lineEnd = width;
    if (2 * width - 100 > 0) {
        const double listWidth = width - 2 * layout.listLeft - 100;
        if (listWidth >= 0) {
            layout.listWidth = listWidth;
        }
        const double others = 2125 + (conditionColumn ? layout.conditionColumnWidth : 0);
        if (listWidth > others) {
            layout.detailsColumnWidth = listWidth - others;
        }
        const double statusWidth = width - 2 * layout.statusLeft - 100;
        if (statusWidth >= 0) {
            layout.statusWidth = statusWidth;
        }
    }
    if (height > 1754) {
        layout.listHeight = height - 1635;
    }
    if (height > 1051) {
        layout.statusTop = height - 945;
    }
    return layout;
}

}  // namespace kestrune
