// The saved-game file "last.txt": the game in play as a value, its text, and its reading back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/play_state.h"
#include "game/twips.h"

namespace quiltra {

// The largest grid any picture is cut into; a saved grid with more pieces is refused before
// anything is allocated for it.
inline constexpr int kMaxSavedPieces = 300;

// Elapsed times at or above this (over eleven years) are refused: no game runs that long, and the
// clock texts stay within ordinary integers.
inline constexpr double kMaxSavedSeconds = 360000000.0;

// "last.txt" is small (at most 300 pieces); anything larger is not a saved game and is refused
// without being read.
inline constexpr std::size_t kMaxSavedGameBytes = 1u << 20;

// Where piece k lies (Left and Top inside the game area, twips).
struct SavedPosition {
    Single Left = 0;
    Single Top = 0;
    bool operator==(const SavedPosition&) const = default;
};

struct SavedGame {
    std::string PicturePath;
    std::string DisplayName;
    std::int16_t GridCols = 0;
    std::int16_t GridRows = 0;
    // Pieces 1..N in order; element 0 is piece 1.
    std::vector<SavedPosition> Positions;
    Mode PlayMode = Mode::Puzzle; // "puzzle" or "slider" in the file
    std::int16_t MoveCount = 0;
    std::int16_t HintCount = 0;
    double ElapsedSeconds = 0;

    bool operator==(const SavedGame&) const = default;
};

// The line: path, display name, columns, rows, left and top of every piece, mode, moves, hints,
// elapsed seconds; fields separated by commas, one line break at the end. Numbers are their
// shortest decimal text. A path or name holding a comma, or starting with a blank, is written in
// double quotes so that it reads back whole. Nothing when the game cannot be written so that it
// reads back the same: a path or name holding a double quote or a line break, an empty path, or a
// piece count that does not match the grid.
std::optional<std::string> savedGameText(const SavedGame& game);

// Reads the line back. Fields are split by the settings file's rule. Numbers are decimal or &H;
// columns, rows, positions and counters are 16-bit integers, fractions rounded to the nearest
// integer with ties to even. Refused (nothing): fewer or more fields than the grid calls for, a
// field that is not a number, an empty path, a grid below 1 x 1 or over kMaxSavedPieces pieces,
// a position outside the 16-bit range, a mode other than "puzzle" or "slider", negative counters,
// and an elapsed time that is negative or not below kMaxSavedSeconds.
std::optional<SavedGame> parseSavedGame(std::string_view text);

// The cell (1..N, row by row from the top left) in which each saved piece lies, element 0 being
// piece 1. Positions are twips of the game area at save time, so they are matched by order, not
// by value: the distinct saved Lefts, smallest first, are the columns and the distinct saved Tops
// the rows. Nothing unless there are exactly GridCols distinct Lefts and GridRows distinct Tops
// and every cell holds exactly one piece.
std::optional<std::vector<int>> savedCells(const SavedGame& game);

} // namespace quiltra
