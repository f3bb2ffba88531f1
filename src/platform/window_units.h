// Twips on the screen: 15 twips to a logical pixel, the conversions the windows place and paint
// with, and the nominal frame a window's designed outer size includes around its client area.
#pragma once

#include <cmath>

namespace quiltra {

inline constexpr double kTwipsPerPixel = 15.0;

// Twips to pixels and back, unrounded.
inline double toPixels(double twips) { return twips / kTwipsPerPixel; }
inline double toTwips(double pixels) { return pixels * kTwipsPerPixel; }

// Twips to whole pixels, rounded to the nearest (halves away from zero).
inline int pixels(double twips) { return int(std::lround(toPixels(twips))); }

// The frame included in a designed outer size: two 4-pixel borders across; down, a 22-pixel
// title bar and two borders, and a 20-pixel menu bar for the windows that have one.
inline constexpr double kFrameWidthTwips = 120;
inline constexpr double kFrameHeightTwips = 750;        // a window with a menu bar
inline constexpr double kDialogFrameHeightTwips = 450;  // a window without one

} // namespace quiltra
