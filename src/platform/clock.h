// Time source for the game clock, the intro steps and the delayed return after a solved game, and
// the date a best time is kept with.
#pragma once

#include <string>

namespace quiltra {

// Seconds on a monotonic clock, with a fraction. Only differences are meaningful, so a game
// running across midnight (or a change of the system time) never shows a negative time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double now() = 0;
    // The local calendar date, "YYYY-MM-DD".
    virtual std::string today() = 0;
};

} // namespace quiltra
