// The Hint command: marks the misplaced pieces and, in Puzzle mode, places one piece per Hint.
#include <algorithm>

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
        const Puzzle before = b.puzzle();
        const Counters countsBefore = counters_;
        counters_.countHint();
        const int cells = std::min(n, before.count());
        int s = b.selected();
        if (s < 1) {
            // The search stops at the last piece.
            s = 1;
            while (s < cells && before.cellOf(s) == s)
                ++s;
        }
        // The piece standing in cell s takes the placed piece's old cell. A Hint that places
        // nothing is kept as a swap of a cell with itself, for its count.
        Move placement = Move::swap(1, 1);
        if (s >= 1 && s <= cells && before.cellOf(s) != s)
            placement = Move::swap(before.cellOf(s), s);
        b.apply(placement);
        b.deselect();
        recordMove(before, placement, countsBefore);
    }

    if (isBeyondPicture(GameState)) {
        HintsShown = true;
        // A selected piece keeps its selection, but its frame now serves as its hint mark.
        b.recolourMark(b.selected(), frameColour(program.HintColor));
        CheckSolved();
    }
    RefreshStatus();
}

} // namespace quiltra
