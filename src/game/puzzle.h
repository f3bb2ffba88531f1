// The puzzle as a value: a grid of cells, the piece standing in each, the empty cell of a Slider
// game, and the moves that change it.
#pragma once

#include <optional>
#include <vector>

namespace quiltra {

class RandomSource;

// A move. A swap exchanges the pieces of two cells (a Puzzle move, or a Hint placing a piece); a
// slide moves the piece in cell `from` into the empty cell `to` (a Slider move). Cells are
// numbered from 1, row by row from the top left, like the pieces that belong in them.
struct Move {
    enum class Kind { Swap, Slide };
    Kind kind = Kind::Swap;
    int from = 0;
    int to = 0;

    static Move swap(int a, int b) { return Move{Kind::Swap, a, b}; }
    static Move slide(int from, int emptyCell) { return Move{Kind::Slide, from, emptyCell}; }
    // The move that takes this one back: a swap is its own inverse; a slide is undone by sliding
    // the piece back into the cell it left, which the slide made the empty cell.
    Move inverse() const { return kind == Kind::Swap ? *this : slide(to, from); }
    bool operator==(const Move&) const = default;
};

// Piece k belongs in cell k. Every piece stands in a cell of its own, so the arrangement is a
// permutation of the cells; no operation can break that. In a Slider puzzle the last piece is
// the empty cell: it never shows, and only slides into it are moves.
class Puzzle {
public:
    Puzzle() = default;
    // The solved cols x rows puzzle; a grid without cells gives the empty puzzle.
    Puzzle(int cols, int rows, bool slider = false);
    // Piece k in cell cellOfPiece[k - 1]; nothing unless that is a permutation of the cells.
    static std::optional<Puzzle> fromCells(int cols, int rows, const std::vector<int>& cellOfPiece,
                                           bool slider);

    int cols() const { return cols_; }
    int rows() const { return rows_; }
    int count() const { return cols_ * rows_; }
    bool slider() const { return slider_; }
    // The same arrangement, with or without an empty cell.
    Puzzle withSlider(bool slider) const;

    int column(int cell) const { return (cell - 1) % cols_; }
    int row(int cell) const { return (cell - 1) / cols_; }
    // The cell at a column and row counted from 0; 0 outside the grid.
    int cellAt(int col, int row) const;
    bool contains(int cell) const { return cell >= 1 && cell <= count(); }
    // Side by side, or one directly above the other.
    bool neighbours(int a, int b) const;

    // The piece in a cell and the cell of a piece; 0 outside the grid.
    int pieceAt(int cell) const;
    int cellOf(int piece) const;
    // The cell of the last piece in a Slider puzzle; 0 in a Puzzle game.
    int emptyCell() const { return slider_ ? cellOf(count()) : 0; }

    bool solved() const;
    // The pieces not in their own cell, in reading order of their own cells.
    std::vector<int> misplaced() const;

    // A swap of any two cells of the grid (the same cell twice included, which changes nothing);
    // a slide, in a Slider puzzle only, from a neighbour of the empty cell into it.
    bool legal(const Move& move) const;
    // Makes a legal move and returns true; an illegal one changes nothing and returns false.
    bool apply(const Move& move);

    bool operator==(const Puzzle&) const = default;

private:
    int cols_ = 0;
    int rows_ = 0;
    bool slider_ = false;
    std::vector<int> pieceAt_; // by cell; element 0 unused
    std::vector<int> cellOf_;  // by piece; element 0 unused
};

// The Puzzle deal: piece i = 1..n goes to a random free cell b = int(u x n) + 1 (single
// precision), drawn again while b is taken. A uniform permutation, the identity included. The
// generator is seeded once before the first draw.
Puzzle dealPuzzle(int cols, int rows, RandomSource& random);

// The Slider shuffle: from the solved puzzle the empty cell walks the grid by sliderWalk, from the
// last cell, and every step is a slide into it, as a player's would be; so every shuffle can be
// solved. The generator is seeded once before the first draw.
Puzzle shuffleSlider(int cols, int rows, RandomSource& random);

} // namespace quiltra
