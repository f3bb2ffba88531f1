// Uniform pseudo-random numbers in [0, 1), seeded from the clock; tests script the draws.
#pragma once

namespace quiltra {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Re-seeds the generator from the clock (the game re-seeds before every draw sequence).
    virtual void seedFromClock() = 0;
    // One uniform draw in [0, 1), in single precision.
    virtual float next() = 0;
};

} // namespace quiltra
