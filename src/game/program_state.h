// Program-wide state created at start-up: settings as read, current preferences, the picture
// list and the picture in play.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/play_state.h"
#include "game/stored_preferences.h"
#include "game/twips.h"

namespace quiltra {

struct ProgramState {
    // The game window's geometry; the game window keeps it current.
    WindowGeometry Window;

    // Preferences as read from the settings file; written back unchanged unless the settings
    // are saved on exit.
    StoredPreferences Loaded;

    // Current colours (0xBBGGRR) and the Open Picture window's View box.
    double SelectionColor = 8454016;
    double HintColor = 8454143;
    std::int16_t OpenViewSetting = 1;

    std::string ProgramFolder;   // folder of the executable, without a trailing separator
    std::string SettingsFolder;  // where "init.txt" and "last.txt" live
    // Why "init.txt" could not be read at start-up, though it is there; empty when it was read,
    // missing or replaced. Such a file may hold the player's list and is never replaced.
    std::string SettingsUnread;
    std::string GraphicsFolder;  // where the Open Picture window starts
    Single WindowAspect = 9550.0f / 6750.0f;
    bool ExitSaving = false;

    Mode PlayMode = Mode::Puzzle;
    std::string CurrentPicturePath;
    std::string CurrentPictureFolder; // ends with a separator
};

// The picture list, held by the program for the whole run; the editor edits it.
struct PictureList {
    std::vector<std::string> List1; // full paths
    std::vector<std::string> List2; // display names, same index
    std::vector<std::string> List3; // committed copy of List1
};

} // namespace quiltra
