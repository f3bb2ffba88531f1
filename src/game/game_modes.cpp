// New Game in either mode, the switch between puzzle and whole picture, and the rules boxes.
#include "game/game.h"
#include "game/play_support.h"
#include "platform/message_box.h"
#include "platform/translation.h"

namespace quiltra {

// Ends the game in progress: no marks (selection frames and hint marks are hidden, and with them
// the Hint state), no selection, zero counters, a stopped clock, Save off, no game.
void Game::ResetBoard()
{
    board_.hideMarks(frameColour(program.HintColor));
    HintsShown = false;
    menus_.items_.mnuSave.Enabled = false;
    board_.deselect();
    counters_.reset();
    forgetGame();
    clock_.stop();
    GameState = State::WholePicture;
}

// New Game > Puzzle: deals the pieces of the current picture and size afresh. Without a picture
// it only clears the caption and stops the clock_.
void Game::mnuPuz_Click()
{
    Caption.clear();
    clock_.stop();
    if (GameState == State::NoPicture)
        return;
    program.PlayMode = Mode::Puzzle;
    showWholePicture(*this);
    ResetBoard();
    processEvents();
    beginGame();
    menus_.offerOriginalView();
}

// New Game > Slider: shuffles by slides; the bottom-right piece is the empty cell. Without a
// picture nothing changes.
void Game::mnuSlide_Click()
{
    if (GameState == State::NoPicture)
        return;
    Caption.clear();
    clock_.stop();
    program.PlayMode = Mode::Slider;
    showWholePicture(*this);
    ResetBoard();
    beginGame();
    menus_.offerOriginalView();
}

// View: the caption always names the view the command switches to. The clock runs on.
void Game::mnuView_Click()
{
    if (GameState == State::NoPicture)
        return;
    if (Picture2.Visible) {
        menus_.offerPuzzleView();
        showWholePicture(*this);
    } else {
        menus_.offerOriginalView();
        showPuzzle(*this);
    }
}

void Game::mnuPz_Click()
{
    services.messages->show(
        translate("Game",
                  "Solve the puzzle by switching the location of pieces unitl it resembles the "
                  "original image.  To move a piece simply click on the piece and then click on "
                  "the piece you want to switch it with."),
        translate("Game", "Puzzle Mode - Rules"), MessageButtons::Ok, MessageIcon::None);
}

void Game::mnuSldr_Click()
{
    services.messages->show(
        translate("Game",
                  "Solve the puzzle by moving the pieces until a resemblance of the original "
                  "picture is formed.  A piece can only be moved onto the empty space, by clicking "
                  "the piece you want moved and then clicking on the empty space.  The empty "
                  "space must be directly beside the piece that is being moved."),
        translate("Game", "Slider Mode - Rules"), MessageButtons::Ok, MessageIcon::None);
}

} // namespace quiltra
