// What Save_Info writes: the game window's geometry, its check marks and colour, the editor's
// View box and the picture list, gathered into the settings text.
#pragma once

#include <cstdint>
#include <string>

#include "game/game.h"
#include "game/program_state.h"

namespace quiltra {

// The settings text: the game window's geometry and check marks, the program-wide state, the
// editor's View box and the picture list.
std::string saveInfoTextFor(const Game& game, const ProgramState& program,
                            const PictureList& pictures, std::int16_t editorView);

// Writes the settings text to "init.txt" in the settings folder, replacing the old file only
// when the new one is complete, and never one that start-up could not read. Returns false with a
// description when it cannot.
bool writeSettingsFile(const ProgramState& program, const std::string& text, std::string& error);

} // namespace quiltra
