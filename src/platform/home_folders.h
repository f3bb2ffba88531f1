// The player's own folders the drive lists offer besides the volumes: the home folder and the
// Pictures folder the desktop names in its XDG user directories.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quiltra {

// The Pictures folder that a "user-dirs.dirs" text names (XDG_PICTURES_DIR="$HOME/Pictures"),
// with $HOME replaced by `home`; empty when the text names none or names the home folder itself
// (which is how the desktop turns the folder off).
std::string picturesFolderIn(std::string_view userDirs, const std::string& home);

// The home folder ($HOME) and the Pictures folder, from $XDG_CONFIG_HOME/user-dirs.dirs (by
// default ~/.config/user-dirs.dirs) or else ~/Pictures; each only when it is a folder, without a
// trailing "/", and the home folder not when it is the root.
std::vector<std::string> homeFolders();

} // namespace quiltra
