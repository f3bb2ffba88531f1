// Shuffling at the start of a game: a random deal (Puzzle) or random legal slides (Slider).
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
    if (!introRunning) {
        rememberDeal();
        RefreshStatus();
    }
}

// Deals a uniform permutation (dealPuzzle) of the cells of the board.
void Game::ShufflePuzzle()
{
    const Puzzle& cut = board_.puzzle();
    board_.arrange(dealPuzzle(cut.cols(), cut.rows(), *services.random));
    if (const int n = board_.pieceTotal(); n >= 1)
        board_.setVisible(n, true);
}

// Cuts the picture afresh, so every piece is home, and lays the pieces out as shuffleSlider
// leaves them: every shuffle can be solved.
void Game::ShuffleSlider()
{
    setCaption(translate("Game", "Randomizing puzzle"));
    Divide_Pic();
    processEvents();

    const int n = board_.pieceTotal();
    board_.arrange(shuffleSlider(board_.puzzle().cols(), board_.puzzle().rows(),
                                 *services.random));

    Picture2.Visible = true;
    if (n >= 1)
        board_.setVisible(n, false);
    Image1.Visible = false;
    Shape1.Visible = false;
    menus_.mnuHint.Enabled = true;
}

} // namespace quiltra
