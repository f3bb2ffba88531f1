// The board's operations that keep the arrangement, the cell layout and the markers consistent.
#include "game/board.h"

namespace quiltra {

void Board::cut(Single fittedW, Single fittedH, Single areaW, Single areaH,
               std::uint32_t frameColour)
{
    const bool hasGrid = GridCols >= 1 && GridRows >= 1;
    puzzle_ = hasGrid ? Puzzle(GridCols, GridRows) : Puzzle();
    PieceCount = std::int16_t(puzzle_.count());
    visible_.assign(std::size_t(puzzle_.count()) + 1, true);
    visible_[0] = false;
    layout_ = BoardLayout(Grid{std::int16_t(puzzle_.cols()), std::int16_t(puzzle_.rows())},
                          fittedW, fittedH, areaW, areaH);
    placeFrames(5, frameColour);
}

void Board::layOut(Single fittedW, Single fittedH, Single areaW, Single areaH,
                   std::uint32_t frameColour)
{
    layout_ = BoardLayout(Grid{std::int16_t(puzzle_.cols()), std::int16_t(puzzle_.rows())},
                          fittedW, fittedH, areaW, areaH);
    placeFrames(0, frameColour);
}

void Board::placeFrames(Single trim, std::uint32_t frameColour)
{
    const Box marker = layout_.marker(0);
    for (Frame& f : Shape5) {
        f.Width = marker.Width;
        f.Height = marker.Height;
        f.BorderWidth = 3;
    }
    if (pieceTotal() < 1)
        return;
    const Box frame = layout_.boardFrame(trim);
    Shape7.Left = frame.Left;
    Shape7.Top = frame.Top;
    Shape7.Width = frame.Width;
    Shape7.Height = frame.Height;
    Shape7.Color = frameColour;
}

void Board::arrange(const Puzzle& puzzle)
{
    if (puzzle.cols() == puzzle_.cols() && puzzle.rows() == puzzle_.rows())
        puzzle_ = puzzle;
}

Piece Board::piece(int k) const
{
    const int cell = puzzle_.cellOf(k);
    if (cell < 1 || cell > cells().count())
        return Piece{};
    return Piece{cells().left(cell), cells().top(cell), visible_[std::size_t(k)]};
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
        const Box box = layout_.marker(puzzle_.cellOf(k));
        f->Left = box.Left;
        f->Top = box.Top;
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
