// Helpers the play handlers share: the pieces on the board, the 16-bit counters and the markers.
#pragma once

#include <algorithm>
#include <cstdint>

#include "game/board.h"
#include "game/game.h"

namespace quiltra {

// The move and hint counters are 16-bit: they stop at 32767 instead of wrapping to negative.

// Colours are held as the numbers read from the settings file; a frame takes them as 0xBBGGRR.
inline std::uint32_t frameColour(double value)
{
    if (!(value > 0))
        return 0;
    return value >= double(0xFFFFFF) ? 0xFFFFFFu : std::uint32_t(value);
}

// The two views of the game area: the puzzle, or the whole picture in its frame.
inline void showPuzzle(GameForm& g)
{
    g.Picture2.Visible = true;
    g.Image1.Visible = false;
    g.Shape1.Visible = false;
}

// Undo, redo and the keys of keyboard play act only on a game in progress whose puzzle is on view.
inline bool puzzleInPlay(const GameForm& g)
{
    return g.GameState == State::Playing && g.Picture2.Visible;
}

inline void showWholePicture(GameForm& g)
{
    g.Picture2.Visible = false;
    g.Image1.Visible = true;
    g.Shape1.Visible = true;
}

} // namespace quiltra
