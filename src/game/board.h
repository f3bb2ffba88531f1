// The board model: pieces with their positions, the home tables, the piece size, the gap and the
// marker and board frames. Painting reads it; only the engine's operations write it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "game/twips.h"

namespace quiltra {

// A piece image (Image2(k)): its position inside the puzzle area, in twips, and whether it shows.
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

struct Board {
    std::int16_t GridCols = 0;
    std::int16_t GridRows = 0;
    std::int16_t NumPieces = 0;
    std::int16_t PieceCount = 0;
    std::int16_t PieceGap = 35;

    // Image2(0) is the template: its Width and Height are the size of every piece.
    Single PieceWidth = 0;
    Single PieceHeight = 0;
    bool TemplateVisible = false;

    // Image2(1..PieceCount); index 0 is unused (the template is described above).
    std::vector<Piece> Image2 = std::vector<Piece>(1);
    // HomeLeft(k), HomeTop(k): the home cell of piece k; index 0 unused.
    std::vector<Single> HomeLeft = std::vector<Single>(1);
    std::vector<Single> HomeTop = std::vector<Single>(1);

    // Marker frames Shape5(0..NumPieces) and the board frame Shape7.
    std::vector<Frame> Shape5 = std::vector<Frame>(1);
    Frame Shape7;

    int SelectedPiece = -1;

    Piece& piece(int k) { return Image2[static_cast<std::size_t>(k)]; }
    const Piece& piece(int k) const { return Image2[static_cast<std::size_t>(k)]; }

    // The pieces 1..n that exist: PieceCount, never more than the piece images held.
    int pieceTotal() const { return std::clamp<int>(PieceCount, 0, int(Image2.size()) - 1); }

    // Pieces a and b exchange places, as a piece and the empty cell do in a slide: the set of
    // places taken never changes. Anything but two different existing pieces changes nothing.
    void exchange(int a, int b);

    // Markers. Shape5(k), k = 1..n, is the one mark of piece k: drawn in the selection colour it
    // is the piece's selection frame, drawn in the hint colour it is the piece's hint mark. A
    // piece never needs both at once: a Hint turns the selected piece's frame into its hint mark,
    // and the next click on a piece turns it back. The mark lies 20 twips right of and below the
    // piece's top-left corner, so it sits inside the piece. Shape5(0) is never shown; a piece that
    // does not exist has no mark.
    Frame* markOf(int k);
    // Moves piece k's mark to the piece and shows it in the colour given.
    void showMark(int k, std::uint32_t colour);
    // Hides piece k's mark; a hidden mark always waits in the hint colour.
    void hideMark(int k, std::uint32_t hintColour);
};

} // namespace quiltra
