// Cutting the picture into pieces, laying them out again after a resize, and the intro's
// reassembly step.
#include "game/game.h"
#include "game/play_support.h"

namespace quiltra {

// Piece k shows cell k - 1 of the picture (row by row from the top left); the window paints it
// from the picture it holds, so the board keeps only the arrangement, and the layout gives the
// piece size and where each cell and frame lies.

// Cuts the picture into GridCols x GridRows pieces, lays every piece in its home cell and shows
// the whole picture. Window events run once, before the new pieces exist, never in the loop.
void Game::Divide_Pic()
{
    Board& b = board_;
    b.dropMarks();
    processEvents();

    b.makeMarks();

    Picture1.Visible = false;
    b.deselect();

    b.cut(Image1.Width, Image1.Height, Picture2.Width, Picture2.Height, Shape1Color);

    Picture2.Visible = false;
    Image1.Visible = true;
    Shape1.Visible = true;
    ++pictureGeneration;
}

// Lays the cells out for a refitted picture: every piece stays in the cell it occupies, at that
// cell's new position. Creates and removes nothing, and leaves every visibility but the board
// frame's as it was, which is hidden. The arrangement and
// the undo history hold cells, so neither changes.
void Game::Divide_Pic2()
{
    Board& b = board_;
    // The selection goes, and its frame with it; with hints on view that frame is the piece's
    // hint mark, which stays. The marks follow their pieces to the new layout.
    if (!HintsShown)
        b.hideMark(b.selected(), frameColour(program.HintColor));
    b.deselect();
    b.hideBoardFrame();
    if (b.gridCols() < 1 || b.gridRows() < 1)
        return;

    b.layOut(Image1.Width, Image1.Height, Picture2.Width, Picture2.Height, Shape1Color);
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
