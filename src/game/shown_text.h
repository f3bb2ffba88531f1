// Texts the game shows in the player's language that are built from values: the play mode, and a
// sentence with a value (a file's error, a name) put in its place.
#pragma once

#include <string>
#include <string_view>

#include "game/play_state.h"

namespace quiltra {

// The mode as the caption and the Best Times window show it; the files keep modeText().
std::string shownModeText(Mode m);

// The start every game title shares: "Quiltra - <mode>: ", the mode as shownModeText gives it.
std::string titlePrefix(Mode m);

// `text` with every "%1" replaced by `value`. A translated sentence carries the placeholder, so a
// language may put the value where its grammar wants it; the value itself is never searched.
std::string withValue(std::string_view text, std::string_view value);

// Characters as the player sees them: the bytes of a UTF-8 text that begin a character.
std::size_t shownLength(std::string_view text);

// A picture name longer than 16 characters shows as its first 14 characters and "..". Characters
// are counted, never bytes, so a character is never cut in two.
std::string shortName(const std::string& name);

} // namespace quiltra
