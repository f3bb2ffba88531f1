// Undo and redo: the moves of the game in progress, kept as move values with the counters around
// each.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "game/counters.h"
#include "game/puzzle.h"

namespace quiltra {

// The history of one game. Each step is one move (a swap, a slide by mouse or arrow key, a Hint
// that places a piece) with the counters before and after it. A click that counts a move or a
// hint without moving a piece is a step too, kept as a swap of a cell with itself (its undo gives
// the count back); a step that changes neither the arrangement nor a counter is not kept.
// An undo makes the step's inverse move, a redo makes the move again. Steps hold cells, never
// positions, so a new window size leaves the history as it is. At most kMaxSteps steps are kept:
// past that the oldest is forgotten and undo stops short of the deal.
class MoveHistory {
public:
    static constexpr std::size_t kMaxSteps = 20000;

    // What an undo or redo does to the game: the move to make and the counters it leaves.
    struct Return {
        Move move;
        Counters counters;
    };

    // Adds `move`, made on the arrangement `before`, and forgets what could be redone. When
    // `before` is not the arrangement the history last left (the first move of a game, or a board
    // changed behind its back) the history starts again from `before`, so undo never leads to an
    // arrangement that was not played. A move that is not legal on `before` is not kept.
    void record(const Puzzle& before, const Move& move, const Counters& countsBefore,
                const Counters& countsAfter);

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }

    // The inverse of the last move still done; nothing when there is none.
    std::optional<Return> undo();
    // The first move undone; nothing when there is none.
    std::optional<Return> redo();

    // A new game, size, picture or loaded game: nothing to undo or redo.
    void clear();

private:
    struct Step {
        Move move;
        Counters before, after;
    };

    std::deque<Step> steps_;
    std::size_t done_ = 0; // steps_[0, done_) are done, the rest can be redone
    Puzzle present_;       // the arrangement after the steps done
    bool started_ = false;
};

} // namespace quiltra
