// The cells of the grid in play, where the board lays them out, and the cell at a position.
#pragma once

#include <vector>

#include "game/twips.h"

namespace quiltra {

class Game;

// Cells are numbered from 1, row by row from the top left, like the pieces that belong in them.
// Their positions are the board's home-cell layout: the grid corner (GridLeft, GridTop) and then
// one piece extent plus the gap per column and per row, the running position rounded after every
// step. Every column shares its Left and every row its Top, so a cell is found from a position by
// two exact look-ups.
class CellGrid {
public:
    CellGrid() = default;
    CellGrid(Single areaW, Single areaH, Single w, Single h, int gap, int cols, int rows);

    int cols() const { return int(colLeft_.size()); }
    int rows() const { return int(rowTop_.size()); }
    int count() const { return cols() * rows(); }

    int column(int cell) const { return (cell - 1) % cols(); }
    int row(int cell) const { return (cell - 1) / cols(); }
    int cellOf(int col, int row) const { return row * cols() + col + 1; }
    Single left(int cell) const { return colLeft_[std::size_t(column(cell))]; }
    Single top(int cell) const { return rowTop_[std::size_t(row(cell))]; }

    // The cell whose position is exactly (left, top); 0 when none is there.
    int cellAt(Single left, Single top) const;

private:
    std::vector<Single> colLeft_;
    std::vector<Single> rowTop_;
};

// The cells of the board in play, as the board last laid them out in the game area.
CellGrid boardCells(const Game& game);

} // namespace quiltra
