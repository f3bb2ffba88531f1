// The cell layout of the board: where each home cell of a grid lies inside the game area.
#pragma once

#include <vector>

#include "game/twips.h"

namespace quiltra {

struct CellPosition {
    Single Left = 0;
    Single Top = 0;
};

// The piece size of a grid: each piece is one twip narrower and lower than its share of the
// fitted picture.
Single pieceExtent(Single fittedExtent, int count);

// Cell positions of a cols x rows grid of w x h cells with gap g in a game area of
// areaW x areaH, row by row from the top left; element k is cell k (element 0 is unused, as in
// the home tables). The block is centred horizontally less 20 twips and vertically less g
// twips; the running positions are rounded (ties to even) after every step, so cells lie on
// whole twips and neighbours are w + g (or h + g) apart up to that rounding.
std::vector<CellPosition> layoutCells(Single areaW, Single areaH, Single w, Single h, int g,
                                      int cols, int rows);

} // namespace quiltra
