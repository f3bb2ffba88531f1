// Helpers the play handlers share: the pieces on the board, the 16-bit counters and the markers.
#pragma once

#include <algorithm>
#include <cstdint>

#include "game/board.h"
#include "game/game.h"

namespace quiltra {

// The pieces 1..n that exist: PieceCount, never more than the piece images held.
inline int pieceTotal(const Board& b)
{
    return std::clamp<int>(b.PieceCount, 0, int(b.Image2.size()) - 1);
}

// The move and hint counters are 16-bit: they stop at 32767 instead of wrapping to negative.

// Colours are held as the numbers read from the settings file; a frame takes them as 0xBBGGRR.
inline std::uint32_t frameColour(double value)
{
    if (!(value > 0))
        return 0;
    return value >= double(0xFFFFFF) ? 0xFFFFFFu : std::uint32_t(value);
}

// Markers. Shape5(k), k = 1..n, is the one mark of piece k: drawn in the selection colour it is
// the piece's selection frame, drawn in the hint colour it is the piece's hint mark. A piece never
// needs both at once: a Hint turns the selected piece's frame into its hint mark, and the next
// click on a piece turns it back. The mark lies 20 twips right of and below the piece's top-left
// corner, so it sits inside the piece. Shape5(0) is never shown.
inline Frame* markOf(Board& b, int k)
{
    if (k < 1 || k >= int(b.Shape5.size()) || k > pieceTotal(b))
        return nullptr;
    return &b.Shape5[std::size_t(k)];
}

// Moves piece k's mark to the piece and shows it in the colour given.
inline void showMark(Board& b, int k, std::uint32_t colour)
{
    if (Frame* f = markOf(b, k)) {
        f->Left = b.piece(k).Left + 20;
        f->Top = b.piece(k).Top + 20;
        f->Color = colour;
        f->Visible = true;
    }
}

// Hides piece k's mark; a hidden mark always waits in the hint colour.
inline void hideMark(Board& b, int k, std::uint32_t hintColour)
{
    if (Frame* f = markOf(b, k)) {
        f->Visible = false;
        f->Color = hintColour;
    }
}

// The two views of the game area: the puzzle, or the whole picture in its frame.
inline void showPuzzle(Game& g)
{
    g.Picture2.Visible = true;
    g.Image1.Visible = false;
    g.Shape1.Visible = false;
}

inline void showWholePicture(Game& g)
{
    g.Picture2.Visible = false;
    g.Image1.Visible = true;
    g.Shape1.Visible = true;
}

} // namespace quiltra
