// The board's layout, in one place: from the grid, the fitted picture and the game area it gives
// the piece size, the gap, the position of every cell, the marker frames and the board frame, in
// twips, single precision, with the running positions rounded ties to even. No piece position is
// kept anywhere else: a piece lies where the layout puts the cell it stands in.
#pragma once

#include <vector>

#include "game/sizes.h"
#include "game/twips.h"

namespace quiltra {

// The gap between neighbouring pieces, twips.
inline constexpr int kPieceGap = 35;

// A rectangle in twips.
struct Box {
    Single Left = 0;
    Single Top = 0;
    Single Width = 0;
    Single Height = 0;
};

// The piece size of a grid: each piece is one twip narrower and lower than its share of the
// fitted picture.
Single pieceExtent(Single fittedExtent, int count);

// Cells are numbered from 1, row by row from the top left, like the pieces that belong in them.
// The block of cells is centred horizontally less 20 twips and vertically less the gap; from its
// corner each column and row lies one piece extent plus the gap further on, the running position
// rounded after every step, so cells lie on whole twips and neighbours are w + g (or h + g)
// apart up to that rounding. Every column shares its Left and every row its Top, so a cell is
// found from a position by two exact look-ups.
class CellGrid {
public:
    CellGrid() = default;
    // A cols x rows grid of w x h cells with gap g in a game area of areaW x areaH.
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

// Everything on the board that has a place, for one grid in one game area.
class BoardLayout {
public:
    // No grid: no cells, no piece size.
    BoardLayout() = default;
    // The cols x rows pieces of a picture fitted to fittedW x fittedH, in a game area of
    // areaW x areaH, `gap` twips apart. A grid without cells lays out nothing.
    BoardLayout(Grid grid, Single fittedW, Single fittedH, Single areaW, Single areaH,
                int gap = kPieceGap);

    Single pieceWidth() const { return pieceWidth_; }
    Single pieceHeight() const { return pieceHeight_; }
    int gap() const { return gap_; }
    const CellGrid& cells() const { return cells_; }

    // The marker frame of the piece that stands in `cell`: 20 twips inside the piece on every
    // side.
    Box marker(int cell) const;
    // The board frame around the block of cells: 10 twips outside it at the top and left, one
    // piece extent plus the gap per column and per row, less `trim`.
    Box boardFrame(Single trim) const;

private:
    Single pieceWidth_ = 0;
    Single pieceHeight_ = 0;
    int gap_ = kPieceGap;
    CellGrid cells_;
};

} // namespace quiltra
