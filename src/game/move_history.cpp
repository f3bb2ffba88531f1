// Undo and redo: snapshots of the pieces and counters, and the steps between them.
#include "game/move_history.h"

#include <algorithm>

namespace quiltra {

namespace {

// The pieces 1..n that exist: PieceCount, never more than the piece images held.
std::size_t piecesOn(const Board& b)
{
    return static_cast<std::size_t>(std::clamp<int>(b.PieceCount, 0, int(b.Image2.size()) - 1));
}

} // namespace

PlaySnapshot takeSnapshot(const Board& board, const Counters& counters)
{
    PlaySnapshot s;
    const std::size_t n = piecesOn(board);
    s.Places.reserve(n);
    for (std::size_t k = 1; k <= n; ++k)
        s.Places.push_back({board.Image2[k].Left, board.Image2[k].Top});
    s.Moves = counters.moves();
    s.Hints = counters.hints();
    return s;
}

void applySnapshot(const PlaySnapshot& snapshot, Board& board, Counters& counters)
{
    const std::size_t n = std::min(piecesOn(board), snapshot.Places.size());
    for (std::size_t k = 1; k <= n; ++k) {
        board.Image2[k].Left = snapshot.Places[k - 1].Left;
        board.Image2[k].Top = snapshot.Places[k - 1].Top;
    }
    counters.restore(snapshot.Moves, snapshot.Hints);
}

void MoveHistory::record(const PlaySnapshot& before, const PlaySnapshot& after)
{
    if (before == after || before.Places.size() != after.Places.size())
        return;
    if (!started_ || before != present_) {
        clear();
        started_ = true;
    }
    Step step{{}, before.Moves, before.Hints, after.Moves, after.Hints};
    for (std::size_t i = 0; i < before.Places.size(); ++i)
        if (before.Places[i] != after.Places[i])
            step.changes.push_back({i, before.Places[i], after.Places[i]});

    steps_.resize(done_);
    steps_.push_back(std::move(step));
    if (steps_.size() > kMaxSteps)
        steps_.pop_front();
    done_ = steps_.size();
    present_ = after;
}

std::optional<PlaySnapshot> MoveHistory::undo()
{
    if (!canUndo())
        return std::nullopt;
    const Step& step = steps_[--done_];
    for (const Change& c : step.changes)
        present_.Places[c.index] = c.before;
    present_.Moves = step.movesBefore;
    present_.Hints = step.hintsBefore;
    return present_;
}

std::optional<PlaySnapshot> MoveHistory::redo()
{
    if (!canRedo())
        return std::nullopt;
    const Step& step = steps_[done_++];
    for (const Change& c : step.changes)
        present_.Places[c.index] = c.after;
    present_.Moves = step.movesAfter;
    present_.Hints = step.hintsAfter;
    return present_;
}

void MoveHistory::relocate(const std::function<std::optional<PiecePlace>(PiecePlace)>& to)
{
    if (!started_)
        return;
    const auto move = [&to](PiecePlace& place) {
        const std::optional<PiecePlace> moved = to(place);
        if (moved)
            place = *moved;
        return moved.has_value();
    };
    for (PiecePlace& place : present_.Places)
        if (!move(place))
            return clear();
    for (Step& step : steps_)
        for (Change& c : step.changes)
            if (!move(c.before) || !move(c.after))
                return clear();
}

void MoveHistory::clear()
{
    steps_.clear();
    done_ = 0;
    present_ = {};
    started_ = false;
}

} // namespace quiltra
