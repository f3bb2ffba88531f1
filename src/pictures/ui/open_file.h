// Takes a picture file into play from outside the Open Picture window: a file dropped on the game
// window, or the one named on the command line.
#pragma once

#include <QString>
#include <functional>

namespace quiltra {

class Game;

// Applies a change to the game and brings the game window up to date with it
// (GameWindow::runGame): the picture windows change the game only through it.
using GameRunner = std::function<void(const std::function<void()>& change)>;

// Does what a double click on the file in the Open Picture window does: a picture that cannot be
// loaded or is too small is refused with a message titled "Quiltra" that names the file on a line
// before the reason, and changes nothing; the picture already in play is not cut again. Returns
// whether the picture is in play. `refused`, when given, hears the reason before the box shows.
bool openPictureFile(Game& game, const GameRunner& runGame, const QString& path,
                     const std::function<void(const QString& reason)>& refused = {});

} // namespace quiltra
