// Undo and redo: the steps of the game in progress as moves, and the arrangement they lead to.
#include "game/move_history.h"

namespace quiltra {

namespace {

bool sameCounts(const Counters& a, const Counters& b)
{
    return a.moves() == b.moves() && a.hints() == b.hints();
}

} // namespace

void MoveHistory::record(const Puzzle& before, const Move& move, const Counters& countsBefore,
                         const Counters& countsAfter)
{
    Puzzle after = before;
    if (!after.apply(move) || (after == before && sameCounts(countsBefore, countsAfter)))
        return;
    if (!started_ || before != present_) {
        clear();
        started_ = true;
    }
    steps_.resize(done_);
    steps_.push_back(Step{move, countsBefore, countsAfter});
    if (steps_.size() > kMaxSteps)
        steps_.pop_front();
    done_ = steps_.size();
    present_ = std::move(after);
}

std::optional<MoveHistory::Return> MoveHistory::undo()
{
    if (!canUndo())
        return std::nullopt;
    const Step& step = steps_[--done_];
    const Move back = step.move.inverse();
    present_.apply(back);
    return Return{back, step.before};
}

std::optional<MoveHistory::Return> MoveHistory::redo()
{
    if (!canRedo())
        return std::nullopt;
    const Step& step = steps_[done_++];
    present_.apply(step.move);
    return Return{step.move, step.after};
}

void MoveHistory::clear()
{
    steps_.clear();
    done_ = 0;
    present_ = Puzzle();
    started_ = false;
}

} // namespace quiltra
