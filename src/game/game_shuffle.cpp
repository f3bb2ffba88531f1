// Shuffling at the start of a game: a random deal (Puzzle) or random legal slides (Slider).
#include "game/cell_grid.h"
#include "game/game.h"
#include "game/play_support.h"
#include "game/puzzle.h"
#include "platform/random_source.h"
#include "platform/translation.h"

namespace quiltra {

// Clears the counters and shuffles in the current mode. During the start-up animation its welcome
// caption is left in place; otherwise the caption becomes the status line.
void Game::StartNewGame()
{
    forgetGame();
    counters_.reset();
    if (program.PlayMode == Mode::Puzzle)
        ShufflePuzzle();
    else
        ShuffleSlider();
    if (!introRunning)
        RefreshStatus();
}

// Deals a uniform permutation (dealPuzzle) and lays every piece on the home cell it was dealt.
// The home tables are never touched.
void Game::ShufflePuzzle()
{
    const int n = board_.pieceTotal();
    const Puzzle dealt = dealPuzzle(board_.GridCols, board_.GridRows, *services.random);
    if (int(board_.HomeLeft.size()) <= n || int(board_.HomeTop.size()) <= n || dealt.count() < n)
        return;
    for (int k = 1; k <= n; ++k) {
        const std::size_t cell = std::size_t(dealt.cellOf(k));
        board_.piece(k).Left = board_.HomeLeft[cell];
        board_.piece(k).Top = board_.HomeTop[cell];
    }
    if (n >= 1)
        board_.piece(n).Visible = true;
}

// Cuts the picture afresh, so every piece is home, and lays the pieces out as shuffleSlider
// leaves them: every shuffle can be solved.
void Game::ShuffleSlider()
{
    Caption = translate("Game", "Randomizing puzzle");
    sliderShuffling = true;
    Divide_Pic();
    processEvents();

    const int n = board_.pieceTotal();
    const CellGrid grid = boardCells(*this);
    const Puzzle shuffled = shuffleSlider(grid.cols(), grid.rows(), *services.random);
    if (n == shuffled.count())
        for (int k = 1; k <= n; ++k) {
            board_.piece(k).Left = grid.left(shuffled.cellOf(k));
            board_.piece(k).Top = grid.top(shuffled.cellOf(k));
        }

    Picture2.Visible = true;
    if (n >= 1)
        board_.piece(n).Visible = false;
    Image1.Visible = false;
    Shape1.Visible = false;
    menus_.mnuHint.Enabled = true;
    sliderShuffling = false;
}

} // namespace quiltra
