// Takes a picture file into play from outside the Open Picture window: a file dropped on the game
// window, or the one named on the command line.
#pragma once

#include <QString>
#include <functional>

namespace quiltra {

class GameWindow;
class QtPictureClip;

// Does what a double click on the file in the Open Picture window does: a picture that cannot be
// loaded or is too small is refused with a message titled "Quiltra" that names the file on a line
// before the reason, and changes nothing; the picture already in play is not cut again. Returns
// whether the picture is in play. `refused`, when given, hears the reason before the box shows.
bool openPictureFile(GameWindow& window, QtPictureClip& clip, const QString& path,
                     const std::function<void(const QString& reason)>& refused = {});

// Whether a file name is one of the picture types the game opens (BMP, GIF, JPEG).
bool isPictureFileName(const QString& path);

} // namespace quiltra
