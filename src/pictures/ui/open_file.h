// Takes a picture file into play: the one route of the Open Picture window, a file dropped on the
// game window and the one named on the command line.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "game/picture_request.h"

namespace quiltra {

class Game;

// Applies a change to the game and brings the game window up to date with it
// (GameWindow::runGame): the picture windows change the game only through it.
using GameRunner = std::function<void(const std::function<void()>& change)>;

// The one route by which a window takes a picture file into play: the file `fileName` in `folder`
// (as Qt names them) is asked for as an opened picture (openedPicture), in one change of the game.
// `offer`, when given, runs just before that change with the path the game will load (the Open
// Picture window lends the clip the picture its preview already decoded); `inPlay`, when given,
// runs inside the change once the picture is in play, the one already in play included.
PictureResult takePictureFile(Game& game, const GameRunner& runGame, const QString& fileName,
                              const QString& folder,
                              const std::function<void(const std::string& path)>& offer = {},
                              const std::function<void()>& inPlay = {});

// Does what a double click on the file in the Open Picture window does: a picture that cannot be
// loaded or is too small is refused with a message titled "Quiltra" that names the file on a line
// before the reason, and changes nothing; the picture already in play is not cut again. Returns
// whether the picture is in play. `refused`, when given, hears the reason before the box shows.
bool openPictureFile(Game& game, const GameRunner& runGame, const QString& path,
                     const std::function<void(const QString& reason)>& refused = {});

} // namespace quiltra
