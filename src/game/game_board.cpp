// Cutting the picture into pieces, laying them out again after a resize, and the intro's
// reassembly step.
#include "game/board_layout.h"
#include "game/game.h"

namespace quiltra {

namespace {

// Piece k shows cell k - 1 of the picture (row by row from the top left); the window paints it
// from the picture it holds, so the board keeps only the arrangement and the piece size.

// The board frame around the block of cells, measured from piece 1: 10 twips outside at the top
// and left; `trim` shortens the width and height.
void placeBoardFrame(Board& b, Single trim, std::uint32_t colour)
{
    const Single g = Single(b.PieceGap);
    const Piece first = b.piece(1);
    b.Shape7.Top = first.Top - 10;
    b.Shape7.Height = (g + b.PieceHeight) * Single(b.GridRows) - trim;
    b.Shape7.Left = first.Left - 10;
    b.Shape7.Width = (g + b.PieceWidth) * Single(b.GridCols) - trim;
    b.Shape7.Color = colour;
}

void sizeMarkerFrames(Board& b)
{
    for (Frame& f : b.Shape5) {
        f.Width = b.PieceWidth - 40;
        f.Height = b.PieceHeight - 40;
        f.BorderWidth = 3;
    }
}

} // namespace

// Cuts the picture into GridCols x GridRows pieces, lays every piece in its home cell and shows
// the whole picture. Window events run once, before the new pieces exist, never in the loop.
void Game::Divide_Pic()
{
    Board& b = board_;
    const Frame marker = b.Shape5.empty() ? Frame{} : b.Shape5.front();
    b.Shape5.assign(1, marker);
    processEvents();

    const bool hasGrid = b.GridCols >= 1 && b.GridRows >= 1;
    b.NumPieces = hasGrid ? static_cast<std::int16_t>(b.GridCols * b.GridRows) : std::int16_t{0};
    Frame created = b.Shape5.front();
    created.Visible = false;
    b.Shape5.resize(static_cast<std::size_t>(b.NumPieces) + 1, created);

    Picture1.Visible = false;
    b.SelectedPiece = -1;

    if (hasGrid) {
        b.PieceWidth = pieceExtent(Image1.Width, b.GridCols);
        b.PieceHeight = pieceExtent(Image1.Height, b.GridRows);
    }
    b.cut(Picture2.Width, Picture2.Height);

    Picture2.Visible = false;
    Image1.Visible = true;
    Shape1.Visible = true;

    sizeMarkerFrames(b);
    if (b.PieceCount >= 1)
        placeBoardFrame(b, 5, Shape1Color);
    ++pictureGeneration;
}

// Lays the cells out for a refitted picture: every piece stays in the cell it occupies, at that
// cell's new position. Creates and removes nothing, and leaves every visibility but the board
// frame's as it was; the frame is hidden because piece 1 need not be home. The arrangement and
// the undo history hold cells, so neither changes.
void Game::Divide_Pic2()
{
    Board& b = board_;
    b.SelectedPiece = -1;
    b.Shape7.Visible = false;
    if (b.GridCols < 1 || b.GridRows < 1)
        return;

    b.PieceWidth = pieceExtent(Image1.Width, b.GridCols);
    b.PieceHeight = pieceExtent(Image1.Height, b.GridRows);
    b.layOut(Picture2.Width, Picture2.Height);
    sizeMarkerFrames(b);
    if (b.pieceTotal() >= 1)
        placeBoardFrame(b, 0, Shape1Color);
    ++pictureGeneration;
}

// One step of the intro: the first cell, in row-major order, whose own piece is not there gets
// it, and the piece that stood there takes the place it leaves. When every piece is home the
// whole picture is shown and the intro waits (`State::IntroFinished`).
void Game::IntroStep()
{
    Board& b = board_;
    const int count = b.pieceTotal();
    if (count >= 1)
        b.setVisible(count, true);

    for (int k = 1; k <= count; ++k) {
        const int cell = b.puzzle().cellOf(k);
        if (cell != k) {
            b.apply(Move::swap(cell, k));
            return;
        }
    }

    if (count >= 1)
        b.setVisible(count, true);
    Picture2.Visible = false;
    Image1.Visible = true;
    Shape1.Visible = true;
    GameState = State::IntroFinished;
}

} // namespace quiltra
