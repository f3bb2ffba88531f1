// The board's operations that keep the arrangement, the cell layout and the markers consistent.
#include "game/board.h"

#include <utility>

namespace quiltra {

void Board::forgetPieces()
{
    pieceCount_ = 0;
    marks_.resize(1);
    numPieces_ = 0;
    marks_[0].Visible = false;
}

void Board::dropMarks()
{
    const Frame marker = marks_.empty() ? Frame{} : marks_.front();
    marks_.assign(1, marker);
}

void Board::makeMarks()
{
    const bool hasGrid = gridCols_ >= 1 && gridRows_ >= 1;
    numPieces_ = hasGrid ? static_cast<std::int16_t>(gridCols_ * gridRows_) : std::int16_t{0};
    Frame created = marks_.front();
    created.Visible = false;
    marks_.resize(static_cast<std::size_t>(numPieces_) + 1, created);
}

void Board::cut(Single fittedW, Single fittedH, Single areaW, Single areaH,
               std::uint32_t frameColour)
{
    const bool hasGrid = gridCols_ >= 1 && gridRows_ >= 1;
    puzzle_ = hasGrid ? Puzzle(gridCols_, gridRows_) : Puzzle();
    pieceCount_ = std::int16_t(puzzle_.count());
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
    for (Frame& f : marks_) {
        f.Width = marker.Width;
        f.Height = marker.Height;
        f.BorderWidth = 3;
    }
    placeMarks();
    if (pieceTotal() < 1)
        return;
    const Box frame = layout_.boardFrame(trim);
    boardFrame_.Left = frame.Left;
    boardFrame_.Top = frame.Top;
    boardFrame_.Width = frame.Width;
    boardFrame_.Height = frame.Height;
    boardFrame_.Color = frameColour;
}

void Board::placeMarks()
{
    for (int k = 1; k <= pieceTotal() && k < int(marks_.size()); ++k) {
        const Box box = layout_.marker(puzzle_.cellOf(k));
        marks_[std::size_t(k)].Left = box.Left;
        marks_[std::size_t(k)].Top = box.Top;
    }
}

void Board::arrange(const Puzzle& puzzle)
{
    if (puzzle.cols() == puzzle_.cols() && puzzle.rows() == puzzle_.rows()) {
        puzzle_ = puzzle;
        placeMarks();
    }
}

bool Board::apply(const Move& move)
{
    if (!puzzle_.apply(move))
        return false;
    placeMarks();
    return true;
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

const Frame* Board::markOf(int k) const
{
    if (k < 1 || k >= int(marks_.size()) || k > pieceTotal())
        return nullptr;
    return &marks_[std::size_t(k)];
}

Frame* Board::markAt(int k)
{
    return const_cast<Frame*>(std::as_const(*this).markOf(k));
}

void Board::showMark(int k, std::uint32_t colour)
{
    if (Frame* f = markAt(k)) {
        f->Color = colour;
        f->Visible = true;
    }
}

void Board::hideMark(int k, std::uint32_t hintColour)
{
    if (Frame* f = markAt(k)) {
        f->Visible = false;
        f->Color = hintColour;
    }
}

void Board::hideMarks(std::uint32_t hintColour)
{
    for (Frame& f : marks_) {
        f.Visible = false;
        f.Color = hintColour;
    }
}

void Board::recolourMark(int k, std::uint32_t colour)
{
    if (Frame* f = markAt(k))
        f->Color = colour;
}

void Board::recolourMarks(std::uint32_t colour, int kept)
{
    const Frame* keep = markAt(kept);
    for (Frame& f : marks_)
        if (&f != keep)
            f.Color = colour;
}

} // namespace quiltra
