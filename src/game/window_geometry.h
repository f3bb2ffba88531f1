// A window's geometry in twips.
#pragma once

namespace quiltra {

// A window's outer size and its place on the screen, in twips. The game window's geometry is
// this one value wherever it is kept: in the settings file, in the program's state, in the
// game's form and in the Picture Viewer, which takes the game window's size.
struct WindowGeometry {
    double Width = 9550;
    double Height = 6750;
    double Left = 20;
    double Top = 20;
    bool operator==(const WindowGeometry&) const = default;
};

} // namespace quiltra
