// The Hint command: marks the misplaced pieces and, in Puzzle mode, places one piece per Hint.
#include <algorithm>

#include "game/cell_grid.h"
#include "game/game.h"
#include "game/play_support.h"

namespace quiltra {

// Every Hint resumes or starts the clock and, during a game, marks the misplaced pieces. A Hint
// given while the previous Hint's marks are still on (Puzzle mode only) first places a piece in
// its own cell: the selected piece, or else the first misplaced piece in reading order. The piece
// standing there takes the placed piece's old cell. Only placements count as hints; nothing counts
// as a move and nothing sounds. Repeated Hints therefore finish any Puzzle game.
void Game::mnuHint_Click()
{
    resumeClock();
    startClock();
    Board& b = board_;
    const int n = b.pieceTotal();

    if (program.PlayMode == Mode::Puzzle && HintsShown) {
        const PlaySnapshot before = takeSnapshot(b, counters_);
        counters_.countHint();
        const CellGrid grid = boardCells(*this);
        const int cells = std::min(n, grid.count());
        const auto isHome = [&](int k) {
            return b.piece(k).Left == grid.left(k) && b.piece(k).Top == grid.top(k);
        };
        int s = b.SelectedPiece;
        if (s < 1) {
            // The search stops at the last piece.
            s = 1;
            while (s < cells && isHome(s))
                ++s;
        }
        if (s >= 1 && s <= cells && !isHome(s)) {
            const Single tx = grid.left(s);
            const Single ty = grid.top(s);
            Piece& placed = b.piece(s);
            const Single leftWas = placed.Left;
            const Single topWas = placed.Top;
            int k = 1;
            while (k <= n && !(b.piece(k).Left == truncate(tx) && b.piece(k).Top == truncate(ty)))
                ++k;
            placed.Left = tx;
            placed.Top = ty;
            if (k <= n) {
                b.piece(k).Left = leftWas;
                b.piece(k).Top = topWas;
            }
        }
        b.SelectedPiece = -1;
        recordMove(before);
    }

    if (isBeyondPicture(GameState)) {
        HintsShown = true;
        // A selected piece keeps its selection, but its frame now serves as its hint mark.
        if (Frame* f = b.markOf(b.SelectedPiece))
            f->Color = frameColour(program.HintColor);
        CheckSolved();
    }
    RefreshStatus();
}

} // namespace quiltra
