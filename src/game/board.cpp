// The board's operations that keep pieces and markers consistent.
#include "game/board.h"

#include <utility>

namespace quiltra {

void Board::exchange(int a, int b)
{
    const int n = pieceTotal();
    if (a < 1 || b < 1 || a > n || b > n || a == b)
        return;
    Piece& first = piece(a);
    Piece& second = piece(b);
    std::swap(first.Left, second.Left);
    std::swap(first.Top, second.Top);
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
