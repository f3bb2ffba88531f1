// Undo and redo: the history of the game in progress, kept move by move and put back on request.
#include "game/game.h"
#include "game/play_support.h"

namespace quiltra {

namespace {

void showHistory(MenuItem& undo, MenuItem& redo, const MoveHistory& history)
{
    undo.Enabled = history.canUndo();
    redo.Enabled = history.canRedo();
}

} // namespace

void Game::recordMove(const Puzzle& before, const Move& move, const Counters& countsBefore)
{
    history_.record(before, move, countsBefore, counters_);
    noteMove();
    showHistory(menus_.items_.mnuUndo, menus_.items_.mnuRedo, history_);
}

void Game::undo()
{
    if (!puzzleInPlay(*this))
        return;
    if (const std::optional<MoveHistory::Return> step = history_.undo())
        returnTo(*step);
}

void Game::redo()
{
    if (!puzzleInPlay(*this))
        return;
    if (const std::optional<MoveHistory::Return> step = history_.redo())
        returnTo(*step);
}

// The arrangement comes back as a move makes one: the clock starts or resumes, the move sounds and
// the caption follows. Selection and hint marks would point at pieces that have moved, so they go.
// The picture is not checked: a solved game has no history, so an undo or redo reaches a solved
// picture only when the deal itself was one, and going back to the deal does not end the game.
void Game::returnTo(const MoveHistory::Return& step)
{
    noteMove();
    board_.apply(step.move);
    counters_ = step.counters;
    const std::uint32_t hint = frameColour(program.HintColor);
    for (int k = 1; k <= board_.pieceTotal(); ++k)
        board_.hideMark(k, hint);
    HintsShown = false;
    board_.deselect();
    resumeClock();
    startClock();
    playMoveSound();
    showHistory(menus_.items_.mnuUndo, menus_.items_.mnuRedo, history_);
    RefreshStatus();
}

void Game::forgetGame()
{
    history_.clear();
    deal_.reset();
    menus_.items_.mnuRestart.Enabled = false;
    showHistory(menus_.items_.mnuUndo, menus_.items_.mnuRedo, history_);
    cursor_.hide();
    banner_.clear();
    forgetSolve();
}

void Game::rememberDeal()
{
    deal_ = board_.puzzle();
    menus_.items_.mnuRestart.Enabled = true;
}

// As New Game does, without a new shuffle: the marks, the selection, the counters, the history and
// the clock go, then the deal is put back and the puzzle shown. The title is New Game's too: the
// counts and the time show again with the first move.
void Game::mnuRestart_Click()
{
    if (GameState != State::Playing || !deal_)
        return;
    const Puzzle deal = *deal_;
    ResetBoard();
    beginGame(deal);
    menus_.offerOriginalView();
}

} // namespace quiltra
