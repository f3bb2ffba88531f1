// The mouse wheel in whole notches and in scrolling distances, whatever wheel or touchpad turns it.
#pragma once

namespace quiltra {

// A wheel reports its turn in eighths of a degree; one notch of a standard wheel is 15 degrees.
inline constexpr int kWheelNotch = 120;

// Whole notches from a stream of wheel turns. High-resolution wheels and touchpads report a notch
// in many small parts; they add up here, so that one notch makes one step however it arrives. A
// turn the other way drops the part gathered so far.
class WheelNotches {
public:
    // The notches this turn completes: positive away from the player, negative towards.
    int add(int delta)
    {
        if ((delta > 0 && pending_ < 0) || (delta < 0 && pending_ > 0))
            pending_ = 0;
        pending_ += delta;
        const int notches = pending_ / kWheelNotch;
        pending_ -= notches * kWheelNotch;
        return notches;
    }

private:
    int pending_ = 0;
};

// How far a wheel turn scrolls, in twips: `lines` lines of text 240 twips high per notch (the
// desktop's setting), and a part of that for a part of a notch, so touchpads scroll smoothly.
inline double wheelScrollTwips(int delta, int lines)
{
    return double(delta) * lines * 240 / kWheelNotch;
}

} // namespace quiltra
