// Takes a picture file into play from outside the Open Picture window: a file dropped on the game
// window, or the one named on the command line.
#pragma once

#include <QString>

namespace quiltra {

class GameWindow;

// Does what a double click on the file in the Open Picture window does (Game::takePictureIntoPlay):
// a picture that cannot be loaded or is too small is refused with a message titled "Quiltra" and
// changes nothing; the picture already in play is not cut again. Returns whether the picture is
// in play.
bool openPictureFile(GameWindow& window, const QString& path);

// Whether a file name is one of the picture types the game opens (BMP, GIF, JPEG).
bool isPictureFileName(const QString& path);

} // namespace quiltra
