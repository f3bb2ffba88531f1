// The board's operations that keep the arrangement, the cell layout and the markers consistent.
#include "game/board.h"

namespace quiltra {

void Board::cut(Single areaW, Single areaH)
{
    const bool hasGrid = GridCols >= 1 && GridRows >= 1;
    puzzle_ = hasGrid ? Puzzle(GridCols, GridRows) : Puzzle();
    PieceCount = std::int16_t(puzzle_.count());
    visible_.assign(std::size_t(puzzle_.count()) + 1, true);
    visible_[0] = false;
    layOut(areaW, areaH);
}

void Board::layOut(Single areaW, Single areaH)
{
    cells_ = CellGrid(areaW, areaH, PieceWidth, PieceHeight, PieceGap, puzzle_.cols(),
                      puzzle_.rows());
}

void Board::arrange(const Puzzle& puzzle)
{
    if (puzzle.cols() == puzzle_.cols() && puzzle.rows() == puzzle_.rows())
        puzzle_ = puzzle;
}

Piece Board::piece(int k) const
{
    const int cell = puzzle_.cellOf(k);
    if (cell < 1 || cell > cells_.count())
        return Piece{};
    return Piece{cells_.left(cell), cells_.top(cell), visible_[std::size_t(k)]};
}

void Board::setVisible(int k, bool visible)
{
    if (k >= 1 && k < int(visible_.size()))
        visible_[std::size_t(k)] = visible;
}

Frame* Board::markOf(int k)
{
    if (k < 1 || k >= int(Shape5.size()) || k > pieceTotal())
        return nullptr;
    return &Shape5[std::size_t(k)];
}

void Board::showMark(int k, std::uint32_t colour)
{
    if (Frame* f = markOf(k)) {
        f->Left = piece(k).Left + 20;
        f->Top = piece(k).Top + 20;
        f->Color = colour;
        f->Visible = true;
    }
}

void Board::hideMark(int k, std::uint32_t hintColour)
{
    if (Frame* f = markOf(k)) {
        f->Visible = false;
        f->Color = hintColour;
    }
}

} // namespace quiltra
