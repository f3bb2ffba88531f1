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

// Every game begins here: New Game, a click on the whole picture or, while it shows, on a piece,
// and Restart. A fresh deal in the current mode, or `deal` put back (Restart); zero counters; a
// clock that stays stopped until the next click, Hint or arrow slide; the status in the caption,
// still without counts and time; the puzzle on view and Hint on. A caller that ends the game in
// progress does so first, and one that names the view in the View command does so after.
void Game::beginGame(const std::optional<Puzzle>& deal)
{
    clock_.stop();
    if (deal) {
        board_.arrange(*deal);
        counters_.reset();
        rememberDeal();
    } else {
        StartNewGame();
    }
    // Refreshed before the game is on, the caption shows no counts and no time yet.
    RefreshStatus();
    GameState = State::Playing;
    showPuzzle(*this);
    menus_.items_.mnuHint.Enabled = true;
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
    menus_.items_.mnuHint.Enabled = true;
}

} // namespace quiltra
