// Cutting the picture into pieces, laying them out again after a resize, and the intro's
// reassembly step.
#include <algorithm>

#include "game/board_layout.h"
#include "game/game.h"

namespace quiltra {

namespace {

// Piece k shows cell k - 1 of the picture (row by row from the top left); the window paints it
// from the picture it holds, so the model keeps only positions and the piece size.

// The board frame around the block of cells, measured from piece 1: 10 twips outside at the top
// and left; `trim` shortens the width and height.
void placeBoardFrame(Board& b, Single trim, std::uint32_t colour)
{
    const Single g = Single(b.PieceGap);
    const Piece& first = b.piece(1);
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

// The home tables keep entries of earlier, larger grids; they only ever grow.
void ensureHomeTables(Board& b, std::size_t size)
{
    if (b.HomeLeft.size() < size)
        b.HomeLeft.resize(size, 0);
    if (b.HomeTop.size() < size)
        b.HomeTop.resize(size, 0);
}

int piecesOnBoard(const Board& b)
{
    return std::clamp<int>(b.PieceCount, 0, int(b.Image2.size()) - 1);
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

    b.Image2.assign(1, Piece{});
    b.PieceCount = 0;
    if (hasGrid) {
        b.PieceWidth = pieceExtent(Image1.Width, b.GridCols);
        b.PieceHeight = pieceExtent(Image1.Height, b.GridRows);
        const std::vector<CellPosition> cells =
            layoutCells(Picture2.Width, Picture2.Height, b.PieceWidth, b.PieceHeight, b.PieceGap,
                        b.GridCols, b.GridRows);
        ensureHomeTables(b, cells.size());
        for (std::size_t k = 1; k < cells.size(); ++k) {
            b.Image2.push_back(Piece{cells[k].Left, cells[k].Top, true});
            b.HomeLeft[k] = cells[k].Left;
            b.HomeTop[k] = cells[k].Top;
            ++b.PieceCount;
        }
    }

    Picture2.Visible = false;
    Image1.Visible = true;
    Shape1.Visible = true;

    sizeMarkerFrames(b);
    if (b.PieceCount >= 1)
        placeBoardFrame(b, 5, Shape1Color);
    ++pictureGeneration;
}

// Lays the pieces out for a refitted picture: every piece stays in the cell it occupies, at that
// cell's new position. Creates and removes nothing, and leaves every visibility but the board
// frame's as it was; the frame is hidden because piece 1 need not be home.
void Game::Divide_Pic2()
{
    Board& b = board_;
    b.SelectedPiece = -1;
    b.Shape7.Visible = false;
    if (b.GridCols < 1 || b.GridRows < 1)
        return;

    const Single w = pieceExtent(Image1.Width, b.GridCols);
    const Single h = pieceExtent(Image1.Height, b.GridRows);
    const std::vector<CellPosition> cells =
        layoutCells(Picture2.Width, Picture2.Height, w, h, b.PieceGap, b.GridCols, b.GridRows);
    const int count = piecesOnBoard(b);
    const std::vector<Single> oldLeft = b.HomeLeft, oldTop = b.HomeTop;

    // The cell of each piece, by exact position in the old home tables; 0 when none matches.
    std::vector<std::size_t> cellOf(static_cast<std::size_t>(count) + 1, 0);
    const std::size_t searchable =
        std::min({cells.size(), b.HomeLeft.size(), b.HomeTop.size()});
    for (int k = 1; k <= count; ++k) {
        const Piece& p = b.piece(k);
        for (std::size_t j = 1; j < searchable; ++j)
            if (b.HomeLeft[j] == p.Left && b.HomeTop[j] == p.Top) {
                cellOf[static_cast<std::size_t>(k)] = j;
                break;
            }
    }

    b.PieceWidth = w;
    b.PieceHeight = h;
    ensureHomeTables(b, cells.size());
    for (std::size_t k = 1; k < cells.size(); ++k) {
        b.HomeLeft[k] = cells[k].Left;
        b.HomeTop[k] = cells[k].Top;
    }
    sizeMarkerFrames(b);

    // A piece found in no cell goes to the top-left corner of the game area.
    for (int k = 1; k <= count; ++k) {
        const std::size_t cell = cellOf[static_cast<std::size_t>(k)];
        b.piece(k).Left = cell ? b.HomeLeft[cell] : 0;
        b.piece(k).Top = cell ? b.HomeTop[cell] : 0;
    }

    relocateHistory(oldLeft, oldTop);
    if (count >= 1)
        placeBoardFrame(b, 0, Shape1Color);
    ++pictureGeneration;
}

// One step of the intro: the first cell, in row-major order, whose own piece is not there gets
// it, and the piece that stood there takes the place it leaves. When every piece is home the
// whole picture is shown and the intro waits (`State::IntroFinished`).
void Game::IntroStep()
{
    Board& b = board_;
    const int count = piecesOnBoard(b);
    if (count >= 1)
        b.piece(count).Visible = true;

    const std::vector<CellPosition> cells =
        layoutCells(Picture2.Width, Picture2.Height, b.PieceWidth, b.PieceHeight, b.PieceGap,
                    b.GridCols, b.GridRows);
    const int cellCount = std::min(count, int(cells.size()) - 1);
    const auto isAt = [](const Piece& p, const CellPosition& c) {
        return truncate(p.Left) == c.Left && truncate(p.Top) == c.Top;
    };
    for (int k = 1; k <= cellCount; ++k) {
        const CellPosition& cell = cells[static_cast<std::size_t>(k)];
        Piece& own = b.piece(k);
        if (isAt(own, cell))
            continue;
        const Single leftWas = own.Left;
        const Single topWas = own.Top;
        int occupant = count;
        for (int i = 1; i <= count - 1; ++i)
            if (isAt(b.piece(i), cell)) {
                occupant = i;
                break;
            }
        own.Left = cell.Left;
        own.Top = cell.Top;
        // On a consistent board the occupant is another piece; should the last piece be the one
        // going home with no occupant found, it must not be sent straight back.
        if (occupant != k) {
            b.piece(occupant).Left = leftWas;
            b.piece(occupant).Top = topWas;
        }
        return;
    }

    if (count >= 1)
        b.piece(count).Visible = true;
    Picture2.Visible = false;
    Image1.Visible = true;
    Shape1.Visible = true;
    GameState = State::IntroFinished;
}

} // namespace quiltra
