#pragma once

// The main window's layout in twips (1440 to the inch) and the rules that follow its size.

namespace kestrune {

inline constexpr double kTwipsPerInch = 1440.0;

// Pixels for a length in twips at a logical resolution in dots per inch, rounded.
int TwipsToPixels(double twips, double dpi);
double PixelsToTwips(double pixels, double dpi);

struct MainLayout {
    double lineEnd = 7080;  // the rule under the menu bar runs from x 0 to here
    double toolbarLeft = 360, toolbarTop = 120, toolbarWidth = 4020, toolbarHeight = 390;
    double listLeft = 360, listTop = 600, listWidth = 6375, listHeight = 3135;
    double actionColumnWidth = 1800;
    double conditionColumnWidth = 1800;  // "Run if", while it shows
    double detailsColumnWidth = 4250;
    double statusLeft = 120, statusTop = 3840, statusWidth = 6855, statusHeight = 255;

    bool operator==(const MainLayout&) const = default;
};

// The default outer size of the window.
inline constexpr double kDefaultWindowWidth = 7215;
inline constexpr double kDefaultWindowHeight = 4890;

// The layout after the window's outer size became width by height (frame, title bar and
// menu bar included). Parts no rule touches keep their values, and a width below 0 is
// never applied. While the "Run if" column shows, Details give it its width.
MainLayout ResizeLayout(MainLayout layout, double width, double height,
                        bool conditionColumn = false);

}  // namespace kestrune
