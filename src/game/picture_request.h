// How a picture is taken into play, and what became of it: the routes (Open window, Picture
// menu, intro, saved game, command line, drop) differ only in these fields.
#pragma once

#include <optional>
#include <string>

#include "game/sizes.h"

namespace quiltra {

struct PictureRequest {
    // The file as the OS names it; empty takes the program's own intro picture, which needs no
    // check and does not become the picture in play (name and folder are not used).
    std::string path;
    std::string name;     // shown as the picture in play (the Picture menu's first item)
    std::string folder;   // its folder with the final separator, which "Add" puts before the name
    // A grid the caller fixes (the intro's 4 x 4, a saved game's) instead of one drawn from the
    // Size menu; it must leave every piece room for its marker frame.
    std::optional<Grid> grid;
    // The picture must pass the validity rule on its natural size (more than 100 pixels each way),
    // as the Open window and the files from outside that go its way require; a listed picture or
    // a saved game needs only to offer a size.
    bool validityRule = false;
    // The file already in play, by whatever path it is named, is not loaded or cut again.
    bool recogniseInPlay = false;
    // Clicks that arrive while the pieces are cut are ignored (a saved game being loaded).
    bool holdPlayWhileCutting = false;
    // The status line is refreshed between choosing the size and cutting.
    bool refreshBeforeCut = false;
    // The game in progress ends once the picture is cut: no Hint, Save or running clock carries
    // over.
    bool endGame = false;
    // New Game, View, Size and Add are enabled, as a picture is now in play.
    bool enableMenus = false;
};

// The Open Picture window, a dropped file and the command line take a file by its folder and
// name; a folder that already ends with "/" (the root) gets no second one.
PictureRequest openedPicture(const std::string& name, const std::string& folder);

enum class PictureOutcome {
    Taken,           // cut and in play
    AlreadyInPlay,   // the same file as the picture in play: nothing was done
    Unreadable,      // the loader could not use the file; `message` is its description
    TooSmall,        // refused by the size rule; `message` is the rule's message
};

struct PictureResult {
    PictureOutcome outcome = PictureOutcome::Taken;
    std::string message;
    // A refused picture that a larger window would play (the list keeps such a picture).
    bool playsInLargerWindow = false;
    bool taken() const { return outcome == PictureOutcome::Taken; }
};

} // namespace quiltra
