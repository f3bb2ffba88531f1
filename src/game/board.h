// The board: the puzzle in play (which piece stands in each cell), the layout of the board in the
// game area (board_layout.h), which pieces show, and the marker and board frames. A piece's
// position is never kept: it is the layout's position of the cell the piece stands in.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "game/board_layout.h"
#include "game/puzzle.h"
#include "game/twips.h"

namespace quiltra {

// A piece image (Image2(k)) as painted: its position inside the puzzle area, in twips, and
// whether it shows.
struct Piece {
    Single Left = 0;
    Single Top = 0;
    bool Visible = false;
};

// A rectangle frame (Shape5(k), Shape7): position and size in twips, colour 0xBBGGRR.
struct Frame {
    Single Left = 0;
    Single Top = 0;
    Single Width = 0;
    Single Height = 0;
    std::uint32_t Color = 0;
    int BorderWidth = 1;
    bool Visible = false;
};

// Read by everyone through the const members; changed only by the game's handlers through the
// others.
class Board {
public:
    // The grid chosen for the next cut (GridCols x GridRows).
    std::int16_t gridCols() const { return gridCols_; }
    std::int16_t gridRows() const { return gridRows_; }
    void chooseGrid(Grid grid)
    {
        gridCols_ = grid.cols;
        gridRows_ = grid.rows;
    }
    // The marker frames made for the grid (NumPieces) and the pieces cut (PieceCount).
    int numPieces() const { return numPieces_; }
    int pieceCount() const { return pieceCount_; }
    // No pieces and no markers but the template's (the window's loading).
    void forgetPieces();

    // Image2(0) is the template: its Width and Height are the size of every piece.
    Single pieceWidth() const { return layout_.pieceWidth(); }
    Single pieceHeight() const { return layout_.pieceHeight(); }

    // Marker frames Shape5(0..NumPieces) and the board frame Shape7.
    const std::vector<Frame>& marks() const { return marks_; }
    const Frame& boardFrame() const { return boardFrame_; }
    void hideBoardFrame() { boardFrame_.Visible = false; }

    // The selected piece (SelectedPiece); -1 when none is.
    int selected() const { return selected_; }
    void select(int k) { selected_ = k; }
    void deselect() { selected_ = -1; }

    // The pieces 1..n that exist: PieceCount, never more than the puzzle's cells.
    int pieceTotal() const { return std::clamp<int>(pieceCount_, 0, puzzle_.count()); }

    // The arrangement of the pieces.
    const Puzzle& puzzle() const { return puzzle_; }
    // Before a cut: only the template's marker stays, while window events may run.
    void dropMarks();
    // The markers of the chosen grid, all hidden, made like the template's.
    void makeMarks();
    // A new set of pieces for the grid GridCols x GridRows of a picture fitted to
    // fittedW x fittedH, every piece home and showing, laid out in a game area of areaW x areaH;
    // the marker frames take the new piece size and the board frame (less 5 twips) the colour.
    void cut(Single fittedW, Single fittedH, Single areaW, Single areaH, std::uint32_t frameColour);
    // The board laid out again for a refitted picture or a new game area; every piece keeps its
    // cell, and the frames follow as after a cut (the board frame not trimmed).
    void layOut(Single fittedW, Single fittedH, Single areaW, Single areaH,
                std::uint32_t frameColour);
    // Another arrangement of the same grid; one of another grid changes nothing.
    void arrange(const Puzzle& puzzle);
    // Makes a legal move; an illegal one changes nothing and returns false. Marks go with their
    // pieces.
    bool apply(const Move& move);

    // Where everything lies; the position of a piece is its cell's.
    const BoardLayout& layout() const { return layout_; }
    const CellGrid& cells() const { return layout_.cells(); }
    // Piece k as painted: its cell's position and whether it shows; a hidden piece at 0, 0 when
    // k is no piece.
    Piece piece(int k) const;
    void setVisible(int k, bool visible);
    // The home cell of piece k: its position when it is home.
    Single homeLeft(int k) const { return cells().left(k); }
    Single homeTop(int k) const { return cells().top(k); }

    // Markers. Shape5(k), k = 1..n, is the one mark of piece k: drawn in the selection colour it
    // is the piece's selection frame, drawn in the hint colour it is the piece's hint mark. A
    // piece never needs both at once: a Hint turns the selected piece's frame into its hint mark,
    // and the next click on a piece turns it back. The mark lies 20 twips right of and below the
    // piece's top-left corner, so it sits inside the piece. Shape5(0) is never shown; a piece that
    // does not exist has no mark.
    const Frame* markOf(int k) const;
    // Moves piece k's mark to the piece and shows it in the colour given.
    void showMark(int k, std::uint32_t colour);
    // Hides piece k's mark; a hidden mark always waits in the hint colour.
    void hideMark(int k, std::uint32_t hintColour);
    // Every mark hidden, waiting in the hint colour.
    void hideMarks(std::uint32_t hintColour);
    // Piece k's mark takes `colour`, shown or not; a piece without a mark changes nothing.
    void recolourMark(int k, std::uint32_t colour);
    // Every marker frame takes `colour` except piece `kept`'s, when it has one.
    void recolourMarks(std::uint32_t colour, int kept);

private:
    Frame* markAt(int k);
    // The marker frames take the layout's size, and the board frame its place less `trim`.
    void placeFrames(Single trim, std::uint32_t frameColour);
    // Every piece's mark lies where the layout puts the mark of the piece's cell.
    void placeMarks();

    std::int16_t gridCols_ = 0;
    std::int16_t gridRows_ = 0;
    std::int16_t numPieces_ = 0;
    std::int16_t pieceCount_ = 0;
    std::vector<Frame> marks_ = std::vector<Frame>(1);
    Frame boardFrame_;
    int selected_ = -1;
    Puzzle puzzle_;
    BoardLayout layout_;
    std::vector<bool> visible_ = std::vector<bool>(1); // by piece; element 0 unused
};

} // namespace quiltra
