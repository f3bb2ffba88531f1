// The preferences of the settings file "init.txt" as one value: what start-up read, and what
// Save_Info writes back.
#pragma once

#include <cstdint>

#include "game/window_geometry.h"

namespace quiltra {

// Fields 2 to 15 as read (colours are 0xBBGGRR held as doubles, switches 1 = on).
struct StoredPreferences {
    WindowGeometry Window;
    double SelectionColor = 8454016;   // &H80FF80
    double HintColor = 8454143;        // &H0080FFFF
    double BackColor = 12632256;       // &HC0C0C0
    std::int16_t SoundEffects = 1;
    std::int16_t IntroSound = 1;
    std::int16_t MoveSound = 1;
    std::int16_t EndSound = 1;
    std::int16_t EditorView = 1;
    std::int16_t OpenView = 1;
    std::int16_t SaveOnExit = 1;

    bool operator==(const StoredPreferences&) const = default;
};

} // namespace quiltra
