#pragma once

// The pictures of the toolbar and the icons of the action list, drawn as SVG and kept in
// the program's resources.

#include <QIcon>
#include <string_view>

namespace kestrune {

// Makes the pictures available; the window calls it once before it uses any.
void InitImages();

// Toolbar picture 1 to 10: open, save, add, remove, properties, up, down, make, execute,
// float. An empty icon for any other number.
QIcon ToolbarPicture(int picture);

// The list icon of an icon key ("imgDrive", "imgHome", ...); an empty icon for an
// unknown key.
QIcon ListIcon(std::string_view iconKey);

}  // namespace kestrune
