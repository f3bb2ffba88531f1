// Undo and redo: the moves of the game in progress, each kept as what it changed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "game/board.h"
#include "game/counters.h"
#include "game/twips.h"

namespace quiltra {

// Where one piece lies inside the game area, in twips.
struct PiecePlace {
    Single Left = 0;
    Single Top = 0;
    bool operator==(const PiecePlace&) const = default;
};

// What a move can change: the place of every piece 1..N (element 0 is piece 1; in Slider mode
// the hidden piece N is the empty cell, so its place is the empty cell's) and both counters.
// Selection, marks, visibility and the clock are not part of it: a move never changes which
// pieces show, and an undo clears the selection and marks rather than restoring them.
struct PlaySnapshot {
    std::vector<PiecePlace> Places;
    std::int16_t Moves = 0;
    std::int16_t Hints = 0;
    bool operator==(const PlaySnapshot&) const = default;
};

// The board's pieces and the counters as they are now.
PlaySnapshot takeSnapshot(const Board& board, const Counters& counters);
// Puts the pieces and the counters back as the snapshot holds them. Pieces beyond the snapshot
// or beyond the board are left alone.
void applySnapshot(const PlaySnapshot& snapshot, Board& board, Counters& counters);

// The history of one game. The caller takes a snapshot right before a move (a swap, a slide by
// mouse or arrow key, a Hint that places a piece) and one right after it, and passes both to
// record(). A click that counts a move or a hint without moving a piece is a step too (its undo
// gives the count back); a pair of equal snapshots is not. undo() and redo() return the snapshot
// to apply.
//
// Each step keeps only the pieces its move changed (two for every kind of move) and the counters
// before and after, so a step costs tens of bytes whatever the grid; the present arrangement is
// kept once, whole. At most kMaxSteps steps are kept: past that the oldest is forgotten and undo
// stops short of the deal.
class MoveHistory {
public:
    static constexpr std::size_t kMaxSteps = 20000;

    // Adds a move and forgets what could be redone. When `before` is not the arrangement the
    // history last left (the first move of a game, or a board changed behind its back) the
    // history starts again from `before`, so undo never leads to an arrangement that was not
    // played.
    void record(const PlaySnapshot& before, const PlaySnapshot& after);

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }

    // The arrangement before the last move still done; nothing when there is none.
    std::optional<PlaySnapshot> undo();
    // The arrangement after the first move undone; nothing when there is none.
    std::optional<PlaySnapshot> redo();

    // A new game, size, picture or loaded game: nothing to undo or redo.
    void clear();

    // The pieces were laid out again at new places (a new window size): every place the history
    // holds is moved to where `to` says. A place `to` does not know ends the history, as undo
    // could not lead back to it.
    void relocate(const std::function<std::optional<PiecePlace>(PiecePlace)>& to);

private:
    struct Change {
        std::size_t index;
        PiecePlace before;
        PiecePlace after;
    };
    struct Step {
        std::vector<Change> changes;
        std::int16_t movesBefore, hintsBefore, movesAfter, hintsAfter;
    };

    std::deque<Step> steps_;
    std::size_t done_ = 0;      // steps_[0, done_) are done, the rest can be redone
    PlaySnapshot present_;      // the arrangement after the steps done
    bool started_ = false;
};

} // namespace quiltra
