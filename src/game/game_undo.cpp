// Undo and redo: the history of the game in progress, kept move by move and put back on request.
#include <algorithm>
#include <map>
#include <utility>

#include "game/game.h"
#include "game/play_support.h"

namespace quiltra {

namespace {

void showHistory(GameMenus& menus, const MoveHistory& history)
{
    menus.mnuUndo.Enabled = history.canUndo();
    menus.mnuRedo.Enabled = history.canRedo();
}

} // namespace

void Game::recordMove(const PlaySnapshot& before)
{
    history_.record(before, takeSnapshot(board_, counters_));
    showHistory(menus_, history_);
}

void Game::undo()
{
    if (!puzzleInPlay(*this))
        return;
    if (const std::optional<PlaySnapshot> snapshot = history_.undo())
        returnTo(*snapshot);
}

void Game::redo()
{
    if (!puzzleInPlay(*this))
        return;
    if (const std::optional<PlaySnapshot> snapshot = history_.redo())
        returnTo(*snapshot);
}

// The arrangement comes back as a move makes one: the clock starts or resumes, the move sounds and
// the caption follows. Selection and hint marks would point at pieces that have moved, so they go.
// The picture is not checked: a solved game has no history, so an undo or redo reaches a solved
// picture only when the deal itself was one, and going back to the deal does not end the game.
void Game::returnTo(const PlaySnapshot& snapshot)
{
    applySnapshot(snapshot, board_, counters_);
    const std::uint32_t hint = frameColour(program.HintColor);
    for (int k = 1; k <= board_.pieceTotal(); ++k)
        board_.hideMark(k, hint);
    HintsShown = false;
    board_.SelectedPiece = -1;
    resumeClock();
    startClock();
    playMoveSound();
    showHistory(menus_, history_);
    RefreshStatus();
}

void Game::forgetGame()
{
    history_.clear();
    deal_.reset();
    menus_.mnuRestart.Enabled = false;
    showHistory(menus_, history_);
    cursor_.hide();
    banner_.clear();
}

// Every piece stands in a home cell before the layout changes and in the same cell after it, so
// each old cell place has exactly one new place.
void Game::relocateHistory(const std::vector<Single>& oldLeft, const std::vector<Single>& oldTop)
{
    std::map<std::pair<Single, Single>, PiecePlace> places;
    const std::size_t cells = std::min({oldLeft.size(), oldTop.size(), board_.HomeLeft.size(),
                                        board_.HomeTop.size()});
    for (std::size_t j = 1; j < cells; ++j)
        places.emplace(std::pair(oldLeft[j], oldTop[j]),
                       PiecePlace{board_.HomeLeft[j], board_.HomeTop[j]});
    const auto to = [&places](PiecePlace p) -> std::optional<PiecePlace> {
        const auto it = places.find(std::pair(p.Left, p.Top));
        if (it == places.end())
            return std::nullopt;
        return it->second;
    };
    history_.relocate(to);
    showHistory(menus_, history_);
    // The deal follows the pieces too; a deal with a place the new layout does not know could
    // not be played again, so Restart goes off.
    if (deal_)
        for (PiecePlace& place : deal_->Places) {
            const std::optional<PiecePlace> moved = to(place);
            if (!moved) {
                deal_.reset();
                menus_.mnuRestart.Enabled = false;
                break;
            }
            place = *moved;
        }
}

void Game::rememberDeal()
{
    deal_ = takeSnapshot(board_, Counters{});
    menus_.mnuRestart.Enabled = true;
}

// As New Game does, without a new shuffle: the marks, the selection, the counters, the history and
// the clock go, then the deal is put back and the puzzle shown. The title is New Game's too: the
// counts and the time show again with the first move.
void Game::mnuRestart_Click()
{
    if (GameState != State::Playing || sliderShuffling || !deal_)
        return;
    const PlaySnapshot deal = *deal_;
    ResetBoard();
    applySnapshot(deal, board_, counters_);
    rememberDeal();
    RefreshStatus();
    showPuzzle(*this);
    menus_.offerOriginalView();
    menus_.mnuHint.Enabled = true;
    GameState = State::Playing;
}

} // namespace quiltra
