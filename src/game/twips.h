// Units and rounding shared by the engine: twips (15 to a pixel at 96 dpi), single precision
// where the game keeps single precision, and rounding to nearest with ties to even.
#pragma once

#include <cmath>
#include <cstdint>

#include "platform/window_units.h"

namespace quiltra {

using Single = float;

// Rounds to the nearest integer, ties to even (the default rounding mode).
inline double roundEven(double value) { return std::nearbyint(value); }

// Drops the fraction toward zero.
inline double truncate(double value) { return std::trunc(value); }

// Stores into a 16-bit integer the way the game does: rounded, ties to even, and held within the
// 16-bit range instead of wrapping.
inline std::int16_t toInt16Saturated(double value)
{
    const double r = std::nearbyint(value);
    if (!(r > -32768.0))
        return INT16_MIN;
    if (r > 32767.0)
        return INT16_MAX;
    return static_cast<std::int16_t>(r);
}

} // namespace quiltra
