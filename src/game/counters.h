// The move and hint counters of the game in progress.
#pragma once

#include <cstdint>

namespace quiltra {

// The move and hint counters: 16-bit as the saved game stores them, so they stop at 32767
// rather than wrapping to a negative count.
class Counters {
public:
    void reset() { MoveCount = 0; HintCount = 0; }
    void resetMoves() { MoveCount = 0; }
    void resetHints() { HintCount = 0; }
    void countMove() { MoveCount = countUp(MoveCount); }
    void countHint() { HintCount = countUp(HintCount); }
    // The counts of a loaded game.
    void restore(std::int16_t moves, std::int16_t hints) { MoveCount = moves; HintCount = hints; }

    std::int16_t moves() const { return MoveCount; }
    std::int16_t hints() const { return HintCount; }

private:
    static std::int16_t countUp(std::int16_t n) { return n < INT16_MAX ? std::int16_t(n + 1) : n; }

    std::int16_t MoveCount = 0;
    std::int16_t HintCount = 0;
};

} // namespace quiltra
